// The control panel: the plug-in's main window. It holds the whole user interface of
// a morph set-up: a header with the page buttons and the names of the morph
// information object, the animated object and the time code; the transport group;
// twenty channel rows on two pages; and the main menu.
//
// The panel's state lives in its controls (captions, slider positions, check boxes,
// menu check marks), which every handler reads directly; the members below point at
// them. Handlers are thin: each subsystem defines the handlers it owns in its own
// folder (the capture and the blend in morph/, keys and recording in animation/,
// loading in scene/), the panel's own ones live here in ui/.
#pragma once

#include <array>
#include <cstdint>

#include "morph/channel_count.h"
#include "shell/tsx_form.h"
#include "shell/tsx_types.h"
#include "widgets/buttons.h"
#include "widgets/check_box.h"
#include "widgets/containers.h"
#include "widgets/display_controls.h"
#include "widgets/form.h"
#include "widgets/menu.h"
#include "widgets/slider.h"
#include "widgets/spin_edit.h"
#include "widgets/text_field.h"

namespace qm {

// The caption of the select button of a channel that holds no object.
inline constexpr const char* kUnselected = "Unselected";

class TForm1 final : public TtsxForm {
public:
  // Lays out every control and menu item and assigns the handlers; FormCreate runs
  // afterwards, when the form is created through ShowToolForm.
  explicit TForm1(tsxHWND parentWindow);

  // --- header ---
  widgets::GroupBox* GroupBox3 = nullptr;
  widgets::Button* btnpage1 = nullptr;
  widgets::Button* btnpage2 = nullptr;
  widgets::Edit* infoobj = nullptr;    // name of the morph information object
  widgets::Edit* finalname = nullptr;  // name of the animated object
  widgets::StaticText* smtp = nullptr; // time code
  // --- transport ---
  widgets::GroupBox* GroupBox1 = nullptr;
  widgets::PictureButton* btnrewend = nullptr;
  widgets::PictureButton* btnrew = nullptr;
  widgets::PictureButton* btnplay = nullptr;
  widgets::PictureButton* btnff = nullptr;
  widgets::PictureButton* btnffend = nullptr;
  widgets::PictureButton* btnrec = nullptr;
  widgets::PictureButton* showkey = nullptr;
  widgets::SpinEdit* currframe = nullptr;
  widgets::PictureButton* btnunset = nullptr;
  // --- pages and channel rows; index 0 is the original (boxoriginal, btnseloriginal,
  // baroriginal, valoriginal), index k the target k (box1, btnsel1, bar1, val1...) ---
  widgets::Panel* Panel1 = nullptr;
  widgets::Panel* Panel17 = nullptr;
  widgets::Shape* Shape1 = nullptr;
  widgets::BitBtn* BitBtn4 = nullptr;
  std::array<widgets::CheckBox*, morph::kChannelCount> box{};
  std::array<widgets::Button*, morph::kChannelCount> btnsel{};
  std::array<widgets::Slider*, morph::kChannelCount> bar{};
  std::array<widgets::StaticText*, morph::kChannelCount> val{};
  // --- main menu ---
  widgets::MenuItem* NewMorphingInfo1 = nullptr;
  widgets::MenuItem* Load2 = nullptr;
  widgets::MenuItem* ExitQuillmereMorph1 = nullptr;
  widgets::MenuItem* SelectAnimatedObject1 = nullptr;
  widgets::MenuItem* CreateAnimatedObject1 = nullptr;
  widgets::MenuItem* Update1 = nullptr;
  widgets::MenuItem* CreateFromChannels1 = nullptr;
  widgets::MenuItem* Page11 = nullptr;
  widgets::MenuItem* Page21 = nullptr;
  widgets::MenuItem* AdjustDeltaTolerance1 = nullptr;
  widgets::MenuItem* AutoUpdate1 = nullptr;
  widgets::MenuItem* LockTargets1 = nullptr;
  widgets::MenuItem* HideTargets1 = nullptr;
  widgets::MenuItem* Update2 = nullptr;
  widgets::MenuItem* About1 = nullptr;
  widgets::MenuItem* OnlineHelp1 = nullptr;
  widgets::MenuItem* Hide1 = nullptr;

  // --- the panel's flags, started afresh by FormCreate ---
  bool collapsed = false;
  bool animbound = false;                    // an animated object is bound
  bool loadingsetup = false;                 // a stored set-up is being loaded
  bool animatingchannels = false;            // Animate From KFE Channels is running
  float deltatolerance = 10.0f;              // whole number 0 to 1000, thousandths of a unit
  tsxVec3f originlocation{0.0f, 0.0f, 0.0f}; // where a new animated object goes

  // --- operations offered to the subsystems ---
  void disablebuttons(); // the twenty select buttons
  void enablebuttons();
  void disablebars(); // the twenty sliders
  // Makes available what needs a set-up to work on (the transport group, the frame
  // field, the unset button, page 2's button and menu item, "Update Info In KFE" and
  // "Animate From KFE Channels"); New Morph and a complete load call it.
  void enablesetupcontrols();
  // True when channel k holds an object: its select button's caption is not
  // "Unselected".
  bool IsCaptured(int channel) const;

  // --- the panel's own handlers (ui/) ---
  void FormCreate();
  void FormClose(widgets::CloseAction& action);
  void Hide1Click();
  void btnpage1Click();
  void btnpage2Click();
  void Page11Click();
  void Page21Click();
  void ExitQuillmereMorph1Click();
  void About1Click();
  void OnlineHelp1Click();
  void infoobjChange();
  void finalnameChange();

  // --- morph engine (morph/) ---
  void btnseloriginalClick();
  void btnselClick(int target); // btnsel1Click to btnsel19Click, target 1 to 19
  void barChange(int channel);  // baroriginalChange, bar1Change to bar19Change
  void percentage();
  void Update2Click();
  void AutoUpdate1Click();
  void AdjustDeltaTolerance1Click();
  void CreateAnimatedObject1Click();
  void SelectAnimatedObject1Click();

  // --- channel animation (animation/) ---
  void Update1Click();
  void CreateFromChannels1Click();
  void btnrecClick();
  void btnunsetClick();
  void btnrewendClick();
  void btnrewClick();
  void btnplayClick();
  void btnffClick();
  void btnffendClick();
  void currframeChange();
  void currframeMouseDown();
  void BitBtn4Click();

  // --- scene objects and set-ups (scene/) ---
  void NewMorphingInfo1Click();
  void Load2Click();
  // Captures the first top-level object named exactly `name` into the channel, or
  // opens the substitute dialog for it; "Unselected" does nothing.
  void searchobj(int channel, const std::string& name);
  // Loads the stored set-up that is the host's current selection.
  void Load();
  void LockTargets1Click();
  void HideTargets1Click();

private:
  // The layout, as a form resource would give it (control_panel_layout.cpp and
  // control_panel_menu.cpp), and the wiring of every control to its handler.
  void BuildHeader();
  void BuildTransport();
  void BuildPages();
  void BuildRow(int channel, widgets::Panel& page, int top);
  void BuildMenu();
  void WireHandlers();
  // Shows one page and hides the other; the page buttons' colours are the caller's.
  void ShowPage(int page);
};

// The one control panel, null while there is none. Set before the panel's creation
// handler runs; cleared when the panel closes.
extern TForm1* Form1;

} // namespace qm

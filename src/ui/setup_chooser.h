// The set-up chooser: shown whenever a control panel is created and by "Load Morphing
// Channels"; the user picks a stored set-up to load, or starts a new one.
#pragma once

#include "shell/tsx_form.h"
#include "shell/tsx_types.h"
#include "widgets/buttons.h"
#include "widgets/display_controls.h"
#include "widgets/list_box.h"

namespace qm {

class TForm2 final : public TtsxForm {
public:
  explicit TForm2(tsxHWND parentWindow);

  widgets::ListBox* ListBox1 = nullptr; // the scene's top-level objects
  widgets::Button* Button2 = nullptr;   // "Load"
  widgets::Button* Button1 = nullptr;   // "New"
  widgets::StaticText* StaticText1 = nullptr;
  widgets::StaticText* StaticText3 = nullptr;

  // Set-up loading (scene/): the show handler lists the scene, New starts a set-up,
  // Load loads the chosen one.
  void FormShow();
  void Button1Click();
  void Button2Click();
  void parsescene();
};

// The one chooser, null until it is first shown. Closing only hides it.
extern TForm2* Form2;

} // namespace qm

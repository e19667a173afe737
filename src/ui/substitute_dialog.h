// The substitute dialog: opens when a stored set-up names an object that is not in
// the scene, and lets the user load another object into that channel.
#pragma once

#include <string>

#include "shell/tsx_form.h"
#include "shell/tsx_types.h"
#include "widgets/buttons.h"
#include "widgets/display_controls.h"
#include "widgets/list_box.h"

namespace qm {

class TForm3 final : public TtsxForm {
public:
  explicit TForm3(tsxHWND parentWindow);

  widgets::ListBox* ListBox1 = nullptr; // the scene's top-level objects
  widgets::Button* Button2 = nullptr;   // "Load"
  widgets::Button* Button1 = nullptr;   // "Ignore"
  widgets::StaticText* StaticText1 = nullptr;
  widgets::StaticText* StaticText3 = nullptr;

  // Object lookup (scene/): the show handler lists the scene, Load captures the
  // chosen object into the remembered channel, Ignore closes; store remembers the
  // channel that a substitute is wanted for.
  void FormShow();
  void Button1Click();
  void Button2Click();
  void parsescene();
  void store(int channel, const std::string& name);
};

// The one substitute dialog, null until it is first shown. Closing only hides it.
extern TForm3* Form3;

} // namespace qm

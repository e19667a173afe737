// The shape that the set-up chooser and the substitute dialog share: the scene's
// top-level objects in a list on the left, a tall "Load" button (Button2) and a short
// second button (Button1) on the right, two centred bold lines of text under the list.
#pragma once

#include <string>

#include "shell/tsx_form.h"
#include "shell/tsx_types.h"
#include "widgets/buttons.h"
#include "widgets/display_controls.h"
#include "widgets/list_box.h"

namespace qm {

class TListDialog : public TtsxForm {
public:
  widgets::ListBox* ListBox1 = nullptr; // the scene's top-level objects
  widgets::Button* Button2 = nullptr;   // "Load"
  widgets::Button* Button1 = nullptr;   // the second button
  widgets::StaticText* StaticText1 = nullptr;
  widgets::StaticText* StaticText3 = nullptr;

  // Refills the list with the names of the scene's top-level objects (scene/).
  void parsescene();

  // The handlers each dialog gives its show event and its two buttons.
  virtual void FormShow() = 0;
  virtual void Button1Click() = 0;
  virtual void Button2Click() = 0;

protected:
  // Lays out the controls, sizes and centres the form and wires its handlers. Closing
  // only hides the dialog (the framework's default close action); the next show
  // reuses it.
  TListDialog(std::string name, tsxHWND parentWindow, const std::string& caption,
              const std::string& secondButton, const std::string& line1, const std::string& line2);
};

} // namespace qm

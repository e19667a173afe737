// The about box: a picture, the plug-in's name and author, a few lines, two links.
// It has no logic of its own; closing it hides it.
#pragma once

#include "shell/tsx_form.h"
#include "shell/tsx_types.h"
#include "widgets/display_controls.h"

namespace qm {

// Where the about box's links lead.
inline constexpr const char* kWebAddress = "https://quillmere.example.org/morph/";
inline constexpr const char* kMailAddress = "mailto:ardwynne@example.org";

class Tabout final : public TtsxForm {
public:
  explicit Tabout(tsxHWND parentWindow);

  widgets::Image* Image1 = nullptr;
  widgets::Label* Label1 = nullptr; // "Quillmere Morph"
  widgets::Label* Label2 = nullptr; // "by Ardwynne"
  widgets::StaticText* StaticText1 = nullptr;
  widgets::LinkLabel* URLLabel1 = nullptr; // the web page
  widgets::LinkLabel* URLLabel2 = nullptr; // the e-mail address
};

// The one about box, null until it is first shown.
extern Tabout* about;

} // namespace qm

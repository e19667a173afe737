// Layout helpers shared by the plug-in's windows.
#pragma once

#include <string>

#include "widgets/control.h"
#include "widgets/form.h"

namespace qm::ui {

// The screen the windows are placed on while no native backend reports a real one.
inline constexpr int kScreenWidth = 1024;
inline constexpr int kScreenHeight = 768;

// The left or top position that centres `size` in `available` (never negative).
int CentredOrigin(int available, int size);

// Places the form in the middle of the screen.
void CentreOnScreen(widgets::Form& form);

// The font of the dialogs' emphasised texts: bold, otherwise the form's default.
widgets::TextFont BoldFont();
// An Arial font of `points`, bold unless told otherwise, in `color`.
widgets::TextFont ArialFont(int points, widgets::ColorRef color, bool bold = true);

// Sets bounds and caption in one go: the layout code reads like a form resource.
template <class T>
T& Place(T& control, int left, int top, int width, int height, const std::string& caption = {}) {
  control.SetBounds(left, top, width, height);
  if (!caption.empty()) control.SetCaption(caption);
  return control;
}

} // namespace qm::ui

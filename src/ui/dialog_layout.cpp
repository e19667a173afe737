#include "ui/dialog_layout.h"

#include <algorithm>

namespace qm::ui {

int CentredOrigin(int available, int size) { return std::max(0, (available - size) / 2); }

void CentreOnScreen(widgets::Form& form) {
  form.SetBounds(CentredOrigin(kScreenWidth, form.Width()),
                 CentredOrigin(kScreenHeight, form.Height()), form.Width(), form.Height());
}

widgets::TextFont BoldFont() {
  widgets::TextFont font;
  font.bold = true;
  return font;
}

widgets::TextFont ArialFont(int points, widgets::ColorRef color, bool bold) {
  widgets::TextFont font;
  font.name = "Arial";
  font.size = points;
  font.bold = bold;
  font.color = color;
  return font;
}

} // namespace qm::ui

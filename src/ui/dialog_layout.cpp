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

ListDialogControls LayOutListDialog(widgets::Form& form, const std::string& caption,
                                    const std::string& secondButton, const std::string& line1,
                                    const std::string& line2) {
  using namespace widgets;
  form.SetCaption(caption);
  form.SetClientWidth(360);
  form.SetClientHeight(196);
  CentreOnScreen(form);
  ListDialogControls controls{
      &Place(form.Add<ListBox>("ListBox1"), 8, 8, 240, 140),
      &Place(form.Add<Button>("Button2"), 256, 8, 96, 100, "Load"),
      &Place(form.Add<Button>("Button1"), 256, 116, 96, 32, secondButton),
      &Place(form.Add<StaticText>("StaticText1"), 8, 154, 344, 16, line1),
      &Place(form.Add<StaticText>("StaticText3"), 8, 174, 344, 16, line2),
  };
  for (StaticText* text : {controls.StaticText1, controls.StaticText3}) {
    text->SetAlignment(Alignment::Center);
    text->SetFont(BoldFont());
  }
  return controls;
}

} // namespace qm::ui

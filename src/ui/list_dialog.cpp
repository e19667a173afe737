#include "ui/list_dialog.h"

#include "ui/dialog_layout.h"

namespace qm {

TListDialog::TListDialog(std::string name, tsxHWND parentWindow, const std::string& caption,
                         const std::string& secondButton, const std::string& line1,
                         const std::string& line2)
    : TtsxForm(std::move(name), parentWindow) {
  using namespace widgets;
  SetCaption(caption);
  SetClientWidth(360);
  SetClientHeight(196);
  ui::CentreOnScreen(*this);
  ListBox1 = &ui::Place(Add<ListBox>("ListBox1"), 8, 8, 240, 140);
  Button2 = &ui::Place(Add<Button>("Button2"), 256, 8, 96, 100, "Load");
  Button1 = &ui::Place(Add<Button>("Button1"), 256, 116, 96, 32, secondButton);
  StaticText1 = &ui::Place(Add<StaticText>("StaticText1"), 8, 154, 344, 16, line1);
  StaticText3 = &ui::Place(Add<StaticText>("StaticText3"), 8, 174, 344, 16, line2);
  for (StaticText* text : {StaticText1, StaticText3}) {
    text->SetAlignment(Alignment::Center);
    text->SetFont(ui::BoldFont());
  }
  OnShow = [this] { FormShow(); };
  Button1->OnClick = [this] { Button1Click(); };
  Button2->OnClick = [this] { Button2Click(); };
}

} // namespace qm

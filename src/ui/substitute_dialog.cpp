#include "ui/substitute_dialog.h"

#include "ui/dialog_layout.h"

namespace qm {

TForm3* Form3 = nullptr;

TForm3::TForm3(tsxHWND parentWindow) : TtsxForm("Form3", parentWindow) {
  using namespace widgets;
  SetCaption("Select Morph Target");
  SetClientWidth(360);
  SetClientHeight(196);
  ui::CentreOnScreen(*this);

  ListBox1 = &ui::Place(Add<ListBox>("ListBox1"), 8, 8, 240, 140);
  Button2 = &ui::Place(Add<Button>("Button2"), 256, 8, 96, 100, "Load");
  Button1 = &ui::Place(Add<Button>("Button1"), 256, 116, 96, 32, "Ignore");
  StaticText1 = &ui::Place(Add<StaticText>("StaticText1"), 8, 154, 344, 16, "Object: not found");
  StaticText3 = &ui::Place(Add<StaticText>("StaticText3"), 8, 174, 344, 16,
                           "Select object to Load as substitute");
  for (StaticText* text : {StaticText1, StaticText3}) {
    text->SetAlignment(Alignment::Center);
    text->SetFont(ui::BoldFont());
  }

  OnShow = [this] { FormShow(); };
  Button1->OnClick = [this] { Button1Click(); };
  Button2->OnClick = [this] { Button2Click(); };
  // The close box only hides the dialog (the framework's default close action).
}

} // namespace qm

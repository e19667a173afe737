#include "ui/setup_chooser.h"

#include "ui/dialog_layout.h"

namespace qm {

TForm2* Form2 = nullptr;

TForm2::TForm2(tsxHWND parentWindow) : TtsxForm("Form2", parentWindow) {
  using namespace widgets;
  SetCaption("Select QMMorph Channel Object");
  SetClientWidth(360);
  SetClientHeight(196);
  ui::CentreOnScreen(*this);

  ListBox1 = &ui::Place(Add<ListBox>("ListBox1"), 8, 8, 240, 140);
  Button2 = &ui::Place(Add<Button>("Button2"), 256, 8, 96, 100, "Load");
  Button1 = &ui::Place(Add<Button>("Button1"), 256, 116, 96, 32, "New");
  StaticText1 = &ui::Place(Add<StaticText>("StaticText1"), 8, 154, 344, 16,
                           "Click on 'New' only if you want to create a new QMMorph Object");
  StaticText3 = &ui::Place(Add<StaticText>("StaticText3"), 8, 174, 344, 16,
                           "If you don't know what I am talking about, read the manual now");
  for (StaticText* text : {StaticText1, StaticText3}) {
    text->SetAlignment(Alignment::Center);
    text->SetFont(ui::BoldFont());
  }

  OnShow = [this] { FormShow(); };
  Button1->OnClick = [this] { Button1Click(); };
  Button2->OnClick = [this] { Button2Click(); };
  // The close box only hides the chooser (the framework's default close action);
  // the next show reuses it.
}

} // namespace qm

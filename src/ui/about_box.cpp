#include "ui/about_box.h"

#include "ui/dialog_layout.h"
#include "ui/pictures.h"

namespace qm {

Tabout* about = nullptr;

namespace {

constexpr const char* kAboutText = "The Best weighted Morph \n"
                                   "system for trueSpace 3 & 4\n"
                                   "\n"
                                   "Find more information and \n"
                                   "more plugins at:";

} // namespace

Tabout::Tabout(tsxHWND parentWindow) : TtsxForm("about", parentWindow) {
  using namespace widgets;
  SetCaption("About");
  SetClientWidth(420);
  SetClientHeight(212);
  ui::CentreOnScreen(*this);

  // The picture keeps the proportions of its 443 x 468 drawing.
  Image1 = &ui::Place(Add<Image>("Image1"), 8, 8, 186, 196);
  Image1->SetStretch(true);
  Image1->SetPicture(ui::AboutPicture());

  Label1 = &ui::Place(Add<Label>("Label1"), 204, 8, 208, 30, "Quillmere Morph");
  TextFont title = ui::ArialFont(18, clWindowText);
  title.italic = true;
  Label1->SetFont(title);
  Label1->SetAlignment(Alignment::Center);
  Label2 = &ui::Place(Add<Label>("Label2"), 204, 40, 208, 16, "by Ardwynne");
  Label2->SetAlignment(Alignment::Center);

  StaticText1 = &ui::Place(Add<StaticText>("StaticText1"), 204, 64, 208, 84, kAboutText);
  StaticText1->SetAlignment(Alignment::Center);
  StaticText1->SetBorder(BorderStyle::None);
  StaticText1->SetFont(ui::ArialFont(8, clWindowText));

  URLLabel1 =
      &ui::Place(Add<LinkLabel>("URLLabel1"), 204, 156, 208, 16, "quillmere.example.org/morph");
  URLLabel1->SetUrl(kWebAddress);
  URLLabel2 = &ui::Place(Add<LinkLabel>("URLLabel2"), 204, 180, 208, 16, "ardwynne@example.org");
  URLLabel2->SetUrl(kMailAddress);
}

} // namespace qm

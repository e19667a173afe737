// The control panel's controls: positions, captions, looks and initial states. The
// rows are laid out for a client area 355 pixels wide; the header and the transport
// group fill the 86 pixels above the pages.
#include <string>

#include "ui/control_panel.h"
#include "ui/dialog_layout.h"
#include "ui/pictures.h"

namespace qm {

using namespace widgets;
using ui::Place;

namespace {

constexpr int kClientWidth = 355;
constexpr int kHeaderHeight = 46;
constexpr int kTransportHeight = 40;
constexpr int kPagesTop = kHeaderHeight + kTransportHeight; // 86
constexpr int kPageHeight = 233;
constexpr int kRowHeight = 21;
constexpr int kRowPitch = 22;
constexpr int kFirstRowTop = 4;
// On page 1 the first target lies further down, leaving room for the separator.
constexpr int kFirstTargetTop = kFirstRowTop + 24;
constexpr int kPage2First = 10;

// The component name of a row's control: "btnsel" + "original" or the target number.
std::string RowName(const char* kind, int channel) {
  return std::string(kind) + (channel == 0 ? std::string("original") : std::to_string(channel));
}

// Navy field with yellow text, as the names of the set-up's objects are shown.
void NameFieldLook(Edit& field) {
  field.SetColor(clNavy);
  field.SetFontColor(clYellow);
  field.SetReadOnly(true);
  field.SetText("None");
}

// Black field with bold lime Arial, as the time code and the frame are shown.
void TimeFieldLook(Control& field) {
  field.SetColor(clBlack);
  field.SetFont(ui::ArialFont(10, clLime));
}

TextFont PageButtonFont(ColorRef color) {
  // 16 pixels high: 12 points on the 96 dpi screen the layout is drawn for.
  return ui::ArialFont(12, color);
}

} // namespace

TForm1::TForm1(tsxHWND parentWindow) : TtsxForm("Form1", parentWindow) {
  SetCaption("Quillmere by Ardwynne");
  SetBounds(200, 120, 363, 362);
  // Lies behind the header group, which covers it.
  BitBtn4 = &Place(Add<BitBtn>("BitBtn4"), 8, 8, 75, 25, "BitBtn4");
  BuildHeader();
  BuildTransport();
  BuildPages();
  BuildMenu();
  WireHandlers();
}

void TForm1::BuildHeader() {
  GroupBox3 = &Place(Add<GroupBox>("GroupBox3"), 0, 0, kClientWidth, kHeaderHeight);
  Place(Add<Label>("Label1", GroupBox3), 8, 8, 28, 13, "Page");
  btnpage1 = &Place(Add<Button>("btnpage1", GroupBox3), 6, 22, 22, 20, "1");
  btnpage1->SetFont(PageButtonFont(clLime));
  btnpage2 = &Place(Add<Button>("btnpage2", GroupBox3), 30, 22, 22, 20, "2");
  btnpage2->SetFont(PageButtonFont(clSilver));
  btnpage2->SetEnabled(false);

  Place(Add<Label>("Label2", GroupBox3), 58, 8, 98, 13, "Channel Information");
  infoobj = &Place(Add<Edit>("infoobj", GroupBox3), 58, 22, 98, 20);
  NameFieldLook(*infoobj);
  Place(Add<Label>("Label3", GroupBox3), 160, 8, 98, 13, "Animated Morph");
  finalname = &Place(Add<Edit>("finalname", GroupBox3), 160, 22, 98, 20);
  NameFieldLook(*finalname);

  Place(Add<Label>("Label4", GroupBox3), 262, 8, 87, 13, "Time Code");
  smtp = &Place(Add<StaticText>("smtp", GroupBox3), 262, 22, 87, 20, " 0: 0: 0");
  smtp->SetBorder(BorderStyle::Sunken);
  smtp->SetAlignment(Alignment::Center);
  TimeFieldLook(*smtp);
}

void TForm1::BuildTransport() {
  GroupBox1 = &Place(Add<GroupBox>("GroupBox1"), 0, kHeaderHeight, kClientWidth, kTransportHeight);
  GroupBox1->SetEnabled(false);
  struct Glyphed {
    PictureButton*& button;
    const char* name;
    ui::Glyph glyph;
  };
  const Glyphed buttons[] = {
      {btnrewend, "btnrewend", ui::Glyph::ToFirstKey},
      {btnrew, "btnrew", ui::Glyph::PreviousKey},
      {btnplay, "btnplay", ui::Glyph::Play},
      {btnff, "btnff", ui::Glyph::NextKey},
      {btnffend, "btnffend", ui::Glyph::ToLastKey},
      {btnrec, "btnrec", ui::Glyph::Record},
      {showkey, "showkey", ui::Glyph::Key},
  };
  int left = 6;
  for (const Glyphed& entry : buttons) {
    // The key indicator stands a little apart from the buttons.
    if (entry.glyph == ui::Glyph::Key) left += 2;
    entry.button = &Place(Add<PictureButton>(entry.name, GroupBox1), left, 10, ui::kGlyphWidth,
                          ui::kGlyphHeight);
    entry.button->SetPicture(ui::GlyphPicture(entry.glyph));
    left += ui::kGlyphWidth;
  }
  btnrec->SetEnabled(false);
  showkey->SetEnabled(false);
  showkey->SetVisible(false);

  currframe = &Place(Add<SpinEdit>("currframe", GroupBox1), 243, 12, 62, 21);
  currframe->SetMaxValue(99999);
  currframe->SetValue(0);
  currframe->SetEnabled(false);
  TimeFieldLook(*currframe);

  btnunset =
      &Place(Add<PictureButton>("btnunset", GroupBox1), 310, 10, ui::kGlyphWidth, ui::kGlyphHeight);
  btnunset->SetPicture(ui::GlyphPicture(ui::Glyph::Unset));
  btnunset->SetEnabled(false);
}

void TForm1::BuildPages() {
  Panel1 = &Place(Add<Panel>("Panel1"), 0, kPagesTop, kClientWidth, kPageHeight);
  BuildRow(0, *Panel1, kFirstRowTop);
  // The red separator sits in the gap between the original and the first target.
  Shape1 = &Place(Add<Shape>("Shape1", Panel1), 4, kFirstRowTop + kRowHeight, 347, 2);
  Shape1->SetColor(clRed);
  Shape1->SetPenColor(clRed);
  for (int k = 1; k < kPage2First; ++k)
    BuildRow(k, *Panel1, kFirstTargetTop + (k - 1) * kRowPitch);

  // Page 2 is laid out below page 1; creation moves it onto page 1's place.
  Panel17 = &Place(Add<Panel>("Panel17"), 0, kPagesTop + kPageHeight, kClientWidth, kPageHeight);
  Panel17->SetVisible(false);
  for (int k = kPage2First; k < morph::kChannelCount; ++k) {
    BuildRow(k, *Panel17, kFirstRowTop + (k - kPage2First) * kRowPitch);
  }
}

void TForm1::BuildRow(int channel, Panel& page, int top) {
  const auto k = static_cast<std::size_t>(channel);
  box[k] = &Place(Add<CheckBox>(RowName("box", channel), &page), 4, top, 28, kRowHeight, "D");
  box[k]->SetChecked(true);
  box[k]->SetTabStop(false);
  btnsel[k] =
      &Place(Add<Button>(RowName("btnsel", channel), &page), 34, top, 112, kRowHeight, kUnselected);
  bar[k] = &Place(Add<Slider>(RowName("bar", channel), &page), 150, top, 160, kRowHeight);
  val[k] = &Place(Add<StaticText>(RowName("val", channel), &page), 314, top + 2, 36, 17);
  val[k]->SetBorder(BorderStyle::Sunken);
  val[k]->SetAlignment(Alignment::Center);
  if (channel == 0) {
    // The original always keeps some weight.
    bar[k]->SetMin(1);
    bar[k]->SetPosition(100);
    val[k]->SetCaption("100");
  } else {
    val[k]->SetCaption("0");
  }
}

} // namespace qm

// The control panel's own behaviour: creation, collapsing, pages, closing, the name
// fields, the about box, and the enabling operations offered to the subsystems.
#include "ui/control_panel.h"

#include "animation/morph_info.h"
#include "morph/channel_set.h"
#include "morph/object_name.h"
#include "platform/exception.h"
#include "shell/tool_forms.h"
#include "ui/about_box.h"
#include "ui/setup_chooser.h"

namespace qm {

TForm1* Form1 = nullptr;

namespace {

constexpr int kPanelWidth = 363;
constexpr int kExpandedHeight = 362;
// Only the caption and the menu strip remain.
constexpr int kCollapsedHeight = 40;

} // namespace

void TForm1::disablebuttons() {
  for (widgets::Button* button : btnsel)
    button->SetEnabled(false);
}

void TForm1::enablebuttons() {
  for (widgets::Button* button : btnsel)
    button->SetEnabled(true);
}

void TForm1::disablebars() {
  for (widgets::Slider* slider : bar)
    slider->SetEnabled(false);
}

void TForm1::enablesetupcontrols() {
  GroupBox1->SetEnabled(true);
  currframe->SetEnabled(true);
  btnunset->SetEnabled(true);
  btnpage2->SetEnabled(true);
  Page21->SetEnabled(true);
  Update1->SetEnabled(true);
  CreateFromChannels1->SetEnabled(true);
}

bool TForm1::IsCaptured(int channel) const {
  if (channel < 0 || channel >= morph::kChannelCount) {
    throw Exception("Channel " + std::to_string(channel) + " does not exist");
  }
  return btnsel[static_cast<std::size_t>(channel)]->Caption() != kUnselected;
}

void TForm1::FormCreate() {
  collapsed = false;
  animbound = false;
  originlocation = {0.0f, 0.0f, 0.0f};
  // Both pages occupy the same place.
  Panel17->SetBounds(Panel1->Left(), Panel1->Top(), Panel17->Width(), Panel17->Height());
  SetHeight(kExpandedHeight);
  loadingsetup = false;
  animatingchannels = false;
  disablebuttons();
  disablebars();
  // A new panel starts collapsed to its menu strip; the chooser's New or Load
  // expands it again.
  Hide1->Click();
  ShowToolForm(Form2);
  deltatolerance = 10.0f;
}

void TForm1::Hide1Click() {
  collapsed = !collapsed;
  SetBounds(Left(), Top(), kPanelWidth, collapsed ? kCollapsedHeight : kExpandedHeight);
  Hide1->SetCaption(collapsed ? "Expand" : "Hide");
}

void TForm1::ShowPage(int page) {
  Panel1->SetVisible(page == 1);
  Panel17->SetVisible(page == 2);
  (page == 1 ? Page11 : Page21)->SetChecked(true);
}

void TForm1::btnpage1Click() {
  ShowPage(1);
  btnpage1->SetFontColor(widgets::clLime);
  btnpage2->SetFontColor(widgets::clSilver);
}

void TForm1::btnpage2Click() {
  ShowPage(2);
  btnpage2->SetFontColor(widgets::clLime);
  btnpage1->SetFontColor(widgets::clSilver);
}

// The menu switches the page and leaves the page buttons' colours as they were.
void TForm1::Page11Click() { ShowPage(1); }

void TForm1::Page21Click() { ShowPage(2); }

void TForm1::FormClose(widgets::CloseAction& action) {
  // The panel is freed; the next icon click builds a new one. The set-up's objects
  // (module state) stay as they are.
  action = widgets::CloseAction::Free;
  if (Form1 == this) Form1 = nullptr;
}

void TForm1::ExitQuillmereMorph1Click() { Close(); }

void TForm1::About1Click() { ShowToolForm(about); }

void TForm1::OnlineHelp1Click() {}

// The program fills the name fields with the objects' names; whatever they show is
// given to the objects, so they keep the names shown. With no object bound there is
// nothing to rename, and an empty handle must never reach the host.
void TForm1::infoobjChange() {
  if (morphinfo) SetName(morphinfo, infoobj->Text());
}

void TForm1::finalnameChange() {
  if (animobj) SetName(animobj, finalname->Text());
}

} // namespace qm

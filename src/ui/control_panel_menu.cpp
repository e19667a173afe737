// The control panel's main menu and the wiring of every control and menu item to
// its handler.
#include "ui/control_panel.h"

namespace qm {

using namespace widgets;

namespace {

// The radio group of the page items.
constexpr int kPageGroup = 1;

} // namespace

void TForm1::BuildMenu() {
  MenuItem& file = Menu().Add("File1", "File");
  NewMorphingInfo1 = &file.Add("NewMorphingInfo1", "New Morph");
  Load2 = &file.Add("Load2", "Load Morphing Channels");
  file.AddSeparator("N1");
  ExitQuillmereMorph1 = &file.Add("ExitQuillmereMorph1", "Exit Quillmere Morph");

  MenuItem& animation = Menu().Add("Animation1", "Animation");
  SelectAnimatedObject1 = &animation.Add("SelectAnimatedObject1", "Select Animated Object");
  CreateAnimatedObject1 = &animation.Add("CreateAnimatedObject1", "Create Animated Object");
  animation.AddSeparator("N3");
  Update1 = &animation.Add("Update1", "Update Info In KFE");
  Update1->SetEnabled(false);
  CreateFromChannels1 = &animation.Add("CreateFromChannels1", "Animate From KFE Channels");
  CreateFromChannels1->SetEnabled(false);

  MenuItem& options = Menu().Add("Options1", "Options");
  Page11 = &options.Add("Page11", "Page 1");
  Page21 = &options.Add("Page21", "Page2");
  for (MenuItem* page : {Page11, Page21}) {
    page->SetRadioItem(true);
    page->SetGroupIndex(kPageGroup);
  }
  Page11->SetChecked(true);
  Page21->SetEnabled(false);
  options.AddSeparator("N2");
  AdjustDeltaTolerance1 = &options.Add("AdjustDeltaTolerance1", "Delta Tolerance");
  AutoUpdate1 = &options.Add("AutoUpdate1", "Auto Update");
  AutoUpdate1->SetChecked(true);
  LockTargets1 = &options.Add("LockTargets1", "Lock Targets");
  HideTargets1 = &options.Add("HideTargets1", "Hide Targets");

  Update2 = &Menu().Add("Update2", "Update");

  MenuItem& help = Menu().Add("Help1", "Help");
  About1 = &help.Add("About1", "About");
  OnlineHelp1 = &help.Add("OnlineHelp1", "Online Help");

  Hide1 = &Menu().Add("Hide1", "Hide");
}

void TForm1::WireHandlers() {
  OnCreate = [this] { FormCreate(); };
  OnClose = [this](CloseAction& action) { FormClose(action); };

  btnpage1->OnClick = [this] { btnpage1Click(); };
  btnpage2->OnClick = [this] { btnpage2Click(); };
  infoobj->OnChange = [this] { infoobjChange(); };
  finalname->OnChange = [this] { finalnameChange(); };

  btnrewend->OnClick = [this] { btnrewendClick(); };
  btnrew->OnClick = [this] { btnrewClick(); };
  btnplay->OnClick = [this] { btnplayClick(); };
  btnff->OnClick = [this] { btnffClick(); };
  btnffend->OnClick = [this] { btnffendClick(); };
  btnrec->OnClick = [this] { btnrecClick(); };
  btnunset->OnClick = [this] { btnunsetClick(); };
  currframe->OnChange = [this] { currframeChange(); };
  currframe->OnMouseDown = [this] { currframeMouseDown(); };
  BitBtn4->OnClick = [this] { BitBtn4Click(); };

  btnsel[0]->OnClick = [this] { btnseloriginalClick(); };
  for (int k = 1; k < morph::kChannelCount; ++k) {
    btnsel[static_cast<std::size_t>(k)]->OnClick = [this, k] { btnselClick(k); };
  }
  for (int k = 0; k < morph::kChannelCount; ++k) {
    bar[static_cast<std::size_t>(k)]->OnChange = [this, k] { barChange(k); };
  }

  NewMorphingInfo1->OnClick = [this] { NewMorphingInfo1Click(); };
  Load2->OnClick = [this] { Load2Click(); };
  ExitQuillmereMorph1->OnClick = [this] { ExitQuillmereMorph1Click(); };
  SelectAnimatedObject1->OnClick = [this] { SelectAnimatedObject1Click(); };
  CreateAnimatedObject1->OnClick = [this] { CreateAnimatedObject1Click(); };
  Update1->OnClick = [this] { Update1Click(); };
  CreateFromChannels1->OnClick = [this] { CreateFromChannels1Click(); };
  Page11->OnClick = [this] { Page11Click(); };
  Page21->OnClick = [this] { Page21Click(); };
  AdjustDeltaTolerance1->OnClick = [this] { AdjustDeltaTolerance1Click(); };
  AutoUpdate1->OnClick = [this] { AutoUpdate1Click(); };
  LockTargets1->OnClick = [this] { LockTargets1Click(); };
  HideTargets1->OnClick = [this] { HideTargets1Click(); };
  Update2->OnClick = [this] { Update2Click(); };
  About1->OnClick = [this] { About1Click(); };
  OnlineHelp1->OnClick = [this] { OnlineHelp1Click(); };
  Hide1->OnClick = [this] { Hide1Click(); };
}

} // namespace qm

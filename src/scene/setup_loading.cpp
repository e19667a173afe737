// Loading a stored set-up: "Load Morphing Channels", the chooser's listing and Load,
// and Load itself, which reads the channel nulls back in channel order and captures
// each named object through the lookup.
#include <cstddef>
#include <string>

#include "animation/morph_info.h"
#include "morph/object_name.h"
#include "scene/channel_null_name.h"
#include "scene/scene_walk.h"
#include "shell/host_api.h"
#include "shell/tool_forms.h"
#include "ui/control_panel.h"
#include "ui/setup_chooser.h"
#include "widgets/dialogs.h"

namespace qm {
namespace {

constexpr const char* kInvalidSetUp = "Invalid Morph Information Object";

// Keeps a flag set for as long as it lives: cleared however the scope is left, so
// that an error in the middle of a load cannot leave the captures unable to rename
// the channel nulls ever after.
class FlagScope {
public:
  explicit FlagScope(bool& flag) : flag_(flag) { flag_ = true; }
  ~FlagScope() { flag_ = false; }
  FlagScope(const FlagScope&) = delete;
  FlagScope& operator=(const FlagScope&) = delete;

private:
  bool& flag_;
};

bool IsChannelNull(tsxSOBJ* node) { return node && scene::IsChannelNullType(tsxSobjGetType(node)); }

} // namespace

void TForm1::Load() {
  // The captures below must not rename the nulls that are being read.
  const FlagScope loading(loadingsetup);
  enablebuttons();
  morphinfo = tsxGetCurrentSelection();
  // An empty selection has no children to ask for; it is as invalid as a childless one.
  tsxSOBJ* null = morphinfo ? tsxGNodeGetFirstChild(morphinfo) : nullptr;
  for (int k = 0; k < morph::kChannelCount; ++k) {
    if (k > 0) null = tsxGNodeGetNext(null);
    if (!IsChannelNull(null)) {
      // What was loaded so far stays loaded.
      widgets::ShowMessage(kInvalidSetUp);
      return;
    }
    tsxSelectSobj(null, 0, 1);
    nullobj[static_cast<std::size_t>(k)] = null;
    // The channel's handle is in place before anything is captured into it.
    searchobj(k, scene::StoredObjectName(k, GetName(null)));
  }
  infoobj->SetText(GetName(morphinfo));
  Update2->SetEnabled(true);
  btnrec->SetEnabled(true);
  enablesetupcontrols();
}

void TForm1::Load2Click() {
  Hide1->Click();
  ShowToolForm(Form2);
}

void TForm2::FormShow() { parsescene(); }

void TForm2::Button2Click() {
  // Without a panel (it was closed while the chooser stayed open) there is nothing
  // to load into: the chooser only closes, as its New does then.
  if (Form1) {
    scene::WalkTopLevel([this](tsxSOBJ* node) {
      // Read for every node, so that Load with nothing chosen fails with the list's
      // index error as soon as there is anything to compare, before anything changes.
      const std::string chosen = ListBox1->Item(ListBox1->ItemIndex());
      if (GetName(node) == chosen) {
        tsxSelectSobj(node, 0, 1);
        Form1->Load();
      }
      return true;
    });
    Form1->Hide1->Click();
  }
  Close();
}

} // namespace qm

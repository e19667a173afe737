// Finding a top-level object by its exact name and capturing it into a channel, the
// way a user would: select it in the host, then press the channel's select button.
#include <cstddef>
#include <string>

#include "morph/channel_count.h"
#include "scene/scene_walk.h"
#include "scene/substitute.h"
#include "shell/host_api.h"
#include "shell/tool_forms.h"
#include "ui/control_panel.h"
#include "ui/substitute_dialog.h"

namespace qm {

void TForm1::searchobj(int channel, const std::string& name) {
  // An empty channel is stored under the empty caption; there is nothing to find.
  if (name == kUnselected) return;
  if (tsxSOBJ* found = scene::FindTopLevel(name)) {
    tsxSelectSobj(found, 0, 1);
    // The capture handler reads the selection just made and applies its own rules
    // (a target of another vertex count is refused without a word).
    if (channel >= 0 && channel < morph::kChannelCount)
      btnsel[static_cast<std::size_t>(channel)]->Click();
    return;
  }
  // Not in the scene: the user may pick a substitute for this channel.
  ShowToolForm(Form3);
  Form3->SetCaption(scene::SubstituteCaption(name));
  Form3->StaticText1->SetCaption(scene::SubstituteNotice(name));
  Form3->store(channel, name);
}

} // namespace qm

#include "animation/channel_nulls.h"

#include "animation/morph_info.h"
#include "morph/object_name.h"
#include "ui/control_panel.h"

namespace qm {

std::string ChannelNullName(int channel, const std::string& caption) {
  return "Ch" + std::to_string(channel) + "-" + caption;
}

void namenulls() {
  if (!Form1) return;
  for (int k = 0; k < morph::kChannelCount; ++k) {
    tsxSOBJ* null = nullobj[static_cast<std::size_t>(k)];
    if (null)
      SetName(null, ChannelNullName(k, Form1->btnsel[static_cast<std::size_t>(k)]->Caption()));
  }
}

} // namespace qm

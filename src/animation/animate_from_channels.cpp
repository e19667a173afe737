// Animate From KFE Channels: the weight keys of the channel nulls, as edited in the
// host's keyframe editor, become recorded mesh animation. Every whole frame from the
// earliest to the latest key is visited; where some channel null has a key the
// weights are read back and the frame is recorded.
#include <string>

#include "animation/channel_keys.h"
#include "animation/morph_info.h"
#include "animation/walk_range.h"
#include "animation/whole_number.h"
#include "shell/host_api.h"
#include "ui/control_panel.h"

namespace qm {
namespace {

// Sets animatingchannels for the walk and clears it on every way out, errors included:
// left set, it would keep the blend from ever redrawing the animated object again.
class AnimatingChannels {
public:
  explicit AnimatingChannels(TForm1& panel) : panel_(panel) { panel_.animatingchannels = true; }
  ~AnimatingChannels() { panel_.animatingchannels = false; }
  AnimatingChannels(const AnimatingChannels&) = delete;
  AnimatingChannels& operator=(const AnimatingChannels&) = delete;

private:
  TForm1& panel_;
};

// True when some channel null has a key of kind 3 exactly at `frame`.
bool SomeChannelKeyedAt(std::int32_t frame) {
  const float next = static_cast<float>(static_cast<double>(frame) + 1.0);
  for (tsxSOBJ* null : nullobj) {
    if (!null) continue;
    if (animation::KeyLiesAt(tsxSobjTreeGetPrevTime(null, kTsxFrameNullKey, next), frame))
      return true;
  }
  return false;
}

} // namespace

void TForm1::CreateFromChannels1Click() {
  const AnimatingChannels walking(*this);
  if (!HasSetUp()) return;
  float earliest = 0.0f;
  float latest = 0.0f;
  tsxSobjTreeGetMinMaxTime(morphinfo, &earliest, &latest);
  const auto range =
      animation::WalkRange(earliest, latest, currframe->MinValue(), currframe->MaxValue());
  if (!range) return;
  for (std::int32_t frame = range->first;; ++frame) {
    // A change of the field reads the weights keyed at this frame back into the
    // sliders; the widget model paints the field itself. A field that shows the frame
    // already raises no change, and the sliders would still hold whatever the user
    // left in them: those would be recorded, and keyed, as if they were the channels'.
    if (currframe->Text() == std::to_string(frame)) {
      currframeChange();
    } else {
      currframe->SetValue(frame);
    }
    if (SomeChannelKeyedAt(CurrentFrame(*this))) btnrec->Click();
    if (frame == range->last) break;
  }
}

} // namespace qm

#include "animation/channel_keys.h"

#include <cstddef>

#include "animation/morph_info.h"
#include "animation/time_code.h"
#include "animation/whole_number.h"
#include "morph/channel_set.h"
#include "shell/host_api.h"
#include "shell/plugin_host.h"
#include "ui/control_panel.h"

namespace qm {
namespace {

// Keeps Auto Update unchecked while it lives and checks it again afterwards if it was
// checked, also when a slider's change handler raises.
class AutoUpdatePaused {
public:
  explicit AutoUpdatePaused(widgets::MenuItem& item) : item_(item), was_(item.Checked()) {
    if (was_) item_.SetChecked(false);
  }
  ~AutoUpdatePaused() {
    if (was_) item_.SetChecked(true);
  }
  AutoUpdatePaused(const AutoUpdatePaused&) = delete;
  AutoUpdatePaused& operator=(const AutoUpdatePaused&) = delete;

private:
  widgets::MenuItem& item_;
  bool was_;
};

} // namespace

bool HasSetUp() { return morphinfo != nullptr; }

std::int32_t CurrentFrame(const TForm1& panel) { return panel.currframe->Value(); }

float HostTime(std::int32_t frame) { return static_cast<float>(frame); }

bool NullKeyedAt(tsxSOBJ* null, std::int32_t frame) {
  // The latest key before the next frame lies at the frame itself.
  const float next = static_cast<float>(static_cast<double>(frame) + 1.0);
  return animation::KeyLiesAt(tsxSobjGetPrevTime(null, kTsxFrameNullKey, next), frame);
}

void setnullframe(TForm1& panel) {
  if (!HasSetUp()) return;
  tsxAnimSetActiveTime(HostTime(CurrentFrame(panel)));
  tsxVec3f location{0.0f, 0.0f, 0.0f};
  for (std::size_t k = 0; k < nullobj.size(); ++k) {
    const int weight = panel.bar[k]->Position();
    if (weight == 0 || (k == 0 && weight == 1) || !nullobj[k]) continue;
    location.z = static_cast<float>(weight);
    tsxGNodeSetLocation(nullobj[k], &location);
    tsxSobjSetFrame(nullobj[k], kTsxFrameNullKey);
  }
}

void Unsetnullframe(TForm1& panel) {
  if (!HasSetUp()) return;
  tsxAnimSetActiveTime(HostTime(CurrentFrame(panel)));
  for (tsxSOBJ* null : nullobj) {
    if (null) tsxSobjUnsetFrame(null, kTsxFrameNullKey);
  }
}

void TForm1::btnunsetClick() {
  if (!HasSetUp()) return;
  showkey->SetVisible(false);
  tsxAnimSetActiveTime(HostTime(CurrentFrame(*this)));
  // Without an animated object of this panel there are no vertex keys to remove.
  if (animbound && animobj) tsxSobjUnsetFrame(animobj, kTsxFrameVertexKey);
  Unsetnullframe(*this);
}

void getposfromobj(TForm1& panel) {
  if (!HasSetUp()) return;
  const AutoUpdatePaused paused(*panel.AutoUpdate1);
  panel.showkey->SetVisible(false);
  bool found = false;
  tsxSOBJ* saved = tsxGetCurrentSelection();
  tsxMNodeSetInvisible(morphinfo);
  tsxSelectSobj(morphinfo, 0, 1);
  tsxAnimSetActiveTime(HostTime(CurrentFrame(panel)));
  for (std::size_t k = 0; k < nullobj.size(); ++k) {
    tsxSOBJ* null = nullobj[k];
    float weight = 0.0f;
    if (null) {
      tsxVec3f location{0.0f, 0.0f, 0.0f};
      tsxGNodeGetLocation(null, &location);
      // Between keys the host interpolates; a weight exists only at a key.
      if (NullKeyedAt(null, CurrentFrame(panel))) {
        found = true;
        weight = location.z;
      }
    }
    panel.bar[k]->SetPosition(animation::WholeNumberSaturated(weight));
  }
  if (found) panel.showkey->SetVisible(true);
  // With nothing selected before, the group stays selected: an empty handle never
  // reaches the host.
  if (saved) tsxSelectSobj(saved, 0, 1);
  if (!panel.animatingchannels) tsxAnimSetActiveTime(HostTime(CurrentFrame(panel)));
}

void TForm1::currframeChange() {
  const float rate = tsxAnimGetBaseFramerate();
  smtp->SetCaption(animation::TimeCode(CurrentFrame(*this), rate));
  getposfromobj(*this);
}

void TForm1::currframeMouseDown() { MaskFPUExceptions(); }

} // namespace qm

// The transport buttons: to the first or last key of the set-up, to the previous or
// next null key, and the host's playback. Each move sets the frame field, whose change
// handler shows the time code and reads the weights back; setting the frame it
// already shows runs nothing.
#include <optional>

#include "animation/channel_keys.h"
#include "animation/morph_info.h"
#include "animation/whole_number.h"
#include "shell/host_api.h"
#include "ui/control_panel.h"

namespace qm {
namespace {

// The key times that the host reports are used as they come; the field clamps them
// into 0..99999. A time that is not a number moves nothing.
void GoTo(TForm1& panel, std::optional<std::int32_t> frame) {
  if (frame) panel.currframe->SetValue(*frame);
}

// -1 is the host's answer for "no key before (after) that time".
void GoToKey(TForm1& panel, float time) {
  const auto frame = animation::WholeNumber(time);
  if (frame != -1) GoTo(panel, frame);
}

enum class End { First, Last };

void GoToEnd(TForm1& panel, End end) {
  if (!HasSetUp()) return;
  float first = 0.0f;
  float last = 0.0f;
  tsxSobjTreeGetMinMaxTime(morphinfo, &first, &last);
  GoTo(panel, animation::WholeNumber(end == End::First ? first : last));
}

} // namespace

void TForm1::btnrewendClick() { GoToEnd(*this, End::First); }

void TForm1::btnffendClick() { GoToEnd(*this, End::Last); }

void TForm1::btnrewClick() {
  if (!HasSetUp()) return;
  GoToKey(*this,
          tsxSobjTreeGetPrevTime(morphinfo, kTsxFrameNullKey, HostTime(CurrentFrame(*this))));
}

void TForm1::btnffClick() {
  if (!HasSetUp()) return;
  GoToKey(*this,
          tsxSobjTreeGetNextTime(morphinfo, kTsxFrameNullKey, HostTime(CurrentFrame(*this))));
}

// The plug-in does not follow the playback: frame, time code and sliders stay.
void TForm1::btnplayClick() { tsxAnimPlay(); }

} // namespace qm

// The time code of a frame: minutes, seconds and hundredths of a second at the
// scene's frame rate, as the panel's time code field shows it.
#pragma once

#include <cstdint>
#include <string>

namespace qm::animation {

// What the time code shows when the host reports a frame rate that is not a
// positive number: no time can be computed from it.
inline constexpr const char* kNoTimeCode = "--:--:--";

// "MM:SS:CC" for `frame` at `framesPerSecond`. Each field is written in decimal, with
// a leading "0" below 10, and keeps at most its first two characters, so that a time
// of 100 minutes or more shows only the first two digits of its minutes (frame 99999
// at 15 frames per second: "11:06:60"). A frame rate of 0 or less, or one that is not
// a finite number, gives kNoTimeCode.
std::string TimeCode(std::int32_t frame, float framesPerSecond);

} // namespace qm::animation

// The weights at the current frame: keyed on the channel nulls, removed again, and
// read back into the sliders whenever the frame changes.
//
// A weight exists only at the frames where its channel null has a key: a channel
// without a key at a frame has the weight 0 there (the original its minimum 1),
// whatever the host would interpolate between keys, and a weight of 0 is never keyed.
#pragma once

#include <cstdint>

#include "shell/tsx_types.h"

namespace qm {

class TForm1;

// True once New Morph or a load has given the panel a morph information object to
// key on. Before that, keying, removing, reading back and navigating do nothing, so
// that no empty handle reaches the host.
bool HasSetUp();

// The current frame: the frame field's value as typed (a typed frame is brought into
// 0..99999 only when the field is left).
std::int32_t CurrentFrame(const TForm1& panel);
// A frame as the host takes times.
float HostTime(std::int32_t frame);
// True when the channel null has a null key exactly at `frame`.
bool NullKeyedAt(tsxSOBJ* null, std::int32_t frame);

// Keys every non-zero weight at the current frame as the location (0, 0, weight) of
// its channel null; the original's minimum 1 is not keyed either. A channel left out
// keeps any key it has there.
void setnullframe(TForm1& panel);
// Removes the null keys of all twenty channels at the current frame.
void Unsetnullframe(TForm1& panel);
// Sets the twenty sliders to the weights keyed at the current frame (0 without a key,
// which the original's slider shows as 1) with Auto Update off, so that no blend runs,
// and shows the key indicator when some channel null has a key there.
void getposfromobj(TForm1& panel);

} // namespace qm

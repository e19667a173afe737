// A second evaluation of the blend for the randomized test, written independently of
// the kernel: it follows the algorithm step by step, per vertex, with none of the
// kernel's per-run preparation, writing the animated vertex in place after each step.
#pragma once

#include "morph/blend_kernel.h"

namespace qm::morph::test {

// Expects the x87 unit at 64-bit precision, rounding to nearest (the process default
// on Linux).
void ReferenceBlend(const BlendInput& input, tsxVec3f* animated);

} // namespace qm::morph::test

// The number formats of the blend: geometry and every stored working value are 32-bit
// floats, and every operation between them runs in x87 extended precision (a 64-bit
// significand). Results must come out the same to the last bit on every build, so the
// two conversions that matter are spelled out here once.
#pragma once

#include <cfloat>
#include <limits>

namespace qm::morph {

using Extended = long double;

// A narrower long double (a 64-bit one, or a 113-bit quad) would silently give other
// last bits than the ones our users' scenes were built with.
static_assert(std::numeric_limits<Extended>::digits == 64,
              "the blend needs an 80-bit x87 long double");

// Rounds an extended value to the 32-bit float that the blend stores. Where the compiler
// evaluates float expressions in x87 registers (32-bit x86), a cast alone may keep the
// excess precision, so the value goes through memory; elsewhere the cast rounds.
inline float StoreFloat(Extended value) {
#if FLT_EVAL_METHOD != 0
  volatile float stored = static_cast<float>(value);
  return stored;
#else
  return static_cast<float>(value);
#endif
}

} // namespace qm::morph

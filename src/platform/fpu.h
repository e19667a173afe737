// The floating-point control word of the x87 unit.
#pragma once

#include <cstdint>

namespace qm::platform {

// All six exceptions masked, 64-bit precision, round to nearest.
inline constexpr std::uint16_t kMaskedExtendedControlWord = 0x133F;

// Loads `word` into the x87 control word (fldcw). Does nothing on processors
// without an x87 unit.
void LoadFpuControlWord(std::uint16_t word);

// Reads the x87 control word; 0 on processors without one.
std::uint16_t ReadFpuControlWord();

} // namespace qm::platform

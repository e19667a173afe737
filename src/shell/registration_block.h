// The registration block that tsxGetData fills in the host's memory.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace qm {

inline constexpr std::size_t kRegistrationBlockSize = 100;
inline constexpr std::size_t kPluginNameField = 32;   // at offset 0
inline constexpr std::size_t kPluginAuthorField = 64; // at offset 32
inline constexpr std::size_t kInfoValue1Offset = 96;
inline constexpr std::size_t kInfoValue2Offset = 98;

// The first `maxChars` characters of `text`.
std::string FirstChars(const std::string& text, std::size_t maxChars);

// Writes the name (at most 31 characters) and the author (at most 63), each followed
// by a NUL, and the two values little-endian. Bytes after each NUL are left as the
// host supplied them.
void WriteRegistrationBlock(unsigned char* block, const std::string& name,
                            const std::string& author, std::uint16_t value1, std::uint16_t value2);

} // namespace qm

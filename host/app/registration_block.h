// The 100-byte registration block that the host hands to a plug-in's tsxGetData,
// and how qmhost shows what the plug-in wrote into it.
//
//   offset  0, 32 bytes: the plug-in's name, NUL-terminated
//   offset 32, 64 bytes: its author, NUL-terminated
//   offset 96, 98:       two 16-bit values, little-endian
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace qm::host {

inline constexpr std::size_t kBlockSize = 100;
// The host fills the block with this byte first, so that untouched bytes show.
inline constexpr unsigned char kBlockFill = '~';

using RegistrationBlock = std::array<unsigned char, kBlockSize>;

RegistrationBlock NewRegistrationBlock();

// The text in field [offset, offset + size): up to its first NUL, non-printable
// bytes as \xNN, and whether a NUL ended it inside the field.
struct FieldText {
  std::string text;
  bool terminated;
};
FieldText ReadTextField(const RegistrationBlock& block, std::size_t offset, std::size_t size);

std::uint16_t ReadUInt16(const RegistrationBlock& block, std::size_t offset);

// The lines qmhost prints for the block: name, author and values, or one line
// saying that the plug-in left the block as it was.
std::vector<std::string> DescribeBlock(const RegistrationBlock& block);

} // namespace qm::host

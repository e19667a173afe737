#include "app/registration_block.h"

#include <algorithm>
#include <cstdio>

namespace qm::host {

namespace {

constexpr std::size_t kNameOffset = 0, kNameSize = 32;
constexpr std::size_t kAuthorOffset = 32, kAuthorSize = 64;
constexpr std::size_t kValue1Offset = 96, kValue2Offset = 98;

std::string FieldLine(const char* label, const FieldText& field) {
  std::string line = std::string("  ") + label + ": \"" + field.text + "\"";
  if (!field.terminated) line += " (no terminator)";
  return line;
}

} // namespace

RegistrationBlock NewRegistrationBlock() {
  RegistrationBlock block;
  block.fill(kBlockFill);
  return block;
}

FieldText ReadTextField(const RegistrationBlock& block, std::size_t offset, std::size_t size) {
  FieldText field{"", false};
  for (std::size_t i = offset; i < offset + size && i < block.size(); ++i) {
    const unsigned char c = block[i];
    if (c == 0) {
      field.terminated = true;
      break;
    }
    if (c >= 0x20 && c < 0x7F && c != '\\') {
      field.text += static_cast<char>(c);
    } else {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\x%02X", c);
      field.text += escaped;
    }
  }
  return field;
}

std::uint16_t ReadUInt16(const RegistrationBlock& block, std::size_t offset) {
  return static_cast<std::uint16_t>(block.at(offset) | (block.at(offset + 1) << 8));
}

std::vector<std::string> DescribeBlock(const RegistrationBlock& block) {
  if (std::all_of(block.begin(), block.end(), [](unsigned char c) { return c == kBlockFill; })) {
    return {"  block: untouched"};
  }
  return {FieldLine("name", ReadTextField(block, kNameOffset, kNameSize)),
          FieldLine("author", ReadTextField(block, kAuthorOffset, kAuthorSize)),
          "  values: " + std::to_string(ReadUInt16(block, kValue1Offset)) + " " +
              std::to_string(ReadUInt16(block, kValue2Offset))};
}

} // namespace qm::host

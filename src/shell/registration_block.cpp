#include "shell/registration_block.h"

#include <cstring>

namespace qm {
namespace {

void WriteField(unsigned char* field, std::size_t fieldSize, const std::string& text) {
  const std::string cut = FirstChars(text, fieldSize - 1);
  std::memcpy(field, cut.data(), cut.size());
  field[cut.size()] = 0;
}

void WriteLittleEndian16(unsigned char* place, std::uint16_t value) {
  place[0] = static_cast<unsigned char>(value & 0xFF);
  place[1] = static_cast<unsigned char>(value >> 8);
}

} // namespace

std::string FirstChars(const std::string& text, std::size_t maxChars) {
  return text.size() <= maxChars ? text : text.substr(0, maxChars);
}

void WriteRegistrationBlock(unsigned char* block, const std::string& name,
                            const std::string& author, std::uint16_t value1, std::uint16_t value2) {
  WriteField(block, kPluginNameField, name);
  WriteField(block + kPluginNameField, kPluginAuthorField, author);
  WriteLittleEndian16(block + kInfoValue1Offset, value1);
  WriteLittleEndian16(block + kInfoValue2Offset, value2);
}

} // namespace qm

#include "shell/registration_block.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>

namespace qm {
namespace {

using Block = std::array<unsigned char, kRegistrationBlockSize>;

Block Filled(unsigned char pattern) {
  Block block;
  block.fill(pattern);
  return block;
}

TEST(RegistrationBlock, WritesStringsNulsAndLittleEndianValuesOnly) {
  Block block = Filled(0xAB);
  WriteRegistrationBlock(block.data(), "Quillmere", "Ardwynne", 2, 0x1234);

  Block expected = Filled(0xAB);
  std::memcpy(expected.data(), "Quillmere", 10);    // with its NUL
  std::memcpy(expected.data() + 32, "Ardwynne", 9); // with its NUL
  expected[96] = 2;
  expected[97] = 0;
  expected[98] = 0x34;
  expected[99] = 0x12;
  EXPECT_EQ(block, expected);
}

TEST(RegistrationBlock, CutsLongStringsToTheirFields) {
  const std::string name(40, 'n');
  const std::string author(70, 'a');
  Block block = Filled(0xAB);
  WriteRegistrationBlock(block.data(), name, author, 0, 0);

  EXPECT_EQ(std::string(reinterpret_cast<const char*>(block.data())), std::string(31, 'n'));
  EXPECT_EQ(block[31], 0);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(block.data() + 32)), std::string(63, 'a'));
  EXPECT_EQ(block[95], 0);
}

TEST(RegistrationBlock, EmptyStringsWriteOnlyTheirNul) {
  Block block = Filled(0xAB);
  WriteRegistrationBlock(block.data(), "", "", 0, 0);
  EXPECT_EQ(block[0], 0);
  EXPECT_EQ(block[1], 0xAB);
  EXPECT_EQ(block[32], 0);
  EXPECT_EQ(block[33], 0xAB);
}

TEST(FirstChars, KeepsShortTextAndCutsLongText) {
  EXPECT_EQ(FirstChars("abc", 31), "abc");
  EXPECT_EQ(FirstChars(std::string(31, 'x'), 31), std::string(31, 'x'));
  EXPECT_EQ(FirstChars(std::string(32, 'x'), 31), std::string(31, 'x'));
}

} // namespace
} // namespace qm

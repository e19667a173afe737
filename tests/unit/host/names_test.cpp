// Node names through a caller's buffer: cut to size - 1 characters, count
// returned, no terminator written (the caller adds it), and the long-name fault.
#include "standin_fixture.h"

#include <cstring>
#include <ostream>

namespace qm::standin::testing {
namespace {

constexpr char kUntouched = '#';

struct NameCase {
  const char* what;
  std::size_t nameLength;
  int bufferSize;
  bool longNameFault;
  int answer;         // what tsxGNodeGetName returns
  std::size_t copied; // characters written from the start of the buffer
};

void PrintTo(const NameCase& c, std::ostream* out) { *out << c.what; }

const NameCase kNameCases[] = {
    {"short name", 5, 255, false, 5, 5},
    {"empty name", 0, 255, false, 0, 0},
    {"fits exactly with room for the caller's NUL", 254, 255, false, 254, 254},
    {"one too long", 255, 255, false, 254, 254},
    {"far too long", 300, 255, false, 254, 254},
    {"buffer of one", 5, 1, false, 0, 0},
    {"fault leaves names that fit alone", 254, 255, true, 254, 254},
    {"fault: whole buffer, full length", 255, 255, true, 255, 255},
    {"fault: long name", 300, 255, true, 300, 255},
};

class NameTest : public StandinTest, public ::testing::WithParamInterface<NameCase> {};

TEST_P(NameTest, CopiesAtMostSizeMinusOneAndWritesNoTerminator) {
  const NameCase& c = GetParam();
  std::string name;
  for (std::size_t i = 0; i < c.nameLength; ++i)
    name += static_cast<char>('a' + i % 26);
  tsxSOBJ* node = host().CreatePolyhedron(name, {});
  host().SetLongNameFault(c.longNameFault);

  std::vector<char> buffer(static_cast<std::size_t>(c.bufferSize) + 8, kUntouched);
  EXPECT_EQ(tsxGNodeGetName(node, buffer.data(), c.bufferSize), c.answer);
  EXPECT_EQ(std::string(buffer.data(), c.copied), name.substr(0, c.copied));
  for (std::size_t i = c.copied; i < buffer.size(); ++i) {
    ASSERT_EQ(buffer[i], kUntouched) << "byte " << i << " was written";
  }
  EXPECT_EQ(LastCall().status, CallStatus::Ok);
}

INSTANTIATE_TEST_SUITE_P(Cases, NameTest, ::testing::ValuesIn(kNameCases),
                         [](const auto& info) { return "case" + std::to_string(info.index); });

TEST_F(StandinTest, NameRequestWithoutRoomIsRefused) {
  tsxSOBJ* node = host().CreatePolyhedron("Name", {});
  char buffer[4] = {kUntouched, kUntouched, kUntouched, kUntouched};
  for (int size : {0, -1}) {
    EXPECT_EQ(tsxGNodeGetName(node, buffer, size), 0);
    EXPECT_EQ(LastCall().status, CallStatus::BadArgument);
  }
  EXPECT_EQ(tsxGNodeGetName(node, nullptr, 255), 0);
  EXPECT_EQ(LastCall().status, CallStatus::BadArgument);
  EXPECT_EQ(buffer[0], kUntouched);
}

TEST_F(StandinTest, SetNameCopiesTheTextAndRefusesNull) {
  tsxSOBJ* node = host().CreatePolyhedron("Before", {});
  char text[255];
  std::strcpy(text, "Ch12-Smile");
  tsxGNodeSetName(node, text);
  std::strcpy(text, "changed");
  EXPECT_EQ(host().Name(node), "Ch12-Smile");

  tsxGNodeSetName(node, nullptr);
  EXPECT_EQ(LastCall().status, CallStatus::BadArgument);
  EXPECT_EQ(host().Name(node), "Ch12-Smile");
}

TEST_F(StandinTest, MarkersHaveNoNameForTheGNodeFunctions) {
  tsxSOBJ* marker = host().CreateMarker("Light");
  char buffer[16];
  EXPECT_EQ(tsxGNodeGetName(marker, buffer, 16), 0);
  EXPECT_EQ(LastCall().status, CallStatus::BadArgument);
}

} // namespace
} // namespace qm::standin::testing

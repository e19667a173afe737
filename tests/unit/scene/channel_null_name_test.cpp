// The object name that a channel null stores, and the type code that marks a null.
#include <gtest/gtest.h>

#include <string>

#include "platform/exception.h"
#include "scene/channel_null_name.h"

namespace qm::scene {
namespace {

struct StoredNameCase {
  int channel;
  std::string nullName;
  std::string objectName;
};

class StoredName : public ::testing::TestWithParam<StoredNameCase> {};

TEST_P(StoredName, DropsThePrefixByTheChannelsLength) {
  EXPECT_EQ(StoredObjectName(GetParam().channel, GetParam().nullName), GetParam().objectName);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StoredName,
    ::testing::Values(
        // One digit up to channel 9, two from channel 10.
        StoredNameCase{0, "Ch0-Face", "Face"}, StoredNameCase{9, "Ch9-Smile", "Smile"},
        StoredNameCase{10, "Ch10-Smile", "Smile"}, StoredNameCase{19, "Ch19-Blink", "Blink"},
        // The digits in the name are not read: the position decides.
        StoredNameCase{12, "Ch12-Head", "Head"}, StoredNameCase{12, "Ch2-Head", "ead"},
        StoredNameCase{2, "Ch12-Head", "-Head"},
        // Everything after the prefix belongs to the name, dashes and blanks too.
        StoredNameCase{3, "Ch3-Left-Brow", "Left-Brow"}, StoredNameCase{4, "Ch4- Jaw ", " Jaw "},
        StoredNameCase{0, "Ch0-Unselected", "Unselected"},
        // A name no longer than its prefix leaves nothing.
        StoredNameCase{5, "Ch5-", ""}, StoredNameCase{15, "Ch15-", ""},
        StoredNameCase{15, "Ch1", ""}, StoredNameCase{0, "", ""}));

TEST(StoredName, NegativeChannelIsRefused) {
  EXPECT_THROW(StoredObjectName(-1, "Ch-1-Face"), Exception);
}

TEST(ChannelNullType, OnlyTheLowByteCounts) {
  EXPECT_TRUE(IsChannelNullType(201));
  EXPECT_TRUE(IsChannelNullType(0x1C9)); // flags above the kind
  EXPECT_TRUE(IsChannelNullType(0x7F00C9));
  EXPECT_FALSE(IsChannelNullType(202)); // a group
  EXPECT_FALSE(IsChannelNullType(0));
  EXPECT_FALSE(IsChannelNullType(201 + 256 * 256 + 1));
}

} // namespace
} // namespace qm::scene

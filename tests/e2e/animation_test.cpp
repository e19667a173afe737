// The channel animation through the panel, as a user drives it: keys of the weights,
// their read-back at every frame change, the time code, recording, the transport
// buttons and Animate From KFE Channels, in sessions with the real module.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "plugin_session.h"

namespace qm {
namespace {

using test::Channel;

// The eight corners of a unit cube moved by `offset`: every mesh of a set-up has the
// same vertex count.
std::vector<tsxVec3f> Corners(float offset) {
  std::vector<tsxVec3f> corners;
  for (int k = 0; k < 8; ++k) {
    corners.push_back({static_cast<float>(k & 1) + offset, static_cast<float>((k >> 1) & 1),
                       static_cast<float>((k >> 2) & 1)});
  }
  return corners;
}

class ChannelAnimation : public ::testing::Test {
protected:
  // A new set-up with an original and four targets captured, the animated object made.
  void SetUp() override {
    session_.OpenWithNewSetup();
    session_.Capture(0, session_.AddMesh("Face", Corners(0)));
    for (int k = 1; k <= 4; ++k)
      session_.Capture(k, session_.AddMesh("Target" + std::to_string(k), Corners(float(k))));
    Do("click Form1.Update2");
  }

  std::string Do(const std::string& command) { return session_.Do(command); }
  std::string Get(const std::string& path) { return session_.Get(path); }
  standin::Control& Host() { return session_.Host(); }

  tsxSOBJ* Group() { return Host().FindTopLevel("QM-Morph"); }
  tsxSOBJ* Null(int channel) { return Host().Children(Group()).at(std::size_t(channel)); }
  // The animated object: the newest top-level object after the first blend.
  tsxSOBJ* Animated() { return Host().TopLevel().back(); }

  void SetSlider(int channel, int value) {
    session_.ShowPageOf(channel);
    Do("set Form1." + Channel("bar", channel) + " " + std::to_string(value));
  }
  int Slider(int channel) {
    session_.ShowPageOf(channel);
    return std::stoi(Get("Form1." + Channel("bar", channel) + ".Position"));
  }
  // The weights that the sliders show, channel 0 to 19.
  std::vector<int> Sliders() {
    std::vector<int> values;
    for (int k = 0; k < 20; ++k)
      values.push_back(Slider(k));
    return values;
  }
  static std::vector<int> Weights(int original, std::vector<std::pair<int, int>> targets) {
    std::vector<int> values(20, 0);
    values[0] = original;
    for (auto [channel, value] : targets)
      values[std::size_t(channel)] = value;
    return values;
  }
  void SetFrame(int frame) { Do("set Form1.currframe " + std::to_string(frame)); }
  std::string Frame() { return Get("Form1.currframe.Text"); }
  void Record() { Do("click Form1.btnrec"); }
  bool KeyShown() { return Get("Form1.showkey.Visible") == "1"; }
  // A key as the host's keyframe editor would leave it.
  void KeyInHost(int channel, float frame, float weight) {
    Host().AddLocationKey(Null(channel), frame, {0, 0, weight});
  }
  // (time, z) of every null key of the channel; x and y must be 0.
  std::vector<std::pair<float, float>> NullKeys(int channel) {
    std::vector<std::pair<float, float>> keys;
    for (const standin::LocationKey& key : Host().LocationKeys(Null(channel))) {
      EXPECT_EQ(key.location.x, 0.0f);
      EXPECT_EQ(key.location.y, 0.0f);
      keys.emplace_back(key.time, key.location.z);
    }
    return keys;
  }
  // The channels whose nulls have any key.
  std::set<int> KeyedChannels() {
    std::set<int> channels;
    for (int k = 0; k < 20; ++k)
      if (!Host().LocationKeys(Null(k)).empty()) channels.insert(k);
    return channels;
  }
  std::set<float> VertexKeyTimes() {
    std::set<float> times;
    for (const standin::VertexKey& key : Host().VertexKeys(Animated()))
      times.insert(key.time);
    return times;
  }
  void ExpectOnlyValidHandles() {
    for (const auto& call : Host().Calls())
      EXPECT_NE(call.status, standin::CallStatus::InvalidHandle) << call.Text();
  }

  test::PluginSession session_;
};

// --- keys ---

TEST_F(ChannelAnimation, MinimalWeightsWriteNoKeyAtAll) {
  SetSlider(0, 1);
  Record();
  EXPECT_TRUE(KeyedChannels().empty());
}

TEST_F(ChannelAnimation, NonZeroWeightsAreKeyedAsTheNullsZ) {
  SetFrame(7); // reads back the original's minimum 1 there
  SetSlider(0, 100);
  SetSlider(2, 40);
  Record();
  EXPECT_EQ(KeyedChannels(), (std::set<int>{0, 2}));
  EXPECT_EQ(NullKeys(0), (std::vector<std::pair<float, float>>{{7.0f, 100.0f}}));
  EXPECT_EQ(NullKeys(2), (std::vector<std::pair<float, float>>{{7.0f, 40.0f}}));
  EXPECT_EQ(Host().LocationKeys(Group()).size(), 0u) << "the group itself gets no key";
}

TEST_F(ChannelAnimation, AWeightOfZeroLeavesTheKeyThatIsThere) {
  SetFrame(12);
  SetSlider(4, 30);
  Record();
  SetSlider(4, 0);
  SetSlider(2, 10);
  Record();
  EXPECT_EQ(NullKeys(4), (std::vector<std::pair<float, float>>{{12.0f, 30.0f}}));
  EXPECT_EQ(NullKeys(2), (std::vector<std::pair<float, float>>{{12.0f, 10.0f}}));
  SetFrame(13);
  SetFrame(12);
  EXPECT_EQ(Slider(4), 30);
}

TEST_F(ChannelAnimation, TheUnsetButtonRemovesEveryKeyOfTheFrameAndKeepsTheSliders) {
  SetFrame(5);
  SetSlider(1, 20);
  Record();
  SetFrame(6);
  SetSlider(0, 100);
  SetSlider(1, 20);
  Record();
  SetFrame(5);
  ASSERT_TRUE(KeyShown());
  Do("click Form1.btnunset");
  EXPECT_FALSE(KeyShown());
  EXPECT_EQ(NullKeys(0), (std::vector<std::pair<float, float>>{{6.0f, 100.0f}}));
  EXPECT_EQ(NullKeys(1), (std::vector<std::pair<float, float>>{{6.0f, 20.0f}}));
  EXPECT_EQ(VertexKeyTimes(), (std::set<float>{6.0f}));
  EXPECT_EQ(Slider(1), 20);
  // Again at the same frame: the same host calls, nothing left to remove.
  Host().ClearCalls();
  Do("click Form1.btnunset");
  EXPECT_EQ(Host().Calls().size(), 23u) << "the active time twice, the vertex keys, 20 nulls";
  EXPECT_EQ(NullKeys(1).size(), 1u);
}

// --- read-back ---

TEST_F(ChannelAnimation, ReadBackAtAFrameWithoutKeysGivesZeroAndTheOriginalsMinimum) {
  SetSlider(1, 50);
  SetSlider(3, 70);
  Record();
  ASSERT_TRUE(KeyShown());
  SetFrame(3);
  EXPECT_EQ(Sliders(), Weights(1, {}));
  EXPECT_FALSE(KeyShown());
  SetFrame(0);
  EXPECT_EQ(Sliders(), Weights(100, {{1, 50}, {3, 70}}));
  EXPECT_TRUE(KeyShown());
}

TEST_F(ChannelAnimation, BetweenKeysAWeightIsZeroWhateverTheHostInterpolates) {
  KeyInHost(3, 0, 60);
  KeyInHost(3, 20, 80);
  SetFrame(10);
  EXPECT_EQ(Host().Location(Null(3)).z, 70.0f) << "the host interpolates there";
  EXPECT_EQ(Slider(3), 0);
  EXPECT_FALSE(KeyShown());
  SetFrame(20);
  EXPECT_EQ(Slider(3), 80);
}

TEST_F(ChannelAnimation, ReadBackRunsNoBlendAndLeavesAutoUpdateAsItWas) {
  KeyInHost(1, 4, 90);
  const int draws = Host().DrawCount(Animated());
  const auto vertices = Host().Vertices(Animated());
  SetFrame(4);
  EXPECT_EQ(Slider(1), 90);
  EXPECT_EQ(Host().DrawCount(Animated()), draws);
  EXPECT_EQ(Host().Vertices(Animated())[0].x, vertices[0].x);
  EXPECT_EQ(Get("Form1.AutoUpdate1.Checked"), "1");
  EXPECT_EQ(Get("Form1.val1.Caption"), "98") << "the shares follow the read-back: 90 of 91";
  Do("click Form1.AutoUpdate1");
  SetFrame(5);
  EXPECT_EQ(Get("Form1.AutoUpdate1.Checked"), "0");
}

TEST_F(ChannelAnimation, ReadBackGivesTheSelectionBackAndLeavesTheActiveTimeAtTheFrame) {
  tsxSOBJ* selected = Host().FindTopLevel("Target2");
  Host().Select(selected);
  SetFrame(9);
  EXPECT_EQ(Host().Selection(), selected);
  EXPECT_EQ(Host().ActiveTime(), 9.0f);
  EXPECT_FALSE(Host().Visible(Group()));
  // With nothing selected the group stays selected rather than an empty handle going
  // to the host.
  Host().Select(nullptr);
  Host().ClearCalls();
  SetFrame(10);
  EXPECT_EQ(Host().Selection(), Group());
  ExpectOnlyValidHandles();
}

TEST_F(ChannelAnimation, TheFrameItAlreadyShowsChangesNothing) {
  SetFrame(8);
  const std::string code = Get("Form1.smtp.Caption");
  SetSlider(2, 33);
  Host().ClearCalls();
  SetFrame(8);
  Do("type Form1.currframe 8");
  EXPECT_TRUE(Host().Calls().empty());
  EXPECT_EQ(Get("Form1.smtp.Caption"), code);
  EXPECT_EQ(Slider(2), 33);
}

// --- time code ---

TEST_F(ChannelAnimation, TheTimeCodeFollowsTheFrameAtTheScenesFrameRate) {
  EXPECT_EQ(Get("Form1.smtp.Caption"), " 0: 0: 0") << "until the frame first changes";
  const struct {
    float rate;
    int frame;
    const char* code;
  } cases[] = {{30, 45, "00:01:50"},    {30, 30, "00:01:00"},    {30, 1800, "01:00:00"},
               {30, 99999, "55:33:30"}, {15, 99998, "11:06:53"}, {15, 99999, "11:06:60"}};
  for (const auto& c : cases) {
    Host().SetFrameRate(c.rate);
    SetFrame(c.frame);
    EXPECT_EQ(Get("Form1.smtp.Caption"), c.code) << c.frame << " at " << c.rate;
  }
}

TEST_F(ChannelAnimation, AHostReportingNoFrameRateGetsNoTimeCodeAndStillReadsBack) {
  KeyInHost(2, 10, 35);
  Host().InjectFault("tsxAnimGetBaseFramerate", {standin::FaultAction::ReturnZero, 0, true});
  SetFrame(10);
  EXPECT_EQ(Get("Form1.smtp.Caption"), "--:--:--");
  EXPECT_EQ(Slider(2), 35);
}

TEST_F(ChannelAnimation, AFrameTypedOutsideTheRangeIsTakenAsTypedUntilTheFieldIsLeft) {
  Do("type Form1.currframe 150000");
  EXPECT_EQ(Get("Form1.smtp.Caption"), "83:20:00");
  Do("leave Form1.currframe");
  EXPECT_EQ(Frame(), "99999");
  EXPECT_EQ(Get("Form1.smtp.Caption"), "55:33:30");
}

// --- recording ---

TEST_F(ChannelAnimation, RecordingKeysEveryVertexAndTheWeightsAtTheFrame) {
  SetFrame(12);
  SetSlider(0, 100);
  SetSlider(2, 40);
  const auto blended = Host().Vertices(Animated());
  Host().ClearCalls();
  Record();
  const auto keys = Host().VertexKeys(Animated());
  ASSERT_EQ(keys.size(), 8u);
  for (int k = 0; k < 8; ++k) {
    const standin::VertexKey& key = keys[std::size_t(k)];
    EXPECT_EQ(key.index, k);
    EXPECT_EQ(key.time, 12.0f);
    EXPECT_EQ(key.position.x, blended[std::size_t(k)].x) << k;
    EXPECT_EQ(key.position.y, blended[std::size_t(k)].y) << k;
    EXPECT_EQ(key.position.z, blended[std::size_t(k)].z) << k;
  }
  int created = 0;
  for (const auto& call : Host().Calls()) {
    if (call.function == "tsxFrameCreate") {
      EXPECT_EQ(call.arguments, "out, 23");
      ++created;
    }
    if (call.function == "tsxFrameSetData") {
      EXPECT_EQ(call.arguments.substr(call.arguments.size() - 10), ", data, 12");
    }
  }
  EXPECT_EQ(created, 8);
  EXPECT_EQ(Host().PendingFrames(), 0u);
  EXPECT_EQ(NullKeys(0), (std::vector<std::pair<float, float>>{{12.0f, 100.0f}}));
  EXPECT_EQ(NullKeys(2), (std::vector<std::pair<float, float>>{{12.0f, 40.0f}}));
  EXPECT_TRUE(KeyShown());
  EXPECT_EQ(Frame(), "12");
}

TEST_F(ChannelAnimation, RecordingTwiceAtAFrameKeysTheNewWeights) {
  SetSlider(1, 10);
  Record();
  SetSlider(1, 0);
  SetSlider(3, 25);
  Record();
  EXPECT_EQ(Host().VertexKeys(Animated()).size(), 8u) << "the host replaces a key at a time";
  EXPECT_EQ(NullKeys(1), (std::vector<std::pair<float, float>>{{0.0f, 10.0f}}));
  EXPECT_EQ(NullKeys(3), (std::vector<std::pair<float, float>>{{0.0f, 25.0f}}));
}

TEST_F(ChannelAnimation, ATypedNegativeFrameIsRecordedAtFrameZero) {
  KeyInHost(2, 0, 55);
  Do("type Form1.currframe -3");
  SetSlider(1, 15);
  Record();
  EXPECT_EQ(Frame(), "0");
  EXPECT_EQ(VertexKeyTimes(), (std::set<float>{0.0f}));
  EXPECT_EQ(Slider(2), 55) << "the weights read back at 0 are keyed there";
  EXPECT_EQ(Slider(1), 0);
  EXPECT_EQ(NullKeys(2), (std::vector<std::pair<float, float>>{{0.0f, 55.0f}}));
}

// --- navigation ---

class Navigation : public ChannelAnimation {
protected:
  void SetUp() override {
    ChannelAnimation::SetUp();
    KeyInHost(1, 0, 10);
    KeyInHost(2, 10, 20);
    KeyInHost(3, 25, 30);
  }
  void Press(const char* button) { Do(std::string("click Form1.") + button); }
};

TEST_F(Navigation, FromAKeyTheButtonsGoToTheNeighboursAndTheEnds) {
  const struct {
    const char* button;
    const char* frame;
  } cases[] = {{"btnrew", "0"}, {"btnff", "25"}, {"btnrewend", "0"}, {"btnffend", "25"}};
  for (const auto& c : cases) {
    SetFrame(10);
    Press(c.button);
    EXPECT_EQ(Frame(), c.frame) << c.button;
  }
}

TEST_F(Navigation, AtTheEndsThereIsNoFurtherKey) {
  SetFrame(25);
  Host().ClearCalls();
  Press("btnff");
  EXPECT_EQ(Frame(), "25");
  EXPECT_EQ(Host().Calls().size(), 1u) << "only the question, no read-back";
  SetFrame(0);
  Press("btnrew");
  EXPECT_EQ(Frame(), "0");
}

TEST_F(Navigation, BetweenKeysThePreviousKeyIsReadBack) {
  SetFrame(17);
  EXPECT_EQ(Sliders(), Weights(1, {}));
  Press("btnrew");
  EXPECT_EQ(Frame(), "10");
  EXPECT_EQ(Sliders(), Weights(1, {{2, 20}}));
  EXPECT_TRUE(KeyShown());
  EXPECT_EQ(Get("Form1.smtp.Caption"), "00:00:33");
}

TEST_F(Navigation, PlayChangesNeitherTheFrameNorTheSliders) {
  SetFrame(10);
  const auto sliders = Sliders();
  Press("btnplay");
  EXPECT_TRUE(Host().Playing());
  EXPECT_EQ(Host().PlayCount(), 1);
  EXPECT_EQ(Frame(), "10");
  EXPECT_EQ(Sliders(), sliders);
  EXPECT_EQ(Get("Form1.smtp.Caption"), "00:00:33");
}

TEST_F(ChannelAnimation, WithoutKeysTheEndButtonsUseTheRangeTheHostReports) {
  // The stand-in answers the empty range 0..-1; the field clamps -1 to 0.
  for (const char* button : {"btnffend", "btnrewend"}) {
    SetFrame(7);
    Do(std::string("click Form1.") + button);
    EXPECT_EQ(Frame(), "0") << button;
  }
}

// --- animate from channels ---

TEST_F(Navigation, AnimateFromChannelsRecordsExactlyAtTheKeyedFrames) {
  int recordings = 0;
  Host().ClearCalls();
  Do("click Form1.CreateFromChannels1");
  for (const auto& call : Host().Calls())
    if (call.function == "tsxFrameCreate") ++recordings;
  EXPECT_EQ(recordings, 3 * 8);
  EXPECT_EQ(VertexKeyTimes(), (std::set<float>{0.0f, 10.0f, 25.0f}));
  EXPECT_EQ(Frame(), "25");
  EXPECT_EQ(Sliders(), Weights(1, {{3, 30}}));
  // Channel 2 has a key at 10 only: it entered the other frames with 0 and got no key.
  EXPECT_EQ(NullKeys(2), (std::vector<std::pair<float, float>>{{10.0f, 20.0f}}));
  // Frame 0, which the field showed already, was read back too: the sliders' weights
  // before the walk (the original at 100) were neither blended nor keyed there.
  EXPECT_EQ(KeyedChannels(), (std::set<int>{1, 2, 3}));
  EXPECT_EQ(NullKeys(1), (std::vector<std::pair<float, float>>{{0.0f, 10.0f}}));
  ExpectOnlyValidHandles();
}

TEST_F(Navigation, AnimateFromChannelsBlendsTheWeightsReadBackAtEachFrame) {
  Do("click Form1.CreateFromChannels1");
  // At 25 only target 3 (offset 3 in x) has a weight: 30 against the original's 1.
  for (const standin::VertexKey& key : Host().VertexKeys(Animated())) {
    if (key.time != 25.0f || key.index != 0) continue;
    EXPECT_NEAR(key.position.x, 3.0f * 30.0f / 31.0f, 1e-3f);
  }
}

TEST_F(ChannelAnimation, AnimateFromChannelsWritesEditedKeysBackRoundedIntoTheRange) {
  KeyInHost(3, 10, 150);
  KeyInHost(4, 10, 42.6f);
  Do("click Form1.CreateFromChannels1");
  EXPECT_EQ(NullKeys(3), (std::vector<std::pair<float, float>>{{10.0f, 100.0f}}));
  EXPECT_EQ(NullKeys(4), (std::vector<std::pair<float, float>>{{10.0f, 43.0f}}));
  EXPECT_EQ(VertexKeyTimes(), (std::set<float>{10.0f}));
}

TEST_F(ChannelAnimation, AnimateFromChannelsWithOnlyTheOriginalKeyed) {
  SetSlider(1, 70); // left in a slider before the walk: read back to 0 at every key
  KeyInHost(0, 2, 40);
  KeyInHost(0, 4, 60);
  Do("click Form1.CreateFromChannels1");
  EXPECT_EQ(VertexKeyTimes(), (std::set<float>{2.0f, 4.0f}));
  EXPECT_EQ(KeyedChannels(), (std::set<int>{0}));
  EXPECT_EQ(NullKeys(0), (std::vector<std::pair<float, float>>{{2.0f, 40.0f}, {4.0f, 60.0f}}));
  EXPECT_EQ(Sliders(), Weights(60, {}));
  // The original alone: every vertex is the original's, whatever its weight.
  for (const standin::VertexKey& key : Host().VertexKeys(Animated()))
    EXPECT_NEAR(key.position.x, float(key.index & 1), 1e-5f) << key.time << " " << key.index;
}

TEST_F(ChannelAnimation, AnimateFromChannelsWithoutKeysRecordsNothing) {
  Do("click Form1.CreateFromChannels1");
  EXPECT_TRUE(Host().VertexKeys(Animated()).empty());
  EXPECT_EQ(Frame(), "0");
}

TEST_F(ChannelAnimation, AnimateFromChannelsVisitsOnlyFramesTheFieldCanShow) {
  KeyInHost(1, -4, 10);
  KeyInHost(1, 2, 20);
  Do("click Form1.CreateFromChannels1");
  EXPECT_EQ(VertexKeyTimes(), (std::set<float>{2.0f}));
  EXPECT_EQ(Frame(), "2");
}

TEST_F(ChannelAnimation, AnErrorDuringTheWalkLeavesTheBlendRedrawingAgain) {
  KeyInHost(1, 0, 10);
  KeyInHost(1, 5, 20);
  Host().InjectFault("tsxSobjTreeGetPrevTime", {standin::FaultAction::Raise, 3, false});
  Do("click Form1.CreateFromChannels1");
  EXPECT_EQ(session_.Messages().size(), 1u) << "the framework reports the host's error";
  const int draws = Host().DrawCount(Animated());
  SetSlider(1, 60); // Auto Update blends
  EXPECT_EQ(Host().DrawCount(Animated()), draws + 1);
  Do("click Form1.Update2");
  EXPECT_EQ(Host().DrawCount(Animated()), draws + 2);
}

TEST_F(ChannelAnimation, TheWalkRedrawsNothingAndLeavesTheActiveTimeAlone) {
  KeyInHost(1, 0, 10);
  KeyInHost(1, 3, 20);
  const int draws = Host().DrawCount(Animated());
  Host().ClearCalls();
  Do("click Form1.CreateFromChannels1");
  EXPECT_EQ(Host().DrawCount(Animated()), draws);
  int activeTimes = 0;
  for (const auto& call : Host().Calls())
    if (call.function == "tsxAnimSetActiveTime") ++activeTimes;
  // Per frame 0 to 3 the read-back sets the time once, leaving out its last call; per
  // recording (0 and 3) the keying once more.
  EXPECT_EQ(activeTimes, 4 + 2);
  // After the walk, blends redraw again.
  Do("click Form1.Update2");
  EXPECT_EQ(Host().DrawCount(Animated()), draws + 1);
}

// --- without an animated object ---

class WithoutAnimatedObject : public ::testing::Test {
protected:
  test::PluginSession session_;
};

TEST_F(WithoutAnimatedObject, RecordingKeysOnlyTheWeightsAndUnsetOnlyTheNullKeys) {
  // A first panel makes an animated object and closes; the next one has none bound.
  session_.OpenWithNewSetup();
  session_.Capture(0, session_.AddMesh("Face", Corners(0)));
  session_.Do("click Form1.Update2");
  tsxSOBJ* earlier = session_.Host().TopLevel().back();
  session_.Do("click Form1.ExitQuillmereMorph1");
  session_.OpenWithNewSetup();
  session_.Host().ClearCalls();
  session_.Do("click Form1.btnrec");
  EXPECT_TRUE(session_.Host().VertexKeys(earlier).empty());
  EXPECT_EQ(session_.Host().PendingFrames(), 0u);
  tsxSOBJ* group = session_.Host().TopLevel().back();
  ASSERT_EQ(session_.Host().Name(group), "QM-Morph");
  tsxSOBJ* null0 = session_.Host().Children(group).at(0);
  ASSERT_EQ(session_.Host().LocationKeys(null0).size(), 1u) << "the original's weight 100";
  session_.Do("click Form1.btnunset");
  EXPECT_TRUE(session_.Host().LocationKeys(null0).empty());
  for (const auto& call : session_.Host().Calls()) {
    EXPECT_NE(call.status, standin::CallStatus::InvalidHandle) << call.Text();
    EXPECT_NE(call.function, "tsxPolyhGetVxArray") << call.Text();
    if (call.function == "tsxSobjUnsetFrame") {
      EXPECT_EQ(call.arguments.find(", 23"), std::string::npos) << call.Text();
    }
  }
}

// --- the diagnostic button ---

TEST_F(WithoutAnimatedObject, TheDiagnosticButtonKeysVertexOneOfTheSelectionTwice) {
  session_.OpenWithNewSetup();
  tsxSOBJ* probe = session_.AddMesh("Probe", {{0, 0, 0}, {1, 2, 3}, {4, 5, 6}});
  session_.Host().Select(probe);
  const int draws = session_.Host().SceneDrawCount();
  session_.Do("click Form1.BitBtn4");
  const auto keys = session_.Host().VertexKeys(probe);
  ASSERT_EQ(keys.size(), 2u);
  EXPECT_EQ(keys[0].time, 0.0f);
  EXPECT_EQ(keys[0].index, 1);
  EXPECT_EQ(keys[0].position.x, 1.0f);
  EXPECT_EQ(keys[1].time, 10.0f);
  EXPECT_EQ(keys[1].index, 1);
  EXPECT_EQ(keys[1].position.x, 1.5f);
  EXPECT_EQ(keys[1].position.z, 3.0f);
  EXPECT_EQ(session_.Host().Vertices(probe)[1].x, 1.5f);
  EXPECT_EQ(session_.Host().SceneDrawCount(), draws + 1);
}

TEST_F(WithoutAnimatedObject, TheDiagnosticButtonLeavesASelectionWithoutVertexOneAlone) {
  session_.OpenWithNewSetup();
  tsxSOBJ* dot = session_.AddMesh("Dot", {{0, 0, 0}});
  for (tsxSOBJ* selection : {dot, static_cast<tsxSOBJ*>(nullptr)}) {
    session_.Host().Select(selection);
    session_.Host().ClearCalls();
    session_.Do("click Form1.BitBtn4");
    for (const auto& call : session_.Host().Calls()) {
      EXPECT_NE(call.status, standin::CallStatus::InvalidHandle) << call.Text();
      EXPECT_NE(call.function, "tsxFrameCreate") << call.Text();
    }
  }
  EXPECT_FALSE(session_.Host().HasScript(dot));
}

} // namespace
} // namespace qm

// The blend kernel on single vertices with known results, and its edges: empty runs,
// array bounds, aliasing and the caller's floating-point setting.
#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "float_bits.h"
#include "morph/blend_kernel.h"
#include "platform/fpu.h"

namespace qm::morph {
namespace {

struct TargetSetting {
  int channel;
  int slider;
  bool delta;
  tsxVec3f vertex;
  bool captured = true;
};

struct OneVertexCase {
  std::string name;
  tsxVec3f original;
  std::vector<TargetSetting> targets;
  float tolerance;
  tsxVec3f expected;
};

// Blends one vertex with the original at 100 and the given targets.
tsxVec3f BlendOne(const tsxVec3f& original, const std::vector<TargetSetting>& targets,
                  float tolerance) {
  std::array<tsxVec3f, kChannelCount> targetVertices{};
  BlendInput input;
  input.original = &original;
  input.sliders[0] = 100;
  input.deltaTolerance = tolerance;
  input.vertexCount = 1;
  for (const TargetSetting& target : targets) {
    targetVertices[target.channel] = target.vertex;
    input.targets[target.channel] = target.captured ? &targetVertices[target.channel] : nullptr;
    input.sliders[target.channel] = target.slider;
    input.delta[target.channel] = target.delta;
  }
  tsxVec3f animated{-7.0f, -7.0f, -7.0f};
  BlendVertices(input, &animated);
  return animated;
}

const float kAboveOne = std::nextafter(1.0f, 2.0f);

// Where a result below is not one of the documented figures, it was worked out
// separately by evaluating the formula by hand in long double.
const OneVertexCase kOneVertexCases[] = {
    // Every channel's 0.00001 stays in the divisor, so even the original alone is not
    // reproduced exactly.
    {"original alone", {1, 2, -3}, {}, 10, {0.99999857f, 1.9999971f, -2.9999957f}},
    {"one target, delta clear",
     {0, 0, 0},
     {{1, 100, false, {1, 2, 4}}},
     10,
     {0.49999931f, 0.99999863f, 1.9999973f}},
    {"unmoved target in delta mode leaves sum and divisor",
     {1, 1, 1},
     {{1, 100, true, {1, 1, 1}}},
     10,
     {0.99999726f, 0.99999726f, 0.99999726f}},
    {"unmoved target with delta clear takes part",
     {1, 1, 1},
     {{1, 100, false, {1, 1, 1}}},
     10,
     {0.99999863f, 0.99999863f, 0.99999863f}},
    {"two targets in delta mode, one moved",
     {0, 0, 0},
     {{1, 100, true, {1, 0, 0}}, {2, 100, true, {0, 0, 0}}},
     10,
     {0.49999997f, 0, 0}},
    {"two targets with delta clear, one moved",
     {0, 0, 0},
     {{1, 100, false, {1, 0, 0}}, {2, 100, false, {0, 0, 0}}},
     10,
     {0.33333331f, 0, 0}},
    {"slider 0 in delta mode takes no part",
     {1, 2, -3},
     {{1, 0, true, {50, 60, 70}}},
     10,
     {0.99999857f, 1.9999971f, -2.9999957f}},
    {"slider 0 with delta clear takes no part",
     {1, 2, -3},
     {{5, 0, false, {50, 60, 70}}},
     10,
     {0.99999857f, 1.9999971f, -2.9999957f}},
    {"tolerance 10 includes 1.01 against 1.0",
     {1, 1, 1},
     {{1, 100, true, {1.01f, 1, 1}}},
     10,
     {0.99999726f, 0.99999726f, 0.99999726f}},
    {"tolerance 10 excludes 1.02, and all three coordinates take part",
     {1, 1, 1},
     {{1, 100, true, {1.02f, 1, 1}}},
     10,
     {1.00999856f, 0.99999863f, 0.99999863f}},
    {"one coordinate outside is enough to take part",
     {1, 1, 1},
     {{1, 100, true, {1, 1, 1.02f}}},
     10,
     {0.99999863f, 0.99999863f, 1.00999856f}},
    {"tolerance 0 passes equal coordinates",
     {1, 1, 1},
     {{1, 100, true, {1, 1, 1}}},
     0,
     {0.99999726f, 0.99999726f, 0.99999726f}},
    {"tolerance 0 fails one step away",
     {1, 1, 1},
     {{1, 100, true, {1, kAboveOne, 1}}},
     0,
     {0.99999863f, 0.999998689f, 0.99999863f}},
    // A weight on a channel without an array is dropped as an unmoved delta target is.
    {"weighted uncaptured target leaves the divisor",
     {1, 1, 1},
     {{1, 100, false, {5, 5, 5}, false}},
     10,
     {0.99999726f, 0.99999726f, 0.99999726f}},
    {"uncaptured target with slider 0 changes nothing",
     {1, 2, -3},
     {{1, 0, false, {5, 5, 5}, false}},
     10,
     {0.99999857f, 1.9999971f, -2.9999957f}},
};

TEST(BlendKernelTest, SingleVertexResultsAreExact) {
  for (const OneVertexCase& c : kOneVertexCases) {
    SCOPED_TRACE(c.name);
    EXPECT_SAME_VERTEX(BlendOne(c.original, c.targets, c.tolerance), c.expected);
  }
}

// A small mesh in guarded storage: one sentinel vertex on each side of the animated
// array shows any write outside [0, N).
class BlendBoundsTest : public ::testing::Test {
protected:
  static constexpr tsxVec3f kSentinel{-123.0f, 456.0f, -789.0f};

  void SetUp() override {
    original_ = {{0, 0, 0}, {1, 2, 3}, {-4, 5, -6}};
    target_ = {{1, 1, 1}, {1, 2, 3}, {9, 9, 9}};
    input_.original = original_.data();
    input_.targets[3] = target_.data();
    input_.sliders[0] = 40;
    input_.sliders[3] = 70;
    input_.delta[3] = true;
    input_.deltaTolerance = 10;
    storage_.assign(original_.size() + 2, kSentinel);
  }

  tsxVec3f* Animated() { return storage_.data() + 1; }

  std::vector<tsxVec3f> original_, target_, storage_;
  BlendInput input_;
};

TEST_F(BlendBoundsTest, WritesExactlyTheFirstNVertices) {
  input_.vertexCount = 2;
  BlendVertices(input_, Animated());
  EXPECT_SAME_VERTEX(storage_[0], kSentinel);
  EXPECT_SAME_VERTEX(storage_[3], kSentinel);
  EXPECT_SAME_VERTEX(storage_[4], kSentinel);
  EXPECT_NE(storage_[1].x, kSentinel.x);
  EXPECT_NE(storage_[2].x, kSentinel.x);
}

TEST_F(BlendBoundsTest, NoVertexWritesNothingAndReadsNothing) {
  for (const int count : {0, -1, -100}) {
    SCOPED_TRACE(count);
    input_.vertexCount = count;
    BlendVertices(input_, Animated());
    for (const tsxVec3f& vertex : storage_)
      EXPECT_SAME_VERTEX(vertex, kSentinel);

    // Without vertices the arrays are never looked at, so none is needed.
    BlendInput empty = input_;
    empty.original = nullptr;
    empty.targets = {};
    BlendVertices(empty, nullptr);
  }
}

TEST_F(BlendBoundsTest, AnimatedArrayMustNotOverlapAnInput) {
#ifdef NDEBUG
  GTEST_SKIP() << "assertions are compiled out of this build";
#else
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  input_.vertexCount = 3;
  EXPECT_DEATH(BlendVertices(input_, original_.data()), "Overlaps");
  EXPECT_DEATH(BlendVertices(input_, target_.data()), "Overlaps");
  // Overlapping the tail of an input is as bad as sharing its start.
  input_.vertexCount = 2;
  EXPECT_DEATH(BlendVertices(input_, original_.data() + 1), "Overlaps");
#endif
}

#if defined(__i386__) || defined(__x86_64__)
// Restores the process's x87 control word when a test has changed it.
class FpuControlWordTest : public ::testing::Test {
protected:
  void SetUp() override { saved_ = platform::ReadFpuControlWord(); }
  void TearDown() override { platform::LoadFpuControlWord(saved_); }
  std::uint16_t saved_ = 0;
};

// A host may run its thread at double precision (53 bits) or another rounding mode; the
// blend must come out the same, and the caller's setting must survive the call.
TEST_F(FpuControlWordTest, ResultsDoNotDependOnTheCallersPrecisionOrRounding) {
  const tsxVec3f original[] = {{1, 2, -3}, {0.1f, 0.2f, 0.3f}, {1e6f, -7.5f, 3.25f}};
  const tsxVec3f target[] = {{1.7f, -2, 4}, {0.3f, 0.2f, 0.1f}, {-1e6f, 7.5f, 3.33f}};
  BlendInput input;
  input.original = original;
  input.sliders = {37, 11, 0, 29, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 3};
  input.targets[1] = target;
  input.targets[3] = original;
  input.targets[19] = target;
  input.delta[3] = true;
  input.vertexCount = 3;
  tsxVec3f expected[3];
  BlendVertices(input, expected);

  // 53-bit and 24-bit precision, and rounding down, up and toward zero.
  for (const std::uint16_t word : {0x027F, 0x007F, 0x047F, 0x087F, 0x0C7F, 0x0E7F}) {
    SCOPED_TRACE(word);
    platform::LoadFpuControlWord(word);
    tsxVec3f animated[3];
    BlendVertices(input, animated);
    const std::uint16_t after = platform::ReadFpuControlWord();
    platform::LoadFpuControlWord(saved_);

    EXPECT_EQ(after, word);
    for (int i = 0; i < 3; ++i)
      EXPECT_SAME_VERTEX(animated[i], expected[i]);
  }
}
#endif

} // namespace
} // namespace qm::morph

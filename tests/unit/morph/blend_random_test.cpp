// The kernel against the independent reference evaluation over many random set-ups:
// slider values, delta modes, tolerances, captured and uncaptured targets, and vertex
// data that sits on, just inside and just outside the tolerance bounds.
#include <cmath>
#include <limits>
#include <random>
#include <vector>

#include <gtest/gtest.h>

#include "float_bits.h"
#include "morph/blend_kernel.h"
#include "morph/delta_tolerance.h"
#include "reference_blend.h"

namespace qm::morph {
namespace {

class Scenario {
public:
  explicit Scenario(unsigned seed) : rng_(seed) {
    const int count = Pick(0, 10) == 0 ? Pick(0, 1) : Pick(2, 40);
    input_.vertexCount = count;
    input_.deltaTolerance = PickTolerance();
    input_.sliders[0] = Pick(1, 100);

    original_.resize(count);
    for (tsxVec3f& vertex : original_)
      vertex = {PickCoordinate(), PickCoordinate(), PickCoordinate()};
    input_.original = original_.data();

    const Extended radius = ToleranceRadius(input_.deltaTolerance);
    for (int k = kFirstTarget; k < kChannelCount; ++k) {
      input_.sliders[k] = PickSlider();
      input_.delta[k] = Pick(0, 1) == 1;
      if (Pick(0, 7) == 0) continue; // not captured: its array stays null
      // Arrays hold exactly N vertices, so the sanitizer build sees any read past them.
      targets_[k].resize(count);
      for (int i = 0; i < count; ++i) {
        const tsxVec3f& o = original_[i];
        // Mostly vertices that the target leaves in place or nearly so, which is where
        // delta mode decides.
        const int style = Pick(0, 3);
        targets_[k][i] = {PickNear(o.x, radius, style), PickNear(o.y, radius, style),
                          PickNear(o.z, radius, style)};
      }
      input_.targets[k] = targets_[k].data();
    }
  }

  const BlendInput& Input() const { return input_; }

private:
  int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng_); }

  float PickTolerance() {
    static constexpr float kFavourites[] = {0, 1, 10, 10, 250, 500, 999, 1000};
    if (Pick(0, 3) == 0) return static_cast<float>(Pick(0, 1000));
    return kFavourites[Pick(0, std::size(kFavourites) - 1)];
  }

  std::int32_t PickSlider() {
    switch (Pick(0, 5)) {
    case 0:
    case 1: return 0;
    case 2: return Pick(0, 1) == 0 ? 1 : 100;
    default: return Pick(0, 100);
    }
  }

  float PickCoordinate() {
    switch (Pick(0, 5)) {
    case 0: return static_cast<float>(Pick(-4, 4));
    case 1: return static_cast<float>(Pick(-64, 64)) / 8.0f;
    case 2: return std::uniform_real_distribution<float>(-1.0f, 1.0f)(rng_);
    case 3: return std::uniform_real_distribution<float>(-1000.0f, 1000.0f)(rng_);
    case 4: return std::uniform_real_distribution<float>(-1e7f, 1e7f)(rng_);
    default: return std::uniform_real_distribution<float>(-1e-3f, 1e-3f)(rng_);
    }
  }

  // A target coordinate for original coordinate `a`: on a tolerance bound (the float
  // nearest a +- radius, which in extended precision may sit exactly on the bound or a
  // hair either side), a float step from it, equal to `a`, or anywhere.
  float PickNear(float a, Extended radius, int style) {
    if (style == 0 && Pick(0, 3) != 0) return a;
    const int choice = Pick(0, 7);
    const Extended bound = choice % 2 == 0 ? a + radius : a - radius;
    float b = static_cast<float>(bound);
    if (choice == 2 || choice == 3) b = std::nextafter(b, std::numeric_limits<float>::infinity());
    if (choice == 4 || choice == 5) b = std::nextafter(b, -std::numeric_limits<float>::infinity());
    if (choice == 6) return a;
    if (choice == 7) return PickCoordinate();
    return b;
  }

  std::mt19937 rng_;
  BlendInput input_;
  std::vector<tsxVec3f> original_;
  std::array<std::vector<tsxVec3f>, kChannelCount> targets_;
};

TEST(BlendRandomTest, KernelMatchesReferenceBitForBit) {
  constexpr unsigned kScenarios = 4000;
  int verticesCompared = 0;
  for (unsigned seed = 1; seed <= kScenarios; ++seed) {
    const Scenario scenario(seed);
    const BlendInput& input = scenario.Input();
    const auto count = static_cast<std::size_t>(input.vertexCount);
    std::vector<tsxVec3f> expected(count), actual(count);
    test::ReferenceBlend(input, expected.data());
    BlendVertices(input, actual.data());
    for (std::size_t i = 0; i < count; ++i) {
      EXPECT_SAME_VERTEX(actual[i], expected[i]) << "seed " << seed << ", vertex " << i;
      ++verticesCompared;
    }
    if (HasFailure()) break; // one seed's report is enough to reproduce it
  }
  EXPECT_GT(verticesCompared, 0);
}

} // namespace
} // namespace qm::morph

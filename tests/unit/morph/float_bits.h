// Bit-exact float comparison for the blend's tests: the blend must reproduce each
// stored value to the last bit, so "nearly equal" would hide the faults that matter.
#pragma once

#include <bit>
#include <cstdint>
#include <cstdio>

#include <gtest/gtest.h>

#include "shell/tsx_types.h"

namespace qm::morph::test {

inline std::string Describe(float value) {
  char text[64];
  std::snprintf(text, sizeof text, "%.9g (0x%08x)", static_cast<double>(value),
                static_cast<unsigned>(std::bit_cast<std::uint32_t>(value)));
  return text;
}

inline ::testing::AssertionResult SameBits(const char* actualText, const char* expectedText,
                                           float actual, float expected) {
  if (std::bit_cast<std::uint32_t>(actual) == std::bit_cast<std::uint32_t>(expected)) {
    return ::testing::AssertionSuccess();
  }
  return ::testing::AssertionFailure() << actualText << " is " << Describe(actual) << ", "
                                       << expectedText << " is " << Describe(expected);
}

inline ::testing::AssertionResult SameVertex(const char* actualText, const char* expectedText,
                                             const tsxVec3f& actual, const tsxVec3f& expected) {
  const float a[] = {actual.x, actual.y, actual.z};
  const float e[] = {expected.x, expected.y, expected.z};
  for (int c = 0; c < 3; ++c) {
    if (std::bit_cast<std::uint32_t>(a[c]) != std::bit_cast<std::uint32_t>(e[c])) {
      return ::testing::AssertionFailure()
             << actualText << " differs from " << expectedText << " in "
             << "xyz"[c] << ": " << Describe(a[c]) << " against " << Describe(e[c]);
    }
  }
  return ::testing::AssertionSuccess();
}

} // namespace qm::morph::test

#define EXPECT_SAME_FLOAT(actual, expected)                                                        \
  EXPECT_PRED_FORMAT2(::qm::morph::test::SameBits, actual, expected)
#define EXPECT_SAME_VERTEX(actual, expected)                                                       \
  EXPECT_PRED_FORMAT2(::qm::morph::test::SameVertex, actual, expected)

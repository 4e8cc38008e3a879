// A sample of the single-precision floats over their whole range, for round-trip checks of the
// number texts: every `step`-th bit pattern below `end`, non-finite ones left out.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>

// Calls each(f, bits) for the sampled floats; stops at the first fatal failure of a check.
// 0x7F800000 ends the positive floats; 0xFF000000 takes the negative ones as well.
template <typename Each>
void ForSampledFloats(uint32_t step, uint32_t end, Each each) {
  for (uint64_t bits = 1; bits < end; bits += step) {
    const uint32_t b = static_cast<uint32_t>(bits);
    float f;
    std::memcpy(&f, &b, sizeof f);
    if (!std::isfinite(f)) continue;
    each(f, b);
    if (::testing::Test::HasFatalFailure()) return;
  }
}

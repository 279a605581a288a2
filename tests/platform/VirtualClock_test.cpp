#include <gtest/gtest.h>

#include "platform/SystemClock.h"
#include "platform/VirtualClock.h"

namespace tarvel {
namespace {

TEST(VirtualClock, MovesOnlyBySpinAdvanceAndReads) {
  VirtualClock clock(1000, 2);
  EXPECT_EQ(clock.Nanos(), 0u);
  clock.Spin(500);
  EXPECT_EQ(clock.Nanos(), 1000u);
  EXPECT_EQ(clock.SpunRounds(), 500u);
  clock.AdvanceMicros(3);
  EXPECT_EQ(clock.Nanos(), 4000u);
  EXPECT_EQ(clock.Micros(), 5u);  // the read itself costs one step
  EXPECT_EQ(clock.Nanos(), 5000u);
}

TEST(VirtualClock, TickCounterEventuallyAdvancesFromReadsAlone) {
  VirtualClock clock;
  const uint32_t start = clock.Ticks();
  int reads = 0;
  while (clock.Ticks() == start) ++reads;
  EXPECT_LE(reads, 1000);
}

TEST(SystemClock, IsMonotonicAndSpinTakesTime) {
  SystemClock clock;
  const uint64_t before = clock.Micros();
  clock.Spin(20'000'000);
  const uint64_t after = clock.Micros();
  EXPECT_GT(after, before);
  EXPECT_LE(clock.Ticks(), after / 1000 + 1);
}

}  // namespace
}  // namespace tarvel

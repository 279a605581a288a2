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
  clock.SleepMicros(2500);
  EXPECT_EQ(clock.Nanos(), 2'505'000u);
  EXPECT_EQ(clock.FineNanos(), 2'506'000u);
  EXPECT_EQ(clock.ObservedNanos(), 2'506'000u) << "an observer does not move time";
  EXPECT_EQ(clock.Nanos(), 2'506'000u);
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

// A sleep may end late on a busy machine, never early.
TEST(SystemClock, SleepNeverEndsEarly) {
  SystemClock clock;
  for (uint64_t micros : {0u, 150u, 2000u}) {
    const uint64_t before = clock.Micros();
    clock.SleepMicros(micros);
    EXPECT_GE(clock.Micros() - before, micros);
  }
}

}  // namespace
}  // namespace tarvel

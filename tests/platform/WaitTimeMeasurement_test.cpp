#include "platform/WaitTimeMeasurement.h"

#include <gtest/gtest.h>

#include <deque>

#include "platform/VirtualClock.h"

namespace tarvel {
namespace {

// A tick counter that answers from a script, to place the measurement
// anywhere in the range and beyond it.
class ScriptedClock : public Clock {
 public:
  ScriptedClock(uint32_t start, uint32_t end) : ticks_{start, end} {}
  uint32_t Ticks() override {
    const uint32_t tick = ticks_.front();
    ticks_.pop_front();
    return tick;
  }
  uint64_t Micros() override { return 0; }
  void Spin(uint64_t rounds) override { spun += rounds; }

  uint64_t spun = 0;

 private:
  std::deque<uint32_t> ticks_;
};

int32_t MeasureOver(uint32_t start, uint32_t end) {
  ScriptedClock clock(start, end);
  const int32_t value = WaitTimeMeasurement::Measure(clock);
  EXPECT_EQ(clock.spun, 30600000u);
  return value;
}

TEST(WaitTimeMeasurement, DividesHundredThousandByTheElapsedMilliseconds) {
  EXPECT_EQ(MeasureOver(1000, 1030), 3333);
  EXPECT_EQ(MeasureOver(500, 600), 1000);
  EXPECT_EQ(MeasureOver(0, 99999), 1);
}

TEST(WaitTimeMeasurement, StaysWithinTheSpinControlsRange) {
  EXPECT_EQ(MeasureOver(1000, 1000), 30000) << "within one tick";
  EXPECT_EQ(MeasureOver(1000, 1001), 30000) << "quotient 100000";
  EXPECT_EQ(MeasureOver(1000, 1003), 30000) << "quotient 33333";
  EXPECT_EQ(MeasureOver(1000, 1004), 25000);
  EXPECT_EQ(MeasureOver(0, 100001), 1) << "quotient 0";
  EXPECT_EQ(MeasureOver(0, 4000000000u), 1);
}

TEST(WaitTimeMeasurement, SurvivesTheTickCounterWrapping) {
  EXPECT_EQ(MeasureOver(0xFFFFFFF0u, 0x10u), 3125);  // 32 ms across the wrap
}

TEST(WaitTimeMeasurement, RunsTheLoopNestOnTheClock) {
  VirtualClock clock;  // 1 ns a round: the loop takes 30.6 ms
  EXPECT_EQ(WaitTimeMeasurement::Measure(clock), 3333);
  EXPECT_EQ(clock.SpunRounds(), 30600000u);
}

}  // namespace
}  // namespace tarvel

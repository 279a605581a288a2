#include "engine/srom/SRomWriteCyclePoll.h"

#include <gtest/gtest.h>

#include "platform/VirtualClock.h"
#include "support/RecordingMessages.h"
#include "support/RecordingPortIo.h"

namespace tarvel {
namespace {

constexpr uint8_t kNoAcknowledge = 0x00;  // input line high
constexpr uint8_t kAcknowledge = 0x80;    // input line low

class SRomWriteCyclePollTest : public ::testing::Test {
 protected:
  SRomWriteCyclePollTest() : port(io, messages), rom(clock, messages) { rom.ParallelPort = &port; }

  test::RecordingPortIo io;
  test::RecordingMessages messages;
  VirtualClock clock;
  TParallelPort port;
  TSRomWrite rom;
};

TEST_F(SRomWriteCyclePollTest, FinishesOnTheFirstAcknowledge) {
  // Each poll samples exactly one acknowledge; the fourth one answers.
  int samples = 0;
  io.answer = [&](uint16_t) { return ++samples == 4 ? kAcknowledge : kNoAcknowledge; };
  SRomWriteCyclePoll poll(rom, clock);
  EXPECT_EQ(poll.Wait(), WriteCycleOutcome::Finished);
  EXPECT_EQ(poll.Polls(), 4u);
}

TEST_F(SRomWriteCyclePollTest, GivesUpAfterTheBoundWhenNothingAnswers) {
  io.answer = [](uint16_t) { return kNoAcknowledge; };
  SRomWriteCyclePoll poll(rom, clock);
  const uint64_t start = clock.Nanos();
  EXPECT_EQ(poll.Wait(), WriteCycleOutcome::TimedOut);
  const uint64_t elapsed = clock.Nanos() - start;
  EXPECT_GE(elapsed, 50'000'000u);
  EXPECT_LT(elapsed, 51'000'000u) << "one poll past the bound at most";
  EXPECT_GT(poll.Polls(), 1u);
}

TEST_F(SRomWriteCyclePollTest, PollsOnceEvenWithAZeroBound) {
  io.answer = [](uint16_t) { return kAcknowledge; };
  SRomWriteCyclePoll poll(rom, clock, 0);
  EXPECT_EQ(poll.Wait(), WriteCycleOutcome::Finished);
  EXPECT_EQ(poll.Polls(), 1u);
}

}  // namespace
}  // namespace tarvel

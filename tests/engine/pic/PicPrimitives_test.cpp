#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "engine/pic/PicWrite.h"
#include "platform/VirtualClock.h"
#include "support/RecordingMessages.h"
#include "support/RecordingPortIo.h"

namespace tarvel {
namespace {

using Bytes = std::vector<uint8_t>;

// Runs the primitives on a recording port and a virtual clock.
struct PicPrimitivesTest : ::testing::Test {
  VirtualClock clock;
  test::RecordingMessages messages;
  test::RecordingPortIo io;
  TParallelPort port{io, messages};
  TPicWrite pic{clock, messages};

  PicPrimitivesTest() {
    pic.ParallelPort = &port;
    pic.SetDevice(PIC16F84);
  }
  Bytes Written() const { return io.Written(0x378); }
  void InputAlways(bool high) {
    // The status bit reads 0 while the line is high.
    io.answer = [high](uint16_t) { return uint8_t(high ? 0x00 : 0x80); };
  }
  // The chip latches each bit on the falling clock edge (0x4A/0x4B -> 0x48/0x49).
  static std::vector<int> BitsOnFallingEdges(const Bytes& bytes, size_t from) {
    std::vector<int> bits;
    for (size_t i = from + 1; i < bytes.size(); ++i) {
      if ((bytes[i - 1] & 0x02) && !(bytes[i] & 0x02)) bits.push_back(bytes[i] & 0x01);
    }
    return bits;
  }
};

TEST_F(PicPrimitivesTest, IncrementOnTheFlashPrimitiveHoldsEachBitTwice) {
  EXPECT_EQ(pic.Pic84(6, 0), 0);
  const Bytes expected = {0x48,
                          0x4A, 0x4A, 0x48, 0x48,   // bit 0 = 0
                          0x4A, 0x4B, 0x49, 0x49,   // bit 1 = 1
                          0x4B, 0x4B, 0x49, 0x49,   // bit 2 = 1
                          0x4B, 0x4A, 0x48, 0x48,   // bit 3 = 0
                          0x4A, 0x4A, 0x48, 0x48,   // bit 4 = 0
                          0x4A, 0x4A, 0x48, 0x48};  // bit 5 = 0
  EXPECT_EQ(Written(), expected);
  EXPECT_EQ(io.Reads(), 0u);
}

TEST_F(PicPrimitivesTest, IncrementOnTheEpromPrimitivesHasThreeWritesABit) {
  const Bytes expected = {0x48, 0x4A, 0x4A, 0x48, 0x4A, 0x4B, 0x49, 0x4B, 0x4B, 0x49,
                          0x4B, 0x4A, 0x48, 0x4A, 0x4A, 0x48, 0x4A, 0x4A, 0x48};
  EXPECT_EQ(pic.Pic67(6, 0), 0);
  EXPECT_EQ(Written(), expected);
  io.accesses.clear();
  EXPECT_EQ(pic.Pic12(6, 0), 0);
  EXPECT_EQ(Written(), expected);
}

TEST_F(PicPrimitivesTest, WritePhaseSendsFourteenBitsBetweenZeroStartAndStop) {
  pic.Pic84(2, 0x3FFF);
  const Bytes all = Written();
  const Bytes afterCommand(all.begin() + 25, all.end());
  // start bit, 14 data bits, stop bit: sixteen falling edges
  const std::vector<int> bits = BitsOnFallingEdges(afterCommand, 0);
  ASSERT_EQ(bits.size(), 16u);
  EXPECT_EQ(bits.front(), 0);
  EXPECT_EQ(bits.back(), 0);
  for (size_t i = 1; i <= 14; ++i) EXPECT_EQ(bits[i], 1) << i;
  // The stop bit of the flash primitive starts from the last data bit.
  EXPECT_EQ((Bytes{afterCommand.end() - 3, afterCommand.end()}), (Bytes{0x4B, 0x4A, 0x48}));
  EXPECT_GE(clock.SpunRounds(), 200u);

  io.accesses.clear();
  pic.Pic84(2, 0x7FFF);  // bits above 13 are never sent
  EXPECT_EQ(Written(), all);
}

TEST_F(PicPrimitivesTest, WritePhaseCarriesTheWordLeastSignificantBitFirst) {
  for (int32_t word : {0x0000, 0x2AAA, 0x1555, 0x3001}) {
    io.accesses.clear();
    EXPECT_EQ(pic.Pic67(2, word), 0);
    const Bytes all = Written();
    const std::vector<int> bits = BitsOnFallingEdges(Bytes(all.begin() + 19, all.end()), 0);
    ASSERT_EQ(bits.size(), 16u);
    int32_t value = 0;
    for (int i = 0; i < 14; ++i) value |= bits[1 + i] << i;
    EXPECT_EQ(value, word);
    // The 14-bit EPROM primitive's stop bit is a plain clock with the data low.
    EXPECT_EQ((Bytes{all.end() - 2, all.end()}), (Bytes{0x4A, 0x48}));
  }
}

TEST_F(PicPrimitivesTest, ReadPhaseReleasesTheDataLineAndSamplesFourteenBits) {
  InputAlways(true);
  EXPECT_EQ(pic.Pic84(4, 0), 0x3FFF);
  EXPECT_EQ(io.Reads(), 14u);
  const Bytes all = Written();
  const Bytes read(all.begin() + 25, all.end());
  Bytes expected = {0x4C, 0x4E, 0x4C};
  for (int i = 0; i < 14; ++i) expected.insert(expected.end(), {0x4E, 0x4C});
  expected.insert(expected.end(), {0x4E, 0x4C});
  EXPECT_EQ(read, expected);

  EXPECT_EQ(pic.Pic84(5, 0), 0xFF);
  EXPECT_EQ(pic.Pic67(4, 0), 0x3FFF);
  EXPECT_EQ(pic.Pic12(4, 0), 0x3FFF);
  InputAlways(false);
  EXPECT_EQ(pic.Pic84(4, 0), 0);
  EXPECT_EQ(pic.Pic84(5, 0), 0);
}

TEST_F(PicPrimitivesTest, ReadPhaseFirstSampleEndsInBitZero) {
  // Sample k (0-based) reads the bits of 0x2A5C.
  int sample = 0;
  io.answer = [&sample](uint16_t) {
    const bool high = (0x2A5C >> sample++) & 1;
    return uint8_t(high ? 0x00 : 0x80);
  };
  EXPECT_EQ(pic.Pic67(4, 0), 0x2A5C);
  sample = 0;
  EXPECT_EQ(pic.Pic84(5, 0), 0x5C);
}

TEST_F(PicPrimitivesTest, ReturnValuesPerFamily) {
  InputAlways(false);
  const struct {
    int32_t code, pic84, pic67, pic12;
  } table[] = {{0, 0, 0, -1},   {1, 0, -1, -1},  {2, 0, 0, 0},    {3, 0, -1, -1},
               {4, 0, 0, 0},    {5, 0, -1, -1},  {6, 0, 0, 0},    {7, 0, -1, -1},
               {9, -1, -1, -1}, {14, -1, -1, 0}, {63, -1, -1, -1}};
  for (const auto& row : table) {
    EXPECT_EQ(pic.Pic84(row.code, 0), row.pic84) << row.code;
    EXPECT_EQ(pic.Pic67(row.code, 0), row.pic67) << row.code;
    EXPECT_EQ(pic.Pic12(row.code, 0), row.pic12) << row.code;
  }
}

TEST_F(PicPrimitivesTest, CommandsWithoutDataPhaseSendOnlyTheCommand) {
  pic.Pic12(0, 0x1234);  // the 12-bit family has no load configuration data
  EXPECT_EQ(Written().size(), 19u);
  io.accesses.clear();
  pic.Pic67(3, 0x12);
  EXPECT_EQ(Written().size(), 19u);
  io.accesses.clear();
  pic.Pic84(14, 0);
  EXPECT_EQ(Written().size(), 25u);
}

TEST_F(PicPrimitivesTest, CodesAboveTheControlCodesTouchNothing) {
  for (int32_t code : {67, 70, 1000, -1}) {
    EXPECT_EQ(pic.Pic84(code, 0), -2);
    EXPECT_EQ(pic.Pic67(code, 0), -2);
    EXPECT_EQ(pic.Pic12(code, 0), -2);
  }
  EXPECT_TRUE(io.accesses.empty());
}

TEST_F(PicPrimitivesTest, EnteringProgrammingModePerFamily) {
  uint64_t start = clock.Nanos();
  EXPECT_EQ(pic.Pic84(65, 0), 0);
  EXPECT_EQ(Written(), (Bytes{0x00, 0x74, 0x50, 0x48}));
  EXPECT_GE(clock.Nanos() - start, 140'000'000u);

  io.accesses.clear();
  start = clock.Nanos();
  EXPECT_EQ(pic.Pic12(65, 0), 0);
  EXPECT_EQ(Written(), (Bytes{0x00, 0x34, 0x48}));
  EXPECT_GE(clock.Nanos() - start, 120'000'000u);

  io.accesses.clear();
  start = clock.Nanos();
  EXPECT_EQ(pic.Pic67(65, 0), 0);
  EXPECT_EQ(Written(), (Bytes{0x74, 0x48}));
  EXPECT_GE(clock.Nanos() - start, 20'000'000u);
  EXPECT_LT(clock.Nanos() - start, 25'000'000u);
}

TEST_F(PicPrimitivesTest, EachEntryStepLastsItsDelay) {
  std::vector<uint64_t> times;
  struct TimedIo : PortIo {
    VirtualClock& clock;
    std::vector<uint64_t>& times;
    TimedIo(VirtualClock& c, std::vector<uint64_t>& t) : clock(c), times(t) {}
    void Out(uint16_t, uint8_t) override { times.push_back(clock.Nanos()); }
    uint8_t In(uint16_t) override { return 0xFF; }
  } timed(clock, times);
  port.SetIo(timed);
  pic.Pic84(65, 0);
  ASSERT_EQ(times.size(), 4u);
  EXPECT_GE(times[1] - times[0], 100'000'000u);  // power off
  EXPECT_GE(times[2] - times[1], 10'000'000u);   // held in reset, lines released
  EXPECT_GE(times[3] - times[2], 20'000'000u);   // lines low before VPP
}

TEST_F(PicPrimitivesTest, LeavingAndResetAndPower) {
  EXPECT_EQ(pic.Pic84(66, 0), 0);
  EXPECT_EQ(Written(), Bytes{0x64});
  io.accesses.clear();

  const uint64_t start = clock.Nanos();
  EXPECT_EQ(pic.Pic67(64, 0), 0);
  EXPECT_EQ(Written(), (Bytes{0x74, 0x64}));
  EXPECT_GE(clock.Nanos() - start, 1'000'000u - 1'000u);
  io.accesses.clear();

  pic.PowerON();
  pic.PowerOFF();
  EXPECT_EQ(Written(), (Bytes{0x64, 0x00}));
}

TEST_F(PicPrimitivesTest, ResetTargetUsesTheDeviceFamilyAndIgnoresUnknownDevices) {
  pic.SetDevice(PIC12C508);
  pic.ResetTarget();
  EXPECT_EQ(Written(), (Bytes{0x74, 0x64}));
  io.accesses.clear();
  pic.SetDevice(static_cast<PIC_DEVICES>(99));
  pic.ResetTarget();
  EXPECT_TRUE(io.accesses.empty());
}

// A flash cycle lasts the device's floor, its typical time and a quarter, or
// longer when WaitTime asks for more: the nest is sized so that the WaitTime
// an idle machine measures (3333) gives the floor. What the load before it
// was decides the floor.
TEST_F(PicPrimitivesTest, FlashProgrammingWaitNeverEndsBeforeTheDevicesFloor) {
  const struct {
    PIC_DEVICES device;
    int32_t load;  // 2 word, 3 data byte, 1 the chip-erase pair
    int32_t waitTime;
    uint64_t micros;
  } rows[] = {
      {PIC16F84, 2, 0, 12500},     // the tick counter's 10 ms are not enough
      {PIC16C84, 3, 0, 12500},
      {PIC16F877, 2, 0, 5000},     // nor its 2 ms here
      {PIC16F627, 3, 0, 5000},
      {PIC16F877, 1, 0, 12500},    // a chip erase
      {PIC16F877, 2, 1, 5000},     // a WaitTime measured on a busy machine
      {PIC16F84, 2, 6666, 25247},  // 3787 x 6667 rounds: twice the measured WaitTime, twice the wait
  };
  for (const auto& row : rows) {
    pic.SetDevice(row.device);
    pic.Pic84(row.load, 0x3FFF);
    const uint64_t start = clock.Nanos();
    EXPECT_EQ(pic.Pic84(8, row.waitTime), 0);
    const uint64_t elapsed = clock.Nanos() - start;
    EXPECT_GE(elapsed, row.micros * 1000) << int(row.device) << " load " << row.load;
    EXPECT_LE(elapsed, row.micros * 1020) << int(row.device) << " load " << row.load;
  }
  for (auto primitive : {&TPicWrite::Pic67, &TPicWrite::Pic12}) {
    clock.Advance(500'000);  // mid-tick: Delay(1) waits for the next tick edge at least
    const uint64_t start = clock.Nanos();
    EXPECT_EQ((pic.*primitive)(8, 0), 0);
    EXPECT_LE(clock.Nanos() - start, 1'000'000u + 1'000u);
    EXPECT_GT(clock.Nanos() - start, 0u);
  }
}

// The flash nest lasts as long as its rounds would, but only its first
// stretch is spun; the pulses of the EPROM families spin every round.
TEST_F(PicPrimitivesTest, CalibratedProgrammingWaitIsALoopNestScaledByWaitTime) {
  pic.SetDevice(PIC16F84);  // 12.5 ms floor: 3787 outer rounds
  uint64_t before = clock.SpunRounds();
  const uint64_t start = clock.Nanos();
  pic.Pic84(8, 3333);
  EXPECT_EQ(clock.SpunRounds() - before, 100000u);
  EXPECT_GE(clock.Nanos() - start, 3787u * 3334u);
  EXPECT_LE(clock.Nanos() - start, 3787u * 3334u * 102 / 100);
  before = clock.SpunRounds();
  pic.Pic67(8, 3333);
  EXPECT_EQ(clock.SpunRounds() - before, 600u * 3334u);
  before = clock.SpunRounds();
  pic.Pic12(8, 3333);
  EXPECT_EQ(clock.SpunRounds() - before, 80u * 3334u);
  // The largest WaitTime a settings file can hold still counts its last round.
  before = clock.SpunRounds();
  pic.Pic67(8, INT32_MAX);
  EXPECT_EQ(clock.SpunRounds() - before, 600u * (uint64_t{INT32_MAX} + 1));
}

TEST_F(PicPrimitivesTest, DelaySurvivesTheTickCounterWrapping) {
  struct WrappingClock : Clock {
    uint32_t tick = 0xFFFFFFF0u;
    uint32_t Ticks() override { return tick++; }
    uint64_t Micros() override { return 0; }
    void Spin(uint64_t) override {}
    void SleepMicros(uint64_t) override {}  // only the ticks tell time here
  } wrapping;
  TPicWrite engine(wrapping, messages);
  engine.Delay(40);  // ends 40 ticks later, across the wrap
  EXPECT_EQ(wrapping.tick, 0xFFFFFFF0u + 41u);
}

}  // namespace
}  // namespace tarvel

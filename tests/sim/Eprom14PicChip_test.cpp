#include "sim/Eprom14PicChip.h"

#include <gtest/gtest.h>

#include "PicLineDriver.h"
#include "platform/VirtualClock.h"
#include "sim/SimulatedWriter.h"

namespace tarvel {
namespace {

using test::PicLineDriver;

enum : int {
  kLoadConfiguration = 0,
  kLoadProgram = 2,
  kReadProgram = 4,
  kIncrement = 6,
  kBegin = 8,
  kEnd = 14,
};

class Eprom14PicChipTest : public ::testing::Test {
 protected:
  Eprom14PicChip& Insert(PIC_DEVICES device) {
    writer_.InsertPic(device);
    return *writer_.Eprom14Pic();
  }
  void Pulse(uint16_t value, uint64_t micros = 100) {
    lines_.Load(kLoadProgram, value);
    lines_.Command(kBegin);
    clock_.AdvanceMicros(micros);
    lines_.Command(kEnd);
  }

  VirtualClock clock_;
  SimulatedWriter writer_{clock_};
  PicLineDriver lines_{writer_};
};

TEST_F(Eprom14PicChipTest, PulseProgramsBitsTowardsZeroOnly) {
  Eprom14PicChip& chip = Insert(PIC16C74);
  lines_.Enter();
  EXPECT_EQ(lines_.Read(kReadProgram), 0x3FFF);
  Pulse(0x0F0F);
  EXPECT_EQ(lines_.Read(kReadProgram), 0x0F0F);
  Pulse(0x33F0);
  EXPECT_EQ(lines_.Read(kReadProgram), 0x0300) << "old AND loaded";
  Pulse(0x3FFF);
  EXPECT_EQ(lines_.Read(kReadProgram), 0x0300) << "no bit goes back to 1";
  EXPECT_EQ(chip.Program().Writes(0), 3U);
  EXPECT_EQ(chip.Counters().countedPulses, 3U);
}

TEST_F(Eprom14PicChipTest, LoadConfigurationReachesIdsAndTheConfigurationWord) {
  Eprom14PicChip& chip = Insert(PIC16C77);
  lines_.Enter();
  lines_.Load(kLoadConfiguration, 0x1111);
  lines_.Command(kBegin);  // the load latched the word for 0x2000
  clock_.AdvanceMicros(100);
  lines_.Command(kEnd);
  EXPECT_EQ(lines_.Read(kReadProgram), 0x1111);
  lines_.Increment(3);
  Pulse(0x0333);
  lines_.Increment(4);
  Pulse(0x3F30);
  EXPECT_EQ(lines_.Read(kReadProgram), 0x3F30);
  lines_.Increment();
  EXPECT_EQ(lines_.Read(kReadProgram), 0x3FFF) << "0x2008";
  EXPECT_EQ(chip.Ids().Read(0), 0x1111);
  EXPECT_EQ(chip.Ids().Read(3), 0x0333);
  EXPECT_EQ(chip.Config().Read(0), 0x3F30);
}

TEST_F(Eprom14PicChipTest, ShortPulsesDoNotCount) {
  Eprom14PicChip& chip = Insert(PIC16C74);
  lines_.Enter();
  Pulse(0x0000, 10);
  EXPECT_EQ(lines_.Read(kReadProgram), 0x3FFF);
  EXPECT_EQ(chip.Counters().shortPulses, 1U);
  EXPECT_EQ(chip.Program().Writes(0), 0U);
  Pulse(0x0000, 25);
  EXPECT_EQ(lines_.Read(kReadProgram), 0x0000);
}

TEST_F(Eprom14PicChipTest, EachPulseNeedsItsOwnLoad) {
  Eprom14PicChip& chip = Insert(PIC16C74);
  lines_.Enter();
  Pulse(0x3FFE);
  lines_.Command(kBegin);
  clock_.AdvanceMicros(100);
  lines_.Command(kEnd);
  EXPECT_EQ(chip.Counters().beginsWithoutLoad, 1U);
  EXPECT_EQ(chip.Counters().countedPulses, 1U);
}

TEST_F(Eprom14PicChipTest, PulseNotEndedByEndProgrammingIsLost) {
  Eprom14PicChip& chip = Insert(PIC16C74);
  lines_.Enter();
  lines_.Load(kLoadProgram, 0x0000);
  lines_.Command(kBegin);
  clock_.AdvanceMicros(100);
  lines_.Command(kIncrement);
  lines_.Command(kEnd);
  lines_.Load(kLoadProgram, 0x0000);
  lines_.Command(kBegin);
  clock_.AdvanceMicros(100);
  lines_.Leave();
  EXPECT_EQ(chip.Counters().abortedPulses, 2U);
  EXPECT_EQ(chip.Program().Read(0), 0x3FFF);
  EXPECT_EQ(chip.Program().Read(1), 0x3FFF);
}

TEST_F(Eprom14PicChipTest, CellNeedingSeveralPulsesTakesAtTheLast) {
  Eprom14PicChip& chip = Insert(PIC16C74);
  chip.Program().SetPulsesNeeded(0, 3);
  chip.Program().SetPulsesNeeded(1, PicCells::kNeverTakes);
  lines_.Enter();
  Pulse(0x1234);
  EXPECT_EQ(lines_.Read(kReadProgram), 0x3FFF);
  Pulse(0x1234);
  EXPECT_EQ(lines_.Read(kReadProgram), 0x3FFF);
  Pulse(0x1234);
  EXPECT_EQ(lines_.Read(kReadProgram), 0x1234);
  lines_.Increment();
  for (int i = 0; i < 30; ++i) Pulse(0x0000);
  EXPECT_EQ(lines_.Read(kReadProgram), 0x3FFF);
  EXPECT_EQ(chip.Program().Writes(1), 30U);
}

TEST_F(Eprom14PicChipTest, UnknownCommandsAreIgnored) {
  Eprom14PicChip& chip = Insert(PIC16C74);
  chip.Program().Set(0, 0x0042);
  lines_.Enter();
  for (int command : {1, 3, 5, 7, 9}) lines_.Command(command);
  EXPECT_EQ(lines_.Read(kReadProgram), 0x0042);
  EXPECT_EQ(chip.Counters().unknownCommands, 5U);
}

TEST_F(Eprom14PicChipTest, CounterWrapsAndSmallerDevicesRepeat) {
  Eprom14PicChip& chip = Insert(PIC16C620);  // 512 words
  chip.Program().Set(0, 0x0AAA);
  chip.Ids().Set(1, 0x0BBB);
  lines_.Enter();
  lines_.Increment(0x200);
  EXPECT_EQ(lines_.Read(kReadProgram), 0x0AAA);
  lines_.Increment(0x1E00);
  EXPECT_EQ(lines_.Read(kReadProgram), 0x0AAA) << "0x1FFF + 1 is 0";
  lines_.Load(kLoadConfiguration, 0x3FFF);
  lines_.Increment(0x2001);
  EXPECT_EQ(lines_.Read(kReadProgram), 0x0BBB);
}

struct ProtectionCase {
  PIC_DEVICES device;
  uint16_t config;
  int32_t protectedFrom;
};

TEST_F(Eprom14PicChipTest, ProtectionPairsPerDevice) {
  const ProtectionCase cases[] = {
      // Four pairs: 11 off, 10 upper half, 01 upper three quarters, 00 all.
      {PIC16C77, 0x3FFF, 0x2000},
      {PIC16C77, 0x2AEF, 0x1000},
      {PIC16C77, 0x15DF, 0x0800},
      {PIC16C77, 0x00CF, 0x0000},
      {PIC16C77, 0x3FEF, 0x1000},  // one pair cleared alone
      {PIC16C62A, 0x3BFF, 0x0400},
      // One pair at bits 5-4.
      {PIC16C74, 0x3FDF, 0x0400},
      {PIC16C74, 0x00FF, 0x1000},
      // Three pairs: bits 11-10 are no protection bits.
      {PIC16C773, 0x33FF, 0x1000},
      {PIC16C773, 0x3EFF, 0x0800},
      // All or nothing.
      {PIC16C61, 0x3FEF, 0x0000},
      {PIC16C61, 0x3FDF, 0x0400},
      {PIC16C711, 0x3FFF & 0x004F, 0x0000},
      {PIC16C710, 0x3FFF & ~0x0800, 0x0000},
      {PIC16C710, 0x3FBF, 0x0200},
  };
  for (const ProtectionCase& c : cases) {
    SCOPED_TRACE(::testing::Message() << kPicDevices[c.device].displayName << " config " << std::hex << c.config);
    Eprom14PicChip& chip = Insert(c.device);
    chip.Config().Set(0, c.config);
    EXPECT_EQ(chip.ProtectedFrom(), c.protectedFrom);
    EXPECT_EQ(chip.IsCodeProtected(), c.protectedFrom < chip.Program().Size());
  }
}

TEST_F(Eprom14PicChipTest, ProtectedWordsReadZeroAndTakeNoPulse) {
  Eprom14PicChip& chip = Insert(PIC16C77);
  chip.Program().Fill(0x0777);
  chip.Ids().Set(0, 0x0123);
  chip.Config().Set(0, 0x2AEF);  // upper half
  lines_.Enter();
  lines_.Increment(0x0FFF);
  EXPECT_EQ(lines_.Read(kReadProgram), 0x0777);
  Pulse(0x0000);
  EXPECT_EQ(chip.Program().Read(0x0FFF), 0x0000);
  lines_.Increment();
  EXPECT_EQ(lines_.Read(kReadProgram), 0x0000);
  Pulse(0x0000);
  EXPECT_EQ(chip.Program().Read(0x1000), 0x0777);
  EXPECT_EQ(chip.Counters().ignoredWrites, 1U);
  lines_.Load(kLoadConfiguration, 0x3FFF);
  EXPECT_EQ(lines_.Read(kReadProgram), 0x0123);
  lines_.Increment(7);
  EXPECT_EQ(lines_.Read(kReadProgram), 0x2AEF);
}

TEST_F(Eprom14PicChipTest, FaultsInEverySpace) {
  Eprom14PicChip& chip = Insert(PIC16C74);
  chip.Program().StickBits(0, 0x0000, 0x0001);
  chip.Ids().SetFading(2, 0x0F00);
  chip.Config().StickBits(0, 0x0008, 0x0000);
  lines_.Enter();
  Pulse(0x0000);
  EXPECT_EQ(lines_.Read(kReadProgram), 0x0001);
  lines_.Load(kLoadConfiguration, 0x3FFF);
  lines_.Increment(2);
  Pulse(0x0000);
  EXPECT_EQ(lines_.Read(kReadProgram), 0x0000);
  lines_.Increment(5);
  EXPECT_EQ(lines_.Read(kReadProgram), 0x3FF7);
  lines_.Enter();
  lines_.Load(kLoadConfiguration, 0x3FFF);
  lines_.Increment(2);
  EXPECT_EQ(lines_.Read(kReadProgram), 0x0F00) << "the ID word faded when VPP dropped";
}

}  // namespace
}  // namespace tarvel

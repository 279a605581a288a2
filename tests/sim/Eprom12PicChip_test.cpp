#include "sim/Eprom12PicChip.h"

#include <gtest/gtest.h>

#include "PicLineDriver.h"
#include "platform/VirtualClock.h"
#include "sim/SimulatedWriter.h"

namespace tarvel {
namespace {

using test::PicLineDriver;

enum : int {
  kLoadProgram = 2,
  kReadProgram = 4,
  kBegin = 8,
  kEnd = 14,
};

class Eprom12PicChipTest : public ::testing::Test {
 protected:
  Eprom12PicChip& Insert(PIC_DEVICES device) {
    writer_.InsertPic(device);
    return *writer_.Eprom12Pic();
  }
  void Pulse(uint16_t value, uint64_t micros = 100) {
    lines_.Load(kLoadProgram, value);
    lines_.Command(kBegin);
    clock_.AdvanceMicros(micros);
    lines_.Command(kEnd);
  }
  // The 12-bit family's own entry: supply and VPP rise in the same write.
  void Enter() {
    lines_.Put(0x00);
    lines_.Put(PicLineDriver::kMclrGnd | PicLineDriver::kRb6Open | PicLineDriver::kRb7Open);
    lines_.Put(PicLineDriver::kProgramming);
  }

  VirtualClock clock_;
  SimulatedWriter writer_{clock_};
  PicLineDriver lines_{writer_};
};

TEST_F(Eprom12PicChipTest, FreshChipHoldsTheCalibrationWordAtTheEnd) {
  for (PIC_DEVICES device : {PIC12C508, PIC12C508A, PIC12C509}) {
    SCOPED_TRACE(kPicDevices[device].displayName);
    Eprom12PicChip& chip = Insert(device);
    const int32_t last = kPicDevices[device].lastAddress;
    EXPECT_EQ(chip.Program().Size(), last + 1);
    EXPECT_EQ(chip.Program().Read(last) & 0x0F00, 0x0C00) << "MOVLW k";
    EXPECT_EQ(chip.Program().Read(last), chip.Facts().calibrationWord);
    Enter();
    ASSERT_TRUE(chip.InProgrammingMode());
    EXPECT_EQ(lines_.Read(kReadProgram), 0x0FFF) << "configuration word first";
    lines_.Increment();
    EXPECT_EQ(lines_.Read(kReadProgram), 0x0FFF) << "word 0";
    lines_.Increment(last);
    EXPECT_EQ(lines_.Read(kReadProgram), chip.Facts().calibrationWord);
  }
  EXPECT_EQ(kPicChipFacts[PIC12C508].calibrationWord, 0x0C9C);
}

TEST_F(Eprom12PicChipTest, WordsAreTwelveBitsWide) {
  Eprom12PicChip& chip = Insert(PIC12C508);
  Enter();
  lines_.Increment();
  Pulse(0x3A5A);
  EXPECT_EQ(lines_.Read(kReadProgram), 0x0A5A);
  EXPECT_EQ(chip.Program().Read(0), 0x0A5A);
  lines_.Increment();
  Pulse(0x3FFF);
  EXPECT_EQ(lines_.Read(kReadProgram), 0x0FFF);
}

TEST_F(Eprom12PicChipTest, UnimplementedConfigurationBitsReadOne) {
  Eprom12PicChip& chip = Insert(PIC12C508);
  Enter();
  Pulse(0x0008);
  EXPECT_EQ(lines_.Read(kReadProgram), 0x0FE8);
  EXPECT_EQ(chip.Config().Read(0), 0x0008);
  EXPECT_FALSE(chip.IsCodeProtected());
}

TEST_F(Eprom12PicChipTest, ProtectedChipReadsScrambledWords) {
  EXPECT_EQ(Eprom12PicChip::Scrambled(0x0A5C), (0xA ^ 0x5 ^ 0xC));
  EXPECT_EQ(Eprom12PicChip::Scrambled(0x0FFF), 0x000F);
  Eprom12PicChip& chip = Insert(PIC12C509);
  chip.Program().Set(0, 0x0A5C);
  chip.Ids().Set(0, 0x0123);
  Enter();
  Pulse(0x0FF7);
  EXPECT_TRUE(chip.IsCodeProtected());
  EXPECT_EQ(lines_.Read(kReadProgram), 0x0FF7) << "the configuration word stays readable";
  lines_.Increment();
  EXPECT_EQ(lines_.Read(kReadProgram), 0x0003);
  Pulse(0x0000);
  EXPECT_EQ(chip.Program().Read(0), 0x0A5C) << "protected words take no pulse";
  lines_.Increment(0x400);
  EXPECT_EQ(lines_.Read(kReadProgram), 0x0123) << "the ID words follow the last program word";
}

TEST_F(Eprom12PicChipTest, CounterWrapsBackToTheConfigurationWord) {
  Eprom12PicChip& chip = Insert(PIC12C508);
  chip.Config().Set(0, 0x0015);
  Enter();
  lines_.Increment(0x1000);
  EXPECT_EQ(lines_.Read(kReadProgram), 0x0FF5);
  lines_.Increment(0x205);
  EXPECT_EQ(lines_.Read(kReadProgram), 0x0FFF) << "nothing lives after the IDs";
  Pulse(0x0000);
  EXPECT_EQ(chip.Counters().ignoredWrites, 1U);
}

TEST_F(Eprom12PicChipTest, LoadConfigurationIsNoCommandOfThisFamily) {
  Eprom12PicChip& chip = Insert(PIC12C508);
  Enter();
  lines_.Command(0);
  EXPECT_EQ(chip.Counters().unknownCommands, 1U);
  EXPECT_EQ(lines_.Read(kReadProgram), 0x0FFF);
}

TEST_F(Eprom12PicChipTest, PulseCountingAsTheFourteenBitFamily) {
  Eprom12PicChip& chip = Insert(PIC12C508);
  chip.Program().SetPulsesNeeded(0, 2);
  Enter();
  lines_.Increment();
  Pulse(0x0000, 20);
  Pulse(0x0000);
  EXPECT_EQ(lines_.Read(kReadProgram), 0x0FFF);
  Pulse(0x0000);
  EXPECT_EQ(lines_.Read(kReadProgram), 0x0000);
  EXPECT_EQ(chip.Counters().shortPulses, 1U);
  EXPECT_EQ(chip.Program().Writes(0), 2U);
}

}  // namespace
}  // namespace tarvel

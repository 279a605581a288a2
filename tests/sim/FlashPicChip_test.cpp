#include "sim/FlashPicChip.h"

#include <gtest/gtest.h>

#include "PicLineDriver.h"
#include "platform/VirtualClock.h"
#include "sim/SimulatedWriter.h"

namespace tarvel {
namespace {

using test::PicLineDriver;

enum : int {
  kLoadConfiguration = 0,
  kClearStepOne = 1,
  kLoadProgram = 2,
  kLoadData = 3,
  kReadProgram = 4,
  kReadData = 5,
  kIncrement = 6,
  kClearStepTwo = 7,
  kBegin = 8,
};

class FlashPicChipTest : public ::testing::Test {
 protected:
  FlashPicChip& Insert(PIC_DEVICES device) {
    writer_.InsertPic(device);
    return *writer_.FlashPic();
  }
  // The longest typical cycle of the family: long enough for every cycle.
  static constexpr uint64_t kLongEnough = 10000;

  // Load, begin, and give the self-timed cycle `micros` before the next command.
  void Program(int loadCommand, uint16_t value, uint64_t micros = kLongEnough) {
    lines_.Load(loadCommand, value);
    lines_.Command(kBegin);
    clock_.AdvanceMicros(micros);
  }
  void GoToConfigWord() {
    lines_.Load(kLoadConfiguration, 0x3FFF);
    lines_.Increment(7);
  }
  void ChipEraseSequence(uint64_t micros) {
    GoToConfigWord();
    lines_.Command(kClearStepOne);
    lines_.Command(kClearStepTwo);
    lines_.Command(kBegin);
    clock_.AdvanceMicros(micros);
    lines_.Command(kClearStepOne);
    lines_.Command(kClearStepTwo);
  }

  VirtualClock clock_;
  SimulatedWriter writer_{clock_};
  PicLineDriver lines_{writer_};
};

TEST_F(FlashPicChipTest, BlankChipReadsAllOnesEverywhere) {
  Insert(PIC16F84);
  lines_.Enter();
  EXPECT_EQ(lines_.Read(kReadProgram), 0x3FFF);
  EXPECT_EQ(lines_.Read(kReadData), 0xFF) << "bits 8-13 of a data read are 0";
  lines_.Load(kLoadConfiguration, 0);
  for (int offset = 0; offset <= 8; ++offset) {
    EXPECT_EQ(lines_.Read(kReadProgram), 0x3FFF) << "0x200" << offset;
    lines_.Increment();
  }
}

TEST_F(FlashPicChipTest, ProgramsProgramDataIdAndConfigurationCells) {
  FlashPicChip& chip = Insert(PIC16F877);
  lines_.Enter();
  lines_.Increment(3);
  Program(kLoadProgram, 0x1ABC);
  Program(kLoadData, 0x3C5);  // only the low byte is taken
  EXPECT_EQ(lines_.Read(kReadProgram), 0x1ABC);
  EXPECT_EQ(lines_.Read(kReadData), 0xC5);
  GoToConfigWord();
  Program(kLoadProgram, 0x3F7A);
  EXPECT_EQ(lines_.Read(kReadProgram), 0x3F7A);
  lines_.Load(kLoadConfiguration, 0x0123);  // back to 0x2000, latched
  lines_.Command(kBegin);
  clock_.AdvanceMicros(kLongEnough);
  EXPECT_EQ(lines_.Read(kReadProgram), 0x0123);

  EXPECT_EQ(chip.Program().Read(3), 0x1ABC);
  EXPECT_EQ(chip.Program().Writes(3), 1U);
  EXPECT_EQ(chip.Data().Read(3), 0xC5);
  EXPECT_EQ(chip.Config().Read(0), 0x3F7A);
  EXPECT_EQ(chip.Ids().Read(0), 0x0123);
  EXPECT_EQ(chip.Counters().completedCycles, 4U);
  EXPECT_EQ(chip.Counters().cutShortCycles, 0U);
}

// Each kind of cycle needs the device's typical time: a word and a data byte
// 4 ms on a PIC16F877, 10 ms on a PIC16F84.
TEST_F(FlashPicChipTest, CycleGivenLessThanItsTypicalTimeLeavesTheCellUnchanged) {
  FlashPicChip& f877 = Insert(PIC16F877);
  lines_.Enter();
  Program(kLoadProgram, 0x0000, 3990);
  Program(kLoadData, 0x00, 3990);
  EXPECT_EQ(lines_.Read(kReadProgram), 0x3FFF);
  EXPECT_EQ(lines_.Read(kReadData), 0xFF);
  Program(kLoadProgram, 0x0000, 4000);
  Program(kLoadData, 0x00, 4000);
  EXPECT_EQ(lines_.Read(kReadProgram), 0x0000);
  EXPECT_EQ(lines_.Read(kReadData), 0x00);
  EXPECT_EQ(f877.Counters().cutShortCycles, 2U);
  EXPECT_EQ(f877.Counters().completedCycles, 2U);

  FlashPicChip& chip = Insert(PIC16F84);
  lines_.Enter();
  Program(kLoadProgram, 0x0000, 9990);
  EXPECT_EQ(lines_.Read(kReadProgram), 0x3FFF);
  Program(kLoadData, 0x00, 0);
  EXPECT_EQ(lines_.Read(kReadData), 0xFF);
  EXPECT_EQ(chip.Counters().cutShortCycles, 2U);

  // VPP and VDD dropping also end the cycle.
  Program(kLoadProgram, 0x0000, 100);
  EXPECT_TRUE(chip.CyclePending());
  lines_.Leave();
  EXPECT_FALSE(chip.CyclePending());
  lines_.Enter();
  Program(kLoadProgram, 0x0000, 100);
  lines_.PowerOff();
  EXPECT_EQ(chip.Program().Read(0), 0x3FFF);
  EXPECT_EQ(chip.Counters().cutShortCycles, 4U);

  lines_.Enter();
  Program(kLoadProgram, 0x0000, 10000);
  lines_.Leave();
  EXPECT_EQ(chip.Program().Read(0), 0x0000) << "a cycle with its time completes when VPP drops";
}

TEST_F(FlashPicChipTest, BeginWithoutALoadDoesNothing) {
  FlashPicChip& chip = Insert(PIC16F84);
  lines_.Enter();
  Program(kLoadProgram, 0x0001);
  lines_.Command(kBegin);  // the latch was used up
  clock_.AdvanceMicros(kLongEnough);
  lines_.Increment();
  EXPECT_EQ(lines_.Read(kReadProgram), 0x3FFF);
  EXPECT_EQ(chip.Counters().beginsWithoutLoad, 1U);
  EXPECT_EQ(chip.Counters().completedCycles, 1U);
}

TEST_F(FlashPicChipTest, EntryNeedsSupplyAndARisingVppWithRb6AndRb7Low) {
  FlashPicChip& chip = Insert(PIC16F84);
  chip.Program().Set(0, 0x1234);

  lines_.Put(PicLineDriver::kMclrVpp);  // VPP without VDD
  EXPECT_FALSE(chip.InProgrammingMode());
  lines_.Put(PicLineDriver::kVdd);  // supply, MCLR at VDD: running
  EXPECT_FALSE(chip.InProgrammingMode());
  EXPECT_EQ(lines_.Read(kReadProgram), 0x3FFF) << "a running chip ignores the clock";

  lines_.Put(PicLineDriver::kVdd | PicLineDriver::kRb6High);
  lines_.Put(PicLineDriver::kProgramming | PicLineDriver::kRb6High);
  EXPECT_FALSE(chip.InProgrammingMode()) << "RB6 high while VPP rose";
  lines_.Put(PicLineDriver::kProgramming);
  EXPECT_FALSE(chip.InProgrammingMode()) << "VPP must rise again";

  lines_.Put(PicLineDriver::kVdd | PicLineDriver::kRb7Open);
  lines_.Put(PicLineDriver::kProgramming | PicLineDriver::kRb7Open);
  EXPECT_FALSE(chip.InProgrammingMode()) << "RB7 released (pulled high) while VPP rose";

  // D3 and D4 both set select GND as well: from there VPP is a rising edge.
  lines_.Put(PicLineDriver::kVdd | PicLineDriver::kMclrGnd | PicLineDriver::kMclrVpp);
  EXPECT_FALSE(chip.InProgrammingMode());
  lines_.Put(PicLineDriver::kProgramming);
  EXPECT_TRUE(chip.InProgrammingMode());
  lines_.Put(PicLineDriver::kVdd | PicLineDriver::kMclrGnd | PicLineDriver::kMclrVpp);
  EXPECT_FALSE(chip.InProgrammingMode());

  lines_.Enter();
  EXPECT_TRUE(chip.InProgrammingMode());
  EXPECT_EQ(lines_.Read(kReadProgram), 0x1234);
  lines_.Put(PicLineDriver::kVdd | PicLineDriver::kMclrGnd);
  EXPECT_FALSE(chip.InProgrammingMode());
  lines_.Enter();
  lines_.Put(PicLineDriver::kMclrVpp);
  EXPECT_FALSE(chip.InProgrammingMode()) << "VDD dropped";
  EXPECT_EQ(chip.Counters().entries, 3U);
}

TEST_F(FlashPicChipTest, EntryResetsBothCounters) {
  FlashPicChip& chip = Insert(PIC16F84);
  chip.Program().Set(0, 0x0100);
  chip.Data().Set(0, 0x42);
  lines_.Enter();
  lines_.Increment(5);
  lines_.Enter();
  EXPECT_EQ(lines_.Read(kReadProgram), 0x0100);
  EXPECT_EQ(lines_.Read(kReadData), 0x42);
  lines_.Load(kLoadConfiguration, 0);
  lines_.Enter();
  EXPECT_EQ(lines_.Read(kReadProgram), 0x0100) << "configuration space is left on entry";
}

TEST_F(FlashPicChipTest, ProgramCounterWrapsInBothSpaces) {
  FlashPicChip& chip = Insert(PIC16F877);
  chip.Program().Set(0, 0x0AAA);
  chip.Program().Set(0x1FFF, 0x0BBB);
  chip.Ids().Set(0, 0x0CCC);
  lines_.Enter();
  lines_.Increment(0x1FFF);
  EXPECT_EQ(lines_.Read(kReadProgram), 0x0BBB);
  lines_.Increment();
  EXPECT_EQ(lines_.Read(kReadProgram), 0x0AAA);
  lines_.Load(kLoadConfiguration, 0);
  lines_.Increment(0x2000);
  EXPECT_EQ(lines_.Read(kReadProgram), 0x0CCC) << "0x3FFF + 1 is 0x2000 again";
}

TEST_F(FlashPicChipTest, SmallerDevicesDecodeTheLowAddressBits) {
  FlashPicChip& chip = Insert(PIC16F84);
  chip.Program().Set(0x005, 0x0555);
  lines_.Enter();
  lines_.Increment(0x405);
  EXPECT_EQ(lines_.Read(kReadProgram), 0x0555);
  Program(kLoadProgram, 0x0666);
  lines_.Leave();
  EXPECT_EQ(chip.Program().Read(0x005), 0x0666);
}

TEST_F(FlashPicChipTest, DataCounterWrapsWithinTheRealDataSize) {
  FlashPicChip& chip = Insert(PIC16F627);
  ASSERT_EQ(chip.Data().Size(), 128);
  chip.Data().Set(0, 0x11);
  chip.Data().Set(100, 0x22);
  lines_.Enter();
  lines_.Increment(100);
  EXPECT_EQ(lines_.Read(kReadData), 0x22);
  lines_.Increment(28);
  EXPECT_EQ(lines_.Read(kReadData), 0x11);
  for (PIC_DEVICES device : {PIC16C84, PIC16F84, PIC16F628, PIC16F873, PIC16F874, PIC16F876, PIC16F877}) {
    writer_.InsertPic(device);
    const int expected = device == PIC16F876 || device == PIC16F877 ? 256 : (device == PIC16C84 || device == PIC16F84 ? 64 : 128);
    EXPECT_EQ(writer_.Pic()->Data().Size(), expected) << kPicDevices[device].displayName;
  }
}

TEST_F(FlashPicChipTest, UnknownCommandsAreIgnored) {
  FlashPicChip& chip = Insert(PIC16F84);
  chip.Program().Set(0, 0x0077);
  lines_.Enter();
  lines_.Command(9);
  lines_.Command(63);
  EXPECT_EQ(lines_.Read(kReadProgram), 0x0077);
  EXPECT_EQ(chip.Counters().unknownCommands, 2U);
}

TEST_F(FlashPicChipTest, ProtectedProgramReadsZeroAndIgnoresWrites) {
  FlashPicChip& chip = Insert(PIC16F84);
  chip.Program().Set(0, 0x1234);
  chip.Data().Set(0, 0x56);
  chip.Ids().Set(0, 0x0ABC);
  chip.Config().Set(0, 0x000F);  // bits 4-13 cleared
  EXPECT_TRUE(chip.IsCodeProtected());
  EXPECT_FALSE(chip.IsDataProtected()) << "PIC16F84 has no data protection bit";
  lines_.Enter();
  EXPECT_EQ(lines_.Read(kReadProgram), 0x0000);
  EXPECT_EQ(lines_.Read(kReadData), 0x56);
  Program(kLoadProgram, 0x0000);
  EXPECT_EQ(lines_.Read(kReadProgram), 0x0000);
  EXPECT_EQ(chip.Program().Read(0), 0x1234);
  EXPECT_EQ(chip.Counters().ignoredWrites, 1U);
  lines_.Load(kLoadConfiguration, 0);
  EXPECT_EQ(lines_.Read(kReadProgram), 0x0ABC) << "IDs stay readable";
  lines_.Increment(7);
  EXPECT_EQ(lines_.Read(kReadProgram), 0x000F) << "so does the configuration word";
  Program(kLoadProgram, 0x3FFF);
  EXPECT_EQ(lines_.Read(kReadProgram), 0x000F) << "only a chip erase sets protection bits again";
}

TEST_F(FlashPicChipTest, SixteenC84ProtectsWithBitFour) {
  FlashPicChip& chip = Insert(PIC16C84);
  chip.Config().Set(0, 0x3FEF);
  EXPECT_TRUE(chip.IsCodeProtected());
  chip.Config().Set(0, 0x001F);
  EXPECT_FALSE(chip.IsCodeProtected()) << "bits 5-13 are not protection bits on the 16C84";
}

struct RangeCase {
  PIC_DEVICES device;
  uint16_t config;
  int32_t protectedFrom;
};

TEST_F(FlashPicChipTest, ProtectionRangesFollowTheProtectionPairs) {
  const RangeCase cases[] = {
      {PIC16F627, 0x3FFF, 0x400}, {PIC16F627, 0x3FFF & 0xC3FF, 0x000}, {PIC16F627, 0x3FFF & 0xD7FF, 0x200},
      {PIC16F627, 0x3FFF & 0xEBFF, 0x400},  // pair 10 leaves the 16F627 unprotected
      {PIC16F628, 0x3FFF & 0xC3FF, 0x000}, {PIC16F628, 0x3FFF & 0xD7FF, 0x200}, {PIC16F628, 0x3FFF & 0xEBFF, 0x400},
      {PIC16F873, 0x3FFF & 0xCFCF, 0x000}, {PIC16F873, 0x3FFF & 0xDFDF, 0x800}, {PIC16F873, 0x3FFF & 0xEFEF, 0xF00},
      {PIC16F877, 0x3FFF & 0xCFCF, 0x0000}, {PIC16F877, 0x3FFF & 0xDFDF, 0x1000},
      {PIC16F877, 0x3FFF & 0xEFEF, 0x1F00},
      {PIC16F877, 0x3FFF & 0xFFDF, 0x1000},  // mixed pairs: the most protective wins
      {PIC16F877, 0x3FFF & 0xFEFF, 0x2000},  // CPD alone protects no program memory
  };
  for (const RangeCase& range : cases) {
    SCOPED_TRACE(::testing::Message() << kPicDevices[range.device].displayName << " config " << std::hex
                                      << range.config);
    FlashPicChip& chip = Insert(range.device);
    const int32_t last = chip.Program().Size() - 1;
    chip.Program().Fill(0x0155);
    chip.Config().Set(0, range.config);
    EXPECT_EQ(chip.ProtectedFrom(), range.protectedFrom);
    lines_.Enter();
    if (range.protectedFrom > 0) {
      lines_.Increment(range.protectedFrom - 1);
      EXPECT_EQ(lines_.Read(kReadProgram), 0x0155) << "the word below the range";
      lines_.Increment();
    }
    if (range.protectedFrom <= last) {
      EXPECT_EQ(lines_.Read(kReadProgram), 0x0000) << "the first protected word";
      lines_.Increment(last - range.protectedFrom);
      EXPECT_EQ(lines_.Read(kReadProgram), 0x0000) << "the last word";
    }
  }
}

TEST_F(FlashPicChipTest, DataProtectionBlanksTheDataEeprom) {
  FlashPicChip& chip = Insert(PIC16F877);
  chip.Data().Set(0, 0x5A);
  chip.Program().Set(0, 0x0123);
  chip.Config().Set(0, 0x3FFF & 0xFEFF);
  EXPECT_TRUE(chip.IsDataProtected());
  EXPECT_FALSE(chip.IsCodeProtected());
  lines_.Enter();
  EXPECT_EQ(lines_.Read(kReadData), 0x00);
  EXPECT_EQ(lines_.Read(kReadProgram), 0x0123);
  Program(kLoadData, 0x00);
  EXPECT_EQ(chip.Data().Read(0), 0x5A);
}

TEST_F(FlashPicChipTest, ChipEraseClearsEverythingAndTheProtection) {
  FlashPicChip& chip = Insert(PIC16F877);
  chip.Program().Fill(0x0000);
  chip.Data().Fill(0x00);
  chip.Ids().Fill(0x0000);
  chip.Config().Set(0, 0x0000);
  lines_.Enter();
  ChipEraseSequence(kLongEnough);
  EXPECT_EQ(chip.Counters().chipErases, 1U);
  EXPECT_FALSE(chip.IsCodeProtected());
  EXPECT_FALSE(chip.IsDataProtected());
  for (int32_t i = 0; i < chip.Program().Size(); ++i) ASSERT_EQ(chip.Program().Read(i), 0x3FFF) << i;
  for (int32_t i = 0; i < chip.Data().Size(); ++i) ASSERT_EQ(chip.Data().Read(i), 0xFF) << i;
  for (int32_t i = 0; i < 4; ++i) EXPECT_EQ(chip.Ids().Read(i), 0x3FFF);
  EXPECT_EQ(chip.Config().Read(0), 0x3FFF);

  // The closing pair ended the erase mode: the next cycle programs a word.
  lines_.Load(kLoadConfiguration, 0x0042);
  lines_.Command(kBegin);
  clock_.AdvanceMicros(kLongEnough);
  EXPECT_EQ(lines_.Read(kReadProgram), 0x0042);
  EXPECT_EQ(chip.Counters().chipErases, 1U);
}

TEST_F(FlashPicChipTest, ChipEraseNeedsItsTimeAndTheConfigurationAddress) {
  FlashPicChip& chip = Insert(PIC16F84);
  chip.Program().Set(0, 0x0000);
  chip.Config().Set(0, 0x000F);
  lines_.Enter();
  ChipEraseSequence(9990);
  EXPECT_EQ(chip.Counters().chipErases, 0U);
  EXPECT_EQ(chip.Counters().cutShortCycles, 1U);
  EXPECT_TRUE(chip.IsCodeProtected());

  // The pair at another address does not arm the erase.
  lines_.Enter();
  lines_.Load(kLoadConfiguration, 0x3FFF);
  lines_.Increment(6);
  lines_.Command(kClearStepOne);
  lines_.Command(kClearStepTwo);
  lines_.Increment();
  lines_.Command(kBegin);
  clock_.AdvanceMicros(kLongEnough);
  lines_.Command(kIncrement);
  EXPECT_EQ(chip.Counters().chipErases, 0U);
  EXPECT_EQ(chip.Program().Read(0), 0x0000);
  EXPECT_EQ(chip.Config().Read(0), 0x000F) << "the load went to 0x2000, not the configuration word";

  lines_.Enter();
  ChipEraseSequence(10000);
  EXPECT_EQ(chip.Counters().chipErases, 1U);
  EXPECT_EQ(chip.Program().Read(0), 0x3FFF);
}

TEST_F(FlashPicChipTest, StuckBitsShowInEverySpace) {
  FlashPicChip& chip = Insert(PIC16F84);
  chip.Program().StickBits(1, 0x0001, 0x0000);
  chip.Data().StickBits(2, 0x00, 0x80);
  chip.Ids().StickBits(3, 0x2000, 0x0000);
  chip.Config().StickBits(0, 0x0000, 0x0000);
  chip.Config().StickBits(0, 0x0004, 0x0000);
  lines_.Enter();
  lines_.Increment();
  Program(kLoadProgram, 0x00FF);
  EXPECT_EQ(lines_.Read(kReadProgram), 0x00FE);
  lines_.Increment();
  Program(kLoadData, 0x01);
  EXPECT_EQ(lines_.Read(kReadData), 0x81);
  lines_.Load(kLoadConfiguration, 0);
  lines_.Increment(3);
  EXPECT_EQ(lines_.Read(kReadProgram), 0x1FFF);
  lines_.Increment(4);
  EXPECT_EQ(lines_.Read(kReadProgram), 0x3FFB);
  EXPECT_EQ(chip.Program().Stored(1), 0x00FF);
}

TEST_F(FlashPicChipTest, FadingCellVerifiesFirstAndFailsAfterReentry) {
  FlashPicChip& chip = Insert(PIC16F84);
  chip.Program().SetFading(2, 0x0010);
  lines_.Enter();
  lines_.Increment(2);
  Program(kLoadProgram, 0x0000);
  EXPECT_EQ(lines_.Read(kReadProgram), 0x0000);
  lines_.Enter();
  lines_.Increment(2);
  EXPECT_EQ(lines_.Read(kReadProgram), 0x0010);
}

}  // namespace
}  // namespace tarvel

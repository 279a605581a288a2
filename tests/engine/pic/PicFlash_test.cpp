#include <gtest/gtest.h>

#include "PicOnWriter.h"
#include "sim/FlashPicChip.h"

namespace tarvel {
namespace {

using test::IsResult;

class FlashFamily : public test::PicOnWriter {};

class FlashDevice : public test::PicOnWriter, public ::testing::WithParamInterface<PIC_DEVICES> {};

INSTANTIATE_TEST_SUITE_P(Groups, FlashDevice,
                         ::testing::Values(PIC16C84, PIC16F84, PIC16F627, PIC16F628, PIC16F873,
                                           PIC16F877));

TEST_P(FlashDevice, FullProgramAndDataImagesWriteReadAndCompareEqual) {
  Use(GetParam());
  const auto program = Pattern(pic.LastAddress() + 1, 0x3FFF);
  LoadImage(program);
  EXPECT_TRUE(IsResult(pic.WriteProgram(), prSuccess));
  EXPECT_TRUE(LeftRunning());
  for (int32_t i = 0; i <= pic.LastAddress(); ++i) ASSERT_EQ(Chip().Program().Stored(i), program[i]) << i;
  EXPECT_TRUE(IsResult(pic.CompareProg(), prCompareMatch));
  ClearImage();
  pic.ReadProgram();
  for (int32_t i = 0; i <= pic.LastAddress(); ++i) ASSERT_EQ(pic.GetData(i), program[i]) << i;

  const auto data = Pattern(pic.DataLastAddress() + 1, 0xFF, 7);
  LoadImage(data);
  EXPECT_TRUE(IsResult(pic.WriteData(), prSuccess));
  EXPECT_TRUE(IsResult(pic.CompareData(), prDataCompareMatch));
  ClearImage();
  pic.ReadDat();
  for (int32_t i = 0; i <= pic.DataLastAddress(); ++i) {
    ASSERT_EQ(pic.GetData(i), data[i]) << i;
    ASSERT_EQ(Chip().Data().Stored(i), data[i]) << i;
  }
  EXPECT_TRUE(messages.boxes.empty());
}

TEST_P(FlashDevice, ConfigurationWriteForcesTheProtectionBitsToUnprotected) {
  Use(GetParam());
  pic.Fuse = 0x0000;
  const bool c84 = GetParam() == PIC16C84 || GetParam() == PIC16F84;
  const bool f62x = GetParam() == PIC16F627 || GetParam() == PIC16F628;
  const int32_t forced = c84 ? 0xFFF0 : f62x ? 0x3D00 : 0x3530;
  EXPECT_TRUE(IsResult(pic.WriteConfig(), prSuccess));
  EXPECT_EQ(Chip().Config().Stored(0), forced & 0x3FFF);
  EXPECT_FALSE(Chip().IsCodeProtected());
  EXPECT_FALSE(pic.IsCodeProtected());
  pic.Fuse = 0;
  pic.ReadConfig();
  EXPECT_EQ(pic.Fuse, forced & 0x3FFF);
}

TEST_F(FlashFamily, SparseImageLeavesEmptyCellsAloneUnlessFillingIsOn) {
  Use(PIC16F84);
  for (int32_t i = 0; i < 0x400; ++i) Chip().Program().Set(i, 0x0123);
  ClearImage();
  Mark(0x010, 0x2800);
  Mark(0x3FF, 0x0000);
  EXPECT_TRUE(IsResult(pic.WriteProgram(), prSuccess));
  EXPECT_EQ(Chip().Program().Stored(0x010), 0x2800);
  EXPECT_EQ(Chip().Program().Stored(0x3FF), 0x0000);
  EXPECT_EQ(Chip().Program().Stored(0x011), 0x0123);
  EXPECT_EQ(Chip().Program().TotalWrites(), 2u);

  pic.FillUpEnable = true;
  pic.FillUpData = 0x3FFF;
  EXPECT_TRUE(IsResult(pic.WriteProgram(), prSuccess));
  EXPECT_EQ(Chip().Program().Stored(0x010), 0x2800);
  EXPECT_EQ(Chip().Program().Stored(0x011), 0x3FFF);
  EXPECT_EQ(Chip().Program().Stored(0x000), 0x3FFF);
  // The flash compare never looks at empty cells, filled or not.
  Chip().Program().Set(0x011, 0x0000);
  EXPECT_TRUE(IsResult(pic.CompareProg(), prCompareMatch));
}

TEST_F(FlashFamily, CellsAlreadyHoldingTheirWordAreSkippedUnlessOverwriting) {
  Use(PIC16F628);
  const auto program = Pattern(0x800, 0x3FFF, 3);
  for (int32_t i = 0; i < 0x800; ++i) Chip().Program().Set(i, static_cast<uint16_t>(program[i]));
  LoadImage(program);
  EXPECT_TRUE(IsResult(pic.WriteProgram(), prSuccess));
  EXPECT_EQ(Chip().Program().TotalWrites(), 0u);
  EXPECT_EQ(Chip().Counters().completedCycles, 0u);

  pic.OverWriteEnable = true;
  EXPECT_TRUE(IsResult(pic.WriteProgram(), prSuccess));
  for (int32_t i = 0; i < 0x800; ++i) ASSERT_EQ(Chip().Program().Writes(i), 1u) << i;
}

TEST_F(FlashFamily, IdWordsRoundTripAsText) {
  Use(PIC16F877);
  pic.SetIDStr("ABC");
  EXPECT_TRUE(IsResult(pic.WriteID(), prSuccess));
  EXPECT_EQ(Chip().Ids().Stored(0), 0x1050);
  EXPECT_EQ(Chip().Ids().Stored(3), 0x2020);
  pic.SetIDStr("");
  pic.ReadID();
  EXPECT_EQ(pic.GetIDStr(), "ABC    ");
}

TEST_F(FlashFamily, EraseClearsEverythingIncludingProtection) {
  Use(PIC16F877);
  LoadImage(Pattern(0x2000, 0x3FFF));
  ASSERT_TRUE(IsResult(pic.WriteProgram(), prSuccess));
  LoadImage(Pattern(0x100, 0xFF));
  ASSERT_TRUE(IsResult(pic.WriteData(), prSuccess));
  pic.SetIDStr("tarvel");
  ASSERT_TRUE(IsResult(pic.WriteID(), prSuccess));
  ASSERT_TRUE(IsResult(pic.CodeProtect(0, 1), prProtectSuccess));
  ASSERT_TRUE(Chip().IsCodeProtected());
  ASSERT_TRUE(Chip().IsDataProtected());
  EXPECT_FALSE(pic.IsErased());

  EXPECT_TRUE(IsResult(pic.Erase(), prEraseSuccess));
  EXPECT_TRUE(pic.IsErased());
  EXPECT_FALSE(pic.IsCodeProtected());
  EXPECT_EQ(Chip().Config().Stored(0), 0x3FFF);
  EXPECT_EQ(Chip().Program().Stored(0x1FFF), 0x3FFF);
  EXPECT_EQ(Chip().Data().Stored(0xFF), 0xFF);
  EXPECT_EQ(Chip().Ids().Stored(0), 0x3FFF);
  EXPECT_TRUE(LeftRunning());
}

TEST_F(FlashFamily, EraseFailsWhenADataByteWillNotTakeOnes) {
  Use(PIC16F84);
  Chip().Data().StickBits(5, 0x01, 0);
  EXPECT_TRUE(IsResult(pic.Erase(), prEraseError));
  EXPECT_TRUE(LeftRunning());
}

TEST_F(FlashFamily, EraseFailsWhenTheChipIsNotBlankAfterwards) {
  Use(PIC16C84);
  Chip().Program().StickBits(0x200, 0x0100, 0);
  EXPECT_TRUE(IsResult(pic.Erase(), prEraseError));
}

TEST_F(FlashFamily, BlankCheckCoversProgramDataAndIdWords) {
  Use(PIC16F84);
  EXPECT_TRUE(pic.IsErased());
  Chip().Data().Set(0x3F, 0xFE);
  EXPECT_FALSE(pic.IsErased());
  Chip().Data().Set(0x3F, 0xFF);
  Chip().Ids().Set(3, 0x0000);
  EXPECT_FALSE(pic.IsErased());
  Chip().Ids().Set(3, 0x3FFF);
  // The configuration word is not part of the blank check.
  Chip().Config().Set(0, 0x3FF1);
  EXPECT_TRUE(pic.IsErased());
  EXPECT_TRUE(LeftRunning());
}

struct ProtectCase {
  PIC_DEVICES device;
  int32_t level;
  int32_t data;
  uint16_t before;
  uint16_t after;
  bool protectedBefore;
};

class FlashProtect : public test::PicOnWriter, public ::testing::WithParamInterface<ProtectCase> {};

INSTANTIATE_TEST_SUITE_P(
    Levels, FlashProtect,
    ::testing::Values(ProtectCase{PIC16C84, 2, 1, 0x3FFF, 0x3FEF, false},
                      ProtectCase{PIC16F84, 0, 0, 0x3FFF, 0x000F, false},
                      ProtectCase{PIC16F84, 5, 1, 0x3FF9, 0x0009, false},
                      ProtectCase{PIC16F627, 0, 0, 0x3FFF, 0x03FF, false},
                      ProtectCase{PIC16F627, 1, 0, 0x3FFF, 0x17FF, false},
                      ProtectCase{PIC16F627, 1, 0, 0x03FF, 0x03FF, true},
                      ProtectCase{PIC16F628, 2, 1, 0x3FFF, 0x2AFF, false},
                      ProtectCase{PIC16F628, 3, 1, 0x3FFF, 0x3EFF, false},
                      ProtectCase{PIC16F877, 1, 0, 0x3FFF, 0x1FDF, false},
                      ProtectCase{PIC16F877, 0, 1, 0x3FFF, 0x0ECF, false},
                      ProtectCase{PIC16F873, 2, 0, 0x3FFF, 0x2FEF, false},
                      ProtectCase{PIC16F873, 3, 1, 0x3FFF, 0x3EFF, false}));

TEST_P(FlashProtect, ProgramsTheDevicesProtectionWordAndReportsItProtected) {
  const ProtectCase& c = GetParam();
  Use(c.device);
  Chip().Config().Set(0, c.before);
  EXPECT_EQ(pic.IsCodeProtected(), c.protectedBefore);
  EXPECT_TRUE(IsResult(pic.CodeProtect(c.level, c.data), prProtectSuccess));
  // A protection bit once cleared stays so on the chip until it is erased.
  EXPECT_EQ(Chip().Config().Stored(0), c.after);
  EXPECT_TRUE(pic.IsCodeProtected());
  EXPECT_TRUE(Chip().IsCodeProtected() || Chip().IsDataProtected());
  EXPECT_TRUE(LeftRunning());
}

// Code protection reads the word back: a protection bit that stays 1 is a
// failed configuration write, never a success.
TEST_F(FlashFamily, ProtectionThatDoesNotTakeIsReported) {
  Use(PIC16F877);
  Chip().Config().StickBits(0, 0, 0x2000);
  EXPECT_TRUE(IsResult(pic.CodeProtect(0, 0), prConfigWriteError, 0x2007, 0x0FCF, 0x2FCF));
  EXPECT_TRUE(LeftRunning());

  Use(PIC16F84);
  writer.RemoveTarget();
  EXPECT_TRUE(IsResult(pic.CodeProtect(0, 0), prConfigWriteError, 0x2007, 0x000F, 0x3FFF));
}

TEST_F(FlashFamily, ProtectedMemoryComparesAsZeros) {
  Use(PIC16F84);
  LoadImage(Pattern(0x400, 0x3FFF));
  ASSERT_TRUE(IsResult(pic.WriteProgram(), prSuccess));
  ASSERT_TRUE(IsResult(pic.CodeProtect(0, 0), prProtectSuccess));
  const TPicWriteResult result = pic.CompareProg();
  EXPECT_EQ(result.Code, prCompareMismatch);
  EXPECT_EQ(result.ReadValue, 0);
}

TEST_F(FlashFamily, StuckProgramBitFailsTheFirstPassAtItsAddress) {
  Use(PIC16F877);
  Chip().Program().StickBits(0x1234, 0, 0x0001);
  LoadImage(Pattern(0x2000, 0x3FFF));
  pic.SetData(0x1234, 0x2AAA);
  EXPECT_TRUE(IsResult(pic.WriteProgram(), prWriteError, 0x1234, 0x2AAA, 0x2AAB));
  EXPECT_EQ(Chip().Program().Writes(0x1235), 0u);  // cells after it are not written
  EXPECT_TRUE(LeftRunning());
}

TEST_F(FlashFamily, FadingProgramBitFailsTheVerifyingPass) {
  Use(PIC16F84);
  Chip().Program().SetFading(0x1FF, 0x0400);
  ClearImage();
  Mark(0x1FF, 0x0000);
  Mark(0x200, 0x1111);
  EXPECT_TRUE(IsResult(pic.WriteProgram(), prVerifyError, 0x1FF, 0x0000, 0x0400));
}

TEST_F(FlashFamily, DeviceIdCheckTellsAnEmptySocketAndAnotherChipFromTheRightOne) {
  Use(PIC16F628);
  writer.FlashPic()->SetRevision(0x13);
  EXPECT_TRUE(IsResult(pic.CheckDeviceID(), prSuccess)) << "the revision bits do not count";
  EXPECT_TRUE(LeftRunning());
  EXPECT_EQ(Chip().Counters().commands, 8u) << "load configuration, six increments, one read";

  writer.InsertPic(PIC16F877);
  EXPECT_TRUE(IsResult(pic.CheckDeviceID(), prOtherDevice, 0x2006, 0x07C0, 0x09A0));
  writer.RemoveTarget();
  EXPECT_TRUE(IsResult(pic.CheckDeviceID(), prNoDevice, 0x2006, 0x07C0, 0x3FFF));

  // Chips without an ID word are not asked: an all-ones word proves nothing.
  for (PIC_DEVICES device : {PIC16F84, PIC16C84, PIC16C711, PIC12C509}) {
    pic.SetDevice(device);
    const uint64_t accesses = writer.Accesses();
    EXPECT_TRUE(IsResult(pic.CheckDeviceID(), prSuccess)) << kPicDevices[device].displayName;
    EXPECT_EQ(writer.Accesses(), accesses);
  }
}

TEST_F(FlashFamily, DataFailuresReportTheByteAddress) {
  // The PIC16F628's data EEPROM has 128 bytes, up to 0x7F.
  Use(PIC16F628);
  Chip().Data().StickBits(0x7F, 0x80, 0);
  LoadImage(std::vector<int32_t>(0x80, 0xC3));
  EXPECT_TRUE(IsResult(pic.WriteData(), prWriteError, 0x7F, 0xC3, 0x43));
  EXPECT_EQ(Chip().Data().Read(0x7E), 0xC3);

  Chip().Data().ClearFaults();
  Chip().Data().SetFading(0x20, 0x0F);
  EXPECT_TRUE(IsResult(pic.WriteData(), prVerifyError, 0x20, 0xC3, 0xCF));
}

TEST_F(FlashFamily, DataCompareMismatchNamesTheByte) {
  Use(PIC16F84);
  LoadImage(std::vector<int32_t>(0x40, 0xFF));
  pic.SetData(0x3E, 0x12);
  EXPECT_TRUE(IsResult(pic.CompareData(), prDataCompareMismatch, 0x3E, 0x12, 0xFF));
  EXPECT_TRUE(LeftRunning());
}

TEST_F(FlashFamily, ProgramCompareMismatchNamesTheWord) {
  Use(PIC16F877);
  Chip().Program().Set(0x1FFE, 0x0000);
  LoadImage(std::vector<int32_t>(0x2000, 0x3FFF));
  EXPECT_TRUE(IsResult(pic.CompareProg(), prCompareMismatch, 0x1FFE, 0x3FFF, 0x0000));
}

// Given a list, a compare reads on to the end and lists every difference;
// its result still names the first one.
TEST_F(FlashFamily, CompareWithAListRecordsEveryDifference) {
  Use(PIC16F877);
  for (int32_t address : {0x0005, 0x0100, 0x1FFF}) Chip().Program().Set(address, 0x0000);
  LoadImage(std::vector<int32_t>(0x2000, 0x3FFF));
  pic.SetOX(0x0100, '-');
  ImageDifferences differences;
  pic.Differences = &differences;
  EXPECT_TRUE(IsResult(pic.CompareProg(), prCompareMismatch, 0x0005, 0x3FFF, 0x0000));
  ASSERT_EQ(differences.size(), 2u) << "the blank cell is not compared";
  EXPECT_EQ(differences[1].Address, 0x1FFF);
  EXPECT_EQ(differences[1].WantedValue, 0x3FFF);
  EXPECT_EQ(differences[1].ReadValue, 0x0000);
  EXPECT_TRUE(LeftRunning());

  differences.clear();
  LoadImage(std::vector<int32_t>(0x100, 0xFF));
  pic.SetData(0x00, 0x12);
  pic.SetData(0xFF, 0x34);
  EXPECT_TRUE(IsResult(pic.CompareData(), prDataCompareMismatch, 0x00, 0x12, 0xFF));
  ASSERT_EQ(differences.size(), 2u);
  EXPECT_EQ(differences[1].Address, 0xFF);
}

TEST_F(FlashFamily, IdAndConfigurationFailuresReportTheirAddresses) {
  Use(PIC16F877);
  Chip().Ids().StickBits(2, 0x0001, 0);
  pic.SetID(0, 1);
  pic.SetID(1, 2);
  pic.SetID(2, 3);
  pic.SetID(3, 4);
  EXPECT_TRUE(IsResult(pic.WriteID(), prIDWriteError, 0x2002, 3, 2));
  Chip().Ids().ClearFaults();
  Chip().Ids().SetFading(3, 0x0100);
  EXPECT_TRUE(IsResult(pic.WriteID(), prIDVerifyError, 0x2003, 4, 0x0104));

  pic.Fuse = 0x3F3A;  // wanted 0x3F3A; bit 3 is compared on the PIC16F87x
  Chip().Config().StickBits(0, 0x0008, 0);
  EXPECT_TRUE(IsResult(pic.WriteConfig(), prConfigWriteError, 0x2007, 0x3F3A, 0x3F32));
  Chip().Config().ClearFaults();
  Chip().Config().SetFading(0, 0x0002);
  Chip().Config().Set(0, 0x3FFF);
  pic.Fuse = 0x3F38;
  EXPECT_TRUE(IsResult(pic.WriteConfig(), prConfigVerifyError, 0x2007, 0x3F38, 0x3F3A));
}

TEST_F(FlashFamily, ConfigurationBitsOutsideTheComparedOnesMayDiffer) {
  Use(PIC16F84);
  pic.Fuse = 0x0005;
  Chip().Config().StickBits(0, 0, 0x0400);  // bit 10 is not compared on the PIC16F84
  EXPECT_TRUE(IsResult(pic.WriteConfig(), prSuccess));
  EXPECT_EQ(Chip().Config().Stored(0), 0x3FF5);
}

TEST_F(FlashFamily, WordsWiderThanTheCellFailBeforeTheCellIsTouched) {
  Use(PIC16F84);
  ClearImage();
  Mark(0, 0x0001);
  Mark(1, 0x4001);
  EXPECT_TRUE(IsResult(pic.WriteProgram(), prWriteError, 1, 0x4001, 0x3FFF));
  EXPECT_EQ(Chip().Program().Writes(1), 0u);
  EXPECT_EQ(Chip().Program().Stored(0), 0x0001);

  ClearImage();
  Mark(0x10, 0x1FF);
  EXPECT_TRUE(IsResult(pic.WriteData(), prWriteError, 0x10, 0x1FF, 0xFF));
  EXPECT_EQ(Chip().Data().Writes(0x10), 0u);

  pic.SetID(0, -1);
  EXPECT_TRUE(IsResult(pic.WriteID(), prIDWriteError, 0x2000, -1, 0x3FFF));
  EXPECT_TRUE(LeftRunning());
}

TEST_F(FlashFamily, TooShortAProgrammingWaitFailsTheWrite) {
  Use(PIC16F877);
  pic.WaitTime = 1;  // a few microseconds instead of milliseconds
  LoadImage({0x1234});
  EXPECT_TRUE(IsResult(pic.WriteProgram(), prWriteError, 0, 0x1234, 0x3FFF));
  EXPECT_GT(Chip().Counters().cutShortCycles, 0u);
}

TEST_F(FlashFamily, UncalibratedWaitFallsBackOnTheTickCounter) {
  Use(PIC16C84);
  pic.WaitTime = 0;
  LoadImage(Pattern(0x20, 0x3FFF));
  EXPECT_TRUE(IsResult(pic.WriteProgram(), prSuccess));
  EXPECT_EQ(Chip().Counters().cutShortCycles, 0u);
}

}  // namespace
}  // namespace tarvel

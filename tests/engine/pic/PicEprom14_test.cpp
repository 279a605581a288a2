#include <gtest/gtest.h>

#include "PicOnWriter.h"
#include "sim/PicCells.h"

namespace tarvel {
namespace {

using test::IsResult;

class Eprom14Family : public test::PicOnWriter {};

class Eprom14Device : public test::PicOnWriter, public ::testing::WithParamInterface<PIC_DEVICES> {};

INSTANTIATE_TEST_SUITE_P(Groups, Eprom14Device,
                         ::testing::Values(PIC16C61, PIC16C620, PIC16C74, PIC16C711, PIC16C773,
                                           PIC16C924));

TEST_P(Eprom14Device, FullImageWritesReadsAndComparesEqual) {
  Use(GetParam());
  const auto program = Pattern(pic.LastAddress() + 1, 0x3FFF, 5);
  LoadImage(program);
  EXPECT_TRUE(IsResult(pic.WriteProgram(), prSuccess));
  EXPECT_TRUE(LeftRunning());
  for (int32_t i = 0; i <= pic.LastAddress(); ++i) ASSERT_EQ(Chip().Program().Stored(i), program[i]) << i;
  EXPECT_TRUE(IsResult(pic.CompareProg(), prCompareMatch));
  ClearImage();
  pic.ReadProgram();
  for (int32_t i = 0; i <= pic.LastAddress(); ++i) ASSERT_EQ(pic.GetData(i), program[i]) << i;
  EXPECT_FALSE(pic.IsErased());
}

TEST_P(Eprom14Device, ConfigurationAndIdsLandWithTheForcedBits) {
  Use(GetParam());
  const bool c77x = GetParam() == PIC16C773;
  pic.Fuse = 0x0000;
  EXPECT_TRUE(IsResult(pic.WriteConfig(), prSuccess));
  EXPECT_EQ(Chip().Config().Stored(0), c77x ? 0x33B0 : 0x3F30);
  pic.Fuse = 0;
  pic.ReadConfig();
  EXPECT_EQ(pic.Fuse, c77x ? 0x33B0 : 0x3F30);

  pic.SetIDStr("V1.2");
  EXPECT_TRUE(IsResult(pic.WriteID(), prSuccess));
  for (int k = 0; k < 4; ++k) EXPECT_EQ(Chip().Ids().Stored(k), pic.GetID(k));
  pic.SetIDStr("");
  pic.ReadID();
  EXPECT_EQ(pic.GetIDStr(), "V1.2   ");
  EXPECT_TRUE(LeftRunning());
}

TEST_F(Eprom14Family, PulseCountsFollowHowManyPulsesTheCellNeeds) {
  struct Case {
    uint32_t needed;
    uint32_t pulses;
    bool takes;
  };
  const Case cases[] = {{1, 4, true},   {24, 27, true},  {25, 25, true},
                        {26, 26, true}, {27, 26, false}, {PicCells::kNeverTakes, 26, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.needed);
    Use(PIC16C620);
    Chip().Program().SetPulsesNeeded(0x100, c.needed);
    ClearImage();
    Mark(0x100, 0x1234);
    const TPicWriteResult result = pic.WriteProgram();
    EXPECT_EQ(Chip().Program().Writes(0x100), c.pulses);
    EXPECT_EQ(Chip().Counters().shortPulses, 0u);
    if (c.takes) {
      EXPECT_TRUE(IsResult(result, prSuccess));
    } else {
      EXPECT_TRUE(IsResult(result, prWriteError, 0x100, 0x1234, 0x3FFF));
    }
  }
}

TEST_F(Eprom14Family, SparseImageSkipsCellsThatAlreadyHoldTheirWord) {
  Use(PIC16C622);
  Chip().Program().Set(0x10, 0x2800);
  ClearImage();
  Mark(0x10, 0x2800);
  Mark(0x11, 0x0000);
  EXPECT_TRUE(IsResult(pic.WriteProgram(), prSuccess));
  EXPECT_EQ(Chip().Program().Writes(0x10), 0u);
  EXPECT_EQ(Chip().Program().Writes(0x11), 4u);
  EXPECT_EQ(Chip().Program().TotalWrites(), 4u);

  pic.OverWriteEnable = true;
  EXPECT_TRUE(IsResult(pic.WriteProgram(), prSuccess));
  EXPECT_EQ(Chip().Program().Writes(0x10), 4u);
  EXPECT_EQ(Chip().Program().Writes(0x11), 8u);
}

TEST_F(Eprom14Family, FillingProgramsAndComparesEmptyCells) {
  Use(PIC16C620);
  ClearImage();
  Mark(0, 0x0001);
  pic.FillUpEnable = true;
  pic.FillUpData = 0x3FFF;
  EXPECT_TRUE(IsResult(pic.WriteProgram(), prSuccess));
  // Blank cells already hold the fill word, so only word 0 was pulsed.
  EXPECT_EQ(Chip().Program().TotalWrites(), 4u);

  Chip().Program().Set(5, 0x0000);
  EXPECT_TRUE(IsResult(pic.CompareProg(), prCompareMismatch, 5, 0x3FFF, 0x0000));
  pic.FillUpEnable = false;
  EXPECT_TRUE(IsResult(pic.CompareProg(), prCompareMatch));
}

TEST_F(Eprom14Family, ConfigurationWordGetsItsRepeatedCycles) {
  Use(PIC16C74);
  pic.Fuse = 0x3FB1;
  EXPECT_TRUE(IsResult(pic.WriteConfig(), prSuccess));
  EXPECT_EQ(Chip().Config().Writes(0), 4u);  // later cycles find it programmed

  Use(PIC16C74);
  pic.OverWriteEnable = true;
  EXPECT_TRUE(IsResult(pic.WriteConfig(), prSuccess));
  EXPECT_EQ(Chip().Config().Writes(0), 100u);
}

// The configuration dialog's words carry bits 14 and 15, which the cell
// cannot hold; the cycles still stop once the cell reads back.
TEST_F(Eprom14Family, ConfigurationWordFromTheDialogIsNotPulsedToTheLimit) {
  Use(PIC16C77);
  pic.Fuse = 0xFFB1;
  EXPECT_TRUE(IsResult(pic.WriteConfig(), prSuccess));
  EXPECT_EQ(Chip().Config().Stored(0), 0x3FB1);
  EXPECT_EQ(Chip().Config().Writes(0), 4u);

  Use(PIC16C77);
  pic.OverWriteEnable = true;
  EXPECT_TRUE(IsResult(pic.WriteConfig(), prSuccess));
  EXPECT_EQ(Chip().Config().Writes(0), 100u);

  Chip().Config().StickBits(0, 0x0001, 0);
  EXPECT_TRUE(IsResult(pic.WriteConfig(), prConfigWriteError, 0x2007, 0xFFB1, 0x3FB0));
}

struct ProtectCase {
  PIC_DEVICES device;
  int32_t level;
  uint16_t after;
};

class Eprom14Protect : public test::PicOnWriter, public ::testing::WithParamInterface<ProtectCase> {};

INSTANTIATE_TEST_SUITE_P(Levels, Eprom14Protect,
                         ::testing::Values(ProtectCase{PIC16C77, 0, 0x00CF},
                                           ProtectCase{PIC16C77, 1, 0x15DF},
                                           ProtectCase{PIC16C77, 2, 0x2AEF},
                                           ProtectCase{PIC16C77, 3, 0x3FFF},
                                           ProtectCase{PIC16C711, 2, 0x004F},
                                           ProtectCase{PIC16C61, 3, 0x3FEF},
                                           ProtectCase{PIC16C74, 1, 0x3FDF},
                                           ProtectCase{PIC16C773, 0, 0x0CCF},
                                           ProtectCase{PIC16C773, 2, 0x2EEF}));

TEST_P(Eprom14Protect, ProgramsTheDevicesProtectionWord) {
  const ProtectCase& c = GetParam();
  Use(c.device);
  EXPECT_TRUE(IsResult(pic.CodeProtect(c.level, 1), prSuccess));
  EXPECT_EQ(Chip().Config().Stored(0), c.after);
  EXPECT_EQ(Chip().IsCodeProtected(), c.after != 0x3FFF);
  EXPECT_FALSE(pic.IsCodeProtected());  // this family has no protection query
  EXPECT_TRUE(LeftRunning());
}

TEST_F(Eprom14Family, ProtectionThatDoesNotTakeIsReported) {
  Use(PIC16C77);
  Chip().Config().StickBits(0, 0, 0x0010);
  EXPECT_TRUE(IsResult(pic.CodeProtect(0, 0), prConfigWriteError, 0x2007, 0x00CF, 0x00DF));
  EXPECT_TRUE(LeftRunning());
}

TEST_F(Eprom14Family, FirstPassFailuresAtProgramIdAndConfiguration) {
  Use(PIC16C77);
  Chip().Program().StickBits(0x1FFF, 0, 0x0001);
  LoadImage(std::vector<int32_t>(0x2000, 0x2AAA));
  pic.SetOX(0, '-');
  EXPECT_TRUE(IsResult(pic.WriteProgram(), prWriteError, 0x1FFF, 0x2AAA, 0x2AAB));
  EXPECT_EQ(Chip().Program().Writes(0x1FFF), 26u);
  EXPECT_EQ(Chip().Program().Writes(0), 0u);

  Chip().Ids().StickBits(1, 0x2000, 0);
  pic.SetIDStr("ABC");
  EXPECT_TRUE(IsResult(pic.WriteID(), prIDWriteError, 0x2001, 0x2432, 0x0432));

  pic.Fuse = 0x3FF1;
  Chip().Config().StickBits(0, 0x0400, 0);  // bit 10 is compared
  EXPECT_TRUE(IsResult(pic.WriteConfig(), prConfigWriteError, 0x2007, 0x3FF1, 0x3BF1));
  EXPECT_TRUE(LeftRunning());
}

TEST_F(Eprom14Family, VerifyingPassFailuresAtProgramIdAndConfiguration) {
  Use(PIC16C63);
  Chip().Program().SetFading(0x800, 0x0002);
  ClearImage();
  Mark(0x800, 0x0000);
  EXPECT_TRUE(IsResult(pic.WriteProgram(), prVerifyError, 0x800, 0x0000, 0x0002));
  // Without its verifying pass the write misses the cell that fades; a
  // compare afterwards finds it.
  pic.VerifyPass = false;
  EXPECT_TRUE(IsResult(pic.WriteProgram(), prSuccess));
  EXPECT_TRUE(IsResult(pic.CompareProg(), prCompareMismatch, 0x800, 0x0000, 0x0002));
  pic.VerifyPass = true;

  Chip().Ids().SetFading(0, 0x0001);
  pic.SetID(0, 0);
  pic.SetID(1, 0x3FFF);
  pic.SetID(2, 0x3FFF);
  pic.SetID(3, 0x3FFF);
  EXPECT_TRUE(IsResult(pic.WriteID(), prIDVerifyError, 0x2000, 0, 1));

  Chip().Config().SetFading(0, 0x0008);
  pic.Fuse = 0x3FF0;
  EXPECT_TRUE(IsResult(pic.WriteConfig(), prConfigVerifyError, 0x2007, 0x3FF0, 0x3FF8));
}

TEST_F(Eprom14Family, BlankCheckSkipsTheConfigurationWord) {
  Use(PIC16C716);
  EXPECT_TRUE(pic.IsErased());
  Chip().Config().Set(0, 0x3F30);
  EXPECT_TRUE(pic.IsErased());
  Chip().Ids().Set(2, 0x3FFE);
  EXPECT_FALSE(pic.IsErased());
  Chip().Ids().Set(2, 0x3FFF);
  Chip().Program().Set(0x7FF, 0x3FFE);
  EXPECT_FALSE(pic.IsErased());
  EXPECT_TRUE(LeftRunning());
}

TEST_F(Eprom14Family, WordsWiderThanTheCellAreNeverPulsed) {
  Use(PIC16C620);
  ClearImage();
  Mark(3, 0x8000);
  EXPECT_TRUE(IsResult(pic.WriteProgram(), prWriteError, 3, 0x8000, 0x3FFF));
  EXPECT_EQ(Chip().Program().TotalWrites(), 0u);
}

TEST_F(Eprom14Family, TooShortAProgrammingWaitFailsTheWrite) {
  Use(PIC16C620);
  pic.WaitTime = 1;
  ClearImage();
  Mark(0, 0x0000);
  EXPECT_TRUE(IsResult(pic.WriteProgram(), prWriteError, 0, 0x0000, 0x3FFF));
  EXPECT_EQ(Chip().Counters().shortPulses, 26u);
}

}  // namespace
}  // namespace tarvel

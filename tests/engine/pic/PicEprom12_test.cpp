#include <gtest/gtest.h>

#include "PicOnWriter.h"
#include "sim/Eprom12PicChip.h"

namespace tarvel {
namespace {

using test::IsResult;

class Eprom12Family : public test::PicOnWriter {
 protected:
  int32_t Calibration() { return Chip().Program().Stored(pic.LastAddress()); }
};

TEST_F(Eprom12Family, FullImageStartsAtWordZeroAndKeepsTheCalibration) {
  for (PIC_DEVICES device : {PIC12C508, PIC12C508A, PIC12C509}) {
    SCOPED_TRACE(int(device));
    Use(device);
    auto program = Pattern(pic.LastAddress() + 1, 0x0FFF, 9);
    program.back() = Calibration();
    LoadImage(program);
    EXPECT_TRUE(IsResult(pic.WriteProgram(), prSuccess));
    for (int32_t i = 0; i <= pic.LastAddress(); ++i) {
      ASSERT_EQ(Chip().Program().Stored(i), program[i]) << i;
    }
    EXPECT_EQ(Chip().Config().Writes(0), 0u);
    EXPECT_TRUE(IsResult(pic.CompareProg(), prCompareMatch));
    ClearImage();
    pic.ReadProgram();
    for (int32_t i = 0; i <= pic.LastAddress(); ++i) ASSERT_EQ(pic.GetData(i), program[i]) << i;
    EXPECT_TRUE(LeftRunning());
  }
}

TEST_F(Eprom12Family, SparseImageWithAndWithoutFilling) {
  Use(PIC12C508);
  ClearImage();
  Mark(0, 0x0A05);
  EXPECT_TRUE(IsResult(pic.WriteProgram(), prSuccess));
  EXPECT_EQ(Chip().Program().Stored(0), 0x0A05);
  EXPECT_EQ(Chip().Program().TotalWrites(), 4u);

  pic.FillUpEnable = true;
  pic.FillUpData = 0x0FFF;
  // Filling the calibration word with ones leaves it as it is: EPROM bits
  // only go from 1 to 0, and the write then fails there.
  EXPECT_TRUE(IsResult(pic.WriteProgram(), prWriteError, 0x1FF, 0x0FFF, Calibration()));
  EXPECT_EQ(Chip().Program().Stored(0x1FF), 0x0C9C);
  EXPECT_TRUE(IsResult(pic.CompareProg(), prCompareMismatch, 0x1FF, 0x0FFF, 0x0C9C));
}

TEST_F(Eprom12Family, ConfigurationForcesTheProtectionBitAndComparesFiveBits) {
  Use(PIC12C509);
  pic.Fuse = 0x0000;
  EXPECT_TRUE(IsResult(pic.WriteConfig(), prSuccess));
  EXPECT_EQ(Chip().Config().Stored(0), 0x0008);
  pic.ReadConfig();
  EXPECT_EQ(pic.Fuse, 0x0FE8);  // unimplemented bits read 1
  EXPECT_FALSE(Chip().IsCodeProtected());
  EXPECT_TRUE(LeftRunning());
}

TEST_F(Eprom12Family, ConfigurationFailureReportsAddressZero) {
  Use(PIC12C508A);
  Chip().Config().StickBits(0, 0x0004, 0);
  pic.Fuse = 0x0FFF;
  EXPECT_TRUE(IsResult(pic.WriteConfig(), prConfigWriteError, 0, 0x0FFF, 0x0FFB));
}

TEST_F(Eprom12Family, CodeProtectionClearsBitThree) {
  Use(PIC12C508);
  LoadImage({0x0123});
  ASSERT_TRUE(IsResult(pic.WriteProgram(), prSuccess));
  EXPECT_TRUE(IsResult(pic.CodeProtect(0, 0), prProtectSuccess));
  EXPECT_EQ(Chip().Config().Stored(0), 0x0FF7);
  EXPECT_TRUE(Chip().IsCodeProtected());
  EXPECT_FALSE(pic.IsCodeProtected());  // this family has no protection query
  EXPECT_EQ(pic.CompareProg().Code, prCompareMismatch);
}

TEST_F(Eprom12Family, ProtectionThatDoesNotTakeIsReported) {
  Use(PIC12C509);
  Chip().Config().StickBits(0, 0, 0x0008);
  EXPECT_TRUE(IsResult(pic.CodeProtect(0, 0), prConfigWriteError, 0, 0x0FF7, 0x0FFF));
  EXPECT_TRUE(LeftRunning());
}

TEST_F(Eprom12Family, BlankCheckLeavesOutTheCalibrationWord) {
  Use(PIC12C508);
  EXPECT_TRUE(pic.IsErased());
  Chip().Program().Set(0x1FF, 0x0000);
  EXPECT_TRUE(pic.IsErased());
  Chip().Program().Set(0x1FE, 0x0FFE);
  EXPECT_FALSE(pic.IsErased());
  Chip().Program().Set(0x1FE, 0x0FFF);
  Chip().Config().Set(0, 0x0FFE);
  EXPECT_FALSE(pic.IsErased());
  EXPECT_TRUE(LeftRunning());
}

TEST_F(Eprom12Family, PulseCountsAreThoseOfTheFourteenBitFamily) {
  const std::pair<uint32_t, uint32_t> cases[] = {{1, 4}, {24, 27}, {25, 25}, {26, 26}};
  for (const auto& [needed, pulses] : cases) {
    Use(PIC12C509);
    Chip().Program().SetPulsesNeeded(7, needed);
    ClearImage();
    Mark(7, 0x0555);
    EXPECT_TRUE(IsResult(pic.WriteProgram(), prSuccess));
    EXPECT_EQ(Chip().Program().Writes(7), pulses) << needed;
  }
}

TEST_F(Eprom12Family, StuckAndFadingBits) {
  Use(PIC12C509);
  Chip().Program().StickBits(0x3FE, 0, 0x0800);
  ClearImage();
  Mark(0x3FE, 0x0000);
  EXPECT_TRUE(IsResult(pic.WriteProgram(), prWriteError, 0x3FE, 0x0000, 0x0800));

  Chip().Program().ClearFaults();
  Chip().Program().SetFading(0x3FE, 0x0010);
  EXPECT_TRUE(IsResult(pic.WriteProgram(), prVerifyError, 0x3FE, 0x0000, 0x0010));
}

TEST_F(Eprom12Family, WordsWiderThanTwelveBitsFailAtOnce) {
  Use(PIC12C508);
  ClearImage();
  Mark(2, 0x1000);
  EXPECT_TRUE(IsResult(pic.WriteProgram(), prWriteError, 2, 0x1000, 0x0FFF));
  EXPECT_EQ(Chip().Program().TotalWrites(), 0u);
}

TEST_F(Eprom12Family, TooShortAProgrammingWaitFailsTheWrite) {
  Use(PIC12C508);
  pic.WaitTime = 1;
  ClearImage();
  Mark(0, 0x0000);
  EXPECT_TRUE(IsResult(pic.WriteProgram(), prWriteError, 0, 0x0000, 0x0FFF));
}

}  // namespace
}  // namespace tarvel

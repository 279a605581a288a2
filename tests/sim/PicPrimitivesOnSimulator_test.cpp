#include <gtest/gtest.h>

#include "engine/pic/PicWrite.h"
#include "platform/VirtualClock.h"
#include "port/ParallelPort.h"
#include "sim/PicChip.h"
#include "sim/SimulatedWriter.h"
#include "support/RecordingMessages.h"

namespace tarvel {
namespace {

enum : int32_t {
  kLoadConfiguration = 0,
  kLoadProgram = 2,
  kLoadData = 3,
  kReadProgram = 4,
  kReadData = 5,
  kIncrement = 6,
  kBegin = 8,
  kEnd = 14,
};

// The engine's primitives against the simulated writer. A wait value of 100
// on a clock of 10 ns a round makes a flash cycle 6 ms (16F84), an EPROM
// pulse 0.6 ms (14-bit) or 80 us (12-bit).
class PrimitivesOnSimulator : public ::testing::Test {
 protected:
  PrimitivesOnSimulator() {
    engine_.ParallelPort = &port_;
    engine_.WaitTime = 100;
  }
  PicChip& Use(PIC_DEVICES device) {
    writer_.InsertPic(device);
    engine_.SetDevice(device);
    return *writer_.Pic();
  }

  VirtualClock clock_{1000, 10};
  test::RecordingMessages messages_;
  SimulatedWriter writer_{clock_};
  TParallelPort port_{writer_, messages_};
  TPicWrite engine_{clock_, messages_};
};

TEST_F(PrimitivesOnSimulator, Pic84WritesAndReadsProgramDataAndConfigurationWords) {
  PicChip& chip = Use(PIC16F84);
  engine_.Pic84(TPicWrite::kEnterProgramming, 0);
  ASSERT_TRUE(chip.InProgrammingMode());
  EXPECT_EQ(engine_.Pic84(kReadProgram, 0), 0x3FFF);
  engine_.Pic84(kLoadProgram, 0x2ABC);
  engine_.Pic84(kBegin, engine_.WaitTime);
  EXPECT_EQ(engine_.Pic84(kReadProgram, 0), 0x2ABC);
  engine_.Pic84(kIncrement, 0);
  engine_.Pic84(kLoadProgram, 0x1543);
  engine_.Pic84(kBegin, 0);  // the tick counter's wait
  EXPECT_EQ(engine_.Pic84(kReadProgram, 0), 0x1543);
  engine_.Pic84(kLoadData, 0x5A);
  engine_.Pic84(kBegin, engine_.WaitTime);
  EXPECT_EQ(engine_.Pic84(kReadData, 0), 0x5A);
  engine_.Pic84(kLoadConfiguration, 0x3FF1);
  engine_.Pic84(kBegin, engine_.WaitTime);
  EXPECT_EQ(engine_.Pic84(kReadProgram, 0), 0x3FF1);
  engine_.Pic84(TPicWrite::kLeaveProgramming, 0);
  EXPECT_FALSE(chip.InProgrammingMode());

  EXPECT_EQ(chip.Program().Read(0), 0x2ABC);
  EXPECT_EQ(chip.Program().Read(1), 0x1543);
  EXPECT_EQ(chip.Data().Read(1), 0x5A);
  EXPECT_EQ(chip.Ids().Read(0), 0x3FF1);
  EXPECT_EQ(chip.Counters().completedCycles, 4U);
  EXPECT_EQ(chip.Counters().cutShortCycles, 0U);
  EXPECT_EQ(chip.Counters().unknownCommands, 0U);
}

TEST_F(PrimitivesOnSimulator, Pic84ChipEraseSequenceUnprotects) {
  PicChip& chip = Use(PIC16F877);
  chip.Program().Fill(0x0000);
  chip.Config().Set(0, 0x0000);
  engine_.Pic84(TPicWrite::kEnterProgramming, 0);
  EXPECT_EQ(engine_.Pic84(kReadProgram, 0), 0x0000);
  engine_.Pic84(kLoadConfiguration, 0x3FFF);
  for (int i = 0; i < 7; ++i) engine_.Pic84(kIncrement, 0);
  engine_.Pic84(1, 0);
  engine_.Pic84(7, 0);
  engine_.Pic84(kBegin, 0);
  engine_.Pic84(1, 0);
  engine_.Pic84(7, 0);
  engine_.Pic84(TPicWrite::kResetTarget, 0);
  EXPECT_EQ(chip.Counters().chipErases, 1U);
  EXPECT_FALSE(chip.IsCodeProtected());
  engine_.Pic84(TPicWrite::kEnterProgramming, 0);
  EXPECT_EQ(engine_.Pic84(kReadProgram, 0), 0x3FFF);
}

TEST_F(PrimitivesOnSimulator, Pic67PulsesWordsIntoProgramAndConfigurationSpace) {
  PicChip& chip = Use(PIC16C74);
  engine_.Pic67(TPicWrite::kEnterProgramming, 0);
  ASSERT_TRUE(chip.InProgrammingMode());
  engine_.Pic67(kLoadProgram, 0x0ABC);
  engine_.Pic67(kBegin, engine_.WaitTime);
  engine_.Pic67(kEnd, 0);
  EXPECT_EQ(engine_.Pic67(kReadProgram, 0), 0x0ABC);
  engine_.Pic67(kLoadConfiguration, 0x0111);
  for (int i = 0; i < 7; ++i) engine_.Pic67(kIncrement, 0);
  engine_.Pic67(kLoadProgram, 0x3F30);
  engine_.Pic67(kBegin, engine_.WaitTime);
  engine_.Pic67(kEnd, 0);
  EXPECT_EQ(engine_.Pic67(kReadProgram, 0), 0x3F30);
  engine_.Pic67(TPicWrite::kLeaveProgramming, 0);

  EXPECT_EQ(chip.Program().Read(0), 0x0ABC);
  EXPECT_EQ(chip.Config().Read(0), 0x3F30);
  EXPECT_EQ(chip.Counters().countedPulses, 2U);
  EXPECT_EQ(chip.Counters().shortPulses, 0U);
}

TEST_F(PrimitivesOnSimulator, Pic12StartsOnTheConfigurationWord) {
  PicChip& chip = Use(PIC12C508);
  engine_.Pic12(TPicWrite::kEnterProgramming, 0);
  ASSERT_TRUE(chip.InProgrammingMode());
  EXPECT_EQ(engine_.Pic12(kReadProgram, 0), 0x0FFF);
  engine_.Pic12(kLoadProgram, 0x000A);
  engine_.Pic12(kBegin, engine_.WaitTime);
  engine_.Pic12(kEnd, 0);
  EXPECT_EQ(engine_.Pic12(kReadProgram, 0), 0x0FEA);
  engine_.Pic12(kIncrement, 0);
  engine_.Pic12(kLoadProgram, 0x0123);
  engine_.Pic12(kBegin, engine_.WaitTime);
  engine_.Pic12(kEnd, 0);
  EXPECT_EQ(engine_.Pic12(kReadProgram, 0), 0x0123);
  engine_.Pic12(TPicWrite::kLeaveProgramming, 0);
  EXPECT_EQ(chip.Program().Read(0), 0x0123);
  EXPECT_EQ(chip.Config().Read(0), 0x000A);
  EXPECT_EQ(chip.Counters().countedPulses, 2U);
}

TEST_F(PrimitivesOnSimulator, EveryPortTypeCarriesTheWords) {
  for (PPortType type : {AT378, AT3BC, AT278, NEC40, NEC140}) {
    SCOPED_TRACE(static_cast<int>(type));
    writer_.SetPortType(type);
    port_.SetPortType(type);
    PicChip& chip = Use(PIC16F84);
    chip.Program().Set(0, 0x1A5A);
    engine_.Pic84(TPicWrite::kEnterProgramming, 0);
    EXPECT_EQ(engine_.Pic84(kReadProgram, 0), 0x1A5A);
    engine_.Pic84(TPicWrite::kLeaveProgramming, 0);
  }
  EXPECT_TRUE(messages_.boxes.empty());
}

}  // namespace
}  // namespace tarvel

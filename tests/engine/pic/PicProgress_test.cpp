#include <gtest/gtest.h>

#include <vector>

#include "PicOnWriter.h"

namespace tarvel {
namespace {

using test::IsResult;

// Asks for the stop when the engine reports `stopAt` in `stage`, as a user
// pressing Cancel right then would; records every stage begun.
class StopAt : public OperationProgress {
 public:
  OperationStage stage = OperationStage::Idle;
  uint32_t stopAt = 0;
  std::vector<std::pair<OperationStage, uint32_t>> stages;

 protected:
  void Reported() override {
    if (Done() == 0 && (stages.empty() || stages.back() != std::make_pair(Stage(), Total()))) {
      stages.emplace_back(Stage(), Total());
    }
    if (Stage() == stage && Done() == stopAt) RequestStop();
  }
};

class PicProgressTest : public test::PicOnWriter {
 protected:
  void SetUp() override {
    Use(PIC16F84);
    pic.Progress = &progress;
  }
  void StopIn(OperationStage stage, uint32_t at) {
    progress.Reset();
    progress.stages.clear();
    progress.stage = stage;
    progress.stopAt = at;
  }
  StopAt progress;
};

// Each pass reports its cells; a stop lands on the next cell boundary, the
// cell before it finished, and the chip is out of programming mode with its
// supply on, as after any operation.
TEST_F(PicProgressTest, WritesStopAtTheNextCellAndSayWhere) {
  LoadImage(Pattern(0x400, 0x3FFF));
  StopIn(OperationStage::Writing, 0x1A3);
  EXPECT_TRUE(IsResult(pic.WriteProgram(), prCancelled, 0x1A3));
  EXPECT_TRUE(progress.Stopped());
  EXPECT_TRUE(LeftRunning());
  EXPECT_EQ(Chip().Program().Read(0x1A2), pic.GetData(0x1A2));
  EXPECT_EQ(Chip().Program().Read(0x1A3), 0x3FFF);
  EXPECT_EQ(Chip().Counters().cutShortCycles, 0u);

  StopIn(OperationStage::Verifying, 0x10);
  EXPECT_TRUE(IsResult(pic.WriteProgram(), prCancelled, 0x10));
  EXPECT_EQ(progress.stages, (decltype(progress.stages){{OperationStage::Writing, 0x400},
                                                         {OperationStage::Verifying, 0x400}}));
  EXPECT_TRUE(LeftRunning());

  ClearImage();
  pic.SetID(0, 0x0123);
  StopIn(OperationStage::Writing, 2);
  EXPECT_TRUE(IsResult(pic.WriteID(), prCancelled, 0x2002)) << "ID words stop at their own address";

  StopIn(OperationStage::Comparing, 0x20);
  EXPECT_TRUE(IsResult(pic.CompareData(), prCancelled, 0x20));
  StopIn(OperationStage::Erasing, 5);
  EXPECT_TRUE(IsResult(pic.Erase(), prCancelled, 5));
  EXPECT_TRUE(LeftRunning());

  // Without a stop every pass runs to its end.
  LoadImage(Pattern(0x400, 0x3FFF, 7));
  StopIn(OperationStage::Idle, 0);
  EXPECT_TRUE(IsResult(pic.WriteProgram(), prSuccess));
  EXPECT_FALSE(progress.Stopped());
  EXPECT_EQ(progress.Done(), 0x3FFu) << "the last cell reported";
}

// A read or blank check that stops tells it through the progress: the cells
// before Done are read, and "not erased" is no answer.
TEST_F(PicProgressTest, ReadsAndBlankChecksStopWithTheCellsReadSoFar) {
  Chip().Program().Fill(0x1234);
  ClearImage();
  StopIn(OperationStage::Reading, 0x80);
  pic.ReadProgram();
  EXPECT_TRUE(progress.Stopped());
  EXPECT_EQ(progress.Done(), 0x80u);
  EXPECT_EQ(pic.GetData(0x7F), 0x1234);
  EXPECT_EQ(pic.GetData(0x80), 0);
  EXPECT_TRUE(LeftRunning());

  Chip().Program().Fill(0x3FFF);
  StopIn(OperationStage::BlankChecking, 0x100);
  EXPECT_FALSE(pic.IsErased());
  EXPECT_TRUE(progress.Stopped());
  EXPECT_TRUE(LeftRunning());

  // A stop asked for after the last cell changes nothing.
  StopIn(OperationStage::Idle, 0);
  EXPECT_TRUE(pic.IsErased());
  progress.RequestStop();
  EXPECT_FALSE(progress.Stopped());
}

}  // namespace
}  // namespace tarvel

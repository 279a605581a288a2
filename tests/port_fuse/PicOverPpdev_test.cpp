#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "engine/pic/PicWrite.h"
#include "platform/SystemClock.h"
#include "port/ParallelPort.h"
#include "port/PpdevPortIo.h"
#include "port_fuse/PpdevFuseServer.h"
#include "sim/FlashPicChip.h"
#include "sim/SimulatedWriter.h"
#include "support/RecordingMessages.h"

namespace tarvel {
namespace {

using test::PpdevFuseServer;

// The whole way down: TPicWrite's primitives through TParallelPort and
// PpdevPortIo, the kernel's ioctls, a FUSE device, and a virtual PIC16F84
// in the simulated writer. The server thread reads the clock too, so the
// clock is the thread-safe real one; the chip is inspected only after the
// server stopped.
class PicOverPpdevTest : public ::testing::Test {
 protected:
  PicOverPpdevTest() {
    writer.InsertPic(PIC16F84);
    pic.SetDevice(PIC16F84);
  }

  SystemClock clock;
  SimulatedWriter writer{clock};
  PpdevFuseServer server{writer, AT378};
  test::RecordingMessages messages;
  TPicWrite pic{clock, messages};
};

TEST_F(PicOverPpdevTest, WritesAndReadsBackProgramWordsAndADataByte) {
  const std::string whyNot = server.Start();
  if (!whyNot.empty()) {
    GTEST_SKIP() << "FUSE is not usable here (" << whyNot << "), so a chip cannot be driven through ppdev";
  }
  const std::vector<int32_t> words = {0x0123, 0x3ABC, 0x1555, 0x2AAA, 0x0000};
  {
    PpdevPortIo::OpenResult opened = PpdevPortIo::OpenDevice(server.DevicePath(), AT378);
    ASSERT_NE(opened.port, nullptr) << opened.error;
    TParallelPort port(*opened.port, messages);
    pic.ParallelPort = &port;

    pic.Pic84(TPicWrite::kEnterProgramming, 0);
    for (int32_t word : words) {
      pic.Pic84(2, word);  // load program data
      pic.Pic84(8, 0);     // self-timed cycle, waited on the tick counter
      EXPECT_EQ(pic.Pic84(4, 0), word);
      pic.Pic84(6, 0);
    }
    pic.Pic84(TPicWrite::kEnterProgramming, 0);  // the counters start again at 0
    pic.Pic84(3, 0xA5);                           // load data EEPROM
    pic.Pic84(8, 0);
    EXPECT_EQ(pic.Pic84(5, 0), 0xA5);
    pic.Pic84(TPicWrite::kLeaveProgramming, 0);

    pic.Pic84(TPicWrite::kEnterProgramming, 0);
    for (int32_t word : words) {
      EXPECT_EQ(pic.Pic84(4, 0), word);
      pic.Pic84(6, 0);
    }
    EXPECT_EQ(pic.Pic84(4, 0), 0x3FFF);  // the word after them is still blank
    pic.Pic84(TPicWrite::kLeaveProgramming, 0);
    EXPECT_EQ(server.UnclaimedRequests(), 0);
  }
  server.Stop();

  const FlashPicChip& chip = *writer.FlashPic();
  for (size_t i = 0; i < words.size(); ++i) EXPECT_EQ(chip.Program().Read(static_cast<int32_t>(i)), words[i]) << i;
  EXPECT_EQ(chip.Data().Read(0), 0xA5);
  EXPECT_EQ(chip.Counters().completedCycles, words.size() + 1);
  EXPECT_EQ(chip.Counters().cutShortCycles, 0u);
  EXPECT_FALSE(chip.InProgrammingMode());
  EXPECT_EQ(writer.DataLatch(), 0x64);  // left running
  EXPECT_TRUE(messages.boxes.empty());
  EXPECT_EQ(server.Releases(), 1);
}

}  // namespace
}  // namespace tarvel

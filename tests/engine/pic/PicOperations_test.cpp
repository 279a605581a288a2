#include <gtest/gtest.h>

#include "engine/pic/PicWrite.h"
#include "platform/VirtualClock.h"
#include "port/ParallelPort.h"
#include "support/RecordingMessages.h"
#include "support/RecordingPortIo.h"

namespace tarvel {
namespace {

constexpr char kUnsupported[] = "このデバイスは、対応していません。";
const PIC_DEVICES kUnknownDevice = static_cast<PIC_DEVICES>(45);

// Operations a device does not have answer without a single port access.
struct RoutingTest : ::testing::Test {
  VirtualClock clock;
  test::RecordingMessages messages;
  test::RecordingPortIo io;
  TParallelPort port{io, messages};
  TPicWrite pic{clock, messages};

  RoutingTest() { pic.ParallelPort = &port; }

  void ExpectCode(TPicWriteResult result, TPicResultCode code) {
    EXPECT_EQ(result.Code, code);
    EXPECT_EQ(result.Address, -1);
    EXPECT_EQ(result.WantedValue, -1);
    EXPECT_EQ(result.ReadValue, -1);
  }
};

TEST_F(RoutingTest, EpromDevicesHaveNoDataEepromAndNoErase) {
  for (int device = 0; device < kPicDeviceCount; ++device) {
    if (kPicDevices[device].family == PicFamily::Flash) continue;
    pic.SetDevice(static_cast<PIC_DEVICES>(device));
    ExpectCode(pic.WriteData(), prNotSupported);
    ExpectCode(pic.CompareData(), prNotSupported);
    ExpectCode(pic.Erase(), prEraseNotPossible);
    EXPECT_FALSE(pic.IsCodeProtected());
    pic.ReadDat();
  }
  EXPECT_TRUE(io.accesses.empty());
  EXPECT_EQ(messages.boxes.size(), 37u);
  for (const auto& box : messages.boxes) {
    EXPECT_EQ(box.text, kUnsupported);
    EXPECT_EQ(box.caption, "");
  }
}

TEST_F(RoutingTest, TwelveBitFamilyHasNoIdWordsAndReadsThemAsSpaces) {
  pic.SetDevice(PIC12C509);
  ExpectCode(pic.WriteID(), prNotSupported);
  pic.SetID(0, 0x1234);
  pic.ReadID();
  for (int k = 0; k < 4; ++k) EXPECT_EQ(pic.GetID(k), 0x20);
  EXPECT_TRUE(io.accesses.empty());
  EXPECT_TRUE(messages.boxes.empty());
}

TEST_F(RoutingTest, AnUnknownDeviceGetsNothingDone) {
  pic.SetDevice(PIC16F877);
  pic.SetDevice(kUnknownDevice);
  ExpectCode(pic.WriteProgram(), prNotSupported);
  ExpectCode(pic.WriteData(), prNotSupported);
  ExpectCode(pic.WriteID(), prNotSupported);
  ExpectCode(pic.WriteConfig(), prNotSupported);
  ExpectCode(pic.Erase(), prNotSupported);
  ExpectCode(pic.CodeProtect(0, 1), prNotSupported);
  ExpectCode(pic.CompareProg(), prNotSupported);
  ExpectCode(pic.CompareData(), prNotSupported);
  ExpectCode(pic.CheckDeviceID(), prNotSupported);
  EXPECT_FALSE(pic.IsErased());
  EXPECT_FALSE(pic.IsCodeProtected());
  pic.ReadID();
  for (int k = 0; k < 4; ++k) EXPECT_EQ(pic.GetID(k), 0x20);
  pic.ResetTarget();
  EXPECT_TRUE(io.accesses.empty());

  pic.ReadProgram();
  pic.ReadDat();
  pic.ReadConfig();
  EXPECT_TRUE(io.accesses.empty());
  ASSERT_EQ(messages.boxes.size(), 3u);
  for (const auto& box : messages.boxes) EXPECT_EQ(box.text, kUnsupported);
}

TEST_F(RoutingTest, EachFamilyEntersProgrammingModeItsOwnWay) {
  // The first port value of an operation tells the family's entry apart.
  const std::pair<PIC_DEVICES, std::vector<uint8_t>> entries[] = {
      {PIC12C508, {0x00, 0x34, 0x48}},
      {PIC16C77, {0x74, 0x48}},
      {PIC16F84, {0x00, 0x74, 0x50, 0x48}},
  };
  for (const auto& [device, values] : entries) {
    io.accesses.clear();
    pic.SetDevice(device);
    pic.ReadConfig();
    const std::vector<uint8_t> written = io.Written(0x378);
    ASSERT_GE(written.size(), values.size());
    EXPECT_EQ(std::vector<uint8_t>(written.begin(), written.begin() + values.size()), values)
        << int(device);
    EXPECT_EQ(written.back(), 0x64) << int(device);  // left running
  }
}

}  // namespace
}  // namespace tarvel

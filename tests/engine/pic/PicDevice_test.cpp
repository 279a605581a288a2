#include <gtest/gtest.h>

#include <set>
#include <string>

#include "engine/pic/PicCycleTimes.h"
#include "engine/pic/PicWrite.h"
#include "platform/VirtualClock.h"
#include "support/RecordingMessages.h"

namespace tarvel {
namespace {

struct PicStateTest : ::testing::Test {
  VirtualClock clock;
  test::RecordingMessages messages;
  TPicWrite pic{clock, messages};
};

TEST_F(PicStateTest, NewEngineHasItsDefaultsUntilADeviceIsSet) {
  EXPECT_EQ(pic.Device(), PIC16F84);
  EXPECT_EQ(pic.Fuse, 0xFFFF);
  EXPECT_EQ(pic.LastAddress(), 0);
  EXPECT_EQ(pic.DataLastAddress(), 0);
  EXPECT_FALSE(pic.OverWriteEnable);
  EXPECT_FALSE(pic.FillUpEnable);
  EXPECT_EQ(pic.WaitTime, 0);
  EXPECT_EQ(pic.FillUpData, 0);
  EXPECT_EQ(pic.ParallelPort, nullptr);
  EXPECT_EQ(pic.ProgramLoopCount(), 0);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(pic.GetID(i), 0);

  pic.SetDevice(PIC16F84);
  EXPECT_EQ(pic.LastAddress(), 0x3FF);
  EXPECT_EQ(pic.DataLastAddress(), 0x3F);
}

TEST_F(PicStateTest, SizesOfTheDeviceGroups) {
  pic.SetDevice(PIC16F628);
  EXPECT_EQ(pic.LastAddress(), 0x7FF);
  EXPECT_EQ(pic.DataLastAddress(), 0x7F);
  pic.SetDevice(PIC16C77);
  EXPECT_EQ(pic.LastAddress(), 0x1FFF);
  EXPECT_EQ(pic.DataLastAddress(), 0);
  pic.SetDevice(PIC12C509);
  EXPECT_EQ(pic.LastAddress(), 0x3FF);
  pic.SetDevice(PIC16F877);
  EXPECT_EQ(pic.LastAddress(), 0x1FFF);
  EXPECT_EQ(pic.DataLastAddress(), 0xFF);
}

TEST_F(PicStateTest, TableHasFortyFiveDevicesInListOrderWithTheirFamilies) {
  std::set<std::string> names;
  int flash = 0, eprom14 = 0, eprom12 = 0;
  for (int i = 0; i < kPicDeviceCount; ++i) {
    const PicDeviceInfo& row = kPicDevices[i];
    EXPECT_EQ(row.device, i);
    // Only the flash parts time their own cycles.
    const PicCycleTimes& times = kPicCycleTimes[i];
    EXPECT_EQ(times.device, i);
    const bool selfTimed = row.family == PicFamily::Flash;
    for (uint32_t micros : {times.programWordMicros, times.dataByteMicros, times.chipEraseMicros}) {
      EXPECT_EQ(micros != 0, selfTimed) << i;
    }
    names.insert(row.displayName);
    const int words = row.lastAddress + 1;
    EXPECT_TRUE(words == 512 || words == 1024 || words == 2048 || words == 4096 || words == 8192) << i;
    switch (row.family) {
      case PicFamily::Flash:
        ++flash;
        EXPECT_GT(row.dataLastAddress, 0) << i;
        EXPECT_GT(row.programWaitMicros, 0) << i;
        break;
      case PicFamily::Eprom14:
        ++eprom14;
        EXPECT_EQ(row.dataLastAddress, 0) << i;
        EXPECT_EQ(row.protectType, 1) << i;
        break;
      case PicFamily::Eprom12:
        ++eprom12;
        EXPECT_EQ(row.protectType, 4) << i;
        break;
    }
  }
  EXPECT_EQ(names.size(), 45u);
  EXPECT_EQ(eprom12, 3);
  EXPECT_EQ(eprom14, 34);
  EXPECT_EQ(flash, 8);
  EXPECT_EQ(kPicDevices[PIC16C84].family, PicFamily::Flash);
  EXPECT_EQ(kPicDevices[PIC16C923].family, PicFamily::Eprom14);
  EXPECT_STREQ(kPicDevices[PIC12C509].displayName, "PIC12C509[A]");
  EXPECT_STREQ(kPicDevices[PIC16C74A].displayName, "PIC16C74A,B");
}

TEST_F(PicStateTest, SetDeviceSetsTheFlashProgrammingWaitOnly) {
  pic.SetDevice(PIC16F84);
  EXPECT_EQ(pic.ProgramWaitTime(), 10000);
  EXPECT_EQ(pic.ProgramLoopCount(), 6000);
  pic.SetDevice(PIC16F877);
  EXPECT_EQ(pic.ProgramWaitTime(), 2600);
  EXPECT_EQ(pic.ProgramLoopCount(), 1560);
  pic.SetDevice(PIC16C77);  // EPROM devices leave it as it was
  EXPECT_EQ(pic.ProgramWaitTime(), 2600);
  pic.SetDevice(PIC16C84);
  EXPECT_EQ(pic.ProgramWaitTime(), 10000);
}

TEST_F(PicStateTest, ProgramLoopCountIsRaisedToTwo) {
  pic.SetProgramWaitTime(3);
  EXPECT_EQ(pic.ProgramLoopCount(), 2);
  pic.SetProgramWaitTime(0);
  EXPECT_EQ(pic.ProgramLoopCount(), 2);
  EXPECT_EQ(pic.ProgramWaitTime(), 0);
}

TEST_F(PicStateTest, UnknownDeviceKeepsLastAddressAndClearsDataLastAddress) {
  pic.SetDevice(PIC16F877);
  pic.SetDevice(static_cast<PIC_DEVICES>(45));
  EXPECT_EQ(pic.Device(), 45);
  EXPECT_EQ(pic.LastAddress(), 0x1FFF);
  EXPECT_EQ(pic.DataLastAddress(), 0);
  EXPECT_EQ(pic.GetProtectType(), 0);
  EXPECT_EQ(pic.GetDataProtectType(), 0);
}

TEST_F(PicStateTest, ProtectKindsPerDevice) {
  const struct {
    PIC_DEVICES device;
    int32_t kind, dataKind;
  } expected[] = {{PIC12C508, 4, 0}, {PIC12C509, 4, 0}, {PIC16C84, 4, 0},  {PIC16F84, 4, 0},
                  {PIC16F873, 2, 2}, {PIC16F877, 2, 2}, {PIC16F627, 3, 0}, {PIC16F628, 1, 0},
                  {PIC16C61, 1, 0},  {PIC16C773, 1, 0}};
  for (const auto& row : expected) {
    pic.SetDevice(row.device);
    EXPECT_EQ(pic.GetProtectType(), row.kind) << int(row.device);
    EXPECT_EQ(pic.GetDataProtectType(), row.dataKind) << int(row.device);
  }
}

TEST_F(PicStateTest, SetDeviceLeavesImageIdAndFuseAlone) {
  pic.SetData(5, 0x1234);
  pic.SetOX(5, 'o');
  pic.SetID(2, 0x55);
  pic.Fuse = 0x3FF1;
  pic.SetDevice(PIC16C62);
  EXPECT_EQ(pic.GetData(5), 0x1234);
  EXPECT_EQ(pic.GetOX(5), 'o');
  EXPECT_EQ(pic.GetID(2), 0x55);
  EXPECT_EQ(pic.Fuse, 0x3FF1);
}

TEST_F(PicStateTest, IdTextPacksSevenCharactersIntoFourWords) {
  pic.SetIDStr("ABC");
  EXPECT_EQ(pic.GetID(0), 0x1050);
  EXPECT_EQ(pic.GetID(1), 0x2432);
  EXPECT_EQ(pic.GetID(2), 0x0080);
  EXPECT_EQ(pic.GetID(3), 0x2020);
  EXPECT_EQ(pic.GetIDStr(), "ABC    ");

  pic.SetIDStr("0123456789");
  EXPECT_EQ(pic.GetIDStr(), "0123456");
  for (int i = 0; i < 4; ++i) EXPECT_LE(pic.GetID(i), 0x3FFF);

  pic.SetIDStr("~!Az09}");
  EXPECT_EQ(pic.GetIDStr(), "~!Az09}");
}

TEST_F(PicStateTest, IdTextShowsUnprintableCharactersAsSpaces) {
  for (int i = 0; i < 4; ++i) pic.SetID(i, 0x3FFF);  // an unprogrammed chip
  EXPECT_EQ(pic.GetIDStr(), "       ");
  for (int i = 0; i < 4; ++i) pic.SetID(i, 0);
  EXPECT_EQ(pic.GetIDStr(), "       ");

  pic.SetIDStr(std::string("A\x7F\x80\xFF\tB", 6));
  EXPECT_EQ(pic.GetIDStr(), "A    B ");
  for (int i = 0; i < 4; ++i) EXPECT_LE(pic.GetID(i), 0x3FFF);
}

}  // namespace
}  // namespace tarvel

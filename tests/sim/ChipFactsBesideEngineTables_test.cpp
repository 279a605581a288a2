// The simulated chips are built from their own datasheet tables, the engine
// from its device tables. Held side by side, a wrong entry in either shows
// here instead of being mirrored by the chip the engine programs.
#include <gtest/gtest.h>

#include "engine/pic/PicDevice.h"
#include "engine/srom/SRomDevice.h"
#include "sim/PicChipFacts.h"
#include "sim/Serial24xxFacts.h"

namespace tarvel {
namespace {

PicChipKind KindOf(PicFamily family) {
  switch (family) {
    case PicFamily::Flash: return PicChipKind::Flash;
    case PicFamily::Eprom14: return PicChipKind::Eprom14;
    case PicFamily::Eprom12: return PicChipKind::Eprom12;
  }
  return PicChipKind::Flash;
}

TEST(ChipFactsBesideEngineTables, EveryPicAgreesOnKindSizesAndDeviceId) {
  for (int device = 0; device < kPicDeviceCount; ++device) {
    const PicDeviceInfo& engine = kPicDevices[device];
    const PicChipFacts& chip = kPicChipFacts[device];
    SCOPED_TRACE(engine.displayName);
    EXPECT_EQ(chip.device, device);
    EXPECT_EQ(chip.kind, KindOf(engine.family));
    EXPECT_EQ(chip.programWords, engine.lastAddress + 1);
    EXPECT_EQ(chip.dataBytes, engine.family == PicFamily::Flash ? engine.dataLastAddress + 1 : 0);
    EXPECT_EQ(chip.deviceId, engine.deviceId);
    EXPECT_EQ(chip.deviceId & ~kDeviceIdMask, 0);
    EXPECT_EQ(chip.calibrationWord != 0, chip.kind == PicChipKind::Eprom12);
  }
}

TEST(ChipFactsBesideEngineTables, EverySerialEepromAgreesOnSizeAddressingAndPage) {
  for (int device = 0; device < kSRomDeviceCount; ++device) {
    const SRomDeviceInfo& engine = kSRomDevices[device];
    const Serial24xxFacts& chip = kSerial24xxFacts[device];
    SCOPED_TRACE(engine.displayName);
    EXPECT_EQ(chip.device, device);
    EXPECT_EQ(chip.bytes, engine.lastAddress + 1);
    EXPECT_EQ(chip.pageSize, engine.pageSize);
    EXPECT_EQ(Serial24xxTakesTwoAddressBytes(chip.bytes), SRomUsesTwoAddressBytes(engine.lastAddress));
  }
}

}  // namespace
}  // namespace tarvel

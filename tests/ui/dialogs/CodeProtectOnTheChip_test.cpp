// The ranges the confirmation offers, run through the engine onto a simulated
// chip: what the item says is exactly what the chip then refuses to show.
#include <gtest/gtest.h>

#include "ProtectedChip.h"
#include "engine/pic/CodeProtectRanges.h"

namespace tarvel {
namespace {

using test::AddressesOf;
using test::ProtectedChip;

TEST(CodeProtectOnTheChip, EveryOfferedRangeIsWhatTheChipProtects) {
  for (int device = 0; device < kPicDeviceCount; ++device) {
    const std::string name = kPicDevices[device].displayName;
    for (const CodeProtectRanges::Range& range : CodeProtectRanges::ForDevice(device)) {
      ProtectedChip target(static_cast<PIC_DEVICES>(device));
      ASSERT_NE(target.writer.Pic(), nullptr) << name;
      const auto [first, last] = AddressesOf(range.text);
      ASSERT_FALSE(target.Chip().IsCodeProtected()) << name;
      target.engine.CodeProtect(range.level, 0);
      EXPECT_EQ(target.Chip().ProtectedFrom(), first) << name << " " << range.text;
      EXPECT_EQ(last, target.engine.LastAddress()) << name << " " << range.text;
      EXPECT_FALSE(target.Chip().IsDataProtected()) << name << " " << range.text;
      EXPECT_TRUE(target.messages.boxes.empty()) << name;
    }
  }
}

TEST(CodeProtectOnTheChip, DataProtectionReachesTheChipWhereItIsOffered) {
  for (int device = 0; device < kPicDeviceCount; ++device) {
    if (!CodeProtectRanges::OffersDataProtect(device)) continue;
    const std::string name = kPicDevices[device].displayName;
    ProtectedChip target(static_cast<PIC_DEVICES>(device));
    const CodeProtectRanges::Range smallest = CodeProtectRanges::ForDevice(device).back();
    target.engine.CodeProtect(smallest.level, 1);
    EXPECT_TRUE(target.Chip().IsDataProtected()) << name;
    EXPECT_EQ(target.Chip().ProtectedFrom(), AddressesOf(smallest.text).first) << name;
  }
}

}  // namespace
}  // namespace tarvel

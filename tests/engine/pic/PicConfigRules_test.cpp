#include <gtest/gtest.h>

#include "engine/pic/PicConfigRules.h"

namespace tarvel {
namespace {

TEST(PicConfigRules, OneRowPerDeviceInListOrder) {
  for (int i = 0; i < kPicDeviceCount; ++i) EXPECT_EQ(kPicConfigRules[i].device, i);
}

TEST(PicConfigRules, ProtectionLevelFillsEachPairWithTheLevel) {
  EXPECT_EQ(ApplyProtectionLevel(0x3FFF, 0x3F30, 0), 0x00CF);
  EXPECT_EQ(ApplyProtectionLevel(0x3FFF, 0x3F30, 2), 0x2AEF);
  EXPECT_EQ(ApplyProtectionLevel(0x3FFF, 0x3F30, 3), 0x3FFF);
  EXPECT_EQ(ApplyProtectionLevel(0x3FFF, 0x3330, 1), 0x1DDF);
  EXPECT_EQ(ApplyProtectionLevel(0x3FFF, 0x0030, 0), 0x3FCF);
  // A pair already cleared stays cleared: protection is only ever added.
  EXPECT_EQ(ApplyProtectionLevel(0x3FCF, 0x0030, 3), 0x3FCF);
  EXPECT_EQ(ApplyProtectionLevel(0x3FFF, 0, 0), 0x3FFF);
}

TEST(PicConfigRules, ProtectionBitsAreTheOnesCodeProtectionClears) {
  EXPECT_EQ(ProtectionBits(kPicConfigRules[PIC16C84]), 0x0010);
  EXPECT_EQ(ProtectionBits(kPicConfigRules[PIC16F84]), 0x3FF0);
  EXPECT_EQ(ProtectionBits(kPicConfigRules[PIC16F627]), 0x3D00);
  EXPECT_EQ(ProtectionBits(kPicConfigRules[PIC16F628]), 0x3D00);
  EXPECT_EQ(ProtectionBits(kPicConfigRules[PIC16F877]), 0x3130);
}

}  // namespace
}  // namespace tarvel

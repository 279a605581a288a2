#include <gtest/gtest.h>

#include "engine/pic/PicConfigRules.h"

namespace tarvel {
namespace {

// The rules are looked up by device value; what each row does is proven on
// the simulated chips.
TEST(PicConfigRules, OneRowPerDeviceInListOrder) {
  for (int i = 0; i < kPicDeviceCount; ++i) EXPECT_EQ(kPicConfigRules[i].device, i);
}

// PIC16F84: bits 4-15 forced on, bits 0-9 compared. A word reads back when
// those ten bits match, whatever the chip does with the rest; bits 14 and 15
// (forced, but not in the cell) never count.
TEST(PicConfigRules, AConfigurationWordReadsBackInItsComparedBitsOnly) {
  const PicConfigRule& rule = kPicConfigRules[PIC16F84];
  const int32_t wanted = ConfigWordWanted(rule, 0x0001);
  EXPECT_EQ(wanted, 0xFFF1);
  EXPECT_TRUE(ConfigReadsBack(rule, wanted, 0x3FF1));
  EXPECT_TRUE(ConfigReadsBack(rule, wanted, 0x03F1));
  EXPECT_FALSE(ConfigReadsBack(rule, wanted, 0x3FF3));
  EXPECT_FALSE(ConfigReadsBack(rule, wanted, 0x3FE1));
}

}  // namespace
}  // namespace tarvel

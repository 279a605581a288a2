#include <gtest/gtest.h>

#include "engine/pic/PicConfigRules.h"

namespace tarvel {
namespace {

// The rules are looked up by device value; what each row does is proven on
// the simulated chips.
TEST(PicConfigRules, OneRowPerDeviceInListOrder) {
  for (int i = 0; i < kPicDeviceCount; ++i) EXPECT_EQ(kPicConfigRules[i].device, i);
}

}  // namespace
}  // namespace tarvel

#include "engine/pic/CodeProtectRanges.h"

#include <gtest/gtest.h>

#include "engine/pic/PicDevice.h"

namespace tarvel {
namespace {

using Range = CodeProtectRanges::Range;

std::vector<std::string> Texts(int device) {
  std::vector<std::string> texts;
  for (const Range& range : CodeProtectRanges::ForDevice(device)) texts.push_back(range.text);
  return texts;
}

std::vector<int32_t> Levels(int device) {
  std::vector<int32_t> levels;
  for (const Range& range : CodeProtectRanges::ForDevice(device)) levels.push_back(range.level);
  return levels;
}

TEST(CodeProtectRanges, AllOrNothingDevicesOfferOnlyAll) {
  EXPECT_EQ(Texts(PIC16F84), (std::vector<std::string>{"All (0000H-03FFH)"}));
  EXPECT_EQ(Texts(PIC12C508), (std::vector<std::string>{"All (0000H-01FFH)"}));
  EXPECT_EQ(Texts(PIC16C711), (std::vector<std::string>{"All (0000H-03FFH)"}));
  for (int device : {PIC12C508, PIC12C508A, PIC12C509, PIC16C84, PIC16F84, PIC16C61, PIC16C71, PIC16C710,
                     PIC16C711, PIC16C620, PIC16CE623}) {
    EXPECT_EQ(Levels(device), (std::vector<int32_t>{0})) << kPicDevices[device].displayName;
    EXPECT_EQ(CodeProtectRanges::FirstChoice(device), 0);
  }
}

TEST(CodeProtectRanges, EpromDevicesProtectByQuarters) {
  EXPECT_EQ(Texts(PIC16C74), (std::vector<std::string>{"All (0000H-0FFFH)", "Upper three quarters (0400H-0FFFH)",
                                                        "Upper half (0800H-0FFFH)"}));
  EXPECT_EQ(Levels(PIC16C74), (std::vector<int32_t>{0, 1, 2}));
  EXPECT_EQ(Texts(PIC16C620), (std::vector<std::string>{"All (0000H-01FFH)"}))
      << "its other pairs protect from 0200H, beyond its memory";
  EXPECT_EQ(Texts(PIC16F628), (std::vector<std::string>{"All (0000H-07FFH)", "Upper three quarters (0200H-07FFH)",
                                                         "Upper half (0400H-07FFH)"}));
  EXPECT_EQ(CodeProtectRanges::FirstChoice(PIC16C74), 2) << "the smallest range first";
}

TEST(CodeProtectRanges, OneKWordPartsWithPairsHaveTwoChoices) {
  for (int device : {PIC16F627, PIC16C621, PIC16CE624, PIC16C712}) {
    EXPECT_EQ(Texts(device), (std::vector<std::string>{"All (0000H-03FFH)", "Upper half (0200H-03FFH)"})) << device;
    EXPECT_EQ(Levels(device), (std::vector<int32_t>{0, 1})) << device;
    EXPECT_EQ(CodeProtectRanges::FirstChoice(device), 1);
  }
}

TEST(CodeProtectRanges, F87xProtectsTheUpperHalfOrTheLastPage) {
  EXPECT_EQ(Texts(PIC16F873), (std::vector<std::string>{"All (0000H-0FFFH)", "Upper half (0800H-0FFFH)",
                                                         "Last 256 words (0F00H-0FFFH)"}));
  EXPECT_EQ(Texts(PIC16F877), (std::vector<std::string>{"All (0000H-1FFFH)", "Upper half (1000H-1FFFH)",
                                                         "Last 256 words (1F00H-1FFFH)"}));
  EXPECT_EQ(Levels(PIC16F876), (std::vector<int32_t>{0, 1, 2}));
}

TEST(CodeProtectRanges, ChoicesFollowTheEnginesProtectKinds) {
  for (int device = 0; device < kPicDeviceCount; ++device) {
    const size_t count = CodeProtectRanges::ForDevice(device).size();
    const char* name = kPicDevices[device].displayName;
    switch (kPicDevices[device].protectType) {
      case 4: EXPECT_EQ(count, 1u) << name; break;
      case 3: EXPECT_EQ(count, 2u) << name; break;
      case 2: EXPECT_EQ(count, 3u) << name; break;
      case 1: EXPECT_TRUE(count >= 1 && count <= 3) << name; break;
      default: ADD_FAILURE() << name << " has no protect kind";
    }
    if (kPicDevices[device].dataProtectType != 0) {
      EXPECT_TRUE(CodeProtectRanges::OffersDataProtect(device)) << name;
    }
  }
}

TEST(CodeProtectRanges, DataProtectionWhereTheChipHasADataProtectBit) {
  for (int device : {PIC16F627, PIC16F628, PIC16F873, PIC16F874, PIC16F876, PIC16F877}) {
    EXPECT_TRUE(CodeProtectRanges::OffersDataProtect(device)) << device;
  }
  for (int device : {PIC16C84, PIC16F84, PIC16C74, PIC12C509}) {
    EXPECT_FALSE(CodeProtectRanges::OffersDataProtect(device)) << device;
  }
}

TEST(CodeProtectRanges, DevicesOutsideTheListHaveNoProtection) {
  EXPECT_TRUE(CodeProtectRanges::ForDevice(45).empty());
  EXPECT_TRUE(CodeProtectRanges::ForDevice(-1).empty());
  EXPECT_EQ(CodeProtectRanges::FirstChoice(45), -1);
  EXPECT_FALSE(CodeProtectRanges::OffersDataProtect(45));
}

}  // namespace
}  // namespace tarvel

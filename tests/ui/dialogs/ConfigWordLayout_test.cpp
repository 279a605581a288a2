#include "ui/dialogs/ConfigWordLayout.h"

#include <gtest/gtest.h>

#include "engine/pic/PicDevice.h"

namespace tarvel {
namespace {

using C = ConfigCheck;
using R = ConfigRadio;

ConfigControls Unpacked(int device, uint32_t word) {
  ConfigControls controls;
  controls.item.fill(-1);
  ConfigWordLayout::ForDevice(device).Unpack(word, controls);
  return controls;
}

uint16_t Packed(int device, const ConfigControls& controls) {
  return ConfigWordLayout::ForDevice(device).Pack(controls, 0xFFFF);
}

uint16_t BoundBits(const ConfigWordLayout& layout) {
  uint16_t bits = 0;
  for (const auto& check : layout.checks) bits |= 1u << check.bit;
  for (const auto& radio : layout.radios) {
    for (uint8_t bit : radio.wordBits) bits |= 1u << bit;
  }
  return bits;
}

TEST(ConfigWordLayout, ErasedF877ReadsWithEveryOptionOfItsBits) {
  const ConfigControls c = Unpacked(PIC16F877, 0x3FFF);
  EXPECT_EQ(c[R::DefaultOsc], 3) << "RC";
  EXPECT_TRUE(c[C::Wdt]);
  EXPECT_FALSE(c[C::Pwrte87x]);
  EXPECT_TRUE(c[C::Boden87x]);
  EXPECT_TRUE(c[C::Lvp87x]);
  EXPECT_TRUE(c[C::Wrt87x]);
  EXPECT_FALSE(c[C::Debug87x]);
  EXPECT_EQ(Packed(PIC16F877, c), 0x3FFF);
}

TEST(ConfigWordLayout, F877WithEverythingOffSetsTheInvertedBits) {
  ConfigControls c;
  c[R::DefaultOsc] = 1;  // XT
  EXPECT_EQ(Packed(PIC16F877, c), 0x3D39);
}

TEST(ConfigWordLayout, PowerUpTimerSenseDiffersBetweenF84AndC84) {
  EXPECT_TRUE(Unpacked(PIC16F84, 0x3FF7)[C::Pwt]);
  EXPECT_FALSE(Unpacked(PIC16C84, 0x3FF7)[C::Pwt]);
  ConfigControls c = Unpacked(PIC16F84, 0x3FF7);
  EXPECT_EQ(Packed(PIC16F84, c), 0xFFF7);
  EXPECT_EQ(Packed(PIC16C84, Unpacked(PIC16C84, 0x3FF7)), 0x0017);
}

TEST(ConfigWordLayout, F628SplitsTheOscillatorOverBitsOneZeroAndFour) {
  const ConfigControls c = Unpacked(PIC16F628, 0x3F72);
  EXPECT_EQ(c[R::VariousOsc], 6) << "ER (RA6 = I/O)";
  EXPECT_EQ(c[R::Mclr62x], 1);
  EXPECT_TRUE(c[C::Boden62x]);
  EXPECT_FALSE(c[C::Lvp62x]);
  EXPECT_TRUE(c[C::Pwrte62x]);
  EXPECT_FALSE(c[C::Wdt]);
  EXPECT_EQ(Packed(PIC16F628, c), 0x3D72);
}

TEST(ConfigWordLayout, BrownOutVoltageIsBitsElevenAndTen) {
  EXPECT_EQ(Unpacked(PIC16C773, 0x0800)[R::Borv], 2) << "2.7V";
  EXPECT_EQ(Unpacked(PIC16C774, 0x0C00)[R::Borv], 3);
  ConfigControls c = Unpacked(PIC16C773, 0x0000);
  c[R::Borv] = 1;
  EXPECT_EQ(Packed(PIC16C773, c), 0xF3B0 | 0x0400);
}

TEST(ConfigWordLayout, EightPinPacksItsFiveBits) {
  ConfigControls c;
  c[R::InternalOsc] = 1;  // XT
  c[C::Wdt] = true;
  c[R::Mclr8pin] = 1;  // Enable MCLR
  EXPECT_EQ(Packed(PIC12C509, c), 0x001D);
  EXPECT_EQ(Packed(PIC12C508, c), 0x001D);
  const ConfigControls read = Unpacked(PIC12C509, 0x0FEA);
  EXPECT_EQ(read[R::InternalOsc], 2);
  EXPECT_FALSE(read[C::Wdt]);
  EXPECT_EQ(read[R::Mclr8pin], 0);
}

TEST(ConfigWordLayout, UnsupportedAndDisplayOnlyLayouts) {
  for (int device : {45, 200, -1}) {
    const ConfigWordLayout& layout = ConfigWordLayout::ForDevice(device);
    EXPECT_FALSE(layout.unpacks) << device;
    EXPECT_FALSE(layout.packs) << device;
  }
  for (int device : {PIC16C745, PIC16C765, PIC16C923, PIC16C924}) {
    const ConfigWordLayout& layout = ConfigWordLayout::ForDevice(device);
    EXPECT_TRUE(layout.unpacks) << device;
    EXPECT_FALSE(layout.packs) << device;
    EXPECT_TRUE(Unpacked(device, 0x3FF7)[C::Pwt]) << "timer on when its bit is 0";
  }
}

TEST(ConfigWordLayout, AnUnselectedGroupKeepsTheBitsOfTheWordHandedIn) {
  ConfigControls c;
  c[R::DefaultOsc] = -1;
  EXPECT_EQ(ConfigWordLayout::ForDevice(PIC16F84).Pack(c, 0x0002) & 3, 2);
  EXPECT_EQ(ConfigWordLayout::ForDevice(PIC16F84).Pack(c, 0x0001) & 3, 1);
}

// Every layout must give back what it shows, and never let an option reach
// a constant bit (the code protection bits among them).
TEST(ConfigWordLayout, EveryWritableDeviceRoundTripsItsOwnBits) {
  for (int device = 0; device < kPicDeviceCount; ++device) {
    const ConfigWordLayout& layout = ConfigWordLayout::ForDevice(device);
    if (!layout.packs) continue;
    const uint16_t bound = BoundBits(layout);
    EXPECT_EQ(bound & layout.constant, 0) << kPicDevices[device].displayName;
    for (uint32_t word : {0x0000u, 0x3FFFu, 0x1555u, 0x2AAAu, 0x0C4Fu, 0x3F72u}) {
      EXPECT_EQ(Packed(device, Unpacked(device, word)), (word & bound) | layout.constant)
          << kPicDevices[device].displayName << " word " << std::hex << word;
    }
  }
}

TEST(ConfigWordLayout, EachDeviceOpensItsPages) {
  struct Expected {
    int device;
    ConfigWordLayout::OscPage osc;
    ConfigWordLayout::OptionPage option;
    bool extras;
  };
  using L = ConfigWordLayout;
  for (const Expected& e : {Expected{PIC12C508, L::InternalOSC, L::EightPin, false},
                            Expected{PIC16C61, L::DefaultOSC, L::Default, false},
                            Expected{PIC16C62A, L::DefaultOSC, L::F87x, false},
                            Expected{PIC16C77, L::DefaultOSC, L::F87x, false},
                            Expected{PIC16F873, L::DefaultOSC, L::F87x, true},
                            Expected{PIC16F627, L::VariousOSC, L::F62x, false},
                            Expected{PIC16C774, L::DefaultOSC, L::MvBoden, false},
                            Expected{PIC16F84, L::DefaultOSC, L::Default, false},
                            Expected{PIC12C508A, L::InternalOSC, L::EightPin, false}}) {
    const ConfigWordLayout& layout = ConfigWordLayout::ForDevice(e.device);
    EXPECT_EQ(layout.oscPage, e.osc) << e.device;
    EXPECT_EQ(layout.optionPage, e.option) << e.device;
    EXPECT_EQ(layout.showsF87xExtras, e.extras) << e.device;
  }
}

}  // namespace
}  // namespace tarvel

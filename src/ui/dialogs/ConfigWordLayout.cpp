#include "ui/dialogs/ConfigWordLayout.h"

#include <cstddef>

#include "engine/pic/PicDevice.h"

namespace tarvel {

namespace {

using Layout = ConfigWordLayout;
using C = ConfigCheck;
using R = ConfigRadio;

const Layout::RadioBits kOscBits{R::DefaultOsc, {0, 1}};

// Shared option bits: the watchdog is bit 2 everywhere, the power-up timer bit 3.
const Layout kEightPin{Layout::InternalOSC, Layout::EightPin, false, true, true, 0x0008,
                       {{C::Wdt, 2, false}},
                       {{R::InternalOsc, {0, 1}}, {R::Mclr8pin, {4}}}};
const Layout kBasicTimerHighFull{Layout::DefaultOSC, Layout::Default, false, true, true,
                                 0xFFF0, {{C::Wdt, 2, false}, {C::Pwt, 3, false}}, {kOscBits}};
const Layout kBasicTimerHigh{Layout::DefaultOSC, Layout::Default, false, true, true, 0xFFB0,
                             {{C::Wdt, 2, false}, {C::Pwt, 3, false}}, {kOscBits}};
const Layout kBasicTimerHighEeprom{Layout::DefaultOSC, Layout::Default, false, true,
                                   true, 0x0010, {{C::Wdt, 2, false}, {C::Pwt, 3, false}}, {kOscBits}};
const Layout kBasicTimerLow{Layout::DefaultOSC, Layout::Default, false, true, true, 0xFFF0,
                            {{C::Wdt, 2, false}, {C::Pwt, 3, true}}, {kOscBits}};
// These chips' words can be shown but their writable bits are not known here.
const Layout kBasicTimerLowDisplayOnly{Layout::DefaultOSC, Layout::Default, false,
                                       true, false, 0xFFFF, {{C::Wdt, 2, false}, {C::Pwt, 3, true}}, {kOscBits}};
// The USB parts run from a crystal or an external clock, directly or with
// the 4x PLL.
const Layout kUsbDisplayOnly{Layout::DefaultOSC, Layout::Default, false, true, false, 0xFFFF,
                             {{C::Wdt, 2, false}, {C::Pwt, 3, true}}, {kOscBits}, {"HS", "EC", "H4", "E4"}};
const Layout kBrownOut{Layout::DefaultOSC, Layout::F87x, false, true, true, 0xFFB0,
                       {{C::Wdt, 2, false}, {C::Pwrte87x, 3, true}, {C::Boden87x, 6, false}}, {kOscBits}};
const Layout kFlash87x{Layout::DefaultOSC, Layout::F87x, true, true, true, 0x3530,
                       {{C::Wdt, 2, false},
                        {C::Pwrte87x, 3, true},
                        {C::Boden87x, 6, false},
                        {C::Lvp87x, 7, false},
                        {C::Wrt87x, 9, false},
                        {C::Debug87x, 11, true}},
                       {kOscBits}};
// The three-bit oscillator choice is split over bits 1-0 and bit 4.
const Layout kFlash62x{Layout::VariousOSC, Layout::F62x, false, true, true, 0x3D00,
                       {{C::Wdt, 2, false}, {C::Pwrte62x, 3, true}, {C::Boden62x, 6, false}, {C::Lvp62x, 7, false}},
                       {{R::VariousOsc, {0, 1, 4}}, {R::Mclr62x, {5}}}};
const Layout kBrownOutVoltage{Layout::DefaultOSC, Layout::MvBoden, false, true, true, 0xF3B0,
                              {{C::Wdt, 2, false}, {C::PwrteMvb, 3, true}, {C::BodenMvb, 6, false}},
                              {kOscBits, {R::Borv, {10, 11}}}};
const Layout kUnsupported{Layout::DefaultOSC, Layout::Default, false, false, false, 0xFFFF, {}, {}};

// One row per device, in the order of PIC_DEVICES.
const Layout* const kDeviceLayouts[kPicDeviceCount] = {
    &kEightPin,             // PIC12C508
    &kEightPin,             // PIC12C508A
    &kEightPin,             // PIC12C509
    &kBasicTimerHighFull,   // PIC16C61
    &kBasicTimerHigh,       // PIC16C62
    &kBrownOut,             // PIC16C62A
    &kBrownOut,             // PIC16C620
    &kBrownOut,             // PIC16C621
    &kBrownOut,             // PIC16C622
    &kBrownOut,             // PIC16CE623
    &kBrownOut,             // PIC16CE624
    &kBrownOut,             // PIC16CE625
    &kBrownOut,             // PIC16C63
    &kBasicTimerHigh,       // PIC16C64
    &kBrownOut,             // PIC16C64A
    &kBasicTimerHigh,       // PIC16C65
    &kBrownOut,             // PIC16C65A
    &kBrownOut,             // PIC16C66
    &kBrownOut,             // PIC16C67
    &kBasicTimerHighFull,   // PIC16C71
    &kBrownOut,             // PIC16C710
    &kBrownOut,             // PIC16C711
    &kBrownOut,             // PIC16C712
    &kBrownOut,             // PIC16C716
    &kBrownOut,             // PIC16C72
    &kBasicTimerHigh,       // PIC16C73
    &kBrownOut,             // PIC16C73A
    &kBasicTimerHigh,       // PIC16C74
    &kBrownOut,             // PIC16C74A
    &kUsbDisplayOnly,       // PIC16C745
    &kBrownOut,             // PIC16C76
    &kUsbDisplayOnly,       // PIC16C765
    &kBrownOut,             // PIC16C77
    &kBrownOutVoltage,      // PIC16C773
    &kBrownOutVoltage,      // PIC16C774
    &kBasicTimerHighEeprom,  // PIC16C84
    &kBasicTimerLowDisplayOnly,  // PIC16C923
    &kBasicTimerLowDisplayOnly,  // PIC16C924
    &kFlash62x,             // PIC16F627
    &kFlash62x,             // PIC16F628
    &kBasicTimerLow,        // PIC16F84
    &kFlash87x,             // PIC16F873
    &kFlash87x,             // PIC16F874
    &kFlash87x,             // PIC16F876
    &kFlash87x,             // PIC16F877
};

}  // namespace

const ConfigWordLayout& ConfigWordLayout::ForDevice(int device) {
  return IsKnownPicDevice(device) ? *kDeviceLayouts[device] : kUnsupported;
}

void ConfigWordLayout::Unpack(uint32_t word, ConfigControls& controls) const {
  for (const CheckBit& binding : checks) {
    const bool set = (word >> binding.bit) & 1;
    controls[binding.check] = set != binding.onWhenClear;
  }
  for (const RadioBits& binding : radios) {
    int item = 0;
    for (std::size_t i = 0; i < binding.wordBits.size(); ++i) item |= ((word >> binding.wordBits[i]) & 1) << i;
    controls[binding.radio] = item;
  }
}

uint16_t ConfigWordLayout::Pack(const ConfigControls& controls, uint32_t storedWord) const {
  uint32_t word = constant;
  for (const CheckBit& binding : checks) {
    if (controls[binding.check] != binding.onWhenClear) word |= 1u << binding.bit;
  }
  for (const RadioBits& binding : radios) {
    const int item = controls[binding.radio];
    for (std::size_t i = 0; i < binding.wordBits.size(); ++i) {
      const uint32_t bit = 1u << binding.wordBits[i];
      const bool set = item < 0 ? (storedWord & bit) != 0 : ((item >> i) & 1) != 0;
      if (set) word |= bit;
    }
  }
  return static_cast<uint16_t>(word);
}

}  // namespace tarvel

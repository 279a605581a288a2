#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace tarvel {

// The option controls of the configuration dialog, as the layouts name them.
enum class ConfigCheck : uint8_t {
  Wdt, Pwt,
  Pwrte87x, Boden87x, Lvp87x, Wrt87x, Debug87x,
  Pwrte62x, Boden62x, Lvp62x,
  PwrteMvb, BodenMvb,
};
constexpr int kConfigCheckCount = 12;

enum class ConfigRadio : uint8_t { DefaultOsc, InternalOsc, VariousOsc, Mclr8pin, Mclr62x, Borv };
constexpr int kConfigRadioCount = 6;

// The states of every option control: check marks, and radio items (-1: none).
struct ConfigControls {
  std::array<bool, kConfigCheckCount> checked{};
  std::array<int, kConfigRadioCount> item{};

  bool& operator[](ConfigCheck check) { return checked[static_cast<int>(check)]; }
  bool operator[](ConfigCheck check) const { return checked[static_cast<int>(check)]; }
  int& operator[](ConfigRadio radio) { return item[static_cast<int>(radio)]; }
  int operator[](ConfigRadio radio) const { return item[static_cast<int>(radio)]; }
};

// How one family of devices lays its options out in the configuration word:
// which pages the dialog shows, which bit each control stands for, and the
// bits written as constants. Every constant holds the layout's code
// protection bits at 1, so a word from the dialog never protects the chip.
struct ConfigWordLayout {
  enum OscPage : uint8_t { DefaultOSC, InternalOSC, VariousOSC };
  enum OptionPage : uint8_t { Default, EightPin, F87x, F62x, MvBoden };

  struct CheckBit {
    ConfigCheck check;
    uint8_t bit;
    bool onWhenClear;  // the option is on while its bit is 0
  };
  struct RadioBits {
    ConfigRadio radio;
    std::vector<uint8_t> wordBits;  // word bit of each bit of the item number, lowest first
  };

  OscPage oscPage;
  OptionPage optionPage;
  bool showsF87xExtras;  // low-voltage programming, write enable and debug
  bool unpacks;          // a word read from the chip can be shown
  bool packs;            // the dialog can make a word to write
  uint16_t constant;
  std::vector<CheckBit> checks;
  std::vector<RadioBits> radios;
  // The items of the oscillator page where the chip names its oscillators
  // otherwise; empty: the page's own names.
  std::vector<const char*> oscNames = {};

  // The layout of a PIC_DEVICES value; anything outside the list is unsupported.
  static const ConfigWordLayout& ForDevice(int device);

  // Sets the controls this layout binds from the word, leaving the others.
  void Unpack(uint32_t word, ConfigControls& controls) const;
  // The constant with the bits of the controls. A radio group with nothing
  // selected keeps the bits of `storedWord`, the word last handed in.
  uint16_t Pack(const ConfigControls& controls, uint32_t storedWord) const;
};

}  // namespace tarvel

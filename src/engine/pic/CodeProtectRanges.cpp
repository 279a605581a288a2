#include "engine/pic/CodeProtectRanges.h"

#include <cstdio>

#include "engine/pic/PicConfigRules.h"
#include "engine/pic/PicDevice.h"

namespace tarvel {

namespace {

// The pairs of the PIC16C62x, PIC16CE62x and PIC16C712 protect from 0200H
// (level 1) and 0400H (level 2) whatever the size: on a 512-word part only
// "all" protects, on a 1K-word part level 1 is the upper half and level 2
// protects nothing. Such a level is never offered.
enum class Scheme : uint8_t {
  AllOnly,   // one protection bit or level ignored: all or nothing
  Quarters,  // all / upper three quarters / upper half (levels 0, 1, 2)
  Halves,    // all / upper half (levels 0, 1)
  LastWords, // all / upper half / last 256 words (levels 0, 1, 2)
};

constexpr Scheme kAll = Scheme::AllOnly;
constexpr Scheme kQuarters = Scheme::Quarters;
constexpr Scheme kHalves = Scheme::Halves;
constexpr Scheme kLastWords = Scheme::LastWords;

// One row per device, in the order of PIC_DEVICES.
constexpr Scheme kSchemes[kPicDeviceCount] = {
    kAll,       // PIC12C508
    kAll,       // PIC12C508A
    kAll,       // PIC12C509
    kAll,       // PIC16C61
    kQuarters,  // PIC16C62
    kQuarters,  // PIC16C62A
    kAll,       // PIC16C620
    kHalves,    // PIC16C621
    kQuarters,  // PIC16C622
    kAll,       // PIC16CE623
    kHalves,    // PIC16CE624
    kQuarters,  // PIC16CE625
    kQuarters,  // PIC16C63
    kQuarters,  // PIC16C64
    kQuarters,  // PIC16C64A
    kQuarters,  // PIC16C65
    kQuarters,  // PIC16C65A
    kQuarters,  // PIC16C66
    kQuarters,  // PIC16C67
    kAll,       // PIC16C71
    kAll,       // PIC16C710
    kAll,       // PIC16C711
    kHalves,    // PIC16C712
    kQuarters,  // PIC16C716
    kQuarters,  // PIC16C72
    kQuarters,  // PIC16C73
    kQuarters,  // PIC16C73A
    kQuarters,  // PIC16C74
    kQuarters,  // PIC16C74A
    kQuarters,  // PIC16C745
    kQuarters,  // PIC16C76
    kQuarters,  // PIC16C765
    kQuarters,  // PIC16C77
    kQuarters,  // PIC16C773
    kQuarters,  // PIC16C774
    kAll,       // PIC16C84
    kQuarters,  // PIC16C923
    kQuarters,  // PIC16C924
    kHalves,    // PIC16F627
    kQuarters,  // PIC16F628
    kAll,       // PIC16F84
    kLastWords, // PIC16F873
    kLastWords, // PIC16F874
    kLastWords, // PIC16F876
    kLastWords, // PIC16F877
};

CodeProtectRanges::Range MakeRange(const char* words, int32_t first, int32_t last, int32_t level) {
  char text[64];
  std::snprintf(text, sizeof text, "%s (%04XH-%04XH)", words, static_cast<unsigned>(first),
                static_cast<unsigned>(last));
  return {text, level};
}

}  // namespace

std::vector<CodeProtectRanges::Range> CodeProtectRanges::ForDevice(int device) {
  if (!IsKnownPicDevice(device)) return {};
  const int32_t last = kPicDevices[device].lastAddress;
  const int32_t words = last + 1;
  std::vector<Range> ranges{MakeRange("All", 0, last, 0)};
  switch (kSchemes[device]) {
    case Scheme::AllOnly:
      break;
    case Scheme::Quarters:
      ranges.push_back(MakeRange("Upper three quarters", words / 4, last, 1));
      ranges.push_back(MakeRange("Upper half", words / 2, last, 2));
      break;
    case Scheme::Halves:
      ranges.push_back(MakeRange("Upper half", words / 2, last, 1));
      break;
    case Scheme::LastWords:
      ranges.push_back(MakeRange("Upper half", words / 2, last, 1));
      ranges.push_back(MakeRange("Last 256 words", words - 256, last, 2));
      break;
  }
  return ranges;
}

int CodeProtectRanges::FirstChoice(int device) { return static_cast<int>(ForDevice(device).size()) - 1; }

bool CodeProtectRanges::OffersDataProtect(int device) {
  // A data protect mask that keeps every bit: the engine ignores the data flag (CPD).
  return IsKnownPicDevice(device) && kPicConfigRules[device].dataProtectMask != -1;
}

}  // namespace tarvel

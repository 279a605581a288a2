#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tarvel {

// What the code-protect confirmation offers for each device: the parts of
// program memory that can be made unreadable, each with the protection level
// the engine's code-protect operation takes for it, and whether the data
// EEPROM can be protected as well.
class CodeProtectRanges {
 public:
  struct Range {
    std::string text;  // in words and addresses, e.g. "Upper half (0200H-03FFH)"
    int32_t level;
  };

  // Empty for a device without code protection.
  static std::vector<Range> ForDevice(int device);
  // The range selected when the dialog opens: "All" only where it is the
  // only choice, otherwise the smallest range, the least that cannot be undone.
  static int FirstChoice(int device);
  static bool OffersDataProtect(int device);
};

}  // namespace tarvel

#pragma once

#include <cstdint>

#include "engine/pic/PicDevice.h"

namespace tarvel {

// How the engine treats a device's configuration word. A configuration
// write forces the protection bits to 1 (unprotected); only code protection
// clears them.
struct PicConfigRule {
  PIC_DEVICES device;
  int32_t forcedBits;    // ORed into Fuse by every configuration write
  int32_t comparedBits;  // the bits that must read back after the write
  // Code protection, applied to the word read from the chip in this order:
  int32_t protectSetBits;   // ORed in first
  int32_t protectMask;      // ANDed in at every level
  int32_t levelPairs;       // two-bit protection pairs that take the level's value
  int32_t dataProtectMask;  // ANDed in when data protection is asked for
};

// One row per device, indexed by PIC_DEVICES.
extern const PicConfigRule kPicConfigRules[kPicDeviceCount];

// Each protection pair of `pairs` ANDed with the level shifted into its
// place, the other bits of the pair's mask kept: level 3 keeps a pair as it
// is, level 0 clears it.
int32_t ApplyProtectionLevel(int32_t word, int32_t pairs, int32_t level);

// The word a configuration write of `fuse` wants on the chip: the forced
// bits set.
int32_t ConfigWordWanted(const PicConfigRule& rule, int32_t fuse);
// Whether the word read from the chip holds the wanted word in every bit
// that must read back; the others may read anything.
bool ConfigReadsBack(const PicConfigRule& rule, int32_t wanted, int32_t read);

// The bits code protection may clear; a cleared one means protected.
int32_t ProtectionBits(const PicConfigRule& rule);

}  // namespace tarvel

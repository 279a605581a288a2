#pragma once

#include <cstdint>

#include "engine/srom/SRomDevice.h"

namespace tarvel {

// A 24xx EEPROM as its datasheet describes it, kept apart from the engine's
// table of sizes for the same reason as the PIC chips' facts.
struct Serial24xxFacts {
  SROM_DEVICE device;
  uint32_t bytes;
  uint32_t pageSize;  // bytes in one write page; page writes wrap inside it
  uint32_t writeCycleMicros;  // typical self-timed write cycle of a byte or a page
};

// One row per size, indexed by SROM_DEVICE.
extern const Serial24xxFacts kSerial24xxFacts[kSRomDeviceCount];

// Parts above 16 kbit take two address bytes; the smaller ones carry the
// address bits above 7 in the control byte.
inline bool Serial24xxTakesTwoAddressBytes(uint32_t bytes) { return bytes > 2048; }

}  // namespace tarvel

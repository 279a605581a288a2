#pragma once

#include <cstdint>

#include "engine/pic/PicDevice.h"

namespace tarvel {

// How the code-protection bits of a configuration word map onto program
// memory. In the pair schemes every protection pair (two adjacent bits, the
// lower at an even position) is read and the most protective one wins; real
// chips expect all pairs programmed alike.
enum class PicProtectScheme : uint8_t {
  All,        // any cleared protection bit protects the whole program memory
  Quarters,   // pair 11 off, 10 upper half, 01 upper three quarters, 00 all
  UpperHalf,  // PIC16F627: 11 and 10 off, 01 upper half, 00 all
  LastPage,   // PIC16F87x: 11 off, 10 the last 256 words, 01 upper half, 00 all
};

// What a virtual chip of one device is made of, beyond the engine's device
// table: the real data EEPROM size, where its protection bits are, and its
// factory contents.
struct PicChipFacts {
  PIC_DEVICES device;
  int32_t dataBytes;            // data EEPROM on the chip; 0 for the EPROM families
  PicProtectScheme scheme;
  uint16_t codeProtectBits;     // configuration bits that protect program memory (0 = protected)
  uint16_t dataProtectBit;      // CPD (0 = data EEPROM protected); 0 when there is none
  uint16_t configReadsOne;      // unimplemented configuration bits, which read as 1
  uint16_t calibrationWord;     // 12-bit family: factory MOVLW at the last program word; else 0
};

// One row per device, indexed by PIC_DEVICES.
extern const PicChipFacts kPicChipFacts[kPicDeviceCount];

// The first protected program word for the configuration word `config`;
// `programWords` when nothing is protected.
int32_t ProtectedFrom(const PicChipFacts& facts, int32_t programWords, uint16_t config);

}  // namespace tarvel

#pragma once

#include <cstdint>

#include "engine/pic/PicDevice.h"

namespace tarvel {

// How the chip's program memory is made, which decides its programming
// commands and where its address counter starts.
enum class PicChipKind : uint8_t {
  Flash,    // electrically erasable, with a data EEPROM
  Eprom14,  // 14-bit words programmed by pulses
  Eprom12,  // 12-bit words programmed by pulses, configuration word first
};

// How the code-protection bits of a configuration word map onto program
// memory.
enum class PicProtectScheme : uint8_t {
  All,    // any cleared protection bit protects the whole program memory
  Pairs,  // two-bit pairs: 11 off, 00 all, 01 and 10 from the chip's own addresses
};

// A virtual chip of one device as its datasheet and programming guide
// describe it. The simulator keeps these facts apart from the
// engine's device table, so that a wrong engine table fails a test instead of
// being mirrored by the chip it programs.
struct PicChipFacts {
  PIC_DEVICES device;
  PicChipKind kind;
  int32_t programWords;
  int32_t dataBytes;            // data EEPROM; 0 for the EPROM chips
  uint16_t deviceId;            // the device ID word at 0x2006, revision bits 0; 0 where there is none
  PicProtectScheme scheme;
  uint16_t codeProtectBits;     // configuration bits that protect program memory (0 = protected)
  // Pairs: the first protected word for pair 01 and for pair 10. The
  // addresses are fixed by the chip, so on a small part a pair may start
  // beyond its memory and protect nothing.
  int32_t pair01From;
  int32_t pair10From;
  uint16_t dataProtectBit;      // CPD (0 = data EEPROM protected); 0 when there is none
  uint16_t configReadsOne;      // unimplemented configuration bits, which read as 1
  uint16_t calibrationWord;     // 12-bit chips: factory MOVLW at the last program word; else 0
  // Flash chips: the typical self-timed cycle, in microseconds, of a word
  // (program, ID or configuration), of a data byte and of the chip erase. A
  // cycle given less does not complete. 0 on the EPROM chips.
  uint32_t wordCycleMicros;
  uint32_t dataCycleMicros;
  uint32_t eraseMicros;
};

// One row per device, indexed by PIC_DEVICES.
extern const PicChipFacts kPicChipFacts[kPicDeviceCount];

// The first protected program word for the configuration word `config`;
// the number of program words when nothing is protected. In the pair scheme
// every pair is read and the most protective one wins; real chips expect
// all pairs programmed alike.
int32_t ProtectedFrom(const PicChipFacts& facts, uint16_t config);

}  // namespace tarvel

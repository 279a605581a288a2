#pragma once

#include <cstdint>

#include "sim/EpromPicChip.h"

namespace tarvel {

// A PIC12C508/508A/509: the address counter starts on the configuration
// word, one increment reaches program word 0, and the four ID words follow
// the last program word. Words are 12 bits; reads carry 0 in bits 12 and 13,
// unimplemented configuration bits read 1, and a protected chip (bit 3 of
// the configuration word cleared) reads its program words scrambled. A fresh
// chip holds the factory calibration MOVLW in its last program word.
class Eprom12PicChip : public EpromPicChip {
 public:
  Eprom12PicChip(Clock& clock, PIC_DEVICES device);

  // How a protected chip shows a program word: bits 4-11 read 0 and the low
  // nibble is the XOR of the word's three nibbles.
  static uint16_t Scrambled(uint16_t word);

 protected:
  void ResetCounter() override { counter_ = kConfigAddress; }
  void Increment() override { counter_ = (counter_ + 1) & kConfigAddress; }
  Location Locate() override;
  uint16_t ReadWord() const override;
  bool OnFamilyCommand(int) override { return false; }

 private:
  static constexpr uint16_t kConfigAddress = 0x0FFF;
  uint16_t counter_ = kConfigAddress;
};

}  // namespace tarvel

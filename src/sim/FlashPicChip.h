#pragma once

#include <cstdint>

#include "sim/PicChip.h"

namespace tarvel {

// A PIC of the flash family (PIC16C84, PIC16F84, PIC16F627/628,
// PIC16F873/874/876/877): program and configuration words and a data EEPROM,
// each cell written by a self-timed erase-then-write cycle. The PIC16F62x
// and PIC16F87x answer their device ID word at 0x2006; on the others it
// reads all ones. A cycle or chip erase given less than the device's typical
// time (PicChipFacts) before the next command, or before VPP or VDD drops,
// does not complete and leaves the cells as they were.
class FlashPicChip : public PicChip {
 public:
  FlashPicChip(Clock& clock, PIC_DEVICES device);

  bool CyclePending() const { return pending_.kind != PendingKind::None; }
  // The silicon revision in the low five bits of the device ID word, on the
  // chips that have one; 0 on a fresh chip.
  void SetRevision(uint16_t revision);

 protected:
  void OnEnter() override;
  void OnLeave() override;
  void OnCommandBegins() override;
  void OnCommand(int command) override;
  void OnWordLoaded(uint16_t word) override;

 private:
  enum class Latch : uint8_t { None, Word, DataByte };
  enum class PendingKind : uint8_t { None, Word, DataByte, ChipErase };
  struct Pending {
    PendingKind kind = PendingKind::None;
    uint16_t address = 0;
    uint16_t value = 0;
    uint64_t startMicros = 0;
  };

  void Begin();
  void Finish();
  uint64_t TypicalMicros(PendingKind kind) const;
  void Commit(const Pending& cycle);
  void CommitWord(uint16_t address, uint16_t value);
  void ChipErase();
  void Increment();
  uint16_t ReadWord() const;
  uint16_t ReadDataByte() const;

  uint16_t counter_ = 0;      // 0x0000-0x1FFF program space, 0x2000-0x3FFF configuration space
  int32_t dataCounter_ = 0;
  Latch loading_ = Latch::None;  // the load whose frame is coming in
  Latch latched_ = Latch::None;
  uint16_t latch_ = 0;
  bool clearStepOne_ = false;  // command 1 came last, so a 7 completes the pair
  bool eraseArmed_ = false;    // 1, 7 at 0x2007: the next Begin erases the chip
  Pending pending_;
  uint16_t revision_ = 0;
};

}  // namespace tarvel

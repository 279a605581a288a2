#pragma once

#include <cstdint>

#include "sim/PicChip.h"

namespace tarvel {

// What the EPROM families share: a word is loaded, then programmed by a
// pulse from Begin Programming (8) to End Programming (14). Bits only go
// from 1 to 0; a pulse shorter than kShortestPulseMicros does not count, and
// each cell needs its number of counted pulses (PicCells) before it changes.
// The families decide where the address counter starts and what each
// address holds.
class EpromPicChip : public PicChip {
 public:
  static constexpr uint64_t kShortestPulseMicros = 25;

  bool PulseActive() const { return pulsing_; }

 protected:
  // A location the address counter can stand on; `cells` is null where
  // nothing is implemented.
  struct Location {
    PicCells* cells = nullptr;
    int32_t index = 0;
    bool isProgram = false;
  };

  EpromPicChip(Clock& clock, PIC_DEVICES device, uint16_t wordErased);

  virtual void ResetCounter() = 0;
  virtual void Increment() = 0;
  virtual Location Locate() = 0;
  virtual uint16_t ReadWord() const = 0;
  // Commands beyond 2, 4, 6, 8 and 14; false when the family has none such.
  virtual bool OnFamilyCommand(int command) = 0;

  void ExpectLoad() {
    loading_ = true;
    ExpectWord();
  }

 private:
  void OnEnter() final;
  void OnLeave() final;
  void OnCommandBegins() final {}
  void OnCommand(int command) final;
  void OnWordLoaded(uint16_t word) final;
  void BeginPulse();
  void EndPulse();

  bool loading_ = false;
  bool loaded_ = false;
  uint16_t latch_ = 0;
  bool pulsing_ = false;
  uint64_t pulseStartMicros_ = 0;
  uint16_t pulseValue_ = 0;
  Location pulseTarget_;
};

}  // namespace tarvel

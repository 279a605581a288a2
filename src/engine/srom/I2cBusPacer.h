#pragma once

#include <cstdint>

#include "platform/Clock.h"

namespace tarvel {

// Keeps the I2C lines the engine drives within the standard-mode (100 kHz)
// timing a 24xx part needs, however fast the port is: each change of SCL or
// SDA is held back until the minima counted from the earlier changes have
// passed, and each sample of SDA until the chip's output is valid. Nothing
// else is paused, so time is spent only where a minimum applies.
//
// Times are FineNanos readings of the Clock. A change is stamped with the
// reading taken right after it, plus the clock's lag: the change came no
// later than that. The next change waits for a reading at least the minimum
// beyond the stamp, so the minimum holds on a clock of any resolution, and
// on a nanosecond clock it costs no more than the minimum itself.
class I2cBusPacer {
 public:
  explicit I2cBusPacer(Clock& clock);

  // Waits until the lines may go to `scl` and `sda` (true: high, or released).
  void HoldChange(bool scl, bool sda);
  // Right after the port write that set them.
  void Changed(bool scl, bool sda);
  // Waits until the level the chip drives after SCL fell can be read.
  void HoldSample();
  // Right after the write that switched the supply on. The other engine
  // drives the same lines, so that write may have moved any of them: no
  // line changes until the chip has come up and every minimum counts from it.
  void PoweredOn();

 private:
  uint64_t Now();
  // No earlier than the latest change: a reading right after it and the lag.
  uint64_t Stamp();
  void HoldUntil(uint64_t due);

  Clock& clock_;
  uint64_t latest_ = 0;  // the latest reading; the clock is monotonic
  bool scl_ = false;
  bool sda_ = false;
  // Stamps of each kind of change.
  uint64_t sclRose_ = 0;
  uint64_t sclFell_ = 0;
  uint64_t sdaMoved_ = 0;
  uint64_t started_ = 0;  // SDA fell while SCL was high
  uint64_t stopped_ = 0;  // SDA rose while SCL was high
  uint64_t readyAt_ = 0;  // no change before this reading (supply coming up)
};

}  // namespace tarvel

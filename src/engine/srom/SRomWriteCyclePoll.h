#pragma once

#include <cstdint>

#include "engine/srom/SRomWrite.h"
#include "platform/Clock.h"

namespace tarvel {

enum class WriteCycleOutcome : uint8_t { Finished, TimedOut };

// Acknowledge polling after a Write, with an end: a 24xx part finishes its
// write cycle within 10 ms, so a chip that has not answered after the bound
// is missing or broken, and the caller stops with an error instead of
// waiting for ever.
class SRomWriteCyclePoll {
 public:
  static constexpr uint64_t kDefaultBoundMicros = 50000;

  SRomWriteCyclePoll(TSRomWrite& rom, Clock& clock, uint64_t boundMicros = kDefaultBoundMicros);

  // Polls until the chip answers or the bound has passed; at least one poll
  // is always made.
  WriteCycleOutcome Wait();
  // Polls made by the last Wait.
  uint32_t Polls() const { return polls_; }

 private:
  TSRomWrite& rom_;
  Clock& clock_;
  uint64_t boundMicros_;
  uint32_t polls_ = 0;
};

}  // namespace tarvel

#pragma once

#include <cstdint>

#include "platform/Clock.h"

namespace tarvel {

// The programming wait value of this machine: how many times the write
// setup's loop nest (100 x 6000 x 51 empty rounds) runs in 100 seconds.
// A slower machine gets a smaller value.
class WaitTimeMeasurement {
 public:
  static constexpr uint64_t kRounds = 100ull * 6000 * 51;
  static constexpr int32_t kMinWaitTime = 1;
  static constexpr int32_t kMaxWaitTime = 30000;

  static int32_t Measure(Clock& clock);
  // A loop over within one tick is faster than anything the spin control can
  // hold, and a loop of more than 100 s slower than its smallest value; both
  // are pinned to the range rather than dividing by zero or leaving it.
  static int32_t FromElapsed(uint32_t elapsedMs);
};

}  // namespace tarvel

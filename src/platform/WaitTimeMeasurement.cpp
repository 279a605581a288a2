#include "platform/WaitTimeMeasurement.h"

#include <algorithm>

namespace tarvel {

int32_t WaitTimeMeasurement::Measure(Clock& clock) {
  const uint32_t start = clock.Ticks();
  clock.Spin(kRounds);
  // Unsigned difference: correct across the counter's wrap after 49 days.
  return FromElapsed(clock.Ticks() - start);
}

int32_t WaitTimeMeasurement::FromElapsed(uint32_t elapsedMs) {
  if (elapsedMs == 0) return kMaxWaitTime;
  const uint32_t quotient = 100000u / elapsedMs;
  return static_cast<int32_t>(std::clamp<uint32_t>(quotient, kMinWaitTime, kMaxWaitTime));
}

}  // namespace tarvel

#pragma once

#include <chrono>

#include "platform/Clock.h"

namespace tarvel {

// Real time from the steady clock; Spin is a loop on a volatile counter, so
// the optimiser cannot shorten the programming waits.
class SystemClock : public Clock {
 public:
  SystemClock();
  uint32_t Ticks() override;
  uint64_t Micros() override;
  void Spin(uint64_t rounds) override;
  // Sleeps in the operating system for all but the last stretch, which is
  // spun: a sleeper may wake late but never early, so the wait is never cut
  // short and rarely runs long.
  void SleepMicros(uint64_t micros) override;

  static constexpr uint64_t kSpunTailMicros = 200;

  uint64_t FineNanos() override;
  uint64_t FineLagNanos() override { return 0; }

 private:
  std::chrono::steady_clock::time_point start_;
};

}  // namespace tarvel

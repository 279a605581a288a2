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

 private:
  std::chrono::steady_clock::time_point start_;
};

}  // namespace tarvel

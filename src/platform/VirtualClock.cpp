#include "platform/VirtualClock.h"

namespace tarvel {

VirtualClock::VirtualClock(uint64_t readStepNanos, uint64_t nanosPerRound)
    : readStep_(readStepNanos), nanosPerRound_(nanosPerRound) {}

uint32_t VirtualClock::Ticks() {
  now_ += readStep_;
  return static_cast<uint32_t>(now_ / 1000000);
}

uint64_t VirtualClock::Micros() {
  now_ += readStep_;
  return now_ / 1000;
}

uint64_t VirtualClock::FineNanos() {
  now_ += readStep_;
  return now_;
}

void VirtualClock::Spin(uint64_t rounds) {
  spunRounds_ += rounds;
  now_ += rounds * nanosPerRound_;
}

}  // namespace tarvel

#pragma once

#include "platform/Clock.h"

namespace tarvel {

// Deterministic time for tests and the simulated writer. Time moves only when
// Spin runs, when Advance or SleepMicros is called, and by a small fixed step
// on every read of Ticks, Micros or FineNanos (so a loop that waits on the
// tick counter ends, and each read costs about what a port access costs on
// real hardware). The simulated chips observe it without moving it.
class VirtualClock : public Clock {
 public:
  static constexpr uint64_t kDefaultReadStepNanos = 1000;
  static constexpr uint64_t kDefaultNanosPerRound = 1;

  explicit VirtualClock(uint64_t readStepNanos = kDefaultReadStepNanos,
                        uint64_t nanosPerRound = kDefaultNanosPerRound);

  uint32_t Ticks() override;
  uint64_t Micros() override;
  void Spin(uint64_t rounds) override;
  void SleepMicros(uint64_t micros) override { AdvanceMicros(micros); }
  uint64_t FineNanos() override;
  uint64_t FineLagNanos() override { return 0; }
  uint64_t ObservedNanos() override { return now_; }

  void Advance(uint64_t nanos) { now_ += nanos; }
  void AdvanceMicros(uint64_t micros) { now_ += micros * 1000; }
  // The current time without moving it; for observers such as the simulator.
  uint64_t Nanos() const { return now_; }
  uint64_t SpunRounds() const { return spunRounds_; }

 private:
  uint64_t now_ = 0;
  uint64_t readStep_;
  uint64_t nanosPerRound_;
  uint64_t spunRounds_ = 0;
};

}  // namespace tarvel

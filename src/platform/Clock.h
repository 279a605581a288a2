#pragma once

#include <cstdint>

namespace tarvel {

// The millisecond tick counter and the counted busy loops. Every wait of the
// engines goes through one Clock, so tests and the simulated writer can run
// them on virtual time.
class Clock {
 public:
  virtual ~Clock() = default;
  virtual uint32_t Ticks() = 0;            // milliseconds since start
  virtual uint64_t Micros() = 0;           // microseconds since start, monotonic
  virtual void Spin(uint64_t rounds) = 0;  // `rounds` empty loop rounds, never optimised away
  // Lets at least `micros` microseconds pass, as Micros counts them. A clock
  // that can hand the processor to others while it waits does so; this one
  // watches Micros.
  virtual void SleepMicros(uint64_t micros) {
    const uint64_t start = Micros();
    while (Micros() - start < micros) {
    }
  }
  // Nanoseconds since start, monotonic, for timing finer than a microsecond.
  // A reading may lag the clock's own time by up to FineLagNanos; a clock
  // that counts only microseconds gives Micros in nanoseconds, up to a
  // microsecond behind.
  virtual uint64_t FineNanos() { return Micros() * 1000; }
  virtual uint64_t FineLagNanos() { return 999; }
  // The time as the simulated chips see it. Observing takes none of the time
  // a reading may cost the program that reads (see VirtualClock).
  virtual uint64_t ObservedNanos() { return FineNanos(); }
};

}  // namespace tarvel

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
};

}  // namespace tarvel

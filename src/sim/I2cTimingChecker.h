#pragma once

#include <array>
#include <cstdint>

namespace tarvel {

// The standard-mode (100 kHz) minima a 24xx EEPROM needs on its bus.
enum class I2cTimingRule : uint8_t {
  SclHigh,     // 4.0 us
  SclLow,      // 4.7 us
  StartHold,   // 4.0 us from SDA falling to SCL falling
  StartSetup,  // 4.7 us from SCL rising to SDA falling (repeated START)
  StopSetup,   // 4.0 us from SCL rising to SDA rising
  BusFree,     // 4.7 us from a STOP to the next START
};
constexpr int kI2cTimingRuleCount = 6;

// Watches the bus edges a chip has seen, in nanoseconds of the chip's Clock
// as it observes it, and tells whether each one kept its minimum. A refused
// edge is counted; the chip then behaves as if it had not seen it.
class I2cTimingChecker {
 public:
  // Power-on: forget every earlier edge; the first ones are not checked.
  void Reset();

  // False when SCL was low too briefly: the chip misses this clock pulse.
  bool OnSclRise(uint64_t now);
  // `pulseSeen`: the rise before this fall was accepted. False when that
  // high phase was too short to clock a bit.
  bool OnSclFall(uint64_t now, bool pulseSeen);
  // At the first SCL fall after an accepted START.
  bool StartHoldKept(uint64_t now);
  bool OnStart(uint64_t now);
  bool OnStop(uint64_t now);

  uint32_t Violations(I2cTimingRule rule) const { return violations_[static_cast<int>(rule)]; }
  uint32_t TotalViolations() const;

 private:
  static constexpr uint64_t kNever = UINT64_MAX;

  // True when at least `minimumNanos` lay between `since` and `now`, or when
  // there is no earlier edge to measure from; counts the rule otherwise.
  bool Kept(I2cTimingRule rule, uint64_t since, uint64_t now, uint64_t minimumNanos);

  uint64_t lastRise_ = kNever;
  uint64_t lastFall_ = kNever;
  uint64_t lastStart_ = kNever;
  uint64_t lastStop_ = kNever;  // only until the next START: bus free follows a STOP
  std::array<uint32_t, kI2cTimingRuleCount> violations_{};
};

}  // namespace tarvel

#include "sim/I2cTimingChecker.h"

namespace tarvel {

namespace {
constexpr uint64_t kSclHighNanos = 4000;
constexpr uint64_t kSclLowNanos = 4700;
constexpr uint64_t kStartHoldNanos = 4000;
constexpr uint64_t kStartSetupNanos = 4700;
constexpr uint64_t kStopSetupNanos = 4000;
constexpr uint64_t kBusFreeNanos = 4700;
}  // namespace

void I2cTimingChecker::Reset() {
  lastRise_ = lastFall_ = lastStart_ = lastStop_ = kNever;
}

bool I2cTimingChecker::Kept(I2cTimingRule rule, uint64_t since, uint64_t now,
                            uint64_t minimumNanos) {
  if (since == kNever || now < since || now - since >= minimumNanos) return true;
  ++violations_[static_cast<int>(rule)];
  return false;
}

bool I2cTimingChecker::OnSclRise(uint64_t now) {
  const bool kept = Kept(I2cTimingRule::SclLow, lastFall_, now, kSclLowNanos);
  lastRise_ = now;
  return kept;
}

bool I2cTimingChecker::OnSclFall(uint64_t now, bool pulseSeen) {
  const bool kept = !pulseSeen || Kept(I2cTimingRule::SclHigh, lastRise_, now, kSclHighNanos);
  lastFall_ = now;
  return kept;
}

bool I2cTimingChecker::StartHoldKept(uint64_t now) {
  return Kept(I2cTimingRule::StartHold, lastStart_, now, kStartHoldNanos);
}

bool I2cTimingChecker::OnStart(uint64_t now) {
  // Both rules are checked so that each violation is counted.
  const bool setupKept = Kept(I2cTimingRule::StartSetup, lastRise_, now, kStartSetupNanos);
  const bool busFreeKept = Kept(I2cTimingRule::BusFree, lastStop_, now, kBusFreeNanos);
  if (!setupKept || !busFreeKept) return false;
  lastStart_ = now;
  lastStop_ = kNever;
  return true;
}

bool I2cTimingChecker::OnStop(uint64_t now) {
  if (!Kept(I2cTimingRule::StopSetup, lastRise_, now, kStopSetupNanos)) return false;
  lastStop_ = now;
  return true;
}

uint32_t I2cTimingChecker::TotalViolations() const {
  uint32_t total = 0;
  for (uint32_t count : violations_) total += count;
  return total;
}

}  // namespace tarvel

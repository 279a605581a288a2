#include "engine/srom/I2cBusPacer.h"

#include <algorithm>

namespace tarvel {

namespace {

// Nanoseconds.
constexpr uint64_t kSclLow = 4700;
constexpr uint64_t kSclHigh = 4000;
constexpr uint64_t kStartHold = 4000;
constexpr uint64_t kStartSetup = 4700;
constexpr uint64_t kStopSetup = 4000;
constexpr uint64_t kBusFree = 4700;
constexpr uint64_t kDataSetup = 250;
// The slowest parts (at low supply) drive their output up to 4.5 us after SCL falls.
constexpr uint64_t kOutputValid = 4500;
// The parts need no data hold, but an SCL edge on the writer's lines is not
// sharp: SDA moving right on it could pass for a START or a STOP. 1 us, what
// a port write lasted on the ports the writer was made for, keeps them apart.
constexpr uint64_t kDataHold = 1000;
// The supply rises through the writer's switch into the socket's decoupling;
// 100 us, once per command, is more than a 24xx part needs before its first START.
constexpr uint64_t kPowerUp = 100000;

}  // namespace

I2cBusPacer::I2cBusPacer(Clock& clock) : clock_(clock) {}

uint64_t I2cBusPacer::Now() {
  latest_ = std::max(latest_, clock_.FineNanos());
  return latest_;
}

uint64_t I2cBusPacer::Stamp() { return Now() + clock_.FineLagNanos(); }

void I2cBusPacer::HoldUntil(uint64_t due) {
  // A reading already past the due time needs no new one.
  while (latest_ < due) Now();
}

void I2cBusPacer::HoldChange(bool scl, bool sda) {
  if (scl == scl_ && sda == sda_) return;
  uint64_t due = readyAt_;
  if (scl != scl_) {
    due = std::max(due, scl ? std::max(sclFell_ + kSclLow, sdaMoved_ + kDataSetup)
                            : std::max(sclRose_ + kSclHigh, started_ + kStartHold));
  }
  if (sda != sda_) {
    if (scl_ && scl) {
      due = std::max(due, sda ? sclRose_ + kStopSetup
                              : std::max(sclRose_ + kStartSetup, stopped_ + kBusFree));
    } else {
      due = std::max(due, sclFell_ + kDataHold);
    }
  }
  HoldUntil(due);
}

void I2cBusPacer::Changed(bool scl, bool sda) {
  if (scl == scl_ && sda == sda_) return;
  const uint64_t now = Stamp();
  if (scl != scl_) (scl ? sclRose_ : sclFell_) = now;
  if (sda != sda_) {
    sdaMoved_ = now;
    if (scl_ && scl) (sda ? stopped_ : started_) = now;
  }
  scl_ = scl;
  sda_ = sda;
}

void I2cBusPacer::HoldSample() { HoldUntil(sclFell_ + kOutputValid); }

// The wait for the supply is longer than every bus minimum, so it also
// covers whatever the power-on write did to the lines.
void I2cBusPacer::PoweredOn() { readyAt_ = Stamp() + kPowerUp; }

}  // namespace tarvel

#include "sim/PicCells.h"

#include <stdexcept>

namespace tarvel {

PicCells::PicCells(int32_t size, uint16_t erased)
    : erased_(erased), values_(static_cast<size_t>(size > 0 ? size : 0), erased),
      writes_(values_.size(), 0) {}

size_t PicCells::Checked(int32_t index) const {
  if (index < 0 || static_cast<size_t>(index) >= values_.size()) {
    throw std::out_of_range("PicCells: cell index out of range");
  }
  return static_cast<size_t>(index);
}

PicCells::Fault& PicCells::FaultAt(int32_t index) { return faults_[static_cast<int32_t>(Checked(index))]; }

uint16_t PicCells::Read(int32_t index) const {
  const uint16_t value = values_.at(static_cast<size_t>(index));
  if (faults_.empty()) return value;
  const auto fault = faults_.find(index);
  if (fault == faults_.end()) return value;
  return static_cast<uint16_t>(((value & ~fault->second.stuckLow) | fault->second.stuckHigh) & erased_);
}

void PicCells::Set(int32_t index, uint16_t value) { values_[Checked(index)] = value & erased_; }

void PicCells::Fill(uint16_t value) {
  for (uint16_t& cell : values_) cell = value & erased_;
}

void PicCells::Write(int32_t index, uint16_t value) {
  const size_t i = Checked(index);
  values_[i] = value & erased_;
  ++writes_[i];
}

void PicCells::Pulse(int32_t index, uint16_t loaded) {
  const size_t i = Checked(index);
  ++writes_[i];
  const uint16_t target = values_[i] & loaded;
  const auto fault = faults_.find(index);
  if (fault == faults_.end()) {
    values_[i] = target;
    return;
  }
  Fault& cell = fault->second;
  if (target == values_[i]) {
    cell.pulsesGiven = 0;
    return;
  }
  if (cell.pulsesNeeded == kNeverTakes) return;
  if (++cell.pulsesGiven >= cell.pulsesNeeded) {
    values_[i] = target;
    cell.pulsesGiven = 0;
  }
}

uint64_t PicCells::TotalWrites() const {
  uint64_t total = 0;
  for (uint32_t writes : writes_) total += writes;
  return total;
}

void PicCells::StickBits(int32_t index, uint16_t stuckLow, uint16_t stuckHigh) {
  Fault& fault = FaultAt(index);
  fault.stuckLow = stuckLow & erased_;
  fault.stuckHigh = stuckHigh & erased_;
}

void PicCells::SetFading(int32_t index, uint16_t bits) { FaultAt(index).fading = bits & erased_; }

void PicCells::SetPulsesNeeded(int32_t index, uint32_t pulses) {
  Fault& fault = FaultAt(index);
  fault.pulsesNeeded = pulses;
  fault.pulsesGiven = 0;
}

void PicCells::Fade() {
  for (const auto& [index, fault] : faults_) {
    if (fault.fading != 0) values_[static_cast<size_t>(index)] |= fault.fading;
  }
}

}  // namespace tarvel

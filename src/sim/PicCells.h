#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <vector>

namespace tarvel {

// One memory of a virtual PIC (program, data EEPROM, IDs or configuration):
// the stored words, the faults a test has injected into single cells, and
// how often each cell was programmed. Indexes of the public accessors are
// checked (std::out_of_range); the chip's own paths pass decoded indexes.
class PicCells {
 public:
  // A cell that never takes a programming pulse.
  static constexpr uint32_t kNeverTakes = UINT32_MAX;

  // `erased` is the erased value and also the cell width (all ones).
  PicCells(int32_t size, uint16_t erased);

  int32_t Size() const { return static_cast<int32_t>(values_.size()); }
  uint16_t Erased() const { return erased_; }

  // What the cell reads: the stored value with its stuck bits.
  uint16_t Read(int32_t index) const;
  uint16_t Stored(int32_t index) const { return values_.at(static_cast<size_t>(index)); }
  // Direct setters: a chip preloaded elsewhere. Nothing is counted.
  void Set(int32_t index, uint16_t value);
  void Fill(uint16_t value);

  // A completed erase-then-write cycle (flash).
  void Write(int32_t index, uint16_t value);
  // A programming pulse that counted (EPROM): bits move towards
  // `stored AND loaded` once the cell has had the pulses it needs.
  void Pulse(int32_t index, uint16_t loaded);
  // Programming cycles or counted pulses the cell has had.
  uint32_t Writes(int32_t index) const { return writes_.at(static_cast<size_t>(index)); }
  uint64_t TotalWrites() const;

  // Faults. Stuck bits act on every read; fading bits return to 1 whenever
  // the chip leaves programming mode, so the cell verifies right at first
  // and wrong on the next entry; a cell may need several pulses, or never
  // take one (kNeverTakes).
  void StickBits(int32_t index, uint16_t stuckLow, uint16_t stuckHigh);
  void SetFading(int32_t index, uint16_t bits);
  void SetPulsesNeeded(int32_t index, uint32_t pulses);
  void ClearFaults() { faults_.clear(); }
  void Fade();

 private:
  struct Fault {
    uint16_t stuckLow = 0;
    uint16_t stuckHigh = 0;
    uint16_t fading = 0;
    uint32_t pulsesNeeded = 1;
    uint32_t pulsesGiven = 0;  // pulses towards the present change
  };

  size_t Checked(int32_t index) const;
  Fault& FaultAt(int32_t index);

  uint16_t erased_;
  std::vector<uint16_t> values_;
  std::vector<uint32_t> writes_;
  std::map<int32_t, Fault> faults_;
};

}  // namespace tarvel

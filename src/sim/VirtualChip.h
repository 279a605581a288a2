#pragma once

#include "sim/WriterLines.h"

namespace tarvel {

// A chip in the simulated writer's socket. The writer hands it the lines
// after every write of the data register and asks it what it drives on RB7
// when the status register is read. Chips read time from the Clock they were
// made with.
class VirtualChip {
 public:
  virtual ~VirtualChip() = default;
  virtual void OnLines(const WriterLines& lines) = 0;
  // Released when the chip does not drive RB7 (SDA) at the moment.
  virtual PinDrive Rb7Output() const = 0;
};

}  // namespace tarvel

#pragma once

#include <cstdint>

namespace tarvel {

// One byte transfer per call, at an I/O port address.
class PortIo {
 public:
  virtual ~PortIo() = default;
  virtual void Out(uint16_t address, uint8_t value) = 0;
  virtual uint8_t In(uint16_t address) = 0;
};

}  // namespace tarvel

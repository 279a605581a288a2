#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "port/PortIo.h"

namespace tarvel::test {

// Records every transfer; reads answer from a settable function.
class RecordingPortIo : public PortIo {
 public:
  struct Access {
    bool write;
    uint16_t address;
    uint8_t value;
    bool operator==(const Access& other) const {
      return write == other.write && address == other.address && value == other.value;
    }
  };

  void Out(uint16_t address, uint8_t value) override { accesses.push_back({true, address, value}); }
  uint8_t In(uint16_t address) override {
    const uint8_t value = answer ? answer(address) : 0xFF;
    accesses.push_back({false, address, value});
    return value;
  }

  // The values written to one address, in order.
  std::vector<uint8_t> Written(uint16_t address) const {
    std::vector<uint8_t> values;
    for (const Access& access : accesses) {
      if (access.write && access.address == address) values.push_back(access.value);
    }
    return values;
  }
  size_t Reads() const {
    size_t count = 0;
    for (const Access& access : accesses) count += access.write ? 0 : 1;
    return count;
  }

  std::vector<Access> accesses;
  std::function<uint8_t(uint16_t)> answer;
};

}  // namespace tarvel::test

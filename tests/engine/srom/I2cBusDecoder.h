#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace tarvel::test {

// Reads the I2C traffic out of a sequence of writer data register values, as
// the master drives it: "S" for a start, "P" for a stop, and each complete
// 9-clock frame as the two hex digits of its first 8 bits. A released SDA
// counts as high, so a byte the master receives shows as "FF".
inline std::vector<std::string> DecodeI2c(const std::vector<uint8_t>& writes) {
  std::vector<std::string> events;
  bool scl = false;
  bool sda = false;
  uint32_t bits = 0;
  int count = 0;
  for (uint8_t value : writes) {
    const bool newScl = (value & 0x02) != 0;
    const bool newSda = (value & 0x04) != 0 || (value & 0x01) != 0;
    if (scl && newScl && sda != newSda) {
      events.push_back(newSda ? "P" : "S");
      bits = 0;
      count = 0;
    } else if (!scl && newScl) {
      bits = (bits << 1) | (newSda ? 1U : 0U);
      if (++count == 9) {
        char text[3];
        std::snprintf(text, sizeof text, "%02X", (bits >> 1) & 0xFF);
        events.push_back(text);
        bits = 0;
        count = 0;
      }
    }
    scl = newScl;
    sda = newSda;
  }
  return events;
}

}  // namespace tarvel::test

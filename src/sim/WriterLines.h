#pragma once

#include <cstdint>

namespace tarvel {

// How the writer drives one of the chip's pins.
enum class PinDrive : uint8_t { Low, High, Released };

enum class MclrLevel : uint8_t { Vdd, Vpp, Gnd };

// The writer's outputs decoded from one data register byte: D0 RB7 level,
// D1 RB6 level, D2 RB7 released, D3/D4 MCLR select, D5 RB6 released, D6 VDD.
struct WriterLines {
  bool vdd = false;
  MclrLevel mclr = MclrLevel::Vdd;
  PinDrive rb6 = PinDrive::Low;  // the clock line, SCL of the serial EEPROM
  PinDrive rb7 = PinDrive::Low;  // the data line, SDA of the serial EEPROM

  static WriterLines Decode(uint8_t data) {
    WriterLines lines;
    lines.vdd = (data & 0x40) != 0;
    switch (data & 0x18) {
      case 0x08: lines.mclr = MclrLevel::Vpp; break;
      case 0x00: lines.mclr = MclrLevel::Vdd; break;
      default: lines.mclr = MclrLevel::Gnd; break;  // 0x10 and 0x18
    }
    lines.rb6 = (data & 0x20) ? PinDrive::Released : ((data & 0x02) ? PinDrive::High : PinDrive::Low);
    lines.rb7 = (data & 0x04) ? PinDrive::Released : ((data & 0x01) ? PinDrive::High : PinDrive::Low);
    return lines;
  }
};

}  // namespace tarvel

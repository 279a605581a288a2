#pragma once

#include <cstdint>

#include "sim/SimulatedWriter.h"

namespace tarvel::test {

// Drives a PIC in the simulated writer byte by byte from the writer's signal
// map, independently of the engine's primitives: D0 RB7 level, D1 RB6 level,
// D2 RB7 released, D3 MCLR at VPP, D4 MCLR at GND, D5 RB6 released, D6 VDD.
class PicLineDriver {
 public:
  static constexpr uint8_t kRb7High = 0x01;
  static constexpr uint8_t kRb6High = 0x02;
  static constexpr uint8_t kRb7Open = 0x04;
  static constexpr uint8_t kMclrVpp = 0x08;
  static constexpr uint8_t kMclrGnd = 0x10;
  static constexpr uint8_t kRb6Open = 0x20;
  static constexpr uint8_t kVdd = 0x40;
  static constexpr uint8_t kProgramming = kVdd | kMclrVpp;

  explicit PicLineDriver(SimulatedWriter& writer, uint16_t dataAddress = 0x378, uint16_t statusAddress = 0x379,
                         uint8_t busyMask = 0x80)
      : writer_(writer), dataAddress_(dataAddress), statusAddress_(statusAddress), busyMask_(busyMask) {}

  void Put(uint8_t value) { writer_.Out(dataAddress_, value); }
  // True when the input line is high (the status bit reads 0).
  bool Input() { return (writer_.In(statusAddress_) & busyMask_) == 0; }

  void PowerOff() { Put(0x00); }
  // Supply on with MCLR held low and RB6/RB7 low, then VPP.
  void Enter() {
    Put(kVdd | kMclrGnd);
    Put(kProgramming);
  }
  void Leave() { Put(kVdd | kRb6Open | kRb7Open); }

  // One clock with RB7 driven to `bit`; the chip latches it on the falling edge.
  void ClockBit(bool bit) {
    const uint8_t data = bit ? kRb7High : 0;
    Put(kProgramming | kRb6High | data);
    Put(kProgramming | data);
  }
  void Command(int command) {
    for (int i = 0; i < 6; ++i) ClockBit(((command >> i) & 1) != 0);
  }
  void Frame(uint16_t word) {
    ClockBit(false);
    for (int i = 0; i < 14; ++i) ClockBit(((word >> i) & 1) != 0);
    ClockBit(false);
  }
  void Load(int command, uint16_t word) {
    Command(command);
    Frame(word);
  }
  // Sixteen clocks with RB7 released, sampling after each falling edge.
  uint16_t ReadFrame() {
    uint16_t word = 0;
    for (int clock = 1; clock <= 16; ++clock) {
      Put(kProgramming | kRb7Open | kRb6High);
      Put(kProgramming | kRb7Open);
      if (clock >= 2 && clock <= 15 && Input()) word |= static_cast<uint16_t>(1U << (clock - 2));
    }
    return word;
  }
  uint16_t Read(int command) {
    Command(command);
    return ReadFrame();
  }
  void Increment(int times = 1) {
    for (int i = 0; i < times; ++i) Command(6);
  }

 private:
  SimulatedWriter& writer_;
  uint16_t dataAddress_;
  uint16_t statusAddress_;
  uint8_t busyMask_;
};

}  // namespace tarvel::test

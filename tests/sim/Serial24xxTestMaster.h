#pragma once

#include <cstdint>
#include <vector>

#include "platform/VirtualClock.h"
#include "sim/VirtualChip.h"
#include "sim/WriterLines.h"

namespace tarvel::test {

// A bit-banging I2C master for driving a virtual 24xx at the line level: SCL
// driven on RB6, SDA driven low or released on RB7, every wait on a
// VirtualClock. Each interval can be shortened to break one timing rule.
class Serial24xxTestMaster {
 public:
  // Microseconds; 5 keeps every standard-mode minimum on a whole-microsecond clock.
  struct Timing {
    uint64_t sclLow = 5;
    uint64_t sclHigh = 5;
    uint64_t startSetup = 5;
    uint64_t startHold = 5;
    uint64_t stopSetup = 5;
    uint64_t busFree = 5;
  };

  Serial24xxTestMaster(VirtualClock& clock, VirtualChip& chip) : clock_(clock), chip_(chip) {}

  Timing timing;

  void PowerOn() {
    lines_ = WriterLines{};
    lines_.vdd = true;
    lines_.rb6 = PinDrive::High;
    lines_.rb7 = PinDrive::Released;
    Apply();
    Wait(100);
  }
  void PowerOff() {
    lines_.vdd = false;
    Apply();
  }

  void Set(PinDrive scl, PinDrive sda) {
    lines_.rb6 = scl;
    lines_.rb7 = sda;
    Apply();
  }
  void SetScl(bool high) { Set(high ? PinDrive::High : PinDrive::Low, lines_.rb7); }
  void SetSda(bool high) { Set(lines_.rb6, high ? PinDrive::Released : PinDrive::Low); }
  void Wait(uint64_t micros) { clock_.AdvanceMicros(micros); }
  bool Sda() const {
    if (lines_.rb7 != PinDrive::Released) return lines_.rb7 == PinDrive::High;
    return chip_.Rb7Output() != PinDrive::Low;
  }

  // From an idle bus (after Stop, which waited the bus-free time) or, as a
  // repeated START, from SCL low.
  void Start() {
    if (lines_.rb6 == PinDrive::Low) {
      SetSda(true);
      Wait(timing.sclLow);
      SetScl(true);
      Wait(timing.startSetup);
    }
    SetSda(false);
    Wait(timing.startHold);
    SetScl(false);
  }
  // From SCL low; ends with both lines high and the bus-free time waited.
  void Stop() {
    SetSda(false);
    Wait(timing.sclLow);
    SetScl(true);
    Wait(timing.stopSetup);
    SetSda(true);
    Wait(timing.busFree);
  }
  void SendBit(bool bit) {
    SetSda(bit);
    Wait(timing.sclLow);
    SetScl(true);
    Wait(timing.sclHigh);
    SetScl(false);
  }
  // Samples while SCL is low, after the chip has had the low phase to drive.
  bool ReceiveBit() {
    SetSda(true);
    Wait(timing.sclLow);
    const bool bit = Sda();
    SetScl(true);
    Wait(timing.sclHigh);
    SetScl(false);
    return bit;
  }
  // True when the chip acknowledged.
  bool Send(uint8_t byte) {
    for (int bit = 7; bit >= 0; --bit) SendBit(((byte >> bit) & 1) != 0);
    return !ReceiveBit();
  }
  uint8_t Receive(bool ack) {
    uint8_t byte = 0;
    for (int bit = 0; bit < 8; ++bit) byte = static_cast<uint8_t>((byte << 1) | (ReceiveBit() ? 1 : 0));
    SendBit(!ack);
    return byte;
  }

  // Sends the control byte and the address the way the chip's size wants it:
  // block bits in the control byte up to 2 KB, two address bytes above.
  // Returns the acknowledges of every byte sent, in order.
  std::vector<bool> Address(uint32_t address, bool twoBytes) {
    std::vector<bool> acks;
    if (twoBytes) {
      acks.push_back(Send(0xA0));
      acks.push_back(Send(static_cast<uint8_t>(address >> 8)));
    } else {
      acks.push_back(Send(static_cast<uint8_t>(0xA0 | ((address >> 7) & 0x0E))));
    }
    acks.push_back(Send(static_cast<uint8_t>(address)));
    return acks;
  }
  uint8_t ReadControl(uint32_t address, bool twoBytes) const {
    return static_cast<uint8_t>(twoBytes ? 0xA1 : (0xA1 | ((address >> 7) & 0x0E)));
  }

  bool WriteByteAt(uint32_t address, uint8_t value, bool twoBytes) {
    Start();
    bool acked = AllTrue(Address(address, twoBytes));
    acked = Send(value) && acked;
    Stop();
    return acked;
  }
  // Acknowledge polling: START and the write control byte until the chip
  // answers; returns the microseconds that took, or 0 if it never answered.
  uint64_t PollUntilAcked(uint64_t limitMicros) {
    const uint64_t begin = clock_.Nanos() / 1000;
    while (clock_.Nanos() / 1000 - begin < limitMicros) {
      Start();
      if (Send(0xA0)) {
        Stop();
        return clock_.Nanos() / 1000 - begin;
      }
      Wait(50);
    }
    Stop();
    return 0;
  }
  uint8_t RandomRead(uint32_t address, bool twoBytes) {
    Start();
    Address(address, twoBytes);
    Start();
    Send(ReadControl(address, twoBytes));
    const uint8_t value = Receive(false);
    Stop();
    return value;
  }

  static bool AllTrue(const std::vector<bool>& flags) {
    for (bool flag : flags) {
      if (!flag) return false;
    }
    return true;
  }

 private:
  void Apply() { chip_.OnLines(lines_); }

  VirtualClock& clock_;
  VirtualChip& chip_;
  WriterLines lines_;
};

}  // namespace tarvel::test

#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "engine/srom/SRomDevice.h"
#include "platform/Clock.h"
#include "sim/I2cTimingChecker.h"
#include "sim/Serial24xxFacts.h"
#include "sim/VirtualChip.h"

namespace tarvel {

// A 24xx I2C serial EEPROM in the writer's socket: SCL on RB6, SDA on RB7,
// the address pins A2..A0 tied low. It takes byte and page writes, answers
// random, current-address and sequential reads, and runs a self-timed write
// cycle during which it does not acknowledge its control byte. The bus timing
// is checked on the Clock as the chip observes it, in nanoseconds, when SCL or
// SDA changes.
class Serial24xxChip : public VirtualChip {
 public:
  Serial24xxChip(Clock& clock, SROM_DEVICE device);

  void OnLines(const WriterLines& lines) override;
  PinDrive Rb7Output() const override {
    return pullsSdaLow_ ? PinDrive::Low : PinDrive::Released;
  }

  SROM_DEVICE Device() const { return device_; }
  uint32_t Size() const { return lastAddress_ + 1; }
  // The cells as they are; addresses beyond the chip fold back into it, as
  // the chip's own decoder ignores the unused high bits.
  uint8_t Byte(uint32_t address) const { return memory_[address & lastAddress_]; }
  void SetByte(uint32_t address, uint8_t value) { StoreInCell(address & lastAddress_, value); }
  uint32_t AddressCounter() const { return counter_; }

  const I2cTimingChecker& Timing() const { return timing_; }
  // Write cycles the chip has seen end; a cycle's bytes land in the cells at
  // its end, which the chip notices on the first bus edge after it.
  uint32_t CompletedWriteCycles() const { return completedWriteCycles_; }
  bool WriteCycleRunning() const { return cycleRunning_; }
  // Bytes the chip left unacknowledged: wrong control byte, busy, silent.
  uint32_t Naks() const { return naks_; }

  // Faults.
  void SetNeverAnswers(bool never) { neverAnswers_ = never; }
  void SetWriteCycleNeverEnds(bool never) { cycleNeverEnds_ = never; }
  void SetWriteCycleMicros(uint64_t micros) { writeCycleMicros_ = micros; }
  // The bit reads `level` whatever is written to the cell.
  void SetStuckBit(uint32_t address, int bit, bool level);
  // The WP pin: while it is high the chip acknowledges every byte of a write
  // but keeps none of them and starts no write cycle; reads work.
  void SetWriteProtected(bool high) { writeProtected_ = high; }

 private:
  enum class Phase : uint8_t {
    Idle,         // not addressed: waits for a START
    Receive,      // shifting in a byte from the master
    Acknowledge,  // holding SDA low through the ninth clock
    Transmit,     // shifting a byte out
    MasterAck,    // the ninth clock after a byte sent: the master's ACK or NAK
  };
  enum class Expect : uint8_t { Control, AddressHigh, AddressLow, Data };

  static constexpr uint32_t kMaxPageSize = 64;
  static constexpr uint64_t kNever = UINT64_MAX;

  // Bytes of one page write, placed by their offset in the page.
  struct PageBuffer {
    uint32_t base = 0;
    uint64_t filled = 0;  // bit n: offset n holds a byte
    std::array<uint8_t, kMaxPageSize> bytes{};
  };

  struct StuckBit {
    uint32_t address;
    uint8_t mask;
    bool level;
  };

  bool SdaLevel() const {
    return masterSda_ == PinDrive::High || (masterSda_ == PinDrive::Released && !pullsSdaLow_);
  }

  void PowerOn(const WriterLines& lines);
  void PowerOff();
  void SclRises(uint64_t now);
  void SclFalls(uint64_t now);
  void Start(uint64_t now);
  void Stop(uint64_t now);
  void ClockBit(bool bit, uint64_t now);
  void ByteReceived(uint64_t now);
  void AcknowledgeDone();
  bool AcceptsControl(uint8_t control) const;
  void StoreInPage(uint8_t value);
  void SendNextByte();
  void DriveSendBit() { pullsSdaLow_ = ((sendByte_ << sendBit_) & 0x80) == 0; }
  void BeginWriteCycle(uint64_t now);
  void FinishWriteCycleIfDue(uint64_t now);
  void StoreInCell(uint32_t address, uint8_t value);
  void ResetBus();

  Clock& clock_;
  const SROM_DEVICE device_;
  const uint32_t lastAddress_;
  const uint32_t pageSize_;
  const bool twoAddressBytes_;
  const uint8_t blockMask_;         // control bits carrying address bits 10..8
  const uint8_t deviceSelectMask_;  // control bits that must match the tied-low pins
  std::vector<uint8_t> memory_;
  std::vector<StuckBit> stuckBits_;
  I2cTimingChecker timing_;

  // The lines as the chip last saw them.
  bool powered_ = false;
  bool sclLine_ = false;
  bool sdaLine_ = false;
  PinDrive masterSda_ = PinDrive::Low;
  bool sclSeenHigh_ = false;  // the chip accepted the last SCL rise
  bool pulseClocks_ = false;  // the current high phase will clock a bit when it ends
  bool sampledSda_ = false;   // SDA at the accepted rise
  bool startHoldPending_ = false;
  bool pullsSdaLow_ = false;

  Phase phase_ = Phase::Idle;
  Expect expect_ = Expect::Control;
  uint8_t shift_ = 0;
  uint8_t bitCount_ = 0;
  bool reading_ = false;
  uint8_t block_ = 0;
  uint8_t addressHigh_ = 0;
  uint8_t sendByte_ = 0;
  uint8_t sendBit_ = 0;
  uint32_t counter_ = 0;
  PageBuffer pending_;

  bool cycleRunning_ = false;
  uint64_t cycleEnd_ = 0;
  PageBuffer writing_;

  bool neverAnswers_ = false;
  bool cycleNeverEnds_ = false;
  bool writeProtected_ = false;
  uint64_t writeCycleMicros_;

  uint32_t completedWriteCycles_ = 0;
  uint32_t naks_ = 0;
};

}  // namespace tarvel

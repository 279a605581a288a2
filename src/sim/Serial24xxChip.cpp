#include "sim/Serial24xxChip.h"

namespace tarvel {

namespace {

// 24xx04/08/16 carry address bits 10..8 in control bits 3..1, as many as the
// size needs; the remaining bits of 3..1 select the chip by its address pins.
uint8_t BlockMask(uint32_t bytes) {
  if (Serial24xxTakesTwoAddressBytes(bytes)) return 0;
  return static_cast<uint8_t>(((bytes - 1) >> 7) & 0x0E);
}

}  // namespace

Serial24xxChip::Serial24xxChip(Clock& clock, SROM_DEVICE device)
    : clock_(clock),
      device_(device),
      lastAddress_(kSerial24xxFacts[device].bytes - 1),
      pageSize_(kSerial24xxFacts[device].pageSize),
      twoAddressBytes_(Serial24xxTakesTwoAddressBytes(kSerial24xxFacts[device].bytes)),
      blockMask_(BlockMask(kSerial24xxFacts[device].bytes)),
      deviceSelectMask_(static_cast<uint8_t>(0x0E & ~blockMask_)),
      memory_(lastAddress_ + 1, 0xFF),
      writeCycleMicros_(kSerial24xxFacts[device].writeCycleMicros) {}

void Serial24xxChip::SetStuckBit(uint32_t address, int bit, bool level) {
  address &= lastAddress_;
  stuckBits_.push_back({address, static_cast<uint8_t>(1u << (bit & 7)), level});
  StoreInCell(address, memory_[address]);
}

void Serial24xxChip::StoreInCell(uint32_t address, uint8_t value) {
  for (const StuckBit& stuck : stuckBits_) {
    if (stuck.address != address) continue;
    value = static_cast<uint8_t>(stuck.level ? (value | stuck.mask) : (value & ~stuck.mask));
  }
  memory_[address] = value;
}

void Serial24xxChip::OnLines(const WriterLines& lines) {
  if (lines.vdd != powered_) {
    if (lines.vdd) {
      PowerOn(lines);
    } else {
      PowerOff();
    }
    return;
  }
  if (!powered_) return;

  masterSda_ = lines.rb7;
  const bool scl = lines.rb6 != PinDrive::Low;  // released SCL is pulled high
  if (scl == sclLine_) {
    const bool sda = SdaLevel();
    if (sda == sdaLine_) return;
    sdaLine_ = sda;
    if (!sclSeenHigh_) return;  // data changing while the clock is low
    if (sda) {
      Stop(clock_.ObservedNanos());
    } else {
      Start(clock_.ObservedNanos());
    }
    return;
  }

  // When SDA changes in the same write as SCL, it is taken to change while
  // SCL is low: before a rise (setup) and after a fall (hold).
  const uint64_t now = clock_.ObservedNanos();
  sclLine_ = scl;
  if (scl) {
    sdaLine_ = SdaLevel();
    SclRises(now);
  } else {
    SclFalls(now);
    sdaLine_ = SdaLevel();
  }
}

void Serial24xxChip::ResetBus() {
  phase_ = Phase::Idle;
  expect_ = Expect::Control;
  pullsSdaLow_ = false;
  pulseClocks_ = false;
  startHoldPending_ = false;
  pending_.filled = 0;
}

void Serial24xxChip::PowerOn(const WriterLines& lines) {
  powered_ = true;
  timing_.Reset();
  ResetBus();
  counter_ = 0;
  masterSda_ = lines.rb7;
  sclLine_ = lines.rb6 != PinDrive::Low;
  sclSeenHigh_ = sclLine_;
  sdaLine_ = SdaLevel();
}

void Serial24xxChip::PowerOff() {
  // A write cycle cut short by the supply leaves the cells as they were.
  if (cycleRunning_) FinishWriteCycleIfDue(clock_.ObservedNanos());
  cycleRunning_ = false;
  powered_ = false;
  ResetBus();
}

void Serial24xxChip::SclRises(uint64_t now) {
  if (!timing_.OnSclRise(now)) return;  // too short a low phase: the chip misses the pulse
  sclSeenHigh_ = true;
  pulseClocks_ = true;
  sampledSda_ = sdaLine_;
}

void Serial24xxChip::SclFalls(uint64_t now) {
  const bool pulseSeen = sclSeenHigh_;
  bool clocks = pulseClocks_;
  sclSeenHigh_ = false;
  pulseClocks_ = false;
  if (!timing_.OnSclFall(now, pulseSeen)) clocks = false;
  if (startHoldPending_) {
    startHoldPending_ = false;
    if (!timing_.StartHoldKept(now)) {
      ResetBus();  // the START went unnoticed: this transaction is not for the chip
      return;
    }
  }
  if (clocks) ClockBit(sampledSda_, now);
}

void Serial24xxChip::Start(uint64_t now) {
  if (!timing_.OnStart(now)) return;
  ResetBus();
  phase_ = Phase::Receive;
  bitCount_ = 0;
  startHoldPending_ = true;
}

void Serial24xxChip::Stop(uint64_t now) {
  if (!timing_.OnStop(now)) return;
  if (pending_.filled != 0 && !writeProtected_) BeginWriteCycle(now);
  ResetBus();
}

void Serial24xxChip::ClockBit(bool bit, uint64_t now) {
  switch (phase_) {
    case Phase::Idle:
      return;
    case Phase::Receive:
      shift_ = static_cast<uint8_t>((shift_ << 1) | (bit ? 1 : 0));
      if (++bitCount_ == 8) ByteReceived(now);
      return;
    case Phase::Acknowledge:
      pullsSdaLow_ = false;
      AcknowledgeDone();
      return;
    case Phase::Transmit:
      if (++sendBit_ < 8) {
        DriveSendBit();
      } else {
        pullsSdaLow_ = false;
        phase_ = Phase::MasterAck;
      }
      return;
    case Phase::MasterAck:
      if (bit) {
        phase_ = Phase::Idle;  // NAK: the master has read enough and will send STOP
      } else {
        SendNextByte();
      }
      return;
  }
}

bool Serial24xxChip::AcceptsControl(uint8_t control) const {
  return !neverAnswers_ && !cycleRunning_ && (control & 0xF0) == 0xA0 &&
         (control & deviceSelectMask_) == 0;
}

void Serial24xxChip::ByteReceived(uint64_t now) {
  switch (expect_) {
    case Expect::Control:
      FinishWriteCycleIfDue(now);
      if (!AcceptsControl(shift_)) {
        ++naks_;
        phase_ = Phase::Idle;
        return;
      }
      reading_ = (shift_ & 0x01) != 0;
      block_ = shift_ & blockMask_;
      break;
    case Expect::AddressHigh:
      addressHigh_ = shift_;
      break;
    case Expect::AddressLow: {
      const uint32_t high = twoAddressBytes_ ? (uint32_t{addressHigh_} << 8) : (uint32_t{block_} << 7);
      counter_ = (high | shift_) & lastAddress_;
      break;
    }
    case Expect::Data:
      break;  // kept once the ninth clock completes it
  }
  pullsSdaLow_ = true;
  phase_ = Phase::Acknowledge;
}

void Serial24xxChip::AcknowledgeDone() {
  switch (expect_) {
    case Expect::Control:
      if (reading_) {
        SendNextByte();
        return;
      }
      expect_ = twoAddressBytes_ ? Expect::AddressHigh : Expect::AddressLow;
      break;
    case Expect::AddressHigh:
      expect_ = Expect::AddressLow;
      break;
    case Expect::AddressLow:
      expect_ = Expect::Data;
      break;
    case Expect::Data:
      StoreInPage(shift_);
      break;
  }
  phase_ = Phase::Receive;
  bitCount_ = 0;
}

void Serial24xxChip::StoreInPage(uint8_t value) {
  // The counter rolls over inside the page: bytes past its end overwrite
  // the page's first ones.
  const uint32_t offset = counter_ & (pageSize_ - 1);
  pending_.base = counter_ - offset;
  pending_.bytes[offset] = value;
  pending_.filled |= uint64_t{1} << offset;
  counter_ = pending_.base | ((offset + 1) & (pageSize_ - 1));
}

void Serial24xxChip::SendNextByte() {
  sendByte_ = memory_[counter_];
  counter_ = (counter_ + 1) & lastAddress_;
  sendBit_ = 0;
  phase_ = Phase::Transmit;
  DriveSendBit();
}

void Serial24xxChip::BeginWriteCycle(uint64_t now) {
  writing_ = pending_;
  pending_.filled = 0;
  cycleRunning_ = true;
  cycleEnd_ = cycleNeverEnds_ ? kNever : now + writeCycleMicros_ * 1000;
}

void Serial24xxChip::FinishWriteCycleIfDue(uint64_t now) {
  if (!cycleRunning_ || now < cycleEnd_) return;
  for (uint32_t offset = 0; offset < pageSize_; ++offset) {
    if (writing_.filled & (uint64_t{1} << offset)) {
      StoreInCell(writing_.base + offset, writing_.bytes[offset]);
    }
  }
  cycleRunning_ = false;
  ++completedWriteCycles_;
}

}  // namespace tarvel

#include "engine/srom/SRomWrite.h"

#include <algorithm>

#include "engine/srom/SRomWriteCyclePoll.h"

namespace tarvel {

namespace {

// Writer output bits used on the serial EEPROM (the other lines stay low:
// MCLR at VDD, RB6 always driven).
constexpr uint8_t kSdaLevel = 0x01;
constexpr uint8_t kScl = 0x02;
constexpr uint8_t kSdaReleased = 0x04;
constexpr uint8_t kSupply = 0x40;

constexpr uint32_t kControlWrite = 0xA0;
constexpr uint32_t kControlRead = 0x01;
constexpr uint32_t kBlockBitsMask = 0x0E;

}  // namespace

TSRomWrite::TSRomWrite(Clock& clock, UserMessages& messages)
    : clock_(clock), messages_(messages), pacer_(clock) {
  SetDevice(SROM24xx02);
}

void TSRomWrite::SetDevice(SROM_DEVICE device) {
  device_ = device;
  if (device >= kSRomDeviceCount) {
    messages_.Show("デバイスセットエラー");
    return;
  }
  lastAddress_ = kSRomDevices[device].lastAddress;
}

void TSRomWrite::SetPowerON() { portData_ |= kSupply; }
void TSRomWrite::SetPowerOFF() { portData_ &= static_cast<uint8_t>(~kSupply); }
void TSRomWrite::ClkH() { portData_ |= kScl; }
void TSRomWrite::ClkL() { portData_ &= static_cast<uint8_t>(~kScl); }
void TSRomWrite::DataZ() { portData_ |= kSdaReleased; }
void TSRomWrite::DataL() { portData_ &= static_cast<uint8_t>(~(kSdaReleased | kSdaLevel)); }

void TSRomWrite::PortOut() {
  const bool scl = (portData_ & kScl) != 0;
  const bool sda = (portData_ & kSdaReleased) != 0;
  pacer_.HoldChange(scl, sda);
  ParallelPort->OutData(portData_);
  pacer_.Changed(scl, sda);
}

int32_t TSRomWrite::InData() {
  pacer_.HoldSample();
  return ParallelPort->InBusy() ? 1 : 0;
}

void TSRomWrite::Wait() { clock_.Spin(kWaitRounds); }

void TSRomWrite::StartCondition() {
  DataZ();
  ClkH();
  PortOut();
  Wait();
  DataL();
  PortOut();
  Wait();
  ClkL();
  PortOut();
  Wait();
}

void TSRomWrite::StopCondition() {
  Wait();
  DataL();
  PortOut();
  Wait();
  ClkH();
  PortOut();
  Wait();
  DataZ();
  PortOut();
  Wait();
}

int32_t TSRomWrite::Transmit(uint32_t data) {
  for (int bit = 7; bit >= 0; --bit) {
    Wait();
    if ((data >> bit) & 1U) {
      DataZ();
    } else {
      DataL();
    }
    PortOut();
    Wait();
    ClkH();
    PortOut();
    Wait();
    ClkL();
    PortOut();
  }
  return RxAck();
}

// The acknowledge is sampled while SCL is still low, after the chip has had
// a Wait to drive it.
int32_t TSRomWrite::RxAck() {
  DataZ();
  PortOut();
  Wait();
  const int32_t sample = InData();
  ClkH();
  PortOut();
  Wait();
  ClkL();
  PortOut();
  Wait();
  return sample == 0 ? 1 : 0;
}

int32_t TSRomWrite::Receive(bool ack) {
  const int32_t value = ReceiveBits();
  if (ack) {
    SendAck();
  } else {
    SendNak();
  }
  return value;
}

int32_t TSRomWrite::ReceiveBits() {
  DataZ();
  ClkL();
  PortOut();
  int32_t value = 0;
  for (int bit = 0; bit < 8; ++bit) {
    ClkL();
    PortOut();
    Wait();
    value = (value << 1) | InData();
    ClkH();
    PortOut();
    Wait();
  }
  return value;
}

// SendAck drives SDA low while SCL is still high from the last data bit,
// which the chip takes for a START whenever that bit was a 1; here SCL falls
// first, and the acknowledge gets a clock of its own.
void TSRomWrite::AcknowledgeByte(bool more) {
  ClkL();
  PortOut();
  if (more) {
    DataL();
  } else {
    DataZ();
  }
  PortOut();
  ClkH();
  PortOut();
  ClkL();
  PortOut();
  DataZ();
  PortOut();
}

void TSRomWrite::SendAck() {
  DataL();
  PortOut();
  Wait();
  ClkL();
  PortOut();
  Wait();
  DataZ();
  PortOut();
  Wait();
}

void TSRomWrite::SendNak() {
  DataZ();
  PortOut();
  Wait();
  ClkL();
  PortOut();
  Wait();
}

void TSRomWrite::PowerON() {
  Wait();
  SetPowerON();
  PortOut();
  pacer_.PoweredOn();
  for (int i = 0; i < 4; ++i) Wait();
}

void TSRomWrite::PowerOFF() {
  Wait();
  SetPowerOFF();
  PortOut();
  Wait();
}

uint32_t TSRomWrite::WriteControlByte(uint32_t address) const {
  // 24xx01/02 have no block bits; 24xx04/08/16 carry address bits 10..8 in
  // control bits 3..1.
  if (SRomUsesTwoAddressBytes(lastAddress_) || lastAddress_ <= 0xFF) return kControlWrite;
  return kControlWrite | ((address >> 7) & kBlockBitsMask);
}

bool TSRomWrite::SendAddress(uint32_t address) {
  bool answered = Transmit(WriteControlByte(address)) == 1;
  if (SRomUsesTwoAddressBytes(lastAddress_)) answered = (Transmit(address >> 8) == 1) && answered;
  return (Transmit(address) == 1) && answered;
}

bool TSRomWrite::SendReadAddress(uint32_t address) {
  StartCondition();
  const bool answered = SendAddress(address);
  StartCondition();
  return (Transmit(WriteControlByte(address) | kControlRead) == 1) && answered;
}

void TSRomWrite::Write(uint32_t address, uint32_t data) {
  StartCondition();
  SendAddress(address);
  Transmit(data);
  StopCondition();
}

int32_t TSRomWrite::Read(uint32_t address) {
  SendReadAddress(address);
  const int32_t value = Receive(false);
  StopCondition();
  return value;
}

bool TSRomWrite::BeginRead(uint32_t address) {
  if (SendReadAddress(address)) return true;
  StopCondition();
  return false;
}

bool TSRomWrite::ReadChecked(uint32_t address, int32_t& value) {
  if (!BeginRead(address)) return false;
  value = Receive(false);
  StopCondition();
  return true;
}

// No stop follows: the next operation opens with its own start condition.
int32_t TSRomWrite::Polling() {
  StartCondition();
  return Transmit(kControlWrite);
}

bool TSRomWrite::IsErased(bool showMessage) {
  for (uint32_t address = 0; address <= lastAddress_; ++address) {
    if (Read(address) != kSRomErased) {
      TellErased(false, showMessage);
      return false;
    }
  }
  TellErased(true, showMessage);
  return true;
}

SRomEraseCheck TSRomWrite::CheckErased(bool showMessage) {
  uint8_t last = kSRomErased;
  const SRomTransfer read = ReadSequential(OperationStage::BlankChecking, 0, lastAddress_ + 1,
                                           [&last](uint32_t, uint8_t value) {
                                             last = value;
                                             return value == kSRomErased;
                                           });
  switch (read.outcome) {
    case SRomTransfer::Done: break;
    case SRomTransfer::Halted:
      TellErased(false, showMessage);
      return {SRomEraseCheck::NotErased, read.address, last};
    case SRomTransfer::NoAnswer: return {SRomEraseCheck::NoAnswer, read.address};
    case SRomTransfer::Cancelled: return {SRomEraseCheck::Cancelled, read.address};
  }
  TellErased(true, showMessage);
  return {};
}

uint32_t TSRomWrite::SequentialReadEnd(uint32_t address) const {
  // The block bits travel only in the address phase.
  if (SRomUsesTwoAddressBytes(lastAddress_)) return lastAddress_ + 1;
  return std::min(lastAddress_ + 1, (address | 0xFF) + 1);
}

SRomTransfer TSRomWrite::ReadSequential(OperationStage stage, uint32_t first, uint32_t count,
                                        const ByteHandler& take) {
  BeginStage(Progress, stage, count);
  const uint32_t end = first + count;
  uint32_t address = first;
  if (count == 0) return {SRomTransfer::Done, first};
  if (StopsAt(Progress, 0)) return {SRomTransfer::Cancelled, first};
  while (address < end) {
    if (!BeginRead(address)) return {SRomTransfer::NoAnswer, address};
    const uint32_t blockEnd = std::min(end, SequentialReadEnd(address));
    SRomTransfer ended{SRomTransfer::Done, 0};
    bool more = true;
    while (more) {
      const uint8_t value = static_cast<uint8_t>(ReceiveBits());
      const uint32_t at = address++;
      if (!take(at, value)) {
        ended = {SRomTransfer::Halted, at};
      } else if (address < end && StopsAt(Progress, address - first)) {
        ended = {SRomTransfer::Cancelled, address};
      }
      more = ended.outcome == SRomTransfer::Done && address < blockEnd;
      AcknowledgeByte(more);
    }
    StopCondition();
    if (ended.outcome != SRomTransfer::Done) return ended;
  }
  return {SRomTransfer::Done, end};
}

SRomTransfer TSRomWrite::WritePages(OperationStage stage, uint32_t first, uint32_t count,
                                    const WantedByte& wanted) {
  BeginStage(Progress, stage, count);
  const uint32_t pageSize = kSRomDevices[device_].pageSize;
  const uint32_t end = first + count;
  SRomWriteCyclePoll poll(*this, clock_);
  for (uint32_t address = first; address < end;) {
    if (StopsAt(Progress, address - first)) return {SRomTransfer::Cancelled, address};
    const uint32_t pageEnd = std::min(end, (address / pageSize + 1) * pageSize);
    // Each run of wanted bytes within the page is one write; the bytes
    // between runs keep what the chip holds. Each address is asked for once.
    const auto wantedNext = [&]() -> std::optional<uint8_t> {
      ++address;
      return address < pageEnd ? wanted(address) : std::nullopt;
    };
    std::optional<uint8_t> value = wanted(address);
    while (address < pageEnd) {
      if (!value) {
        value = wantedNext();
        continue;
      }
      const uint32_t runStart = address;
      StartCondition();
      bool answered = SendAddress(runStart);
      for (; answered && value; value = wantedNext()) answered = Transmit(*value) == 1;
      StopCondition();
      if (!answered) return {SRomTransfer::NoAnswer, runStart};
      if (poll.Wait() != WriteCycleOutcome::Finished) return {SRomTransfer::NoAnswer, runStart};
      // The poll's control byte waits for an address: the bus goes idle.
      StopCondition();
    }
  }
  return {SRomTransfer::Done, end};
}

void TSRomWrite::TellErased(bool erased, bool showMessage) {
  if (!showMessage) return;
  if (erased) {
    messages_.ShowBox("イレースされています。", "イレースチェック", MessageIcon::Information);
  } else {
    messages_.ShowBox("イレースされていません。", "イレースチェック", MessageIcon::Warning);
  }
}

}  // namespace tarvel

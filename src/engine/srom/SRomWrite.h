#pragma once

#include <cstdint>

#include "engine/srom/I2cBusPacer.h"
#include "engine/srom/SRomDevice.h"
#include "platform/Clock.h"
#include "platform/UserMessages.h"
#include "port/ParallelPort.h"

namespace tarvel {

// What a blank check with checked reads found; `address` is the first byte
// that is not erased or that the chip did not answer for.
struct SRomEraseCheck {
  enum Outcome : uint8_t { Erased, NotErased, NoAnswer };
  Outcome outcome = Erased;
  uint32_t address = 0;
};

// The serial EEPROM engine: I2C bit-banged on the writer's PIC lines (RB6 as
// SCL, RB7 as SDA) and the byte-wise operations of the 24xx parts. Every read
// is a whole random-read transaction and every write a single-byte write that
// the caller follows with acknowledge polling. The pause between steps is an
// uncalibrated loop; the bus timing the chip needs is kept at each line
// change and sample (I2cBusPacer), so a fast port waits only where it must.
class TSRomWrite {
 public:
  // The empty loop of one Wait: 10 rounds of 10 iterations.
  static constexpr uint64_t kWaitRounds = 100;

  TSRomWrite(Clock& clock, UserMessages& messages);

  TParallelPort* ParallelPort = nullptr;

  SROM_DEVICE Device() const { return device_; }
  void SetDevice(SROM_DEVICE device);
  uint32_t LastAddress() const { return lastAddress_; }
  // The engine's own copy of the writer's output byte.
  uint8_t PortData() const { return portData_; }

  // Line primitives: they change only PortData, except PortOut, InData and Wait.
  void SetPowerON();
  void SetPowerOFF();
  void ClkH();
  void ClkL();
  void DataZ();
  void DataL();
  void PortOut();
  int32_t InData();
  void Wait();

  // Bus conditions and bytes.
  void StartCondition();
  void StopCondition();
  int32_t Transmit(uint32_t data);  // 1 when acknowledged
  int32_t RxAck();
  int32_t Receive(bool ack);
  void SendAck();
  void SendNak();
  void PowerON();
  void PowerOFF();

  // EEPROM operations.
  void Write(uint32_t address, uint32_t data);
  int32_t Read(uint32_t address);
  int32_t Polling();  // 1 once the write cycle has ended and the chip answers
  bool IsErased(bool showMessage);

  // Reads that tell a chip that does not answer from a byte. BeginRead sends
  // the address phase of a read (START, write control byte, address bytes,
  // repeated START, read control byte); when every byte was acknowledged the
  // chip then sends from `address` for as many Receive calls as the caller
  // makes (acknowledging all but the last), and StopCondition ends the read.
  // Otherwise it sends STOP and returns false.
  bool BeginRead(uint32_t address);
  // A random read of one byte; false when the chip did not answer.
  bool ReadChecked(uint32_t address, int32_t& value);
  // IsErased with every read checked: it stops at the first address the chip
  // does not answer for, without a message.
  SRomEraseCheck CheckErased(bool showMessage);

  // The control byte for a write to `address` (the read control byte is this
  // OR 1): block bits for the one-byte sizes, plain 0xA0 for the others.
  uint32_t WriteControlByte(uint32_t address) const;

 private:
  // True when the chip acknowledged every byte; all are sent regardless.
  bool SendAddress(uint32_t address);
  bool SendReadAddress(uint32_t address);
  void TellErased(bool erased, bool showMessage);

  Clock& clock_;
  UserMessages& messages_;
  I2cBusPacer pacer_;
  SROM_DEVICE device_ = SROM24xx02;
  uint32_t lastAddress_ = 0;
  uint8_t portData_ = 0;
};

}  // namespace tarvel

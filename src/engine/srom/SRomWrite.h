#pragma once

#include <cstdint>
#include <functional>
#include <optional>

#include "engine/srom/I2cBusPacer.h"
#include "engine/srom/SRomDevice.h"
#include "platform/Clock.h"
#include "platform/OperationProgress.h"
#include "platform/UserMessages.h"
#include "port/ParallelPort.h"

namespace tarvel {

// What a blank check with checked reads found; `address` is the first byte
// that is not erased or that the chip did not answer for, or where the check
// was cancelled.
struct SRomEraseCheck {
  enum Outcome : uint8_t { Erased, NotErased, NoAnswer, Cancelled };
  Outcome outcome = Erased;
  uint32_t address = 0;
  uint8_t value = kSRomErased;  // NotErased: what the byte at `address` holds
};

// Where one of the block operations (ReadSequential, WritePages) ended.
struct SRomTransfer {
  enum Outcome : uint8_t {
    Done,       // every byte of the range
    NoAnswer,   // the chip left a byte unacknowledged, or its write cycle did not end in time, at `address`
    Cancelled,  // the engine's Progress asked for the stop; `address` is the first byte not done
    Halted,     // the caller's byte handler stopped the read after the byte at `address`
  };
  Outcome outcome = Done;
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

  // Takes each byte of a sequential read; false ends the read after it.
  using ByteHandler = std::function<bool(uint32_t address, uint8_t value)>;
  // The byte to write at an address, or nothing where the chip keeps its own.
  using WantedByte = std::function<std::optional<uint8_t>(uint32_t address)>;

  TSRomWrite(Clock& clock, UserMessages& messages);

  TParallelPort* ParallelPort = nullptr;
  // Where the block operations report the byte reached and look whether
  // they should stop; without one they run to their end.
  OperationProgress* Progress = nullptr;

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
  // chip then sends from `address` on (Receive(false) takes one byte,
  // ReceiveBits and AcknowledgeByte any number), and StopCondition ends the
  // read. Otherwise it sends STOP and returns false.
  bool BeginRead(uint32_t address);
  // A random read of one byte; false when the chip did not answer.
  bool ReadChecked(uint32_t address, int32_t& value);
  // IsErased from sequential reads, which tell a chip that does not answer
  // from erased bytes: the same answer and messages, but no message when the
  // chip does not answer or Progress stops the check.
  SRomEraseCheck CheckErased(bool showMessage);

  // The control byte for a write to `address` (the read control byte is this
  // OR 1): block bits for the one-byte sizes, plain 0xA0 for the others.
  uint32_t WriteControlByte(uint32_t address) const;

  // The block operations: the bus at its own speed. Both report to Progress
  // under `stage` (the bytes of the range done so far) and end on a byte or
  // page boundary when it asks them to stop, with the bus idle.
  //
  // Sequential reads of `count` bytes from `first` on: one address phase per
  // 256-byte block on the sizes that carry address bits in the control byte,
  // one for the whole range on the others. Each byte goes to `take` as it
  // comes in.
  SRomTransfer ReadSequential(OperationStage stage, uint32_t first, uint32_t count, const ByteHandler& take);
  // Page writes of the bytes `wanted` gives from `first` on: each run of
  // wanted bytes within one page is one write, never crossing the page's
  // end, followed by acknowledge polling with the write cycle's time bound.
  SRomTransfer WritePages(OperationStage stage, uint32_t first, uint32_t count, const WantedByte& wanted);
  // The eight data bits of a byte being read, sampled while SCL is low; SCL
  // is left high on the last one.
  int32_t ReceiveBits();
  // The ninth clock of a byte read: the master's ACK (`more`: another byte
  // follows) or NAK, with SDA released afterwards.
  void AcknowledgeByte(bool more);

 private:
  // True when the chip acknowledged every byte; all are sent regardless.
  bool SendAddress(uint32_t address);
  bool SendReadAddress(uint32_t address);
  void TellErased(bool erased, bool showMessage);
  // The first address past the sequential read that starts at `address`.
  uint32_t SequentialReadEnd(uint32_t address) const;

  Clock& clock_;
  UserMessages& messages_;
  I2cBusPacer pacer_;
  SROM_DEVICE device_ = SROM24xx02;
  uint32_t lastAddress_ = 0;
  uint8_t portData_ = 0;
};

}  // namespace tarvel

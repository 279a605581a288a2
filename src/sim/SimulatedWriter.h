#pragma once

#include <cstdint>
#include <memory>

#include "engine/pic/PicDevice.h"
#include "engine/srom/SRomDevice.h"
#include "platform/Clock.h"
#include "port/ParallelPort.h"
#include "port/PortIo.h"
#include "sim/VirtualChip.h"
#include "sim/WriterLines.h"

namespace tarvel {

class PicChip;
class FlashPicChip;
class Eprom14PicChip;
class Eprom12PicChip;
class Serial24xxChip;

// The writer with a virtual chip in its socket, seen through the registers of
// one parallel port. A byte written to the data register becomes the
// writer's lines and reaches the chip; the status register shows the RB7
// line inverted on the BUSY bit, as a real port does. Every other address
// answers nothing.
class SimulatedWriter : public PortIo {
 public:
  explicit SimulatedWriter(Clock& clock);
  ~SimulatedWriter() override;

  // Which registers it answers (AT378 at first); an unknown type is ignored.
  void SetPortType(PPortType type);
  PPortType PortType() const { return portType_; }

  // A blank chip of that device; an unknown device leaves the socket empty.
  void InsertPic(PIC_DEVICES device);
  // A blank (all 0xFF) 24xx EEPROM; an unknown size leaves the socket empty.
  void InsertSerialRom(SROM_DEVICE device);
  void RemoveTarget();
  // Out of the socket and back, contents kept: a chip taken out loses power.
  std::unique_ptr<VirtualChip> TakeTarget();
  void InsertTarget(std::unique_ptr<VirtualChip> chip);

  VirtualChip* Target() const { return chip_.get(); }
  // The chip in the socket as that kind, or nullptr when it is something else.
  PicChip* Pic() const;
  FlashPicChip* FlashPic() const;
  Eprom14PicChip* Eprom14Pic() const;
  Eprom12PicChip* Eprom12Pic() const;
  Serial24xxChip* SerialRom() const;

  const WriterLines& Lines() const { return lines_; }
  uint8_t DataLatch() const { return data_; }
  // The level of the RB7 line: the writer's drive, else the chip's, else the
  // pull-up.
  bool Rb7High() const;
  uint64_t Accesses() const { return accesses_; }

  void Out(uint16_t address, uint8_t value) override;
  uint8_t In(uint16_t address) override;

 private:
  uint8_t Status() const;

  Clock& clock_;
  PPortType portType_ = AT378;
  uint16_t dataAddress_;
  uint16_t statusAddress_;
  uint8_t busyMask_;
  uint8_t data_ = 0;
  WriterLines lines_;
  std::unique_ptr<VirtualChip> chip_;
  uint64_t accesses_ = 0;
};

}  // namespace tarvel

#include "sim/SimulatedWriter.h"

#include <array>

#include "sim/Eprom12PicChip.h"
#include "sim/Eprom14PicChip.h"
#include "sim/FlashPicChip.h"
#include "sim/PicChipFacts.h"
#include "sim/Serial24xxChip.h"

namespace tarvel {

namespace {

// Status bits other than the input: on a PC/AT port nothing on the printer
// lines but BUSY, i.e. nERROR, SELECT and nACK high, PAPER END low, and the
// unused low bits reading 1; on the PC-98 port at 42H everything but bit 2
// reads 1.
constexpr uint8_t kAtStatusIdle = 0x5F;
constexpr uint8_t kPc98StatusIdle = 0xFB;
// A read where no register answers.
constexpr uint8_t kFloatingBus = 0xFF;

const std::array<WriterLines, 256> kDecoded = [] {
  std::array<WriterLines, 256> table{};
  for (int value = 0; value < 256; ++value) table[value] = WriterLines::Decode(static_cast<uint8_t>(value));
  return table;
}();

std::unique_ptr<PicChip> MakePicChip(Clock& clock, PIC_DEVICES device) {
  switch (kPicChipFacts[device].kind) {
    case PicChipKind::Flash: return std::make_unique<FlashPicChip>(clock, device);
    case PicChipKind::Eprom14: return std::make_unique<Eprom14PicChip>(clock, device);
    case PicChipKind::Eprom12: return std::make_unique<Eprom12PicChip>(clock, device);
  }
  return nullptr;
}

}  // namespace

SimulatedWriter::SimulatedWriter(Clock& clock) : clock_(clock), lines_(kDecoded[0]) { SetPortType(AT378); }

SimulatedWriter::~SimulatedWriter() = default;

void SimulatedWriter::SetPortType(PPortType type) {
  if (type >= kParallelPortTypeCount) return;
  const ParallelPortRegisters& registers = kParallelPortRegisters[type];
  portType_ = type;
  dataAddress_ = static_cast<uint16_t>(registers.dataAddress);
  statusAddress_ = static_cast<uint16_t>(registers.statusAddress);
  busyMask_ = static_cast<uint8_t>(registers.busyMask);
}

void SimulatedWriter::InsertPic(PIC_DEVICES device) {
  if (!IsKnownPicDevice(device)) {
    RemoveTarget();
    return;
  }
  InsertTarget(MakePicChip(clock_, device));
}

void SimulatedWriter::InsertSerialRom(SROM_DEVICE device) {
  if (device >= kSRomDeviceCount) {
    RemoveTarget();
    return;
  }
  InsertTarget(std::make_unique<Serial24xxChip>(clock_, device));
}

void SimulatedWriter::RemoveTarget() { chip_.reset(); }

std::unique_ptr<VirtualChip> SimulatedWriter::TakeTarget() {
  if (chip_) chip_->OnLines(kDecoded[0]);
  return std::move(chip_);
}

void SimulatedWriter::InsertTarget(std::unique_ptr<VirtualChip> chip) {
  chip_ = std::move(chip);
  if (chip_) chip_->OnLines(lines_);
}

PicChip* SimulatedWriter::Pic() const { return dynamic_cast<PicChip*>(chip_.get()); }
FlashPicChip* SimulatedWriter::FlashPic() const { return dynamic_cast<FlashPicChip*>(chip_.get()); }
Eprom14PicChip* SimulatedWriter::Eprom14Pic() const { return dynamic_cast<Eprom14PicChip*>(chip_.get()); }
Eprom12PicChip* SimulatedWriter::Eprom12Pic() const { return dynamic_cast<Eprom12PicChip*>(chip_.get()); }
Serial24xxChip* SimulatedWriter::SerialRom() const { return dynamic_cast<Serial24xxChip*>(chip_.get()); }

bool SimulatedWriter::Rb7High() const {
  if (lines_.rb7 != PinDrive::Released) return lines_.rb7 == PinDrive::High;
  if (!chip_ || !lines_.vdd) return true;
  return chip_->Rb7Output() != PinDrive::Low;
}

void SimulatedWriter::Out(uint16_t address, uint8_t value) {
  ++accesses_;
  if (address != dataAddress_ || value == data_) return;
  data_ = value;
  lines_ = kDecoded[value];
  if (chip_) chip_->OnLines(lines_);
}

uint8_t SimulatedWriter::In(uint16_t address) {
  ++accesses_;
  if (address == statusAddress_) return Status();
  if (address == dataAddress_) return data_;
  return kFloatingBus;
}

// The input is inverted on its way to the register: the bit reads 0 while
// RB7 is high.
uint8_t SimulatedWriter::Status() const {
  const uint8_t idle = portType_ == NEC40 ? kPc98StatusIdle : kAtStatusIdle;
  return Rb7High() ? static_cast<uint8_t>(idle & ~busyMask_) : static_cast<uint8_t>(idle | busyMask_);
}

}  // namespace tarvel

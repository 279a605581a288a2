#include "port/ParallelPort.h"

namespace tarvel {

const ParallelPortRegisters kParallelPortRegisters[kParallelPortTypeCount] = {
    {AT378, 0x378, 0x379, 0x80},
    {AT3BC, 0x3BC, 0x3BD, 0x80},
    {AT278, 0x278, 0x279, 0x80},
    {NEC40, 0x40, 0x42, 0x04},
    {NEC140, 0x140, 0x141, 0x80},
};

TParallelPort::TParallelPort(PortIo& io, UserMessages& messages) : io_(&io), messages_(messages) {
  SetPortType(AT378);
}

void TParallelPort::SetPortType(PPortType type) {
  portType_ = type;
  if (type >= kParallelPortTypeCount) {
    // The type is kept, but access goes on at the previous port's registers.
    messages_.Show("ポートの設定に失敗しました。");
    return;
  }
  const ParallelPortRegisters& registers = kParallelPortRegisters[type];
  dataAddress_ = registers.dataAddress;
  statusAddress_ = registers.statusAddress;
  busyMask_ = registers.busyMask;
}

void TParallelPort::OutData(uint32_t value) {
  io_->Out(static_cast<uint16_t>(dataAddress_), static_cast<uint8_t>(value));
}

uint32_t TParallelPort::InData() { return io_->In(static_cast<uint16_t>(dataAddress_)); }

void TParallelPort::OutStatus(uint32_t value) {
  io_->Out(static_cast<uint16_t>(statusAddress_), static_cast<uint8_t>(value));
}

uint32_t TParallelPort::InStatus() { return io_->In(static_cast<uint16_t>(statusAddress_)); }

bool TParallelPort::InBusy() { return (InStatus() & static_cast<uint32_t>(busyMask_)) == 0; }

}  // namespace tarvel

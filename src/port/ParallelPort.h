#pragma once

#include <cstdint>

#include "platform/UserMessages.h"
#include "port/PortIo.h"

namespace tarvel {

enum PPortType : uint8_t { AT378, AT3BC, AT278, NEC40, NEC140 };

// The registers of one parallel port, selected by its type.
struct ParallelPortRegisters {
  PPortType type;
  int32_t dataAddress;
  int32_t statusAddress;
  int32_t busyMask;
};

constexpr int kParallelPortTypeCount = 5;
// Indexed by PPortType.
extern const ParallelPortRegisters kParallelPortRegisters[kParallelPortTypeCount];

// The writer's port: byte access to the data and status registers of the
// chosen parallel port. Each call is exactly one transfer through PortIo.
class TParallelPort {
 public:
  TParallelPort(PortIo& io, UserMessages& messages);

  PPortType PortType() const { return portType_; }
  void SetPortType(PPortType type);
  int32_t DataAddress() const { return dataAddress_; }
  int32_t StatusAddress() const { return statusAddress_; }
  int32_t BusyMask() const { return busyMask_; }

  void OutData(uint32_t value);
  uint32_t InData();
  void OutStatus(uint32_t value);
  uint32_t InStatus();
  // True when the BUSY bit reads 0: on every supported port the input is
  // inverted, so true means the writer's input line is high.
  bool InBusy();

  // The backend in use; the window switches it when the port access changes.
  PortIo& Io() const { return *io_; }
  void SetIo(PortIo& io) { io_ = &io; }

 private:
  PortIo* io_;
  UserMessages& messages_;
  PPortType portType_ = AT378;
  int32_t dataAddress_ = 0;
  int32_t statusAddress_ = 0;
  int32_t busyMask_ = 0;
};

}  // namespace tarvel

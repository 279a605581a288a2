#pragma once

#include <bitset>
#include <cstdint>
#include <functional>
#include <optional>

namespace tarvel {

// Permission for direct port I/O on the parallel port registers, and the
// record of what was granted. The record is what DirectPortIo checks before
// every access, so an access without permission never reaches the hardware.
class PortPermission {
 public:
  // ioperm's signature: 0 on success, -1 with errno on failure.
  using Request = std::function<int(unsigned long from, unsigned long count, int turnOn)>;

  explicit PortPermission(Request request);

  // The process's own record, filled through the kernel's ioperm.
  static PortPermission& Process();

  // Asks for the data and status registers of the parallel port types; true
  // when every one was granted. Only the first call asks: later calls give
  // the first answer.
  bool Open();
  bool Granted(uint16_t address) const;

 private:
  // ioperm reaches the ports 000H-3FFH only.
  static constexpr int kPermissionLimit = 0x400;

  bool RequestRegister(int32_t address);

  Request request_;
  std::optional<bool> opened_;
  std::bitset<kPermissionLimit> granted_;
};

// The port-permission step of the start: PortPermission::Process().Open().
bool OpenGiveIO();

}  // namespace tarvel

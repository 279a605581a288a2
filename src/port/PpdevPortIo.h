#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "port/ParallelPort.h"
#include "port/ParportLocator.h"
#include "port/PortIo.h"

namespace tarvel {

// The writer's port through the kernel's parallel port device (ppdev,
// /dev/parportN): no root needed, only membership in group lp. It answers
// the data and status registers of one port type; the data register maps to
// PPWDATA/PPRDATA and the status register to PPRSTATUS. Status writes do
// nothing, and any other address is refused (reads give 0xFF, as a floating
// bus would). The port stays claimed until the object is destroyed.
class PpdevPortIo : public PortIo {
 public:
  struct OpenResult {
    std::unique_ptr<PpdevPortIo> port;  // null when the open failed
    std::string error;                  // why it failed, for the user
  };

  // The kernel's port whose base address is the data register of `type`.
  static OpenResult Open(PPortType type, const ParportLocator& locator = ParportLocator());
  // A given device file (a port at another address, or a test device),
  // answering the registers of `type`.
  static OpenResult OpenDevice(const std::string& path, PPortType type,
                               const ParportLocator& locator = ParportLocator());

  ~PpdevPortIo() override;
  PpdevPortIo(const PpdevPortIo&) = delete;
  PpdevPortIo& operator=(const PpdevPortIo&) = delete;

  void Out(uint16_t address, uint8_t value) override;
  uint8_t In(uint16_t address) override;

  const std::string& Path() const { return path_; }
  // False when the port is shared with another registered driver (such as
  // the printer driver lp), which cannot touch it while it stays claimed.
  bool Exclusive() const { return exclusive_; }

 private:
  PpdevPortIo(int fd, std::string path, const ParallelPortRegisters& registers, bool exclusive);

  static OpenResult ClaimShared(const std::string& path, const ParallelPortRegisters& registers,
                                const ParportLocator& locator);

  int fd_;
  std::string path_;
  uint16_t dataAddress_;
  uint16_t statusAddress_;
  bool exclusive_;
};

}  // namespace tarvel

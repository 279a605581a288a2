#pragma once

#include "port/PortIo.h"
#include "port/PortPermission.h"

namespace tarvel {

// Direct port I/O (outb/inb) on x86 Linux, after the port-permission step.
// An access the permission record does not cover is refused without touching
// the hardware (a read gives 0xFF, as a floating bus would): the kernel would
// otherwise end the process. Elsewhere than on x86 every access is refused.
class DirectPortIo : public PortIo {
 public:
  explicit DirectPortIo(const PortPermission& permission = PortPermission::Process());

  void Out(uint16_t address, uint8_t value) override;
  uint8_t In(uint16_t address) override;

 private:
  const PortPermission& permission_;
};

}  // namespace tarvel

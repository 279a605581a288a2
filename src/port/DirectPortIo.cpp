#include "port/DirectPortIo.h"

#if defined(__linux__) && (defined(__x86_64__) || defined(__i386__))
#include <sys/io.h>
#define TARVEL_HAS_PORT_INSTRUCTIONS 1
#endif

namespace tarvel {

DirectPortIo::DirectPortIo(const PortPermission& permission) : permission_(permission) {}

void DirectPortIo::Out(uint16_t address, uint8_t value) {
#ifdef TARVEL_HAS_PORT_INSTRUCTIONS
  if (permission_.Granted(address)) ::outb(value, address);
#else
  (void)address;
  (void)value;
#endif
}

uint8_t DirectPortIo::In(uint16_t address) {
#ifdef TARVEL_HAS_PORT_INSTRUCTIONS
  if (permission_.Granted(address)) return ::inb(address);
#else
  (void)address;
#endif
  return 0xFF;
}

}  // namespace tarvel

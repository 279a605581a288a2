#include "port/PortPermission.h"

#include <cerrno>

#include "port/ParallelPort.h"

#if defined(__linux__) && (defined(__x86_64__) || defined(__i386__))
#include <sys/io.h>
#define TARVEL_HAS_IOPERM 1
#endif

namespace tarvel {

namespace {

int SystemIoperm(unsigned long from, unsigned long count, int turnOn) {
#ifdef TARVEL_HAS_IOPERM
  return ::ioperm(from, count, turnOn);
#else
  (void)from;
  (void)count;
  (void)turnOn;
  errno = ENOSYS;
  return -1;
#endif
}

// Every machine this program runs on is a PC/AT compatible, where 40H-43H
// is the system timer. The PC-98 port at 40H is never opened for direct
// access, so choosing it by mistake cannot reprogram the timer.
bool IsSystemTimerPort(int32_t address) { return address >= 0x40 && address <= 0x43; }

}  // namespace

PortPermission::PortPermission(Request request) : request_(std::move(request)) {}

// ioperm grants to the calling thread and to threads it starts afterwards:
// the window asks from the UI thread, which also does all port access.
PortPermission& PortPermission::Process() {
  static PortPermission permission(SystemIoperm);
  return permission;
}

bool PortPermission::Open() {
  if (opened_) return *opened_;
  bool all = true;
  for (const ParallelPortRegisters& registers : kParallelPortRegisters) {
    for (int32_t address : {registers.dataAddress, registers.statusAddress}) {
      if (IsSystemTimerPort(address)) continue;
      all = RequestRegister(address) && all;
    }
  }
  opened_ = all;
  return all;
}

bool PortPermission::RequestRegister(int32_t address) {
  if (address < 0 || address >= kPermissionLimit) return false;
  if (request_(static_cast<unsigned long>(address), 1, 1) != 0) return false;
  granted_.set(static_cast<size_t>(address));
  return true;
}

bool PortPermission::Granted(uint16_t address) const {
  return address < kPermissionLimit && granted_.test(address);
}

bool OpenGiveIO() { return PortPermission::Process().Open(); }

}  // namespace tarvel

#include "writer/WriterAccess.h"

#include "port/DirectPortIo.h"
#include "port/PortPermission.h"

namespace tarvel {

WriterAccess::Backends WriterAccess::RealBackends() {
  Backends backends;
  backends.openGiveIO = [] { return OpenGiveIO(); };
  backends.directIo = [] { return std::make_unique<DirectPortIo>(); };
  return backends;
}

WriterAccess::WriterAccess(Clock& clock, Backends backends)
    : backends_(std::move(backends)), simulator_(clock), io_(&simulator_), name_("simulated") {}

bool WriterAccess::ObtainPermission() {
  permission_ = backends_.openGiveIO && backends_.openGiveIO();
  return permission_;
}

void WriterAccess::UseSimulator() {
  io_ = &simulator_;
  name_ = "simulated";
  realIo_.reset();
}

std::string WriterAccess::Choose(int mode, PPortType type) {
  if (mode == Simulated) {
    simulator_.SetPortType(type);
    UseSimulator();
    return std::string();
  }
  std::string problem = ChooseReal(mode, type);
  // Automatic on a computer without any parallel port is the ordinary
  // simulated case; a port that is there but cannot be used is news.
  const bool portsExist =
      !backends_.locator.Ports().empty() || !backends_.locator.UsbPrinterDevices().empty();
  if (mode == Automatic && !portsExist) problem.clear();
  return problem;
}

std::string WriterAccess::ChooseReal(int mode, PPortType type) {
  simulator_.SetPortType(type);
  // The old device is let go first, so that reopening the same port works.
  UseSimulator();
  std::string problem;
  if (mode == Automatic || mode == KernelDevice) {
    problem = UseKernelDevice(PpdevPortIo::Open(type, backends_.locator));
    if (!IsSimulated()) return problem;
  }
  if (mode == Automatic || mode == DirectIo) {
    if (permission_ && backends_.directIo) {
      realIo_ = backends_.directIo();
      io_ = realIo_.get();
      name_ = "direct I/O";
      return problem;
    }
    if (mode == DirectIo) {
      problem =
          "Direct port I/O needs permission, which the start did not obtain. Tick the permission option in "
          "the write setup and start tarvel as a user with the right to port I/O (root, or CAP_SYS_RAWIO).";
    }
  }
  return problem;
}

std::string WriterAccess::ChooseDevice(const std::string& path, PPortType type) {
  simulator_.SetPortType(type);
  UseSimulator();
  return UseKernelDevice(PpdevPortIo::OpenDevice(path, type, backends_.locator));
}

std::string WriterAccess::UseKernelDevice(PpdevPortIo::OpenResult opened) {
  if (!opened.port) return opened.error;
  name_ = ParportLocator::PortNameOf(opened.port->Path());
  if (name_.empty()) name_ = opened.port->Path();
  realIo_ = std::move(opened.port);
  io_ = realIo_.get();
  return std::string();
}

void WriterAccess::SelectPic(PIC_DEVICES device) {
  SwapChip(device, [this, device] { simulator_.InsertPic(device); });
}

void WriterAccess::SelectSerialRom(SROM_DEVICE device) {
  SwapChip(kSerialRomKeys + device, [this, device] { simulator_.InsertSerialRom(device); });
}

void WriterAccess::SwapChip(int key, const std::function<void()>& insertBlank) {
  if (key == socketKey_ && simulator_.Target()) return;
  if (socketKey_ != kNoChip) {
    std::unique_ptr<VirtualChip> chip = simulator_.TakeTarget();
    if (chip) shelf_[socketKey_] = std::move(chip);
  }
  auto kept = shelf_.find(key);
  if (kept != shelf_.end()) {
    simulator_.InsertTarget(std::move(kept->second));
    shelf_.erase(kept);
  } else {
    insertBlank();
  }
  socketKey_ = simulator_.Target() ? key : kNoChip;
}

}  // namespace tarvel

#include "ui/main/WriterAccess.h"

#include "port/DirectPortIo.h"
#include "port/PortPermission.h"
#include "port/PpdevPortIo.h"

namespace tarvel {

WriterAccess::Backends WriterAccess::RealBackends() {
  Backends backends;
  backends.openGiveIO = [] { return OpenGiveIO(); };
  backends.directIo = [] { return std::make_unique<DirectPortIo>(); };
  return backends;
}

WriterAccess::WriterAccess(Clock& clock, Backends backends)
    : backends_(std::move(backends)), simulator_(clock), io_(&simulator_), name_(kSimulatedName) {}

QString WriterAccess::ShownName() const {
  if (name_ == kSimulatedName) return tr("simulated");
  if (name_ == kDirectName) return tr("direct I/O");
  return QString::fromStdString(name_);
}

bool WriterAccess::ObtainPermission() {
  permission_ = backends_.openGiveIO && backends_.openGiveIO();
  return permission_;
}

void WriterAccess::UseSimulator() {
  io_ = &simulator_;
  name_ = kSimulatedName;
  realIo_.reset();
}

std::string WriterAccess::Choose(int mode, PPortType type) {
  simulator_.SetPortType(type);
  // The old device is let go first, so that reopening the same port works.
  UseSimulator();
  if (mode == Simulated) return std::string();

  std::string problem;
  if (mode == Automatic || mode == KernelDevice) {
    PpdevPortIo::OpenResult kernelPort = PpdevPortIo::Open(type, backends_.locator);
    if (kernelPort.port) {
      name_ = ParportLocator::PortNameOf(kernelPort.port->Path());
      if (name_.empty()) name_ = kernelPort.port->Path();
      realIo_ = std::move(kernelPort.port);
      io_ = realIo_.get();
      return std::string();
    }
    // Automatic on a computer without any parallel port is the ordinary
    // simulated case; a port that is there but cannot be used is news.
    const bool portsExist =
        !backends_.locator.Ports().empty() || !backends_.locator.UsbPrinterDevices().empty();
    if (mode == KernelDevice || portsExist) problem = kernelPort.error;
  }
  if (mode == Automatic || mode == DirectIo) {
    if (permission_ && backends_.directIo) {
      realIo_ = backends_.directIo();
      io_ = realIo_.get();
      name_ = kDirectName;
      return problem;
    }
    if (mode == DirectIo) {
      problem = tr("Direct port I/O needs permission, which the start did not obtain. Tick the permission option "
                   "in the write setup and start tarvel as a user with the right to port I/O (root, or "
                   "CAP_SYS_RAWIO).")
                    .toStdString();
    }
  }
  return problem;
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

#include "port/PpdevPortIo.h"

#include <fcntl.h>
#include <linux/ppdev.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace tarvel {

namespace {

namespace fs = std::filesystem;

constexpr unsigned kUsbPrinterMajor = 180;
constexpr const char* kUnknownTypeText = "Unknown port type: choose a port in the write setup.";

std::string HexAddress(int32_t address) {
  char text[16];
  std::snprintf(text, sizeof text, "%XH", static_cast<unsigned>(address));
  return text;
}

PpdevPortIo::OpenResult Failure(std::string text) { return {nullptr, std::move(text)}; }

std::string UsbPrinterText(const std::string& path) {
  return path +
         " is a USB printer adapter. Such an adapter cannot drive single lines and cannot be used "
         "as a writer: connect the writer to a real parallel port (on the mainboard or on a PCI or "
         "PCIe card).";
}

std::string NoSuchPortText(const std::string& path) {
  return "No such port: the kernel has no parallel port behind " + path + ".";
}

std::string BusyText(const std::string& path, const std::string& holder) {
  return "The parallel port " + path + " is busy" + (holder.empty() ? "" : " (held by \"" + holder + "\")") +
         ": another program or driver is using it. Close that program and try again.";
}

// Why opening or claiming a device failed, in the user's terms.
std::string ErrorText(const std::string& path, int error, const char* action) {
  switch (error) {
    case ENOENT:
      return "No such port: " + path + " does not exist.";
    case EACCES:
    case EPERM:
      return "Permission denied on " + path +
             ". Add yourself to group lp (\"sudo usermod -aG lp $USER\"), then log out and in again.";
    case EBUSY:
      return BusyText(path, "");
    case ENXIO:
    case ENODEV:
      return NoSuchPortText(path);
    case ENOTTY:
    case EINVAL:
    case EISDIR:
    case ENOSYS:
      return path +
             " is not a parallel port device: it does not answer the kernel's parallel port driver "
             "(ppdev). Choose a device /dev/parportN.";
    default:
      return std::string("Could not ") + action + " " + path + ": " + std::strerror(error) + ".";
  }
}

bool IsUsbPrinterPath(const std::string& path) {
  const fs::path file(path);
  const std::string name = file.filename().string();
  return file.parent_path().filename() == "usb" && name.size() > 2 && name.compare(0, 2, "lp") == 0;
}

// Every name the device may have for the kernel: a symbolic link such as
// /dev/writer still leads to parportN.
std::string PortNameFor(const std::string& path) {
  std::error_code error;
  const fs::path resolved = fs::canonical(path, error);
  const std::string name = error ? std::string() : ParportLocator::PortNameOf(resolved.string());
  return name.empty() ? ParportLocator::PortNameOf(path) : name;
}

int OpenFile(const std::string& path) { return ::open(path.c_str(), O_RDWR | O_CLOEXEC | O_NOCTTY); }

}  // namespace

PpdevPortIo::PpdevPortIo(int fd, std::string path, const ParallelPortRegisters& registers, bool exclusive)
    : fd_(fd),
      path_(std::move(path)),
      dataAddress_(static_cast<uint16_t>(registers.dataAddress)),
      statusAddress_(static_cast<uint16_t>(registers.statusAddress)),
      exclusive_(exclusive) {}

PpdevPortIo::~PpdevPortIo() {
  ::ioctl(fd_, PPRELEASE);
  ::close(fd_);
}

PpdevPortIo::OpenResult PpdevPortIo::Open(PPortType type, const ParportLocator& locator) {
  if (type >= kParallelPortTypeCount) return Failure(kUnknownTypeText);
  const int32_t base = kParallelPortRegisters[type].dataAddress;
  const std::vector<ParportLocator::Port> ports = locator.Ports();
  for (const ParportLocator::Port& port : ports) {
    if (port.baseAddress != base) continue;
    const std::string path = locator.DevicePath(port.name);
    std::error_code error;
    if (!fs::exists(path, error)) {
      return Failure("The parallel port at " + HexAddress(base) + " (" + port.name + ") has no device " + path +
                     ": the ppdev driver is not loaded. Load it with \"sudo modprobe ppdev\".");
    }
    return OpenDevice(path, type, locator);
  }
  if (!ports.empty()) {
    std::string list;
    for (const ParportLocator::Port& port : ports) {
      list += (list.empty() ? "" : ", ") + HexAddress(port.baseAddress) + " (" + locator.DevicePath(port.name) + ")";
    }
    return Failure("No parallel port at " + HexAddress(base) + ". The parallel ports of this computer are at " +
                   list + ". Choose the port the writer is connected to in the write setup.");
  }
  const std::vector<std::string> usb = locator.UsbPrinterDevices();
  if (!usb.empty()) {
    return Failure("No parallel port found, only a USB printer adapter (" + usb.front() +
                   "). Such an adapter cannot drive single lines and cannot be used as a writer: connect "
                   "the writer to a real parallel port (on the mainboard or on a PCI or PCIe card).");
  }
  return Failure(
      "No parallel port found: the kernel reports none. Check that the port is enabled in the BIOS setup "
      "and that its drivers are loaded (\"sudo modprobe parport_pc ppdev\").");
}

PpdevPortIo::OpenResult PpdevPortIo::OpenDevice(const std::string& path, PPortType type,
                                                const ParportLocator& locator) {
  if (type >= kParallelPortTypeCount) return Failure(kUnknownTypeText);
  const ParallelPortRegisters& registers = kParallelPortRegisters[type];
  if (IsUsbPrinterPath(path)) return Failure(UsbPrinterText(path));

  const int fd = OpenFile(path);
  if (fd < 0) return Failure(ErrorText(path, errno, "open"));
  struct stat status {};
  if (::fstat(fd, &status) == 0 && S_ISCHR(status.st_mode) && major(status.st_rdev) == kUsbPrinterMajor) {
    ::close(fd);
    return Failure(UsbPrinterText(path));
  }
  // Exclusive access keeps every other driver off the port; it also means
  // the claim can never block, because nobody else is registered on it.
  if (::ioctl(fd, PPEXCL) != 0 || ::ioctl(fd, PPCLAIM) != 0) {
    const int error = errno;
    ::close(fd);
    if (error == ENXIO) return ClaimShared(path, registers, locator);
    return Failure(ErrorText(path, error, "claim"));
  }
  return {std::unique_ptr<PpdevPortIo>(new PpdevPortIo(fd, path, registers, true)), {}};
}

// An exclusive claim fails while any other driver is registered on the port,
// which is the case wherever the printer driver lp is loaded. Sharing is safe
// as long as we hold the claim, but a claim on a port someone else holds
// would block until they let go, so it is only tried on a free port.
PpdevPortIo::OpenResult PpdevPortIo::ClaimShared(const std::string& path, const ParallelPortRegisters& registers,
                                                 const ParportLocator& locator) {
  const std::string portName = PortNameFor(path);
  if (!portName.empty() && !locator.PortExists(portName)) return Failure(NoSuchPortText(path));
  const std::optional<std::string> holder = locator.ActiveClaimant(portName);
  if (!holder) {
    return Failure("Could not claim the parallel port " + path +
                   " for exclusive use: another driver is registered on it (often the printer driver lp: "
                   "unload it with \"sudo rmmod lp\"), or the port is gone.");
  }
  if (*holder != "none") return Failure(BusyText(path, *holder));

  const int fd = OpenFile(path);
  if (fd < 0) return Failure(ErrorText(path, errno, "open"));
  if (::ioctl(fd, PPCLAIM) != 0) {
    const int error = errno;
    ::close(fd);
    return Failure(ErrorText(path, error, "claim"));
  }
  return {std::unique_ptr<PpdevPortIo>(new PpdevPortIo(fd, path, registers, false)), {}};
}

void PpdevPortIo::Out(uint16_t address, uint8_t value) {
  if (address != dataAddress_) return;
  unsigned char byte = value;
  ::ioctl(fd_, PPWDATA, &byte);
}

uint8_t PpdevPortIo::In(uint16_t address) {
  unsigned long request = 0;
  if (address == dataAddress_) {
    request = PPRDATA;
  } else if (address == statusAddress_) {
    request = PPRSTATUS;
  } else {
    return 0xFF;
  }
  unsigned char byte = 0xFF;
  if (::ioctl(fd_, request, &byte) != 0) return 0xFF;
  return byte;
}

}  // namespace tarvel

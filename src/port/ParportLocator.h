#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tarvel {

// What the kernel tells about its parallel ports: their names (parportN),
// base addresses, device files, and who holds them. The roots of /dev and
// /proc are parameters, so the lookup can run on a fake folder tree.
class ParportLocator {
 public:
  struct Port {
    std::string name;     // "parport0"
    int32_t baseAddress;  // the data register's I/O address
  };

  explicit ParportLocator(std::string devDir = "/dev", std::string procDir = "/proc");

  // Every port the kernel's parport driver registered, in number order.
  std::vector<Port> Ports() const;
  // The ppdev device file of a port: <dev>/parportN.
  std::string DevicePath(const std::string& portName) const;
  // USB printer adapters (<dev>/usb/lpN), which cannot drive single lines.
  std::vector<std::string> UsbPrinterDevices() const;
  // Whether the kernel knows a port of that name at all.
  bool PortExists(const std::string& portName) const;
  // The driver or program holding the port right now ("none" when it is
  // free), or nothing when the kernel does not say.
  std::optional<std::string> ActiveClaimant(const std::string& portName) const;

  // The port name of a device path whose file name is parportN, else "".
  static std::string PortNameOf(const std::string& devicePath);

 private:
  std::string PortProcDir(const std::string& portName) const;

  std::string devDir_;
  std::string procDir_;
};

}  // namespace tarvel

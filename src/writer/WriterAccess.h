#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>

#include "engine/pic/PicDevice.h"
#include "engine/srom/SRomDevice.h"
#include "platform/Clock.h"
#include "port/ParallelPort.h"
#include "port/ParportLocator.h"
#include "port/PortIo.h"
#include "port/PpdevPortIo.h"
#include "sim/SimulatedWriter.h"

namespace tarvel {

// Which writer the program talks to: the kernel's parallel port device of the
// chosen port, else direct port I/O when the start obtained permission, else
// the simulated writer, whose socket holds a virtual chip of the selected
// device. Each device's virtual chip keeps its contents for the rest of the
// run, so a chip written, swapped out and back reads back.
class WriterAccess {
 public:
  // The stored PortAccess setting.
  enum Mode : int { Automatic = 0, KernelDevice = 1, DirectIo = 2, Simulated = 3 };

  // How the real ports are reached; tests replace them.
  struct Backends {
    ParportLocator locator;
    std::function<bool()> openGiveIO;                   // the port-permission step
    std::function<std::unique_ptr<PortIo>()> directIo;  // byte I/O after permission
  };
  static Backends RealBackends();

  WriterAccess(Clock& clock, Backends backends);

  // The port-permission step of the start; true when permission was given.
  bool ObtainPermission();
  bool PermissionGranted() const { return permission_; }

  // Picks the backend for the mode and port type. Returns why the writer the
  // user asked for, or a port the kernel has, cannot be used (empty when
  // there is nothing to tell).
  std::string Choose(int mode, PPortType type);
  // As Choose, but never falls back to the simulated writer: for Automatic,
  // KernelDevice and DirectIo, returns why the kernel's device or direct I/O
  // could not be used (also when the other one then could). The simulated
  // writer stays in place when neither could.
  std::string ChooseReal(int mode, PPortType type);
  // The kernel's parallel port device at `path` (a port at another address,
  // or a device the locator does not list); why not, when it cannot be used.
  std::string ChooseDevice(const std::string& path, PPortType type);

  PortIo& Io() { return *io_; }
  // "parport0", "direct I/O" or "simulated".
  std::string Name() const { return name_; }
  bool IsSimulated() const { return io_ == &simulator_; }
  SimulatedWriter& Simulator() { return simulator_; }

  // Puts the chip of that device into the simulated socket.
  void SelectPic(PIC_DEVICES device);
  void SelectSerialRom(SROM_DEVICE device);

 private:
  void UseSimulator();
  // Takes the opened kernel device; returns the open's error when it failed.
  std::string UseKernelDevice(PpdevPortIo::OpenResult opened);
  // Shelves the chip in the socket and inserts the one kept for `key`, or a
  // blank one made by `insertBlank`.
  void SwapChip(int key, const std::function<void()>& insertBlank);

  static constexpr int kSerialRomKeys = 1000;
  static constexpr int kNoChip = -1;

  Backends backends_;
  SimulatedWriter simulator_;
  std::unique_ptr<PortIo> realIo_;
  PortIo* io_;
  std::string name_;
  bool permission_ = false;
  std::map<int, std::unique_ptr<VirtualChip>> shelf_;
  int socketKey_ = kNoChip;
};

}  // namespace tarvel

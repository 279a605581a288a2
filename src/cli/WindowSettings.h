#pragma once

#include <cstdint>
#include <optional>

#include "cli/CliDevices.h"
#include "port/ParallelPort.h"
#include "writer/WriterAccess.h"

namespace tarvel {

// What the window has stored of its write setup, read from its settings file
// (the window's SettingsStore, only when written by this version): a user
// who set the window up needs no options. The command line never writes it.
struct WindowSettings {
  PPortType portType = AT378;
  int portAccess = WriterAccess::Automatic;
  int32_t waitTime = 0;  // 0: none stored, or one never measured
  bool startGiveIO = false;
  std::optional<CliDevice> device;  // the device of the selected category

  static WindowSettings Read();
};

}  // namespace tarvel

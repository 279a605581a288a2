#include "cli/WindowSettings.h"

#include "platform/WaitTimeMeasurement.h"
#include "settings/SettingsStore.h"

namespace tarvel {

WindowSettings WindowSettings::Read() {
  WindowSettings stored;
  SettingsStore settings;
  // The window throws away a tree of another version; it holds nothing here.
  if (settings.Version() != SettingsStore::kVersion) return stored;
  const QString write = "Write";
  stored.portType =
      static_cast<PPortType>(settings.ReadInt(write, "PortType", AT378, 0, kParallelPortTypeCount - 1));
  stored.portAccess = settings.ReadInt(write, "PortAccess", WriterAccess::Automatic, WriterAccess::Automatic,
                                       WriterAccess::Simulated);
  stored.waitTime = settings.ReadInt(write, "WaitTime", 0, 0, WaitTimeMeasurement::kMaxWaitTime);
  stored.startGiveIO = settings.ReadFlag(write, "StartGiveIO", false);
  const int category = settings.ReadInt(write, "Category", -1, 0, 1);
  if (category == 0) {
    const int device = settings.ReadInt(write, "PICDevice", -1, 0, kPicDeviceCount - 1);
    if (device >= 0) stored.device = CliDevice{false, device};
  } else if (category == 1) {
    const int device = settings.ReadInt(write, "SRomDevice", -1, 0, kSRomDeviceCount - 1);
    if (device >= 0) stored.device = CliDevice{true, device};
  }
  return stored;
}

}  // namespace tarvel

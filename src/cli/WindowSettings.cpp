#include "cli/WindowSettings.h"

#include <QSettings>
#include <climits>

#include "platform/WaitTimeMeasurement.h"

namespace tarvel {
namespace {

// A value outside its range, or of another type, counts as not stored.
int ReadInt(const QSettings& settings, const char* name, int fallback, int lowest, int highest) {
  bool number = false;
  const int value = settings.value(QString("Write/") + name).toInt(&number);
  return number && value >= lowest && value <= highest ? value : fallback;
}

}  // namespace

WindowSettings WindowSettings::Read() {
  WindowSettings stored;
  const QSettings settings("Melfort", "tarvel");
  // The window throws away a tree of another version; it holds nothing here.
  if (settings.value("Version").toString() != TARVEL_VERSION) return stored;
  stored.portType = static_cast<PPortType>(ReadInt(settings, "PortType", AT378, 0, kParallelPortTypeCount - 1));
  stored.portAccess =
      ReadInt(settings, "PortAccess", WriterAccess::Automatic, WriterAccess::Automatic, WriterAccess::Simulated);
  stored.waitTime = ReadInt(settings, "WaitTime", 0, 0, WaitTimeMeasurement::kMaxWaitTime);
  stored.startGiveIO = ReadInt(settings, "StartGiveIO", 0, INT_MIN, INT_MAX) != 0;
  const int category = ReadInt(settings, "Category", -1, 0, 1);
  if (category == 0) {
    const int device = ReadInt(settings, "PICDevice", -1, 0, kPicDeviceCount - 1);
    if (device >= 0) stored.device = CliDevice{false, device};
  } else if (category == 1) {
    const int device = ReadInt(settings, "SRomDevice", -1, 0, kSRomDeviceCount - 1);
    if (device >= 0) stored.device = CliDevice{true, device};
  }
  return stored;
}

}  // namespace tarvel

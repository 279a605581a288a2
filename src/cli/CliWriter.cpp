#include "cli/CliWriter.h"

#include <QFile>

#include "language/CoreTexts.h"
#include "platform/SystemClock.h"
#include "platform/VirtualClock.h"

namespace tarvel {
namespace {

std::unique_ptr<Clock> ClockFor(const CliWriter::Spec& spec, bool realTime) {
  if (spec.kind == CliWriter::Spec::Simulated && !realTime) return std::make_unique<VirtualClock>();
  return std::make_unique<SystemClock>();
}

std::optional<int> PortTypeOf(const QString& text) {
  bool number = false;
  const int type = text.toInt(&number);
  if (!number || type < 0 || type >= kParallelPortTypeCount) return std::nullopt;
  return type;
}

}  // namespace

std::optional<CliWriter::Spec> CliWriter::ParseSpec(const QString& text) {
  Spec spec;
  const QString kind = text.section(':', 0, 0).toLower();
  const bool hasValue = text.contains(':');
  const QString value = text.section(':', 1);
  if (kind.isEmpty() || (kind == "auto" && !hasValue)) return spec;
  if (kind == "sim") {
    if (hasValue && value.isEmpty()) return std::nullopt;
    spec.kind = Spec::Simulated;
    spec.path = value;
    return spec;
  }
  if (kind == "ppdev" && !value.isEmpty()) {
    spec.kind = Spec::KernelDevicePath;
    spec.path = value;
    return spec;
  }
  const std::optional<int> type = PortTypeOf(value);
  if (!type) return std::nullopt;
  spec.portType = *type;
  if (kind == "parport") spec.kind = Spec::KernelDevice;
  if (kind == "direct") spec.kind = Spec::DirectIo;
  return spec.kind == Spec::Auto ? std::nullopt : std::optional<Spec>(spec);
}

CliOutcome CliWriter::BadSpec(const QString& text) {
  return CliOutcome::Of(CliOutcome::UsageError,
                        tr("Unknown writer '%1': use auto, ppdev:/dev/parportN, parport:TYPE, direct:TYPE (TYPE 0-4), "
                           "sim or sim:FILE.")
                            .arg(text));
}

// auto is the window's way to its writer, simulated included.
CliWriter::Spec CliWriter::Resolved(Spec spec, const WindowSettings& settings) {
  if (spec.kind == Spec::Auto && settings.portAccess == WriterAccess::Simulated) spec.kind = Spec::Simulated;
  if (spec.portType < 0) spec.portType = settings.portType;
  return spec;
}

CliWriter::CliWriter(const Spec& spec, const WindowSettings& settings, bool realTime, UserMessages& messages)
    : spec_(Resolved(spec, settings)),
      settings_(settings),
      clock_(ClockFor(spec_, realTime)),
      access_(*clock_, WriterAccess::RealBackends()),
      port_(access_.Io(), messages) {}

std::optional<CliOutcome> CliWriter::Unreachable(const QString& reason) const {
  return CliOutcome::Of(CliOutcome::WriterUnreachable, reason);
}

std::optional<CliOutcome> CliWriter::Open() {
  const auto type = static_cast<PPortType>(spec_.portType);
  const QString directRefused =
      tr("Direct port I/O was refused: it needs root or the CAP_SYS_RAWIO capability on an x86 computer. Use "
         "the kernel's device instead (ppdev:/dev/parportN), which needs only membership in group lp.");
  QString problem;
  switch (spec_.kind) {
    case Spec::Simulated:
      access_.Choose(WriterAccess::Simulated, type);
      if (!spec_.path.isEmpty()) {
        simFile_.emplace(spec_.path);
        if (const QString unusable = simFile_->Load(); !unusable.isEmpty()) {
          return CliOutcome::Of(CliOutcome::FileError, unusable);
        }
      }
      break;
    case Spec::KernelDevicePath:
      problem = CoreTexts::Translated(access_.ChooseDevice(QFile::encodeName(spec_.path).toStdString(), type));
      break;
    case Spec::KernelDevice:
      problem = CoreTexts::Translated(access_.ChooseReal(WriterAccess::KernelDevice, type));
      break;
    case Spec::DirectIo:
      if (!access_.ObtainPermission()) return Unreachable(directRefused);
      problem = CoreTexts::Translated(access_.ChooseReal(WriterAccess::DirectIo, type));
      break;
    case Spec::Auto: {
      const int mode = settings_.portAccess;
      const bool permitted = (mode == WriterAccess::DirectIo || settings_.startGiveIO) && access_.ObtainPermission();
      if (mode == WriterAccess::DirectIo && !permitted) return Unreachable(directRefused);
      problem = CoreTexts::Translated(access_.ChooseReal(mode, type));
      if (access_.IsSimulated()) {
        return Unreachable(problem + '\n' +
                           tr("Name the writer with --writer, or use --writer sim to try the commands on the "
                              "simulated writer."));
      }
      break;
    }
  }
  if (spec_.kind != Spec::Simulated && access_.IsSimulated()) return Unreachable(problem);
  // A kernel device that could not be used, where direct I/O then could.
  note_ = problem;
  port_.SetIo(access_.Io());
  port_.SetPortType(type);
  return std::nullopt;
}

std::optional<CliOutcome> CliWriter::Insert(const CliDevice& device) {
  if (!access_.IsSimulated()) return std::nullopt;
  if (device.serialRom) {
    access_.SelectSerialRom(device.SerialRom());
  } else {
    access_.SelectPic(device.Pic());
  }
  chipName_ = device.Name();
  if (!simFile_) return std::nullopt;
  const QString unusable = simFile_->Restore(chipName_, *access_.Simulator().Target());
  if (unusable.isEmpty()) return std::nullopt;
  chipName_.clear();  // the file stays as it is
  return CliOutcome::Of(CliOutcome::FileError, unusable);
}

std::optional<CliOutcome> CliWriter::Close() {
  if (!simFile_ || chipName_.isEmpty()) return std::nullopt;
  simFile_->Keep(chipName_, *access_.Simulator().Target());
  const QString failed = simFile_->Save();
  if (failed.isEmpty()) return std::nullopt;
  return CliOutcome::Of(CliOutcome::FileError, failed);
}

}  // namespace tarvel

#include "cli/CliWriter.h"

#include <QFile>

#include "language/CoreTexts.h"
#include "platform/SystemClock.h"
#include "platform/VirtualClock.h"

namespace tarvel {
namespace {

std::unique_ptr<Clock> ClockFor(const CliWriter::Choice& choice, bool realTime) {
  if (choice.kind == CliWriter::Choice::Simulated && !realTime) return std::make_unique<VirtualClock>();
  return std::make_unique<SystemClock>();
}

std::optional<int> PortTypeOf(const QString& text) {
  bool number = false;
  const int type = text.toInt(&number);
  if (!number || type < 0 || type >= kParallelPortTypeCount) return std::nullopt;
  return type;
}

}  // namespace

std::optional<CliWriter::Choice> CliWriter::ParseChoice(const QString& text) {
  Choice choice;
  const QString kind = text.section(':', 0, 0).toLower();
  const bool hasValue = text.contains(':');
  const QString value = text.section(':', 1);
  if (kind.isEmpty() || (kind == "auto" && !hasValue)) return choice;
  if (kind == "sim") {
    if (hasValue && value.isEmpty()) return std::nullopt;
    choice.kind = Choice::Simulated;
    choice.path = value;
    return choice;
  }
  if (kind == "ppdev" && !value.isEmpty()) {
    choice.kind = Choice::KernelDevicePath;
    choice.path = value;
    return choice;
  }
  const std::optional<int> type = PortTypeOf(value);
  if (!type) return std::nullopt;
  choice.portType = *type;
  if (kind == "parport") choice.kind = Choice::KernelDevice;
  if (kind == "direct") choice.kind = Choice::DirectIo;
  return choice.kind == Choice::Auto ? std::nullopt : std::optional<Choice>(choice);
}

CliOutcome CliWriter::BadChoice(const QString& text) {
  return CliOutcome::Of(CliOutcome::UsageError,
                        tr("Unknown writer '%1': use auto, ppdev:/dev/parportN, parport:TYPE, direct:TYPE (TYPE 0-4), "
                           "sim or sim:FILE.")
                            .arg(text));
}

// auto is the window's way to its writer, simulated included.
CliWriter::Choice CliWriter::Resolved(Choice choice, const WindowSettings& settings) {
  if (choice.kind == Choice::Auto && settings.portAccess == WriterAccess::Simulated) choice.kind = Choice::Simulated;
  if (choice.portType < 0) choice.portType = settings.portType;
  return choice;
}

CliWriter::CliWriter(const Choice& choice, const WindowSettings& settings, bool realTime, UserMessages& messages)
    : choice_(Resolved(choice, settings)),
      settings_(settings),
      clock_(ClockFor(choice_, realTime)),
      access_(*clock_, WriterAccess::RealBackends()),
      port_(access_.Io(), messages) {}

std::optional<CliOutcome> CliWriter::Unreachable(const QString& reason) const {
  return CliOutcome::Of(CliOutcome::WriterUnreachable, reason);
}

std::optional<CliOutcome> CliWriter::Open() {
  const auto type = static_cast<PPortType>(choice_.portType);
  const QString directRefused =
      tr("Direct port I/O was refused: it needs root or the CAP_SYS_RAWIO capability on an x86 computer. Use "
         "the kernel's device instead (ppdev:/dev/parportN), which needs only membership in group lp.");
  QString problem;
  switch (choice_.kind) {
    case Choice::Simulated:
      access_.Choose(WriterAccess::Simulated, type);
      if (!choice_.path.isEmpty()) {
        simFile_.emplace(choice_.path);
        if (const QString unusable = simFile_->Load(); !unusable.isEmpty()) {
          return CliOutcome::Of(CliOutcome::FileError, unusable);
        }
      }
      break;
    case Choice::KernelDevicePath:
      problem = CoreTexts::Translated(access_.ChooseDevice(QFile::encodeName(choice_.path).toStdString(), type));
      break;
    case Choice::KernelDevice:
      problem = CoreTexts::Translated(access_.ChooseReal(WriterAccess::KernelDevice, type));
      break;
    case Choice::DirectIo:
      if (!access_.ObtainPermission()) return Unreachable(directRefused);
      problem = CoreTexts::Translated(access_.ChooseReal(WriterAccess::DirectIo, type));
      break;
    case Choice::Auto: {
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
  if (choice_.kind != Choice::Simulated && access_.IsSimulated()) return Unreachable(problem);
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

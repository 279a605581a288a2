#include "cli/CliProgram.h"

#include <unistd.h>

#include <cstdio>
#include <memory>

#include "cli/CliChipCommands.h"
#include "cli/CliWriter.h"

namespace tarvel {

int CliProgram::Run(const QStringList& arguments) {
  CliCommandLine line;
  const CliCommandLine::Parsed parsed = line.Parse(arguments);
  const CliRequest& request = line.Request();
  if (parsed == CliCommandLine::Parsed::Help) {
    std::fputs(line.HelpText().toUtf8().constData(), stdout);
    return 0;
  }
  if (parsed == CliCommandLine::Parsed::Version) {
    std::printf("tarvel-cli %s\n", TARVEL_VERSION);
    return 0;
  }
  const CliReport report(request.json, request.quiet);
  if (parsed == CliCommandLine::Parsed::Mistake) {
    return report.Tell(request.command, QString(), CliOutcome::Of(CliOutcome::UsageError, line.Mistake()));
  }
  if (request.command == "devices") return report.Tell(request.command, QString(), CliDevices::List());

  const WindowSettings settings = WindowSettings::Read();
  std::optional<CliDevice> device = settings.device;
  if (!request.device.isEmpty()) device = CliDevices::Find(request.device);
  if (!device) {
    const CliOutcome unknown =
        request.device.isEmpty()
            ? CliOutcome::Of(CliOutcome::UsageError,
                             tr("No device given, and the window has none selected: name one with --device."))
            : CliDevices::Unknown(request.device);
    return report.Tell(request.command, QString(), unknown);
  }
  progress_.SetShown(!request.quiet && ::isatty(STDERR_FILENO) == 1);
  const CliOutcome outcome = RunCommand(request, *device, settings);
  progress_.Finish();
  return report.Tell(request.command, device->Name(), outcome);
}

CliOutcome CliProgram::RunCommand(const CliRequest& request, const CliDevice& device,
                                  const WindowSettings& settings) {
  std::unique_ptr<CliChipCommands> commands;
  if (device.serialRom) {
    commands = std::make_unique<SerialRomCliCommands>(request, device.SerialRom());
  } else {
    std::optional<int32_t> waitTime = request.waitTime;
    if (!waitTime && settings.waitTime > 0) waitTime = settings.waitTime;
    commands = std::make_unique<PicCliCommands>(request, device.Pic(), waitTime);
  }
  if (auto stopped = commands->Prepare()) return *stopped;
  if (request.command == "info") return commands->Info();

  const std::optional<CliWriter::Choice> choice = CliWriter::ParseChoice(request.writer);
  if (!choice) return CliWriter::BadChoice(request.writer);
  CollectedMessages messages;
  CliWriter writer(*choice, settings, request.realTime, messages);
  if (auto unreachable = writer.Open()) return *unreachable;
  if (auto unusable = writer.Insert(device)) return *unusable;
  CliOutcome outcome = commands->Run({writer.Port(), writer.Time(), messages, progress_});
  if (!writer.Note().isEmpty()) outcome.notes.prepend(writer.Note());
  if (auto unsaved = writer.Close()) {
    // The chip's outcome stands; a simulated chip that was not kept is news.
    if (outcome.status == CliOutcome::Ok) return *unsaved;
    outcome.notes << unsaved->message;
  }
  return outcome;
}

}  // namespace tarvel

#include "cli/CliCommandLine.h"

#include "platform/WaitTimeMeasurement.h"

namespace tarvel {
namespace {

enum CommandOption : unsigned {
  kMemory = 1,
  kFormat = 2,
  kConfig = 4,
  kId = 8,
  kNoVerify = 16,
  kData = 32,
};

struct CommandRule {
  const char* name;
  int leastArguments;
  int mostArguments;
  const char* argumentName;  // the one argument a command may take
  unsigned options;
};

constexpr CommandRule kCommands[] = {
    {"devices", 0, 0, "", 0},
    {"info", 1, 1, "FILE", kFormat},
    {"write", 1, 1, "FILE", kMemory | kFormat | kConfig | kId | kNoVerify},
    {"read", 1, 1, "FILE", kMemory | kFormat},
    {"verify", 1, 1, "FILE", kMemory | kFormat},
    {"erase", 0, 0, "", 0},
    {"blank-check", 0, 0, "", 0},
    {"config", 0, 1, "WORD", 0},
    {"id", 0, 1, "TEXT", 0},
    {"protect", 1, 1, "LEVEL", kData},
};

const CommandRule* RuleOf(const QString& command) {
  for (const CommandRule& rule : kCommands) {
    if (command == QLatin1String(rule.name)) return &rule;
  }
  return nullptr;
}

}  // namespace

CliCommandLine::CliCommandLine()
    : device_({"d", "device"}, tr("The device: PIC16F84, pic16f877, 24xx256, ... (any case; 'devices' lists them). "
                                  "Default: the device selected in the window."),
              "NAME"),
      writer_({"w", "writer"},
              tr("The writer: auto (default: as the window reaches it), ppdev:/dev/parportN, parport:TYPE (the port "
                 "types 0-4 of the write setup: 378H, 3BCH, 278H, 40H, 140H), direct:TYPE, sim (a blank simulated "
                 "chip) or sim:FILE (simulated chips kept in FILE between runs)."),
              "PORT"),
      wait_("wait", tr("The programming wait setting, 1-30000. Default: the window's, else measured."), "N"),
      json_("json", tr("Print one JSON object per command on stdout instead of text.")),
      quiet_({"q", "quiet"}, tr("No progress and no success messages, only errors and what was asked for.")),
      realTime_("real-time", tr("Run the simulated writer on the real clock, at the chips' own pace. Without it the "
                                "simulated writer runs on virtual time: a whole-chip write returns as soon as the "
                                "work is done, with the chip's timing still checked.")),
      help_({"h", "help"}, tr("Display this help.")),
      version_("version", tr("Display the program's name and version.")),
      memory_("memory", tr("write, read, verify: the part of the chip, program, data, config, id or all (default: all "
                           "that the file and the device hold)."),
              "M"),
      format_("format", tr("The file format: hex (INHX8M), inhx32 or bin. Default: bin for a name ending in .bin, "
                           "else hex."),
              "FORMAT"),
      config_("config", tr("write: this configuration word (hexadecimal) instead of the file's."), "WORD"),
      id_("id", tr("write: this ID text (up to 7 characters) instead of the file's."), "TEXT"),
      noVerify_("no-verify", tr("write: leave out the pass that reads every cell again after writing.")),
      data_("data", tr("protect: protect the data EEPROM too.")) {
  parser_.setApplicationDescription(
      tr("Programs, reads and verifies PIC microcontrollers and 24xx serial EEPROMs\n"
         "through a writer on the parallel port."));
  for (const QCommandLineOption* option : {&device_, &writer_, &wait_, &json_, &quiet_, &realTime_, &help_, &version_,
                                           &memory_, &format_, &config_, &id_, &noVerify_, &data_}) {
    parser_.addOption(*option);
  }
  parser_.addPositionalArgument("command", tr("The command (see below) and its arguments."), "COMMAND [ARGS]");
}

QString CliCommandLine::HelpText() const {
  // The parser's usage line names the program by the path it was started with.
  QString options = parser_.helpText();
  options = tr("Usage: tarvel-cli [GLOBAL OPTIONS] COMMAND [ARGS]") + options.mid(options.indexOf('\n'));
  return options + '\n' +
         tr("Commands:\n"
            "  devices                 List every device: name, family, program words,\n"
            "                          data bytes.\n"
            "  info FILE               What a HEX or binary file holds for the device.\n"
            "  write FILE              Write the file to the chip and verify it (--memory,\n"
            "                          --config, --id, --no-verify).\n"
            "  read FILE               Read the chip into the file (--memory, --format).\n"
            "  verify FILE             Compare the chip with the file (--memory).\n"
            "  erase                   Erase the chip (flash PICs and serial EEPROMs).\n"
            "  blank-check             Check that the chip is erased.\n"
            "  config [WORD]           Print the configuration word, or write WORD.\n"
            "  id [TEXT]               Print the ID text, or write TEXT.\n"
            "  protect LEVEL [--data]  Apply code protection: LEVEL 0 protects all of\n"
            "                          program memory; the other levels a device offers are\n"
            "                          named when it is given a wrong one.\n"
            "\n"
            "A HEX file stands for the whole chip as assemblers write it; a binary file\n"
            "holds one memory: program words (two bytes each, low byte first), or data\n"
            "bytes with --memory data.\n"
            "\n"
            "Exit status: 0 success, 1 the chip operation failed or the chip differs,\n"
            "2 usage error, 3 the writer cannot be reached, 4 a file cannot be read, parsed\n"
            "or written, 5 the command is not possible for this device, 130 interrupted\n"
            "(Ctrl+C stops at the next cell or page).\n");
}

bool CliCommandLine::Fail(const QString& mistake) {
  mistake_ = mistake;
  return false;
}

CliCommandLine::Parsed CliCommandLine::Parse(const QStringList& arguments) {
  request_ = CliRequest();
  mistake_.clear();
  // --json is known even when the line has a mistake, so that the mistake is
  // told in the form asked for.
  request_.json = arguments.contains("--json");
  if (!parser_.parse(arguments)) {
    mistake_ = parser_.errorText();
    return Parsed::Mistake;
  }
  if (parser_.isSet(help_)) return Parsed::Help;
  if (parser_.isSet(version_)) return Parsed::Version;
  return ReadCommand() && ReadValues() ? Parsed::Run : Parsed::Mistake;
}

bool CliCommandLine::ReadCommand() {
  QStringList positional = parser_.positionalArguments();
  if (positional.isEmpty()) return Fail(tr("No command given."));
  request_.command = positional.takeFirst();
  const CommandRule* rule = RuleOf(request_.command);
  if (rule == nullptr) return Fail(tr("Unknown command '%1'.").arg(request_.command));
  if (positional.size() < rule->leastArguments) {
    return Fail(tr("%1 needs %2.").arg(request_.command, QLatin1String(rule->argumentName)));
  }
  if (positional.size() > rule->mostArguments) {
    return Fail(tr("Too many arguments for %1: '%2'.").arg(request_.command, positional.join("' '")));
  }
  request_.arguments = positional;
  const std::pair<const QCommandLineOption*, unsigned> commandOptions[] = {
      {&memory_, kMemory}, {&format_, kFormat}, {&config_, kConfig}, {&id_, kId}, {&noVerify_, kNoVerify},
      {&data_, kData}};
  for (const auto& [option, bit] : commandOptions) {
    if (parser_.isSet(*option) && (rule->options & bit) == 0) {
      return Fail(tr("--%1 is not an option of %2.").arg(option->names().constLast(), request_.command));
    }
  }
  return true;
}

bool CliCommandLine::ReadValues() {
  request_.device = parser_.value(device_);
  request_.writer = parser_.value(writer_);
  request_.quiet = parser_.isSet(quiet_);
  request_.realTime = parser_.isSet(realTime_);
  request_.noVerify = parser_.isSet(noVerify_);
  request_.protectData = parser_.isSet(data_);
  if (parser_.isSet(config_)) request_.config = parser_.value(config_);
  if (parser_.isSet(id_)) request_.id = parser_.value(id_);
  if (parser_.isSet(wait_)) {
    bool number = false;
    const int wait = parser_.value(wait_).toInt(&number);
    if (!number || wait < WaitTimeMeasurement::kMinWaitTime || wait > WaitTimeMeasurement::kMaxWaitTime) {
      return Fail(tr("--wait takes a number from %1 to %2, not '%3'.")
                      .arg(WaitTimeMeasurement::kMinWaitTime)
                      .arg(WaitTimeMeasurement::kMaxWaitTime)
                      .arg(parser_.value(wait_)));
    }
    request_.waitTime = wait;
  }
  if (parser_.isSet(memory_)) {
    const QString memory = parser_.value(memory_).toLower();
    const QStringList names{"all", "program", "data", "config", "id"};
    if (!names.contains(memory)) {
      return Fail(tr("--memory takes program, data, config, id or all, not '%1'.").arg(parser_.value(memory_)));
    }
    request_.memory = static_cast<CliMemory>(names.indexOf(memory));
  }
  if (parser_.isSet(format_)) {
    const QString format = parser_.value(format_).toLower();
    const QStringList names{"hex", "inhx32", "bin"};
    if (!names.contains(format)) {
      return Fail(tr("--format takes hex, inhx32 or bin, not '%1'.").arg(parser_.value(format_)));
    }
    request_.format = static_cast<CliFormat>(names.indexOf(format) + 1);
  }
  return true;
}

}  // namespace tarvel

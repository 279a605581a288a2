#include "ui/main/CommandLine.h"

#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>

#include "ui/main/SettingsStore.h"

namespace tarvel {

CommandLine::CommandLine()
    : help_({"h", "help"}, "Displays this help."),
      version_({"v", "version"}, "Displays the program's name and version."),
      data_("data", "Open FILE as the data image (PIC data EEPROM or serial EEPROM), as binary when its name ends "
                    "in .bin and as Intel HEX otherwise.",
            "FILE") {
  parser_.setApplicationDescription(
      "Programs PIC microcontrollers and 24xx serial EEPROMs through a writer on the parallel port.");
  // Qt's --help-all would need the window's application object, and with
  // it a display, to list Qt's own options; the manual page names them.
  parser_.addOption(help_);
  parser_.addOption(version_);
  parser_.addOption(data_);
  parser_.addPositionalArgument(
      "file", "Open this file as the program image: binary when its name ends in .bin, Intel HEX otherwise.",
      "[file]");
}

void CommandLine::AnswerTextRequests(int& argc, char** argv) {
  CommandLine line;
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  // Qt's own options are not known here; mistakes are told once the window's
  // application object has taken those out.
  line.parser_.parse(arguments);
  const bool version = line.parser_.isSet(line.version_);
  if (!version && !line.parser_.isSet(line.help_)) return;
  QCoreApplication::setApplicationName(SettingsStore::kApplication);
  QCoreApplication::setApplicationVersion(TARVEL_VERSION);
  QCoreApplication application(argc, argv);  // names the program in the usage line
  if (version) line.parser_.showVersion();
  line.parser_.showHelp();
}

bool CommandLine::Parse(const QStringList& arguments) {
  error_.clear();
  if (!parser_.parse(arguments)) {
    error_ = parser_.errorText();
    return false;
  }
  const QStringList files = parser_.positionalArguments();
  if (files.size() > 1) {
    error_ = QString("Only one program file can be opened; %1 were given. Use --data FILE for the data image.")
                 .arg(files.size());
    return false;
  }
  programFile_ = files.value(0);
  dataFile_ = parser_.value(data_);
  return true;
}

int CommandLine::TellMistake() const {
  std::fprintf(stderr, "%s: %s\nTry '%s --help' for more information.\n", SettingsStore::kApplication,
               qPrintable(error_), SettingsStore::kApplication);
  return EXIT_FAILURE;
}

}  // namespace tarvel

#include "ui/main/CommandLine.h"

#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>

#include "language/UiLanguage.h"
#include "settings/SettingsStore.h"

namespace tarvel {

CommandLine::CommandLine()
    : help_({"h", "help"}, tr("Displays this help.")),
      version_({"v", "version"}, tr("Displays the program's name and version.")),
      data_("data",
            tr("Open FILE as the data image (PIC data EEPROM or serial EEPROM), as binary when its name ends in .bin "
               "and as Intel HEX otherwise."),
            "FILE") {
  parser_.setApplicationDescription(
      tr("Programs PIC microcontrollers and 24xx serial EEPROMs through a writer on the parallel port."));
  // Qt's --help-all would need the window's application object, and with
  // it a display, to list Qt's own options; the manual page names them.
  parser_.addOption(help_);
  parser_.addOption(version_);
  parser_.addOption(data_);
  parser_.addPositionalArgument(
      "file", tr("Open this file as the program image: binary when its name ends in .bin, Intel HEX otherwise."),
      "[file]");
}

void CommandLine::AnswerTextRequests(int& argc, char** argv) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  bool version = false;
  {
    CommandLine asked;
    // Qt's own options are not known here; mistakes are told once the
    // window's application object has taken those out.
    asked.parser_.parse(arguments);
    version = asked.parser_.isSet(asked.version_);
    if (!version && !asked.parser_.isSet(asked.help_)) return;
  }
  QCoreApplication::setApplicationName(SettingsStore::kApplication);
  QCoreApplication::setApplicationVersion(TARVEL_VERSION);
  QCoreApplication application(argc, argv);  // names the program in the usage line
  // The help speaks the language the window was left in.
  SettingsStore store;
  ApplyUiLanguage(store.Language());
  CommandLine line;
  line.parser_.parse(arguments);
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
    error_ = tr("Only one program file can be opened; %1 were given. Use --data FILE for the data image.")
                 .arg(files.size());
    return false;
  }
  programFile_ = files.value(0);
  dataFile_ = parser_.value(data_);
  return true;
}

int CommandLine::TellMistake() const {
  const QString tryHelp = tr("Try '%1 --help' for more information.").arg(SettingsStore::kApplication);
  std::fprintf(stderr, "%s: %s\n%s\n", SettingsStore::kApplication, error_.toLocal8Bit().constData(),
               tryHelp.toLocal8Bit().constData());
  return EXIT_FAILURE;
}

}  // namespace tarvel

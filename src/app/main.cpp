#include <QDir>
#include <QIcon>
#include <cstdio>
#include <exception>

#include "language/UiLanguage.h"
#include "platform/SystemClock.h"
#include "settings/SettingsStore.h"
#include "ui/main/CommandLine.h"
#include "ui/main/GuardedApplication.h"
#include "ui/main/PWMainForm.h"
#include "ui/main/QtWindowMessages.h"
#include "ui/main/StopSignals.h"

namespace {

// The program's icon in every size built into the program.
QIcon ProgramIcon() {
  QIcon icon;
  for (const QFileInfo& file : QDir(":/icons").entryInfoList(QDir::Files)) icon.addFile(file.filePath());
  return icon;
}

}  // namespace

int main(int argc, char** argv) {
  tarvel::CommandLine::AnswerTextRequests(argc, argv);
  tarvel::GuardedApplication application(argc, argv);
  tarvel::GuardedApplication::setOrganizationName(tarvel::SettingsStore::kOrganisation);
  tarvel::GuardedApplication::setApplicationName(tarvel::SettingsStore::kApplication);
  tarvel::GuardedApplication::setDesktopFileName(TARVEL_APP_ID);
  tarvel::GuardedApplication::setWindowIcon(ProgramIcon());
  {
    // Mistakes on the command line are told in the window's language.
    tarvel::SettingsStore store;
    tarvel::ApplyUiLanguage(store.Language());
  }
  tarvel::CommandLine commandLine;
  if (!commandLine.Parse(tarvel::GuardedApplication::arguments())) return commandLine.TellMistake();

  tarvel::SystemClock clock;
  tarvel::QtWindowMessages messages;
  application.SetMessages(&messages);
  try {
    tarvel::TPWMainForm window(messages, clock);
    messages.SetParent(&window);
    window.show();
    window.OpenStartFiles(commandLine.ProgramFile(), commandLine.DataFile());
    tarvel::StopSignals stopSignals([&window] { window.RequestClose(); });
    return application.exec();
  } catch (const std::exception& error) {
    messages.SetParent(nullptr);  // the window is gone by now
    messages.Box(QString::fromUtf8(error.what()), QString(), tarvel::MessageIcon::Error,
                 tarvel::WindowMessages::Buttons::Ok);
    return 1;
  }
}

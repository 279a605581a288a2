#include <QCoreApplication>

#include "cli/CliProgram.h"
#include "cli/CliProgress.h"
#include "language/UiLanguage.h"

int main(int argc, char** argv) {
  // Before anything else: from now on Ctrl+C stops at a boundary and never
  // ends the program while it drives the writer.
  tarvel::CliProgress progress;
  tarvel::CatchStopSignals(progress);
  QCoreApplication application(argc, argv);
  QCoreApplication::setApplicationName("tarvel-cli");
  QCoreApplication::setApplicationVersion(TARVEL_VERSION);
  // The help, the mistakes and every result speak the user's language.
  tarvel::ApplyUiLanguage(tarvel::EnvironmentLanguage());
  return tarvel::CliProgram(progress).Run(QCoreApplication::arguments());
}

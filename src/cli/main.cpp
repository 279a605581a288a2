#include <QCoreApplication>

#include "cli/CliProgram.h"
#include "cli/CliProgress.h"

int main(int argc, char** argv) {
  // Before anything else: from now on Ctrl+C stops at a boundary and never
  // ends the program while it drives the writer.
  tarvel::CliProgress progress;
  tarvel::CatchStopSignals(progress);
  QCoreApplication application(argc, argv);
  QCoreApplication::setApplicationName("tarvel-cli");
  QCoreApplication::setApplicationVersion(TARVEL_VERSION);
  return tarvel::CliProgram(progress).Run(QCoreApplication::arguments());
}

#pragma once

#include <QCoreApplication>
#include <QStringList>

#include "cli/CliCommandLine.h"
#include "cli/CliDevices.h"
#include "cli/CliOutcome.h"
#include "cli/CliProgress.h"
#include "cli/WindowSettings.h"

namespace tarvel {

// One run of tarvel-cli: reads the command line and the window's settings,
// reaches the writer, runs the command and tells its outcome.
class CliProgram {
  Q_DECLARE_TR_FUNCTIONS(CliProgram)

 public:
  // `progress` already takes the stops that Ctrl+C asks for.
  explicit CliProgram(CliProgress& progress) : progress_(progress) {}

  // The exit status.
  int Run(const QStringList& arguments);

 private:
  CliOutcome RunCommand(const CliRequest& request, const CliDevice& device, const WindowSettings& settings);

  CliProgress& progress_;
};

}  // namespace tarvel

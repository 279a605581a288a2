#pragma once

#include <QCoreApplication>
#include <QString>
#include <chrono>

#include "platform/OperationProgress.h"

namespace tarvel {

// The engines' progress on the terminal: one line on stderr with what is
// done, a bar, the address reached and the percent, redrawn a few times a
// second. Only shown when asked for (stderr a terminal, no --quiet); the
// stop that Ctrl+C asks for goes through it either way.
class CliProgress : public OperationProgress {
  Q_DECLARE_TR_FUNCTIONS(CliProgress)

 public:
  void SetShown(bool shown) { shown_ = shown; }
  // What the following passes work on: "program memory".
  void SetSubject(const QString& subject) { subject_ = subject; }
  // Clears the line once an operation has ended.
  void Finish();

 protected:
  void Reported() override;

 private:
  static constexpr std::chrono::milliseconds kRedraw{100};

  bool shown_ = false;
  bool drawn_ = false;
  QString subject_;
  OperationStage drawnStage_ = OperationStage::Idle;
  std::chrono::steady_clock::time_point drawnAt_;
};

// Ctrl+C (SIGINT), SIGTERM and SIGHUP ask `progress` to stop at the next cell
// or page boundary, for the rest of the run; the engines then leave the chip
// safe. Installed first thing, so that no such signal ends the program
// while it drives the writer.
void CatchStopSignals(OperationProgress& progress);

}  // namespace tarvel

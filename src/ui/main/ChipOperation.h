#pragma once

#include <QCoreApplication>
#include <QObject>
#include <QString>
#include <functional>

#include "platform/OperationProgress.h"

class QProgressDialog;
class QThread;
class QWidget;

namespace tarvel {

class EngineMessages;

// Runs the window's chip operations one at a time on a worker thread, so
// that the window repaints, moves and answers while the writer works. The
// worker alone drives the engines, the port and the simulated writer until
// the operation ends; every port write and every wait inside a cell keeps
// its timing, because nothing of the window runs on that thread. Meanwhile
// the window holds its commands, and a progress dialog names what is done
// and how far it has come, with a Cancel that asks the engine to stop at
// its next cell or page boundary.
class ChipOperation : public QObject {
  Q_DECLARE_TR_FUNCTIONS(ChipOperation)

 public:
  // `hold` is called with true before an operation starts and with false
  // once it has ended. The progress dialog's parent is `window`.
  ChipOperation(QWidget& window, EngineMessages& engineMessages, std::function<void(bool hold)> hold);
  // Waits for a worker that is still running: the engines outlive it.
  ~ChipOperation() override;

  // The progress the engines report to.
  OperationProgress& Progress() { return progress_; }

  // Runs `work` on the worker and returns once it has ended; then the
  // engines' messages of the operation are shown. The dialog comes up once
  // the operation has lasted a moment and says "Writing program memory" for
  // the subject "program memory" (translated by the caller) and the stage
  // the engine reports. False,
  // without running anything, once the window is closing. An exception out
  // of `work` is thrown again here.
  bool Run(const QString& subject, const std::function<void()>& work);

  bool Running() const { return running_; }
  // Asks the running operation to stop at its next boundary, and no
  // operation starts any more.
  void Shutdown();

  // How long an operation runs before its dialog shows.
  static constexpr int kDialogDelayMs = 250;
  static constexpr int kRefreshMs = 50;
  static constexpr const char* kDialogName = "ChipOperationProgress";

 private:
  void Refresh(QProgressDialog& dialog, const QString& subject);

  QWidget& window_;
  EngineMessages& engineMessages_;
  std::function<void(bool)> hold_;
  OperationProgress progress_;
  bool running_ = false;
  bool shutDown_ = false;
  QThread* worker_ = nullptr;  // while an operation runs
};

// The title of a read that was cancelled: `head` ("Read program ", already
// translated) and the address where it stopped.
QString PartialReadTitle(const QString& head, uint32_t stoppedAt);

}  // namespace tarvel

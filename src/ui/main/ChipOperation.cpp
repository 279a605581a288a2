#include "ui/main/ChipOperation.h"

#include <QApplication>
#include <QEventLoop>
#include <QProgressDialog>
#include <QThread>
#include <QTimer>
#include <exception>
#include <memory>

#include "ui/components/HexCellText.h"
#include "ui/main/EngineMessages.h"
#include "ui/main/WindowMessages.h"

namespace tarvel {
namespace {

QString Verb(OperationStage stage) {
  switch (stage) {
    case OperationStage::Idle: return ChipOperation::tr("Preparing");
    case OperationStage::Writing: return ChipOperation::tr("Writing");
    case OperationStage::Verifying: return ChipOperation::tr("Verifying");
    case OperationStage::Reading: return ChipOperation::tr("Reading");
    case OperationStage::Comparing: return ChipOperation::tr("Comparing");
    case OperationStage::Erasing: return ChipOperation::tr("Erasing");
    case OperationStage::BlankChecking: return ChipOperation::tr("Checking");
  }
  return QString();
}

// A day: longer than any operation, short enough for the toolkit's timers.
constexpr int kNeverMs = 24 * 60 * 60 * 1000;

}  // namespace

QString PartialReadTitle(const QString& head, uint32_t stoppedAt) {
  return ChipOperation::tr("%1(partial: cancelled at %2H)").arg(head, HexCellText::Hex(stoppedAt, 4));
}

ChipOperation::ChipOperation(QWidget& window, EngineMessages& engineMessages, std::function<void(bool)> hold)
    : window_(window), engineMessages_(engineMessages), hold_(std::move(hold)) {}

ChipOperation::~ChipOperation() {
  if (worker_ != nullptr) worker_->wait();
}

void ChipOperation::Shutdown() {
  shutDown_ = true;
  if (running_) progress_.RequestStop();
}

bool ChipOperation::Run(const QString& subject, const std::function<void()>& work) {
  if (shutDown_ || running_) return false;
  progress_.Reset();
  running_ = true;
  hold_(true);

  std::exception_ptr failure;
  std::unique_ptr<QThread> worker(QThread::create([&work, &failure] {
    try {
      work();
    } catch (...) {
      failure = std::current_exception();
    }
  }));
  worker_ = worker.get();

  QProgressDialog dialog(&window_);
  dialog.setObjectName(kDialogName);
  dialog.setWindowTitle(WindowMessages::ApplicationTitle());
  dialog.setAutoClose(false);
  dialog.setAutoReset(false);
  // The dialog shows when this class says so, not by the toolkit's estimate.
  dialog.setMinimumDuration(kNeverMs);
  // Cancel asks the engine to stop; the dialog stays until it has.
  disconnect(&dialog, &QProgressDialog::canceled, &dialog, &QProgressDialog::cancel);
  connect(&dialog, &QProgressDialog::canceled, this, [this, &dialog] {
    progress_.RequestStop();
    dialog.setLabelText(tr("Cancelling at the next address..."));
  });
  Refresh(dialog, subject);
  QTimer refresh;
  connect(&refresh, &QTimer::timeout, this, [this, &dialog, &subject] { Refresh(dialog, subject); });
  refresh.start(kRefreshMs);
  QTimer::singleShot(kDialogDelayMs, &dialog, [&dialog] { dialog.show(); });

  QEventLoop loop;
  connect(worker_, &QThread::finished, &loop, &QEventLoop::quit);
  worker_->start();
  loop.exec();
  worker_->wait();
  worker_ = nullptr;
  refresh.stop();
  dialog.hide();

  running_ = false;
  hold_(false);
  // A menu that started the operation can be left the active window after
  // it closed during the operation; the window takes the activation back.
  const QWidget* active = QApplication::activeWindow();
  if (active != nullptr && !active->isVisible()) QApplication::setActiveWindow(&window_);
  engineMessages_.ShowWaiting();
  if (failure) std::rethrow_exception(failure);
  return true;
}

void ChipOperation::Refresh(QProgressDialog& dialog, const QString& subject) {
  if (progress_.StopRequested()) return;
  const uint32_t total = progress_.Total();
  // Both languages fill the stage and the subject in their own order:
  // "Writing program memory", "プログラムメモリー: 書き込み中".
  QString label = tr("%1 %2", "a stage (Writing) and what it works on (program memory)")
                      .arg(Verb(progress_.Stage()), subject);
  if (total > 0) label += "\n" + tr("Address %1H of %2H").arg(HexCellText::Hex(progress_.Done(), 4), HexCellText::Hex(total - 1, 4));
  dialog.setLabelText(label);
  dialog.setRange(0, static_cast<int>(total));
  dialog.setValue(static_cast<int>(progress_.Done()));
}

}  // namespace tarvel

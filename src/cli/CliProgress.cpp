#include "cli/CliProgress.h"

#include <signal.h>

#include <atomic>
#include <cstdio>

#include "cli/CliOutcome.h"
#include "platform/FileSizeSignal.h"

namespace tarvel {
namespace {

std::atomic<OperationProgress*> stopTarget{nullptr};

// A lock-free atomic store is all a signal handler may do here.
void OnStopSignal(int) {
  if (OperationProgress* progress = stopTarget.load()) progress->RequestStop();
}

QString Doing(OperationStage stage, const QString& subject) {
  switch (stage) {
    case OperationStage::Idle: return CliProgress::tr("Preparing %1").arg(subject);
    case OperationStage::Writing: return CliProgress::tr("Writing %1").arg(subject);
    case OperationStage::Verifying: return CliProgress::tr("Verifying %1").arg(subject);
    case OperationStage::Reading: return CliProgress::tr("Reading %1").arg(subject);
    case OperationStage::Comparing: return CliProgress::tr("Comparing %1").arg(subject);
    case OperationStage::Erasing: return CliProgress::tr("Erasing %1").arg(subject);
    case OperationStage::BlankChecking: return CliProgress::tr("Checking %1").arg(subject);
  }
  return subject;
}

}  // namespace

void CatchStopSignals(OperationProgress& progress) {
  // A read saved past the file size limit fails and is told, its temporary
  // file removed, instead of the program ending without a word.
  IgnoreFileSizeSignal();
  stopTarget = &progress;
  for (int signal : {SIGINT, SIGTERM, SIGHUP}) {
    struct sigaction action {};
    ::sigaction(signal, nullptr, &action);
    // A stop the program was started to ignore (nohup) stays ignored.
    if (action.sa_handler == SIG_IGN) continue;
    action.sa_handler = OnStopSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(signal, &action, nullptr);
  }
}

void CliProgress::Reported() {
  if (!shown_) return;
  const auto now = std::chrono::steady_clock::now();
  const uint32_t done = Done();
  const uint32_t total = Total();
  if (drawn_ && Stage() == drawnStage_ && done < total && now - drawnAt_ < kRedraw) return;
  drawn_ = true;
  drawnStage_ = Stage();
  drawnAt_ = now;
  constexpr int kBarWidth = 30;
  const int filled = total > 0 ? static_cast<int>(uint64_t{done} * kBarWidth / total) : 0;
  const int percent = total > 0 ? static_cast<int>(uint64_t{done} * 100 / total) : 0;
  const QString bar = QString(filled, '#') + QString(kBarWidth - filled, '.');
  const QString line = tr("%1 [%2] %3H of %4H %5%")
                           .arg(Doing(Stage(), subject_), bar, CliHex(done), CliHex(total > 0 ? total - 1 : 0))
                           .arg(percent, 3);
  std::fprintf(stderr, "\r%s\x1b[K", line.toUtf8().constData());
  std::fflush(stderr);
}

void CliProgress::Finish() {
  if (!drawn_) return;
  std::fputs("\r\x1b[K", stderr);
  std::fflush(stderr);
  drawn_ = false;
}

}  // namespace tarvel

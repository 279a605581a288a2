#include "ui/main/StopSignals.h"

#include <fcntl.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <cerrno>

#include "platform/FileSizeSignal.h"

namespace tarvel {
namespace {

// Where the handler writes; a handler may do little more than that.
volatile sig_atomic_t wakeFd = -1;

void OnStopSignal(int signal) {
  const int savedErrno = errno;
  const char byte = static_cast<char>(signal);
  [[maybe_unused]] const ssize_t written = ::write(wakeFd, &byte, 1);
  errno = savedErrno;
}

}  // namespace

StopSignals::StopSignals(std::function<void()> stop, QObject* parent) : QObject(parent), stop_(std::move(stop)) {
  // Without the pipe the signals keep their usual effect.
  if (::pipe2(pipe_, O_CLOEXEC | O_NONBLOCK) != 0) return;
  wakeFd = pipe_[1];
  notifier_ = new QSocketNotifier(pipe_[0], QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, &StopSignals::Received);
  for (int k = 0; k < kSignalCount; ++k) {
    ::sigaction(kSignals[k], nullptr, &previous_[k]);
    // A stop the program was started to ignore (nohup, a background job)
    // stays ignored.
    if (previous_[k].sa_handler == SIG_IGN) continue;
    if (kSignals[k] == SIGXFSZ) {
      IgnoreFileSizeSignal();
      continue;
    }
    struct sigaction action {};
    action.sa_handler = OnStopSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(kSignals[k], &action, nullptr);
  }
}

StopSignals::~StopSignals() {
  if (notifier_ == nullptr) return;
  for (int k = 0; k < kSignalCount; ++k) ::sigaction(kSignals[k], &previous_[k], nullptr);
  wakeFd = -1;
  ::close(pipe_[0]);
  ::close(pipe_[1]);
}

void StopSignals::Received() {
  char bytes[16];
  while (::read(pipe_[0], bytes, sizeof bytes) > 0) {
  }
  if (stop_) stop_();
}

}  // namespace tarvel

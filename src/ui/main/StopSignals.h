#pragma once

#include <QObject>
#include <signal.h>
#include <functional>

class QSocketNotifier;

namespace tarvel {

// Stops that come from outside the program: SIGINT (Ctrl+C in the terminal
// that started it), SIGTERM and SIGHUP (the end of the session) call `stop`
// from the event loop, never from inside the signal handler, so the program
// ends the way Quit ends it. SIGXFSZ is ignored, so that a save beyond the
// file size limit fails with EFBIG and is told instead of ending the program.
// A signal ignored when the program started (nohup) stays ignored. One
// instance at a time; its end puts the signals' earlier handling back.
class StopSignals : public QObject {
 public:
  explicit StopSignals(std::function<void()> stop, QObject* parent = nullptr);
  ~StopSignals() override;
  StopSignals(const StopSignals&) = delete;
  StopSignals& operator=(const StopSignals&) = delete;

 private:
  static constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGXFSZ};
  static constexpr int kSignalCount = sizeof kSignals / sizeof kSignals[0];

  void Received();

  std::function<void()> stop_;
  int pipe_[2] = {-1, -1};
  QSocketNotifier* notifier_ = nullptr;
  struct sigaction previous_[kSignalCount] = {};
};

}  // namespace tarvel

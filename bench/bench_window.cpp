// How the window answers while a chip operation runs: the real program's
// window (offscreen) on the real clock, writing a whole 24xx256 through the
// simulated writer (page writes, then the verifying read, about 10 s). A
// timer due every 10 ms measures how late the window's event loop handles
// it, and a mouse move over the grid how long it waits to be delivered.
// Prints the worst and the mean of both, and how long the operation lasted.
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMouseEvent>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "platform/SystemClock.h"
#include "sim/Serial24xxChip.h"
#include "ui/components/HexGrid.h"
#include "ui/main/ChipOperation.h"
#include "ui/main/PWMainForm.h"
#include "ui/main/WindowCommand.h"
#include "ui/main/WindowMessages.h"

namespace {

using namespace tarvel;

// Says Yes to every question (No to keeping an image) and remembers the last text.
class YesMessages : public WindowMessages {
 public:
  bool Box(const QString& text, const QString&, MessageIcon, Buttons) override {
    last = text;
    return true;
  }
  Answer YesNoCancel(const QString& text, const QString&, MessageIcon) override {
    last = text;
    return Answer::No;
  }
  bool BoxWithMore(const QString& text, const QString&, MessageIcon, const QString&) override {
    last = text;
    return false;
  }
  QString OpenFileName(const FileDialogRequest&) override { return QString(); }
  QString SaveFileName(const FileDialogRequest&) override { return QString(); }
  int RunModal(QDialog&) override { return QDialog::Rejected; }
  QString last;
};

struct Latency {
  double worstMs = 0;
  double totalMs = 0;
  int samples = 0;
  void Add(double ms) {
    worstMs = std::max(worstMs, ms);
    totalMs += ms;
    ++samples;
  }
  double MeanMs() const { return samples == 0 ? 0 : totalMs / samples; }
};

// Posted events carry when they were posted.
class TimedMove : public QMouseEvent {
 public:
  TimedMove(QWidget& widget, qint64 postedNs)
      : QMouseEvent(QEvent::MouseMove, QPointF(10, 10), widget.mapToGlobal(QPointF(10, 10)), Qt::NoButton,
                    Qt::NoButton, Qt::NoModifier),
        posted(postedNs) {}
  qint64 posted;
};

class MoveWatcher : public QObject {
 public:
  MoveWatcher(QElapsedTimer& clock, Latency& latency) : clock_(clock), latency_(latency) {}
  bool eventFilter(QObject*, QEvent* event) override {
    if (auto* move = dynamic_cast<TimedMove*>(event)) latency_.Add((clock_.nsecsElapsed() - move->posted) / 1e6);
    return false;
  }

 private:
  QElapsedTimer& clock_;
  Latency& latency_;
};

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QTemporaryDir config;
  setenv("XDG_CONFIG_HOME", config.path().toLocal8Bit().constData(), 1);
  QApplication application(argc, argv);
  QApplication::setOrganizationName("Melfort");
  QApplication::setApplicationName("tarvel");
  QDir().mkpath(config.path() + "/Melfort");
  QFile store(config.path() + "/Melfort/tarvel.conf");
  if (!store.open(QIODevice::WriteOnly)) return 1;
  store.write("[General]\nVersion=2.37\n\n[Write]\nPortAccess=3\nCategory=1\nSRomDevice=8\n");
  store.close();

  SystemClock clock;
  YesMessages messages;
  TPWMainForm window(messages, clock);
  window.show();
  QApplication::processEvents();
  THexGrid& grid = *window.Form().DataHexGrid;
  for (int32_t address = 0; address <= grid.MaxAddress(); ++address) grid.WriteData(address, (address * 7) & 0xFF);

  QElapsedTimer elapsed;
  elapsed.start();
  Latency timerLatency;
  Latency inputLatency;
  MoveWatcher watcher(elapsed, inputLatency);
  grid.viewport()->installEventFilter(&watcher);
  constexpr int kPeriodMs = 10;
  qint64 due = 0;
  QTimer tick;
  tick.setTimerType(Qt::PreciseTimer);
  QObject::connect(&tick, &QTimer::timeout, [&] {
    const qint64 now = elapsed.nsecsElapsed();
    if (due != 0 && window.Operation().Running()) timerLatency.Add(std::max<qint64>(0, now - due) / 1e6);
    due = now + kPeriodMs * 1000000LL;
    QCoreApplication::postEvent(grid.viewport(), new TimedMove(*grid.viewport(), now));
  });
  tick.start(kPeriodMs);

  const qint64 start = elapsed.nsecsElapsed();
  window.Command().SRomDataWrite->Run();
  const double seconds = (elapsed.nsecsElapsed() - start) / 1e9;
  tick.stop();

  if (messages.last != QString::fromUtf8("書き込みました。") ||
      window.Writer().Simulator().SerialRom()->Timing().TotalViolations() != 0) {
    std::fprintf(stderr, "bench_window: the write did not complete: %s\n", messages.last.toUtf8().constData());
    return 1;
  }
  std::printf("window_operation_s %.1f s\n", seconds);
  std::printf("window_timer_latency_max_ms %.1f ms\n", timerLatency.worstMs);
  std::printf("window_timer_latency_mean_ms %.2f ms\n", timerLatency.MeanMs());
  std::printf("window_input_latency_max_ms %.1f ms\n", inputLatency.worstMs);
  std::printf("window_input_latency_mean_ms %.2f ms\n", inputLatency.MeanMs());
  std::printf("window_event_samples %d events\n", timerLatency.samples + inputLatency.samples);
  return 0;
}

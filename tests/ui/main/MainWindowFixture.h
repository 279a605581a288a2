#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>
#include <QToolButton>
#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <ostream>
#include <memory>

#include "language/UiLanguage.h"
#include "platform/VirtualClock.h"
#include "sim/SimulatedWriter.h"
#include "support/RecordingPortIo.h"
#include "ui/main/PWMainForm.h"
#include "ui/main/PicFileHistry.h"
#include "ui/main/WindowCommand.h"
#include "ScriptedMessages.h"

// Lets failing expectations show texts instead of bytes.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace tarvel::test {

inline bool WaitFor(const std::function<bool()>& condition, int milliseconds = 2000) {
  QElapsedTimer timer;
  timer.start();
  while (!condition()) {
    if (timer.elapsed() > milliseconds) return false;
    QTest::qWait(5);
  }
  return true;
}

// Virtual time that can hold a chip operation's worker: the first reading
// at or after the moment set waits until the test releases it, so the test
// can look at the window, and act on it, in the middle of an operation.
class GatedClock : public VirtualClock {
 public:
  void HoldAt(uint64_t nanos) { holdAt_ = nanos; }
  bool Holding() const { return holding_; }
  void Release() {
    std::lock_guard<std::mutex> lock(mutex_);
    holdAt_ = kNever;
    released_.notify_all();
  }
  uint32_t Ticks() override {
    Gate();
    return VirtualClock::Ticks();
  }
  uint64_t Micros() override {
    Gate();
    return VirtualClock::Micros();
  }
  uint64_t FineNanos() override {
    Gate();
    return VirtualClock::FineNanos();
  }

 private:
  static constexpr uint64_t kNever = UINT64_MAX;
  void Gate() {
    if (Nanos() < holdAt_) return;
    std::unique_lock<std::mutex> lock(mutex_);
    holding_ = true;
    released_.wait(lock, [this] { return holdAt_ == kNever; });
    holding_ = false;
  }

  std::atomic<uint64_t> holdAt_{kNever};
  std::atomic<bool> holding_{false};
  std::mutex mutex_;
  std::condition_variable released_;
};

// A window on a settings store of its own, with no real port behind it: the
// kernel's ports are looked up in empty folders, the permission step answers
// as scripted, and direct I/O goes to a recorder.
class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    configDir = dir.filePath("config");
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, configDir);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, configDir);
    QDir().mkpath(dir.filePath("dev"));
    QDir().mkpath(dir.filePath("proc"));
  }

  // A test may end with images it did not save: the window's question
  // about them is answered No. A language chosen stays with the test.
  void TearDown() override {
    messages.unscriptedChoice = WindowMessages::Answer::No;
    if (window) window->close();
    window.reset();
    ApplyUiLanguage(UiLanguage::Original);
  }

  WriterAccess::Backends Backends() {
    WriterAccess::Backends backends;
    backends.locator = ParportLocator(dir.filePath("dev").toStdString(), dir.filePath("proc").toStdString());
    backends.openGiveIO = [this] { return permissionAnswer; };
    backends.directIo = [this] {
      auto io = std::make_unique<RecordingPortIo>();
      directIo = io.get();
      return io;
    };
    return backends;
  }

  TPWMainForm& Start() {
    window = std::make_unique<TPWMainForm>(messages, clock, Backends());
    return *window;
  }

  TPWMainForm& StartShown() {
    Start();
    window->show();
    window->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    return *window;
  }

  // Quits through the window's close box and starts anew on the same store.
  TPWMainForm& Restart() {
    messages.unscriptedChoice = WindowMessages::Answer::No;
    window->close();
    window.reset();
    messages.unscriptedChoice.reset();
    messages.Forget();
    return StartShown();
  }

  // A window past its first run, on the simulated writer, with the wait the
  // measurement gives when its rounds take 30 ms (1 ns a round on the
  // virtual clock). Boxes of the start are forgotten.
  TPWMainForm& StartOnSimulator(const QString& writeLines = QString()) {
    WriteCurrentStore("PortAccess=3\nWaitTime=3333\n" + writeLines);
    StartShown();
    messages.Forget();
    return *window;
  }

  SimulatedWriter& Simulator() { return window->Writer().Simulator(); }

  QString StorePath() const { return configDir + "/Melfort/tarvel.conf"; }

  void WriteStore(const QString& text) {
    QDir().mkpath(configDir + "/Melfort");
    QFile file(StorePath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text.toUtf8());
  }

  // A current store with the given lines under [Write].
  void WriteCurrentStore(const QString& writeLines) {
    WriteStore("[General]\nVersion=2.37\n\n[Write]\n" + writeLines + "\n");
  }

  // The raw text of a value as the INI file holds it, read without QSettings
  // (which would answer from its cache); empty when absent.
  QString StoredText(const QString& section, const QString& name) const {
    QFile file(StorePath());
    if (!file.open(QIODevice::ReadOnly)) return QString();
    QString current;
    QTextStream in(&file);
    while (!in.atEnd()) {
      const QString line = in.readLine().trimmed();
      if (line.startsWith('[')) {
        current = line.mid(1, line.size() - 2);
      } else if (current == section && line.startsWith(name + '=')) {
        return line.mid(name.size() + 1);
      }
    }
    return "<absent>";
  }

  QString TempFile(const QString& name, const QByteArray& bytes) {
    const QString path = dir.filePath(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
    return path;
  }

  static QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }

  static QString DataFile(const char* name) { return QString(TARVEL_TEST_DATA_DIR) + "/" + name; }

  // A fixture copied into the test's folder, where the test may change it.
  QString CopyOfDataFile(const char* name) {
    const QString copy = dir.filePath(name);
    QFile::remove(copy);
    EXPECT_TRUE(QFile::copy(DataFile(name), copy));
    QFile::setPermissions(copy, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    return copy;
  }

  // Opens the menu on the window's bar and clicks the item, as a user does.
  void ClickMenuItem(QMenu* menu, QAction* item) {
    QMenuBar* bar = window->menuBar();
    ASSERT_TRUE(bar->actions().contains(menu->menuAction())) << menu->objectName().toStdString();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(menu->menuAction()).center());
    ASSERT_TRUE(WaitFor([&] { return menu->isVisible(); })) << menu->objectName().toStdString();
    ASSERT_TRUE(item->isEnabled()) << item->objectName().toStdString();
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
    ASSERT_TRUE(WaitFor([&] { return !menu->isVisible(); }));
  }

  void ClickButton(QToolButton* button) {
    ASSERT_TRUE(button->isVisible()) << button->objectName().toStdString();
    QTest::mouseClick(button, Qt::LeftButton);
  }

  // Picks an entry of a drop-down list with the mouse.
  void ChooseInList(QComboBox* list, int index) {
    list->showPopup();
    QAbstractItemView* view = list->view();
    ASSERT_TRUE(WaitFor([&] { return view->isVisible(); }));
    const QModelIndex entry = view->model()->index(index, 0);
    view->scrollTo(entry);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(entry).center());
    ASSERT_TRUE(WaitFor([&] { return !view->isVisible(); }));
    ASSERT_EQ(list->currentIndex(), index);
  }

  void PressKey(int key) {
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(window.get(), static_cast<Qt::Key>(key));
  }

  QTemporaryDir dir;
  QString configDir;
  ScriptedMessages messages;
  GatedClock clock;
  bool permissionAnswer = false;
  RecordingPortIo* directIo = nullptr;
  std::unique_ptr<TPWMainForm> window;
};

}  // namespace tarvel::test

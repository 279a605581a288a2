#include <signal.h>
#include <sys/resource.h>

#include <QLineEdit>
#include <QTimer>

#include "MainWindowFixture.h"
#include "ui/main/StopSignals.h"

namespace tarvel::test {
namespace {

class StopFromOutsideTest : public MainWindowTest {
 protected:
  void Watch() {
    stopSignals = std::make_unique<StopSignals>([this] { window->RequestClose(); });
  }
  void TearDown() override {
    stopSignals.reset();
    MainWindowTest::TearDown();
  }

  std::unique_ptr<StopSignals> stopSignals;
};

// Ctrl+C, kill and the end of the session end the program as Quit does, and
// the writer is left switched off although EndPowerOFF is not set.
TEST_F(StopFromOutsideTest, EachStopSignalEndsTheProgramAsQuitWithTheWriterOff) {
  for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
    QFile::remove(StorePath());
    WriteCurrentStore("PortAccess=3\nStartPowerON=1\nCategory=1\nSRomDevice=4");
    StartShown();
    ASSERT_TRUE(Simulator().Lines().vdd);
    Watch();
    ASSERT_EQ(::raise(signal), 0);
    ASSERT_TRUE(WaitFor([&] { return !window->isVisible(); })) << signal;
    EXPECT_FALSE(Simulator().Lines().vdd) << signal;
    EXPECT_EQ(Simulator().Lines().mclr, MclrLevel::Vdd) << "no VPP";
    EXPECT_EQ(StoredText("Write", "SRomDevice"), "4") << "the settings are saved";
    EXPECT_EQ(StoredText("Write", "EndPowerOFF"), "0");
    stopSignals.reset();
    window.reset();
  }
}

// Started under nohup, the program outlives the session as asked.
TEST_F(StopFromOutsideTest, ASignalIgnoredAtStartStaysIgnored) {
  WriteCurrentStore("PortAccess=3");
  StartShown();
  const sighandler_t before = ::signal(SIGHUP, SIG_IGN);
  Watch();
  ASSERT_EQ(::raise(SIGHUP), 0);
  QTest::qWait(50);
  EXPECT_TRUE(window->isVisible());
  stopSignals.reset();
  EXPECT_EQ(::signal(SIGHUP, before), SIG_IGN);
}

// A stop while a command waits in a dialog answers the dialog Cancel; the
// command ends without acting on it, and only then does the window close.
TEST_F(StopFromOutsideTest, AStopAnswersTheOpenDialogAndClosesOnceTheCommandHasEnded) {
  WriteStore("[General]\nVersion=2.37\n[Write]\nPortAccess=3\n[File]\nObjPath=/kept\n");
  StartShown();
  Watch();
  bool closedDuringTheCommand = false;
  messages.dialogAnswers.push_back([&](QDialog& dialog) {
    dialog.findChild<QLineEdit*>("EdtObjPath")->setText("/typed");
    QTimer::singleShot(0, [] { ::raise(SIGTERM); });
    const int result = dialog.exec();
    closedDuringTheCommand = !window->isVisible();
    return result;
  });
  window->Command().OptionFileSet->Run();
  EXPECT_FALSE(closedDuringTheCommand);
  EXPECT_EQ(window->ObjPath(), "/kept");
  ASSERT_TRUE(WaitFor([&] { return !window->isVisible(); }));
  EXPECT_EQ(StoredText("File", "ObjPath"), "/kept");
}

// The file size limit is a failed save like any other: told with the
// system's reason, the old file whole.
TEST_F(StopFromOutsideTest, ASaveBeyondTheFileSizeLimitIsToldAndKeepsTheOldFile) {
  WriteCurrentStore("PortAccess=3");
  StartShown();
  Watch();
  const QString path = TempFile("program.bin", "old");
  messages.saveAnswers.push_back(path);
  messages.answers.push_back(true);
  struct rlimit previous {};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &previous), 0);
  struct rlimit small = previous;
  small.rlim_cur = 1000;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  ClickButton(window->Form().SBBinProgSave);
  ::setrlimit(RLIMIT_FSIZE, &previous);
  EXPECT_EQ(messages.boxes.back().text, "Can not open " + path + "\nFile too large");
  EXPECT_EQ(FileBytes(path), "old");
}

}  // namespace
}  // namespace tarvel::test

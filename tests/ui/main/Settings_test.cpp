#include <QComboBox>
#include <QFileInfo>

#include "MainWindowFixture.h"

namespace tarvel::test {
namespace {

using SettingsTest = MainWindowTest;

TEST_F(SettingsTest, CloseWritesTheWholeTreeWithIntegerFlags) {
  StartShown();
  window->move(50, 60);
  window->resize(880, 440);
  ChooseInList(window->Form().CBCategory, 1);
  ChooseInList(window->Form().CBSRomDevice, SROM24xx64);
  window->close();

  EXPECT_EQ(StoredText("General", "Version"), "2.37");
  EXPECT_EQ(StoredText("Form", "Top"), "60");
  EXPECT_EQ(StoredText("Form", "Left"), "50");
  EXPECT_EQ(StoredText("Form", "Width"), "880");
  EXPECT_EQ(StoredText("Form", "Height"), "440");
  EXPECT_EQ(StoredText("Write", "OverWriteEnable"), "0");
  EXPECT_EQ(StoredText("Write", "WaitTime"), "0");
  EXPECT_EQ(StoredText("Write", "FillUpEnable"), "0");
  EXPECT_EQ(StoredText("Write", "FillUpData"), "0");
  EXPECT_EQ(StoredText("Write", "PortType"), "0");
  EXPECT_EQ(StoredText("Write", "Category"), "1");
  EXPECT_EQ(StoredText("Write", "PICDevice"), "40");
  EXPECT_EQ(StoredText("Write", "SRomDevice"), "6");
  EXPECT_EQ(StoredText("Write", "StartPowerON"), "0");
  EXPECT_EQ(StoredText("Write", "EndPowerOFF"), "0");
  EXPECT_EQ(StoredText("Write", "StartGiveIO"), "0");
  EXPECT_EQ(StoredText("Write", "PortAccess"), "0");
  EXPECT_EQ(StoredText("File", "ObjPath"), "");
  EXPECT_EQ(StoredText("File", "HexType"), "0");
  EXPECT_EQ(StoredText("File", "BinType"), "0");
  EXPECT_EQ(StoredText("File", "StartGiveIO"), "0");
}

TEST_F(SettingsTest, ARestartComesBackAsItWasLeft) {
  StartShown();
  ChooseInList(window->Form().CBCategory, 1);
  ChooseInList(window->Form().CBSRomDevice, SROM24xx256);
  Restart();
  EXPECT_FALSE(window->FirstRun());
  EXPECT_TRUE(messages.boxes.empty());
  EXPECT_EQ(window->Form().CBCategory->currentIndex(), 1);
  EXPECT_EQ(window->SRomWrite().Device(), SROM24xx256);
  EXPECT_TRUE(window->Form().PnlProg->isHidden());
}

TEST_F(SettingsTest, ValuesLoadedAtStartAreWrittenBackUnchanged) {
  WriteStore(
      "[General]\nVersion=2.37\n"
      "[Write]\nOverWriteEnable=1\nWaitTime=5120\nFillUpEnable=1\nFillUpData=255\nPortType=3\nCategory=0\n"
      "PICDevice=2\nSRomDevice=8\nStartPowerON=0\nEndPowerOFF=1\nStartGiveIO=1\nPortAccess=3\n"
      "[File]\nObjPath=/home/user/pic\nHexType=1\nBinType=3\n");
  permissionAnswer = true;
  StartShown();
  EXPECT_TRUE(messages.boxes.empty()) << messages.Texts().join('|').toStdString();
  window->close();
  EXPECT_EQ(StoredText("Write", "OverWriteEnable"), "1");
  EXPECT_EQ(StoredText("Write", "WaitTime"), "5120");
  EXPECT_EQ(StoredText("Write", "FillUpData"), "255");
  EXPECT_EQ(StoredText("Write", "PortType"), "3");
  EXPECT_EQ(StoredText("Write", "PICDevice"), "2");
  EXPECT_EQ(StoredText("Write", "SRomDevice"), "8");
  EXPECT_EQ(StoredText("Write", "EndPowerOFF"), "1");
  EXPECT_EQ(StoredText("Write", "StartGiveIO"), "1");
  EXPECT_EQ(StoredText("File", "StartGiveIO"), "1") << "the second copy follows the first";
  EXPECT_EQ(StoredText("Write", "PortAccess"), "3");
  EXPECT_EQ(StoredText("File", "ObjPath"), "/home/user/pic");
  EXPECT_EQ(StoredText("File", "HexType"), "1");
  EXPECT_EQ(StoredText("File", "BinType"), "3");
}

TEST_F(SettingsTest, AStoredWaitOutsideTheMeasurableRangeFallsBackToTheTickCounterWait) {
  for (const char* stored : {"-5", "2147483647", "30001"}) {
    window.reset();
    WriteStore(QString("[General]\nVersion=2.37\n[Write]\nWaitTime=%1\n").arg(stored));
    StartShown();
    EXPECT_EQ(window->PicWrite().WaitTime, 0) << stored;
  }
  window.reset();
  WriteStore("[General]\nVersion=2.37\n[Write]\nWaitTime=30000\n");
  StartShown();
  EXPECT_EQ(window->PicWrite().WaitTime, 30000);
}

TEST_F(SettingsTest, SettingsThatCannotBeWrittenAreToldAtCloseButADamagedStoreReadAtStartIsNot) {
  WriteStore("[General]\nVersion=2.37\n[Write]\nPortAccess=3\n\xff\xfe garbage without equals\n");
  StartShown();
  messages.Forget();
  window->close();
  EXPECT_TRUE(messages.boxes.empty()) << messages.Texts().join('|').toStdString();
  EXPECT_EQ(StoredText("General", "Version"), "2.37");

  Restart();
  // The store's folder is taken by a file, so nothing can be written there.
  ASSERT_TRUE(QDir(configDir + "/Melfort").removeRecursively());
  QFile blocker(configDir + "/Melfort");
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  window->close();
  ASSERT_EQ(messages.boxes.size(), 1u);
  EXPECT_TRUE(messages.boxes[0].text.startsWith("The settings could not be saved to " + StorePath()));
  EXPECT_EQ(messages.boxes[0].icon, MessageIcon::Warning);
}

// A settings file that cannot be read may hold the settings of another run
// (one as root, say). Here a folder stands in its place, which not even the
// super-user reads. The start says so once and runs on the defaults, not as a
// first run; the close says that nothing was saved, and the file stays.
TEST_F(SettingsTest, AnUnreadableSettingsFileIsToldAndLeftAlone) {
  ASSERT_TRUE(QDir().mkpath(StorePath()));
  StartShown();
  EXPECT_FALSE(window->FirstRun());
  ASSERT_EQ(messages.boxes.size(), 1u) << messages.Texts().join('|').toStdString();
  EXPECT_TRUE(messages.boxes[0].text.startsWith("The settings file " + StorePath() + " cannot be read ("))
      << messages.boxes[0].text.toStdString();
  EXPECT_EQ(window->PicWrite().Device(), PIC16F84);
  ChooseInList(window->Form().CBCategory, 1);
  messages.Forget();
  window->close();
  ASSERT_EQ(messages.boxes.size(), 1u);
  EXPECT_TRUE(messages.boxes[0].text.startsWith("The settings of this run were not saved: " + StorePath()));
  window.reset();
  EXPECT_TRUE(QFileInfo(StorePath()).isDir());
  EXPECT_TRUE(QDir(StorePath()).isEmpty());
}

TEST_F(SettingsTest, QuittingWithEndPowerOffSwitchesTheWriterOffAfterSaving) {
  WriteCurrentStore("EndPowerOFF=1\nStartPowerON=1\nPortAccess=3");
  StartShown();
  ASSERT_TRUE(window->Writer().Simulator().Lines().vdd);
  ClickMenuItem(window->Menus().File, window->Menus().Exit1);
  EXPECT_FALSE(window->isVisible());
  EXPECT_FALSE(window->Writer().Simulator().Lines().vdd);
  EXPECT_EQ(StoredText("General", "Version"), "2.37");
}

}  // namespace
}  // namespace tarvel::test

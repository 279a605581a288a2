#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QStackedWidget>

#include "MainWindowFixture.h"
#include "ui/components/HexGrid.h"
#include "ui/main/TitlePanel.h"

namespace tarvel::test {
namespace {

const QString kFirstRunText =
    "Set write settings with following dialog.\n You should click [Measure]button and select parallel port.";

using StartUpTest = MainWindowTest;

TEST_F(StartUpTest, EmptyStoreTakesTheFirstRunPathWithPic16F84And24xx02) {
  TPWMainForm& w = Start();
  EXPECT_TRUE(w.FirstRun());
  ASSERT_EQ(messages.Texts(), QStringList{kFirstRunText});
  EXPECT_EQ(messages.boxes[0].caption, "");  // the simple box, application title
  EXPECT_EQ(w.windowTitle(), "Melfort");

  const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
  EXPECT_LE((w.geometry().center() - available.center()).manhattanLength(), 2) << "a first run opens centred";

  const MainFormLayout& f = w.Form();
  EXPECT_EQ(f.CBCategory->currentText(), "PIC");
  EXPECT_EQ(f.CBPICDevice->currentText(), "PIC16F84");
  EXPECT_EQ(w.PicWrite().Device(), PIC16F84);
  EXPECT_EQ(w.SRomWrite().Device(), SROM24xx02);
  EXPECT_EQ(f.NBToolBar->currentWidget(), f.NBToolBarPic);
  EXPECT_EQ(f.NBDataToolBar->currentWidget(), f.NBDataToolBarPic);
  EXPECT_TRUE(w.Menus().PicMenuShown(*w.menuBar()));
  EXPECT_FALSE(f.PnlProg->isHidden());
  EXPECT_FALSE(f.PnlData->isHidden());
  // The grids fit the selected PIC16F84, as after any start.
  EXPECT_EQ(f.HexGrid->MaxAddress(), 0x3FF);
  EXPECT_EQ(f.DataHexGrid->MaxAddress(), 0x3F);
  EXPECT_EQ(f.DataHexGrid->DataColCount(), 8);
  EXPECT_EQ(f.PnlProgTitle->Caption(), "Program");
  EXPECT_EQ(f.PnlDataTitle->Caption(), "Data");
  EXPECT_EQ(w.ProgTitle(), "New Program");
  EXPECT_EQ(w.DataTitle(), "New Data");
  EXPECT_EQ(f.StatusPanel0->text(), "New file");
  EXPECT_EQ(f.StatusPanel1->text(), "Writer: simulated");
  EXPECT_FALSE(w.Command().ProgReload->Enabled());
  EXPECT_FALSE(w.Command().ProgSave->Enabled());
  EXPECT_FALSE(w.Command().DataReload->Enabled());
  EXPECT_FALSE(w.Command().DataSave->Enabled());
  EXPECT_FALSE(f.SBProgReload->isEnabled());
  EXPECT_FALSE(f.SBDataReload->isEnabled());
}

TEST_F(StartUpTest, CurrentStoreInSerialRomCategoryStartsThereWithItsDevice) {
  WriteStore(
      "[General]\nVersion=2.37\n"
      "[Write]\nCategory=1\nPICDevice=44\nSRomDevice=5\nWaitTime=1234\nOverWriteEnable=1\nFillUpEnable=1\n"
      "FillUpData=16383\nPortType=2\n"
      "[File]\nObjPath=/tmp/objects\nHexType=3\nBinType=2\n"
      "[Form]\nTop=40\nLeft=30\nWidth=700\nHeight=500\n");
  TPWMainForm& w = Start();
  EXPECT_FALSE(w.FirstRun());
  EXPECT_TRUE(messages.boxes.empty()) << messages.Texts().join('|').toStdString();

  const MainFormLayout& f = w.Form();
  EXPECT_EQ(f.CBCategory->currentIndex(), 1);
  EXPECT_FALSE(w.Menus().PicMenuShown(*w.menuBar())) << "the serial ROM category keeps its own bar";
  EXPECT_EQ(f.NBToolBar->currentWidget(), f.NBToolBarSerialRom);
  EXPECT_TRUE(f.PnlProg->isHidden());
  EXPECT_FALSE(f.PnlData->isHidden());
  EXPECT_EQ(f.CBSRomDevice->currentText(), "24xx32");
  EXPECT_EQ(f.DataHexGrid->MaxAddress(), 0xFFF);
  EXPECT_EQ(f.DataHexGrid->DataColCount(), 16);
  EXPECT_EQ(w.PicWrite().Device(), PIC16F877);

  EXPECT_EQ(w.PicWrite().WaitTime, 1234);
  EXPECT_TRUE(w.PicWrite().OverWriteEnable);
  EXPECT_TRUE(w.PicWrite().FillUpEnable);
  EXPECT_EQ(w.PicWrite().FillUpData, 16383);
  EXPECT_EQ(w.ParallelPort().PortType(), AT278);
  EXPECT_EQ(w.ObjPath(), "/tmp/objects");
  EXPECT_EQ(w.HexType(), 3);
  EXPECT_EQ(w.BinType(), 2);
  EXPECT_EQ(w.pos(), QPoint(30, 40));
  EXPECT_EQ(w.size(), QSize(700, 500));
}

TEST_F(StartUpTest, ForeignStoreIsDeletedWithItsHistoryAndTakesTheFirstRunPath) {
  WriteStore(
      "[General]\nVersion=2.36\n[Write]\nCategory=1\nPICDevice=2\n"
      "[File]\nPICProgHistryNum=1\nPICProgHistry0=/tmp/old.hex\nPICProgHistryType0=Hex\n");
  // Other programs' settings beside ours are not ours to delete.
  for (const QString& name : {configDir + "/Melfort.conf", configDir + "/Melfort/other.conf"}) {
    QFile other(name);
    ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    other.write("[General]\nSomething=1\n");
  }

  TPWMainForm& w = Start();
  EXPECT_TRUE(w.FirstRun());
  EXPECT_EQ(messages.Texts(), QStringList{kFirstRunText});
  EXPECT_FALSE(QFile::exists(StorePath()));
  EXPECT_EQ(FileBytes(configDir + "/Melfort.conf"), "[General]\nSomething=1\n");
  EXPECT_EQ(FileBytes(configDir + "/Melfort/other.conf"), "[General]\nSomething=1\n");
  EXPECT_EQ(w.PicWrite().Device(), PIC16F84);
  EXPECT_EQ(w.Form().CBCategory->currentIndex(), 0);
  EXPECT_TRUE(w.ProgHistory().FileNames().isEmpty());
}

TEST_F(StartUpTest, StoreWithoutVersionCountsAsForeign) {
  WriteStore("[Write]\nPICDevice=2\n");
  TPWMainForm& w = Start();
  EXPECT_TRUE(w.FirstRun());
  EXPECT_EQ(w.PicWrite().Device(), PIC16F84);
}

TEST_F(StartUpTest, CorruptOrMistypedStoreNeverStopsTheStart) {
  WriteStore(
      "[General]\nVersion=2.37\n[Write]\nWaitTime=lots\nPICDevice=forty\nCategory=\x01\x02\nSRomDevice=\n"
      "[Form]\nWidth=-5\nHeight=wide\nTop=-99999\nLeft=-99999\n[File]\nPICProgHistryNum=2147483647\n"
      "\xff\xfe garbage without equals\n");
  TPWMainForm& w = Start();
  EXPECT_EQ(w.PicWrite().WaitTime, 0);
  EXPECT_EQ(w.PicWrite().Device(), PIC16F84);
  EXPECT_EQ(w.SRomWrite().Device(), SROM24xx02);
  EXPECT_EQ(w.size(), QSize(870, 431));
  const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
  EXPECT_TRUE(available.intersects(w.frameGeometry())) << "a window off every screen is brought back";
  EXPECT_LE(w.ProgHistory().FileNames().size(), 5);
}

// The A and B parts program as their siblings do and are offered like them.
TEST_F(StartUpTest, StoredRevisedDeviceIsSelectedWithoutAMessage) {
  WriteCurrentStore("Category=1\nPICDevice=16");
  TPWMainForm& w = Start();
  EXPECT_TRUE(messages.Texts().isEmpty()) << messages.Texts().join('|').toStdString();
  EXPECT_EQ(w.Form().CBPICDevice->currentText(), "PIC16C65A,B");
  EXPECT_EQ(w.PicWrite().Device(), PIC16C65A);
}

TEST_F(StartUpTest, DeviceOutsideTheListIsToldOncePerChoice) {
  WriteCurrentStore("Category=0\nPICDevice=26");
  TPWMainForm& w = Start();
  EXPECT_TRUE(messages.Texts().isEmpty()) << messages.Texts().join('|').toStdString();
  EXPECT_EQ(w.Form().CBPICDevice->currentText(), "PIC16C73A,B");
  w.ApplyPicDevice(60);
  w.ApplyPicDevice(60);
  EXPECT_EQ(messages.Texts(), QStringList{"This device is not supported"});
  w.ApplyPicDevice(PIC16F84);
  w.ApplyPicDevice(60);
  EXPECT_EQ(messages.Texts().size(), 2) << "a new choice is told again";
}

// A value outside its range keeps the default, quietly, and the close saves
// back what was in use; history entries past the five kept leave the file.
TEST_F(StartUpTest, StoredValuesOutsideTheirRangesKeepTheDefaultsAndAreNotSavedBack) {
  WriteStore(
      "[General]\nVersion=2.37\n"
      "[Write]\nPortAccess=3\nCategory=7\nPICDevice=60\nSRomDevice=20\nPortType=9\nFillUpData=65536\n"
      "[File]\nHexType=4\nBinType=-1\nPICProgHistryNum=9\nPICProgHistry0=/a.bin\nPICProgHistryType0=Bin\n"
      "PICProgHistry6=/g.bin\nPICProgHistryType6=Bin\nPICDataHistry5=/f.bin\n"
      "[Form]\nLeft=2147483647\nTop=2147483647\nWidth=2147483647\nHeight=2147483647\n");
  TPWMainForm& w = Start();
  EXPECT_TRUE(messages.boxes.empty()) << messages.Texts().join('|').toStdString();
  EXPECT_EQ(w.Form().CBCategory->currentText(), "PIC");
  EXPECT_EQ(w.Form().CBPICDevice->currentText(), "PIC16F84");
  EXPECT_EQ(w.SRomWrite().Device(), SROM24xx02);
  EXPECT_EQ(w.ParallelPort().PortType(), AT378);
  EXPECT_EQ(w.PicWrite().FillUpData, 0);
  EXPECT_EQ(w.HexType(), 0);
  EXPECT_EQ(w.BinType(), 0);
  const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
  EXPECT_LE(w.width(), available.width()) << "held to the screen";
  EXPECT_LE(w.height(), available.height());
  EXPECT_LE((w.geometry().center() - available.center()).manhattanLength(), 2) << "and brought back onto it";

  w.close();
  EXPECT_EQ(StoredText("Write", "Category"), "0");
  EXPECT_EQ(StoredText("Write", "PICDevice"), "40");
  EXPECT_EQ(StoredText("Write", "PortType"), "0");
  EXPECT_EQ(StoredText("File", "HexType"), "0");
  EXPECT_EQ(StoredText("Form", "Width").toInt(), w.width());
  window.reset();
  EXPECT_EQ(StoredText("File", "PICProgHistryNum"), "5");
  EXPECT_EQ(StoredText("File", "PICProgHistry6"), "<absent>");
  EXPECT_EQ(StoredText("File", "PICProgHistryType6"), "<absent>");
  EXPECT_EQ(StoredText("File", "PICDataHistry5"), "<absent>");
}

TEST_F(StartUpTest, PermissionFailureIsToldOnceAndTheSimulatedWriterServes) {
  WriteCurrentStore("StartGiveIO=1");
  TPWMainForm& w = Start();
  EXPECT_EQ(messages.Texts(), QStringList{"GiveIOデバイスにアクセスできませんでした。"});
  EXPECT_EQ(w.Form().StatusPanel1->text(), "Writer: simulated");
  EXPECT_EQ(&w.ParallelPort().Io(), &w.Writer().Simulator());
}

TEST_F(StartUpTest, PermissionGivesDirectIoAndStartPowerOnUsesIt) {
  permissionAnswer = true;
  WriteCurrentStore("StartGiveIO=1\nStartPowerON=1\nPortType=1");
  TPWMainForm& w = Start();
  EXPECT_TRUE(messages.boxes.empty());
  EXPECT_EQ(w.Form().StatusPanel1->text(), "Writer: direct I/O");
  ASSERT_NE(directIo, nullptr);
  EXPECT_FALSE(directIo->Written(0x3BC).empty()) << "the writer was switched on through port 3BCH";
}

TEST_F(StartUpTest, WithoutStartGiveIONoPermissionIsAskedFor) {
  permissionAnswer = true;
  WriteCurrentStore("StartGiveIO=0");
  TPWMainForm& w = Start();
  EXPECT_FALSE(w.Writer().PermissionGranted());
  EXPECT_EQ(w.Form().StatusPanel1->text(), "Writer: simulated");
}

TEST_F(StartUpTest, AKernelPortThatCannotBeUsedIsExplained) {
  // The kernel reports a port at 378H, but there is no device file for it.
  QDir().mkpath(dir.filePath("proc/sys/dev/parport/parport0"));
  QFile base(dir.filePath("proc/sys/dev/parport/parport0/base-addr"));
  ASSERT_TRUE(base.open(QIODevice::WriteOnly));
  base.write("888\t0\n");
  base.close();
  WriteCurrentStore("PortAccess=0");
  TPWMainForm& w = Start();
  ASSERT_EQ(messages.boxes.size(), 1u) << messages.Texts().join('|').toStdString();
  EXPECT_TRUE(messages.boxes[0].text.contains("ppdev")) << messages.boxes[0].text.toStdString();
  EXPECT_TRUE(messages.boxes[0].text.contains("simulated"));
  EXPECT_EQ(messages.boxes[0].icon, MessageIcon::Warning);
  EXPECT_EQ(w.Form().StatusPanel1->text(), "Writer: simulated");
}

TEST_F(StartUpTest, ForcedSimulationNeverTouchesRealPorts) {
  permissionAnswer = true;
  WriteCurrentStore("StartGiveIO=1\nPortAccess=3\nStartPowerON=1");
  TPWMainForm& w = Start();
  EXPECT_EQ(directIo, nullptr);
  EXPECT_TRUE(w.Writer().IsSimulated());
  EXPECT_TRUE(w.Writer().Simulator().Lines().vdd) << "power went to the simulated writer";
}

TEST_F(StartUpTest, ForcedDirectIoWithoutPermissionSaysWhy) {
  WriteCurrentStore("PortAccess=2");
  TPWMainForm& w = Start();
  ASSERT_EQ(messages.boxes.size(), 1u);
  EXPECT_TRUE(messages.boxes[0].text.contains("permission"));
  EXPECT_TRUE(w.Writer().IsSimulated());
}

}  // namespace
}  // namespace tarvel::test

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include "MainWindowFixture.h"
#include "ui/dialogs/RadioGroup.h"

namespace tarvel::test {
namespace {

const QString kFirstRunText =
    "Set write settings with following dialog.\n You should click [Measure]button and select parallel port.";

class OptionCommandsTest : public MainWindowTest {
 protected:
  const MainMenus& Menus() { return window->Menus(); }

  template <class T>
  static T& Control(QDialog& dialog, const char* name) {
    T* control = dialog.findChild<T*>(name);
    if (control == nullptr) throw std::runtime_error(name);
    return *control;
  }

  static void ClickItem(QDialog& dialog, const char* group, int item) {
    Control<RadioGroup>(dialog, group).Item(item)->click();
  }
};

TEST_F(OptionCommandsTest, FirstRunMeasuresAndItsPortAccessTakesEffectAtThisStart) {
  permissionAnswer = true;
  int waitShown = 0;
  messages.firstRunSetup = [&](QDialog& dialog) {
    EXPECT_FALSE(Control<QPushButton>(dialog, "CancelButton").isEnabled());
    EXPECT_TRUE(Control<QPushButton>(dialog, "OkButton").isEnabled());
    Control<QSpinBox>(dialog, "UDWait").setValue(1);
    Control<QPushButton>(dialog, "BtnMeasure").click();
    waitShown = Control<QSpinBox>(dialog, "UDWait").value();
    Control<QCheckBox>(dialog, "CBStartGiveIO").setChecked(true);
    Control<QComboBox>(dialog, "CBPortAccess").setCurrentIndex(WriterAccess::DirectIo);
    return int(QDialog::Accepted);
  };
  TPWMainForm& w = Start();
  EXPECT_EQ(messages.Texts(), QStringList{kFirstRunText}) << "no complaint about the port";
  EXPECT_EQ(messages.dialogs, QStringList{"tarvel::TWriteSetDlg"});
  // 30,600,000 rounds at 1 ns on the virtual clock: about 30 ms.
  EXPECT_NEAR(waitShown, 100000 / 30, 150);
  EXPECT_EQ(w.PicWrite().WaitTime, waitShown);
  EXPECT_EQ(w.PortAccess(), WriterAccess::DirectIo);
  EXPECT_EQ(w.Form().StatusPanel1->text(), "Writer: direct I/O");
  ASSERT_NE(directIo, nullptr);

  Restart();
  EXPECT_FALSE(window->FirstRun());
  EXPECT_TRUE(messages.dialogs.isEmpty());
  EXPECT_EQ(StoredText("Write", "PortAccess"), "2");
  EXPECT_EQ(window->PicWrite().WaitTime, waitShown);
  EXPECT_EQ(window->Form().StatusPanel1->text(), "Writer: direct I/O");
}

TEST_F(OptionCommandsTest, FirstRunClosedWithoutOkKeepsTheDefaults) {
  TPWMainForm& w = Start();
  EXPECT_EQ(messages.dialogs, QStringList{"tarvel::TWriteSetDlg"});
  EXPECT_EQ(w.PicWrite().WaitTime, 0);
  EXPECT_EQ(w.PortAccess(), WriterAccess::Automatic);
}

TEST_F(OptionCommandsTest, WriteSetupChangesPortAndAccessAtOnceAndCancelChangesNothing) {
  WriteCurrentStore("PortAccess=3\nStartGiveIO=1");
  permissionAnswer = true;
  StartShown();
  messages.Forget();

  messages.dialogAnswers.push_back([&](QDialog& dialog) {
    EXPECT_TRUE(Control<QPushButton>(dialog, "CancelButton").isEnabled());
    EXPECT_EQ(Control<QComboBox>(dialog, "CBPortAccess").currentIndex(), WriterAccess::Simulated);
    ClickItem(dialog, "RGPortSelect", 1);
    Control<QCheckBox>(dialog, "CBOverWriteEnable").setChecked(false);
    return int(QDialog::Rejected);
  });
  ClickMenuItem(Menus().Option, Menus().OptionWrite);
  EXPECT_EQ(Simulator().PortType(), AT378);
  EXPECT_FALSE(window->PicWrite().OverWriteEnable);

  messages.dialogAnswers.push_back([&](QDialog& dialog) {
    ClickItem(dialog, "RGPortSelect", 1);
    Control<QCheckBox>(dialog, "CBOverWriteEnable").setChecked(false);
    return int(QDialog::Accepted);
  });
  ClickMenuItem(Menus().Option, Menus().OptionWrite);
  EXPECT_EQ(window->ParallelPort().PortType(), AT3BC);
  EXPECT_EQ(Simulator().PortType(), AT3BC) << "the simulated writer answers on the new port";
  EXPECT_TRUE(window->PicWrite().OverWriteEnable);
  window->PicWrite().PowerON();
  EXPECT_TRUE(Simulator().Lines().vdd);

  messages.dialogAnswers.push_back([&](QDialog& dialog) {
    Control<QComboBox>(dialog, "CBPortAccess").setCurrentIndex(WriterAccess::DirectIo);
    return int(QDialog::Accepted);
  });
  ClickMenuItem(Menus().Option, Menus().OptionWrite);
  EXPECT_EQ(window->Form().StatusPanel1->text(), "Writer: direct I/O");
  EXPECT_TRUE(messages.boxes.empty());
}

TEST_F(OptionCommandsTest, FileSetupTakesItsValuesOnlyOnOk) {
  WriteCurrentStore("PortAccess=3");
  StartShown();
  messages.dialogAnswers.push_back([&](QDialog& dialog) {
    Control<QLineEdit>(dialog, "EdtObjPath").setText("/tmp/objects");
    ClickItem(dialog, "RGHexType", 2);
    ClickItem(dialog, "RGBinType", 1);
    return int(QDialog::Accepted);
  });
  ClickMenuItem(Menus().Option, Menus().OptionFileSet);
  EXPECT_EQ(window->ObjPath(), "/tmp/objects");
  EXPECT_EQ(window->HexType(), 2);
  EXPECT_EQ(window->BinType(), 1);

  messages.dialogAnswers.push_back([&](QDialog& dialog) {
    EXPECT_EQ(Control<QLineEdit>(dialog, "EdtObjPath").text(), "/tmp/objects");
    Control<QLineEdit>(dialog, "EdtObjPath").setText("/elsewhere");
    return int(QDialog::Rejected);
  });
  ClickMenuItem(Menus().Option, Menus().OptionFileSet);
  EXPECT_EQ(window->ObjPath(), "/tmp/objects");
}

TEST_F(OptionCommandsTest, WriterTestAsksFirstAndWorksOnTheWriterInUse) {
  WriteCurrentStore("PortAccess=3");
  StartShown();
  messages.Forget();
  messages.answers = {false};
  ClickMenuItem(Menus().Option, Menus().OptionWriterTest);
  ASSERT_EQ(messages.boxes.size(), 1u);
  EXPECT_EQ(messages.boxes[0].text, "Make sure that the PIC writer is not connected to PIC.\n");
  EXPECT_EQ(messages.boxes[0].caption, "Writer test");
  EXPECT_EQ(messages.boxes[0].buttons, WindowMessages::Buttons::OkCancel);
  EXPECT_TRUE(messages.dialogs.isEmpty());

  bool powered = false;
  messages.answers = {true};
  messages.dialogAnswers.push_back([&](QDialog& dialog) {
    ClickItem(dialog, "RGPortSelect", 0);
    ClickItem(dialog, "RGPower", 0);
    powered = Simulator().Lines().vdd;
    dialog.done(QDialog::Rejected);
    return int(QDialog::Rejected);
  });
  ClickMenuItem(Menus().Option, Menus().OptionWriterTest);
  EXPECT_TRUE(powered);
  EXPECT_EQ(Simulator().DataLatch(), 0x24) << "the port is left idle";
}

TEST_F(OptionCommandsTest, VersionInformationFromBothMenuBars) {
  WriteCurrentStore("PortAccess=3\nCategory=1");
  StartShown();
  QString version;
  messages.dialogAnswers.push_back([&](QDialog& dialog) {
    version = Control<QLabel>(dialog, "Version").text();
    return int(QDialog::Accepted);
  });
  ClickMenuItem(Menus().SRomHelp, Menus().SRomHelpVersion);
  EXPECT_EQ(version, "Version 2.37 (English)");
  EXPECT_EQ(messages.dialogs, QStringList{"tarvel::TAboutBox"});
}

}  // namespace
}  // namespace tarvel::test

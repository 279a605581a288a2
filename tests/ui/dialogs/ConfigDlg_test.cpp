#include "ui/dialogs/ConfigDlg.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "DialogTestSupport.h"
#include "engine/pic/PicDevice.h"
#include "support/RecordingMessages.h"

namespace tarvel {
namespace {

using test::Child;
using test::Click;
using test::CurrentPage;
using test::ItemIndex;

class ConfigDlgTest : public ::testing::Test {
 protected:
  QCheckBox& Check(const char* name) { return Child<QCheckBox>(dlg, name); }
  bool Checked(const char* name) { return Check(name).isChecked(); }
  QString DeviceLabel() { return Child<QLabel>(dlg, "LblDevice").text(); }
  QString FuseLabel() { return Child<QLabel>(dlg, "LblFuseData").text(); }
  void Use(int device, int32_t word) {
    dlg.SelectDevice(device);
    dlg.SetFuse(word);
  }

  test::RecordingMessages messages;
  TConfigDlg dlg{messages};
};

TEST_F(ConfigDlgTest, OpensWithEnglishCaptionsAndKeepsTheJapaneseOnes) {
  EXPECT_EQ(dlg.windowTitle(), "Config");
  test::ExpectCaptions(dlg, {{"lDev", "Device "},
                             {"RGDefaultOSC", "Oscillator"},
                             {"RGInternalOSC", "Oscillator"},
                             {"RGVariousOSC", "オシレータ"},
                             {"CBWdt", "Watch dog timer"},
                             {"CBPwt", "Power up timer"},
                             {"RGMclr", "MCLR"},
                             {"CBPwrte_f87x", "Power up timer"},
                             {"CBBoden_f87x", "Brown out reset"},
                             {"CBLvp_f87x", "Low voltaege programming"},
                             {"CBWrt_f87x", "Program memory write"},
                             {"CBDebug_f87x", "Debug mode"},
                             {"CBPwrte_f62x", "パワーアップタイマー"},
                             {"CBBoden_f62x", "ブラウンアウトリセット"},
                             {"CBLvp_f62x", "低電圧プログラミング許可"},
                             {"RGMclr_f62x", "MCLR"},
                             {"CBPwrte_MVB", "Power up timer"},
                             {"CBBoden_MVB", "Brown out reset"},
                             {"RGBorv", "Broun out voltage"},
                             {"GBID", "ID　（最大７文字）"},
                             {"CBWriteID", "Write"},
                             {"lWrite", "Write config with this settings"},
                             {"lRead", "Configration settings read from PIC"},
                             {"BtnCancel", "Cancel"},
                             {"BtnClose", "Close"}});
  EXPECT_EQ(test::ItemTexts(dlg, "RGDefaultOSC"), QStringList({"LP", "XT", "HS", "RC"}));
  EXPECT_EQ(test::ItemTexts(dlg, "RGInternalOSC"), QStringList({"LP", "XT", "IntRC", "ExtRC"}));
  EXPECT_EQ(test::ItemTexts(dlg, "RGVariousOSC"),
            QStringList({"LP", "XT", "HS", "EXT", "INTRC (RA6 = I/O)", "INTRC (RA6 = CLKOUT)", "ER      (RA6 = I/O)",
                         "ER      (RA6 = CLKOUT)"}));
  EXPECT_EQ(test::ItemTexts(dlg, "RGMclr"), QStringList({"MCLR is connected to VDD", "Enable MCLR"}));
  EXPECT_EQ(test::ItemTexts(dlg, "RGMclr_f62x"), QStringList({"MCLRはVDDに内部接続", "MCLRを有効にする"}));
  EXPECT_EQ(test::ItemTexts(dlg, "RGBorv"), QStringList({"4.5V", "4.2V", "2.7V", "2.5V"}));

  EXPECT_EQ(ItemIndex(dlg, "RGDefaultOSC"), -1);
  EXPECT_EQ(ItemIndex(dlg, "RGVariousOSC"), -1);
  EXPECT_EQ(ItemIndex(dlg, "RGMclr_f62x"), 0);
  EXPECT_EQ(ItemIndex(dlg, "RGBorv"), 3);
  EXPECT_TRUE(Checked("CBPwrte_f87x"));
  EXPECT_TRUE(Checked("CBPwrte_f62x"));
  EXPECT_TRUE(Checked("CBPwrte_MVB"));
  EXPECT_FALSE(Checked("CBWdt"));
  EXPECT_TRUE(Checked("CBWriteID"));
  EXPECT_FALSE(Check("CBDebug_f87x").isVisibleTo(&dlg));
  EXPECT_EQ(FuseLabel(), "");
  EXPECT_FALSE(Child<QFrame>(dlg, "BVFuseData").isVisibleTo(&dlg));
  EXPECT_EQ(Child<QLineEdit>(dlg, "EdtID").maxLength(), 7);
}

TEST_F(ConfigDlgTest, DeviceLabelNamesTheChip) {
  dlg.SelectDevice(PIC16F84);
  EXPECT_EQ(DeviceLabel(), "PIC16F84[A]");
  dlg.SelectDevice(PIC16C62A);
  EXPECT_EQ(DeviceLabel(), "PIC16C62A,B");
  dlg.SelectDevice(PIC12C508);
  EXPECT_EQ(DeviceLabel(), "PIC12C509");
  dlg.SelectDevice(PIC16F877);
  EXPECT_EQ(DeviceLabel(), "PIC16F877");
  dlg.SelectDevice(45);
  EXPECT_EQ(DeviceLabel(), "");
}

TEST_F(ConfigDlgTest, EachLayoutShowsItsPagesAndOptions) {
  dlg.SelectDevice(PIC16F877);
  EXPECT_EQ(CurrentPage(dlg, "NoteOSC"), "DefaultOSC");
  EXPECT_EQ(CurrentPage(dlg, "NoteOption"), "F87x");
  for (const char* name : {"CBPwrte_f87x", "CBBoden_f87x", "CBLvp_f87x", "CBWrt_f87x", "CBDebug_f87x"}) {
    EXPECT_TRUE(Check(name).isVisibleTo(&dlg)) << name;
  }
  dlg.SelectDevice(PIC16C77);
  EXPECT_EQ(CurrentPage(dlg, "NoteOption"), "F87x");
  EXPECT_TRUE(Check("CBPwrte_f87x").isVisibleTo(&dlg));
  EXPECT_TRUE(Check("CBBoden_f87x").isVisibleTo(&dlg));
  for (const char* name : {"CBLvp_f87x", "CBWrt_f87x", "CBDebug_f87x"}) {
    EXPECT_FALSE(Check(name).isVisibleTo(&dlg)) << name;
  }
  dlg.SelectDevice(PIC16F628);
  EXPECT_EQ(CurrentPage(dlg, "NoteOSC"), "VariousOSC");
  EXPECT_EQ(CurrentPage(dlg, "NoteOption"), "F62x");
  dlg.SelectDevice(PIC16C773);
  EXPECT_EQ(CurrentPage(dlg, "NoteOption"), "MV_BODEN");
  dlg.SelectDevice(PIC12C509);
  EXPECT_EQ(CurrentPage(dlg, "NoteOSC"), "InternalOSC");
  EXPECT_EQ(CurrentPage(dlg, "NoteOption"), "8pin");
  for (int device : {int{PIC16C84}, int{PIC16C745}, 60}) {
    dlg.SelectDevice(device);
    EXPECT_EQ(CurrentPage(dlg, "NoteOSC"), "DefaultOSC");
    EXPECT_EQ(CurrentPage(dlg, "NoteOption"), "Default");
  }
  EXPECT_TRUE(Check("CBWdt").isVisibleTo(&dlg));
}

TEST_F(ConfigDlgTest, ReadModeShowsTheWordAsReadFromAnErasedF877) {
  Use(PIC16F877, 0x3FFF);
  dlg.SetReadMode();
  EXPECT_EQ(ItemIndex(dlg, "RGDefaultOSC"), 3);
  EXPECT_TRUE(Checked("CBWdt"));
  EXPECT_FALSE(Checked("CBPwrte_f87x"));
  EXPECT_TRUE(Checked("CBBoden_f87x"));
  EXPECT_TRUE(Checked("CBLvp_f87x"));
  EXPECT_TRUE(Checked("CBWrt_f87x"));
  EXPECT_FALSE(Checked("CBDebug_f87x"));
  EXPECT_EQ(FuseLabel(), "フューズデータ : 3FFFH    ");
  EXPECT_TRUE(Child<QFrame>(dlg, "BVFuseData").isVisibleTo(&dlg));
  EXPECT_EQ(CurrentPage(dlg, "NoteMode"), "ReadMode");
  EXPECT_FALSE(Check("CBWriteID").isEnabled());
  EXPECT_EQ(dlg.Fuse(), 0x3FFF);
  EXPECT_TRUE(messages.boxes.empty());

  dlg.SetWriteMode();
  EXPECT_EQ(CurrentPage(dlg, "NoteMode"), "WriteMode");
  EXPECT_EQ(FuseLabel(), "");
  EXPECT_FALSE(Child<QFrame>(dlg, "BVFuseData").isVisibleTo(&dlg));
  EXPECT_TRUE(Check("CBWriteID").isEnabled());
}

TEST_F(ConfigDlgTest, WriteModePacksWhatTheUserChose) {
  Use(PIC16F877, 0x3FFF);
  dlg.SetWriteMode();
  test::ClickItem(dlg, "RGDefaultOSC", 1);
  for (const char* name : {"CBWdt", "CBBoden_f87x", "CBLvp_f87x", "CBWrt_f87x"}) Click(Check(name));
  EXPECT_EQ(dlg.Fuse(), 0x3D39);
  Click(Check("CBPwrte_f87x"));
  Click(Check("CBDebug_f87x"));
  EXPECT_EQ(dlg.Fuse(), 0x3531);

  Use(PIC16F628, 0x3F72);
  EXPECT_EQ(ItemIndex(dlg, "RGVariousOSC"), 6);
  EXPECT_EQ(ItemIndex(dlg, "RGMclr_f62x"), 1);
  EXPECT_EQ(dlg.Fuse(), 0x3D72);

  Use(PIC16C773, 0x3BFF);
  EXPECT_EQ(Child<RadioGroup>(dlg, "RGBorv").Item(ItemIndex(dlg, "RGBorv"))->text(), "2.7V");
}

TEST_F(ConfigDlgTest, EightPinChipsWriteNoIdAndTheGroupStaysOffAfterwards) {
  dlg.SetIDText("ABC");
  Use(PIC12C509, 0x0FFF);
  dlg.SetWriteMode();
  EXPECT_FALSE(Child<QGroupBox>(dlg, "GBID").isEnabled());
  EXPECT_FALSE(Checked("CBWriteID"));
  EXPECT_FALSE(Check("CBWriteID").isEnabled()) << "inside the disabled group";
  EXPECT_FALSE(Child<QLineEdit>(dlg, "EdtID").isEnabled());

  test::ClickItem(dlg, "RGInternalOSC", 1);
  test::ClickItem(dlg, "RGMclr", 1);
  Check("CBWdt").setChecked(true);
  EXPECT_EQ(dlg.Fuse(), 0x001D);
  EXPECT_FALSE(dlg.WriteIDChecked());

  dlg.SelectDevice(PIC16F84);
  EXPECT_TRUE(Child<QGroupBox>(dlg, "GBID").isEnabled());
  EXPECT_TRUE(Check("CBWriteID").isEnabled());
  EXPECT_FALSE(Checked("CBWriteID")) << "until the user checks it again";
  Click(Check("CBWriteID"));
  EXPECT_TRUE(dlg.WriteIDChecked());
  EXPECT_EQ(dlg.IDText(), "ABC");
}

TEST_F(ConfigDlgTest, WriteCheckBoxEnablesTheIdEditWithTheWindowColour) {
  auto& edit = Child<QLineEdit>(dlg, "EdtID");
  const QColor window = QApplication::palette().color(QPalette::Active, QPalette::Base);
  const QColor face = QApplication::palette().color(QPalette::Active, QPalette::Button);
  dlg.SelectDevice(PIC16F84);
  EXPECT_TRUE(edit.isEnabled());
  EXPECT_EQ(test::EditColour(edit), window);
  Click(Check("CBWriteID"));
  EXPECT_FALSE(edit.isEnabled());
  EXPECT_EQ(test::EditColour(edit), face);
  Click(Check("CBWriteID"));
  EXPECT_TRUE(edit.isEnabled());
}

TEST_F(ConfigDlgTest, DisplayOnlyDevicesShowAWordButCannotMakeOne) {
  Use(PIC16C745, 0x3FF6);
  EXPECT_TRUE(messages.boxes.empty());
  EXPECT_EQ(ItemIndex(dlg, "RGDefaultOSC"), 2);
  EXPECT_EQ(test::ItemTexts(dlg, "RGDefaultOSC"), (QStringList{"HS", "EC", "H4", "E4"})) << "the USB parts' own names";
  Use(PIC16C923, 0x3FF6);
  EXPECT_EQ(test::ItemTexts(dlg, "RGDefaultOSC"), (QStringList{"LP", "XT", "HS", "RC"}));
  EXPECT_EQ(ItemIndex(dlg, "RGDefaultOSC"), 2);
  Use(PIC16C765, 0x3FF4);
  EXPECT_TRUE(Checked("CBPwt"));
  EXPECT_EQ(dlg.Fuse(), 0xFFFF);
  ASSERT_EQ(messages.boxes.size(), 1u);
  EXPECT_EQ(messages.boxes[0].text, "このデバイスには対応していません。");
  EXPECT_EQ(messages.boxes[0].caption, "") << "the plain box";
}

TEST_F(ConfigDlgTest, UnsupportedDevicesRefuseBothWaysAndKeepTheControls) {
  Use(PIC16F84, 0x3FF9);
  dlg.SelectDevice(60);
  dlg.SetFuse(0x0000);
  ASSERT_EQ(messages.boxes.size(), 1u);
  EXPECT_EQ(messages.boxes[0].text, "このデバイスには対応していません。");
  EXPECT_EQ(ItemIndex(dlg, "RGDefaultOSC"), 1) << "no control changed";
  EXPECT_EQ(dlg.Fuse(), 0xFFFF);
  EXPECT_EQ(messages.boxes.size(), 2u);
  dlg.SetReadMode();
  EXPECT_EQ(FuseLabel(), "フューズデータ : 0000H    ") << "the word is kept all the same";
}

TEST_F(ConfigDlgTest, IdTextAndChoicesCarryOverBetweenUses) {
  dlg.SetIDText("ABCDEFGHIJ");
  EXPECT_EQ(dlg.IDText(), "ABCDEFG");
  Use(PIC16F84, 0x3FFF);
  dlg.SelectDevice(PIC16F877);
  EXPECT_EQ(dlg.IDText(), "ABCDEFG");
  EXPECT_EQ(ItemIndex(dlg, "RGDefaultOSC"), 3);
  auto& edit = Child<QLineEdit>(dlg, "EdtID");
  edit.clear();
  QTest::keyClicks(&edit, "12345678");
  EXPECT_EQ(dlg.IDText(), "1234567");
}

TEST_F(ConfigDlgTest, OkCancelAndCloseEndTheDialog) {
  Use(PIC16F84, 0x3FFF);
  dlg.SetWriteMode();
  test::OpenModal(dlg);
  Click(Child<QPushButton>(dlg, "BitBtn1"));
  EXPECT_EQ(dlg.result(), QDialog::Accepted);
  test::OpenModal(dlg);
  Click(Child<QPushButton>(dlg, "BtnCancel"));
  EXPECT_EQ(dlg.result(), QDialog::Rejected);
  dlg.SetReadMode();
  test::OpenModal(dlg);
  Click(Child<QPushButton>(dlg, "BtnClose"));
  EXPECT_FALSE(dlg.isVisible());
  EXPECT_EQ(dlg.result(), QDialog::Rejected);
}

}  // namespace
}  // namespace tarvel

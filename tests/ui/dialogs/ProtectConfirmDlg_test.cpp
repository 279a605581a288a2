#include "ui/dialogs/ProtectConfirmDlg.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

#include "DialogTestSupport.h"
#include "engine/pic/PicDevice.h"

namespace tarvel {
namespace {

using test::Child;
using test::Click;
using test::CurrentPage;

class ProtectConfirmDlgTest : public ::testing::Test {
 protected:
  RadioGroup& Range() { return Child<RadioGroup>(dlg, "RGRange"); }
  QCheckBox& DataBox() { return Child<QCheckBox>(dlg, "CBDataProtect"); }

  TProtectConfirmDlg dlg;
};

TEST_F(ProtectConfirmDlgTest, ShowsItsJapaneseTexts) {
  EXPECT_EQ(dlg.windowTitle(), "コードプロテクト確認");
  test::ExpectCaptions(dlg, {{"RGRange", "プログラムメモリー"},
                             {"CBDataProtect", "データメモリー"},
                             {"Label2", "コードプロテクトをかけますか？"},
                             {"BitBtn1", "はい(&Y)"},
                             {"BitBtn2", "いいえ(&N)"},
                             {"Label3", "このデバイスはコードプロテクトに対応していません。"}});
  EXPECT_TRUE(Child<QLabel>(dlg, "Label1").text().startsWith("コードプロテクトをかけると、"));
  EXPECT_TRUE(Child<QLabel>(dlg, "Label1").wordWrap());
  EXPECT_EQ(Child<QPushButton>(dlg, "BitBtn1").focusPolicy(), Qt::NoFocus) << "Yes is no tab stop";
}

TEST_F(ProtectConfirmDlgTest, AllOrNothingDeviceOffersAllSelected) {
  dlg.SelectDevice(PIC16F84);
  EXPECT_EQ(CurrentPage(dlg, "Notebook"), "default");
  ASSERT_EQ(Range().Count(), 1);
  EXPECT_EQ(Range().Item(0)->text(), "All (0000H-03FFH)");
  EXPECT_EQ(Range().ItemIndex(), 0);
  EXPECT_FALSE(DataBox().isVisibleTo(&dlg));
  EXPECT_EQ(dlg.ProtectLevel(), 0);
  EXPECT_FALSE(dlg.DataProtect());
}

TEST_F(ProtectConfirmDlgTest, F877OffersItsRangesAndDataProtection) {
  dlg.SelectDevice(PIC16F877);
  ASSERT_EQ(Range().Count(), 3);
  EXPECT_EQ(Range().Item(1)->text(), "Upper half (1000H-1FFFH)");
  EXPECT_EQ(Range().ItemIndex(), 2) << "not All while there is a choice";
  EXPECT_EQ(dlg.ProtectLevel(), 2);
  EXPECT_TRUE(DataBox().isVisibleTo(&dlg));
  EXPECT_FALSE(DataBox().isChecked());

  Click(*Range().Item(0));
  Click(DataBox());
  EXPECT_EQ(dlg.ProtectLevel(), 0);
  EXPECT_TRUE(dlg.DataProtect());
  Click(*Range().Item(1));
  EXPECT_EQ(dlg.ProtectLevel(), 1);
}

TEST_F(ProtectConfirmDlgTest, EachUseStartsAfresh) {
  dlg.SelectDevice(PIC16F877);
  Click(*Range().Item(0));
  Click(DataBox());
  dlg.SelectDevice(PIC16F627);
  ASSERT_EQ(Range().Count(), 2);
  EXPECT_EQ(Range().ItemIndex(), 1);
  EXPECT_FALSE(dlg.DataProtect());
  dlg.SelectDevice(PIC16C74);
  EXPECT_FALSE(DataBox().isVisibleTo(&dlg));
  EXPECT_EQ(Range().Count(), 3);
}

TEST_F(ProtectConfirmDlgTest, ADataChoiceLeftFromAnotherDeviceIsNotPassedOn) {
  dlg.SelectDevice(PIC16F877);
  Click(DataBox());
  dlg.SelectDevice(PIC16F84);
  DataBox().setChecked(true);  // hidden: the user cannot reach it
  EXPECT_FALSE(dlg.DataProtect());
}

TEST_F(ProtectConfirmDlgTest, DeviceWithoutProtectionGetsTheNotImplementedPage) {
  dlg.SelectDevice(45);
  EXPECT_EQ(CurrentPage(dlg, "Notebook"), "not_implemented");
  EXPECT_EQ(dlg.ProtectLevel(), -1);
  test::OpenModal(dlg);
  Click(Child<QPushButton>(dlg, "BitBtn3"));
  EXPECT_FALSE(dlg.isVisible());
  EXPECT_EQ(dlg.result(), QDialog::Rejected);
}

TEST_F(ProtectConfirmDlgTest, OnlyYesAccepts) {
  dlg.SelectDevice(PIC16F877);
  test::OpenModal(dlg);
  Click(Child<QPushButton>(dlg, "BitBtn1"));
  EXPECT_EQ(dlg.result(), QDialog::Accepted);

  test::OpenModal(dlg);
  Click(Child<QPushButton>(dlg, "BitBtn2"));
  EXPECT_EQ(dlg.result(), QDialog::Rejected);
}

TEST_F(ProtectConfirmDlgTest, EnterAndEscAnswerNo) {
  dlg.SelectDevice(PIC16F877);
  for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
    test::OpenModal(dlg);
    dlg.setResult(-1);
    ASSERT_TRUE(dlg.isVisible());
    QWidget* target = QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : &dlg;
    QTest::keyClick(target, key);
    EXPECT_FALSE(dlg.isVisible()) << key;
    EXPECT_EQ(dlg.result(), QDialog::Rejected) << key;
  }
  // With a range button in focus, Enter still means No.
  test::OpenModal(dlg);
  dlg.setResult(-1);
  Range().Item(0)->setFocus();
  QTest::keyClick(Range().Item(0), Qt::Key_Return);
  EXPECT_FALSE(dlg.isVisible());
  EXPECT_EQ(dlg.result(), QDialog::Rejected);
}

}  // namespace
}  // namespace tarvel

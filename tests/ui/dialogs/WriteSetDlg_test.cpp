#include "ui/dialogs/WriteSetDlg.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include "DialogTestSupport.h"
#include "platform/VirtualClock.h"
#include "support/RecordingMessages.h"

namespace tarvel {
namespace {

using test::Child;
using test::Click;

class WriteSetDlgTest : public ::testing::Test {
 protected:
  QLineEdit& FillEdit() { return Child<QLineEdit>(dlg, "EdtFillUpData"); }
  QSpinBox& Wait() { return Child<QSpinBox>(dlg, "UDWait"); }
  int32_t FillValueOf(const QString& text) {
    FillEdit().setText(text);
    return dlg.FillUpData();
  }

  test::RecordingMessages messages;
  VirtualClock clock;  // the measurement loop takes 30.6 ms: 3333
  TWriteSetDlg dlg{clock, messages};
};

TEST_F(WriteSetDlgTest, OpensWithTheEnglishCaptionsAndTheResourceState) {
  EXPECT_EQ(dlg.windowTitle(), "Write Setup");
  test::ExpectCaptions(dlg, {{"CBOverWriteEnable", "Don't overwrite the same data."},
                             {"GroupBox1", "Fill in empty area"},
                             {"CBFillUpEnable", "Fill UP"},
                             {"Label1", "with"},
                             {"Label2", "Ｈ"},
                             {"GroupBox2", "Write Wait"},
                             {"BtnMeasure", "Measure"},
                             {"RGPortSelect", "Parallel Port"},
                             {"GBPowerControl", "Power Control"},
                             {"CBStartPowerON", "Power on at start"},
                             {"CBEndPowerOFF", "Power off at end"},
                             {"CBStartGiveIO", "Auto Start GiveIO.sys"},
                             {"CancelButton", "Cancel"}});
  EXPECT_EQ(test::ItemTexts(dlg, "RGPortSelect"),
            QStringList({"AT (378H)", "AT (3BCH)", "AT (278H)", "PC98 (40H)", "PC98 (140H)"}));
  EXPECT_EQ(test::ItemIndex(dlg, "RGPortSelect"), 0);
  auto& access = Child<QComboBox>(dlg, "CBPortAccess");
  QStringList accessTexts;
  for (int i = 0; i < access.count(); ++i) accessTexts << access.itemText(i);
  EXPECT_EQ(accessTexts, QStringList({"Automatic", "Kernel parallel port device", "Direct I/O", "Simulated writer"}));

  EXPECT_FALSE(Child<QCheckBox>(dlg, "CBOverWriteEnable").isChecked());
  EXPECT_EQ(FillEdit().text(), "0000");
  EXPECT_FALSE(FillEdit().isEnabled());
  EXPECT_EQ(Wait().value(), 1);
  EXPECT_EQ(Wait().minimum(), 1);
  EXPECT_EQ(Wait().maximum(), 30000);
  EXPECT_FALSE(Wait().wrapping());
  EXPECT_TRUE(Child<QPushButton>(dlg, "CancelButton").isEnabled());
  EXPECT_EQ(clock.SpunRounds(), 0u) << "nothing is measured before a value is handed in";
}

TEST_F(WriteSetDlgTest, EveryValueComesBackAsHandedIn) {
  dlg.SetOverWriteEnable(true);
  dlg.SetWaitTime(1234);
  dlg.SetFillUpEnable(true);
  dlg.SetFillUpData(0x3FFF);
  dlg.SetPortType(NEC140);
  dlg.SetStartPowerON(true);
  dlg.SetEndPowerOFF(false);
  dlg.SetStartGiveIO(true);
  dlg.SetPortAccess(3);

  EXPECT_TRUE(dlg.OverWriteEnable());
  EXPECT_EQ(dlg.WaitTime(), 1234);
  EXPECT_TRUE(dlg.FillUpEnable());
  EXPECT_EQ(dlg.FillUpData(), 0x3FFF);
  EXPECT_EQ(dlg.PortType(), NEC140);
  EXPECT_TRUE(dlg.StartPowerON());
  EXPECT_FALSE(dlg.EndPowerOFF());
  EXPECT_TRUE(dlg.StartGiveIO());
  EXPECT_EQ(dlg.PortAccess(), 3);

  dlg.SetOverWriteEnable(false);
  dlg.SetFillUpEnable(false);
  dlg.SetStartPowerON(false);
  dlg.SetEndPowerOFF(true);
  dlg.SetStartGiveIO(false);
  EXPECT_FALSE(dlg.OverWriteEnable());
  EXPECT_FALSE(dlg.FillUpEnable());
  EXPECT_FALSE(dlg.StartPowerON());
  EXPECT_TRUE(dlg.EndPowerOFF());
  EXPECT_FALSE(dlg.StartGiveIO());
  for (int type = AT378; type <= NEC140; ++type) {
    dlg.SetPortType(type);
    EXPECT_EQ(dlg.PortType(), type);
  }
  for (int access = 0; access < 4; ++access) {
    dlg.SetPortAccess(access);
    EXPECT_EQ(dlg.PortAccess(), access);
  }
}

TEST_F(WriteSetDlgTest, OverwriteCheckBoxShowsTheNegation) {
  dlg.SetOverWriteEnable(true);
  EXPECT_FALSE(Child<QCheckBox>(dlg, "CBOverWriteEnable").isChecked());
  dlg.SetOverWriteEnable(false);
  EXPECT_TRUE(Child<QCheckBox>(dlg, "CBOverWriteEnable").isChecked());
  Click(Child<QCheckBox>(dlg, "CBOverWriteEnable"));
  EXPECT_TRUE(dlg.OverWriteEnable());
}

TEST_F(WriteSetDlgTest, StoredValuesOutsideTheControlsFallBackToSafeChoices) {
  dlg.SetPortType(7);
  EXPECT_EQ(dlg.PortType(), AT378);
  dlg.SetPortAccess(9);
  EXPECT_EQ(dlg.PortAccess(), 0);
  dlg.SetPortAccess(-1);
  EXPECT_EQ(dlg.PortAccess(), 0);
  dlg.SetWaitTime(50000);
  EXPECT_EQ(dlg.WaitTime(), 30000);
}

TEST_F(WriteSetDlgTest, AnUnmeasuredWaitIsMeasuredBeforeTheUserTouchesAnything) {
  dlg.SetWaitTime(0);
  EXPECT_EQ(dlg.WaitTime(), 3333);
  EXPECT_EQ(Wait().text(), "3,333");

  VirtualClock fresh;
  TWriteSetDlg again(fresh, messages);
  again.SetWaitTime(1);
  EXPECT_EQ(again.WaitTime(), 3333);

  const uint64_t spun = clock.SpunRounds();
  TWriteSetDlg stored(clock, messages);
  stored.SetWaitTime(2);
  EXPECT_EQ(stored.WaitTime(), 2);
  EXPECT_EQ(clock.SpunRounds(), spun);
}

TEST_F(WriteSetDlgTest, MeasureKeepsTheValueInRangeOnAnyMachine) {
  VirtualClock instant(1000, 0);  // the loop takes no time at all
  TWriteSetDlg fast(instant, messages);
  Click(Child<QPushButton>(fast, "BtnMeasure"));
  EXPECT_EQ(fast.WaitTime(), 30000);

  VirtualClock quick(1000, 0);
  TWriteSetDlg veryFast(quick, messages);
  veryFast.SetWaitTime(0);
  EXPECT_EQ(veryFast.WaitTime(), 30000);

  VirtualClock crawling(1000, 5000);  // 5 us a round: 153 s
  TWriteSetDlg slow(crawling, messages);
  Click(Child<QPushButton>(slow, "BtnMeasure"));
  EXPECT_EQ(slow.WaitTime(), 1);
}

TEST_F(WriteSetDlgTest, TheWaitShowsThousandsSeparators) {
  dlg.SetWaitTime(12345);
  EXPECT_EQ(Wait().text(), "12,345");
  Wait().selectAll();
  QTest::keyClicks(&Wait(), "27000");
  EXPECT_EQ(dlg.WaitTime(), 27000);
}

TEST_F(WriteSetDlgTest, FillValueIsShownInHexWithAtLeastFourDigits) {
  dlg.SetFillUpData(0x3FFF);
  EXPECT_EQ(FillEdit().text(), "3FFF");
  dlg.SetFillUpData(0x12);
  EXPECT_EQ(FillEdit().text(), "0012");
  dlg.SetFillUpData(0x1ABCDE);
  EXPECT_EQ(FillEdit().text(), "1ABCDE");
}

// The edit box takes one to four hex digits; OK with it empty tells the user
// and stays open instead of filling every empty cell with 0.
TEST_F(WriteSetDlgTest, FillValueTakesOneToFourHexDigitsOnly) {
  dlg.SetFillUpEnable(true);
  FillEdit().clear();
  QTest::keyClicks(&FillEdit(), "3fG-x12");
  EXPECT_EQ(FillEdit().text(), "3f12");
  FillEdit().clear();
  test::OpenModal(dlg);
  Click(Child<QPushButton>(dlg, "OkButton"));
  EXPECT_EQ(messages.Texts(),
            std::vector<std::string>{"Enter the fill value as one to four hexadecimal digits (0 to FFFF)."});
  EXPECT_TRUE(dlg.isVisible());
  QTest::keyClicks(&FillEdit(), "7");
  Click(Child<QPushButton>(dlg, "OkButton"));
  EXPECT_EQ(dlg.result(), QDialog::Accepted);
  EXPECT_EQ(dlg.FillUpData(), 7);
}

TEST_F(WriteSetDlgTest, FillTextIsReadDigitByDigit) {
  EXPECT_EQ(FillValueOf("3fff"), 0x3FFF);
  EXPECT_EQ(FillValueOf("3FFF"), 0x3FFF);
  EXPECT_EQ(FillValueOf("12G4"), 0x1204);
  EXPECT_EQ(FillValueOf(""), 0);
  EXPECT_EQ(FillValueOf(" 12"), 0x012);
  EXPECT_EQ(FillValueOf("FFFFFFFF"), -1);
  EXPECT_EQ(FillValueOf("123456789"), 0x23456789) << "beyond eight digits the value wraps";
  EXPECT_EQ(FillValueOf("３"), 0) << "a full-width digit is no digit";
}

TEST_F(WriteSetDlgTest, FillUpEnablesTheFillValueWithTheWindowColour) {
  const QColor window = QApplication::palette().color(QPalette::Active, QPalette::Base);
  const QColor face = QApplication::palette().color(QPalette::Active, QPalette::Button);
  ASSERT_NE(window, face);
  EXPECT_EQ(test::EditColour(FillEdit()), face);

  Click(Child<QCheckBox>(dlg, "CBFillUpEnable"));
  EXPECT_TRUE(FillEdit().isEnabled());
  EXPECT_EQ(test::EditColour(FillEdit()), window);

  Click(Child<QCheckBox>(dlg, "CBFillUpEnable"));
  EXPECT_FALSE(FillEdit().isEnabled());
  EXPECT_EQ(test::EditColour(FillEdit()), face);

  dlg.SetFillUpEnable(true);
  EXPECT_TRUE(FillEdit().isEnabled());
}

TEST_F(WriteSetDlgTest, OkAndCancelCloseWithTheirResults) {
  test::OpenModal(dlg);
  Click(Child<QPushButton>(dlg, "OkButton"));
  EXPECT_EQ(dlg.result(), QDialog::Accepted);
  EXPECT_FALSE(dlg.isVisible());

  test::OpenModal(dlg);
  Click(Child<QPushButton>(dlg, "CancelButton"));
  EXPECT_EQ(dlg.result(), QDialog::Rejected);
}

TEST_F(WriteSetDlgTest, FirstRunCannotBeCancelledButTheCloseBoxStillDismisses) {
  dlg.SetCancelEnabled(false);
  test::OpenModal(dlg);
  EXPECT_FALSE(Child<QPushButton>(dlg, "CancelButton").isEnabled());
  QTest::keyClick(&dlg, Qt::Key_Escape);
  EXPECT_TRUE(dlg.isVisible()) << "Esc stands for the disabled Cancel";
  dlg.close();
  EXPECT_FALSE(dlg.isVisible());
  EXPECT_EQ(dlg.result(), QDialog::Rejected);
}

TEST_F(WriteSetDlgTest, EscCancelsWhenCancelIsAvailable) {
  test::OpenModal(dlg);
  QTest::keyClick(&dlg, Qt::Key_Escape);
  EXPECT_FALSE(dlg.isVisible());
  EXPECT_EQ(dlg.result(), QDialog::Rejected);
}

}  // namespace
}  // namespace tarvel

// The ID write, write status, file setup and version dialogs.
#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "DialogTestSupport.h"
#include "ui/dialogs/AboutBox.h"
#include "ui/dialogs/FileSetDlg.h"
#include "ui/dialogs/IDWriteDlg.h"

namespace tarvel {
namespace {

using test::Child;
using test::Click;

TEST(IDWriteDlg, AsksForAtMostSevenCharacters) {
  TIDWriteDlg dlg;
  EXPECT_EQ(dlg.windowTitle(), "IDの書き込み");
  EXPECT_EQ(Child<QGroupBox>(dlg, "GBID").title(), "ID (Max 7 chars)");
  EXPECT_EQ(Child<QPushButton>(dlg, "BtnCancel").text(), "Cancel");
  EXPECT_EQ(dlg.IDText(), "");
  QTest::keyClicks(&Child<QLineEdit>(dlg, "EdtID"), "ABCDEFGH");
  EXPECT_EQ(dlg.IDText(), "ABCDEFG");
}

TEST(IDWriteDlg, OffersTheLastTextAgainAfterOkOrCancel) {
  TIDWriteDlg dlg;
  test::OpenModal(dlg);
  QTest::keyClicks(&Child<QLineEdit>(dlg, "EdtID"), "ABC");
  Click(Child<QPushButton>(dlg, "BitBtn1"));
  EXPECT_EQ(dlg.result(), QDialog::Accepted);
  test::OpenModal(dlg);
  EXPECT_EQ(dlg.IDText(), "ABC");
  Click(Child<QPushButton>(dlg, "BtnCancel"));
  EXPECT_EQ(dlg.result(), QDialog::Rejected);
  EXPECT_EQ(dlg.IDText(), "ABC");
}

TEST(FileSetDlg, ShowsItsCaptionsAndAnUnusableRefButton) {
  TFileSetDlg dlg;
  EXPECT_EQ(dlg.windowTitle(), "File setup");
  test::ExpectCaptions(dlg, {{"GBObjFile", "Object files"},
                             {"lFolder", "Folder"},
                             {"BtnObjFolder", "Ref..."},
                             {"RGHexType", "HEX file ext."},
                             {"RGBinType", "Binary file ext."},
                             {"BtnCancel", "Cancel"}});
  EXPECT_FALSE(Child<QPushButton>(dlg, "BtnObjFolder").isEnabled());
  EXPECT_EQ(test::ItemTexts(dlg, "RGHexType"), QStringList({"*.*", "*.OBJ ,  *.HEX", "*.OBJ", "*.HEX"}));
  EXPECT_EQ(test::ItemTexts(dlg, "RGBinType"), QStringList({"*.*", "*.OBJ ,  *.BIN", "*.OBJ", "*.BIN"}));
}

TEST(FileSetDlg, ValuesComeBackAsHandedInOrAsChosen) {
  TFileSetDlg dlg;
  dlg.SetObjPath("/home/user/pic");
  dlg.SetHexType(3);
  dlg.SetBinType(1);
  EXPECT_EQ(dlg.ObjPath(), "/home/user/pic");
  EXPECT_EQ(dlg.HexType(), 3);
  EXPECT_EQ(dlg.BinType(), 1);

  test::ClickItem(dlg, "RGHexType", 0);
  test::ClickItem(dlg, "RGBinType", 2);
  Child<QLineEdit>(dlg, "EdtObjPath").setText("/tmp/objects");
  EXPECT_EQ(dlg.HexType(), 0);
  EXPECT_EQ(dlg.BinType(), 2);
  EXPECT_EQ(dlg.ObjPath(), "/tmp/objects");

  dlg.SetHexType(7);
  dlg.SetBinType(-3);
  EXPECT_EQ(dlg.HexType(), -1) << "no selection";
  EXPECT_EQ(dlg.BinType(), -1);
}

TEST(FileSetDlg, OkAndCancelCloseWithTheirResults) {
  TFileSetDlg dlg;
  test::OpenModal(dlg);
  Click(Child<QPushButton>(dlg, "BitBtn1"));
  EXPECT_EQ(dlg.result(), QDialog::Accepted);
  test::OpenModal(dlg);
  Click(Child<QPushButton>(dlg, "BtnCancel"));
  EXPECT_EQ(dlg.result(), QDialog::Rejected);
}

TEST(AboutBox, ShowsTheVersionItIsGivenEveryTime) {
  TAboutBox dlg;
  EXPECT_EQ(dlg.windowTitle(), "ﾊﾞｰｼﾞｮﾝ情報");
  EXPECT_EQ(dlg.width(), 299);
  for (int opening = 0; opening < 2; ++opening) {
    dlg.SetVersion("Version 2.37 (English)");
    test::OpenModal(dlg);
    EXPECT_EQ(Child<QLabel>(dlg, "Version").text(), "Version 2.37 (English)");
    Click(Child<QPushButton>(dlg, "BitBtn1"));
    EXPECT_FALSE(dlg.isVisible());
  }
  EXPECT_FALSE(Child<QLabel>(dlg, "Image1").pixmap().isNull());
}

TEST(AboutBox, DetailsButtonOpensAndClosesTheText) {
  TAboutBox dlg;
  auto& button = Child<QPushButton>(dlg, "BtnMemo");
  auto& memoPanel = Child<QFrame>(dlg, "PanelMemo");
  EXPECT_EQ(button.text(), "詳細 >>");
  EXPECT_EQ(dlg.height(), 300);
  EXPECT_FALSE(memoPanel.isVisibleTo(&dlg));

  Click(button);
  EXPECT_EQ(button.text(), "詳細 <<");
  EXPECT_EQ(dlg.height(), 500);
  EXPECT_TRUE(memoPanel.isVisibleTo(&dlg));
  auto& memo = Child<QPlainTextEdit>(dlg, "Memo");
  EXPECT_TRUE(memo.isReadOnly());
  EXPECT_TRUE(memo.toPlainText().contains("VERSION HISTORY"));
  EXPECT_TRUE(memo.toPlainText().contains("2.37"));

  Click(button);
  EXPECT_EQ(button.text(), "詳細 >>");
  EXPECT_EQ(dlg.height(), 300);
  EXPECT_FALSE(memoPanel.isVisibleTo(&dlg));
}

TEST(AboutBox, TheOpenTextSurvivesClosingAndReopening) {
  TAboutBox dlg;
  test::OpenModal(dlg);
  Click(Child<QPushButton>(dlg, "BtnMemo"));
  dlg.close();
  test::OpenModal(dlg);
  EXPECT_EQ(dlg.height(), 500);
  EXPECT_EQ(Child<QPushButton>(dlg, "BtnMemo").text(), "詳細 <<");
  dlg.close();
}

}  // namespace
}  // namespace tarvel

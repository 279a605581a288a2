// Option > Language: the original texts ("As described"), or every text in English or in
// Japanese, at once and from then on.
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QStackedWidget>
#include <QToolButton>

#include "MainWindowFixture.h"
#include "ui/components/HexGrid.h"
#include "ui/dialogs/RadioGroup.h"
#include "ui/main/MainFormLayout.h"
#include "ui/main/TitlePanel.h"

namespace tarvel::test {
namespace {

class LanguageTest : public MainWindowTest {
 protected:
  const MainMenus& Menus() { return window->Menus(); }
  const MainFormLayout& Form() { return window->Form(); }
  void Choose(UiLanguage language) { Menus().LanguageItem(language)->trigger(); }
  QString Caption(const QToolButton* button) { return button->toolTip() + "|" + button->statusTip(); }
  QString LastText() { return messages.boxes.empty() ? QString() : messages.boxes.back().text; }
};

TEST_F(LanguageTest, EveryFixedTextOfTheWindowFollowsTheChoiceAtOnceAndTheNextStartKeepsIt) {
  StartOnSimulator();
  const auto original = [&] {
    EXPECT_EQ(Menus().File->title(), "File(&F)");
    EXPECT_EQ(Menus().SRomFile->title(), "ファイル(&F)");
    EXPECT_EQ(Menus().ProgWriteC->statusTip(), "Write configration fulse into PIC");
    EXPECT_EQ(Menus().DataWrite->statusTip(), "データをPICに書き込みます。");
    EXPECT_EQ(Caption(Form().SBWriteProg), "Write Program|Write program into PIC");
    EXPECT_EQ(Form().CBCategory->itemText(1), "ｼﾘｱﾙROM");
    EXPECT_EQ(Form().PnlProgTitle->Caption(), "Program");
    EXPECT_EQ(window->ProgTitle(), "New Program");
    EXPECT_EQ(Form().StatusPanel1->text(), "Writer: simulated");
  };
  original();
  EXPECT_TRUE(Menus().LanguageItem(UiLanguage::Original)->isChecked());

  Choose(UiLanguage::English);
  EXPECT_EQ(Menus().SRomFile->title(), "File(&F)");
  EXPECT_EQ(Menus().SRomDataCompare->statusTip(), "Compare data displayed with data in ROM.");
  EXPECT_EQ(Menus().ProgWriteC->statusTip(), "Write configuration fuse into PIC");
  EXPECT_EQ(Menus().DataWrite->statusTip(), "Write data into PIC data memory.");
  EXPECT_EQ(Form().CBCategory->itemText(1), "Serial ROM");

  Choose(UiLanguage::Japanese);
  EXPECT_EQ(Menus().File->title(), "ファイル(&F)");
  EXPECT_EQ(Menus().ProgWriteP->text(), "プログラムの書き込み(&W)");
  EXPECT_EQ(Menus().Language->title(), "言語(&L)");
  EXPECT_EQ(Caption(Form().SBWriteProg), "プログラムの書き込み|プログラムをPICに書き込みます。");
  EXPECT_EQ(Form().PnlProgTitle->Caption(), "プログラム");
  EXPECT_EQ(window->ProgTitle(), "新規プログラム");
  EXPECT_EQ(Form().StatusPanel1->text(), "ライター: シミュレーション");
  EXPECT_TRUE(window->Status().Label().toolTip().startsWith("チェックサム: "));

  Restart();
  EXPECT_EQ(StoredText("Form", "Language"), "2");
  EXPECT_TRUE(Menus().LanguageItem(UiLanguage::Japanese)->isChecked());
  EXPECT_EQ(Menus().File->title(), "ファイル(&F)");
  EXPECT_EQ(Form().PnlDataTitle->Caption(), "データ");
  EXPECT_TRUE(messages.boxes.empty());

  Choose(UiLanguage::Original);
  original();
}

TEST_F(LanguageTest, MessagesOfTheWindowAndOfTheCoreSpeakTheChosenLanguage) {
  WriteStore("[General]\nVersion=2.37\n\n[Form]\nLanguage=2\n\n[Write]\nPortAccess=3\nWaitTime=3333\n");
  StartShown();
  messages.Forget();
  window->Command().ProgWriteP->Run();
  EXPECT_EQ(LastText(), "書き込むプログラムがありません。");

  // The whole-chip question lists what the file holds, part by part.
  messages.answers = {false};
  window->LoadProgramHex(DataFile("pic16f84_blink_inhx8m.hex"));
  EXPECT_EQ(LastText(),
            "このファイルには コンフィグレーションワード 3FF1H、ID ワード 0001 0002 0003 0004、データEEPROM 4 バイト "
            "も入っています。これらも読み込みますか？");
  messages.answers = {true};
  window->Command().ProgWriteP->Run();
  EXPECT_TRUE(messages.boxes[messages.boxes.size() - 2].text.startsWith("プログラムを書き込みます。よろしいですか？\n"));
  EXPECT_EQ(LastText(), "書き込み終了");
  EXPECT_EQ(messages.boxes.back().caption, "Melfort 結果");

  // A read's title follows the language too.
  window->Command().ProgReadP->Run();
  EXPECT_TRUE(window->ProgTitle().startsWith("読み出しプログラム \n[")) << window->ProgTitle().toStdString();
  Choose(UiLanguage::English);
  EXPECT_TRUE(window->ProgTitle().startsWith("Read program \n[")) << window->ProgTitle().toStdString();

  // The serial EEPROM engine's own box, worded by the core in Japanese.
  ChooseInList(Form().CBCategory, 1);
  window->Command().SRomDevEraseCheck->Run();
  EXPECT_EQ(LastText(), "This device is erased.");
  EXPECT_EQ(messages.boxes.back().caption, "Erase Check");

  const QString broken = TempFile("broken.hex", ":0100000012ED\n:0100010034EE\n:00000001FF\n");
  window->LoadDataHex(broken);
  EXPECT_EQ(LastText(),
            "Line 2 of the HEX file: the record's checksum is EEH, its bytes give CAH.\n"
            "The file is damaged and was not loaded; build it again or take a good copy.");
}

TEST_F(LanguageTest, ADialogMadeBeforeTheChoiceOpensInTheNewLanguage) {
  StartOnSimulator();
  QStringList seen;
  const auto look = [&](QDialog& dialog) {
    seen << dialog.windowTitle() << dialog.findChild<QGroupBox*>("GBChipData")->title()
         << dialog.findChild<RadioGroup*>("RGChipDataTake")->Item(1)->text();
    return int(QDialog::Rejected);
  };
  messages.dialogAnswers = {look};
  window->Command().OptionFileSet->Run();
  Choose(UiLanguage::Japanese);
  messages.dialogAnswers = {look, [&](QDialog& dialog) {
                              seen << dialog.windowTitle() << dialog.findChild<QLabel*>("Version")->text();
                              return int(QDialog::Accepted);
                            }};
  window->Command().OptionFileSet->Run();
  window->Command().HelpVersion->Run();
  EXPECT_EQ(seen, (QStringList{"File setup", "Configuration, ID and EEPROM data in program HEX files", "Always take",
                               "ファイルの設定", "プログラムのHEXファイルにあるコンフィグ、ID、EEPROMデータ", "常に読み込む",
                               "ﾊﾞｰｼﾞｮﾝ情報", "バージョン 2.37 (日本語)"}));
}

}  // namespace
}  // namespace tarvel::test

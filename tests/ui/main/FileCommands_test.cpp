#include "MainWindowFixture.h"
#include "ui/components/HexGrid.h"
#include "ui/main/TitlePanel.h"

namespace tarvel::test {
namespace {

class FileCommandsTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    WriteCurrentStore("Category=0\nPICDevice=40\nSRomDevice=1");
    WriteStore(
        "[General]\nVersion=2.37\n[Write]\nCategory=0\nPICDevice=40\nSRomDevice=1\n[File]\nObjPath=" +
        dir.path() + "\nHexType=2\nBinType=3\n");
    StartShown();
    ASSERT_TRUE(messages.boxes.empty());
  }

  THexGrid& Program() { return *window->Form().HexGrid; }
  THexGrid& Data() { return *window->Form().DataHexGrid; }
  const MainMenus& Menus() { return window->Menus(); }
  const MainFormLayout& Form() { return window->Form(); }

  void OpenProgramHex(const QString& path) {
    messages.openAnswers.push_back(path);
    ClickButton(Form().SBProgOpen);
  }
  void OpenProgramBinary(const QString& path) {
    messages.openAnswers.push_back(path);
    ClickMenuItem(Menus().MenuProg, Menus().ProgBinOpen);
  }
  void OpenDataHex(const QString& path) {
    messages.openAnswers.push_back(path);
    ClickButton(Form().SBDataOpen);
  }
  void OpenDataBinary(const QString& path) {
    messages.openAnswers.push_back(path);
    ClickButton(Form().SBBinDataOpen);
  }

  static QByteArray Words(std::initializer_list<uint16_t> words) {
    QByteArray bytes;
    for (uint16_t word : words) {
      bytes.append(static_cast<char>(word & 0xFF));
      bytes.append(static_cast<char>(word >> 8));
    }
    return bytes;
  }
};

TEST_F(FileCommandsTest, ProgramHexFillsItsWordsAndLeavesTheRestBlank) {
  const QString path = CopyOfDataFile("pic16f84_blink_inhx8m.hex");
  messages.answers = {false};
  OpenProgramHex(path);
  ASSERT_EQ(messages.openRequests.size(), 1u);
  const FileDialogRequest& request = messages.openRequests[0];
  EXPECT_EQ(request.title, "Open HEX file");
  EXPECT_EQ(request.folder, dir.path());
  ASSERT_EQ(request.filters.size(), 4);
  EXPECT_EQ(request.filters[0], "HEX file(*.obj) (*.obj)") << "HexType 2 puts *.obj first";
  EXPECT_EQ(request.filters[3], "All(*.*) (*)");

  ASSERT_EQ(messages.boxes.size(), 1u) << "only the question about the rest of the chip";
  EXPECT_EQ(messages.boxes[0].text,
            "This file also holds the configuration word 3FF1H, the ID words 0001 0002 0003 0004 and 4 data EEPROM "
            "bytes. Take them too?");
  EXPECT_EQ(messages.boxes[0].checkText, "Do not ask again");
  EXPECT_FALSE(Data().IsO(0)) << "declined";
  EXPECT_EQ(Program().MaxAddress(), 0x3FF);
  EXPECT_EQ(Program().GetHexData(0), "2805");
  EXPECT_EQ(Program().GetHexData(4), "0009");
  EXPECT_EQ(Program().GetHexData(5), "1683");
  EXPECT_FALSE(Program().IsO(1));
  EXPECT_FALSE(Program().IsO(0x3FF));
  EXPECT_FALSE(Program().IsO(0x2007)) << "the configuration word is not part of the image";
  EXPECT_EQ(window->ProgTitle(), path);
  EXPECT_EQ(Form().PnlProgTitle->Caption(), path);
  EXPECT_EQ(window->ProgFileName(), path);
  EXPECT_TRUE(Menus().ProgReload->isEnabled());
  EXPECT_TRUE(Form().SBProgReload->isEnabled());
  EXPECT_TRUE(Menus().ProgSave->isEnabled());
  EXPECT_FALSE(Menus().DataReload->isEnabled()) << "the data pair stays as it was";
}

TEST_F(FileCommandsTest, CancelledOpenDialogChangesNothing) {
  OpenProgramHex(QString());
  EXPECT_EQ(window->ProgTitle(), "New Program");
  EXPECT_FALSE(Menus().ProgReload->isEnabled());
}

TEST_F(FileCommandsTest, ProgramHexWithOnlyAHighByteStopsThere) {
  // Word 0 whole, word 1 only its high byte (byte address 3).
  const QString path = TempFile("high.hex", ":020000003412B8\n:0100030056A6\n:0200040078562C\n:00000001FF\n");
  OpenProgramHex(path);
  EXPECT_EQ(messages.Texts(), QStringList{"HEX file load error"});
  EXPECT_EQ(Program().GetIntData(0), 0x1234);
  EXPECT_FALSE(Program().IsO(1));
  EXPECT_FALSE(Program().IsO(2)) << "the words after the faulty one stay blank";
  EXPECT_EQ(window->ProgTitle(), path);
  EXPECT_TRUE(window->ProgHistory().CurrentName().isEmpty()) << "the history is not told";
}

TEST_F(FileCommandsTest, ProgramHexWithOnlyALowByteGetsZeroAsHighByte) {
  const QString path = TempFile("low.hex", ":010000007A85\n:00000001FF\n");
  OpenProgramHex(path);
  EXPECT_EQ(Program().GetHexData(0), "007A");
}

TEST_F(FileCommandsTest, ProgramBinaryOfThreeBytesFillsOneWord) {
  const QString path = TempFile("three.bin", QByteArray("\x34\x12\x56", 3));
  OpenProgramBinary(path);
  EXPECT_TRUE(messages.boxes.empty());
  EXPECT_EQ(messages.openRequests[0].title, "Open binary file (Program)");
  EXPECT_EQ(messages.openRequests[0].filters[0], "Binary file(*.bin) (*.bin)");
  EXPECT_EQ(Program().GetIntData(0), 0x1234);
  EXPECT_FALSE(Program().IsO(1));
  EXPECT_EQ(window->ProgFileKind(), TPWMainForm::FileKind::Binary);
}

TEST_F(FileCommandsTest, ProgramBinaryLongerThanTheMemoryFillsItSilently) {
  QByteArray bytes;
  for (int word = 0; word < 1100; ++word) bytes += Words({static_cast<uint16_t>(word)});
  OpenProgramBinary(TempFile("long.bin", bytes));
  EXPECT_TRUE(messages.boxes.empty());
  EXPECT_EQ(Program().MaxAddress(), 0x3FF);
  EXPECT_EQ(Program().GetIntData(0x3FF), 0x3FF);
}

TEST_F(FileCommandsTest, MissingFilesAreToldWithTheirPath) {
  const QString missing = dir.filePath("nowhere.bin");
  OpenProgramBinary(missing);
  OpenDataBinary(missing);
  EXPECT_EQ(messages.Texts(), (QStringList{"Can not open " + missing, missing + "　を開けません"}));
  EXPECT_EQ(window->ProgTitle(), "New Program");
  EXPECT_FALSE(Menus().DataReload->isEnabled());
}

TEST_F(FileCommandsTest, DataHexBeyondTheGridIsCutWithItsMessage) {
  OpenDataHex(DataFile("eeprom24xx_table_inhx8m.hex"));
  EXPECT_EQ(messages.openRequests[0].title, "Open HEX file (Data area) ");
  EXPECT_EQ(messages.Texts(), QStringList{"File size is too big.\nThe head 64 bytes are read.\n"
                                          "Line 4 of the file holds the first byte beyond."});
  EXPECT_EQ(Data().GetHexData(0x25), "A5");
  EXPECT_EQ(Data().GetHexData(0x27), "80");
  EXPECT_FALSE(Data().IsO(0x28));
  EXPECT_TRUE(Menus().DataReload->isEnabled());
  EXPECT_EQ(window->DataHistory().CurrentName(), DataFile("eeprom24xx_table_inhx8m.hex"));
}

TEST_F(FileCommandsTest, DataBinaryOfExactlyTheGridLoadsQuietlyAndOneMoreIsTold) {
  OpenDataBinary(TempFile("exact.bin", QByteArray(64, '\x11')));
  EXPECT_TRUE(messages.boxes.empty());
  EXPECT_EQ(messages.openRequests[0].title, "ﾊﾞｲﾅﾘ・ﾌｧｲﾙを開く （データ）");
  EXPECT_EQ(Data().GetIntData(63), 0x11);

  OpenDataBinary(TempFile("over.bin", QByteArray(65, '\x22')));
  EXPECT_EQ(messages.Texts(), QStringList{"ファイルサイズが大きすぎます。\n先頭の64バイトを読み込みました。"});
  EXPECT_EQ(Data().GetIntData(63), 0x22);
}

// The mark and the refusal come from one test of the file, which holds for
// the super-user too: a file without write permission is not replaced.
TEST_F(FileCommandsTest, ReadOnlyFilesCarryTheirMarkInTheTitleAndOverwriteSaveIsRefused) {
  const QString program = TempFile("ro.bin", Words({1, 2}));
  const QString data = TempFile("ro_data.bin", QByteArray("\x01\x02", 2));
  QFile::setPermissions(program, QFileDevice::ReadOwner);
  QFile::setPermissions(data, QFileDevice::ReadOwner);
  OpenProgramBinary(program);
  OpenDataBinary(data);
  EXPECT_EQ(window->ProgTitle(), program + " [Overwriting is forbidden]");
  EXPECT_EQ(window->DataTitle(), data + " [書き込み禁止]");
  EXPECT_EQ(Program().GetIntData(1), 2);

  Program().WriteData(0, 0x3FFF);
  ClickMenuItem(Menus().MenuProg, Menus().ProgSave);
  EXPECT_EQ(messages.Texts(), QStringList{"Can not open " + program + "\nPermission denied"});
  EXPECT_EQ(FileBytes(program), Words({1, 2}));
}

TEST_F(FileCommandsTest, ReloadReadsTheFileAgainByItsKind) {
  const QString path = TempFile("prog.bin", Words({0x1111}));
  OpenProgramBinary(path);
  TempFile("prog.bin", Words({0x2222, 0x3333}));
  ClickButton(Form().SBProgReload);
  EXPECT_EQ(Program().GetIntData(0), 0x2222);
  EXPECT_EQ(Program().GetIntData(1), 0x3333);
  EXPECT_TRUE(messages.openRequests.size() == 1u) << "reload asks for no file";
}

TEST_F(FileCommandsTest, SavingACleanProgramWritesZeroWordsForEveryAddress) {
  const QString path = dir.filePath("out.bin");
  messages.saveAnswers.push_back(path);
  ClickButton(Form().SBBinProgSave);
  ASSERT_EQ(messages.saveRequests.size(), 1u);
  EXPECT_EQ(messages.saveRequests[0].title, "Save binary");
  EXPECT_EQ(messages.saveRequests[0].folder, dir.path());
  EXPECT_EQ(FileBytes(path), QByteArray(2 * 1024, '\0'));
  EXPECT_TRUE(Menus().ProgSave->isEnabled());
  EXPECT_EQ(window->ProgHistory().CurrentName(), path);
  EXPECT_TRUE(window->ProgFileName().isEmpty()) << "a save does not become the file to reload";
}

TEST_F(FileCommandsTest, SavedProgramHoldsTheGridWordsLowByteFirst) {
  messages.answers = {false};
  OpenProgramHex(DataFile("pic16f84_blink_inhx8m.hex"));
  const QString path = dir.filePath("blink.bin");
  messages.saveAnswers.push_back(path);
  ClickMenuItem(Menus().MenuProg, Menus().ProgBinSave);
  const QByteArray bytes = FileBytes(path);
  ASSERT_EQ(bytes.size(), 2 * 1024);
  EXPECT_EQ(bytes.left(4), Words({0x2805, 0}));
  EXPECT_EQ(bytes.mid(8, 4), Words({0x0009, 0x1683}));
}

TEST_F(FileCommandsTest, AnsweringNoToTheOverwriteQuestionShowsTheDialogAgain) {
  const QString existing = TempFile("existing.bin", "keep");
  const QString fresh = dir.filePath("fresh.bin");
  messages.saveAnswers = {existing, fresh};
  messages.answers = {false};
  ClickButton(Form().SBBinProgSave);
  ASSERT_EQ(messages.boxes.size(), 1u);
  EXPECT_EQ(messages.boxes[0].text, existing + "is already exist. Overwrite OK?");
  EXPECT_EQ(messages.boxes[0].caption, "Confirm overwriting");
  EXPECT_EQ(messages.boxes[0].icon, MessageIcon::Warning);
  EXPECT_EQ(messages.boxes[0].buttons, WindowMessages::Buttons::YesNo);
  EXPECT_EQ(messages.saveRequests.size(), 2u);
  EXPECT_EQ(FileBytes(existing), "keep");
  EXPECT_EQ(FileBytes(fresh).size(), 2 * 1024);
}

TEST_F(FileCommandsTest, AnsweringYesReplacesTheDataFile) {
  Data().WriteData(0, 0xAB);
  const QString existing = TempFile("existing.bin", "old contents");
  messages.saveAnswers = {existing};
  messages.answers = {true};
  ClickButton(Form().SBBinDataSave);
  EXPECT_EQ(messages.boxes[0].text, existing + "は存在します。上書きしますか？");
  EXPECT_EQ(messages.boxes[0].caption, "上書き確認");
  EXPECT_EQ(messages.saveRequests[0].title, "ﾊﾞｲﾅﾘ保存");
  QByteArray expected(64, '\0');
  expected[0] = '\xAB';
  EXPECT_EQ(FileBytes(existing), expected);
}

TEST_F(FileCommandsTest, SaveThatCannotBeWrittenIsToldAndWritesNothing) {
  const QString path = dir.filePath("no-such-folder/out.bin");
  messages.saveAnswers = {path, path};
  ClickButton(Form().SBBinProgSave);
  ClickButton(Form().SBBinDataSave);
  ASSERT_EQ(messages.boxes.size(), 2u);
  EXPECT_EQ(messages.boxes[0].text, "Can not open " + path + "\nNo such file or directory");
  EXPECT_EQ(messages.boxes[0].caption, "SaveError");
  EXPECT_EQ(messages.boxes[0].icon, MessageIcon::Error);
  EXPECT_EQ(messages.boxes[1].text, path + "を開けません.\nNo such file or directory");
  EXPECT_EQ(messages.boxes[1].caption, "保存エラー");
  EXPECT_FALSE(Menus().ProgSave->isEnabled());
  EXPECT_FALSE(Menus().DataSave->isEnabled());
  EXPECT_TRUE(window->ProgHistory().CurrentName().isEmpty());
  EXPECT_FALSE(QFile::exists(path));
}

TEST_F(FileCommandsTest, OverwriteSaveAfterAHexLoadAsksForBinary) {
  const QString path = CopyOfDataFile("pic16f84_blink_inhx8m.hex");
  const QByteArray before = FileBytes(path);
  messages.answers = {false};
  OpenProgramHex(path);
  messages.Forget();
  ClickMenuItem(Menus().MenuProg, Menus().ProgSave);
  EXPECT_EQ(messages.Texts(), QStringList{"Save as binary."});
  EXPECT_EQ(FileBytes(path), before);
}

TEST_F(FileCommandsTest, OverwriteSaveWritesTheLoadedBinaryFile) {
  const QString path = TempFile("data.bin", QByteArray(64, '\x01'));
  OpenDataBinary(path);
  Data().WriteData(3, 0x77);
  ClickMenuItem(Menus().MenuData, Menus().DataSave);
  EXPECT_EQ(FileBytes(path).at(3), '\x77');
}

TEST_F(FileCommandsTest, OverwriteSaveWritesTheFileTheTitleNames) {
  const QString loaded = TempFile("loaded.bin", QByteArray(64, '\x01'));
  const QString saved = dir.filePath("saved.bin");
  OpenDataBinary(loaded);
  messages.saveAnswers.push_back(saved);
  ClickButton(Form().SBBinDataSave);
  EXPECT_EQ(window->DataTitle(), saved);
  Data().WriteData(0, 0x42);
  ClickMenuItem(Menus().MenuData, Menus().DataSave);
  EXPECT_EQ(FileBytes(saved).at(0), '\x42');
  EXPECT_EQ(FileBytes(loaded), QByteArray(64, '\x01'));
  EXPECT_EQ(window->DataFileName(), loaded) << "reload still reads the file loaded";
}

TEST_F(FileCommandsTest, OverwriteSaveAfterNewNeverWritesTheOlderFile) {
  const QString older = TempFile("older.bin", Words({0x1111}));
  OpenProgramBinary(older);
  ClickMenuItem(Menus().MenuProg, Menus().ProgNew);
  EXPECT_EQ(window->ProgTitle(), "New program");
  EXPECT_FALSE(Menus().ProgSave->isEnabled());
  EXPECT_FALSE(Menus().ProgReload->isEnabled());

  const QString saved = dir.filePath("saved.bin");
  messages.saveAnswers.push_back(saved);
  ClickButton(Form().SBBinProgSave);
  ASSERT_TRUE(Menus().ProgSave->isEnabled());
  Program().WriteData(0, 0x2222);
  ClickMenuItem(Menus().MenuProg, Menus().ProgSave);
  EXPECT_EQ(FileBytes(older), Words({0x1111}));
  EXPECT_EQ(FileBytes(saved).left(2), Words({0x2222}));
}

TEST_F(FileCommandsTest, ADeviceChangeKeepsOverwriteSaveFromWritingTheEmptiedImageOverTheFile) {
  const QString program = TempFile("program.bin", Words({0x1234, 0x0567}));
  const QString data = TempFile("data.bin", QByteArray(64, '\x5A'));
  OpenProgramBinary(program);
  OpenDataBinary(data);
  ChooseInList(Form().CBPICDevice, PIC16F877);
  EXPECT_FALSE(Program().IsO(0));
  EXPECT_FALSE(Menus().ProgSave->isEnabled());
  EXPECT_FALSE(Menus().DataSave->isEnabled());
  EXPECT_EQ(window->ProgTitle(), "New program") << "the title no longer names the file";
  EXPECT_EQ(window->DataTitle(), "New data");
  EXPECT_TRUE(Menus().ProgReload->isEnabled()) << "reload brings the file back in the new size";
  ClickButton(Form().SBProgReload);
  EXPECT_EQ(Program().GetIntData(0), 0x1234);
  EXPECT_EQ(window->ProgTitle(), program);
  EXPECT_TRUE(Menus().ProgSave->isEnabled());

  OpenDataBinary(data);
  ChooseInList(Form().CBCategory, 1);
  EXPECT_EQ(window->DataTitle(), "New data");
  OpenDataBinary(data);
  ASSERT_TRUE(Menus().SRomDataSave->isEnabled());
  ChooseInList(Form().CBSRomDevice, SROM24xx256);
  EXPECT_FALSE(Menus().SRomDataSave->isEnabled());
  EXPECT_EQ(window->DataTitle(), "New data");
  EXPECT_EQ(FileBytes(program), Words({0x1234, 0x0567}));
  EXPECT_EQ(FileBytes(data), QByteArray(64, '\x5A'));
}

TEST_F(FileCommandsTest, DataCommandsServeTheSerialRomCategoryToo) {
  ChooseInList(window->Form().CBCategory, 1);
  ChooseInList(window->Form().CBSRomDevice, SROM24xx04);
  messages.openAnswers.push_back(DataFile("eeprom24xx_table_inhx8m.hex"));
  ClickMenuItem(Menus().SROMData, Menus().SRomDataHexOpen);
  EXPECT_TRUE(messages.boxes.empty()) << messages.Texts().join('|').toStdString();
  EXPECT_EQ(Data().GetHexData(0x100), "74");
  EXPECT_EQ(Data().GetHexData(0x105), "6C");
  EXPECT_TRUE(Menus().SRomDataReload->isEnabled());
  EXPECT_TRUE(Menus().DataReload->isEnabled()) << "one command, both bars";
  ClickMenuItem(Menus().SROMData, Menus().SRomDataNew);
  EXPECT_FALSE(Data().IsO(0x100));
  EXPECT_EQ(window->DataTitle(), "New data");
  EXPECT_FALSE(Menus().SRomDataReload->isEnabled());
}

}  // namespace
}  // namespace tarvel::test

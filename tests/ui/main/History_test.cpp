#include "MainWindowFixture.h"
#include "ui/components/HexGrid.h"

namespace tarvel::test {
namespace {

class HistoryTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    WriteCurrentStore("Category=0\nPICDevice=40");
    StartShown();
  }

  QString ProgramFile(const QString& name) { return TempFile(name, QByteArray("\x01\x00", 2)); }

  void Open(const QString& path, bool hex) {
    messages.openAnswers.push_back(path);
    ClickMenuItem(window->Menus().MenuProg, hex ? window->Menus().ProgHexOpen : window->Menus().ProgBinOpen);
  }

  // The texts of the entries after the program history's separator.
  QStringList ProgramEntries() {
    const QList<QAction*> items = window->Menus().MenuProg->actions();
    const int anchor = items.indexOf(window->Menus().PicProgSeparator);
    QStringList texts;
    for (int k = anchor + 1; k < items.size(); ++k) texts << items[k]->text();
    return texts;
  }
};

TEST_F(HistoryTest, EarlierFilesAreListedMostRecentFirstAndTheCurrentOneIsNot) {
  const QString a = TempFile("a.hex", ":020000003412B8\n:00000001FF\n");
  const QString b = TempFile("b.hex", ":02000000785630\n:00000001FF\n");
  const QString c = ProgramFile("c.bin");
  Open(a, true);
  Open(b, true);
  Open(c, false);
  EXPECT_EQ(ProgramEntries(), (QStringList{"&1 " + b + "\t[Hex]", "&2 " + a + "\t[Hex]"}));
  EXPECT_EQ(window->ProgHistory().CurrentName(), c);
  const QList<QAction*> items = window->Menus().MenuProg->actions();
  EXPECT_EQ(items.last()->statusTip(), a + "を開く");
}

TEST_F(HistoryTest, AnEntryReopensItsFileByTypeAndTakesItOutOfTheList) {
  const QString a = TempFile("a.hex", ":020000003412B8\n:00000001FF\n");
  const QString b = ProgramFile("b.bin");
  Open(a, true);
  Open(b, false);
  ASSERT_EQ(ProgramEntries().size(), 1);
  QAction* entry = window->Menus().MenuProg->actions().last();
  ClickMenuItem(window->Menus().MenuProg, entry);
  EXPECT_EQ(window->Form().HexGrid->GetIntData(0), 0x1234) << "a.hex was read as HEX";
  EXPECT_EQ(window->ProgFileKind(), TPWMainForm::FileKind::Hex);
  EXPECT_EQ(ProgramEntries(), QStringList{"&1 " + b + "\t[Bin]"});
  EXPECT_TRUE(messages.openRequests.size() == 2u) << "the entry opens without a dialog";
}

TEST_F(HistoryTest, ReloadLeavesTheListAndNewPushesTheCurrentFile) {
  const QString a = ProgramFile("a.bin");
  const QString b = ProgramFile("b.bin");
  Open(a, false);
  Open(b, false);
  ClickButton(window->Form().SBProgReload);
  EXPECT_EQ(ProgramEntries(), QStringList{"&1 " + a + "\t[Bin]"});
  ClickMenuItem(window->Menus().MenuProg, window->Menus().ProgNew);
  EXPECT_EQ(ProgramEntries(), (QStringList{"&1 " + b + "\t[Bin]", "&2 " + a + "\t[Bin]"}));
  ClickMenuItem(window->Menus().MenuProg, window->Menus().ProgNew);
  EXPECT_EQ(ProgramEntries().size(), 2) << "a second New changes nothing";
}

TEST_F(HistoryTest, SixFilesKeepFiveEntriesAndARestartBringsThemBackInOrder) {
  QStringList files;
  for (int k = 1; k <= 6; ++k) {
    files << ProgramFile(QString("f%1.bin").arg(k));
    Open(files.last(), false);
  }
  EXPECT_EQ(ProgramEntries().size(), 5);
  EXPECT_EQ(ProgramEntries().first(), "&1 " + files[4] + "\t[Bin]");

  Restart();
  QStringList expected;
  for (int k = 0; k < 5; ++k) expected << QString("&%1 %2\t[Bin]").arg(k + 1).arg(files[5 - k]);
  EXPECT_EQ(ProgramEntries(), expected) << "the last current file first, the oldest dropped";
  EXPECT_EQ(StoredText("File", "PICProgHistryNum"), "5");
  EXPECT_EQ(StoredText("File", "PICProgHistry0"), files[5]);
  EXPECT_EQ(StoredText("File", "PICProgHistryType0"), "Bin");
}

TEST_F(HistoryTest, PathsDifferingOnlyInCaseAreTwoFiles) {
  const QString lower = ProgramFile("same.bin");
  const QString upper = ProgramFile("SAME.bin");
  const QString other = ProgramFile("other.bin");
  Open(lower, false);
  Open(other, false);
  Open(upper, false);
  EXPECT_EQ(ProgramEntries(), (QStringList{"&1 " + other + "\t[Bin]", "&2 " + lower + "\t[Bin]"}));
}

TEST_F(HistoryTest, DataHistoryStandsInTheDataMenuOnly) {
  const QString data = TempFile("d.bin", QByteArray(4, '\x05'));
  const QString next = TempFile("e.bin", QByteArray(4, '\x06'));
  for (const QString& path : {data, next}) {
    messages.openAnswers.push_back(path);
    ClickButton(window->Form().SBBinDataOpen);
  }
  EXPECT_EQ(window->Menus().MenuData->actions().last()->text(), "&1 " + data + "\t[Bin]");
  EXPECT_TRUE(ProgramEntries().isEmpty());
  EXPECT_EQ(window->Menus().SROMData->actions().last(), window->Menus().SROMDataSeparator)
      << "the serial ROM menu has no history";
}

TEST_F(HistoryTest, AnAmpersandInAPathStaysText) {
  const QString odd = ProgramFile("R&D.bin");
  Open(odd, false);
  ClickMenuItem(window->Menus().MenuProg, window->Menus().ProgNew);
  QString shown = odd;
  shown.replace("&", "&&");
  EXPECT_EQ(ProgramEntries(), QStringList{"&1 " + shown + "\t[Bin]"});
}

TEST_F(HistoryTest, AMissingListedFileIsToldAndKeepsItsEntry) {
  const QString gone = ProgramFile("gone.bin");
  Open(gone, false);
  ClickMenuItem(window->Menus().MenuProg, window->Menus().ProgNew);
  QFile::remove(gone);
  ClickMenuItem(window->Menus().MenuProg, window->Menus().MenuProg->actions().last());
  EXPECT_EQ(messages.Texts(), QStringList{"Can not open " + gone});
  EXPECT_EQ(ProgramEntries(), QStringList{"&1 " + gone + "\t[Bin]"});
}

}  // namespace
}  // namespace tarvel::test

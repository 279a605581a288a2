#include "ui/main/CommandLine.h"

#include <QProcess>

#include "MainWindowFixture.h"
#include "ui/components/HexGrid.h"

namespace tarvel::test {
namespace {

TEST(CommandLineTest, TakesOneProgramFileAndADataFileAndNamesMistakes) {
  struct Case {
    QStringList arguments;
    bool ok;
    QString programFile, dataFile, error;
  };
  const Case cases[] = {
      {{"tarvel"}, true, "", "", ""},
      {{"tarvel", "--data", "e.bin", "p.hex"}, true, "p.hex", "e.bin", ""},
      {{"tarvel", "a.hex", "b.hex"}, false, "", "",
       "Only one program file can be opened; 2 were given. Use --data FILE for the data image."},
      {{"tarvel", "--data"}, false, "", "", "Missing value after '--data'."},
  };
  for (const Case& c : cases) {
    CommandLine line;
    EXPECT_EQ(line.Parse(c.arguments), c.ok) << c.arguments.join(' ').toStdString();
    EXPECT_EQ(line.ErrorText(), c.error);
    if (!c.ok) continue;
    EXPECT_EQ(line.ProgramFile(), c.programFile);
    EXPECT_EQ(line.DataFile(), c.dataFile);
  }
}

// The terminal texts speak the language the window was left in.
TEST(CommandLineTest, HelpAndMistakesSpeakTheStoredLanguage) {
  QTemporaryDir config;
  QDir().mkpath(config.filePath("Melfort"));
  QFile store(config.filePath("Melfort/tarvel.conf"));
  ASSERT_TRUE(store.open(QIODevice::WriteOnly));
  store.write("[General]\nVersion=2.37\n\n[Form]\nLanguage=2\n");
  store.close();
  const auto run = [&](const QStringList& arguments) {
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_CONFIG_HOME", config.path());
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    program.setProcessEnvironment(environment);
    program.start(TARVEL_PROGRAM, arguments);
    EXPECT_TRUE(program.waitForFinished(20000));
    return QString::fromLocal8Bit(program.readAllStandardOutput() + program.readAllStandardError());
  };
  const QString help = run({"--help"});
  EXPECT_TRUE(help.contains("このヘルプを表示します。")) << help.toStdString();
  EXPECT_TRUE(help.contains("--data <FILE>")) << help.toStdString();
  const QString mistake = run({"a.hex", "b.hex"});
  EXPECT_TRUE(mistake.contains("開けるプログラムファイルは1つだけですが、2 個指定されました。")) << mistake.toStdString();
  EXPECT_TRUE(mistake.contains("詳しくは 'tarvel --help' を実行してください。")) << mistake.toStdString();
}

class StartFilesTest : public MainWindowTest {
 protected:
  void TearDown() override {
    QDir::setCurrent(startFolder);
    MainWindowTest::TearDown();
  }
  const QString startFolder = QDir::currentPath();
};

// A start in the serial ROM category with a program file and a data file
// named relative to the folder the program was started in.
TEST_F(StartFilesTest, ProgramFileTurnsToPicAndBothLoadAsTheirOpenCommandsLoadThem) {
  WriteCurrentStore("Category=1\nPICDevice=40\nSRomDevice=1");
  StartShown();
  ASSERT_TRUE(messages.boxes.empty());
  QFile::copy(DataFile("pic16f84_blink_inhx8m.hex"), dir.filePath("blink.hex"));
  TempFile("EEPROM.BIN", QByteArray("\x12\x34\x56", 3));
  QDir::setCurrent(dir.path());
  CommandLine line;
  ASSERT_TRUE(line.Parse({"tarvel", "--data", "EEPROM.BIN", "blink.hex"}));

  // The program file's EEPROM bytes are taken, and the data file named
  // beside it replaces them.
  messages.answers = {true};
  window->OpenStartFiles(line.ProgramFile(), line.DataFile());
  EXPECT_EQ(messages.boxes.size(), 1u) << messages.Texts().join('\n').toStdString();
  EXPECT_EQ(window->Form().CBCategory->currentText(), "PIC");
  EXPECT_FALSE(window->Form().PnlProg->isHidden());
  EXPECT_EQ(window->Form().HexGrid->GetHexData(0), "2805");
  EXPECT_EQ(window->ProgTitle(), dir.filePath("blink.hex"));
  EXPECT_EQ(window->ProgFileKind(), TPWMainForm::FileKind::Hex);
  EXPECT_EQ(window->ProgHistory().CurrentName(), dir.filePath("blink.hex"));
  EXPECT_EQ(window->Form().DataHexGrid->GetHexData(2), "56");
  EXPECT_FALSE(window->Form().DataHexGrid->IsO(3));
  EXPECT_EQ(window->DataFileName(), dir.filePath("EEPROM.BIN"));
  EXPECT_EQ(window->DataFileKind(), TPWMainForm::FileKind::Binary);
  EXPECT_TRUE(window->Command().DataReload->Enabled());
}

TEST_F(StartFilesTest, MissingFileAndDeviceWithoutDataMemoryAreTold) {
  WriteCurrentStore("Category=0\nPICDevice=0");
  StartShown();
  messages.Forget();
  const QString data = TempFile("eeprom.bin", QByteArray(16, '\x5A'));

  window->OpenStartFiles(dir.filePath("missing.hex"), data);
  EXPECT_EQ(messages.Texts(),
            QStringList({"ファイルをオープンできませんでした。",
                         "The data file " + data +
                             " was not opened: PIC12C508 has no data EEPROM.\nChoose a device with data EEPROM "
                             "or the serial ROM category, then open the file again."}));
  EXPECT_FALSE(window->Form().HexGrid->IsO(0));
  EXPECT_TRUE(window->DataFileName().isEmpty());
  EXPECT_TRUE(window->ProgFileName().isEmpty());
}

}  // namespace
}  // namespace tarvel::test

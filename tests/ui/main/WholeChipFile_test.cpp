#include <gmock/gmock.h>

#include <QCheckBox>
#include <QLabel>

#include "PicWindowFixture.h"
#include "files/PicHexImage.h"
#include "support/RecordingMessages.h"
#include "ui/dialogs/RadioGroup.h"
#include "ui/main/ImageStatus.h"

namespace tarvel::test {
namespace {

using ::testing::HasSubstr;

class WholeChipFileTest : public PicWindowTest {
 protected:
  void OpenProgramHex(const QString& path) {
    messages.openAnswers.push_back(path);
    ClickMenuItem(Menus().MenuProg, Menus().ProgHexOpen);
  }

  void SaveHex(QMenu* menu, QAction* item, const QString& path, int filter) {
    messages.saveAnswers.push_back(path);
    messages.saveFilterAnswers.push_back(filter);
    ClickMenuItem(menu, item);
  }

  QString StatusText() {
    QTest::qWait(1);
    return window->Status().Label().text();
  }

  std::unique_ptr<THexSource> Read(const QString& path) {
    auto hex = std::make_unique<THexSource>(files);
    EXPECT_EQ(hex->LoadFile(path.toStdString()), 1) << path.toStdString();
    return hex;
  }

  RecordingMessages files;
};

struct Family {
  const char* file;
  PIC_DEVICES device;
  const char* takeQuestion;
  int saveFilter;  // 0 INHX8M, 4 and on INHX32
};

class WholeChipRoundTrip : public WholeChipFileTest, public ::testing::WithParamInterface<Family> {};

// Loaded, written with Write ALL, read back into empty panes and saved: the
// saved file holds every byte gpasm's holds, and erased cells beside them.
TEST_P(WholeChipRoundTrip, AssemblerFileGoesToTheChipAndComesBackAsTheSameBytes) {
  const Family family = GetParam();
  Use(family.device);
  const PicHexLayout layout = HexLayoutOf(family.device);
  const bool eeprom = layout.dataBytes > 0;
  const QString source = DataFile(family.file);
  messages.answers = {true};
  OpenProgramHex(source);
  EXPECT_EQ(messages.Texts(), QStringList{family.takeQuestion});
  if (eeprom) {
    EXPECT_EQ(window->DataTitle(), source);
  }
  EXPECT_THAT(StatusText().toStdString(), HasSubstr(" (file)"));

  messages.Forget();
  messages.answers = {true};
  ClickMenuItem(Menus().KI1, Menus().DeviceWriteAll);
  EXPECT_TRUE(messages.dialogs.isEmpty()) << "no configuration dialog";
  ASSERT_EQ(messages.boxes.size(), 2u) << messages.Texts().join('|').toStdString();
  EXPECT_TRUE(
      messages.boxes[0].text.startsWith("You are going to write the whole chip. OK?\n" + source + "\n\nprogram "));
  EXPECT_EQ(messages.boxes[1].text, "Completed successfully");

  ClickMenuItem(Menus().MenuProg, Menus().ProgNew);
  PressKey(Qt::Key_F9);
  if (eeprom) {
    ClickMenuItem(Menus().MenuData, Menus().DataNew);
    PressKey(Qt::Key_F10);
  }
  messages.dialogAnswers.push_back([](QDialog&) { return int(QDialog::Rejected); });
  PressKey(Qt::Key_F11);
  const QString saved = dir.filePath("saved.hex");
  SaveHex(Menus().MenuProg, Menus().ProgHexSave, saved, family.saveFilter);
  EXPECT_EQ(window->ProgTitle(), saved);

  const auto assembled = Read(source);
  const auto ours = Read(saved);
  const int32_t lastWord = layout.programWords - 1;
  for (int32_t a = 0; a < THexSource::kImageSize; ++a) {
    if (assembled->Written()[a]) {
      ASSERT_TRUE(ours->Written()[a]) << a;
      ASSERT_EQ(ours->Buffer()[a], assembled->Buffer()[a]) << a;
    } else if (ours->Written()[a]) {
      // A blank word, or a data EEPROM byte FFH with its 00 high byte; the
      // 12-bit parts keep their oscillator calibration in the last word.
      const bool program = a / 2 <= lastWord;
      const uint16_t word = program && a / 2 == lastWord ? Chip().Program().Read(lastWord)
                            : program                    ? layout.wordMask
                                                         : 0x00FF;
      ASSERT_EQ(ours->Buffer()[a], a % 2 == 0 ? word & 0xFF : word >> 8) << a;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    EachFamily, WholeChipRoundTrip,
    ::testing::Values(
        Family{"pic16f84_blink_inhx8m.hex", PIC16F84,
               "This file also holds the configuration word 3FF1H, the ID words 0001 0002 0003 0004 and 4 data "
               "EEPROM bytes. Take them too?",
               0},
        Family{"pic16f877_whole_inhx32.hex", PIC16F877,
               "This file also holds the configuration word 3F72H, the ID words 0005 000A 0003 000C and 256 data "
               "EEPROM bytes. Take them too?",
               5},
        Family{"pic12c509_whole_inhx8m.hex", PIC12C509,
               "This file also holds the configuration word 0FEDH. Take it too?", 0}),
    [](const auto& info) { return std::string(kPicDevices[info.param.device].displayName).substr(0, 9); });

TEST_F(WholeChipFileTest, MisfitsAreToldAndTheFileSetupDecidesWhatIsTakenAndSaved) {
  Use(PIC16F84);
  const QString f877 = DataFile("pic16f877_whole_inhx8m.hex");
  messages.answers = {false};
  messages.checkAnswers = {true};
  OpenProgramHex(f877);
  ASSERT_EQ(messages.boxes.size(), 2u);
  EXPECT_EQ(messages.boxes[0].text,
            "Not everything in " + f877 +
                " fits the PIC16F84. These parts were not loaded:\n"
                "- program words 1FFCH to 1FFEH (from line 4): the PIC16F84's program memory ends at 03FFH\n"
                "- data EEPROM bytes 40H to FFH (from line 15): the PIC16F84 has 64 bytes of data EEPROM\n\n"
                "If the file was made for another device, choose that device and open the file again.");
  EXPECT_EQ(messages.boxes[0].icon, MessageIcon::Warning);
  EXPECT_TRUE(messages.boxes[1].text.startsWith("This file also holds the configuration word 3F72H"));
  EXPECT_FALSE(Data().IsO(0));

  // "Do not ask again" with No: never taken, as the File Setup then shows.
  const QString blink = CopyOfDataFile("pic16f84_blink_inhx8m.hex");
  messages.Forget();
  OpenProgramHex(blink);
  EXPECT_TRUE(messages.boxes.empty());
  messages.dialogAnswers.push_back([](QDialog& dialog) {
    auto* take = dialog.findChild<RadioGroup*>("RGChipDataTake");
    EXPECT_EQ(take->ItemIndex(), 2);
    take->SetItemIndex(1);
    EXPECT_TRUE(dialog.findChild<QCheckBox*>("CBChipDataSave")->isChecked());
    dialog.findChild<QCheckBox*>("CBChipDataSave")->setChecked(false);
    return int(QDialog::Accepted);
  });
  ClickMenuItem(Menus().Option, Menus().OptionFileSet);

  // Always take: no question, the data pane names the file, the status bar
  // the configuration word.
  OpenProgramHex(blink);
  EXPECT_TRUE(messages.boxes.empty());
  EXPECT_EQ(Data().GetHexData(3), "A5");
  EXPECT_EQ(window->DataTitle(), blink);
  EXPECT_FALSE(window->Command().DataReload->Enabled());
  EXPECT_THAT(StatusText().toStdString(), HasSubstr("Config 3FF1H (file)"));

  // The File Setup's box unticked: a program HEX holds the program alone.
  const QString saved = dir.filePath("program.hex");
  SaveHex(Menus().MenuProg, Menus().ProgHexSave, saved, 0);
  EXPECT_EQ(messages.saveRequests.back().title, "Save HEX");
  const QStringList filters = messages.saveRequests.back().filters;
  EXPECT_EQ(filters.first(), "All(*.*) (*)") << "HexType 0, as the open dialog";
  EXPECT_EQ(filters.mid(4), QStringList({"INHX32 HEX file(*.obj;*.hex) (*.obj *.hex)", "INHX32 HEX file(*.hex) (*.hex)",
                                         "INHX32 HEX file(*.obj) (*.obj)"}));
  const auto programOnly = Read(saved);
  EXPECT_EQ(programOnly->EndAddress(), 2 * 12 + 1);

  // A configuration word that protects the chip is named in the question.
  const QString protecting = TempFile("protect.hex", ":020000000528D1\n:02400E00813FF0\n:00000001FF\n");
  OpenProgramHex(protecting);
  messages.Forget();
  messages.answers = {false};
  PressKey(Qt::Key_F5);
  ASSERT_EQ(messages.boxes.size(), 1u);
  EXPECT_THAT(messages.boxes[0].text.toStdString(),
              HasSubstr("configuration 3F81H\n\nThe file's configuration word sets code protection."));
  EXPECT_EQ(Chip().Program().TotalWrites(), 0u);

  window->close();
  EXPECT_EQ(StoredText("File", "ChipDataTake"), "1");
  EXPECT_EQ(StoredText("File", "ChipDataSave"), "0");
}

TEST_F(WholeChipFileTest, StatusBarFollowsEveryChangeAndDataPanesSaveTheirBytes) {
  Use(PIC16F84);
  EXPECT_EQ(StatusText(), "Checksum 3BFFH  CRC-32 0F6187BA");
  Program().WriteData(0, 0x0000);
  EXPECT_EQ(StatusText(), "Checksum FC00H  CRC-32 0F6187BA");

  ChooseInList(window->Form().CBCategory, 1);
  ChooseInList(window->Form().CBSRomDevice, SROM24xx02);
  EXPECT_EQ(StatusText(), "CRC-32 FEA8A821");
  for (int32_t a = 0; a <= Data().MaxAddress(); a += 3) Data().WriteData(a, a ^ 0x5A);
  const QString saved = dir.filePath("rom.hex");
  SaveHex(Menus().SROMData, Menus().SRomDataHexSave, saved, 4);
  EXPECT_EQ(messages.saveRequests.back().title, "HEX保存");
  EXPECT_TRUE(FileBytes(saved).startsWith(":020000040000FA\r\n"));
  const QString crc = StatusText();
  ClickMenuItem(Menus().SROMData, Menus().SRomDataNew);
  EXPECT_NE(StatusText(), crc);
  messages.openAnswers.push_back(saved);
  ClickMenuItem(Menus().SROMData, Menus().SRomDataHexOpen);
  EXPECT_EQ(StatusText(), crc);
  EXPECT_EQ(Data().GetHexData(3), "59");
  EXPECT_FALSE(Data().IsO(4));
}

}  // namespace
}  // namespace tarvel::test

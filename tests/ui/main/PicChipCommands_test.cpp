#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QStackedWidget>
#include <vector>

#include "PicWindowFixture.h"
#include "ui/dialogs/ConfigDlg.h"
#include "ui/dialogs/RadioGroup.h"
#include "ui/main/ChipOperation.h"
#include "ui/main/TitlePanel.h"

namespace tarvel::test {
namespace {

const QString kSuccess = "Completed successfully";

class PicChipCommandsTest : public PicWindowTest {
 protected:
  const ScriptedMessages::ShownBox& LastBox() { return messages.boxes.back(); }

  void ExpectResult(const QString& text, MessageIcon icon) {
    ASSERT_FALSE(messages.boxes.empty());
    EXPECT_EQ(LastBox().text, text);
    EXPECT_EQ(LastBox().caption, "Melfort Result");
    EXPECT_EQ(LastBox().icon, icon);
  }

  // No chip operation left running, and the commands released again.
  bool Idle() { return !window->Operation().Running() && window->menuBar()->isEnabled(); }

  // Answers the configuration dialog: OK, optionally with the ID to write;
  // `fuse` receives the word the dialog hands back.
  void AcceptConfig(int32_t* fuse = nullptr, const QString& id = QString()) {
    messages.dialogAnswers.push_back([fuse, id](QDialog& dialog) {
      auto& config = dynamic_cast<TConfigDlg&>(dialog);
      dialog.findChild<QCheckBox*>("CBWriteID")->setChecked(!id.isEmpty());
      if (!id.isEmpty()) dialog.findChild<QLineEdit*>("EdtID")->setText(id);
      if (fuse) *fuse = config.Fuse();
      return int(QDialog::Accepted);
    });
  }

  void Decline() { messages.dialogAnswers.push_back([](QDialog&) { return int(QDialog::Rejected); }); }
};

// Some addresses with values, the others blank: only the values reach the chip.
struct FamilyCase {
  const char* family;
  PIC_DEVICES device;
  int32_t mask;
};

class PicRoundTripTest : public PicChipCommandsTest, public ::testing::WithParamInterface<FamilyCase> {};

TEST_P(PicRoundTripTest, WriteReadAndCompareProgramThroughKeyButtonAndMenu) {
  const FamilyCase family = GetParam();
  Use(family.device);
  const std::vector<int32_t> filled = {0, 1, 2, 3, 7, 0x40, 0x1FF};
  for (int32_t address : filled) Program().WriteData(address, (0x1234 + address * 0x111) & family.mask);

  messages.answers = {true};
  PressKey(Qt::Key_F6);
  ASSERT_EQ(messages.boxes.size(), 2u) << messages.Texts().join('|').toStdString();
  EXPECT_EQ(messages.boxes[0].text, "You are going to program. OK?\nNew Program");
  EXPECT_EQ(messages.boxes[0].caption, "Confirm");
  EXPECT_EQ(messages.boxes[0].buttons, WindowMessages::Buttons::YesNo);
  ExpectResult(kSuccess, MessageIcon::Information);
  EXPECT_TRUE(Idle());
  for (int32_t address = 0; address < 0x200; ++address) {
    const bool written = std::find(filled.begin(), filled.end(), address) != filled.end();
    const int32_t wanted = written ? (0x1234 + address * 0x111) & family.mask : Chip().Program().Erased();
    ASSERT_EQ(Chip().Program().Read(address), wanted) << address;
  }

  Program().Clear();
  ClickButton(Form().SBReadProg);
  for (int32_t address = 0; address <= window->PicWrite().LastAddress(); ++address) {
    ASSERT_EQ(Program().GetIntData(address), Chip().Program().Read(address)) << address;
  }
  EXPECT_TRUE(Program().IsO(window->PicWrite().LastAddress()));
  EXPECT_EQ(Program().MaxAddress(), window->PicWrite().LastAddress());

  messages.Forget();
  ClickMenuItem(Menus().MenuProg, Menus().ProgCompare);
  ExpectResult("Compare result is the same.", MessageIcon::Information);
}

INSTANTIATE_TEST_SUITE_P(EachFamily, PicRoundTripTest,
                         ::testing::Values(FamilyCase{"Flash", PIC16F84, 0x3FFF}, FamilyCase{"Eprom14", PIC16C711, 0x3FFF},
                                           FamilyCase{"Eprom12", PIC12C509, 0x0FFF}),
                         [](const auto& info) { return std::string(info.param.family); });

TEST_F(PicChipCommandsTest, DataRoundTripLeavesTheProgramFileAloneAndAProgramReadTheDataFile) {
  window->LoadProgramBinary(TempFile("prog.bin", QByteArray(16, '\x01')));
  window->LoadDataBinary(TempFile("data.bin", QByteArray(4, '\x02')));
  messages.Forget();
  for (int32_t address : {0, 1, 0x3F}) Data().WriteData(address, 0xA0 + address);
  Data().ClearData(2);
  Data().ClearData(3);

  messages.answers = {true};
  ClickMenuItem(Menus().MenuData, Menus().DataWrite);
  EXPECT_EQ(messages.boxes[0].text, "You are going to program in data memory. OK?\n" + window->DataTitle());
  ExpectResult(kSuccess, MessageIcon::Information);
  EXPECT_EQ(Chip().Data().Read(0), 0xA0);
  EXPECT_EQ(Chip().Data().Read(1), 0xA1);
  EXPECT_EQ(Chip().Data().Read(2), 0xFF) << "a blank cell is not written";
  EXPECT_EQ(Chip().Data().Read(0x3F), 0xDF);

  Data().Clear();
  PressKey(Qt::Key_F10);
  EXPECT_EQ(Data().GetIntData(0x3F), 0xDF);
  EXPECT_EQ(Data().GetHexData(2), "FF");
  EXPECT_EQ(window->DataTitle(), "Read data \n[       ]");
  EXPECT_EQ(Form().PnlDataTitle->Caption(), window->DataTitle());
  EXPECT_TRUE(window->DataFileName().isEmpty());
  EXPECT_FALSE(window->Command().DataReload->Enabled());
  EXPECT_FALSE(window->Command().DataSave->Enabled());
  EXPECT_TRUE(window->Command().ProgReload->Enabled()) << "the program file is untouched";

  messages.Forget();
  ClickMenuItem(Menus().MenuData, Menus().DataCompare);
  ExpectResult("Compare result is the same.", MessageIcon::Information);

  ClickMenuItem(Menus().MenuProg, Menus().ProgReadP);
  EXPECT_EQ(window->ProgTitle(), "Read program \n[       ]");
  EXPECT_FALSE(window->Command().ProgReload->Enabled());
  EXPECT_FALSE(window->Command().ProgSave->Enabled());
  EXPECT_FALSE(window->Command().DataReload->Enabled());
}

TEST_F(PicChipCommandsTest, DeclinedWriteTouchesNothing) {
  Program().WriteData(0, 0x1234);
  messages.answers = {false};
  ClickMenuItem(Menus().MenuProg, Menus().ProgWriteP);
  EXPECT_EQ(messages.boxes.size(), 1u);
  EXPECT_EQ(Chip().Program().TotalWrites(), 0u);
  EXPECT_EQ(Chip().Counters().entries, 0u);
}

TEST_F(PicChipCommandsTest, StuckBitIsReportedWithAddressWantedAndReadValues) {
  Chip().Program().StickBits(5, 0, 0x0001);
  Program().WriteData(5, 0x0000);
  messages.answers = {true};
  ClickButton(Form().SBWriteProg);
  ExpectResult("Failed to write.\n\nAddress    0005H\nWrite Data 0000H\nRead Data  0001H", MessageIcon::Error);
  EXPECT_TRUE(Idle());
  EXPECT_EQ(Program().GetHexData(5), "0000") << "the grid is left as it was";

  ClickMenuItem(Menus().MenuProg, Menus().ProgCompare);
  ExpectResult("Different data is found in \nAddress    0005H\nExpected   0000H\nRead Data  0001H",
               MessageIcon::Warning);
}

TEST_F(PicChipCommandsTest, WriteAllAsksEachStepOnItsOwnAndSkipsHiddenPanes) {
  Program().WriteData(0, 0x1234);
  Data().WriteData(0, 0x55);
  // Declining the program still leads to the configuration and the data.
  messages.answers = {false, true};
  Decline();
  PressKey(Qt::Key_F5);
  EXPECT_EQ(messages.dialogs, QStringList{"tarvel::TConfigDlg"});
  ASSERT_EQ(messages.boxes.size(), 3u) << messages.Texts().join('|').toStdString();
  EXPECT_TRUE(messages.boxes[0].text.startsWith("You are going to program. OK?"));
  EXPECT_TRUE(messages.boxes[1].text.startsWith("You are going to program in data memory. OK?"));
  ExpectResult(kSuccess, MessageIcon::Information);
  EXPECT_EQ(Chip().Data().Read(0), 0x55);
  EXPECT_EQ(Chip().Program().TotalWrites(), 0u);

  // With the data pane hidden through the View menu nobody asks about data.
  ClickMenuItem(Menus().Disp, Menus().DispDataWindow);
  messages.Forget();
  messages.answers = {false};
  Decline();
  ClickMenuItem(Menus().KI1, Menus().DeviceWriteAll);
  EXPECT_EQ(messages.Texts().size(), 1);
  EXPECT_EQ(messages.dialogs.size(), 1);

  // A device without data memory hides the pane by itself.
  Use(PIC12C508);
  Program().WriteData(0, 0x0123);
  messages.answers = {false};
  Decline();
  PressKey(Qt::Key_F5);
  EXPECT_EQ(messages.Texts().size(), 1);
}

TEST_F(PicChipCommandsTest, ConfigurationWithIdIsWrittenAndTheIdReadsBack) {
  int32_t fuse = -1;
  AcceptConfig(&fuse, "TARVEL7");
  ClickButton(Form().SBWrPC);
  ASSERT_EQ(messages.boxes.size(), 2u) << messages.Texts().join('|').toStdString();
  EXPECT_EQ(messages.boxes[0].text, "There is nothing to write: the program holds no data.")
      << "an empty program is not asked about nor written";
  ExpectResult(kSuccess, MessageIcon::Information);
  EXPECT_EQ(Chip().Program().TotalWrites(), 0u);
  EXPECT_EQ(Chip().Config().Read(0), fuse & 0x3FFF);

  window->PicWrite().SetIDStr("");
  messages.Forget();
  ClickMenuItem(Menus().KI1, Menus().ProgReadID);
  QString words;
  for (int i = 0; i < 4; ++i) words += QString("%1").arg(Chip().Ids().Read(i), 4, 16, QChar('0')).toUpper();
  ASSERT_EQ(messages.boxes.size(), 1u);
  EXPECT_EQ(LastBox().text, "Read ID : " + words + "\n\nTARVEL7");
  EXPECT_EQ(LastBox().caption, "ID");
  EXPECT_EQ(LastBox().icon, MessageIcon::Information);

  // The next configuration write offers the ID it knows.
  messages.dialogAnswers.push_back([](QDialog& dialog) {
    EXPECT_EQ(dialog.findChild<QLineEdit*>("EdtID")->text(), "TARVEL7");
    return int(QDialog::Rejected);
  });
  ClickMenuItem(Menus().KI1, Menus().ProgWriteC);
}

TEST_F(PicChipCommandsTest, FailedConfigurationWriteDoesNotWriteTheId) {
  Chip().Config().StickBits(0, 0x0001, 0);
  AcceptConfig(nullptr, "NOPE");
  ClickMenuItem(Menus().KI1, Menus().ProgWriteC);
  ASSERT_FALSE(messages.boxes.empty());
  EXPECT_TRUE(LastBox().text.contains("configration fuse")) << LastBox().text.toStdString();
  EXPECT_EQ(LastBox().icon, MessageIcon::Error);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(Chip().Ids().Read(i), Chip().Ids().Erased());
}

TEST_F(PicChipCommandsTest, DeviceWhoseWordCannotBeMadeWritesNeitherConfigurationNorId) {
  Use(PIC16C745);
  AcceptConfig(nullptr, "ABC");
  ClickMenuItem(Menus().KI1, Menus().ProgWriteC);
  ASSERT_EQ(messages.boxes.size(), 1u) << messages.Texts().join('|').toStdString();
  EXPECT_EQ(LastBox().text, "このデバイスには対応していません。");
  EXPECT_EQ(Chip().Config().Writes(0), 0u);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(Chip().Ids().Read(i), Chip().Ids().Erased());
}

TEST_F(PicChipCommandsTest, TwelveC508AConfigurationIsWrittenLikeThe508s) {
  Use(PIC12C508A);
  int32_t fuse = -1;
  AcceptConfig(&fuse);
  ClickMenuItem(Menus().KI1, Menus().ProgWriteC);
  ExpectResult(kSuccess, MessageIcon::Information);
  EXPECT_EQ(fuse & 0x0008, 0x0008) << "never protected by the dialog";
  EXPECT_EQ(Chip().Config().Read(0) & 0x001F, fuse & 0x001F);
}

TEST_F(PicChipCommandsTest, IdWriteDialogTextReachesTheChip) {
  messages.dialogAnswers.push_back([](QDialog& dialog) {
    dialog.findChild<QLineEdit*>("EdtID")->setText("ABC");
    return int(QDialog::Accepted);
  });
  ClickMenuItem(Menus().KI1, Menus().ProgWriteID);
  ExpectResult(kSuccess, MessageIcon::Information);
  TPicWrite reader(clock, messages);
  for (int i = 0; i < 4; ++i) reader.SetID(i, Chip().Ids().Read(i));
  EXPECT_EQ(reader.GetIDStr(), "ABC    ");

  Decline();
  ClickMenuItem(Menus().KI1, Menus().ProgWriteID);
  EXPECT_EQ(messages.boxes.size(), 1u) << "a cancelled ID write does nothing";
}

TEST_F(PicChipCommandsTest, ReadConfigShowsTheChipsWordInReadMode) {
  Chip().Config().Set(0, 0x3FF1);
  messages.dialogAnswers.push_back([](QDialog& dialog) {
    EXPECT_EQ(dialog.findChild<QStackedWidget*>("NoteMode")->currentWidget()->objectName(), "ReadMode");
    EXPECT_FALSE(dialog.findChild<QCheckBox*>("CBWriteID")->isEnabled());
    return int(QDialog::Accepted);
  });
  PressKey(Qt::Key_F11);
  EXPECT_EQ(window->PicWrite().Fuse, 0x3FF1);
  EXPECT_EQ(Chip().Config().Writes(0), 0u) << "closing the read view writes nothing";
  EXPECT_TRUE(messages.boxes.empty());
}

TEST_F(PicChipCommandsTest, EraseAsksFirstAndEraseCheckTellsBothStates) {
  Chip().Program().Set(3, 0x0123);
  ClickMenuItem(Menus().KI1, Menus().DevECheck);
  EXPECT_EQ(LastBox().text, "This device is not erased.");
  EXPECT_EQ(LastBox().caption, "Erase Check");
  EXPECT_EQ(LastBox().icon, MessageIcon::Warning);

  messages.Forget();
  messages.answers = {false};
  ClickMenuItem(Menus().KI1, Menus().DevErase);
  ASSERT_EQ(messages.boxes.size(), 1u);
  EXPECT_EQ(LastBox().text, "You are going to erase the chip. OK?");
  EXPECT_EQ(LastBox().caption, "Confirm");
  EXPECT_EQ(LastBox().buttons, WindowMessages::Buttons::YesNo);
  EXPECT_EQ(Chip().Counters().entries, 1u) << "only the erase check entered; No leaves the chip alone";

  messages.answers = {true};
  ClickMenuItem(Menus().KI1, Menus().DevErase);
  ExpectResult("Erasing finished successfully", MessageIcon::Information);
  EXPECT_EQ(Chip().Program().Read(3), 0x3FFF);

  ClickMenuItem(Menus().KI1, Menus().DevECheck);
  EXPECT_EQ(LastBox().text, "This device is erased.");
  EXPECT_EQ(LastBox().icon, MessageIcon::Information);
}

// The device ID word tells an empty socket or another chip from the chip
// chosen; nothing is written, erased or read, and no success is reported.
TEST_F(PicChipCommandsTest, EmptySocketOrAnotherChipStopsEveryCommandWithItsMessage) {
  Use(PIC16F628);
  const QString noChip =
      "No device answers in the socket.\nPut the PIC16F628 in the socket and check the writer's connection.";
  Simulator().RemoveTarget();
  ClickMenuItem(Menus().KI1, Menus().DevECheck);
  ExpectResult(noChip, MessageIcon::Error);
  Program().WriteData(0, 0x1234);
  messages.answers = {true};
  PressKey(Qt::Key_F6);
  ExpectResult(noChip, MessageIcon::Error);
  EXPECT_TRUE(Idle());
  ClickMenuItem(Menus().MenuProg, Menus().ProgCompare);
  ExpectResult(noChip, MessageIcon::Error);
  const QString title = window->ProgTitle();
  PressKey(Qt::Key_F9);
  ExpectResult(noChip, MessageIcon::Error);
  EXPECT_EQ(Program().GetIntData(0), 0x1234) << "a read that did not happen leaves the grid";
  EXPECT_EQ(window->ProgTitle(), title);
  messages.Forget();
  PressKey(Qt::Key_F11);
  ExpectResult(noChip, MessageIcon::Error);
  EXPECT_TRUE(messages.dialogs.isEmpty()) << "no configuration is shown";

  Simulator().InsertPic(PIC16F877);
  Chip().Program().Set(0, 0x0AAA);
  messages.answers = {true};
  ClickMenuItem(Menus().KI1, Menus().DevErase);
  ExpectResult("PIC16F877 is in the socket, not the PIC16F628.\n"
               "Select the device in the socket, or put the PIC16F628 in.",
               MessageIcon::Error);
  EXPECT_EQ(Chip().Program().Read(0), 0x0AAA);
  EXPECT_EQ(Chip().Counters().chipErases, 0u);

  // Without an ID word an all-ones chip is blank, socket or not.
  Use(PIC16F84);
  Simulator().RemoveTarget();
  ClickMenuItem(Menus().KI1, Menus().DevECheck);
  EXPECT_EQ(LastBox().text, "This device is erased.");
}

// Blanks in the ID words would be burnt into an EPROM for good.
TEST_F(PicChipCommandsTest, BlankIdTextIsNeverWrittenAndAnEmptyImageIsNotWritten) {
  Use(PIC16C711);
  AcceptConfig(nullptr, "       ");
  ClickMenuItem(Menus().KI1, Menus().ProgWriteC);
  ExpectResult(kSuccess, MessageIcon::Information);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(Chip().Ids().Writes(i), 0u) << i;

  messages.dialogAnswers.push_back([](QDialog& dialog) {
    dialog.findChild<QLineEdit*>("EdtID")->clear();
    return int(QDialog::Accepted);
  });
  ClickMenuItem(Menus().KI1, Menus().ProgWriteID);
  EXPECT_EQ(LastBox().text, "There is nothing to write: the ID text is empty.");
  for (int i = 0; i < 4; ++i) EXPECT_EQ(Chip().Ids().Writes(i), 0u) << i;

  Use(PIC16F84);
  ClickButton(Form().SBWriteData);
  ASSERT_EQ(messages.boxes.size(), 1u);
  EXPECT_EQ(LastBox().text, "There is nothing to write: the data holds no values.");
  EXPECT_EQ(Chip().Counters().entries, 0u);
  // With filling on, every empty cell has a value to write.
  window->PicWrite().FillUpEnable = true;
  messages.answers = {true};
  ClickButton(Form().SBWriteData);
  ExpectResult(kSuccess, MessageIcon::Information);
  EXPECT_EQ(Chip().Data().Read(0x3F), window->PicWrite().FillUpData & 0xFF);
}

TEST_F(PicChipCommandsTest, DeviceOutsideTheListIsNotSupportedByAnyCommand) {
  Program().WriteData(0, 0x3FFF);
  window->PicWrite().SetDevice(static_cast<PIC_DEVICES>(60));
  ClickMenuItem(Menus().MenuProg, Menus().ProgCompare);
  ExpectResult("This device is not supported.", MessageIcon::Error);
  ClickMenuItem(Menus().KI1, Menus().DevECheck);
  ExpectResult("This device is not supported.", MessageIcon::Error);
}

// The PIC16F628 holds 128 bytes of data: a file of that size loads whole
// and its last byte reaches the chip.
TEST_F(PicChipCommandsTest, FullDataEepromOfThe628LoadsWritesAndReadsBack) {
  Use(PIC16F628);
  QByteArray bytes(128, '\0');
  for (int i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>(i + 0x10);
  window->LoadDataBinary(TempFile("data628.bin", bytes));
  EXPECT_TRUE(messages.boxes.empty()) << messages.Texts().join('|').toStdString();
  messages.answers = {true};
  PressKey(Qt::Key_F7);
  ExpectResult(kSuccess, MessageIcon::Information);
  EXPECT_EQ(Chip().Data().Read(0x7F), 0x8F);
  Data().Clear();
  PressKey(Qt::Key_F10);
  EXPECT_EQ(Data().GetIntData(0x60), 0x70);
  EXPECT_EQ(Data().MaxAddress(), 0x7F);
}

TEST_F(PicChipCommandsTest, CodeProtectionMakesTheProgramUnreadable) {
  for (int32_t address = 0; address < 16; ++address) Program().WriteData(address, 0x2800 + address);
  messages.answers = {true};
  PressKey(Qt::Key_F6);
  ExpectResult(kSuccess, MessageIcon::Information);

  Decline();
  ClickMenuItem(Menus().KI1, Menus().DevCodeProtect);
  EXPECT_FALSE(Chip().IsCodeProtected()) << "only Yes protects";

  messages.dialogAnswers.push_back([](QDialog&) { return int(QDialog::Accepted); });
  ClickMenuItem(Menus().KI1, Menus().DevCodeProtect);
  ExpectResult("Code-protected successfully", MessageIcon::None);
  EXPECT_TRUE(Chip().IsCodeProtected());

  ClickMenuItem(Menus().MenuProg, Menus().ProgCompare);
  EXPECT_TRUE(LastBox().text.startsWith("Different data is found in \nAddress    0000H")) << LastBox().text.toStdString();
  PressKey(Qt::Key_F9);
  EXPECT_EQ(Program().GetIntData(0), 0);
  EXPECT_EQ(Program().GetIntData(15), 0);
}

// The 1K-word PIC16C621's pairs protect from 0200H: the choice offered first
// protects exactly the upper half it names.
TEST_F(PicChipCommandsTest, ProtectedC621ReadsZerosExactlyWhereTheDialogSaid) {
  Use(PIC16C621);
  Program().WriteData(0x1FF, 0x1234);
  Program().WriteData(0x200, 0x2345);
  messages.answers = {true};
  PressKey(Qt::Key_F6);
  ExpectResult(kSuccess, MessageIcon::Information);
  QStringList offered;
  messages.dialogAnswers.push_back([&offered](QDialog& dialog) {
    const auto* range = dialog.findChild<RadioGroup*>("RGRange");
    for (int i = 0; i < range->Count(); ++i) offered << range->Item(i)->text();
    EXPECT_EQ(range->ItemIndex(), 1);
    return int(QDialog::Accepted);
  });
  ClickMenuItem(Menus().KI1, Menus().DevCodeProtect);
  EXPECT_EQ(offered, (QStringList{"All (0000H-03FFH)", "Upper half (0200H-03FFH)"}));
  ExpectResult(kSuccess, MessageIcon::Information);
  PressKey(Qt::Key_F9);
  EXPECT_EQ(Program().GetIntData(0x1FF), 0x1234);
  EXPECT_EQ(Program().GetIntData(0x200), 0);
  EXPECT_EQ(Program().GetIntData(0x3FF), 0);
}

TEST_F(PicChipCommandsTest, PowerButtonsAndResetDriveTheWriterSilently) {
  ClickButton(Form().SBPowerON);
  EXPECT_TRUE(Simulator().Lines().vdd);
  PressKey(Qt::Key_F12);
  EXPECT_EQ(Simulator().Lines().mclr, MclrLevel::Vdd);
  ClickButton(Form().SBPowerOFF);
  EXPECT_FALSE(Simulator().Lines().vdd);
  EXPECT_TRUE(messages.boxes.empty());
}

}  // namespace
}  // namespace tarvel::test

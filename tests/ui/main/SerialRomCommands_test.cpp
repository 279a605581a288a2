#include "MainWindowFixture.h"
#include "sim/Serial24xxChip.h"
#include "ui/components/HexGrid.h"
#include "ui/dialogs/DifferenceListDlg.h"
#include "ui/dialogs/WriteStatusDlg.h"
#include "ui/main/TitlePanel.h"

namespace tarvel::test {
namespace {

class SerialRomCommandsTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    StartOnSimulator("Category=1");
  }

  void Use(SROM_DEVICE device) {
    window->ApplySRomDevice(device);
    messages.Forget();
  }

  Serial24xxChip& Chip() { return *Simulator().SerialRom(); }
  const MainMenus& Menus() { return window->Menus(); }
  THexGrid& Grid() { return *window->Form().DataHexGrid; }
  const ScriptedMessages::ShownBox& LastBox() { return messages.boxes.back(); }

  void ExpectBox(const QString& text, const QString& caption, MessageIcon icon) {
    ASSERT_FALSE(messages.boxes.empty());
    EXPECT_EQ(LastBox().text, text);
    EXPECT_EQ(LastBox().caption, caption);
    EXPECT_EQ(LastBox().icon, icon);
  }

  bool NoticeShown() { return window->findChild<TWriteStatusDlg*>()->isVisible(); }
};

// One-byte addressing carries the high bits in the control byte; two-byte
// addressing sends them as a byte of their own.
class SerialRomRoundTripTest : public SerialRomCommandsTest, public ::testing::WithParamInterface<SROM_DEVICE> {};

TEST_P(SerialRomRoundTripTest, WriteReadAndCompareThroughKeyButtonAndMenu) {
  Use(GetParam());
  const uint32_t last = Chip().Size() - 1;
  const std::vector<uint32_t> filled = {0, 1, 0x100, last - 0x5C, last};
  for (uint32_t address : filled) Grid().WriteData(static_cast<int32_t>(address), (address * 7 + 3) & 0xFF);
  Chip().SetByte(2, 0x11);  // not in the grid: the chip keeps it

  ShowCounter notice(*window->findChild<TWriteStatusDlg*>());
  messages.answers = {true};
  PressKey(Qt::Key_F7);
  ASSERT_EQ(messages.boxes.size(), 2u) << messages.Texts().join('|').toStdString();
  EXPECT_EQ(messages.boxes[0].text, window->DataTitle() + " を書き込みます。\nよろしいですか？");
  EXPECT_EQ(messages.boxes[0].caption, "書き込みの確認");
  EXPECT_EQ(messages.boxes[0].buttons, WindowMessages::Buttons::YesNo);
  ExpectBox("書き込みました。", "書き込み完了", MessageIcon::Information);
  EXPECT_FALSE(NoticeShown());
  EXPECT_EQ(notice.shows, 1);
  for (uint32_t address : filled) EXPECT_EQ(Chip().Byte(address), (address * 7 + 3) & 0xFF) << address;
  EXPECT_EQ(Chip().Byte(2), 0x11);
  EXPECT_EQ(Chip().Byte(3), 0xFF);
  EXPECT_EQ(Chip().CompletedWriteCycles(), filled.size());

  messages.Forget();
  ClickMenuItem(Menus().SROMData, Menus().SRomDataCompare);
  ExpectBox("Compare result is the same.", "Melfort Result", MessageIcon::Information);

  Grid().Clear();
  ClickButton(window->Form().SBSRomRead);
  for (uint32_t address = 0; address <= last; ++address) {
    ASSERT_EQ(Grid().GetIntData(static_cast<int32_t>(address)), Chip().Byte(address)) << address;
  }
  EXPECT_EQ(window->DataTitle(), "読み出しデータ");
  EXPECT_EQ(window->Form().PnlDataTitle->Caption(), "読み出しデータ");
  EXPECT_FALSE(window->Command().DataReload->Enabled());
  EXPECT_FALSE(window->Command().DataSave->Enabled());
  EXPECT_EQ(notice.shows, 1) << "only the write shows the notice";
}

INSTANTIATE_TEST_SUITE_P(BothAddressingKinds, SerialRomRoundTripTest, ::testing::Values(SROM24xx16, SROM24xx32),
                         [](const auto& info) { return std::string(kSRomDevices[info.param].displayName); });

TEST_F(SerialRomCommandsTest, DeclinedWriteWritesNothing) {
  Grid().WriteData(0, 0x12);
  messages.answers = {false};
  ClickMenuItem(Menus().SROMData, Menus().SRomDataWrite);
  EXPECT_EQ(messages.boxes.size(), 1u);
  EXPECT_EQ(Chip().Byte(0), 0xFF);
  EXPECT_EQ(Chip().CompletedWriteCycles(), 0u);
}

// The box names the first difference; its "Show all" lists every one.
TEST_F(SerialRomCommandsTest, CompareNamesTheFirstDifferenceAndListsEveryOne) {
  Use(SROM24xx04);
  Grid().WriteData(0x1A3, 0x12);
  Grid().WriteData(0x1B0, 0x34);
  Chip().SetByte(0x1A3, 0x03);
  Chip().SetByte(0x1B0, 0x35);
  messages.moreAnswers = {true};
  ClickMenuItem(Menus().SROMData, Menus().SRomDataCompare);
  ASSERT_EQ(messages.boxes.size(), 1u);
  ExpectBox("Different data is found in \nAddr = 1A3H\nROM Data = 03H\nCOMPARED Data = 12H", "Melfort Result",
            MessageIcon::Warning);
  ASSERT_NE(window->Compares().List(), nullptr);
  EXPECT_EQ(window->Compares().List()->CsvText(), "Address,Image,Chip\n001A3H,12,03\n001B0H,34,35\n");

  Use(SROM24xx01);
  Grid().WriteData(5, 0xA0);
  ClickMenuItem(Menus().SROMData, Menus().SRomDataCompare);
  EXPECT_TRUE(LastBox().text.contains("Addr = 05H\n")) << "at least two digits";
}

// A chip that acknowledges a write need not keep it; the write reads every
// byte back and reports the first difference as the compare would.
TEST_F(SerialRomCommandsTest, WriteThatTheChipDidNotKeepIsReportedNotCompleted) {
  Chip().SetStuckBit(0x10, 0, true);
  Grid().WriteData(0x10, 0x00);
  messages.answers = {true};
  ClickButton(window->Form().SBSRomWrite);
  ExpectBox("Different data is found in \nAddr = 10H\nROM Data = 01H\nCOMPARED Data = 00H", "書き込みエラー",
            MessageIcon::Error);
  EXPECT_FALSE(NoticeShown());

  Chip().SetWriteProtected(true);
  Grid().Clear();
  Grid().WriteData(0x30, 0x5A);
  messages.Forget();
  messages.answers = {true};
  PressKey(Qt::Key_F7);
  ASSERT_EQ(messages.boxes.size(), 2u) << messages.Texts().join('|').toStdString();
  ExpectBox("Different data is found in \nAddr = 30H\nROM Data = FFH\nCOMPARED Data = 5AH", "書き込みエラー",
            MessageIcon::Error);

  // An empty grid is not written at all.
  Grid().Clear();
  messages.Forget();
  PressKey(Qt::Key_F7);
  ASSERT_EQ(messages.boxes.size(), 1u);
  ExpectBox("書き込むデータがありません。", "書き込みの確認", MessageIcon::Information);
}

// A control byte nobody acknowledges is no 0xFF byte: an empty socket is
// neither erased nor equal to a grid of 0xFF, and a read of it fills nothing.
TEST_F(SerialRomCommandsTest, SilentEepromIsReportedByEveryReadingCommand) {
  Chip().SetNeverAnswers(true);
  ClickMenuItem(Menus().SRomDevice, Menus().SRomDevEraseCheck);
  ASSERT_EQ(messages.boxes.size(), 1u);
  ExpectBox("ROMが応答しません。\nアドレス 0000H", "イレースチェック", MessageIcon::Error);

  Grid().WriteData(5, 0xFF);
  ClickMenuItem(Menus().SROMData, Menus().SRomDataCompare);
  ExpectBox("ROMが応答しません。\nアドレス 0005H", "コンペアエラー", MessageIcon::Error);

  const QString title = window->DataTitle();
  ClickButton(window->Form().SBSRomRead);
  ExpectBox("ROMが応答しません。\nアドレス 0000H", "読み込みエラー", MessageIcon::Error);
  EXPECT_EQ(Grid().GetHexData(5), "FF");
  EXPECT_FALSE(Grid().IsO(6)) << "the grid is left as it was";
  EXPECT_EQ(window->DataTitle(), title);
}

TEST_F(SerialRomCommandsTest, SilentEepromStopsTheWriteWithItsAddressWithinTheBound) {
  Use(SROM24xx04);
  Grid().WriteData(0x1A3, 0x12);
  Grid().WriteData(0x1A4, 0x13);
  Chip().SetNeverAnswers(true);
  const uint64_t before = clock.Nanos();
  messages.answers = {true};
  PressKey(Qt::Key_F7);
  ASSERT_EQ(messages.boxes.size(), 2u) << messages.Texts().join('|').toStdString();
  ExpectBox("ROMが応答しません。\nアドレス 01A3H", "書き込みエラー", MessageIcon::Error);
  EXPECT_FALSE(NoticeShown());
  EXPECT_LT(clock.Nanos() - before, 200'000'000u) << "about 50 ms of polling, then it gives up";
}

TEST_F(SerialRomCommandsTest, EraseAsksFillsWithFfLeavesTheGridAndAnEraseCheckAgrees) {
  Chip().SetByte(0x20, 0x00);
  Grid().WriteData(0x21, 0x42);
  ClickMenuItem(Menus().SRomDevice, Menus().SRomDevEraseCheck);
  ExpectBox("イレースされていません。", "イレースチェック", MessageIcon::Warning);

  messages.Forget();
  messages.answers = {false};
  ClickMenuItem(Menus().SRomDevice, Menus().SRomDevErase);
  ASSERT_EQ(messages.boxes.size(), 1u);
  ExpectBox("ROMをイレースします。\nよろしいですか？", "イレースの確認", MessageIcon::None);
  EXPECT_EQ(LastBox().buttons, WindowMessages::Buttons::YesNo);
  EXPECT_EQ(Chip().CompletedWriteCycles(), 0u) << "No erases nothing";

  messages.answers = {true};
  ClickMenuItem(Menus().SRomDevice, Menus().SRomDevErase);
  ExpectBox("イレースしました。", "イレース完了", MessageIcon::Information);
  for (uint32_t address = 0; address < Chip().Size(); ++address) ASSERT_EQ(Chip().Byte(address), 0xFF) << address;
  EXPECT_EQ(Grid().GetHexData(0x21), "42");

  ClickMenuItem(Menus().SRomDevice, Menus().SRomDevEraseCheck);
  ExpectBox("イレースされています。", "イレースチェック", MessageIcon::Information);

  // A write-protected chip acknowledges the erase and keeps its bytes.
  Chip().SetByte(0x07, 0x12);
  Chip().SetWriteProtected(true);
  messages.answers = {true};
  ClickMenuItem(Menus().SRomDevice, Menus().SRomDevErase);
  ExpectBox("Different data is found in \nAddr = 07H\nROM Data = 12H\nCOMPARED Data = FFH", "イレースエラー",
            MessageIcon::Error);
}

TEST_F(SerialRomCommandsTest, EraseStopsWhereTheWriteCycleNeverEnds) {
  Chip().SetWriteCycleNeverEnds(true);
  messages.answers = {true};
  ClickMenuItem(Menus().SRomDevice, Menus().SRomDevErase);
  ASSERT_EQ(messages.boxes.size(), 2u);
  ExpectBox("ROMが応答しません。\nアドレス 0000H", "イレースエラー", MessageIcon::Error);
}

}  // namespace
}  // namespace tarvel::test

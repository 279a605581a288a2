#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

#include "MainWindowFixture.h"
#include "engine/pic/PicResultText.h"
#include "sim/PicChip.h"
#include "ui/components/HexGrid.h"
#include "ui/dialogs/DifferenceListDlg.h"

namespace tarvel::test {
namespace {

using Answer = WindowMessages::Answer;

const QString kTooManyDigits = QString::fromUtf8("ビット数が多すぎます");

// The grids' editing commands in the window on the simulated writer, with
// a PIC16F84 (1024 program words, 64 data bytes).
class GridEditingTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    StartOnSimulator();
  }

  THexGrid& Program() { return *window->Form().HexGrid; }
  THexGrid& Data() { return *window->Form().DataHexGrid; }
  const MainMenus& Menus() { return window->Menus(); }
  QString Status() { return window->Form().StatusPanel0->text(); }

  void ClickAddress(THexGrid& grid, int address, Qt::KeyboardModifiers modifiers = {}) {
    const QModelIndex cell = grid.model()->index(address / grid.DataColCount(), address % grid.DataColCount());
    grid.scrollTo(cell);
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, modifiers, grid.visualRect(cell).center());
  }

  // A key where the focus is, as the user presses it.
  void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
  }

  // Answers the next dialog: fills its edit boxes, then presses the button
  // and hands back how the dialog closed (it stays open when it refuses).
  void Answer(std::vector<std::pair<const char*, QString>> fields, const char* button) {
    messages.dialogAnswers.push_back([fields, button](QDialog& dialog) {
      for (const auto& [name, text] : fields) dialog.findChild<QLineEdit*>(name)->setText(text);
      dialog.findChild<QPushButton*>(button)->click();
      return dialog.result();
    });
  }

  std::pair<int32_t, int32_t> Range(int32_t first, int32_t last) { return {first, last}; }

  void TypeInto(THexGrid& grid, int address, const char* digits) {
    grid.SelectRange(address, address);
    grid.setFocus();
    QTest::keyClicks(&grid, digits);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  }

  // The next entry of a drop-down list, chosen with the keyboard.
  void NextInList(QComboBox* list) {
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Down);
  }

  void ExpectQuestion(const QString& text) {
    ASSERT_FALSE(messages.boxes.empty());
    EXPECT_EQ(messages.boxes.back().text, text);
    EXPECT_EQ(messages.boxes.back().caption, "Confirm");
    EXPECT_EQ(messages.boxes.back().icon, MessageIcon::None);
    EXPECT_EQ(messages.boxes.back().buttons, WindowMessages::Buttons::YesNoCancel);
  }
};

TEST_F(GridEditingTest, FillOfTheSelectionUndoesAndRedoesByKeyAndSavesByteForByte) {
  ClickAddress(Program(), 2);
  ClickAddress(Program(), 12, Qt::ShiftModifier);
  messages.dialogAnswers.push_back([](QDialog& dialog) {
    EXPECT_EQ(dialog.findChild<QLineEdit*>("EdtFrom")->text(), "0002H") << "the selection";
    EXPECT_EQ(dialog.findChild<QLineEdit*>("EdtTo")->text(), "000CH");
    return int(QDialog::Rejected);
  });
  ClickMenuItem(Menus().MenuProg, Menus().ProgGridItems.fill);
  Answer({{"EdtValue", "12345"}}, "BitBtn1");
  Answer({{"EdtTo", "400"}, {"EdtValue", "3ff"}}, "BitBtn1");
  Answer({{"EdtTo", "C"}, {"EdtValue", "3ff"}}, "BitBtn1");
  for (int refused = 0; refused < 3; ++refused) ClickMenuItem(Menus().MenuProg, Menus().ProgGridItems.fill);
  ASSERT_EQ(messages.Texts().size(), 2u);
  EXPECT_EQ(messages.Texts()[0], kTooManyDigits) << "as for a typed cell";
  EXPECT_EQ(messages.Texts()[1], "Enter the last address as hexadecimal digits from 0000H to 03FFH.");
  for (int32_t address = 0; address <= 13; ++address) {
    EXPECT_EQ(Program().GetHexData(address), address >= 2 && address <= 12 ? "03FF" : "----") << address;
  }

  ClickAddress(Program(), 0);
  QTest::keyClicks(&Program(), "7");
  Key(Qt::Key_Return);
  ASSERT_TRUE(WaitFor([&] { return Program().GetHexData(0) == "0007"; }));
  Key(Qt::Key_Escape);
  Key(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_FALSE(Program().IsO(0));
  Key(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_FALSE(Program().IsO(12));
  EXPECT_EQ(Program().SelectedRange(), Range(2, 12)) << "the undone fill is shown";
  EXPECT_FALSE(Menus().ProgGridItems.undo->isEnabled());
  Key(Qt::Key_Y, Qt::ControlModifier);
  Key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(Program().GetHexData(0), "0007");
  EXPECT_EQ(Program().GetHexData(12), "03FF");

  const QString path = dir.filePath("filled.bin");
  messages.saveAnswers.push_back(path);
  ClickMenuItem(Menus().MenuProg, Menus().ProgBinSave);
  QByteArray expected(2048, '\0');
  expected[0] = 7;
  for (int address = 2; address <= 12; ++address) expected.replace(2 * address, 2, QByteArray("\xFF\x03", 2));
  EXPECT_EQ(FileBytes(path), expected);
  messages.Forget();
  ClickMenuItem(Menus().MenuProg, Menus().ProgNew);
  EXPECT_TRUE(messages.boxes.empty()) << "a saved image goes without a question";
  EXPECT_FALSE(Menus().ProgGridItems.undo->isEnabled()) << "New clears the history";
}

TEST_F(GridEditingTest, FindWithNextAndPreviousAndGoToInTheDataGrid) {
  for (int32_t at : {0x05, 0x30}) {
    Data().WriteData(at, 0x12);
    Data().WriteData(at + 1, 0x34);
  }
  ClickAddress(Data(), 0);
  Answer({{"EdtValues", "12 xyz"}}, "BtnFindNext");
  Answer({{"EdtValues", "12 34"}}, "BtnFindNext");
  Key(Qt::Key_F, Qt::ControlModifier);
  EXPECT_EQ(messages.Texts(),
            QStringList{"\"xyz\" is not a value of one to 2 hexadecimal digits, nor -- for a blank."});
  Key(Qt::Key_F, Qt::ControlModifier);
  EXPECT_EQ(Data().SelectedRange(), Range(0x05, 0x06));
  EXPECT_EQ(Status(), "12 34 found at 005H.");
  Key(Qt::Key_F3);
  EXPECT_EQ(Data().SelectedRange(), Range(0x30, 0x31));
  Key(Qt::Key_F3);
  EXPECT_EQ(Data().SelectedRange(), Range(0x05, 0x06)) << "round past the end";
  Key(Qt::Key_F3, Qt::ShiftModifier);
  EXPECT_EQ(Data().SelectedRange(), Range(0x30, 0x31));

  messages.Forget();
  Answer({{"EdtValues", "ab"}}, "BtnFindPrevious");
  ClickMenuItem(Menus().MenuData, Menus().DataGridItems.find);
  EXPECT_EQ(Status(), "AB is not in the image.");
  EXPECT_TRUE(messages.boxes.empty()) << "not in a box";
  EXPECT_EQ(Data().SelectedRange(), Range(0x30, 0x31));

  Answer({{"EdtAddress", "40"}}, "BitBtn1");
  Answer({{"EdtAddress", "3eH"}}, "BitBtn1");
  Key(Qt::Key_G, Qt::ControlModifier);
  Key(Qt::Key_G, Qt::ControlModifier);
  EXPECT_EQ(messages.Texts(), QStringList{"Enter the address as hexadecimal digits from 000H to 03FH."});
  EXPECT_EQ(Data().CurrentAddress(), 0x3E);
  EXPECT_EQ(QApplication::focusWidget(), &Data());
}

TEST_F(GridEditingTest, CopiedRangeIsHexTextThatPastesAtTheCurrentCellAndBadTextChangesNothing) {
  for (int32_t address = 6; address <= 9; ++address) Program().WriteData(address, 0x1000 + address);
  Program().ClearData(8);
  Program().SelectRange(6, 9);
  Program().setFocus();
  Key(Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "1006 1007\n---- 1009");
  ClickAddress(Program(), 0x3FC);
  Key(Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(Program().GetHexData(0x3FD), "1007");
  EXPECT_FALSE(Program().IsO(0x3FE));
  EXPECT_EQ(Program().GetHexData(0x3FF), "1009");
  ClickMenuItem(Menus().MenuProg, Menus().ProgGridItems.undo);
  EXPECT_FALSE(Program().IsO(0x3FC));

  ClickAddress(Program(), 0x3FD);
  Key(Qt::Key_V, Qt::ControlModifier);
  QGuiApplication::clipboard()->setText("12 0x34");
  Key(Qt::Key_V, Qt::ControlModifier);
  ASSERT_EQ(messages.Texts().size(), 2u);
  EXPECT_EQ(messages.Texts()[0], "Nothing was pasted: the clipboard holds 4 values, but from 03FDH to the last "
                                 "address 03FFH there is room for 3.");
  EXPECT_TRUE(messages.Texts()[1].startsWith("Nothing was pasted")) << messages.Texts()[1].toStdString();
  for (int32_t address = 0x3F8; address <= 0x3FF; ++address) EXPECT_FALSE(Program().IsO(address)) << address;
  EXPECT_TRUE(Program().UndoStack().canRedo()) << "the refused pastes left the history alone";
}

TEST_F(GridEditingTest, ADifferingCompareKeepsItsTextAndListsEveryDifference) {
  Program().WriteData(1, 0x0001);
  Program().WriteData(0x3FF, 0x2345);
  Program().WriteData(2, 0x3FFF);
  messages.moreAnswers = {true};
  ClickMenuItem(Menus().MenuProg, Menus().ProgCompare);
  ASSERT_EQ(messages.boxes.size(), 1u);
  EXPECT_EQ(messages.boxes[0].text, QString::fromStdString(ResultText({prCompareMismatch, 1, 1, 0x3FFF})));
  EXPECT_EQ(messages.boxes[0].caption, "Melfort Result");
  EXPECT_EQ(messages.boxes[0].more, "Show all");
  TDifferenceListDlg* list = window->Compares().List();
  ASSERT_NE(list, nullptr);
  EXPECT_TRUE(list->isVisible());
  const QString csv = "Address,Image,Chip\n0001H,0001,3FFF\n03FFH,2345,3FFF\n";
  EXPECT_EQ(list->CsvText(), csv);

  ASSERT_TRUE(QTest::qWaitForWindowExposed(list));
  QTableView& table = list->Table();
  const QModelIndex row = table.model()->index(1, 0);
  // The toolkit's double click of a widget comes without its first press.
  QTest::mouseClick(table.viewport(), Qt::LeftButton, {}, table.visualRect(row).center());
  QTest::mouseDClick(table.viewport(), Qt::LeftButton, {}, table.visualRect(row).center());
  EXPECT_EQ(Program().CurrentAddress(), 0x3FF);

  const QString path = TempFile("differences.csv", "older");
  messages.saveAnswers.push_back(path);
  messages.answers = {true};
  list->findChild<QPushButton*>("BtnSaveCsv")->click();
  EXPECT_EQ(messages.boxes.back().text, path + "\nalready exists. Overwrite it?");
  EXPECT_EQ(FileBytes(path), csv.toUtf8());

  // OK alone shows no list; a list of the data compare replaces the program's.
  Data().WriteData(0x3F, 0x00);
  ClickMenuItem(Menus().MenuData, Menus().DataCompare);
  EXPECT_EQ(messages.boxes.back().more, "Show all");
  EXPECT_EQ(window->Compares().List(), list);
  messages.moreAnswers = {true};
  ClickMenuItem(Menus().MenuData, Menus().DataCompare);
  ASSERT_TRUE(WaitFor([&] { return window->Compares().List() != list; }));
  EXPECT_EQ(window->Compares().List()->CsvText(), "Address,Image,Chip\n03FH,00,FF\n");
}

// A read from the chip, or a change typed and not saved, is offered for
// saving before anything replaces it; Cancel keeps it and stops the command.
TEST_F(GridEditingTest, AChipReadIsOfferedBeforeNewAnotherReadAndQuit) {
  Simulator().Pic()->Program().Set(0, 0x1234);
  ClickButton(window->Form().SBReadProg);
  const QString question = "Save the program image first?\n" + window->ProgTitle();
  messages.choices = {Answer::Cancel};
  ClickMenuItem(Menus().MenuProg, Menus().ProgNew);
  ExpectQuestion(question);
  EXPECT_EQ(Program().GetIntData(0), 0x1234) << "Cancel keeps the read";

  messages.choices = {Answer::No};
  ClickButton(window->Form().SBReadProg);
  EXPECT_EQ(messages.boxes.size(), 2u);

  messages.choices = {Answer::Cancel};
  window->close();
  EXPECT_TRUE(window->isVisible());
  const QString path = dir.filePath("read.bin");
  messages.choices = {Answer::Yes};
  messages.saveAnswers = {path};
  window->close();
  EXPECT_FALSE(window->isVisible());
  QByteArray expected;
  for (int32_t address = 0; address < 0x400; ++address) {
    expected.append(address == 0 ? QByteArray("\x34\x12", 2) : QByteArray("\xFF\x3F", 2));
  }
  EXPECT_EQ(FileBytes(path), expected);
  EXPECT_EQ(messages.boxes.size(), 4u) << "the data image had nothing to save";
}

TEST_F(GridEditingTest, TypedChangesAreOfferedBeforeADeviceAHistoryEntryOrACategoryReplacesThem) {
  const QString first = TempFile("first.bin", QByteArray("\x11\x00", 2));
  window->LoadProgramBinary(first);
  messages.openAnswers = {TempFile("second.bin", QByteArray("\x22\x00", 2))};
  ClickMenuItem(Menus().MenuProg, Menus().ProgBinOpen);
  TypeInto(Program(), 1, "5");
  ASSERT_TRUE(WaitFor([&] { return Program().GetHexData(1) == "0005"; }));

  messages.choices = {Answer::Cancel};
  NextInList(window->Form().CBPICDevice);
  EXPECT_EQ(window->Form().CBPICDevice->currentIndex(), PIC16F84);
  EXPECT_EQ(window->PicWrite().Device(), PIC16F84);
  EXPECT_EQ(Program().GetHexData(1), "0005");
  ExpectQuestion("Save the program image first?\n" + dir.filePath("second.bin"));

  messages.choices = {Answer::No};
  ClickMenuItem(Menus().MenuProg, Menus().MenuProg->actions().last());
  EXPECT_EQ(Program().GetIntData(0), 0x11) << "the history entry opened";
  EXPECT_FALSE(Program().IsO(1));

  TypeInto(Data(), 0, "a");
  messages.choices = {Answer::Cancel};
  NextInList(window->Form().CBCategory);
  EXPECT_EQ(window->Form().CBCategory->currentIndex(), 0);
  EXPECT_TRUE(window->Form().PnlProg->isVisible());
  ExpectQuestion("Save the data image first?\nNew Data");

  const QString path = dir.filePath("data.bin");
  messages.choices = {Answer::Yes};
  messages.saveAnswers = {path};
  NextInList(window->Form().CBCategory);
  EXPECT_EQ(window->Form().CBCategory->currentIndex(), 1);
  EXPECT_FALSE(window->Form().PnlProg->isVisible());
  QByteArray expected(64, '\0');
  expected[0] = 0x0A;
  EXPECT_EQ(FileBytes(path), expected);
}

}  // namespace
}  // namespace tarvel::test

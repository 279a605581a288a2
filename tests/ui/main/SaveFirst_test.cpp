#include <QApplication>
#include <QComboBox>

#include "MainWindowFixture.h"
#include "sim/PicChip.h"
#include "ui/components/HexGrid.h"

namespace tarvel::test {
namespace {

using Answer = WindowMessages::Answer;

// A read from the chip, or a change typed and not saved, is offered for
// saving before anything replaces it; Cancel keeps it and stops the command.
class SaveFirstTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    StartOnSimulator();
  }

  THexGrid& Program() { return *window->Form().HexGrid; }
  THexGrid& Data() { return *window->Form().DataHexGrid; }
  const MainMenus& Menus() { return window->Menus(); }

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

TEST_F(SaveFirstTest, AChipReadIsOfferedBeforeNewAnotherReadAndQuit) {
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

TEST_F(SaveFirstTest, TypedChangesAreOfferedBeforeADeviceAHistoryEntryOrACategoryReplacesThem) {
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

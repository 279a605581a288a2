#include "HexGridFixture.h"

#include <QLineEdit>

namespace tarvel::test {
namespace {

const QString kTooManyDigits = QString::fromUtf8("ビット数が多すぎます");

class HexGridEditing : public HexGridFixture {};

TEST_F(HexGridEditing, TypedDigitsReplaceTheCellInUpperCaseAndEnterMovesOn) {
  grid.WriteData(0, 0x3FF);
  Type("a");
  EXPECT_TRUE(grid.EditorMode());
  EXPECT_EQ(grid.GetHexData(0), "A");  // the cell follows the editor as the user types
  Type("b");
  EXPECT_EQ(grid.GetHexData(0), "AB");
  Press(Qt::Key_Return);
  EXPECT_EQ(grid.GetHexData(0), "00AB");
  EXPECT_EQ(grid.GetIntData(0), 0xAB);
  EXPECT_EQ(grid.Col(), 2);
  EXPECT_EQ(grid.Row(), 1);
  EXPECT_TRUE(grid.EditorMode());
  EXPECT_TRUE(messages.isEmpty());
}

TEST_F(HexGridEditing, EnterInTheLastColumnGoesToTheNextRow) {
  ClickCell(8, 1);
  Type("1f");
  Press(Qt::Key_Enter);
  EXPECT_EQ(grid.GetHexData(7), "001F");
  EXPECT_EQ(grid.Col(), 1);
  EXPECT_EQ(grid.Row(), 2);
  EXPECT_TRUE(grid.EditorMode());

  // The next cell opens with its text selected: a digit replaces the blank.
  Type("7");
  Press(Qt::Key_Return);
  EXPECT_EQ(grid.GetHexData(8), "0007");
}

TEST_F(HexGridEditing, EnterEnterStoresZeros) {
  grid.WriteData(0, 0x1234);
  Press(Qt::Key_Return);
  EXPECT_TRUE(grid.EditorMode());
  EXPECT_EQ(grid.GetHexData(0), "0000");  // emptied, and read as the zeros it becomes
  EXPECT_TRUE(grid.IsO(0));
  EXPECT_EQ(grid.GetIntData(0), 0);
  EXPECT_EQ(grid.SavedCellText(), "1234");
  Press(Qt::Key_Return);
  EXPECT_EQ(grid.Cells(1, 1), "0000");
  EXPECT_EQ(grid.Col(), 2);
}

TEST_F(HexGridEditing, OverLongEntryIsRefusedOnEnterAndOnLeaving) {
  Type("12345");
  Press(Qt::Key_Return);
  EXPECT_EQ(messages, QStringList{kTooManyDigits});
  EXPECT_FALSE(grid.EditorMode());
  EXPECT_EQ(grid.Cells(1, 1), "12345");
  EXPECT_EQ(grid.Col(), 1);

  ClickCell(3, 2);
  EXPECT_EQ(messages, QStringList({kTooManyDigits, kTooManyDigits}));
  EXPECT_EQ(grid.Col(), 1);
  EXPECT_EQ(grid.Row(), 1);
  EXPECT_EQ(grid.selectionModel()->selectedIndexes(), QModelIndexList{grid.model()->index(0, 0)});

  Press(Qt::Key_Down);
  EXPECT_EQ(messages.size(), 3);
  EXPECT_EQ(grid.Row(), 1);

  // A fresh entry puts it right.
  Press(Qt::Key_Return);
  Type("123");
  Press(Qt::Key_Return);
  EXPECT_EQ(grid.GetHexData(0), "0123");
  EXPECT_EQ(grid.Col(), 2);
  EXPECT_EQ(messages.size(), 3);
}

TEST_F(HexGridEditing, OverLongEntryIsRefusedWhenClickingAwayFromAnOpenEditor) {
  Type("123456");
  ASSERT_TRUE(grid.EditorMode());
  ClickCell(2, 1);
  EXPECT_EQ(messages, QStringList{kTooManyDigits});
  EXPECT_EQ(grid.Col(), 1);
  EXPECT_EQ(grid.Cells(1, 1), "123456");
}

TEST_F(HexGridEditing, OtherPrintableCharactersAreDiscarded) {
  grid.WriteData(0, 0x3FF);
  Type("g+ z");
  EXPECT_FALSE(grid.EditorMode());
  EXPECT_EQ(grid.GetHexData(0), "03FF");

  Type("1g+2");
  EXPECT_EQ(grid.GetHexData(0), "12");
  EXPECT_EQ(grid.Col(), 1);
}

TEST_F(HexGridEditing, BackspaceGoesToTheEditor) {
  Type("123");
  Press(Qt::Key_Backspace);
  EXPECT_EQ(grid.GetHexData(0), "12");
  Press(Qt::Key_Return);
  EXPECT_EQ(grid.GetHexData(0), "0012");
}

TEST_F(HexGridEditing, EscapePutsBackTheTextFromBeforeTheEdit) {
  grid.WriteData(0, 0x3FF);
  Type("55");
  Press(Qt::Key_Escape);
  EXPECT_FALSE(grid.EditorMode());
  EXPECT_EQ(grid.GetHexData(0), "03FF");

  // Also after Enter emptied the cell.
  Press(Qt::Key_Return);
  Type("9");
  Press(Qt::Key_Escape);
  EXPECT_EQ(grid.GetHexData(0), "03FF");
  EXPECT_EQ(grid.Col(), 1);

  // Not editing, Escape changes nothing.
  Press(Qt::Key_Escape);
  EXPECT_EQ(grid.GetHexData(0), "03FF");
}

TEST_F(HexGridEditing, EscapeInANextCellRestoresThatCell) {
  grid.WriteData(1, 0x22);
  Type("1");
  Press(Qt::Key_Return);  // now editing address 1
  Type("99");
  Press(Qt::Key_Escape);
  EXPECT_EQ(grid.GetHexData(0), "0001");
  EXPECT_EQ(grid.GetHexData(1), "0022");
}

TEST_F(HexGridEditing, DashBlanksTheCellAndMovesOnWithoutEditing) {
  grid.WriteData(0, 0x1234);
  grid.WriteData(1, 0x5678);
  Type("-");
  EXPECT_EQ(grid.GetHexData(0), "----");
  EXPECT_FALSE(grid.IsO(0));
  EXPECT_EQ(grid.Col(), 2);
  EXPECT_FALSE(grid.EditorMode());

  Type("9-");  // while editing: the typed digit is dropped with the blank
  EXPECT_EQ(grid.GetHexData(1), "----");
  EXPECT_EQ(grid.Col(), 3);
  EXPECT_FALSE(grid.EditorMode());
}

TEST_F(HexGridEditing, LeavingACellPadsItsText) {
  Type("5");
  ClickCell(2, 1);
  EXPECT_EQ(grid.GetHexData(0), "0005");
  EXPECT_EQ(grid.Col(), 2);

  // An emptied entry becomes zeros; a blank stays blank.
  Press(Qt::Key_Return);
  Press(Qt::Key_Right);  // the editor keeps the arrow: leave with the mouse
  ClickCell(3, 1);
  EXPECT_EQ(grid.GetHexData(1), "0000");
  Press(Qt::Key_Down);
  EXPECT_EQ(grid.GetHexData(2), "----");
  EXPECT_EQ(grid.Row(), 2);
}

TEST_F(HexGridEditing, PartlyErasedBlankStaysBlank) {
  grid.GotoNextCell();  // editing address 1, "----" selected
  Press(Qt::Key_End);
  Press(Qt::Key_Backspace);
  EXPECT_EQ(grid.GetHexData(1), "---");
  Press(Qt::Key_Return);
  EXPECT_EQ(grid.GetHexData(1), "----");
  EXPECT_FALSE(grid.IsO(1));
}

TEST_F(HexGridEditing, SavedCellTextIsTakenWhenACellBecomesCurrent) {
  grid.WriteData(9, 0xBEEF);
  ClickCell(2, 2);
  EXPECT_EQ(grid.SavedCellText(), "BEEF");
  Press(Qt::Key_Left);
  EXPECT_EQ(grid.SavedCellText(), "----");
}

// A click on the cell that is already current opens its editor only after a
// double-click interval. Keys typed meanwhile must not be lost to that pending
// edit, and an edit that has meanwhile begun and ended must not come back.
// (In these tests the first of two clicks on a cell makes it current.)
class HexGridClickEditing : public HexGridEditing {
 protected:
  // Long enough for an editor that a click left pending to have opened.
  static void WaitOutTheClick() { QTest::qWait(QApplication::doubleClickInterval() + 200); }
};

TEST_F(HexGridClickEditing, TypingRightAfterClickingTheCurrentCellEditsIt) {
  grid.WriteData(9, 0x3FF);
  ClickCell(2, 2);
  ClickCell(2, 2);
  QTest::keyClicks(&grid, "a");  // the first key goes to the grid, which opens the editor
  Type("b");
  EXPECT_TRUE(grid.EditorMode());
  EXPECT_EQ(grid.Cells(2, 2), "AB");
  EXPECT_EQ(grid.SavedCellText(), "03FF");
  Press(Qt::Key_Return);
  EXPECT_EQ(grid.GetHexData(9), "00AB");
  EXPECT_EQ(grid.Col(), 3);
  EXPECT_TRUE(grid.EditorMode());
  EXPECT_TRUE(messages.isEmpty());
}

TEST_F(HexGridClickEditing, ClickingTheCurrentCellOpensItsEditorAfterADoubleClickInterval) {
  grid.WriteData(9, 0x3FF);
  ClickCell(2, 2);
  ClickCell(2, 2);
  EXPECT_FALSE(grid.EditorMode());  // a double click may still follow
  QTRY_VERIFY(grid.EditorMode());
  EXPECT_EQ(CurrentText(), "03FF");
}

TEST_F(HexGridClickEditing, AnEditClosedWithinTheIntervalStaysClosed) {
  grid.WriteData(9, 0x3FF);
  ClickCell(2, 2);

  // Opened by a double click, delivered as the window system does: its first
  // click is a click on the current cell.
  const QPoint centre = grid.visualRect(grid.currentIndex()).center();
  QTest::mouseClick(grid.viewport(), Qt::LeftButton, Qt::NoModifier, centre);
  QTest::mousePress(grid.viewport(), Qt::LeftButton, Qt::NoModifier, centre);
  QTest::mouseDClick(grid.viewport(), Qt::LeftButton, Qt::NoModifier, centre);
  QTest::mouseRelease(grid.viewport(), Qt::LeftButton, Qt::NoModifier, centre);
  ASSERT_TRUE(grid.EditorMode());
  Press(Qt::Key_Escape);
  WaitOutTheClick();
  EXPECT_FALSE(grid.EditorMode());

  // Opened by a digit.
  ClickCell(2, 2);
  Type("5");
  Press(Qt::Key_Escape);
  WaitOutTheClick();
  EXPECT_FALSE(grid.EditorMode());
  EXPECT_EQ(CurrentText(), "03FF");
}

TEST_F(HexGridClickEditing, ClickingAnotherCellWithinTheIntervalOpensNoEditor) {
  ClickCell(2, 2);
  ClickCell(2, 2);
  ClickCell(3, 2);
  WaitOutTheClick();
  EXPECT_FALSE(grid.EditorMode());
  EXPECT_EQ(grid.Col(), 3);
}

TEST_F(HexGridClickEditing, ADashWithNoNextCellLeavesTheCellClosed) {
  const int lastRow = grid.RowCount() - 1;
  ClickCell(8, lastRow);
  ClickCell(8, lastRow);
  Type("-");
  WaitOutTheClick();
  EXPECT_FALSE(grid.EditorMode());
  EXPECT_EQ(grid.GetHexData(0x3F), "----");
}

TEST_F(HexGridEditing, GotoNextCellStopsAtTheVeryLastCell) {
  const int lastRow = grid.RowCount() - 1;
  ClickCell(8, lastRow);
  Type("7");
  grid.GotoNextCell();
  EXPECT_EQ(grid.Col(), 8);
  EXPECT_EQ(grid.Row(), lastRow);
  EXPECT_FALSE(grid.EditorMode());
  EXPECT_EQ(grid.GetHexData(0x3F), "7");

  // Enter and "-" there end the same way.
  Press(Qt::Key_Return);
  Type("AA");
  Press(Qt::Key_Return);
  EXPECT_EQ(grid.GetHexData(0x3F), "00AA");
  EXPECT_FALSE(grid.EditorMode());
  Type("-");
  EXPECT_EQ(grid.GetHexData(0x3F), "----");
  EXPECT_EQ(grid.Row(), lastRow);
}

TEST_F(HexGridEditing, GotoNextCellStartsEditingTheNextCell) {
  grid.WriteData(1, 0x42);
  grid.GotoNextCell();
  EXPECT_EQ(grid.Col(), 2);
  EXPECT_TRUE(grid.EditorMode());
  auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
  ASSERT_NE(editor, nullptr);
  EXPECT_EQ(editor->text(), "0042");
  EXPECT_EQ(editor->selectedText(), "0042");
}

TEST_F(HexGridEditing, DataGridEntriesHaveTwoDigits) {
  grid.DataDigit = 2;
  grid.Clear();
  Type("f");
  Press(Qt::Key_Return);
  Type("123");
  Press(Qt::Key_Return);
  EXPECT_EQ(grid.GetHexData(0), "0F");
  EXPECT_EQ(grid.GetHexData(1), "123");
  EXPECT_EQ(messages, QStringList{kTooManyDigits});
}

}  // namespace
}  // namespace tarvel::test

#include "HexGridFixture.h"

namespace tarvel::test {
namespace {

class HexGridHistory : public HexGridFixture {
 protected:
  void ShiftClickCell(int col, int row) {
    const QModelIndex cell = grid.model()->index(row - 1, col - 1);
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, Qt::ShiftModifier, grid.visualRect(cell).center());
  }
  std::pair<int32_t, int32_t> Range(int32_t first, int32_t last) { return {first, last}; }
};

// Typed cells, blanks and changed runs are undone and redone in order; an
// entry that was put back or escaped leaves no step behind.
TEST_F(HexGridHistory, UserChangesUndoAndRedoInOrder) {
  grid.WriteData(1, 0x1111);
  grid.WriteData(10, 0x2222);
  Type("ab");
  Press(Qt::Key_Return);
  Type("-");
  ASSERT_TRUE(grid.ChangeCells("Fill", 4, {7, 7, std::nullopt}));
  ClickCell(3, 2);
  Type("12345");
  EXPECT_FALSE(grid.SettleCurrentCell());
  Type("9");
  Press(Qt::Key_Escape);
  EXPECT_EQ(grid.GetHexData(10), "2222");
  ASSERT_EQ(grid.UndoStack().count(), 3);
  EXPECT_FALSE(grid.ChangeCells("Fill", 0x3F, {1, 2})) << "past MaxAddress";

  grid.UndoStack().undo();
  EXPECT_EQ(grid.Cell(4), std::nullopt);
  EXPECT_EQ(grid.SelectedRange(), Range(4, 6)) << "the undone run is shown";
  grid.UndoStack().undo();
  EXPECT_EQ(grid.GetHexData(1), "1111");
  grid.UndoStack().undo();
  EXPECT_EQ(grid.GetHexData(0), "----");
  EXPECT_TRUE(grid.UndoStack().isClean());
  while (grid.UndoStack().canRedo()) grid.UndoStack().redo();
  EXPECT_EQ(grid.GetHexData(0), "00AB");
  EXPECT_FALSE(grid.IsO(1));
  EXPECT_EQ(grid.Cell(5), 7);
  EXPECT_FALSE(grid.IsO(6));

  grid.ClearUndo();
  EXPECT_EQ(grid.UndoStack().count(), 0);
}

// The mouse and Shift+arrows select addresses in a row, not a block.
TEST_F(HexGridHistory, SelectionsRunFromAddressToAddress) {
  ClickCell(6, 1);
  ShiftClickCell(3, 2);
  EXPECT_EQ(grid.SelectedRange(), Range(5, 10));
  EXPECT_EQ(grid.selectionModel()->selectedIndexes().size(), 6);

  ClickCell(3, 1);
  QTest::keyClick(&grid, Qt::Key_Down, Qt::ShiftModifier);
  EXPECT_EQ(grid.SelectedRange(), Range(2, 10));
  EXPECT_EQ(grid.selectionModel()->selectedIndexes().size(), 9);

  grid.SelectRange(0x3C, 0x50);
  EXPECT_EQ(grid.SelectedRange(), Range(0x3C, 0x3F));
  EXPECT_EQ(grid.CurrentAddress(), 0x3C);
}

}  // namespace
}  // namespace tarvel::test

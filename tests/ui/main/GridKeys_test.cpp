#include <QApplication>

#include "MainWindowFixture.h"
#include "ui/components/HexGrid.h"

namespace tarvel::test {
namespace {

// The grids as the window sets them up, edited with the keyboard; the grid's
// own message goes through the window's message interface.
class GridKeysTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    WriteCurrentStore("Category=0\nPICDevice=40");
    StartShown();
  }

  void ClickAddress(THexGrid& grid, int address) {
    const QModelIndex cell = grid.model()->index(address / grid.DataColCount(), address % grid.DataColCount());
    grid.scrollTo(cell);
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, grid.visualRect(cell).center());
  }

  void Type(const char* keys) {
    for (const char* key = keys; *key != '\0'; ++key) QTest::keyClick(KeyTarget(), *key);
  }
  void Press(Qt::Key key) { QTest::keyClick(KeyTarget(), key); }
  QWidget* KeyTarget() {
    QWidget* focus = QApplication::focusWidget();
    return focus != nullptr ? focus : window.get();
  }
};

TEST_F(GridKeysTest, TypedWordsArePaddedAndEditingMovesOn) {
  THexGrid& grid = *window->Form().HexGrid;
  ClickAddress(grid, 7);
  Type("ab");
  Press(Qt::Key_Return);
  ASSERT_TRUE(WaitFor([&] { return grid.GetHexData(7) == "00AB"; })) << grid.GetHexData(7).toStdString();
  EXPECT_TRUE(grid.EditorMode());
  EXPECT_EQ(grid.Row(), 2) << "from the last column on to the next row";
  EXPECT_EQ(grid.Col(), 1);
  Type("-");
  EXPECT_FALSE(grid.IsO(8));
  EXPECT_EQ(grid.GetHexData(8), "----");
}

TEST_F(GridKeysTest, OverLongTextIsToldThroughTheWindow) {
  THexGrid& grid = *window->Form().HexGrid;
  ClickAddress(grid, 2);
  Type("12345");
  Press(Qt::Key_Return);
  ASSERT_TRUE(WaitFor([&] { return !messages.boxes.empty(); }));
  EXPECT_EQ(messages.Texts(), QStringList{"ビット数が多すぎます"});
  EXPECT_EQ(messages.boxes[0].caption, "") << "the simple box";
}

// A cell never keeps a text that stands for another number than the one it
// shows: focus that leaves the grid, or a command, puts an over-long entry
// back with the message, and the command does not run on it.
TEST_F(GridKeysTest, AnOverLongEntryIsPutBackWhenFocusLeavesOrACommandComes) {
  THexGrid& program = *window->Form().HexGrid;
  THexGrid& data = *window->Form().DataHexGrid;
  program.WriteData(2, 0x1111);
  ClickAddress(program, 2);
  Type("123456");
  ClickAddress(data, 0);
  ASSERT_TRUE(WaitFor([&] { return !messages.boxes.empty(); }));
  EXPECT_EQ(messages.Texts(), QStringList{"ビット数が多すぎます"});
  EXPECT_EQ(program.GetHexData(2), "1111");

  messages.Forget();
  ClickAddress(program, 3);
  Type("123456");
  Press(Qt::Key_Return);
  ClickButton(window->Form().SBBinProgSave);
  EXPECT_EQ(messages.Texts(), (QStringList{"ビット数が多すぎます", "ビット数が多すぎます"}));
  EXPECT_TRUE(messages.saveRequests.empty()) << "the save did not run";
  EXPECT_FALSE(program.IsO(3));

  ClickAddress(program, 4);
  Type("12");
  const QString path = dir.filePath("saved.bin");
  messages.saveAnswers.push_back(path);
  ClickButton(window->Form().SBBinProgSave);
  EXPECT_EQ(program.GetHexData(4), "0012");
  EXPECT_EQ(FileBytes(path).mid(4, 6), QByteArray("\x11\x11\x00\x00\x12\x00", 6));
}

TEST_F(GridKeysTest, EscapeRestoresTheDataCell) {
  THexGrid& grid = *window->Form().DataHexGrid;
  grid.WriteData(3, 0x5A);
  ClickAddress(grid, 3);
  Type("f");
  Press(Qt::Key_Escape);
  ASSERT_TRUE(WaitFor([&] { return !grid.EditorMode(); }));
  EXPECT_EQ(grid.GetHexData(3), "5A");
  ClickAddress(grid, 4);
  Type("f");
  Press(Qt::Key_Return);
  ASSERT_TRUE(WaitFor([&] { return grid.GetHexData(4) == "0F"; })) << grid.GetHexData(4).toStdString();
}

}  // namespace
}  // namespace tarvel::test

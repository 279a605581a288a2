#pragma once

#include "ui/components/HexGrid.h"

#include <QApplication>
#include <QStringList>
#include <QTest>

#include <gtest/gtest.h>

namespace tarvel::test {

// A shown, active grid in the program grid's layout (8 columns of 4-digit
// words), cleared, with its messages recorded instead of shown.
class HexGridFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    grid.SetDataColCount(8);
    grid.SetAddressCellWidth(50);
    grid.SetDataCellWidth(46);
    grid.SetMaxAddress(0x3F);
    grid.Clear();
    grid.SetMessageSink([this](const QString& text) { messages << text; });
    grid.resize(500, 400);
    grid.show();
    grid.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&grid));
  }

  // Where keys go: the cell editor while one is open, the grid otherwise.
  QWidget* KeyTarget() {
    QWidget* focus = QApplication::focusWidget();
    return focus != nullptr ? focus : &grid;
  }

  void Type(const char* keys) {
    for (const char* key = keys; *key != '\0'; ++key) QTest::keyClick(KeyTarget(), *key);
  }

  void Press(Qt::Key key) { QTest::keyClick(KeyTarget(), key); }

  void ClickCell(int col, int row) {
    const QModelIndex cell = grid.model()->index(row - 1, col - 1);
    grid.scrollTo(cell);
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, Qt::NoModifier, grid.visualRect(cell).center());
  }

  // The current cell in string-grid coordinates, and its text.
  QString CurrentText() { return grid.Cells(grid.Col(), grid.Row()); }

  THexGrid grid;
  QStringList messages;
};

}  // namespace tarvel::test

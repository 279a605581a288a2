#include "ui/components/HexGrid.h"

#include <QHeaderView>

#include <gtest/gtest.h>

namespace tarvel {
namespace {

// Columns 1..count-1 of row 0, or rows 1..count-1 of column 0.
QStringList HeaderRow(const THexGrid& grid) {
  QStringList texts;
  for (int col = 1; col < grid.ColCount(); ++col) texts << grid.Cells(col, 0);
  return texts;
}

TEST(HexGridLayout, NewGridHasSixteenColumnsUpToAddress160) {
  THexGrid grid;
  EXPECT_EQ(grid.MaxAddress(), 160);
  EXPECT_EQ(grid.DataColCount(), 16);
  EXPECT_EQ(grid.AddressCellWidth(), 35);
  EXPECT_EQ(grid.DataCellWidth(), 25);
  EXPECT_EQ(grid.AddressDigits(), 4);
  EXPECT_EQ(grid.DataDigit, 4);
  EXPECT_TRUE(grid.SavedCellText().isEmpty());
  EXPECT_EQ(grid.ColCount(), 17);
  EXPECT_EQ(grid.RowCount(), 160 / 16 + 2);
  EXPECT_EQ(grid.Cells(0, 0), "");
  EXPECT_EQ(grid.Cells(1, 0), "+0");
  EXPECT_EQ(grid.Cells(16, 0), "+F");
  EXPECT_EQ(grid.Cells(0, 1), "0000H");
  EXPECT_EQ(grid.Cells(0, 11), "00A0H");
  EXPECT_EQ(grid.Col(), 1);
  EXPECT_EQ(grid.Row(), 1);
}

TEST(HexGridLayout, ProgramGridOf1024WordsHas128DataRows) {
  THexGrid grid;
  grid.SetDataColCount(8);
  grid.SetMaxAddress(0x3FF);
  EXPECT_EQ(grid.RowCount(), 129);
  EXPECT_EQ(grid.ColCount(), 9);
  EXPECT_EQ(HeaderRow(grid), QStringList({"+0", "+1", "+2", "+3", "+4", "+5", "+6", "+7"}));
  EXPECT_EQ(grid.Cells(0, 1), "0000H");
  EXPECT_EQ(grid.Cells(0, 2), "0008H");
  EXPECT_EQ(grid.Cells(0, 128), "03F8H");
}

TEST(HexGridLayout, LabelsFollowAddressDigitsAndColumns) {
  THexGrid grid;
  grid.SetDataColCount(8);
  grid.SetAddressDigits(3);
  grid.SetMaxAddress(63);
  EXPECT_EQ(grid.RowCount(), 9);
  EXPECT_EQ(grid.Cells(0, 1), "000H");
  EXPECT_EQ(grid.Cells(0, 3), "010H");
  EXPECT_EQ(grid.Cells(0, 8), "038H");

  // The serial EEPROM layout of the data grid, 24xx256.
  grid.SetDataColCount(16);
  grid.SetAddressDigits(5);
  grid.SetMaxAddress(0x7FFF);
  EXPECT_EQ(grid.RowCount(), 0x8000 / 16 + 1);
  EXPECT_EQ(grid.Cells(0, 2), "00010H");
  EXPECT_EQ(grid.Cells(0, grid.RowCount() - 1), "07FF0H");
  EXPECT_EQ(grid.Cells(16, 0), "+F");

  // Labels grow past their digits rather than lose the top ones.
  grid.SetAddressDigits(2);
  EXPECT_EQ(grid.Cells(0, grid.RowCount() - 1), "7FF0H");
}

TEST(HexGridLayout, MaxAddressThatEndsARowStillGetsTheNextRow) {
  // Rows are MaxAddress div columns + 2, so address 8 in 8 columns opens a third row.
  THexGrid grid;
  grid.SetDataColCount(8);
  grid.SetMaxAddress(7);
  EXPECT_EQ(grid.RowCount(), 2);
  grid.SetMaxAddress(8);
  EXPECT_EQ(grid.RowCount(), 3);
}

TEST(HexGridLayout, WidthsGoToTheAddressColumnAndTheExistingDataColumns) {
  THexGrid grid;
  grid.SetDataColCount(8);
  grid.SetAddressCellWidth(40);
  grid.SetAddressDigits(3);
  grid.SetDataCellWidth(25);
  EXPECT_EQ(grid.verticalHeader()->width(), 40);
  for (int column = 0; column < 8; ++column) EXPECT_EQ(grid.columnWidth(column), 25);

  // Columns added afterwards keep the default width until the width is set again.
  grid.SetDataColCount(16);
  EXPECT_EQ(grid.columnWidth(7), 25);
  EXPECT_EQ(grid.columnWidth(8), grid.horizontalHeader()->defaultSectionSize());
  grid.SetDataCellWidth(30);
  for (int column = 0; column < 16; ++column) EXPECT_EQ(grid.columnWidth(column), 30);
  EXPECT_EQ(grid.DataCellWidth(), 30);
}

TEST(HexGridLayout, AddressColumnGrowsWhenItsFontNeedsMoreRoom) {
  THexGrid grid;
  grid.SetDataColCount(8);
  grid.SetAddressCellWidth(50);
  const int fitting = grid.verticalHeader()->width();
  QFont huge = grid.font();
  huge.setPixelSize(40);
  grid.setFont(huge);
  EXPECT_GT(grid.verticalHeader()->width(), grid.verticalHeader()->fontMetrics().horizontalAdvance("00A0H"));
  EXPECT_EQ(grid.AddressCellWidth(), 50);
  grid.setFont(QFont());
  EXPECT_EQ(grid.verticalHeader()->width(), fitting);
}

TEST(HexGridLayout, LayoutChangesKeepTextsInTheirCells) {
  THexGrid grid;
  grid.SetDataColCount(8);
  grid.SetMaxAddress(31);
  grid.WriteData(9, 0x1234);  // column 2, row 2
  grid.SetDataColCount(16);
  EXPECT_EQ(grid.Cells(2, 2), "1234");
  EXPECT_EQ(grid.GetHexData(17), "1234");
}

TEST(HexGridData, ValuesAreUpperCaseHexPaddedToDataDigit) {
  THexGrid grid;
  grid.SetDataColCount(8);
  grid.SetMaxAddress(0x3FF);
  grid.WriteData(0, 0x3FF);
  grid.WriteData(9, 0x12345);
  EXPECT_EQ(grid.Cells(1, 1), "03FF");
  EXPECT_EQ(grid.Cells(2, 2), "12345");
  EXPECT_EQ(grid.GetIntData(0), 0x3FF);
  EXPECT_EQ(grid.GetIntData(9), 0x12345);
  EXPECT_EQ(grid.GetHexData(0), "03FF");
  EXPECT_TRUE(grid.IsO(0));

  grid.DataDigit = 2;
  grid.WriteData(10, 0xA);
  EXPECT_EQ(grid.GetHexData(10), "0A");
  EXPECT_EQ(grid.GetHexData(0), "03FF");  // DataDigit alone rewrites nothing

  grid.WriteData(11, -1);
  EXPECT_EQ(grid.GetHexData(11), "FFFFFFFF");
  EXPECT_EQ(grid.GetIntData(11), -1);
}

TEST(HexGridData, ClearBlanksEveryCellAsDashes) {
  THexGrid grid;
  grid.SetDataColCount(8);
  grid.SetMaxAddress(20);  // three rows, the last one partly past MaxAddress
  for (int address = 0; address <= 20; ++address) grid.WriteData(address, address);
  grid.Clear();
  for (int address = 0; address <= 20; ++address) {
    EXPECT_EQ(grid.GetIntData(address), 0) << address;
    EXPECT_FALSE(grid.IsO(address)) << address;
    EXPECT_EQ(grid.GetHexData(address), "----") << address;
  }
  EXPECT_EQ(grid.Cells(8, 3), "----");  // address 23, shown but never read

  grid.DataDigit = 2;
  grid.Clear();
  EXPECT_EQ(grid.GetHexData(5), "--");
  grid.WriteData(5, 0x5A);
  grid.ClearData(5);
  EXPECT_EQ(grid.GetHexData(5), "--");
}

TEST(HexGridData, AddressesBeyondMaxAddressReadAsMissing) {
  THexGrid grid;
  grid.SetDataColCount(8);
  grid.SetMaxAddress(20);
  grid.Clear();
  for (int address : {21, 23, 1000, -1}) {
    EXPECT_EQ(grid.GetIntData(address), -1) << address;
    EXPECT_EQ(grid.GetHexData(address), "-1") << address;
    EXPECT_FALSE(grid.IsO(address)) << address;
  }
  // Address 21 exists as a cell in the last row but is never read or cleared.
  grid.WriteData(20, 0x55);
  grid.ClearData(21);
  grid.ClearData(-1);
  EXPECT_EQ(grid.GetHexData(20), "0055");
  EXPECT_EQ(grid.MaxAddress(), 20);
}

TEST(HexGridData, WritingBeyondMaxAddressGrowsTheGrid) {
  THexGrid grid;
  grid.SetDataColCount(8);
  grid.SetMaxAddress(0x3F);
  grid.Clear();
  grid.WriteData(0x3F + 20, 0x1234);
  EXPECT_EQ(grid.MaxAddress(), 0x3F + 20);
  EXPECT_EQ(grid.RowCount(), (0x3F + 20) / 8 + 2);
  EXPECT_EQ(grid.GetIntData(0x3F + 20), 0x1234);
  EXPECT_EQ(grid.Cells(0, grid.RowCount() - 1), "0050H");
  EXPECT_FALSE(grid.IsO(0x3F));  // old cells keep their blanks
  grid.WriteData(-5, 1);  // no address at all: ignored
  EXPECT_EQ(grid.MaxAddress(), 0x3F + 20);
}

TEST(HexGridData, AddressesTheGridGrowsByHoldNoValue) {
  THexGrid grid;
  grid.SetDataColCount(8);
  grid.SetMaxAddress(0x3F);
  grid.Clear();
  grid.WriteData(0x3F + 20, 0x1234);
  for (int32_t address = 0x40; address < 0x3F + 20; ++address) {
    EXPECT_FALSE(grid.IsO(address)) << address;
    EXPECT_EQ(grid.GetHexData(address), "----") << address;
  }
}

TEST(HexGridData, AnEmptyCellCountsAsZero) {
  // A new grid that was never cleared has empty cells, as a cell being typed may.
  THexGrid grid;
  EXPECT_TRUE(grid.IsO(0));
  EXPECT_EQ(grid.GetIntData(0), 0);
  EXPECT_EQ(grid.GetHexData(0), "0000");
}

TEST(HexGridData, ValuesReadEveryAddressUpToMaxAddressAsIsOAndGetIntDataDo) {
  THexGrid grid;
  grid.SetDataColCount(8);
  grid.SetMaxAddress(4);  // the row's cells 5..7 are shown but never read
  grid.Clear();
  grid.WriteData(1, 0x1234);
  grid.WriteData(4, 0xAB);
  const std::vector<std::optional<uint8_t>> bytes = grid.Values<uint8_t>();
  EXPECT_EQ(bytes, (std::vector<std::optional<uint8_t>>{std::nullopt, 0x34, std::nullopt, std::nullopt, 0xAB}));
  const THexGrid::CellValues cells = grid.Values<int32_t>();
  ASSERT_EQ(cells.size(), 5U);
  for (int32_t address = 0; address <= grid.MaxAddress(); ++address) {
    EXPECT_EQ(cells[static_cast<size_t>(address)],
              grid.IsO(address) ? THexGrid::CellValue{grid.GetIntData(address)} : std::nullopt)
        << address;
  }
}

TEST(HexGridText, HexToIntFoldsHexDigitsAndCountsOthersAsZero) {
  EXPECT_EQ(THexGrid::HexToInt(""), 0);
  EXPECT_EQ(THexGrid::HexToInt("00AB"), 0xAB);
  EXPECT_EQ(THexGrid::HexToInt("3fff"), 0x3FFF);
  EXPECT_EQ(THexGrid::HexToInt("----"), 0);
  EXPECT_EQ(THexGrid::HexToInt("1-2"), 0x102);
  EXPECT_EQ(THexGrid::HexToInt("FFFFFFFF"), -1);
  EXPECT_EQ(THexGrid::HexToInt("123456789"), 0x23456789);  // wraps at 32 bits

  EXPECT_EQ(THexGrid::XtoI('0'), 0);
  EXPECT_EQ(THexGrid::XtoI('9'), 9);
  EXPECT_EQ(THexGrid::XtoI('a'), 10);
  EXPECT_EQ(THexGrid::XtoI('F'), 15);
  EXPECT_EQ(THexGrid::XtoI('g'), 0);
  EXPECT_EQ(THexGrid::XtoI(QChar(0xFF10)), 0);  // a full-width zero is not a digit

  for (char c : {'0', '9', 'a', 'f', 'A', 'F'}) EXPECT_TRUE(THexGrid::IsHex(c)) << c;
  for (char c : {'g', 'G', '-', '+', ' ', '/', ':', '@', '`'}) EXPECT_FALSE(THexGrid::IsHex(c)) << c;
}

}  // namespace
}  // namespace tarvel

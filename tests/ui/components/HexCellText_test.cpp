#include "HexGridFixture.h"
#include "ui/components/HexCellText.h"

namespace tarvel::test {
namespace {

using Values = THexGrid::CellValues;

class HexCellTextTest : public HexGridFixture {};

TEST_F(HexCellTextTest, CopiedTextHasTheGridsDigitsAndRowsAndParsesBack) {
  for (int32_t address = 5; address <= 17; ++address) grid.WriteData(address, address * 0x101);
  grid.ClearData(9);
  const QString text = HexCellText::Format(grid, 6, 17);
  EXPECT_EQ(text, "0606 0707\n0808 ---- 0A0A 0B0B 0C0C 0D0D 0E0E 0F0F\n1010 1111");
  const HexCellText::Parsed parsed = HexCellText::Parse(text, 4);
  ASSERT_TRUE(parsed.problem.isEmpty()) << parsed.problem.toStdString();
  ASSERT_EQ(parsed.values.size(), 12u);
  EXPECT_EQ(parsed.values[3], std::nullopt);
  EXPECT_EQ(parsed.values[11], 0x1111);

  EXPECT_EQ(HexCellText::Parse(" a\tff -\r\n", 2).values, (Values{0xA, 0xFF, std::nullopt}));
  for (const char* bad : {"", "  \n", "12 345", "12 0x3", "1,2", "---"}) {
    const HexCellText::Parsed refused = HexCellText::Parse(bad, 2);
    EXPECT_FALSE(refused.problem.isEmpty()) << bad;
    EXPECT_TRUE(refused.values.empty()) << bad;
  }
  EXPECT_EQ(HexCellText::ParseAddress("3fH", 0x3F), 0x3F);
  EXPECT_EQ(HexCellText::ParseAddress(" 10 ", 0x3F), 0x10);
  for (const char* bad : {"40", "", "H", "-1", "0x1", "+1", "1 2"}) {
    EXPECT_EQ(HexCellText::ParseAddress(bad, 0x3F), std::nullopt) << bad;
  }
}

TEST_F(HexCellTextTest, FindLooksOnOrBackAndRoundPastTheEnd) {
  for (int32_t address : {3, 0x20, 0x3E}) {
    grid.WriteData(address, 0x12);
    grid.ClearData(address + 1);
  }
  const Values run = {0x12, std::nullopt};
  EXPECT_EQ(FindCells(grid, run, 0, true), 3);
  EXPECT_EQ(FindCells(grid, run, 4, true), 0x20);
  EXPECT_EQ(FindCells(grid, run, 0x21, true), 0x3E);
  EXPECT_EQ(FindCells(grid, run, 0x3F, true), 3) << "round past the end";
  EXPECT_EQ(FindCells(grid, run, 0x1F, false), 3);
  EXPECT_EQ(FindCells(grid, run, 2, false), 0x3E);
  EXPECT_EQ(FindCells(grid, {0x12, 0x12}, 0, true), -1);
  EXPECT_EQ(FindCells(grid, Values(0x41, std::nullopt), 0, true), -1) << "longer than the grid";
}

}  // namespace
}  // namespace tarvel::test

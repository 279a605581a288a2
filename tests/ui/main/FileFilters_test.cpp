#include <gtest/gtest.h>

#include "ui/main/FileFilters.h"

namespace tarvel::test {
namespace {

TEST(FileFiltersTest, BarListsBecomeQtFiltersThatKeepTheShownText) {
  EXPECT_EQ(FileFilters::FromBarList("HEX file(*.obj;*.hex)|*.obj;*.hex|All(*.*)|*.*"),
            (QStringList{"HEX file(*.obj;*.hex) (*.obj *.hex)", "All(*.*) (*)"}));
}

TEST(FileFiltersTest, TheSettingChoosesTheFirstFilterAndEveryOtherValueStartsWithAll) {
  EXPECT_EQ(FileFilters::Hex(1).first(), "HEX file(*.obj;*.hex) (*.obj *.hex)");
  EXPECT_EQ(FileFilters::Hex(3).first(), "HEX file(*.hex) (*.hex)");
  EXPECT_EQ(FileFilters::Hex(0).first(), "All(*.*) (*)");
  EXPECT_EQ(FileFilters::Hex(200).first(), "All(*.*) (*)");
  EXPECT_EQ(FileFilters::Binary(1).first(), "Binary file(*.obj;*.bin) (*.obj *.bin)");
  EXPECT_EQ(FileFilters::Binary(2).first(), "Binary file(*.obj) (*.obj)");
  for (int type = 0; type <= 4; ++type) {
    EXPECT_EQ(FileFilters::Hex(type).size(), 4);
    EXPECT_EQ(FileFilters::Binary(type).size(), 4);
  }
}

}  // namespace
}  // namespace tarvel::test

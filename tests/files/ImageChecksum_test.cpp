#include "files/ImageChecksum.h"

#include <gtest/gtest.h>

#include <string>

namespace tarvel {
namespace {

TEST(ImageChecksum, ProgramSumCountsBlankWordsAsErasedAndTheCrcIsZips) {
  // Two words given, 1022 blank (3FFFH), the configuration word 3FF1H.
  std::vector<std::optional<uint16_t>> program(1024);
  program[0] = 0x2805;
  program[1] = 0xFFFF;  // counted as its 14 bits
  EXPECT_EQ(PicProgramChecksum(program, 0x3FF1, 0x3FFF),
            static_cast<uint16_t>(0x2805 + 0x3FFF * 1023 + 0x3FF1));
  EXPECT_EQ(PicProgramChecksum(program, std::nullopt, 0x3FFF), static_cast<uint16_t>(0x2805 + 0x3FFF * 1024));
  const std::string digits = "123456789";
  EXPECT_EQ(Crc32(reinterpret_cast<const uint8_t*>(digits.data()), digits.size()), 0xCBF43926u);
}

TEST(ImageChecksum, DataCrcCountsBlankBytesAsErased) {
  const std::string digits = "123456789";
  std::vector<std::optional<uint8_t>> data(digits.begin(), digits.end());
  EXPECT_EQ(DataImageCrc32(data), 0xCBF43926u);
  data[4].reset();
  data.emplace_back();
  const uint8_t filled[] = {'1', '2', '3', '4', 0xFF, '6', '7', '8', '9', 0xFF};
  EXPECT_EQ(DataImageCrc32(data), Crc32(filled, sizeof filled));
}

}  // namespace
}  // namespace tarvel

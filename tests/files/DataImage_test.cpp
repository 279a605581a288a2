#include "files/DataImage.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "files/HexWriter.h"
#include "files/TempFolder.h"
#include "support/RecordingMessages.h"

namespace tarvel {
namespace {

const std::string kEndOfFile = ":00000001FF\n";

// Data records covering [first, first + count), byte i holding i & 0xFF.
std::string CountingRecords(uint32_t first, uint32_t count) {
  HexBytes bytes(first + count);
  for (uint32_t i = first; i < first + count; ++i) bytes[i] = static_cast<uint8_t>(i & 0xFF);
  const std::vector<uint8_t> text = *IntelHexText(bytes, HexFormat::Inhx8m);
  return std::string(text.begin(), text.end());
}

class DataImageTest : public ::testing::Test {
 protected:
  const THexSource& Load(const std::string& text) {
    EXPECT_EQ(hex.LoadFile(folder.Write("data.hex", text)), 1);
    return hex;
  }

  test::TempFolder folder;
  test::RecordingMessages messages;
  THexSource hex{messages};
};

TEST_F(DataImageTest, AssemblerOutputFillsTheBytesItHolds) {
  ASSERT_EQ(hex.LoadFile(std::string(TARVEL_TEST_DATA_DIR) + "/eeprom24xx_table_inhx8m.hex"), 1);
  const DataHexBytes image = DataBytesFromHex(hex, 0x1FF);
  EXPECT_FALSE(image.tooBig);
  EXPECT_EQ(image.bytes[0x00], 0x00);
  EXPECT_EQ(image.bytes[0x1F], 0x1F);
  EXPECT_EQ(image.bytes[0x24], 0x5A);
  EXPECT_FALSE(image.bytes[0x28].has_value());
  EXPECT_EQ(image.bytes[0x100], 't');
  EXPECT_EQ(image.bytes[0x106], 0x00);
  EXPECT_FALSE(image.bytes[0x108].has_value());
}

TEST_F(DataImageTest, FileBeyondTheMemoryFillsItAndReportsTheBytesTaken) {
  const DataHexBytes image = DataBytesFromHex(Load(CountingRecords(0, 100)), 63);
  ASSERT_EQ(image.bytes.size(), 64u);
  EXPECT_TRUE(image.tooBig);
  EXPECT_EQ(image.bytesTaken, 64);
  EXPECT_EQ(image.lineBeyond, 5) << "64 = 40H starts the fifth record";
  for (size_t i = 0; i < 64; ++i) ASSERT_EQ(image.bytes[i], i) << i;
}

TEST_F(DataImageTest, FileThatJustFitsIsNotTooBig) {
  const DataHexBytes image = DataBytesFromHex(Load(CountingRecords(0, 64)), 63);
  EXPECT_FALSE(image.tooBig);
  EXPECT_EQ(image.bytes[63], 63);
}

TEST_F(DataImageTest, FileWithoutDataLeavesEveryCellBlank) {
  const DataHexBytes image = DataBytesFromHex(Load(kEndOfFile), 0xFF);
  EXPECT_FALSE(image.tooBig);
  for (const auto& byte : image.bytes) ASSERT_FALSE(byte.has_value());
}

TEST_F(DataImageTest, AWhole24xx256FileLoadsAndOneByteMoreIsTooBig) {
  const DataHexBytes whole = DataBytesFromHex(Load(CountingRecords(0, 0x8000)), 0x7FFF);
  EXPECT_FALSE(whole.tooBig);
  EXPECT_EQ(whole.bytes[0x4000], 0x00);
  EXPECT_EQ(whole.bytes[0x7FFF], 0xFF);

  const DataHexBytes over = DataBytesFromHex(Load(CountingRecords(0x7FF0, 17)), 0x7FFF);
  EXPECT_TRUE(over.tooBig);
  EXPECT_EQ(over.bytesTaken, 0x8000);
  EXPECT_EQ(over.lineBeyond, 2) << "beyond the reader's image, in the second record";
  EXPECT_EQ(over.bytes[0x7FFF], 0xFF);
}

TEST_F(DataImageTest, BinaryOfExactlyTheMemoryLoadsWithoutReport) {
  const DataBinaryBytes image = ReadDataBinary(folder.Write("exact.bin", std::string(64, '\x5A')), 63);
  ASSERT_TRUE(image.opened);
  EXPECT_EQ(image.bytes.size(), 64u);
  EXPECT_FALSE(image.tooBig);
}

TEST_F(DataImageTest, BinaryOneByteLongerIsReportedWithTheBytesTaken) {
  const DataBinaryBytes image = ReadDataBinary(folder.Write("long.bin", std::string(65, '\x5A')), 63);
  ASSERT_TRUE(image.opened);
  EXPECT_EQ(image.bytes.size(), 64u);
  EXPECT_TRUE(image.tooBig);
  EXPECT_EQ(image.bytesTaken, 64);
}

TEST_F(DataImageTest, ShortBinaryFillsOnlyItsBytes) {
  const DataBinaryBytes image = ReadDataBinary(folder.Write("short.bin", "ab"), 63);
  ASSERT_TRUE(image.opened);
  EXPECT_EQ(image.bytes, (std::vector<uint8_t>{'a', 'b'}));
}

TEST_F(DataImageTest, BinaryThatCannotBeOpenedSaysWhy) {
  const DataBinaryBytes image = ReadDataBinary(folder.File("absent.bin"), 63);
  EXPECT_FALSE(image.opened);
  EXPECT_FALSE(image.reason.empty());
}

TEST_F(DataImageTest, SavedBytesReadBack) {
  const std::vector<uint8_t> bytes = {0x00, 0xFF, 0x1A, 0x0D, 0x0A};
  const std::string path = folder.File("data.bin");
  ASSERT_TRUE(SaveDataBinary(path, bytes).saved);
  EXPECT_EQ(ReadDataBinary(path, 0xFF).bytes, bytes);
}

}  // namespace
}  // namespace tarvel

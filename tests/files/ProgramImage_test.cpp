#include "files/ProgramImage.h"

#include <gtest/gtest.h>

#include <string>

#include "files/TempFolder.h"
#include "support/RecordingMessages.h"

namespace tarvel {
namespace {

const std::string kEndOfFile = ":00000001FF\n";

class ProgramImageTest : public ::testing::Test {
 protected:
  const THexSource& Load(const std::string& text) {
    EXPECT_EQ(hex.LoadFile(folder.Write("program.hex", text)), 1);
    return hex;
  }

  test::TempFolder folder;
  test::RecordingMessages messages;
  THexSource hex{messages};
};

TEST_F(ProgramImageTest, AssemblerOutputGivesItsProgramWordsOnly) {
  ASSERT_EQ(hex.LoadFile(std::string(TARVEL_TEST_DATA_DIR) + "/pic16f84_blink_inhx32.hex"), 1);
  const ProgramHexWords image = ProgramWordsFromHex(hex, 0x3FF);
  ASSERT_EQ(image.words.size(), 0x400u);
  EXPECT_EQ(image.highByteOnlyAddress, -1);
  EXPECT_EQ(image.words[0], 0x2805);  // goto start
  EXPECT_FALSE(image.words[1].has_value());
  EXPECT_FALSE(image.words[3].has_value());
  EXPECT_EQ(image.words[4], 0x0009);  // retfie
  EXPECT_EQ(image.words[12], 0x2808);  // goto loop
  int filled = 0;
  for (const auto& word : image.words) filled += word.has_value() ? 1 : 0;
  EXPECT_EQ(filled, 10);
}

TEST_F(ProgramImageTest, WordsZeroToThreeLeaveTheRestBlank) {
  const ProgramHexWords image = ProgramWordsFromHex(Load(":080000000130FF3F0000FFFF8B\n" + kEndOfFile), 0x3FF);
  EXPECT_EQ(image.words[0], 0x3001);
  EXPECT_EQ(image.words[1], 0x3FFF);
  EXPECT_EQ(image.words[2], 0x0000);
  EXPECT_EQ(image.words[3], 0xFFFF) << "values are not masked to the word width";
  for (size_t a = 4; a < image.words.size(); ++a) ASSERT_FALSE(image.words[a].has_value()) << a;
}

TEST_F(ProgramImageTest, LowByteAloneGetsAZeroHighByte) {
  const ProgramHexWords image = ProgramWordsFromHex(Load(":01000A00C530\n" + kEndOfFile), 0x3FF);
  EXPECT_EQ(image.words[5], 0x00C5);
  EXPECT_EQ(image.highByteOnlyAddress, -1);
}

TEST_F(ProgramImageTest, HighByteAloneStopsTheImageAtThatWord) {
  const ProgramHexWords image =
      ProgramWordsFromHex(Load(":0800000001300230033004302E\n:01000B002ACA\n:02000E000730B9\n" + kEndOfFile), 0x3FF);
  EXPECT_EQ(image.highByteOnlyAddress, 5);
  EXPECT_EQ(image.words[3], 0x3004);
  EXPECT_FALSE(image.words[5].has_value());
  EXPECT_FALSE(image.words[7].has_value()) << "words after the fault stay blank";
}

TEST_F(ProgramImageTest, OnlyWordsUpToTheLastAddressAreTaken) {
  const ProgramHexWords image = ProgramWordsFromHex(Load(":04003E00013002305B\n" + kEndOfFile), 0x1F);
  ASSERT_EQ(image.words.size(), 0x20u);
  EXPECT_EQ(image.words[0x1F], 0x3001);
}

TEST_F(ProgramImageTest, MemoryLargerThanTheReaderGetsBlankWordsAboveIt) {
  const ProgramHexWords image = ProgramWordsFromHex(Load(":02 3FFE 00 3412 7B\n" + kEndOfFile), 0x2FFF);
  ASSERT_EQ(image.words.size(), 0x3000u);
  EXPECT_EQ(image.words[0x1FFF], 0x1234);
  EXPECT_FALSE(image.words[0x2000].has_value());
}

TEST_F(ProgramImageTest, BinaryWordsAreLowByteFirstAndAnOddLastByteIsIgnored) {
  const ProgramBinaryWords image = ReadProgramBinary(folder.Write("odd.bin", std::string("\x01\x30\x7F", 3)), 0x3FF);
  ASSERT_TRUE(image.opened);
  ASSERT_EQ(image.words.size(), 1u);
  EXPECT_EQ(image.words[0], 0x3001);
}

TEST_F(ProgramImageTest, BinaryLongerThanTheMemoryIsCutWithoutComplaint) {
  const ProgramBinaryWords image = ReadProgramBinary(folder.Write("long.bin", std::string(100, '\x11')), 0x0F);
  ASSERT_TRUE(image.opened);
  EXPECT_EQ(image.words.size(), 0x10u);
  EXPECT_EQ(image.words[0x0F], 0x1111);
}

TEST_F(ProgramImageTest, BinaryThatCannotBeReadSaysWhy) {
  for (const std::string& path : {folder.File("absent.bin"), folder.Path().string()}) {
    const ProgramBinaryWords image = ReadProgramBinary(path, 0x3FF);
    EXPECT_FALSE(image.opened) << path;
    EXPECT_FALSE(image.reason.empty()) << path;
    EXPECT_TRUE(image.words.empty());
  }
  const ProgramBinaryWords empty = ReadProgramBinary(folder.Write("empty.bin", ""), 0x3FF);
  EXPECT_TRUE(empty.opened);
  EXPECT_TRUE(empty.words.empty());
}

TEST_F(ProgramImageTest, ClearedImageSavesAsZeroWordsAndReadsBack) {
  const std::string path = folder.File("zero.bin");
  ASSERT_TRUE(SaveProgramBinary(path, std::vector<uint16_t>(0x400, 0)).saved);
  EXPECT_EQ(test::TempFolder::Contents(path), std::string(0x800, '\0'));

  const std::vector<uint16_t> words = {0x3001, 0x00FF, 0xABCD};
  ASSERT_TRUE(SaveProgramBinary(path, words).saved);
  EXPECT_EQ(test::TempFolder::Contents(path), std::string("\x01\x30\xFF\x00\xCD\xAB", 6));
  EXPECT_EQ(ReadProgramBinary(path, 0x3FF).words, words);
}

}  // namespace
}  // namespace tarvel

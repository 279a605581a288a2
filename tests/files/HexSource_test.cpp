#include "files/HexSource.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <string>

#include "files/TempFolder.h"
#include "support/RecordingMessages.h"

namespace tarvel {
namespace {

const std::string kCannotOpen = "ファイルをオープンできませんでした。";
const std::string kBadCharacter = "HEXファイルの読み込みに失敗しました。";
const std::string kBadRecord = "Hex ファイルを正常に読み込めません。";
const std::string kEndOfFile = ":00000001FF\n";

std::string Fixture(const std::string& name) { return std::string(TARVEL_TEST_DATA_DIR) + "/" + name; }

class HexSourceTest : public ::testing::Test {
 protected:
  int32_t LoadText(const std::string& text) { return hex.LoadFile(folder.Write("in.hex", text)); }
  int WrittenCount() const {
    int count = 0;
    for (bool flag : hex.Written()) count += flag ? 1 : 0;
    return count;
  }

  test::TempFolder folder;
  test::RecordingMessages messages;
  THexSource hex{messages};
};

TEST_F(HexSourceTest, NewReaderIsEmpty) {
  EXPECT_EQ(hex.EndAddress(), 0);
  EXPECT_EQ(WrittenCount(), 0);
  for (uint8_t byte : hex.Buffer()) ASSERT_EQ(byte, 0);
}

TEST_F(HexSourceTest, Reads14BitProgramFileWithItsIdConfigurationAndDataBytes) {
  ASSERT_EQ(hex.LoadFile(Fixture("pic16f84_blink_inhx8m.hex")), 1);
  EXPECT_TRUE(messages.boxes.empty());
  // goto start at word 0, retfie at word 4; words 1 to 3 are not in the file.
  EXPECT_EQ(hex.Buffer()[0], 0x05);
  EXPECT_EQ(hex.Buffer()[1], 0x28);
  EXPECT_FALSE(hex.Written()[2]);
  EXPECT_FALSE(hex.Written()[7]);
  EXPECT_EQ(hex.Buffer()[8], 0x09);
  EXPECT_EQ(hex.Buffer()[25], 0x28);
  // IDs at 0x4000, configuration at 0x400E, data EEPROM at 0x4200..0x4207.
  EXPECT_EQ(hex.Buffer()[0x400E], 0xF1);
  EXPECT_EQ(hex.Buffer()[0x400F], 0x3F);
  EXPECT_TRUE(hex.Written()[0x4207]);
  EXPECT_EQ(hex.EndAddress(), 0x4207);
}

TEST_F(HexSourceTest, Merged8BitAnd32BitFormsGiveTheSameImage) {
  for (const char* name : {"pic16f84_blink", "pic12c508_blink", "eeprom24xx_table"}) {
    THexSource merged(messages);
    THexSource wide(messages);
    ASSERT_EQ(merged.LoadFile(Fixture(std::string(name) + "_inhx8m.hex")), 1) << name;
    ASSERT_EQ(wide.LoadFile(Fixture(std::string(name) + "_inhx32.hex")), 1) << name;
    // The 32-bit form's leading address record is taken as two data bytes
    // at 0 and 1, which the first program record then overwrites.
    EXPECT_EQ(wide.Buffer(), merged.Buffer()) << name;
    EXPECT_EQ(wide.Written(), merged.Written()) << name;
    EXPECT_EQ(wide.EndAddress(), merged.EndAddress()) << name;
  }
}

TEST_F(HexSourceTest, KeepsThe12BitConfigurationWordInsideTheImage) {
  ASSERT_EQ(hex.LoadFile(Fixture("pic12c508_blink_inhx8m.hex")), 1);
  EXPECT_TRUE(hex.Written()[0x1FFE]);
  EXPECT_EQ(hex.Buffer()[0x1FFE], 0xFA);
  EXPECT_EQ(hex.Buffer()[0x1FFF], 0x0F);
  EXPECT_EQ(hex.EndAddress(), 0x1FFF);
}

TEST_F(HexSourceTest, EndOfFileRecordAloneIsAnEmptyImage) {
  ASSERT_EQ(LoadText(kEndOfFile), 1);
  EXPECT_EQ(hex.EndAddress(), -1);
  EXPECT_EQ(WrittenCount(), 0);
}

TEST_F(HexSourceTest, NothingAfterTheEndOfFileTypeIsRead) {
  EXPECT_EQ(LoadText(":0100200042FF:00000001"), 1);
  EXPECT_EQ(hex.EndAddress(), 0x20);
  EXPECT_EQ(LoadText(":00000001FF:0400"), 1);
}

TEST_F(HexSourceTest, CaseAndLineEndsDoNotMatter) {
  const std::string texts[] = {
      ":0400100012AB34CD00\r\n:02FFFE00BEEF00\r\n:00000001FF\r\n",
      ":0400100012ab34cd00\n:02fffe00beef00\n:00000001ff\n",
      ":0400100012Ab34cD00:02FfFE00bEEf00:00000001FF",
      "\t:04001000 12AB 34CD 00\n\n  :02FFFE00BEEF00 :00000001FF",
  };
  for (const std::string& text : texts) {
    ASSERT_EQ(LoadText(text), 1) << text;
    EXPECT_EQ(hex.Buffer()[0x10], 0x12);
    EXPECT_EQ(hex.Buffer()[0x11], 0xAB);
    EXPECT_EQ(hex.Buffer()[0x13], 0xCD);
    EXPECT_EQ(WrittenCount(), 4);
    EXPECT_EQ(hex.EndAddress(), 0xFFFF);
  }
}

TEST_F(HexSourceTest, RecordsMaySpanLines) {
  ASSERT_EQ(LoadText(":02\n0000\r\n00\nA5\n5A\n00\n:000000\n01FF"), 1);
  EXPECT_EQ(hex.Buffer()[0], 0xA5);
  EXPECT_EQ(hex.Buffer()[1], 0x5A);
}

TEST_F(HexSourceTest, CommentsRunToTheEndOfTheirLine) {
  const std::string longComment(300, 'x');
  ASSERT_EQ(LoadText("; made by hand: not hex (really) !\n"
                     ":0100000042BD ; a byte at 0, with * and #\r\n"
                     ";" + longComment + "\n"
                     ":00000001FF ; the end"),
            1);
  EXPECT_EQ(hex.Buffer()[0], 0x42);
  EXPECT_EQ(WrittenCount(), 1);
}

TEST_F(HexSourceTest, CtrlZEndsTheTextAsInDosFiles) {
  ASSERT_EQ(LoadText(":0100000042BD\r\n" + kEndOfFile + "\x1A"), 1);
  EXPECT_EQ(hex.Buffer()[0], 0x42);
  // Whatever follows the mark is not read, even inside a comment.
  ASSERT_EQ(LoadText(":0100010043BB ; note\x1A\r\nnot text: \xFF\x01" + kEndOfFile), -1);
  ASSERT_EQ(messages.boxes.size(), 1u);
  EXPECT_EQ(messages.boxes[0].text, kBadRecord) << "the text ends before the end-of-file record";
  EXPECT_EQ(hex.Buffer()[1], 0x43);
}

TEST_F(HexSourceTest, EveryTypeButEndOfFileIsData) {
  ASSERT_EQ(LoadText(":020000040102F7\n:0100030277FF\n" + kEndOfFile), 1);
  EXPECT_EQ(hex.Buffer()[0], 0x01);
  EXPECT_EQ(hex.Buffer()[1], 0x02);
  EXPECT_EQ(hex.Buffer()[3], 0x77);
  // "1" followed by "0" is not the end-of-file type either.
  ASSERT_EQ(LoadText(":0100051099FF\n" + kEndOfFile), 1);
  EXPECT_EQ(hex.Buffer()[5], 0x99);
}

TEST_F(HexSourceTest, ChecksumsAreNotChecked) {
  ASSERT_EQ(LoadText(":0100000042FF\n" + kEndOfFile), 1);
  EXPECT_EQ(hex.Buffer()[0], 0x42);
}

TEST_F(HexSourceTest, LaterRecordsOverwriteEarlierBytes) {
  ASSERT_EQ(LoadText(":020000001122CB\n:0100010033CB\n" + kEndOfFile), 1);
  EXPECT_EQ(hex.Buffer()[0], 0x11);
  EXPECT_EQ(hex.Buffer()[1], 0x33);
}

TEST_F(HexSourceTest, BytesAboveTheImageAreDroppedButCounted) {
  ASSERT_EQ(LoadText(":027FFF00AABB00\n" + kEndOfFile), 1);
  EXPECT_TRUE(hex.Written()[0x7FFF]);
  EXPECT_EQ(hex.Buffer()[0x7FFF], 0xAA);
  EXPECT_EQ(WrittenCount(), 1);
  EXPECT_EQ(hex.EndAddress(), 0x8000);
  ASSERT_EQ(LoadText(":FFFFFF00" + std::string(2 * 255, 'E') + "00\n" + kEndOfFile), 1);
  EXPECT_EQ(WrittenCount(), 0);
  EXPECT_EQ(hex.EndAddress(), 0xFFFF + 255 - 1);
}

TEST_F(HexSourceTest, EmptyDataRecordCountsTheAddressBeforeIt) {
  ASSERT_EQ(LoadText(":00001000F0\n" + kEndOfFile), 1);
  EXPECT_EQ(hex.EndAddress(), 0x0F);
  EXPECT_EQ(WrittenCount(), 0);
}

TEST_F(HexSourceTest, AColonWhereADigitBelongsCountsAsZero) {
  // The data byte is ":A", the checksum "00", then the end-of-file record.
  ASSERT_EQ(LoadText(":01000000:A00" + kEndOfFile), 1);
  EXPECT_EQ(hex.Buffer()[0], 0x0A);
}

TEST_F(HexSourceTest, SecondFileClearsTheFlagsButNotTheBytesOfTheFirst) {
  ASSERT_EQ(LoadText(":02000000112200\n" + kEndOfFile), 1);
  ASSERT_EQ(LoadText(":010001007700\n" + kEndOfFile), 1);
  EXPECT_FALSE(hex.Written()[0]);
  EXPECT_TRUE(hex.Written()[1]);
  EXPECT_EQ(hex.Buffer()[0], 0x11);
  EXPECT_EQ(hex.Buffer()[1], 0x77);
}

TEST(HexSourceXtoi, GivesDigitValuesAndZeroForAnythingElse) {
  EXPECT_EQ(THexSource::xtoi('0'), 0);
  EXPECT_EQ(THexSource::xtoi('9'), 9);
  EXPECT_EQ(THexSource::xtoi('a'), 10);
  EXPECT_EQ(THexSource::xtoi('F'), 15);
  EXPECT_EQ(THexSource::xtoi('g'), 0);
  EXPECT_EQ(THexSource::xtoi(':'), 0);
  EXPECT_EQ(THexSource::xtoi('\xFF'), 0);
}

// A good file first, so that a failure can be seen to keep its results.
class HexSourceFailureTest : public HexSourceTest {
 protected:
  void SetUp() override {
    ASSERT_EQ(LoadText(":02001000123400\n" + kEndOfFile), 1);
    messages.boxes.clear();
  }
  void ExpectOnlyMessage(const std::string& text) {
    ASSERT_EQ(messages.boxes.size(), 1u);
    EXPECT_EQ(messages.boxes[0].text, text);
    EXPECT_EQ(messages.boxes[0].caption, "");
    EXPECT_EQ(messages.boxes[0].icon, MessageIcon::None);
  }
  void ExpectFirstFileKept() {
    EXPECT_EQ(hex.EndAddress(), 0x11);
    EXPECT_TRUE(hex.Written()[0x10]);
    EXPECT_EQ(hex.Buffer()[0x11], 0x34);
    EXPECT_EQ(WrittenCount(), 2);
  }
};

TEST_F(HexSourceFailureTest, MissingFileOrFolderCannotBeOpened) {
  EXPECT_EQ(hex.LoadFile(folder.File("absent.hex")), -1);
  ExpectOnlyMessage(kCannotOpen);
  ExpectFirstFileKept();
  messages.boxes.clear();
  EXPECT_EQ(hex.LoadFile(folder.Path().string()), -1);
  ExpectOnlyMessage(kCannotOpen);
  ExpectFirstFileKept();
}

TEST_F(HexSourceFailureTest, ForeignCharactersFailTheReadBeforeAnyRecord) {
  const std::string texts[] = {
      "hello world\n",
      ":0100000042BD\n" + std::string(1, '\0') + kEndOfFile,
      ":0100000042BD\n\f" + kEndOfFile,
      ":0100000042BD\n" + kEndOfFile + "x",
      std::string("\xEF\xBB\xBF") + kEndOfFile,  // a byte order mark
  };
  for (const std::string& text : texts) {
    messages.boxes.clear();
    EXPECT_EQ(LoadText(text), -1);
    ExpectOnlyMessage(kBadCharacter);
    ExpectFirstFileKept();
  }
}

TEST_F(HexSourceFailureTest, RecordWithoutColonStopsThePassKeepingEarlierRecords) {
  EXPECT_EQ(LoadText(":0100000042BD\n12:0100010043BB\n" + kEndOfFile), -1);
  ExpectOnlyMessage(kBadRecord);
  EXPECT_EQ(hex.EndAddress(), 0x11);
  EXPECT_TRUE(hex.Written()[0]);
  EXPECT_FALSE(hex.Written()[1]);
  EXPECT_FALSE(hex.Written()[0x10]);
}

TEST_F(HexSourceFailureTest, TextEndingEarlyIsABadFileNotACrash) {
  const std::string texts[] = {
      "",                                    // an empty file
      "\r\n; only a comment\n",              // nothing significant
      ":0100000042BD\n",                     // no end-of-file record
      ":0400000001",                         // ends inside the data
      ":0100000042",                         // ends before the checksum
      ":01000",                              // ends inside the address
      ":",                                   // a lone colon
      ":000000",                             // ends before the type
      ":FF000000" + std::string(20, '0') + kEndOfFile,  // count runs past the end
  };
  for (const std::string& text : texts) {
    messages.boxes.clear();
    EXPECT_EQ(LoadText(text), -1) << text;
    ExpectOnlyMessage(kBadRecord);
    EXPECT_EQ(hex.EndAddress(), 0x11) << text;
  }
  // Records before the end stay stored.
  EXPECT_EQ(LoadText(":0100000042BD\n:01000"), -1);
  EXPECT_TRUE(hex.Written()[0]);
  EXPECT_EQ(hex.Buffer()[0], 0x42);
}

TEST_F(HexSourceTest, TenMegabytesOfRecordsLoad) {
  std::string text;
  text.reserve(10u << 20);
  char record[64];
  for (uint32_t i = 0; text.size() < (10u << 20); ++i) {
    const uint32_t address = (i * 16) & 0xFFF0;
    std::snprintf(record, sizeof record, ":10%04X00%032X00\r\n", address, i);
    text += record;
  }
  ASSERT_EQ(LoadText(text + kEndOfFile), 1);
  EXPECT_EQ(hex.EndAddress(), 0xFFFF);
  EXPECT_EQ(WrittenCount(), THexSource::kImageSize);
}

// Random text from the characters a HEX file is made of, and a few others,
// must always end in a result and a message, never in a crash.
TEST_F(HexSourceTest, RandomTextAlwaysGivesAResult) {
  const std::string alphabet = ":::0123456789ABCDEFabcdef01 \r\n;x";
  std::mt19937 random(5);
  for (int round = 0; round < 500; ++round) {
    std::string text;
    const size_t length = random() % 200;
    for (size_t i = 0; i < length; ++i) text += alphabet[random() % alphabet.size()];
    messages.boxes.clear();
    const int32_t result = LoadText(text);
    ASSERT_TRUE(result == 1 || result == -1);
    EXPECT_EQ(messages.boxes.size(), result == 1 ? 0u : 1u) << text;
  }
}

}  // namespace
}  // namespace tarvel

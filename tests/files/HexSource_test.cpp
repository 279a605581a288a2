#include "files/HexSource.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <string>

#include "files/HexWriter.h"
#include "files/TempFolder.h"
#include "support/RecordingMessages.h"

namespace tarvel {
namespace {

const std::string kCannotOpen = "ファイルをオープンできませんでした。";
const std::string kBadCharacter = "HEXファイルの読み込みに失敗しました。";
const std::string kBadRecord = "Hex ファイルを正常に読み込めません。";
const std::string kEndOfFile = ":00000001FF\n";

// One record with its checksum and a line end.
std::string Record(uint8_t type, uint16_t address, std::initializer_list<uint8_t> data) {
  std::string text(":");
  uint8_t sum = 0;
  const auto put = [&](uint8_t byte) {
    char digits[3];
    std::snprintf(digits, sizeof digits, "%02X", byte);
    text += digits;
    sum = static_cast<uint8_t>(sum + byte);
  };
  put(static_cast<uint8_t>(data.size()));
  put(static_cast<uint8_t>(address >> 8));
  put(static_cast<uint8_t>(address & 0xFF));
  put(type);
  for (uint8_t byte : data) put(byte);
  put(static_cast<uint8_t>(-sum));
  return text + "\n";
}

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
    // The 32-bit form's leading address record sets the upper address bits
    // to 0: it stores nothing.
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
  EXPECT_EQ(LoadText(":01002000429D:00000001"), 1);
  EXPECT_EQ(hex.EndAddress(), 0x20);
  EXPECT_EQ(LoadText(":00000001FF:0400"), 1);
}

TEST_F(HexSourceTest, CaseAndLineEndsDoNotMatter) {
  const std::string texts[] = {
      ":0400100012AB34CD2E\r\n:02FFFE00BEEF54\r\n:00000001FF\r\n",
      ":0400100012ab34cd2e\n:02fffe00beef54\n:00000001ff\n",
      ":0400100012Ab34cD2E:02FfFE00bEEf54:00000001FF",
      "\t:04001000 12AB 34CD 2E\n\n  :02FFFE00BEEF54 :00000001FF",
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
  ASSERT_EQ(LoadText(":02\n0000\r\n00\nA5\n5A\nFF\n:000000\n01FF"), 1);
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

TEST_F(HexSourceTest, AddressRecordsMoveTheDataAfterThemAndStartRecordsStoreNothing) {
  ASSERT_EQ(LoadText(Record(4, 0, {0x00, 0x00}) +           // line 1: linear base 0
                     Record(0, 0x10, {0x42}) +                 // line 2: at 10H
                     Record(2, 0, {0x01, 0x00}) +              // line 3: segment base 1000H
                     Record(0, 0x20, {0x43, 0x43}) +           // line 4: at 1020H
                     Record(3, 0, {0x12, 0x34, 0x56, 0x78}) +  // line 5: start address
                     Record(5, 0, {0x00, 0x00, 0x01, 0x00}) +  // line 6: start address
                     Record(0, 0x20, {0x43}) +                 // line 7: the same byte again, same value
                     Record(4, 0, {0x00, 0x01}) +              // line 8: linear base 10000H
                     Record(0, 0x04, {0x99, 0x98}) + kEndOfFile),
            1);
  EXPECT_EQ(WrittenCount(), 3);
  EXPECT_EQ(hex.Buffer()[0x10], 0x42);
  EXPECT_EQ(hex.Buffer()[0x1021], 0x43);
  EXPECT_EQ(hex.LineOf(0x10), 2);
  EXPECT_EQ(hex.LineOf(0x1020), 7);
  EXPECT_EQ(hex.LineOf(0x1021), 4);
  EXPECT_EQ(hex.LineOf(0), 0);
  EXPECT_FALSE(hex.Written()[0]) << "address records are no data";
  EXPECT_EQ(hex.LineBeyondImage(), 9);
  EXPECT_EQ(hex.AddressBeyondImage(), 0x10004u);
  EXPECT_EQ(hex.EndAddress(), 0x10005);
}

TEST_F(HexSourceTest, BytesAboveTheImageAreDroppedButCounted) {
  ASSERT_EQ(LoadText(":027FFF00AABB1B\n" + kEndOfFile), 1);
  EXPECT_TRUE(hex.Written()[0x7FFF]);
  EXPECT_EQ(hex.Buffer()[0x7FFF], 0xAA);
  EXPECT_EQ(WrittenCount(), 1);
  EXPECT_EQ(hex.EndAddress(), 0x8000);
  EXPECT_EQ(hex.LineBeyondImage(), 1);
  EXPECT_EQ(hex.AddressBeyondImage(), 0x8000u);
  ASSERT_EQ(LoadText(":FFFFFF00" + std::string(2 * 255, 'E') + "F1\n" + kEndOfFile), 1);
  EXPECT_EQ(WrittenCount(), 0);
  EXPECT_EQ(hex.EndAddress(), 0xFFFF + 255 - 1);
}

TEST_F(HexSourceTest, EmptyDataRecordCountsTheAddressBeforeIt) {
  ASSERT_EQ(LoadText(":00001000F0\n" + kEndOfFile), 1);
  EXPECT_EQ(hex.EndAddress(), 0x0F);
  EXPECT_EQ(WrittenCount(), 0);
}

TEST_F(HexSourceTest, AColonWhereADigitBelongsCountsAsZero) {
  // The data byte is ":A", the checksum "F5", then the end-of-file record.
  ASSERT_EQ(LoadText(":01000000:AF5" + kEndOfFile), 1);
  EXPECT_EQ(hex.Buffer()[0], 0x0A);
}

TEST_F(HexSourceTest, SecondFileClearsTheFlagsButNotTheBytesOfTheFirst) {
  ASSERT_EQ(LoadText(":020000001122CB\n" + kEndOfFile), 1);
  ASSERT_EQ(LoadText(":010001007787\n" + kEndOfFile), 1);
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
    ASSERT_EQ(LoadText(":020010001234A8\n" + kEndOfFile), 1);
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
  const std::pair<std::string, int32_t> texts[] = {
      {"hello world\n", 1},
      {":0100000042BD\n" + std::string(1, '\0') + kEndOfFile, 2},
      {":0100000042BD\r\n\f" + kEndOfFile, 2},
      {":0100000042BD\n" + kEndOfFile + "x", 3},
      {std::string("\xEF\xBB\xBF") + kEndOfFile, 1},  // a byte order mark
  };
  for (const auto& [text, line] : texts) {
    messages.boxes.clear();
    EXPECT_EQ(LoadText(text), -1);
    ExpectOnlyMessage(kBadCharacter);
    EXPECT_EQ(hex.FaultLine(), line) << text;
    ExpectFirstFileKept();
  }
}

TEST_F(HexSourceFailureTest, DamagedContradictingOrUnknownRecordsAreRefusedWithTheirLine) {
  const std::pair<std::string, std::string> cases[] = {
      {":0100000042BD\n:0100010043FF\n" + kEndOfFile,
       "Line 2 of the HEX file: the record's checksum is FFH, its bytes give BBH.\n"
       "The file is damaged and was not loaded; build it again or take a good copy."},
      {"; two records for address 0\n:0100000042BD\n\n" + Record(0, 0, {0x43}) + kEndOfFile,
       "Line 4 of the HEX file gives address 0000H the value 43H, but line 2 gave it 42H.\n"
       "The file contradicts itself and was not loaded."},
      {Record(6, 0, {0x42}) + kEndOfFile,
       "Line 1 of the HEX file holds a record of type 06H, which Intel HEX does not have.\nThe file was not loaded."},
      {"\r\r" + Record(4, 0, {0, 1, 2}) + kEndOfFile,
       "Line 3 of the HEX file holds an address record (type 04H) of 3 bytes; it must have 2.\n"
       "The file was not loaded."},
  };
  // A foreign character anywhere still fails the read before any record.
  EXPECT_EQ(LoadText(":0100000042FF\n" + kEndOfFile + "?"), -1);
  ExpectOnlyMessage(kBadCharacter);
  ExpectFirstFileKept();
  for (const auto& [text, message] : cases) {
    messages.boxes.clear();
    EXPECT_EQ(LoadText(text), -1) << text;
    ExpectOnlyMessage(message);
    EXPECT_EQ("Line " + std::to_string(hex.FaultLine()) + " ", message.substr(0, 7));
    EXPECT_EQ(hex.EndAddress(), 0x11);
  }
}

TEST_F(HexSourceFailureTest, RecordWithoutColonStopsThePassKeepingEarlierRecords) {
  EXPECT_EQ(LoadText(":0100000042BD\n12:0100010043BB\n" + kEndOfFile), -1);
  ExpectOnlyMessage(kBadRecord);
  EXPECT_EQ(hex.FaultLine(), 2);
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
  EXPECT_EQ(hex.FaultLine(), 1);
  // Records before the end stay stored; the fault is on the line of the last.
  EXPECT_EQ(LoadText(":0100000042BD\n\n:01000"), -1);
  EXPECT_EQ(hex.FaultLine(), 3);
  EXPECT_TRUE(hex.Written()[0]);
  EXPECT_EQ(hex.Buffer()[0], 0x42);
}

TEST_F(HexSourceTest, TenMegabytesOfWrittenInhx32Load) {
  HexBytes bytes(4u << 20);
  for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<uint8_t>(i * 7 + (i >> 16));
  const std::optional<std::vector<uint8_t>> text = IntelHexText(bytes, HexFormat::Inhx32);
  ASSERT_TRUE(text);
  ASSERT_GT(text->size(), 10u << 20);
  ASSERT_EQ(LoadText(std::string(text->begin(), text->end())), 1);
  EXPECT_TRUE(messages.boxes.empty());
  EXPECT_EQ(hex.EndAddress(), (4 << 20) - 1);
  EXPECT_EQ(WrittenCount(), THexSource::kImageSize);
  for (int32_t a = 0; a < THexSource::kImageSize; ++a) ASSERT_EQ(hex.Buffer()[a], *bytes[a]) << a;
  // The address record comes first, then 16 bytes a line.
  EXPECT_EQ(hex.LineOf(0x7FFF), 2 + 0x7FFF / 16);
  EXPECT_EQ(hex.LineBeyondImage(), 2 + 0x8000 / 16);
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

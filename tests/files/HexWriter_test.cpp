#include "files/HexWriter.h"

#include <gtest/gtest.h>

#include <string>

#include "files/HexSource.h"
#include "files/TempFolder.h"
#include "support/RecordingMessages.h"

namespace tarvel {
namespace {

std::string Text(const HexBytes& bytes, HexFormat format) {
  const auto text = IntelHexText(bytes, format);
  return text ? std::string(text->begin(), text->end()) : "<does not fit>";
}

TEST(HexWriter, RecordsHoldSixteenBytesAtMostAndStopAtGapsAndBoundaries) {
  HexBytes bytes(0x23);
  for (uint8_t a : {0, 1, 2}) bytes[a] = static_cast<uint8_t>(0xA0 + a);
  for (uint8_t a = 0x0E; a <= 0x21; ++a) bytes[a] = a;
  const std::string records =
      ":03000000A0A1A21A\r\n"
      ":02000E000E0FD3\r\n"
      ":10001000101112131415161718191A1B1C1D1E1F68\r\n"
      ":0200200020219D\r\n"
      ":00000001FF\r\n";
  EXPECT_EQ(Text(bytes, HexFormat::Inhx8m), records);
  EXPECT_EQ(Text(bytes, HexFormat::Inhx32), ":020000040000FA\r\n" + records);
  EXPECT_EQ(Text(HexBytes(), HexFormat::Inhx8m), ":00000001FF\r\n");
}

TEST(HexWriter, Inhx32CarriesTheUpperAddressAcross64KAndInhx8mCannot) {
  HexBytes bytes(0x20002);
  bytes[0xFFFF] = 0x11;
  bytes[0x10000] = 0x22;
  bytes[0x20001] = 0x33;
  EXPECT_EQ(Text(bytes, HexFormat::Inhx32),
            ":020000040000FA\r\n"
            ":01FFFF0011F0\r\n"
            ":020000040001F9\r\n"
            ":0100000022DD\r\n"
            ":020000040002F8\r\n"
            ":0100010033CB\r\n"
            ":00000001FF\r\n");
  EXPECT_EQ(Text(bytes, HexFormat::Inhx8m), "<does not fit>");
}

TEST(HexWriter, SavedFileReadsBackByteForByte) {
  test::TempFolder folder;
  test::RecordingMessages messages;
  HexBytes bytes(THexSource::kImageSize);
  for (size_t a = 0; a < bytes.size(); ++a) {
    if (a % 37 != 5) bytes[a] = static_cast<uint8_t>(a * 13);
  }
  for (HexFormat format : {HexFormat::Inhx8m, HexFormat::Inhx32}) {
    const std::string path = folder.File("out.hex");
    ASSERT_TRUE(SaveHexFile(path, bytes, format).saved);
    THexSource hex(messages);
    ASSERT_EQ(hex.LoadFile(path), 1);
    for (size_t a = 0; a < bytes.size(); ++a) {
      ASSERT_EQ(hex.Written()[a], bytes[a].has_value()) << a;
      if (bytes[a]) {
        ASSERT_EQ(hex.Buffer()[a], *bytes[a]) << a;
      }
    }
  }
  EXPECT_TRUE(messages.boxes.empty());
  const FileSave refused = SaveHexFile(folder.File("missing/out.hex"), bytes, HexFormat::Inhx8m);
  EXPECT_FALSE(refused.saved);
  EXPECT_FALSE(refused.reason.empty());
}

}  // namespace
}  // namespace tarvel

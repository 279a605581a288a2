#include "files/PicHexImage.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/pic/PicIdText.h"
#include "files/TempFolder.h"
#include "support/RecordingMessages.h"

namespace tarvel {
namespace {

std::string Fixture(const std::string& name) { return std::string(TARVEL_TEST_DATA_DIR) + "/" + name; }

class PicHexImageTest : public ::testing::Test {
 protected:
  PicHexContents Read(const std::string& path, PIC_DEVICES device) {
    EXPECT_EQ(hex.LoadFile(path), 1) << path;
    return PicContentsFromHex(hex, device);
  }

  test::TempFolder folder;
  test::RecordingMessages messages;
  THexSource hex{messages};
};

// Each memory is read from where gpasm put it, and written back to the very
// same bytes.
TEST_F(PicHexImageTest, AssemblerFilesGiveTheWholeChipAndItsBytesBack) {
  struct Case {
    const char* name;
    PIC_DEVICES device;
    uint16_t config;
    std::optional<std::array<uint16_t, 4>> id;
    size_t dataBytes;
    std::vector<std::string> extras;
  };
  const Case cases[] = {
      {"pic16f84_blink", PIC16F84, 0x3FF1, std::array<uint16_t, 4>{1, 2, 3, 4}, 4,
       {"the configuration word 3FF1H", "the ID words 0001 0002 0003 0004", "4 data EEPROM bytes"}},
      {"pic16f877_whole", PIC16F877, 0x3F72, std::array<uint16_t, 4>{5, 10, 3, 12}, 256,
       {"the configuration word 3F72H", "the ID words 0005 000A 0003 000C", "256 data EEPROM bytes"}},
      {"pic12c509_whole", PIC12C509, 0x0FED, std::nullopt, 0, {"the configuration word 0FEDH"}},
  };
  for (const Case& c : cases) {
    for (const char* form : {"_inhx8m.hex", "_inhx32.hex"}) {
      SCOPED_TRACE(std::string(c.name) + form);
      const PicHexContents contents = Read(Fixture(std::string(c.name) + form), c.device);
      EXPECT_TRUE(contents.misfits.empty());
      EXPECT_EQ(contents.highByteOnlyAddress, -1);
      EXPECT_EQ(contents.image.config, c.config);
      EXPECT_EQ(contents.image.id, c.id);
      size_t data = 0;
      for (const auto& byte : contents.image.data) data += byte.has_value() ? 1 : 0;
      EXPECT_EQ(data, c.dataBytes);
      EXPECT_EQ(ExtrasParts(contents.image), c.extras);
      const HexBytes bytes = PicHexBytes(contents.image, c.device);
      for (size_t a = 0; a < THexSource::kImageSize; ++a) {
        const bool inFile = hex.Written()[a];
        ASSERT_EQ(a < bytes.size() && bytes[a].has_value(), inFile) << a;
        if (inFile) {
          ASSERT_EQ(*bytes[a], hex.Buffer()[a]) << a;
        }
      }
    }
  }
  const PicHexContents f877 = Read(Fixture("pic16f877_whole_inhx8m.hex"), PIC16F877);
  EXPECT_EQ(f877.image.data[0xFF], static_cast<uint8_t>(0xFF * 7 + 3));
  EXPECT_EQ(f877.image.program[0x1FFE], 0x0008);  // return
}

TEST_F(PicHexImageTest, WhatTheDeviceHasNoPlaceForIsToldWithItsLine) {
  const PicHexContents on84 = Read(Fixture("pic16f877_whole_inhx8m.hex"), PIC16F84);
  ASSERT_EQ(on84.misfits.size(), 2u);
  EXPECT_EQ(MisfitText(on84.misfits[0], PIC16F84),
            "program words 1FFCH to 1FFEH (from line 4): the PIC16F84's program memory ends at 03FFH");
  EXPECT_EQ(MisfitText(on84.misfits[1], PIC16F84),
            "data EEPROM bytes 40H to FFH (from line 15): the PIC16F84 has 64 bytes of data EEPROM");
  EXPECT_EQ(on84.image.data.size(), 64u);
  EXPECT_EQ(on84.image.config, 0x3F72) << "what fits is still taken";

  const PicHexContents on71 = Read(Fixture("pic16f84_blink_inhx8m.hex"), PIC16C71);
  ASSERT_EQ(on71.misfits.size(), 1u);
  EXPECT_EQ(MisfitText(on71.misfits[0], PIC16C71), "data EEPROM bytes (from line 6): the PIC16C71 has no data EEPROM");
  EXPECT_TRUE(on71.image.data.empty());

  const PicHexContents on508 = Read(Fixture("pic12c509_whole_inhx8m.hex"), PIC12C508);
  ASSERT_EQ(on508.misfits.size(), 2u);
  EXPECT_EQ(MisfitText(on508.misfits[0], PIC12C508), "ID words (from line 2): tarvel writes no ID to the PIC12C508");
  EXPECT_EQ(on508.misfits[1].kind, HexMisfit::ProgramBeyond);
  EXPECT_EQ(on508.image.config, 0x0FED);

  const std::string odd = folder.Write("odd.hex",
                                       ":02401000FF3F70\n"            // word 2008H: no memory
                                       ":020000040001F9\n"            // 64 KB on
                                       ":020010001234A8\n:00000001FF\n");
  const PicHexContents outside = Read(odd, PIC16F877);
  ASSERT_EQ(outside.misfits.size(), 2u);
  EXPECT_EQ(MisfitText(outside.misfits[0], PIC16F877),
            "bytes at HEX addresses 4010H to 4011H (from line 1), which are no memory of the PIC16F877");
  EXPECT_EQ(MisfitText(outside.misfits[1], PIC16F877),
            "bytes at HEX addresses 10010H to 10011H (from line 3), which are no memory of the PIC16F877");
}

TEST(PicHexTexts, IdShowsAsTextOnlyWhenItIsOneAndProtectionIsSeenPerDevice) {
  const PicIdWords blink = IdWordsOfText("BLINK01");
  const std::array<uint16_t, 4> words{static_cast<uint16_t>(blink[0]), static_cast<uint16_t>(blink[1]),
                                      static_cast<uint16_t>(blink[2]), static_cast<uint16_t>(blink[3])};
  EXPECT_EQ(IdText(words), "\"BLINK01\"");
  EXPECT_EQ(IdText({0x3FFF, 0x3FFF, 0x3FFF, 0x3FFF}), "words 3FFF 3FFF 3FFF 3FFF");
  EXPECT_FALSE(ConfigSetsProtection(0x3FF1, PIC16F84));
  EXPECT_TRUE(ConfigSetsProtection(0x000F, PIC16F84));
  EXPECT_TRUE(ConfigSetsProtection(0x3EFF, PIC16F877)) << "data protection (CPD) alone";
  EXPECT_FALSE(ConfigSetsProtection(0x0FED, PIC12C509));
  EXPECT_TRUE(ConfigSetsProtection(0x0FE5, PIC12C509));
}

}  // namespace
}  // namespace tarvel

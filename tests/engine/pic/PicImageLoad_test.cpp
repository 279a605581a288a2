#include "engine/pic/PicImageLoad.h"

#include "PicOnWriter.h"
#include "engine/pic/PicIdText.h"

namespace tarvel {
namespace {

using test::IsResult;

class PicImageLoad : public test::PicOnWriter {};

// Images with gaps, one shorter than its memory and one longer, written to a
// chip: it gets exactly their cells, whatever an earlier image left in the
// engine, and the ID words pass between the file's and the engine's form.
TEST_F(PicImageLoad, TheChipGetsExactlyTheImagesCells) {
  Use(PIC16F84);
  Mark(5, 0x1234);      // left by an earlier image, in a gap of the new one
  Mark(0x3FF, 0x0AAA);  // and past its end
  std::vector<std::optional<uint16_t>> program(0x40);
  program[0] = 0x2805;
  program[7] = 0x0000;
  LoadProgramImage(pic, program);
  EXPECT_TRUE(IsResult(pic.WriteProgram(), prSuccess));
  for (int32_t address = 0; address <= pic.LastAddress(); ++address) {
    const uint16_t wanted = address == 0 ? 0x2805 : address == 7 ? 0x0000 : 0x3FFF;
    ASSERT_EQ(Chip().Program().Stored(address), wanted) << address;
  }

  Mark(0x40, 0x0055);  // beyond the data memory: the image's cell there is not taken
  std::vector<std::optional<uint8_t>> data(0x41);
  data[0] = 0x00;
  data[0x3F] = 0xA5;
  data[0x40] = 0x11;
  LoadDataImage(pic, data);
  EXPECT_TRUE(IsResult(pic.WriteData(), prSuccess));
  EXPECT_EQ(Chip().Data().Stored(0), 0x00);
  EXPECT_EQ(Chip().Data().Stored(1), 0xFF);
  EXPECT_EQ(Chip().Data().Stored(0x3F), 0xA5);
  EXPECT_EQ(pic.GetData(0x40), 0x0055);

  const std::array<uint16_t, 4> id = FileIdWords(IdWordsOfText("BLINK01"));
  LoadIdWords(pic, id);
  EXPECT_TRUE(IsResult(pic.WriteID(), prSuccess));
  for (int i = 0; i < 4; ++i) EXPECT_EQ(Chip().Ids().Stored(i), id[static_cast<size_t>(i)]);
  EXPECT_EQ(IdTextOfWords(EngineIdWords(id)), "BLINK01");
}

}  // namespace
}  // namespace tarvel

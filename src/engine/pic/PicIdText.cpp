#include "engine/pic/PicIdText.h"

namespace tarvel {

namespace {

std::array<uint32_t, 7> Characters(const PicIdWords& words) {
  const uint32_t w0 = static_cast<uint32_t>(words[0]);
  const uint32_t w1 = static_cast<uint32_t>(words[1]);
  const uint32_t w2 = static_cast<uint32_t>(words[2]);
  const uint32_t w3 = static_cast<uint32_t>(words[3]);
  return {
      (w0 >> 6) & 0xFF,
      ((w0 & 0x3F) << 2) | ((w1 >> 12) & 0x03),
      (w1 >> 4) & 0xFF,
      ((w1 & 0x0F) << 4) | ((w2 >> 10) & 0x0F),
      (w2 >> 2) & 0xFF,
      ((w2 & 0x03) << 6) | ((w3 >> 8) & 0x3F),
      w3 & 0xFF,
  };
}

}  // namespace

PicIdWords EngineIdWords(const std::array<uint16_t, 4>& words) { return {words[0], words[1], words[2], words[3]}; }

std::array<uint16_t, 4> FileIdWords(const PicIdWords& words) {
  return {static_cast<uint16_t>(words[0]), static_cast<uint16_t>(words[1]), static_cast<uint16_t>(words[2]),
          static_cast<uint16_t>(words[3])};
}

PicIdWords IdWordsOfText(const std::string& text) {
  const std::string padded = (text + "       ").substr(0, 7);
  int32_t c[7];
  for (int i = 0; i < 7; ++i) c[i] = static_cast<unsigned char>(padded[i]);
  return {
      c[0] * 64 + (c[1] >> 2),
      (c[1] & 3) * 4096 + c[2] * 16 + (c[3] >> 4),
      (c[3] & 15) * 1024 + c[4] * 4 + (c[5] >> 6),
      (c[5] & 63) * 256 + c[6],
  };
}

std::string IdTextOfWords(const PicIdWords& words) {
  std::string text;
  for (uint32_t ch : Characters(words)) text += (ch >= 0x21 && ch <= 0x7E) ? static_cast<char>(ch) : ' ';
  return text;
}

bool IdWordsAreText(const PicIdWords& words) { return IdWordsOfText(IdTextOfWords(words)) == words; }

}  // namespace tarvel

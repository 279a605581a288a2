#include "files/ImageChecksum.h"

#include <array>

namespace tarvel {

namespace {

std::array<uint32_t, 256> MakeCrcTable() {
  std::array<uint32_t, 256> table{};
  for (uint32_t n = 0; n < 256; ++n) {
    uint32_t c = n;
    for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320U ^ (c >> 1) : c >> 1;
    table[n] = c;
  }
  return table;
}

uint32_t CrcStep(uint32_t crc, uint8_t byte) {
  static const std::array<uint32_t, 256> kTable = MakeCrcTable();
  return kTable[(crc ^ byte) & 0xFF] ^ (crc >> 8);
}

constexpr uint32_t kCrcStart = 0xFFFFFFFFU;
constexpr uint32_t kCrcEnd = 0xFFFFFFFFU;
constexpr uint8_t kErasedByte = 0xFF;

}  // namespace

uint16_t PicProgramChecksum(const std::vector<std::optional<uint16_t>>& program, std::optional<uint16_t> config,
                            uint16_t wordMask) {
  uint32_t sum = config.value_or(wordMask) & wordMask;
  for (const std::optional<uint16_t>& word : program) sum += word.value_or(wordMask) & wordMask;
  return static_cast<uint16_t>(sum);
}

uint32_t Crc32(const uint8_t* bytes, size_t size) {
  uint32_t crc = kCrcStart;
  for (size_t i = 0; i < size; ++i) crc = CrcStep(crc, bytes[i]);
  return crc ^ kCrcEnd;
}

uint32_t DataImageCrc32(const std::vector<std::optional<uint8_t>>& cells) {
  uint32_t crc = kCrcStart;
  for (const std::optional<uint8_t>& cell : cells) crc = CrcStep(crc, cell.value_or(kErasedByte));
  return crc ^ kCrcEnd;
}

}  // namespace tarvel

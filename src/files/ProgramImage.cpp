#include "files/ProgramImage.h"

#include <algorithm>

namespace tarvel {

std::optional<uint16_t> HexWordAt(const THexSource& source, int32_t address) {
  if (address < 0 || address >= THexSource::kImageSize / 2) return std::nullopt;
  const int32_t low = 2 * address;
  if (!source.Written()[low]) return std::nullopt;
  const uint16_t high = source.Written()[low + 1] ? source.Buffer()[low + 1] : 0;
  return static_cast<uint16_t>(high << 8 | source.Buffer()[low]);
}

ProgramHexWords ProgramWordsFromHex(const THexSource& source, int32_t lastAddress) {
  ProgramHexWords image;
  image.words.resize(CellsUpTo(lastAddress));
  const auto& written = source.Written();
  // The reader holds no byte beyond its image: the words above it stay empty.
  const size_t wordsInReader = THexSource::kImageSize / 2;
  const size_t count = std::min(image.words.size(), wordsInReader);
  for (size_t a = 0; a < count; ++a) {
    image.words[a] = HexWordAt(source, static_cast<int32_t>(a));
    if (!image.words[a] && written[2 * a + 1]) {
      image.highByteOnlyAddress = static_cast<int32_t>(a);
      break;
    }
  }
  return image;
}

ProgramBinaryWords ReadProgramBinary(const std::string& path, int32_t lastAddress) {
  ProgramBinaryWords image;
  const FileHead head = ReadFileHead(path, 2 * CellsUpTo(lastAddress));
  image.opened = head.opened;
  image.reason = head.reason;
  image.words.resize(head.bytes.size() / 2);
  for (size_t a = 0; a < image.words.size(); ++a) {
    image.words[a] = static_cast<uint16_t>(head.bytes[2 * a] | (head.bytes[2 * a + 1] << 8));
  }
  return image;
}

FileSave SaveProgramBinary(const std::string& path, const std::vector<uint16_t>& words) {
  std::vector<uint8_t> bytes;
  bytes.reserve(2 * words.size());
  for (uint16_t word : words) {
    bytes.push_back(static_cast<uint8_t>(word & 0xFF));
    bytes.push_back(static_cast<uint8_t>(word >> 8));
  }
  return SaveFileAtomically(path, bytes);
}

}  // namespace tarvel

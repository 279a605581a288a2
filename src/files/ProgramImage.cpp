#include "files/ProgramImage.h"

#include <algorithm>

namespace tarvel {

ProgramHexWords ProgramWordsFromHex(const THexSource& source, int32_t lastAddress) {
  ProgramHexWords image;
  image.words.resize(CellsUpTo(lastAddress));
  const auto& buffer = source.Buffer();
  const auto& written = source.Written();
  // The reader holds no byte beyond its image: the words above it stay empty.
  const size_t wordsInReader = THexSource::kImageSize / 2;
  const size_t count = std::min(image.words.size(), wordsInReader);
  for (size_t a = 0; a < count; ++a) {
    const size_t low = 2 * a;
    const size_t high = low + 1;
    if (written[low]) {
      const uint16_t highByte = written[high] ? buffer[high] : 0;
      image.words[a] = static_cast<uint16_t>(highByte * 256 + buffer[low]);
    } else if (written[high]) {
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

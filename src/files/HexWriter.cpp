#include "files/HexWriter.h"

#include <algorithm>

namespace tarvel {

namespace {

constexpr size_t kRecordBytes = 16;

void AppendHexByte(std::vector<uint8_t>& text, uint8_t value) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  text.push_back(static_cast<uint8_t>(kDigits[value >> 4]));
  text.push_back(static_cast<uint8_t>(kDigits[value & 0x0F]));
}

}  // namespace

void AppendHexRecord(std::vector<uint8_t>& text, IntelHexRecord type, uint16_t address, const uint8_t* data,
                     size_t count) {
  const uint8_t head[4] = {static_cast<uint8_t>(count), static_cast<uint8_t>(address >> 8),
                           static_cast<uint8_t>(address & 0xFF), type};
  uint8_t sum = 0;
  text.push_back(':');
  for (uint8_t value : head) {
    sum = static_cast<uint8_t>(sum + value);
    AppendHexByte(text, value);
  }
  for (size_t i = 0; i < count; ++i) {
    sum = static_cast<uint8_t>(sum + data[i]);
    AppendHexByte(text, data[i]);
  }
  AppendHexByte(text, static_cast<uint8_t>(-sum));
  text.push_back('\r');
  text.push_back('\n');
}

void AppendLinearAddressRecord(std::vector<uint8_t>& text, uint16_t upper) {
  const uint8_t data[2] = {static_cast<uint8_t>(upper >> 8), static_cast<uint8_t>(upper & 0xFF)};
  AppendHexRecord(text, kLinearAddress, 0, data, 2);
}

std::optional<std::vector<uint8_t>> IntelHexText(const HexBytes& bytes, HexFormat format) {
  std::vector<uint8_t> text;
  // A full record of 16 bytes takes 45 characters.
  text.reserve(bytes.size() / kRecordBytes * 45 + 64);
  uint32_t upper = 0;
  if (format == HexFormat::Inhx32) AppendLinearAddressRecord(text, 0);
  size_t at = 0;
  while (at < bytes.size()) {
    if (!bytes[at]) {
      ++at;
      continue;
    }
    const size_t start = at;
    const size_t lineEnd = std::min(bytes.size(), (start | (kRecordBytes - 1)) + 1);
    uint8_t data[kRecordBytes];
    size_t count = 0;
    for (; at < lineEnd && bytes[at]; ++at) data[count++] = *bytes[at];
    const auto startUpper = static_cast<uint32_t>(start >> 16);
    if (startUpper != upper) {
      if (format == HexFormat::Inhx8m) return std::nullopt;
      upper = startUpper;
      AppendLinearAddressRecord(text, static_cast<uint16_t>(upper));
    }
    AppendHexRecord(text, kDataRecord, static_cast<uint16_t>(start & 0xFFFF), data, count);
  }
  AppendHexRecord(text, kEndOfFileRecord, 0, nullptr, 0);
  return text;
}

FileSave SaveHexFile(const std::string& path, const HexBytes& bytes, HexFormat format) {
  const std::optional<std::vector<uint8_t>> text = IntelHexText(bytes, format);
  if (!text) return {false, "INHX8M addresses end at FFFFH; save it as INHX32"};
  return SaveFileAtomically(path, *text);
}

}  // namespace tarvel

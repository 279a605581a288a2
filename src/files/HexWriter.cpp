#include "files/HexWriter.h"

#include <algorithm>

namespace tarvel {

namespace {

constexpr size_t kRecordBytes = 16;
constexpr uint8_t kDataRecord = 0;
constexpr uint8_t kEndOfFileRecord = 1;
constexpr uint8_t kLinearAddress = 4;

class RecordText {
 public:
  explicit RecordText(std::vector<uint8_t>& text) : text_(text) {}

  void Record(uint8_t type, uint16_t address, const uint8_t* data, size_t count) {
    text_.push_back(':');
    sum_ = 0;
    Byte(static_cast<uint8_t>(count));
    Byte(static_cast<uint8_t>(address >> 8));
    Byte(static_cast<uint8_t>(address & 0xFF));
    Byte(type);
    for (size_t i = 0; i < count; ++i) Byte(data[i]);
    Byte(static_cast<uint8_t>(-sum_));
    text_.push_back('\r');
    text_.push_back('\n');
  }

  void LinearAddress(uint32_t upper) {
    const uint8_t data[2] = {static_cast<uint8_t>(upper >> 8), static_cast<uint8_t>(upper & 0xFF)};
    Record(kLinearAddress, 0, data, 2);
  }

 private:
  void Byte(uint8_t value) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    sum_ = static_cast<uint8_t>(sum_ + value);
    text_.push_back(static_cast<uint8_t>(kDigits[value >> 4]));
    text_.push_back(static_cast<uint8_t>(kDigits[value & 0x0F]));
  }

  std::vector<uint8_t>& text_;
  uint8_t sum_ = 0;
};

}  // namespace

std::optional<std::vector<uint8_t>> IntelHexText(const HexBytes& bytes, HexFormat format) {
  std::vector<uint8_t> text;
  // A full record of 16 bytes takes 45 characters.
  text.reserve(bytes.size() / kRecordBytes * 45 + 64);
  RecordText out(text);
  uint32_t upper = 0;
  if (format == HexFormat::Inhx32) out.LinearAddress(upper);
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
      out.LinearAddress(upper);
    }
    out.Record(kDataRecord, static_cast<uint16_t>(start & 0xFFFF), data, count);
  }
  out.Record(kEndOfFileRecord, 0, nullptr, 0);
  return text;
}

FileSave SaveHexFile(const std::string& path, const HexBytes& bytes, HexFormat format) {
  const std::optional<std::vector<uint8_t>> text = IntelHexText(bytes, format);
  if (!text) return {false, "INHX8M addresses end at FFFFH; save it as INHX32"};
  return SaveFileAtomically(path, *text);
}

}  // namespace tarvel

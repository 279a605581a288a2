#include "files/HexSource.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <vector>

namespace tarvel {

namespace {

constexpr const char* kCannotOpen = "ファイルをオープンできませんでした。";
constexpr const char* kBadCharacter = "HEXファイルの読み込みに失敗しました。";
constexpr const char* kBadRecord = "Hex ファイルを正常に読み込めません。";

constexpr std::streamsize kChunkSize = 1 << 16;

bool IsHexDigit(char c) {
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

bool IsWhiteSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }

// DOS tools end their text files with Ctrl-Z; nothing after it is text.
constexpr char kEndOfText = '\x1A';

}  // namespace

// Walks the collected text record by record. Every read is checked against
// the end of the text, so a file that stops inside a record is refused
// rather than read past.
class THexSource::RecordCursor {
 public:
  explicit RecordCursor(const std::string& text) : text_(text) {}

  bool AtColon() const { return pos_ < text_.size() && text_[pos_] == ':'; }
  void SkipColon() { ++pos_; }

  // The next `digits` characters as a number, most significant first.
  bool Take(size_t digits, uint32_t& value) {
    if (text_.size() - pos_ < digits) return false;
    value = 0;
    for (size_t i = 0; i < digits; ++i) {
      value = (value << 4) | static_cast<uint32_t>(THexSource::xtoi(text_[pos_ + i]));
    }
    pos_ += digits;
    return true;
  }

  // The record type goes by its two characters, not by their value.
  bool TakeType(bool& endOfFile) {
    if (text_.size() - pos_ < 2) return false;
    endOfFile = text_[pos_] == '0' && text_[pos_ + 1] == '1';
    pos_ += 2;
    return true;
  }

 private:
  const std::string& text_;
  size_t pos_ = 0;
};

THexSource::THexSource(UserMessages& messages) : messages_(messages) {}

int32_t THexSource::xtoi(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return 0;
}

int32_t THexSource::LoadFile(const std::string& path) {
  std::string hexText;
  switch (CollectHexText(path, hexText)) {
    case Collect::CannotOpen:
      messages_.Show(kCannotOpen);
      return -1;
    case Collect::BadCharacter:
      messages_.Show(kBadCharacter);
      return -1;
    case Collect::Done:
      break;
  }
  return HexToBin(hexText);
}

// Keeps only hex digits and colons. Line ends carry no meaning: records are
// delimited by their byte counts alone. A comment runs to the end of its
// line, however long the line is. The text ends at the end of the file or at
// a Ctrl-Z, whichever comes first.
THexSource::Collect THexSource::CollectHexText(const std::string& path, std::string& hexText) {
  std::error_code error;
  // Only a regular file: a directory cannot be read and a pipe could block.
  if (!std::filesystem::is_regular_file(path, error)) return Collect::CannotOpen;
  std::ifstream file(path, std::ios::binary);
  if (!file) return Collect::CannotOpen;

  std::vector<char> chunk(kChunkSize);
  bool inComment = false;
  while (file) {
    file.read(chunk.data(), kChunkSize);
    const std::streamsize got = file.gcount();
    for (std::streamsize i = 0; i < got; ++i) {
      const char c = chunk[static_cast<size_t>(i)];
      if (c == kEndOfText) return Collect::Done;
      if (inComment) {
        inComment = !IsLineEnd(c);
      } else if (IsHexDigit(c) || c == ':') {
        hexText.push_back(c);
      } else if (c == ';') {
        inComment = true;
      } else if (!IsWhiteSpace(c)) {
        return Collect::BadCharacter;
      }
    }
  }
  // A read that failed before the end of the file is as good as a bad file.
  if (file.bad() || !file.eof()) return Collect::BadCharacter;
  return Collect::Done;
}

int32_t THexSource::HexToBin(const std::string& hexText) {
  std::fill(written_.begin(), written_.end(), false);
  int32_t highest = -1;
  RecordCursor cursor(hexText);
  for (;;) {
    switch (StoreRecord(cursor, highest)) {
      case Record::Data:
        break;
      case Record::EndOfFile:
        endAddress_ = highest;
        return 1;
      case Record::Malformed:
        messages_.Show(kBadRecord);
        return -1;
    }
  }
}

// Any type but 01 is data. Bytes beyond the image are dropped but still
// raise the highest address; the checksum is skipped unchecked.
THexSource::Record THexSource::StoreRecord(RecordCursor& cursor, int32_t& highest) {
  if (!cursor.AtColon()) return Record::Malformed;
  cursor.SkipColon();
  uint32_t count = 0;
  uint32_t address = 0;
  bool endOfFile = false;
  if (!cursor.Take(2, count) || !cursor.Take(4, address) || !cursor.TakeType(endOfFile)) {
    return Record::Malformed;
  }
  if (endOfFile) return Record::EndOfFile;
  for (uint32_t i = 0; i < count; ++i) {
    uint32_t byte = 0;
    if (!cursor.Take(2, byte)) return Record::Malformed;
    const uint32_t at = address + i;
    if (at < static_cast<uint32_t>(kImageSize)) {
      buffer_[at] = static_cast<uint8_t>(byte);
      written_[at] = true;
    }
  }
  highest = std::max(highest, static_cast<int32_t>(address + count) - 1);
  uint32_t checksum = 0;
  return cursor.Take(2, checksum) ? Record::Data : Record::Malformed;
}

}  // namespace tarvel

#include "files/HexSource.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "files/IntelHex.h"

namespace tarvel {

namespace {

constexpr const char* kCannotOpen = "ファイルをオープンできませんでした。";
constexpr const char* kBadCharacter = "HEXファイルの読み込みに失敗しました。";
constexpr const char* kBadRecord = "Hex ファイルを正常に読み込めません。";

constexpr std::streamsize kChunkSize = 1 << 16;

// What a character of the file is to the reader: a hex digit's value, or
// one of the classes below.
enum CharClass : uint8_t { kColon = 16, kBlank, kLineFeed, kReturn, kComment, kEndOfText, kForeign };

constexpr std::array<uint8_t, 256> MakeClasses() {
  std::array<uint8_t, 256> classes{};
  for (auto& c : classes) c = kForeign;
  for (int d = 0; d < 10; ++d) classes['0' + d] = static_cast<uint8_t>(d);
  for (int d = 0; d < 6; ++d) {
    classes['a' + d] = static_cast<uint8_t>(10 + d);
    classes['A' + d] = static_cast<uint8_t>(10 + d);
  }
  classes[':'] = kColon;
  classes[' '] = kBlank;
  classes['\t'] = kBlank;
  classes['\n'] = kLineFeed;
  classes['\r'] = kReturn;
  classes[';'] = kComment;
  // DOS tools end their text files with Ctrl-Z; nothing after it is text.
  classes[0x1A] = kEndOfText;
  return classes;
}

constexpr std::array<uint8_t, 256> kClasses = MakeClasses();

std::string Printed(const char* format, int a, int b = 0, int c = 0, int d = 0, int e = 0) {
  char text[320];
  std::snprintf(text, sizeof text, format, a, b, c, d, e);
  return text;
}

}  // namespace

// One pass over the file's text. Characters are checked as they come,
// records are put together byte by byte, and their bytes go into a copy of
// the image. The copy becomes the reader's only when no character of the
// text is foreign, so such a file leaves the last good one as it was; a
// faulty record keeps the records before it, as a record cut short always
// did.
class THexSource::RecordPass {
 public:
  explicit RecordPass(const THexSource& source)
      : buffer_(source.buffer_), written_(kImageSize, false), lines_(kImageSize, 0) {}

  // False once the text has ended, at a foreign character or at Ctrl-Z.
  bool Feed(const char* text, size_t size) {
    for (size_t i = 0; i < size; ++i) {
      const uint8_t cls = kClasses[static_cast<uint8_t>(text[i])];
      if (cls <= kColon) {
        afterReturn_ = false;
        if (!inComment_ && !stopped_) Significant(cls);
        continue;
      }
      switch (cls) {
        case kLineFeed:
          if (!afterReturn_) ++line_;
          afterReturn_ = false;
          inComment_ = false;
          break;
        case kReturn:
          ++line_;
          afterReturn_ = true;
          inComment_ = false;
          break;
        case kEndOfText:
          return false;
        default:
          afterReturn_ = false;
          if (inComment_) break;
          if (cls == kComment) {
            inComment_ = true;
          } else if (cls == kForeign) {
            foreign_ = true;
            faultLine_ = line_;
            return false;
          }
          break;
      }
    }
    return true;
  }

  bool Foreign() const { return foreign_; }
  int32_t FaultLine() const { return faultLine_; }

  // Makes the pass's image the reader's and tells what became of the file:
  // an empty text for a good file, else the message to show.
  std::string Finish(THexSource& source) {
    std::copy(buffer_.begin(), buffer_.end(), source.buffer_.begin());
    std::copy(written_.begin(), written_.end(), source.written_.begin());
    source.lines_ = std::move(lines_);
    source.beyondLine_ = beyondLine_;
    source.beyondAddress_ = beyondAddress_;
    if (!fault_.empty()) return fault_;
    if (!endOfFile_) {
      // A text that ends inside a record, or after its last one.
      faultLine_ = recordLine_;
      return kBadRecord;
    }
    source.endAddress_ = static_cast<int32_t>(std::min<int64_t>(highest_, INT32_MAX));
    return std::string();
  }

 private:
  // A hex digit or a colon. Between records only a colon may come; inside
  // one, a colon counts as the digit 0.
  void Significant(uint8_t cls) {
    if (!inRecord_) {
      if (cls != kColon) {
        recordLine_ = line_;
        Fail(kBadRecord);
        return;
      }
      inRecord_ = true;
      recordLine_ = line_;
      digits_ = 0;
      sum_ = 0;
      return;
    }
    const uint8_t nibble = cls == kColon ? 0 : cls;
    if ((digits_++ & 1) == 0) {
      high_ = nibble;
      return;
    }
    RecordByte(digits_ / 2 - 1, static_cast<uint8_t>(high_ << 4 | nibble));
  }

  void RecordByte(uint32_t index, uint8_t byte) {
    switch (index) {
      case 0:
        count_ = byte;
        break;
      case 1:
        address_ = static_cast<uint32_t>(byte) << 8;
        break;
      case 2:
        address_ |= byte;
        break;
      case 3:
        type_ = byte;
        // Nothing after the type of the end-of-file record is read.
        if (type_ == kEndOfFileRecord) {
          endOfFile_ = true;
          stopped_ = true;
          return;
        }
        if (type_ > kLinearStart) {
          Fail(Printed("Line %d of the HEX file holds a record of type %02XH, which Intel HEX does not have.\n"
                       "The file was not loaded.",
                       recordLine_, type_));
          return;
        }
        break;
      default:
        if (index < 4 + count_) {
          data_[index - 4] = byte;
          break;
        }
        if (static_cast<uint8_t>(sum_ + byte) != 0) {
          Fail(Printed("Line %d of the HEX file: the record's checksum is %02XH, its bytes give %02XH.\n"
                       "The file is damaged and was not loaded; build it again or take a good copy.",
                       recordLine_, byte, static_cast<uint8_t>(-sum_)));
          return;
        }
        inRecord_ = false;
        CompleteRecord();
        return;
    }
    sum_ = static_cast<uint8_t>(sum_ + byte);
  }

  void CompleteRecord() {
    switch (type_) {
      case kDataRecord:
        StoreData();
        break;
      case kSegmentAddress:
      case kLinearAddress:
        if (count_ != 2) {
          Fail(Printed("Line %d of the HEX file holds an address record (type %02XH) of %d bytes; it must have 2.\n"
                       "The file was not loaded.",
                       recordLine_, type_, count_));
          return;
        }
        base_ = static_cast<uint32_t>(data_[0] << 8 | data_[1]) << (type_ == kLinearAddress ? 16 : 4);
        break;
      default:
        // A start address tells where the code begins, not what a memory holds.
        break;
    }
  }

  void StoreData() {
    const int64_t start = int64_t{base_} + address_;
    for (uint32_t i = 0; i < count_; ++i) {
      const int64_t at = start + i;
      if (at >= kImageSize) {
        if (beyondLine_ == 0) {
          beyondLine_ = recordLine_;
          beyondAddress_ = static_cast<uint32_t>(std::min<int64_t>(at, UINT32_MAX));
        }
        continue;
      }
      const size_t slot = static_cast<size_t>(at);
      if (written_[slot] && buffer_[slot] != data_[i]) {
        Fail(Printed("Line %d of the HEX file gives address %04XH the value %02XH, but line %d gave it %02XH.\n"
                     "The file contradicts itself and was not loaded.",
                     recordLine_, static_cast<int>(at), data_[i], lines_[slot], buffer_[slot]));
        return;
      }
      buffer_[slot] = data_[i];
      written_[slot] = true;
      lines_[slot] = recordLine_;
    }
    highest_ = std::max(highest_, start + count_ - 1);
  }

  // Records end at the first fault; the rest of the text is only checked
  // for foreign characters.
  void Fail(const std::string& message) {
    if (fault_.empty()) {
      fault_ = message;
      faultLine_ = recordLine_;
    }
    stopped_ = true;
  }

  std::array<uint8_t, kImageSize> buffer_;
  std::vector<bool> written_;
  std::vector<int32_t> lines_;
  int32_t beyondLine_ = 0;
  uint32_t beyondAddress_ = 0;
  int64_t highest_ = -1;
  uint32_t base_ = 0;

  int32_t line_ = 1;
  bool afterReturn_ = false;
  bool inComment_ = false;
  bool foreign_ = false;
  bool stopped_ = false;
  bool endOfFile_ = false;
  std::string fault_;
  int32_t faultLine_ = 0;

  bool inRecord_ = false;
  int32_t recordLine_ = 0;
  uint32_t digits_ = 0;
  uint8_t high_ = 0;
  uint8_t sum_ = 0;
  uint32_t count_ = 0;
  uint32_t address_ = 0;
  uint8_t type_ = 0;
  std::array<uint8_t, 255> data_{};
};

THexSource::THexSource(UserMessages& messages) : messages_(messages), lines_(kImageSize, 0) {}

int32_t THexSource::xtoi(char c) {
  const uint8_t cls = kClasses[static_cast<uint8_t>(c)];
  return cls < kColon ? cls : 0;
}

int32_t THexSource::LineOf(int32_t address) const {
  return address >= 0 && address < kImageSize ? lines_[static_cast<size_t>(address)] : 0;
}

int32_t THexSource::LoadFile(const std::string& path) {
  std::error_code error;
  // Only a regular file: a directory cannot be read and a pipe could block.
  std::ifstream file;
  if (std::filesystem::is_regular_file(path, error)) file.open(path, std::ios::binary);
  faultLine_ = 0;
  if (!file.is_open()) {
    messages_.Show(kCannotOpen);
    return -1;
  }
  RecordPass pass(*this);
  std::vector<char> chunk(kChunkSize);
  bool textGoesOn = true;
  while (textGoesOn && file) {
    file.read(chunk.data(), kChunkSize);
    textGoesOn = pass.Feed(chunk.data(), static_cast<size_t>(file.gcount()));
  }
  // A read that failed before the end of the file is as good as a bad file.
  if (pass.Foreign() || (textGoesOn && (file.bad() || !file.eof()))) {
    faultLine_ = pass.FaultLine();
    messages_.Show(kBadCharacter);
    return -1;
  }
  const std::string fault = pass.Finish(*this);
  if (fault.empty()) return 1;
  faultLine_ = pass.FaultLine();
  messages_.Show(fault);
  return -1;
}

}  // namespace tarvel

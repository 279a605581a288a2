#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "platform/UserMessages.h"

namespace tarvel {

// Reads an Intel HEX file (8-bit merged form, 16-bit addresses) into a flat
// byte image with a presence flag per byte. The image holds the largest
// memory a file is read for, a 24xx256's 32 KB. The reader knows nothing of
// words or devices: each data byte lands at the byte address of its record.
class THexSource {
 public:
  static constexpr int32_t kImageSize = 32768;

  explicit THexSource(UserMessages& messages);

  // 1 when the file was read up to its end-of-file record; -1 after the
  // reader has shown why not.
  int32_t LoadFile(const std::string& path);
  // Highest byte address the data records of the last good file covered,
  // counting bytes beyond the image; -1 when it had no data record.
  int32_t EndAddress() const { return endAddress_; }
  // A byte is meaningful only where its Written flag is set; elsewhere it
  // may still hold a byte of an earlier file.
  const std::array<uint8_t, kImageSize>& Buffer() const { return buffer_; }
  const std::array<bool, kImageSize>& Written() const { return written_; }

  // The value of one hex digit; any other character counts as 0.
  static int32_t xtoi(char c);

 private:
  enum class Collect { Done, CannotOpen, BadCharacter };
  enum class Record { Data, EndOfFile, Malformed };
  class RecordCursor;

  static Collect CollectHexText(const std::string& path, std::string& hexText);
  // The record pass; Written is cleared, Buffer is not.
  int32_t HexToBin(const std::string& hexText);
  Record StoreRecord(RecordCursor& cursor, int32_t& highest);

  UserMessages& messages_;
  int32_t endAddress_ = 0;
  std::array<uint8_t, kImageSize> buffer_{};
  std::array<bool, kImageSize> written_{};
};

}  // namespace tarvel

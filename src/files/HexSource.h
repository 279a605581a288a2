#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/UserMessages.h"

namespace tarvel {

// Reads an Intel HEX file into a flat byte image with a presence flag per
// byte. The image holds the largest memory a file is read for, a 24xx256's
// 32 KB. The reader knows nothing of words or devices: each data byte lands
// at the byte address of its record, above the base that the last extended
// linear (type 04) or segment (type 02) address record set.
//
// The file is read as a stream, so a file of any size takes the same memory.
// A record with a wrong checksum, one that gives a byte another value than an
// earlier record gave it, and one of a type Intel HEX does not define are
// refused with their line number.
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
  // The line of the file (from 1) whose record stored the byte at `address`;
  // 0 where no record of the last file did.
  int32_t LineOf(int32_t address) const;
  // The first record, in file order, that carried a byte beyond the image:
  // its line (0 when none did) and the address of that byte.
  int32_t LineBeyondImage() const { return beyondLine_; }
  uint32_t AddressBeyondImage() const { return beyondAddress_; }
  // The line (from 1) where the last LoadFile that failed found its fault:
  // the foreign character, the record that is bad or cut short, or the last
  // record of a file without an end-of-file record. 0 when the file could
  // not be opened or held no line with a record.
  int32_t FaultLine() const { return faultLine_; }

  // The value of one hex digit; any other character counts as 0.
  static int32_t xtoi(char c);

 private:
  class RecordPass;

  UserMessages& messages_;
  int32_t endAddress_ = 0;
  std::array<uint8_t, kImageSize> buffer_{};
  std::array<bool, kImageSize> written_{};
  std::vector<int32_t> lines_;
  int32_t beyondLine_ = 0;
  uint32_t beyondAddress_ = 0;
  int32_t faultLine_ = 0;
};

}  // namespace tarvel

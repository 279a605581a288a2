#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tarvel {

// Cells of a memory whose last address is given (-1 or below: none).
inline size_t CellsUpTo(int32_t lastAddress) {
  return lastAddress < 0 ? 0 : static_cast<size_t>(lastAddress) + 1;
}

// Whether a file is binary by its name: one ending in ".bin", in any case;
// any other is Intel HEX.
bool IsBinaryFileName(const std::string& path);

// The start of a file, read as raw bytes.
struct FileHead {
  bool opened = false;
  std::vector<uint8_t> bytes;  // at most the limit asked for
  bool more = false;           // the file holds at least one byte beyond them
  std::string reason;          // why it could not be read, when not opened
};

// Reads up to `limit` bytes from the start of a regular file.
FileHead ReadFileHead(const std::string& path, size_t limit);

// True for an existing file that a save would refuse: one this user may not
// write, or one that carries no write permission at all (the read-only mark,
// which holds for the super-user too). The folder does not decide it: where
// the folder refuses a new file, the save writes the file in place.
bool FileIsReadOnly(const std::string& path);

struct FileSave {
  bool saved = false;
  std::string reason;  // the system's text for why not, when not saved
};

// Replaces the file's contents as a whole: the bytes go to a new file in the
// same folder, which is flushed to disk and then renamed over the target. A
// failure at any step leaves the file that was there untouched. A symbolic
// link keeps pointing at the file it named, and a file without any write
// permission is refused, as overwriting it would be.
//
// Where the folder refuses the new file but the file itself may be written,
// the bytes are written into the file in place instead. The space for them
// is reserved first, so a full disk or the file size limit still fails
// before the old contents are touched.
FileSave SaveFileAtomically(const std::string& path, const std::vector<uint8_t>& bytes);

}  // namespace tarvel

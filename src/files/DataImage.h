#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "files/BinaryFile.h"
#include "files/HexSource.h"

namespace tarvel {

// The data image (PIC data EEPROM or a whole serial EEPROM) as the files give
// it: byte i of a HEX file or of a binary file is data byte i.

struct DataHexBytes {
  // Addresses 0 to the last address; empty where the file has no byte.
  std::vector<std::optional<uint8_t>> bytes;
  // The file reaches beyond what could be taken; only the first
  // `bytesTaken` bytes were ("File size is too big.").
  bool tooBig = false;
  int32_t bytesTaken = 0;
  // The line of the first byte beyond them, when the reader knows it.
  int32_t lineBeyond = 0;
};

// Takes bytes 0 to `lastAddress` from a reader that has loaded a file. A
// memory larger than the reader's image could take only what the image
// holds, and would report the rest too big.
DataHexBytes DataBytesFromHex(const THexSource& source, int32_t lastAddress);

struct DataBinaryBytes {
  bool opened = false;
  std::string reason;          // why the file could not be read, when not opened
  std::vector<uint8_t> bytes;  // at most `lastAddress` + 1
  bool tooBig = false;         // at least one more byte follows them
  int32_t bytesTaken = 0;      // `lastAddress` + 1 when too big
};

DataBinaryBytes ReadDataBinary(const std::string& path, int32_t lastAddress);

// Every byte of the image, blank cells given as 0 by the caller.
FileSave SaveDataBinary(const std::string& path, const std::vector<uint8_t>& bytes);

}  // namespace tarvel

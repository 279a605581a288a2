#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "files/BinaryFile.h"
#include "files/HexSource.h"

namespace tarvel {

// The program image as the files give it: one 16-bit word per word address.
// HEX files carry word a in the bytes 2a (low) and 2a + 1 (high); binary
// files hold the words in address order, low byte first, with no header.

struct ProgramHexWords {
  // Word addresses 0 to the last address; empty where the file has no word.
  std::vector<std::optional<uint16_t>> words;
  // The first word that has its high byte but not its low byte, or -1. The
  // words before it are taken and the rest are left empty: the file is not
  // a sound program image ("HEX file load error").
  int32_t highByteOnlyAddress = -1;
};

// Word `address` of a file the reader has loaded: empty without its low
// byte; a word with only its low byte gets 0 as its high byte.
std::optional<uint16_t> HexWordAt(const THexSource& source, int32_t address);

// Takes words 0 to `lastAddress` from a reader that has loaded a file, each
// as HexWordAt gives it.
ProgramHexWords ProgramWordsFromHex(const THexSource& source, int32_t lastAddress);

struct ProgramBinaryWords {
  bool opened = false;
  std::string reason;  // why the file could not be read, when not opened
  // The file's whole words, at most `lastAddress` + 1; a last odd byte and
  // whatever lies beyond the memory are ignored.
  std::vector<uint16_t> words;
};

ProgramBinaryWords ReadProgramBinary(const std::string& path, int32_t lastAddress);

// Every word of the image, blank cells given as 0 by the caller.
FileSave SaveProgramBinary(const std::string& path, const std::vector<uint16_t>& words);

}  // namespace tarvel

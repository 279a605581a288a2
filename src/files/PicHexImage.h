#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/pic/PicDevice.h"
#include "files/HexSource.h"
#include "files/HexWriter.h"

namespace tarvel {

// The whole of a PIC as one HEX file holds it.
struct PicChipImage {
  std::vector<std::optional<uint16_t>> program;  // words 0 to the last address
  std::vector<std::optional<uint8_t>> data;      // data EEPROM bytes; none without one
  std::optional<std::array<uint16_t, 4>> id;     // a word the file lacks is erased (all ones)
  std::optional<uint16_t> config;
};

// Where a device's memories lie in a HEX file, in word addresses (a word's
// low byte is at twice its address). The 14-bit families keep their IDs at
// 2000H, the configuration word at 2007H and data EEPROM byte i in word
// 2100H + i; the 12-bit family its IDs right after program memory and the
// configuration word at FFFH.
struct PicHexLayout {
  int32_t programWords;
  int32_t programSpace;  // words below it belong to program memory
  int32_t idAddress;
  bool idWritten;        // tarvel writes the ID of this device
  int32_t configAddress;
  int32_t dataAddress;   // -1 for the 12-bit family
  int32_t dataSpace;     // words of the data EEPROM's space
  int32_t dataBytes;     // 0 without data EEPROM
  uint16_t wordMask;
};

PicHexLayout HexLayoutOf(PIC_DEVICES device);

// A part of a HEX file that has no place in the device, from the HEX byte
// address `first` to `last`; `line` is the line of the record holding the
// first byte.
struct HexMisfit {
  enum Kind : uint8_t { ProgramBeyond, DataBeyond, NoDataMemory, IdNotWritten, OutsideDevice };
  Kind kind;
  int32_t line;
  uint32_t first;
  uint32_t last;
};

struct PicHexContents {
  PicChipImage image;
  // The first program word with only its high byte, or -1; as for the
  // program image alone, the words from it on are left empty.
  int32_t highByteOnlyAddress = -1;
  std::vector<HexMisfit> misfits;
};

// What a loaded file holds for the device, everything that does not fit
// reported. Data EEPROM bytes are the low bytes of their words.
PicHexContents PicContentsFromHex(const THexSource& source, PIC_DEVICES device);

// The bytes of a HEX file holding the image, each memory at its place.
HexBytes PicHexBytes(const PicChipImage& image, PIC_DEVICES device);

// Texts for the user, in English, one thing each; a caller puts them
// together in its own language.
// What the image holds besides program words ("the configuration word
// 3FF1H", "the ID "BLINK01"", "64 data EEPROM bytes"); empty when nothing.
std::vector<std::string> ExtrasParts(const PicChipImage& image);
// What writing the image to a chip writes ("program 1024 words", "data 64
// bytes", "configuration 3FF1H", "ID "BLINK01"").
std::vector<std::string> WholeChipParts(const PicChipImage& image);
// "BLINK01" in quotes when the words are that text, else the four words.
std::string IdText(const std::array<uint16_t, 4>& words);
std::string MisfitText(const HexMisfit& misfit, PIC_DEVICES device);
// Whether the word, written as it stands, would protect code or data.
bool ConfigSetsProtection(uint16_t config, PIC_DEVICES device);

}  // namespace tarvel

#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "files/BinaryFile.h"
#include "files/IntelHex.h"

namespace tarvel {

// The two Intel HEX forms PIC tools write: INHX8M with 16-bit addresses
// only, and INHX32, which adds extended linear address records.
enum class HexFormat : uint8_t { Inhx8m, Inhx32 };

// A file's bytes by byte address from 0; empty where the file has none.
using HexBytes = std::vector<std::optional<uint8_t>>;

// The file's text as PIC tools write it: data records of at most 16 bytes
// that never cross a 16-byte boundary or a gap, CR LF line ends, an
// end-of-file record last. INHX32 begins with an address record and gives
// one wherever the upper 16 address bits change. Nothing when the bytes
// reach beyond 64 KB and the form is INHX8M.
std::optional<std::vector<uint8_t>> IntelHexText(const HexBytes& bytes, HexFormat format);

// One record appended to `text`: its count, address, type, the `count`
// bytes of `data` and its checksum, ended with CR LF.
void AppendHexRecord(std::vector<uint8_t>& text, IntelHexRecord type, uint16_t address, const uint8_t* data,
                     size_t count);
// The extended linear address record that sets the upper 16 address bits.
void AppendLinearAddressRecord(std::vector<uint8_t>& text, uint16_t upper);

// Writes the text as binary files are saved: the old file stays until the
// new one is whole.
FileSave SaveHexFile(const std::string& path, const HexBytes& bytes, HexFormat format);

}  // namespace tarvel

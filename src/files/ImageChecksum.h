#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace tarvel {

// The checksum PIC tools show for a program: the 16-bit sum of every
// program word and of the configuration word, each masked to the word
// width. A word the image lacks counts as erased (all ones), as it is on a
// blank chip.
uint16_t PicProgramChecksum(const std::vector<std::optional<uint16_t>>& program, std::optional<uint16_t> config,
                            uint16_t wordMask);

// The CRC-32 of zip and PNG (reflected, polynomial EDB88320H).
uint32_t Crc32(const uint8_t* bytes, size_t size);
// The CRC-32 of a whole data memory, one cell a byte, a blank cell counted
// as erased (FFH).
uint32_t DataImageCrc32(const std::vector<std::optional<uint8_t>>& cells);

}  // namespace tarvel

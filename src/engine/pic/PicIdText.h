#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace tarvel {

// The four 14-bit ID words hold seven 8-bit characters, most significant
// bit first: 56 bits in all.
using PicIdWords = std::array<int32_t, 4>;

// The words as files and grids hold them (16 bits each), and back.
PicIdWords EngineIdWords(const std::array<uint16_t, 4>& words);
std::array<uint16_t, 4> FileIdWords(const PicIdWords& words);

// The text padded with blanks, or cut, to seven characters.
PicIdWords IdWordsOfText(const std::string& text);
// Seven characters; one outside 21H to 7EH reads as a blank.
std::string IdTextOfWords(const PicIdWords& words);
// Whether the words are exactly a text of printable characters, so that
// showing them as that text loses nothing.
bool IdWordsAreText(const PicIdWords& words);

}  // namespace tarvel

#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "engine/pic/PicWrite.h"

namespace tarvel {

// Images of optional cells, as the grids and the files give them, put into
// the engine's image for its write and compare operations. A present cell
// gets its value and the mark 'o'; an absent one, and one past the image's
// end, gets 0 and '-', which the engine leaves alone or fills as
// FillUpEnable says. Only the device's memory is loaded; cells of the image
// beyond it are not taken.
void LoadProgramImage(TPicWrite& engine, const std::vector<std::optional<uint16_t>>& words);
void LoadDataImage(TPicWrite& engine, const std::vector<std::optional<uint8_t>>& bytes);
void LoadIdWords(TPicWrite& engine, const std::array<uint16_t, 4>& words);

}  // namespace tarvel

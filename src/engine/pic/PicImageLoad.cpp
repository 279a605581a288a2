#include "engine/pic/PicImageLoad.h"

namespace tarvel {

namespace {

template <class Value>
void LoadCells(TPicWrite& engine, const std::vector<std::optional<Value>>& cells, int32_t lastAddress) {
  for (int32_t address = 0; address <= lastAddress; ++address) {
    const auto index = static_cast<size_t>(address);
    const bool present = index < cells.size() && cells[index];
    engine.SetData(address, present ? *cells[index] : 0);
    engine.SetOX(address, present ? 'o' : '-');
  }
}

}  // namespace

void LoadProgramImage(TPicWrite& engine, const std::vector<std::optional<uint16_t>>& words) {
  LoadCells(engine, words, engine.LastAddress());
}

void LoadDataImage(TPicWrite& engine, const std::vector<std::optional<uint8_t>>& bytes) {
  LoadCells(engine, bytes, engine.DataLastAddress());
}

void LoadIdWords(TPicWrite& engine, const std::array<uint16_t, 4>& words) {
  for (size_t i = 0; i < words.size(); ++i) engine.SetID(static_cast<int32_t>(i), words[i]);
}

}  // namespace tarvel

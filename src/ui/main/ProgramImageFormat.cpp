#include "ui/main/ProgramImageFormat.h"

#include "files/ProgramImage.h"
#include "ui/components/HexGrid.h"

namespace tarvel {

ProgramImageFormat::ProgramImageFormat(std::function<int32_t()> deviceLastAddress,
                                       std::function<HexBytes()> hexImage)
    : deviceLastAddress_(std::move(deviceLastAddress)), hexImage_(std::move(hexImage)) {}

void ProgramImageFormat::PrepareGrid(THexGrid& grid) const {
  grid.DataDigit = 4;
  grid.SetMaxAddress(deviceLastAddress_());
}

ImageCells ProgramImageFormat::FromHex(const THexSource& source, int32_t lastAddress) const {
  const ProgramHexWords file = ProgramWordsFromHex(source, lastAddress);
  ImageCells cells;
  cells.values.assign(file.words.begin(), file.words.end());
  if (file.highByteOnlyAddress >= 0) {
    cells.notice = tr("HEX file load error");
    cells.fault = true;
  }
  return cells;
}

ImageCells ProgramImageFormat::ReadBinary(const std::string& path, int32_t lastAddress) const {
  const ProgramBinaryWords file = ReadProgramBinary(path, lastAddress);
  ImageCells cells;
  cells.opened = file.opened;
  cells.values.assign(file.words.begin(), file.words.end());
  return cells;
}

FileSave ProgramImageFormat::SaveBinary(const std::string& path, const THexGrid& grid) const {
  std::vector<uint16_t> words(static_cast<size_t>(grid.MaxAddress()) + 1);
  for (size_t address = 0; address < words.size(); ++address) {
    words[address] = static_cast<uint16_t>(grid.GetIntData(static_cast<int32_t>(address)));
  }
  return SaveProgramBinary(path, words);
}

}  // namespace tarvel

#include "ui/main/DataImageFormat.h"

#include "files/DataImage.h"
#include "ui/components/HexGrid.h"

namespace tarvel {

// The device change sized the grid and set its digits; a file keeps them.
void DataImageFormat::PrepareGrid(THexGrid&) const {}

ImageCells DataImageFormat::FromHex(const THexSource& source, int32_t lastAddress) const {
  const DataHexBytes file = DataBytesFromHex(source, lastAddress);
  ImageCells cells;
  cells.values.assign(file.bytes.begin(), file.bytes.end());
  if (file.tooBig) {
    cells.notice = tr("File size is too big.\nThe head %1 bytes are read.").arg(file.bytesTaken);
    if (file.lineBeyond > 0) {
      cells.notice += "\n" + tr("Line %1 of the file holds the first byte beyond.").arg(file.lineBeyond);
    }
  }
  return cells;
}

ImageCells DataImageFormat::ReadBinary(const std::string& path, int32_t lastAddress) const {
  const DataBinaryBytes file = ReadDataBinary(path, lastAddress);
  ImageCells cells;
  cells.opened = file.opened;
  cells.values.assign(file.bytes.begin(), file.bytes.end());
  if (file.tooBig) {
    cells.notice = tr("ファイルサイズが大きすぎます。\n先頭の%1バイトを読み込みました。").arg(file.bytesTaken);
  }
  return cells;
}

FileSave DataImageFormat::SaveBinary(const std::string& path, const THexGrid& grid) const {
  std::vector<uint8_t> bytes(static_cast<size_t>(grid.MaxAddress()) + 1);
  for (size_t address = 0; address < bytes.size(); ++address) {
    bytes[address] = static_cast<uint8_t>(grid.GetIntData(static_cast<int32_t>(address)));
  }
  return SaveDataBinary(path, bytes);
}

HexBytes DataImageFormat::HexImage(const THexGrid& grid) const { return grid.Values<uint8_t>(); }

}  // namespace tarvel

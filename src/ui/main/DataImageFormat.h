#pragma once

#include <QCoreApplication>

#include "ui/main/ImageFormat.h"

namespace tarvel {

// Data memory, a PIC's data EEPROM or a whole serial EEPROM: bytes, in the
// grid's size, which the device change has already set.
class DataImageFormat : public ImageFormat {
  Q_DECLARE_TR_FUNCTIONS(DataImageFormat)

 public:
  void PrepareGrid(THexGrid& grid) const override;
  ImageCells FromHex(const THexSource& source, int32_t lastAddress) const override;
  ImageCells ReadBinary(const std::string& path, int32_t lastAddress) const override;
  FileSave SaveBinary(const std::string& path, const THexGrid& grid) const override;
  // Byte i at address i, as data HEX files are read.
  HexBytes HexImage(const THexGrid& grid) const override;
};

}  // namespace tarvel

#pragma once

#include <QCoreApplication>

#include <functional>

#include "ui/main/ImageFormat.h"

namespace tarvel {

// Program memory: 14-bit words, four digits a cell, as many as the selected
// PIC device has. Its HEX file may hold the rest of the chip as well, which
// `hexImage` gives, the program words among them.
class ProgramImageFormat : public ImageFormat {
  Q_DECLARE_TR_FUNCTIONS(ProgramImageFormat)

 public:
  ProgramImageFormat(std::function<int32_t()> deviceLastAddress, std::function<HexBytes()> hexImage);

  void PrepareGrid(THexGrid& grid) const override;
  ImageCells FromHex(const THexSource& source, int32_t lastAddress) const override;
  ImageCells ReadBinary(const std::string& path, int32_t lastAddress) const override;
  FileSave SaveBinary(const std::string& path, const THexGrid& grid) const override;
  HexBytes HexImage(const THexGrid&) const override { return hexImage_(); }

 private:
  std::function<int32_t()> deviceLastAddress_;
  std::function<HexBytes()> hexImage_;
};

}  // namespace tarvel

#pragma once

#include <functional>

#include "ui/main/ImageFormat.h"

namespace tarvel {

// Program memory: 14-bit words, four digits a cell, as many as the selected
// PIC device has.
class ProgramImageFormat : public ImageFormat {
 public:
  explicit ProgramImageFormat(std::function<int32_t()> deviceLastAddress);

  void PrepareGrid(THexGrid& grid) const override;
  ImageCells FromHex(const THexSource& source, int32_t lastAddress) const override;
  ImageCells ReadBinary(const std::string& path, int32_t lastAddress) const override;
  FileSave SaveBinary(const std::string& path, const THexGrid& grid) const override;

 private:
  std::function<int32_t()> deviceLastAddress_;
};

}  // namespace tarvel

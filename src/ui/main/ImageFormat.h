#pragma once

#include <QString>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "files/BinaryFile.h"
#include "files/HexWriter.h"

namespace tarvel {

class THexGrid;
class THexSource;

// The cells a file gives a grid: one value per address from 0, empty where
// the file has none.
struct ImageCells {
  // False when the file could not be read at all.
  bool opened = true;
  std::vector<std::optional<int32_t>> values;
  // Told once the cells are shown, when not empty. A fault means the file is
  // not a sound image: it stays out of the recent files.
  QString notice;
  bool fault = false;
};

// How one grid's image goes between the grid and the files: program memory
// as words or data memory as bytes, with the engine's conversions.
class ImageFormat {
 public:
  virtual ~ImageFormat() = default;

  // Readies the grid for a file about to be read into it.
  virtual void PrepareGrid(THexGrid& grid) const = 0;
  virtual ImageCells FromHex(const THexSource& source, int32_t lastAddress) const = 0;
  virtual ImageCells ReadBinary(const std::string& path, int32_t lastAddress) const = 0;
  // Every address of the grid, blank cells as 0.
  virtual FileSave SaveBinary(const std::string& path, const THexGrid& grid) const = 0;
  // The bytes a HEX file of the grid's image holds; blank cells have none.
  virtual HexBytes HexImage(const THexGrid& grid) const = 0;
};

}  // namespace tarvel

#pragma once

#include <QString>

#include <cstdint>
#include <optional>

#include "ui/components/HexGrid.h"

namespace tarvel {

// Cells as text, the way copy, paste and the search take them: each cell as
// the grid shows it (its digits, or dashes for a blank), separated by spaces.
namespace HexCellText {

// Addresses first..last, with a line break where a grid row ends.
QString Format(const THexGrid& grid, int32_t first, int32_t last);

struct Parsed {
  THexGrid::CellValues values;
  QString problem;  // empty when the whole text was taken
};

// Values of one to `digits` hexadecimal digits, or dashes for a blank,
// separated by white space.
Parsed Parse(const QString& text, int32_t digits);

// Upper-case hexadecimal digits, at least `digits` of them: a cell's value,
// a word or a byte in a message.
QString Hex(uint32_t value, int32_t digits);

// An address as the labels show it: at least `digits` digits and an H.
QString AddressText(int32_t address, int32_t digits);

// Hexadecimal digits with or without the trailing H of the address labels,
// within 0..maxAddress.
std::optional<int32_t> ParseAddress(const QString& text, int32_t maxAddress);

}  // namespace HexCellText

// Where the run of `wanted` values stands first, looking at `from` and on
// (or back) from there, and round past the end; -1 when it stands nowhere.
int32_t FindCells(const THexGrid& grid, const THexGrid::CellValues& wanted, int32_t from, bool forward);

}  // namespace tarvel

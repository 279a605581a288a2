#include "ui/components/HexCellsChange.h"

#include <utility>

namespace tarvel {

HexCellsChange::HexCellsChange(THexGrid& grid, const QString& text, int32_t first, THexGrid::CellValues before,
                               THexGrid::CellValues after, bool applied)
    : QUndoCommand(text),
      grid_(grid),
      first_(first),
      before_(std::move(before)),
      after_(std::move(after)),
      skipRedo_(applied) {}

void HexCellsChange::undo() { Apply(before_); }

void HexCellsChange::redo() {
  if (skipRedo_) {
    skipRedo_ = false;
    return;
  }
  Apply(after_);
}

void HexCellsChange::Apply(const THexGrid::CellValues& values) {
  const auto count = static_cast<int32_t>(values.size());
  for (int32_t i = 0; i < count; ++i) grid_.SetCell(first_ + i, values[static_cast<size_t>(i)]);
  grid_.SelectRange(first_, first_ + count - 1);
}

}  // namespace tarvel

#pragma once

#include <QUndoCommand>

#include <cstdint>
#include <vector>

#include "ui/components/HexGrid.h"

namespace tarvel {

// One change to a run of a grid's cells, as the undo history keeps it: the
// values the cells held before and after. Undoing or redoing it selects the
// run, so the user sees what came back.
class HexCellsChange : public QUndoCommand {
 public:
  // `applied`: the grid holds the new values already (a cell the user has
  // just typed), so the first redo, which the undo stack runs on push, has
  // nothing to do.
  HexCellsChange(THexGrid& grid, const QString& text, int32_t first, THexGrid::CellValues before,
                 THexGrid::CellValues after, bool applied);

  void undo() override;
  void redo() override;

 private:
  void Apply(const THexGrid::CellValues& values);

  THexGrid& grid_;
  int32_t first_;
  THexGrid::CellValues before_;
  THexGrid::CellValues after_;
  bool skipRedo_;
};

}  // namespace tarvel

#pragma once

#include <QCoreApplication>
#include <QObject>
#include <QString>
#include <functional>

#include "ui/components/HexGrid.h"
#include "ui/main/MainMenus.h"

namespace tarvel {

class WindowCommand;
class WindowMessages;

// The editing commands of one grid: find with next and previous, go to an
// address, fill, undo and redo, copy and paste. The grid's menu items run
// them, and so do their keys while the grid has the focus. Each command
// first finishes an entry still open in the grid.
class GridEditCommands : public QObject {
  Q_DECLARE_TR_FUNCTIONS(GridEditCommands)

 public:
  // `status` shows a line in the window's status bar.
  GridEditCommands(THexGrid& grid, WindowMessages& messages, std::function<void(const QString&)> status,
                   QObject* parent);

  // Binds a menu's items to the commands; the grid takes the keys the
  // first items bound show.
  void AddItems(const MainMenus::GridItems& items);

  void FindClick();
  void FindNextClick();
  void FindPreviousClick();
  void GoToClick();
  void FillClick();
  void UndoClick();
  void RedoClick();
  void CopyClick();
  void PasteClick();

 private:
  WindowCommand* MakeCommand(void (GridEditCommands::*handler)());
  // Looks for the values last asked for, from the current cell on (or
  // back), and selects the run found.
  void Search(int32_t from, bool forward);
  QString AddressText(int32_t address) const;

  THexGrid& grid_;
  WindowMessages& messages_;
  std::function<void(const QString&)> status_;
  bool keysTaken_ = false;
  WindowCommand* find_;
  WindowCommand* findNext_;
  WindowCommand* findPrevious_;
  WindowCommand* goTo_;
  WindowCommand* fill_;
  WindowCommand* undo_;
  WindowCommand* redo_;
  WindowCommand* copy_;
  WindowCommand* paste_;
  QString searchText_;
  THexGrid::CellValues searched_;
};

}  // namespace tarvel

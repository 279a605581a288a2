#include "ui/main/GridEditCommands.h"

#include <QAction>
#include <QClipboard>
#include <QDialog>
#include <QGuiApplication>
#include <utility>

#include "ui/components/HexCellText.h"
#include "ui/dialogs/FillDlg.h"
#include "ui/dialogs/FindDlg.h"
#include "ui/dialogs/GoToDlg.h"
#include "ui/main/WindowCommand.h"
#include "ui/main/WindowMessages.h"

namespace tarvel {
namespace {

HexGridShape ShapeOf(const THexGrid& grid) { return {grid.MaxAddress(), grid.AddressDigits(), grid.DataDigit}; }

}  // namespace

GridEditCommands::GridEditCommands(THexGrid& grid, WindowMessages& messages,
                                   std::function<void(const QString&)> status, QObject* parent)
    : QObject(parent),
      grid_(grid),
      messages_(messages),
      status_(std::move(status)),
      find_(MakeCommand(&GridEditCommands::FindClick)),
      findNext_(MakeCommand(&GridEditCommands::FindNextClick)),
      findPrevious_(MakeCommand(&GridEditCommands::FindPreviousClick)),
      goTo_(MakeCommand(&GridEditCommands::GoToClick)),
      fill_(MakeCommand(&GridEditCommands::FillClick)),
      undo_(MakeCommand(&GridEditCommands::UndoClick)),
      redo_(MakeCommand(&GridEditCommands::RedoClick)),
      copy_(MakeCommand(&GridEditCommands::CopyClick)),
      paste_(MakeCommand(&GridEditCommands::PasteClick)) {
  QUndoStack& history = grid_.UndoStack();
  undo_->SetAvailable(history.canUndo());
  redo_->SetAvailable(history.canRedo());
  connect(&history, &QUndoStack::canUndoChanged, undo_, &WindowCommand::SetAvailable);
  connect(&history, &QUndoStack::canRedoChanged, redo_, &WindowCommand::SetAvailable);
}

WindowCommand* GridEditCommands::MakeCommand(void (GridEditCommands::*handler)()) {
  auto* command = new WindowCommand(this, messages_, [this, handler] { (this->*handler)(); });
  command->SetGate([this] { return grid_.SettleCurrentCell(); });
  return command;
}

void GridEditCommands::AddItems(const MainMenus::GridItems& items) {
  const bool takeKeys = !keysTaken_;
  keysTaken_ = true;
  const std::pair<WindowCommand*, QAction*> bindings[] = {
      {find_, items.find}, {findNext_, items.findNext}, {findPrevious_, items.findPrevious},
      {goTo_, items.goTo}, {fill_, items.fill},         {undo_, items.undo},
      {redo_, items.redo}, {copy_, items.copy},         {paste_, items.paste}};
  for (const auto& [command, item] : bindings) {
    command->AddItem(*item);
    if (!takeKeys || item->shortcuts().isEmpty()) continue;
    auto* key = new QAction(&grid_);
    key->setShortcuts(item->shortcuts());
    key->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    grid_.addAction(key);
    command->AddItem(*key);
  }
}

QString GridEditCommands::AddressText(int32_t address) const {
  return HexCellText::AddressText(address, grid_.AddressDigits());
}

void GridEditCommands::FindClick() {
  TFindDlg dialog(messages_, grid_.DataDigit, grid_.window());
  dialog.SetText(searchText_);
  if (messages_.RunModal(dialog) != QDialog::Accepted) return;
  searchText_ = dialog.Text().simplified().toUpper();
  searched_ = dialog.Wanted();
  // The first search takes in the current cell; the next ones move on from it.
  const int32_t current = grid_.CurrentAddress();
  Search(dialog.Forward() ? current : current - 1, dialog.Forward());
}

void GridEditCommands::FindNextClick() {
  if (searched_.empty()) {
    FindClick();
    return;
  }
  Search(grid_.CurrentAddress() + 1, true);
}

void GridEditCommands::FindPreviousClick() {
  if (searched_.empty()) {
    FindClick();
    return;
  }
  Search(grid_.CurrentAddress() - 1, false);
}

void GridEditCommands::Search(int32_t from, bool forward) {
  const int32_t count = grid_.MaxAddress() + 1;
  const int32_t found = FindCells(grid_, searched_, (from % count + count) % count, forward);
  if (found < 0) {
    status_(tr("%1 is not in the image.").arg(searchText_));
    return;
  }
  grid_.SelectRange(found, found + static_cast<int32_t>(searched_.size()) - 1);
  grid_.setFocus();
  status_(tr("%1 found at %2.").arg(searchText_, AddressText(found)));
}

void GridEditCommands::GoToClick() {
  TGoToDlg dialog(messages_, ShapeOf(grid_), grid_.window());
  dialog.SetAddress(grid_.CurrentAddress());
  if (messages_.RunModal(dialog) != QDialog::Accepted) return;
  grid_.SelectRange(dialog.Address(), dialog.Address());
  grid_.setFocus();
}

void GridEditCommands::FillClick() {
  TFillDlg dialog(messages_, ShapeOf(grid_), grid_.window());
  const auto [first, last] = grid_.SelectedRange();
  dialog.SetRange(first, last);
  if (messages_.RunModal(dialog) != QDialog::Accepted) return;
  const THexGrid::CellValues values(static_cast<size_t>(dialog.To() - dialog.From() + 1), dialog.Value());
  grid_.ChangeCells("Fill", dialog.From(), values);
  grid_.setFocus();
}

void GridEditCommands::UndoClick() { grid_.UndoStack().undo(); }

void GridEditCommands::RedoClick() { grid_.UndoStack().redo(); }

void GridEditCommands::CopyClick() {
  const auto [first, last] = grid_.SelectedRange();
  QGuiApplication::clipboard()->setText(HexCellText::Format(grid_, first, last));
  status_(tr("Copied %1 to %2.").arg(AddressText(first), AddressText(last)));
}

void GridEditCommands::PasteClick() {
  const HexCellText::Parsed parsed = HexCellText::Parse(QGuiApplication::clipboard()->text(), grid_.DataDigit);
  if (!parsed.problem.isEmpty()) {
    messages_.Inform(tr("Nothing was pasted: the clipboard does not hold hexadecimal values this grid takes.\n%1")
                         .arg(parsed.problem));
    return;
  }
  const int32_t first = grid_.CurrentAddress();
  const auto count = static_cast<int64_t>(parsed.values.size());
  const int64_t room = int64_t{grid_.MaxAddress()} - first + 1;
  if (count > room) {
    messages_.Inform(tr("Nothing was pasted: the clipboard holds %1 values, but from %2 to the last address %3 "
                        "there is room for %4.")
                         .arg(count)
                         .arg(AddressText(first), AddressText(grid_.MaxAddress()))
                         .arg(room));
    return;
  }
  grid_.ChangeCells("Paste", first, parsed.values);
}

}  // namespace tarvel

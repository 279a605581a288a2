#include "ui/components/HexGrid.h"

#include "ui/components/HexCellDelegate.h"
#include "ui/components/HexCellText.h"
#include "ui/components/HexCellsChange.h"
#include "ui/components/HexGridModel.h"
#include "ui/components/HexGridSelectionModel.h"

#include <QApplication>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QStyle>

#include <algorithm>
#include <limits>
#include <utility>

namespace tarvel {

namespace {

bool IsAllDashes(const QString& text) {
  return !text.isEmpty() &&
         std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c == QLatin1Char('-'); });
}

}  // namespace

THexGrid::THexGrid(QWidget* parent) : QTableView(parent), model_(new HexGridModel(this)) {
  setModel(model_);
  QItemSelectionModel* toolkitSelection = selectionModel();
  setSelectionModel(new HexGridSelectionModel(model_, *this));
  delete toolkitSelection;
  setItemDelegate(new HexCellDelegate(*this));

  setSelectionMode(QAbstractItemView::ContiguousSelection);
  setSelectionBehavior(QAbstractItemView::SelectItems);
  // Typing is the grid's own business (KeyPress); these are the toolkit's other ways in.
  setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked |
                  QAbstractItemView::EditKeyPressed);
  // The toolkit delays the SelectedClicked edit itself, but its pending delay
  // makes every edit() fail, so keys typed right after the click were lost.
  // The grid keeps that delay instead (EditAfterClick), where a key can cancel it.
  clickEditDelay_.setSingleShot(true);
  connect(&clickEditDelay_, &QTimer::timeout, this, &THexGrid::StartEditing);
  setTabKeyNavigation(false);
  setWordWrap(false);
  // A value that does not quite fit is cut at the cell's edge rather than turned into "0…".
  setTextElideMode(Qt::ElideNone);
  setCornerButtonEnabled(false);

  // Fixed sizes: measuring 32768 cells for their contents is what makes a big grid slow.
  for (QHeaderView* header : {horizontalHeader(), verticalHeader()}) {
    header->setSectionResizeMode(QHeaderView::Fixed);
    header->setSectionsClickable(false);
    header->setMinimumSectionSize(1);
  }
  verticalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  ApplyRowHeight();

  SetDataColCount(16);  // with MaxAddress 160
  SetAddressCellWidth(35);
  SetDataCellWidth(25);
  setCurrentIndex(model_->index(0, 0));
  connect(qApp, &QApplication::focusChanged, this, &THexGrid::FocusMoved);
}

THexGrid::~THexGrid() = default;

int32_t THexGrid::MaxAddress() const { return maxAddress_; }

void THexGrid::SetMaxAddress(int32_t address) {
  maxAddress_ = address;
  model_->SetShape(address / DataColCount() + 1, DataColCount());
  WriteAddress();
  ApplyAddressColumnWidth();
}

int32_t THexGrid::AddressCellWidth() const { return addressCellWidth_; }

void THexGrid::SetAddressCellWidth(int32_t width) {
  addressCellWidth_ = width;
  ApplyAddressColumnWidth();
}

int32_t THexGrid::DataCellWidth() const { return dataCellWidth_; }

void THexGrid::SetDataCellWidth(int32_t width) {
  dataCellWidth_ = width;
  for (int column = 0; column < model_->columnCount(); ++column) {
    horizontalHeader()->resizeSection(column, std::max(width, 0));
  }
}

int32_t THexGrid::DataColCount() const { return model_->columnCount(); }

void THexGrid::SetDataColCount(int32_t count) {
  model_->SetShape(model_->rowCount(), std::max(count, 1));
  SetMaxAddress(maxAddress_);
}

int32_t THexGrid::AddressDigits() const { return model_->AddressDigits(); }

void THexGrid::SetAddressDigits(int32_t digits) {
  model_->SetAddressDigits(digits);
  ApplyAddressColumnWidth();
}

QString THexGrid::SavedCellText() const { return savedCellText_; }

void THexGrid::WriteAddress() { model_->RefreshAddressLabels(); }

void THexGrid::WriteData(int32_t address, int32_t value) {
  if (address < 0) return;
  if (address > maxAddress_) {
    const int32_t firstNew = maxAddress_ + 1;
    SetMaxAddress(address);
    // The addresses the grid grew by were never written: they hold no value.
    for (int32_t added = std::max(firstNew, 0); added < address; ++added) ClearData(added);
  }
  const QModelIndex cell = CellIndex(address);
  model_->SetText(cell.row(), cell.column(), ValueText(value));
}

int32_t THexGrid::GetIntData(int32_t address) const {
  if (!InRange(address)) return -1;
  const QModelIndex cell = CellIndex(address);
  return HexToInt(model_->Text(cell.row(), cell.column()));
}

QString THexGrid::GetHexData(int32_t address) const {
  if (!InRange(address)) return QStringLiteral("-1");
  const QModelIndex cell = CellIndex(address);
  const QString& text = model_->Text(cell.row(), cell.column());
  // An unfinished fresh entry reads as the zeros it becomes when the user leaves it.
  return text.isEmpty() ? PaddedText(text) : text;
}

bool THexGrid::IsO(int32_t address) const {
  if (!InRange(address)) return false;
  const QModelIndex cell = CellIndex(address);
  return !model_->Text(cell.row(), cell.column()).startsWith(QLatin1Char('-'));
}

void THexGrid::Clear() { model_->FillAll(BlankText()); }

void THexGrid::ClearData(int32_t address) {
  if (!InRange(address)) return;
  const QModelIndex cell = CellIndex(address);
  model_->SetText(cell.row(), cell.column(), BlankText());
}

THexGrid::CellValue THexGrid::Cell(int32_t address) const {
  if (!InRange(address)) return std::nullopt;
  const QModelIndex cell = CellIndex(address);
  return ValueOf(model_->Text(cell.row(), cell.column()));
}

void THexGrid::SetCell(int32_t address, const CellValue& value) {
  if (!InRange(address)) return;
  if (value) {
    WriteData(address, *value);
  } else {
    ClearData(address);
  }
}

bool THexGrid::ChangeCells(const QString& what, int32_t first, const CellValues& values) {
  const auto count = static_cast<int64_t>(values.size());
  if (count == 0 || !InRange(first) || first + count - 1 > maxAddress_) return false;
  CellValues before;
  before.reserve(values.size());
  for (int32_t i = 0; i < count; ++i) before.push_back(Cell(first + i));
  if (before == values) {
    SelectRange(first, first + static_cast<int32_t>(count) - 1);
    return true;  // nothing to undo
  }
  undoStack_.push(new HexCellsChange(*this, what, first, std::move(before), values, false));
  return true;
}

void THexGrid::ClearUndo() {
  userEdit_.reset();
  undoStack_.clear();
}

void THexGrid::SelectRange(int32_t first, int32_t last) {
  if (!InRange(first)) return;
  last = std::clamp(last, first, maxAddress_);
  const QModelIndex start = CellIndex(first);
  selectionModel()->setCurrentIndex(start, QItemSelectionModel::NoUpdate);
  if (currentIndex() != start) return;  // the cell being left holds an over-long entry
  selectionModel()->select(AddressRun(first, last), QItemSelectionModel::ClearAndSelect);
  scrollTo(CellIndex(last));
  scrollTo(start);
}

std::pair<int32_t, int32_t> THexGrid::SelectedRange() const {
  int32_t first = std::numeric_limits<int32_t>::max();
  int32_t last = -1;
  const int32_t columns = DataColCount();
  for (const QItemSelectionRange& range : selectionModel()->selection()) {
    first = std::min(first, range.top() * columns + range.left());
    last = std::max(last, range.bottom() * columns + range.right());
  }
  if (last < 0) first = last = CurrentAddress();
  last = std::min(last, maxAddress_);
  return {std::min(first, last), last};
}

int32_t THexGrid::CurrentAddress() const {
  const QModelIndex current = currentIndex();
  return current.isValid() ? std::min(AddressOf(current), maxAddress_) : 0;
}

int32_t THexGrid::HexToInt(const QString& text) {
  // Unsigned folding: a text longer than eight digits wraps instead of overflowing.
  uint32_t value = 0;
  for (QChar c : text) value = value * 16 + static_cast<uint32_t>(XtoI(c));
  return static_cast<int32_t>(value);
}

int32_t THexGrid::XtoI(QChar c) {
  const char16_t u = c.unicode();
  if (u >= u'0' && u <= u'9') return u - u'0';
  if (u >= u'a' && u <= u'f') return u - u'a' + 10;
  if (u >= u'A' && u <= u'F') return u - u'A' + 10;
  return 0;
}

bool THexGrid::IsHex(QChar c) {
  const char16_t u = c.unicode();
  return (u >= u'0' && u <= u'9') || (u >= u'a' && u <= u'f') || (u >= u'A' && u <= u'F');
}

void THexGrid::GotoNextCell() {
  EndEditing();
  const QModelIndex next = NextCell();
  if (next.isValid() && MoveTo(next)) StartEditing();
}

bool THexGrid::SettleCurrentCell() {
  clickEditDelay_.stop();
  EndEditing();
  const QModelIndex cell = currentIndex();
  return !cell.isValid() || FinishEntry(cell, RefusedEntry::PutBack);
}

void THexGrid::FocusMoved(QWidget* from, QWidget* to) {
  // Focus that goes to another window (a box, a dialog, another program)
  // comes back to the edit; focus taken by another widget of this window
  // ends it.
  const auto inGrid = [this](QWidget* widget) { return widget == this || isAncestorOf(widget); };
  if (from == nullptr || to == nullptr || !inGrid(from) || inGrid(to) || to->window() != window()) return;
  SettleCurrentCell();
}

int32_t THexGrid::RowCount() const { return model_->rowCount() + 1; }

int32_t THexGrid::ColCount() const { return model_->columnCount() + 1; }

QString THexGrid::Cells(int32_t col, int32_t row) const {
  if (col < 0 || row < 0 || col >= ColCount() || row >= RowCount()) return QString();
  if (row == 0) return col == 0 ? QString() : model_->ColumnHeader(col - 1);
  if (col == 0) return model_->AddressLabel(row - 1);
  return model_->Text(row - 1, col - 1);
}

int32_t THexGrid::Col() const { return currentIndex().column() + 1; }

int32_t THexGrid::Row() const { return currentIndex().row() + 1; }

bool THexGrid::EditorMode() const { return state() == QAbstractItemView::EditingState; }

void THexGrid::SetMessageSink(std::function<void(const QString&)> sink) {
  messageSink_ = std::move(sink);
}

void THexGrid::keyboardSearch(const QString& /*search*/) {}

void THexGrid::keyPressEvent(QKeyEvent* event) {
  // The keyboard takes over from a click: whether the cell is edited is now up to the key.
  clickEditDelay_.stop();
  if (!HandleKey(event)) QTableView::keyPressEvent(event);
}

void THexGrid::mousePressEvent(QMouseEvent* event) {
  // Checked before the toolkit moves the selection, so a refused move leaves
  // the selection where it was (the selection model would only keep the current cell).
  const QModelIndex target = indexAt(event->position().toPoint());
  if (target.isValid() && target != currentIndex() && !MayLeaveCurrentCell(target)) {
    event->accept();
    return;
  }
  QTableView::mousePressEvent(event);
}

QModelIndex THexGrid::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
  // As for the mouse: a refused move must not extend a Shift selection either.
  const QModelIndex current = currentIndex();
  const QModelIndex target = QTableView::moveCursor(action, modifiers);
  if (target.isValid() && target != current && !MayLeaveCurrentCell(target)) return current;
  return target;
}

bool THexGrid::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
  if (trigger == SelectedClicked) return EditAfterClick(index);
  const bool wasEditing = EditorMode();
  if (!QTableView::edit(index, trigger, event)) return false;
  if (!wasEditing && EditorMode()) {
    clickEditDelay_.stop();  // a double click, a key or a command got there first
    savedCellText_ = model_->Text(index.row(), index.column());
    BeginUserEdit(index);
  }
  return true;
}

void THexGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
  clickEditDelay_.stop();  // the click was on a cell that is no longer current
  QTableView::currentChanged(current, previous);
}

void THexGrid::changeEvent(QEvent* event) {
  QTableView::changeEvent(event);
  if (event->type() == QEvent::FontChange) {
    ApplyRowHeight();
    ApplyAddressColumnWidth();
  }
}

QModelIndex THexGrid::CellIndex(int32_t address) const {
  const int32_t columns = DataColCount();
  return model_->index(address / columns, address % columns);
}

int32_t THexGrid::AddressOf(const QModelIndex& cell) const { return cell.row() * DataColCount() + cell.column(); }

THexGrid::CellValue THexGrid::ValueOf(const QString& text) {
  if (text.startsWith(QLatin1Char('-'))) return std::nullopt;
  return HexToInt(text);
}

QItemSelection THexGrid::AddressRun(int32_t first, int32_t last) const {
  const int32_t columns = DataColCount();
  const int firstRow = first / columns;
  const int lastRow = last / columns;
  QItemSelection run;
  if (firstRow == lastRow) {
    run.select(CellIndex(first), CellIndex(last));
    return run;
  }
  run.select(CellIndex(first), model_->index(firstRow, columns - 1));
  if (lastRow - firstRow > 1) run.select(model_->index(firstRow + 1, 0), model_->index(lastRow - 1, columns - 1));
  run.select(model_->index(lastRow, 0), CellIndex(last));
  return run;
}

QItemSelection THexGrid::AsAddressRun(const QItemSelection& selection, const QModelIndex& current) const {
  if (selection.size() != 1 || !current.isValid()) return selection;
  const QItemSelectionRange& block = selection.front();
  const bool atRow = current.row() == block.top() || current.row() == block.bottom();
  const bool atColumn = current.column() == block.left() || current.column() == block.right();
  if (block.top() == block.bottom() || !atRow || !atColumn) return selection;
  const int anchorRow = current.row() == block.top() ? block.bottom() : block.top();
  const int anchorColumn = current.column() == block.left() ? block.right() : block.left();
  const int32_t anchor = AddressOf(model_->index(anchorRow, anchorColumn));
  const int32_t here = AddressOf(current);
  return AddressRun(std::min(anchor, here), std::max(anchor, here));
}

void THexGrid::BeginUserEdit(const QModelIndex& cell) {
  if (userEdit_ && userEdit_->row == cell.row() && userEdit_->column == cell.column()) return;
  EndUserEdit();
  userEdit_ = UserEdit{cell.row(), cell.column(), model_->Text(cell.row(), cell.column())};
}

void THexGrid::EndUserEdit() {
  if (!userEdit_) return;
  const UserEdit edit = *userEdit_;
  userEdit_.reset();
  const int32_t address = AddressOf(model_->index(edit.row, edit.column));
  const CellValue before = ValueOf(edit.before);
  const CellValue after = ValueOf(model_->Text(edit.row, edit.column));
  // Cells past MaxAddress in the last row are never read.
  if (before == after || !InRange(address)) return;
  undoStack_.push(new HexCellsChange(*this, QStringLiteral("Typing"), address, {before}, {after}, true));
}

bool THexGrid::InRange(int32_t address) const { return address >= 0 && address <= maxAddress_; }

QString THexGrid::BlankText() const { return QString(std::max(DataDigit, 0), QLatin1Char('-')); }

QString THexGrid::ValueText(int32_t value) const { return HexCellText::Hex(static_cast<uint32_t>(value), DataDigit); }

QString THexGrid::PaddedText(const QString& text) const {
  // A blank whose dashes were partly erased is still a blank, not "0---".
  if (IsAllDashes(text)) return BlankText();
  return text.rightJustified(DataDigit, QLatin1Char('0'));
}

bool THexGrid::TooLong(const QString& text, int32_t digits) {
  return text.size() > digits && !IsAllDashes(text);
}

bool THexGrid::FinishEntry(const QModelIndex& cell, RefusedEntry refused) {
  const QString text = model_->Text(cell.row(), cell.column());
  if (TooLong(text, DataDigit)) {
    if (refused == RefusedEntry::PutBack) {
      // The text the cell had before the user began, also when an over-long
      // entry was taken up again.
      const bool ownEdit = userEdit_ && userEdit_->row == cell.row() && userEdit_->column == cell.column();
      model_->SetText(cell.row(), cell.column(), ownEdit ? userEdit_->before : savedCellText_);
      if (ownEdit) userEdit_.reset();
    }
    ShowMessage(tr("ビット数が多すぎます"));
    return false;
  }
  model_->SetText(cell.row(), cell.column(), PaddedText(text));
  EndUserEdit();
  return true;
}

bool THexGrid::HandleKey(QKeyEvent* event) {
  if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      EnterKey();
      return true;
    case Qt::Key_Escape:
      // Not editing, Escape belongs to the toolkit (and the window around the grid).
      if (!EditorMode()) return false;
      EscapeKey();
      return true;
    default:
      break;
  }
  const QString text = event->text();
  if (text.size() != 1) return false;
  const QChar c = text.front();
  if (c.category() == QChar::Other_Control) return false;  // Backspace and friends
  if (IsHex(c)) {
    if (EditorMode()) return false;  // the editor's validator turns it to upper case
    HexDigitKey(c);
    return true;
  }
  if (c == QLatin1Char('-')) DashKey();
  return true;  // any other printable character is discarded
}

void THexGrid::EnterKey() {
  const QModelIndex cell = currentIndex();
  if (!cell.isValid()) return;
  if (!EditorMode()) {
    StartEditing();
    model_->SetText(cell.row(), cell.column(), QString());  // a fresh value is typed
    return;
  }
  EndEditing();
  if (FinishEntry(cell, RefusedEntry::Keep)) GotoNextCell();
}

void THexGrid::DashKey() {
  const QModelIndex cell = currentIndex();
  if (!cell.isValid()) return;
  BeginUserEdit(cell);
  EndEditing();
  model_->SetText(cell.row(), cell.column(), BlankText());
  EndUserEdit();
  const QModelIndex next = NextCell();
  if (next.isValid()) MoveTo(next);
}

void THexGrid::HexDigitKey(QChar digit) {
  if (!currentIndex().isValid()) return;
  StartEditing();
  // The editor opens with the whole text selected, so the digit replaces it.
  if (auto* editor = qobject_cast<QLineEdit*>(indexWidget(currentIndex()))) {
    editor->insert(QString(digit.toUpper()));
  }
}

void THexGrid::EscapeKey() {
  const QModelIndex cell = currentIndex();
  EndEditing();
  model_->SetText(cell.row(), cell.column(), savedCellText_);
  if (userEdit_ && userEdit_->before == savedCellText_) userEdit_.reset();
}

bool THexGrid::MayLeaveCurrentCell(const QModelIndex& next) {
  const QModelIndex current = currentIndex();
  if (current.isValid() && current != next && !FinishEntry(current, RefusedEntry::Keep)) return false;
  savedCellText_ = next.isValid() ? model_->Text(next.row(), next.column()) : QString();
  return true;
}

bool THexGrid::EditAfterClick(const QModelIndex& cell) {
  // A press the grid refused leaves the toolkit reporting a click on a cell that is not current.
  if (!editTriggers().testFlag(SelectedClicked) || EditorMode() || cell != currentIndex()) {
    return false;
  }
  clickEditDelay_.start(QApplication::doubleClickInterval());
  return true;
}

bool THexGrid::MoveTo(const QModelIndex& next) {
  selectionModel()->setCurrentIndex(next, QItemSelectionModel::ClearAndSelect);
  return currentIndex() == next;
}

QModelIndex THexGrid::NextCell() const {
  const QModelIndex current = currentIndex();
  if (!current.isValid()) return QModelIndex();
  if (current.column() + 1 < model_->columnCount()) return current.siblingAtColumn(current.column() + 1);
  return model_->index(current.row() + 1, 0);  // invalid past the last row: no next cell
}

void THexGrid::StartEditing() {
  const QModelIndex cell = currentIndex();
  if (cell.isValid() && !EditorMode()) edit(cell);
}

void THexGrid::EndEditing() {
  if (!EditorMode()) return;
  if (QWidget* editor = indexWidget(currentIndex())) {
    commitData(editor);
    closeEditor(editor, QAbstractItemDelegate::NoHint);
  }
}

void THexGrid::ShowMessage(const QString& text) {
  if (messageSink_) {
    messageSink_(text);
    return;
  }
  QMessageBox box(QMessageBox::NoIcon, QGuiApplication::applicationDisplayName(), text,
                  QMessageBox::Ok, this);
  box.exec();
}

void THexGrid::ApplyAddressColumnWidth() {
  // The widths are pixel figures for a narrow font; a wider one must not cut
  // the labels off, so the column grows to its longest label when it has to.
  const QFontMetrics metrics = verticalHeader()->fontMetrics();
  const int margins = 2 * verticalHeader()->style()->pixelMetric(QStyle::PM_HeaderMargin) + 2;
  const int lastRow = model_->rowCount() - 1;
  const int needed = metrics.horizontalAdvance(model_->AddressLabel(lastRow)) + margins;
  verticalHeader()->setFixedWidth(std::max({addressCellWidth_, needed, 0}));
}

void THexGrid::ApplyRowHeight() {
  const int height = fontMetrics().height() + 6;
  verticalHeader()->setDefaultSectionSize(height);
  horizontalHeader()->setFixedHeight(height);
}

}  // namespace tarvel

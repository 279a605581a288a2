#pragma once

#include <QItemSelection>
#include <QString>
#include <QTableView>
#include <QTimer>
#include <QUndoStack>

#include <cstdint>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

namespace tarvel {

class HexGridModel;

// A memory image as hexadecimal text: one cell per address, filled row by
// row, under a header row ("+0" ...) and beside an address column ("0000H" ...).
// The grid is the only store of the image on the user's side; callers move
// values in and out with WriteData, GetIntData and IsO.
//
// In string-grid terms the grid has DataColCount + 1 columns and
// MaxAddress / DataColCount + 2 rows: column 0 holds the address labels and
// row 0 the header. Address a lives in column a % DataColCount + 1, row
// a / DataColCount + 1. The last row may have cells past MaxAddress; they are
// shown but never read.
//
// A cell holds a value (upper-case hex, at least DataDigit digits), a blank
// (DataDigit dashes: the address has no value) or, while the user edits, any
// string of upper-case hex digits. An empty cell counts as the value 0, which
// is what it becomes when the user leaves it.
//
// Embed it like any QWidget. The window sets its layout (column count first,
// then the widths), then Clear()s and fills it.
//
// What the user changes (a typed cell, a blank, ChangeCells) goes into the
// grid's undo history; what callers write with WriteData, SetCell or Clear
// does not. A selection runs from address to address, row by row, as in a
// hex editor, not as a block of columns.
class THexGrid : public QTableView {
  Q_OBJECT

 public:
  // A cell's value, or nothing for a blank.
  using CellValue = std::optional<int32_t>;
  using CellValues = std::vector<CellValue>;

  explicit THexGrid(QWidget* parent = nullptr);
  ~THexGrid() override;

  using QAbstractItemView::edit;  // the public edit(index) next to the override below

  // Hex digits of one value: 4 for program words, 2 for bytes. Written
  // directly, without side effects; cells already written keep their text.
  int32_t DataDigit = 4;

  int32_t MaxAddress() const;
  // Sets the row count to hold addresses 0..address and rewrites the labels.
  // Existing cell texts stay where they are: callers clear and refill.
  void SetMaxAddress(int32_t address);

  int32_t AddressCellWidth() const;
  // The address column is this wide, or as wide as its longest label needs
  // in the grid's font when that is more.
  void SetAddressCellWidth(int32_t width);

  int32_t DataCellWidth() const;
  // Applies to the data columns that exist now; columns added later by
  // SetDataColCount keep Qt's default width, so set the column count first.
  void SetDataCellWidth(int32_t width);

  int32_t DataColCount() const;
  // Sets the columns and the header, then reapplies SetMaxAddress(MaxAddress()).
  void SetDataColCount(int32_t count);

  int32_t AddressDigits() const;
  void SetAddressDigits(int32_t digits);

  // The text Escape puts back: the cell's text from before its edit began.
  QString SavedCellText() const;

  // Rewrites the address label of every data row.
  void WriteAddress();
  // Grows the grid first when the address is beyond MaxAddress.
  void WriteData(int32_t address, int32_t value);
  // -1 beyond MaxAddress; a blank or empty cell gives 0.
  int32_t GetIntData(int32_t address) const;
  // The cell text, or "-1" beyond MaxAddress.
  QString GetHexData(int32_t address) const;
  // Whether the address holds a value (false for a blank, and beyond MaxAddress).
  bool IsO(int32_t address) const;
  // Blanks every data cell, including those past MaxAddress in the last row.
  void Clear();
  // Blanks one address; nothing beyond MaxAddress.
  void ClearData(int32_t address);

  // Nothing for a blank, and beyond MaxAddress.
  CellValue Cell(int32_t address) const;
  // Every address 0..MaxAddress as Cell gives it, each value cast to `Value`.
  template <class Value>
  std::vector<std::optional<Value>> Values() const {
    std::vector<std::optional<Value>> values(static_cast<size_t>(maxAddress_) + 1);
    for (int32_t address = 0; address <= maxAddress_; ++address) {
      if (const CellValue cell = Cell(address)) values[static_cast<size_t>(address)] = static_cast<Value>(*cell);
    }
    return values;
  }
  // A value or a blank, outside the undo history; nothing beyond MaxAddress.
  void SetCell(int32_t address, const CellValue& value);
  // Gives the run of cells from `first` these values, as one step of the
  // undo history named `what`, and selects the run. False, with nothing
  // changed, when the run does not lie within 0..MaxAddress.
  bool ChangeCells(const QString& what, int32_t first, const CellValues& values);

  QUndoStack& UndoStack() { return undoStack_; }
  // A new image replaces the grid's: its history, and an entry still open,
  // go with the old one.
  void ClearUndo();

  // Makes `first` the current cell, selects the addresses up to `last` and
  // scrolls them into view.
  void SelectRange(int32_t first, int32_t last);
  // The first and last selected address within MaxAddress; the current
  // cell's address when nothing is selected.
  std::pair<int32_t, int32_t> SelectedRange() const;
  int32_t CurrentAddress() const;

  static int32_t HexToInt(const QString& text);
  // A value typed with more than `digits` digits: no cell takes it. Dashes
  // alone are a blank, however many.
  static bool TooLong(const QString& text, int32_t digits);
  static int32_t XtoI(QChar c);
  static bool IsHex(QChar c);

  // Ends editing, moves one data cell on (wrapping to the next row), and
  // starts editing there. From the very last cell it stays put, not editing.
  void GotoNextCell();

  // Finishes the current cell's entry as leaving the grid does: a text too
  // long for DataDigit is told ("ビット数が多すぎます") and the cell goes back
  // to its text from before the edit (false); any other text is padded
  // (true). Focus that moves to another widget of the window does this too,
  // so a cell never keeps a text that stands for another number.
  bool SettleCurrentCell();

  // String-grid view of the widget, counting the header row and the address
  // column: what the user sees, for callers and tests.
  int32_t RowCount() const;
  int32_t ColCount() const;
  QString Cells(int32_t col, int32_t row) const;
  int32_t Col() const;  // current cell
  int32_t Row() const;
  bool EditorMode() const;

  // Where the grid's own message ("ビット数が多すぎます") goes. The window
  // passes a function that shows a simple box (application title, OK, no
  // icon) through its injectable message interface; tests pass a recorder.
  // Unset, the grid shows a QMessageBox itself.
  void SetMessageSink(std::function<void(const QString&)> sink);

  // Typed characters are editing keys here, never a search that jumps to
  // another cell (the toolkit would search on text that reaches the view
  // through an input method).
  void keyboardSearch(const QString& search) override;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
  bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
  void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
  void changeEvent(QEvent* event) override;

 private:
  friend class HexGridSelectionModel;
  friend class HexCellDelegate;

  // The cell the user is changing, and its text before the change began.
  struct UserEdit {
    int row;
    int column;
    QString before;
  };

  QModelIndex CellIndex(int32_t address) const;
  int32_t AddressOf(const QModelIndex& cell) const;
  static CellValue ValueOf(const QString& text);
  QItemSelection AddressRun(int32_t first, int32_t last) const;
  // A block from an anchor corner to the current cell, as the toolkit
  // selects with the mouse and Shift, becomes the addresses between the two.
  QItemSelection AsAddressRun(const QItemSelection& selection, const QModelIndex& current) const;
  void BeginUserEdit(const QModelIndex& cell);
  // The change of the cell the user edited joins the undo history, when
  // there is one.
  void EndUserEdit();
  bool InRange(int32_t address) const;
  QString BlankText() const;
  QString ValueText(int32_t value) const;
  QString PaddedText(const QString& text) const;
  void FocusMoved(QWidget* from, QWidget* to);

  // The editing keys, for the grid and for its cell editor alike; true when
  // the key was taken.
  bool HandleKey(QKeyEvent* event);
  void EnterKey();
  void DashKey();
  void HexDigitKey(QChar digit);
  void EscapeKey();

  // What becomes of an over-long entry that is refused: it stays for the
  // user to mend, or the cell gets back its text from before the edit.
  enum class RefusedEntry { Keep, PutBack };
  // Ends the entry in `cell`: pads its text and lets the change join the undo
  // history, or refuses an over-long text with the message (false).
  bool FinishEntry(const QModelIndex& cell, RefusedEntry refused);
  // The rule for leaving the current cell for `next`: refuses over-long text
  // with the message, otherwise pads it and takes SavedCellText from `next`.
  bool MayLeaveCurrentCell(const QModelIndex& next);
  // A click on the current cell opens its editor only once no double click
  // can follow; false when the click cannot open one.
  bool EditAfterClick(const QModelIndex& cell);
  bool MoveTo(const QModelIndex& next);
  QModelIndex NextCell() const;
  void StartEditing();
  void EndEditing();
  void ShowMessage(const QString& text);
  void ApplyRowHeight();
  void ApplyAddressColumnWidth();

  HexGridModel* model_;
  int32_t maxAddress_ = 160;
  int32_t addressCellWidth_ = 0;
  int32_t dataCellWidth_ = 0;
  QString savedCellText_;
  // Runs between a click on the current cell and its editor opening.
  QTimer clickEditDelay_;
  std::function<void(const QString&)> messageSink_;
  QUndoStack undoStack_;
  std::optional<UserEdit> userEdit_;
};

}  // namespace tarvel

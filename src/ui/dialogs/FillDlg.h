#pragma once

#include <QDialog>

#include <cstdint>
#include <optional>

#include "platform/UserMessages.h"
#include "ui/dialogs/HexEntry.h"

class QLineEdit;

namespace tarvel {

// Asks for a run of addresses and the value its cells get: one to
// dataDigits hexadecimal digits, or - for blank cells. OK takes only a run
// within the grid and a value a cell can hold, as a typed cell would.
class TFillDlg : public QDialog {
  Q_OBJECT

 public:
  TFillDlg(UserMessages& messages, const HexGridShape& shape, QWidget* parent = nullptr);

  // The run offered when the dialog opens: the grid's selection.
  void SetRange(int32_t first, int32_t last);

  // Valid once the dialog has closed with OK.
  int32_t From() const { return from_; }
  int32_t To() const { return to_; }
  std::optional<int32_t> Value() const { return value_; }

  void accept() override;

 private:
  bool TakeValue();

  UserMessages& messages_;
  const HexGridShape shape_;
  QLineEdit* fromEdit_;
  QLineEdit* toEdit_;
  QLineEdit* valueEdit_;
  int32_t from_ = 0;
  int32_t to_ = 0;
  std::optional<int32_t> value_;
};

}  // namespace tarvel

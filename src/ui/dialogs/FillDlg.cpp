#include "ui/dialogs/FillDlg.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>

#include "ui/components/HexCellText.h"
#include "ui/components/HexGrid.h"
#include "ui/components/HexTextValidator.h"
#include "ui/dialogs/DialogLook.h"

namespace tarvel {

TFillDlg::TFillDlg(UserMessages& messages, const HexGridShape& shape, QWidget* parent)
    : QDialog(parent), messages_(messages), shape_(shape) {
  setWindowTitle(tr("Fill"));
  auto* form = new QFormLayout;
  fromEdit_ = AddHexField(*form, "EdtFrom", tr("From address:"));
  toEdit_ = AddHexField(*form, "EdtTo", tr("To address:"));
  valueEdit_ = AddHexField(*form, "EdtValue", tr("Value (- for blank cells):"));
  valueEdit_->setValidator(new HexTextValidator(valueEdit_));

  LayOutHexEntry(*this, form, OkCancelRow(*this, true), valueEdit_);
}

void TFillDlg::SetRange(int32_t first, int32_t last) {
  fromEdit_->setText(HexCellText::AddressText(first, shape_.addressDigits));
  toEdit_->setText(HexCellText::AddressText(last, shape_.addressDigits));
}

void TFillDlg::accept() {
  const std::optional<int32_t> from =
      AddressIn(*fromEdit_, tr("Enter the first address as hexadecimal digits from %1 to %2."), shape_, messages_);
  if (!from) return;
  const std::optional<int32_t> to =
      AddressIn(*toEdit_, tr("Enter the last address as hexadecimal digits from %1 to %2."), shape_, messages_);
  if (!to) return;
  if (*from > *to) {
    messages_.Show(tr("The first address lies after the last one.").toStdString());
    fromEdit_->setFocus();
    return;
  }
  if (!TakeValue()) return;
  from_ = *from;
  to_ = *to;
  QDialog::accept();
}

bool TFillDlg::TakeValue() {
  const QString text = valueEdit_->text();
  const HexCellText::Parsed parsed = HexCellText::Parse(text, shape_.dataDigits);
  if (parsed.values.size() == 1) {
    value_ = parsed.values.front();
    return true;
  }
  // The same refusal as for a cell typed too long.
  const QString problem =
      THexGrid::TooLong(text, shape_.dataDigits)
          ? tr("ビット数が多すぎます")
          : tr("Enter the value as one to %1 hexadecimal digits, or - to blank the cells.").arg(shape_.dataDigits);
  messages_.Show(problem.toStdString());
  valueEdit_->setFocus();
  valueEdit_->selectAll();
  return false;
}

}  // namespace tarvel

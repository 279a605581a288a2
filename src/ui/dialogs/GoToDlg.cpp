#include "ui/dialogs/GoToDlg.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>

#include "ui/components/HexCellText.h"
#include "ui/dialogs/DialogLook.h"

namespace tarvel {

TGoToDlg::TGoToDlg(UserMessages& messages, const HexGridShape& shape, QWidget* parent)
    : QDialog(parent), messages_(messages), shape_(shape) {
  setWindowTitle(tr("Go To Address"));
  auto* form = new QFormLayout;
  addressEdit_ = AddHexField(*form, "EdtAddress", tr("Address:"));
  LayOutHexEntry(*this, form, OkCancelRow(*this, true), addressEdit_);
}

void TGoToDlg::SetAddress(int32_t address) {
  addressEdit_->setText(HexCellText::AddressText(address, shape_.addressDigits));
  addressEdit_->selectAll();
}

void TGoToDlg::accept() {
  const std::optional<int32_t> address =
      AddressIn(*addressEdit_, tr("Enter the address as hexadecimal digits from %1 to %2."), shape_, messages_);
  if (!address) return;
  address_ = *address;
  QDialog::accept();
}

}  // namespace tarvel

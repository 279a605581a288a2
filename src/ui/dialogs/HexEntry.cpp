#include "ui/dialogs/HexEntry.h"

#include <QDialog>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "ui/components/HexCellText.h"
#include "ui/dialogs/DialogLook.h"

namespace tarvel {

QLineEdit* AddHexField(QFormLayout& form, const char* name, const QString& label) {
  auto* field = new QLineEdit(form.parentWidget());
  field->setObjectName(name);
  form.addRow(label, field);
  return field;
}

void LayOutHexEntry(QDialog& dialog, QFormLayout* form, QLayout* buttons, QWidget* focus) {
  auto* layout = new QVBoxLayout(&dialog);
  layout->addLayout(form);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  OpenWithFocusOn(dialog, focus);
}

std::optional<int32_t> AddressIn(QLineEdit& field, const QString& request, const HexGridShape& shape,
                                 UserMessages& messages) {
  const std::optional<int32_t> address = HexCellText::ParseAddress(field.text(), shape.maxAddress);
  if (!address) {
    messages.Show(request
                      .arg(HexCellText::AddressText(0, shape.addressDigits),
                           HexCellText::AddressText(shape.maxAddress, shape.addressDigits))
                      .toStdString());
    field.setFocus();
    field.selectAll();
  }
  return address;
}

}  // namespace tarvel

#include "ui/dialogs/RadioGroup.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tarvel {

RadioGroup::RadioGroup(const QString& caption, const QStringList& items, QWidget* parent)
    : QGroupBox(caption, parent), buttons_(new QButtonGroup(this)), layout_(new QVBoxLayout(this)) {
  layout_->setSpacing(2);
  connect(buttons_, &QButtonGroup::idClicked, this, &RadioGroup::ItemClicked);
  SetItems(items);
}

void RadioGroup::SetItems(const QStringList& items) {
  for (QAbstractButton* button : buttons_->buttons()) {
    buttons_->removeButton(button);
    delete button;
  }
  for (int index = 0; index < items.size(); ++index) {
    auto* button = new QRadioButton(items[index], this);
    buttons_->addButton(button, index);
    layout_->addWidget(button);
  }
}

void RadioGroup::RenameItems(const QStringList& items) {
  for (int index = 0; index < items.size() && index < Count(); ++index) Item(index)->setText(items[index]);
}

QStringList RadioGroup::Items() const {
  QStringList items;
  for (int index = 0; index < Count(); ++index) items << Item(index)->text();
  return items;
}

int RadioGroup::Count() const { return static_cast<int>(buttons_->buttons().size()); }

QRadioButton* RadioGroup::Item(int index) const {
  return static_cast<QRadioButton*>(buttons_->button(index));
}

int RadioGroup::ItemIndex() const { return buttons_->checkedId(); }

void RadioGroup::SetItemIndex(int index) {
  if (QAbstractButton* button = buttons_->button(index)) {
    button->setChecked(true);
    return;
  }
  // An exclusive group refuses to uncheck its last checked button.
  buttons_->setExclusive(false);
  if (QAbstractButton* checked = buttons_->checkedButton()) checked->setChecked(false);
  buttons_->setExclusive(true);
}

}  // namespace tarvel

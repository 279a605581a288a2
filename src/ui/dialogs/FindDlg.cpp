#include "ui/dialogs/FindDlg.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

#include "ui/components/HexCellText.h"
#include "ui/dialogs/HexEntry.h"

namespace tarvel {
namespace {

QPushButton* Button(QDialog& dialog, const char* name, const QString& caption) {
  auto* button = new QPushButton(caption, &dialog);
  button->setObjectName(name);
  button->setAutoDefault(false);
  return button;
}

}  // namespace

TFindDlg::TFindDlg(UserMessages& messages, int32_t dataDigits, QWidget* parent)
    : QDialog(parent), messages_(messages), dataDigits_(dataDigits) {
  setWindowTitle(tr("Find"));
  auto* form = new QFormLayout;
  valuesEdit_ = AddHexField(*form, "EdtValues",
                            dataDigits > 2 ? tr("Values (hexadecimal words, - for a blank):")
                                           : tr("Values (hexadecimal bytes, - for a blank):"));
  valuesEdit_->setMinimumWidth(valuesEdit_->fontMetrics().horizontalAdvance(QString(40, '0')));

  QPushButton* next = Button(*this, "BtnFindNext", tr("Find Next"));
  next->setDefault(true);
  QPushButton* previous = Button(*this, "BtnFindPrevious", tr("Find Previous"));
  QPushButton* cancel = Button(*this, "BtnCancel", tr("Cancel"));
  connect(next, &QPushButton::clicked, this, [this] { Search(true); });
  connect(previous, &QPushButton::clicked, this, [this] { Search(false); });
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(next);
  buttons->addWidget(previous);
  buttons->addWidget(cancel);

  LayOutHexEntry(*this, form, buttons, valuesEdit_);
}

void TFindDlg::SetText(const QString& text) {
  valuesEdit_->setText(text);
  valuesEdit_->selectAll();
}

QString TFindDlg::Text() const { return valuesEdit_->text(); }

void TFindDlg::Search(bool forward) {
  HexCellText::Parsed parsed = HexCellText::Parse(valuesEdit_->text(), dataDigits_);
  if (!parsed.problem.isEmpty()) {
    messages_.Show(parsed.problem.toStdString());
    valuesEdit_->setFocus();
    return;
  }
  wanted_ = std::move(parsed.values);
  forward_ = forward;
  accept();
}

}  // namespace tarvel

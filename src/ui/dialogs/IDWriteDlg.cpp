#include "ui/dialogs/IDWriteDlg.h"

#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "ui/dialogs/DialogLook.h"

namespace tarvel {

TIDWriteDlg::TIDWriteDlg(QWidget* parent) : QDialog(parent) {
  group_ = new QGroupBox(this);
  group_->setObjectName("GBID");
  idEdit_ = new QLineEdit(group_);
  idEdit_->setObjectName("EdtID");
  idEdit_->setMaxLength(7);
  auto* groupBox = new QVBoxLayout(group_);
  groupBox->addWidget(idEdit_);

  QHBoxLayout* buttons = OkCancelRow(*this, false);

  auto* form = new QVBoxLayout(this);
  form->addWidget(group_);
  form->addLayout(buttons);
  form->setSizeConstraint(QLayout::SetFixedSize);
  OpenWithFocusOn(*this, idEdit_);
  Retranslate();
}

void TIDWriteDlg::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) Retranslate();
  QDialog::changeEvent(event);
}

void TIDWriteDlg::Retranslate() {
  setWindowTitle(tr("IDの書き込み"));
  group_->setTitle(tr("ID (Max 7 chars)"));
  WordOkCancel(*this);
}

QString TIDWriteDlg::IDText() const { return idEdit_->text(); }
void TIDWriteDlg::SetIDText(const QString& text) { idEdit_->setText(text); }

}  // namespace tarvel

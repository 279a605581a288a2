#include "ui/dialogs/IDWriteDlg.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "ui/dialogs/DialogLook.h"

namespace tarvel {

TIDWriteDlg::TIDWriteDlg(QWidget* parent) : QDialog(parent) {
  setWindowTitle("IDの書き込み");

  auto* group = new QGroupBox("ID (Max 7 chars)", this);
  group->setObjectName("GBID");
  idEdit_ = new QLineEdit(group);
  idEdit_->setObjectName("EdtID");
  idEdit_->setMaxLength(7);
  auto* groupBox = new QVBoxLayout(group);
  groupBox->addWidget(idEdit_);

  QHBoxLayout* buttons = OkCancelRow(*this, false);

  auto* form = new QVBoxLayout(this);
  form->addWidget(group);
  form->addLayout(buttons);
  form->setSizeConstraint(QLayout::SetFixedSize);
  OpenWithFocusOn(*this, idEdit_);
}

QString TIDWriteDlg::IDText() const { return idEdit_->text(); }
void TIDWriteDlg::SetIDText(const QString& text) { idEdit_->setText(text); }

}  // namespace tarvel

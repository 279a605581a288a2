#include "ui/dialogs/IDWriteDlg.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

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

  auto* ok = new QPushButton("OK", this);
  ok->setObjectName("BitBtn1");
  ok->setDefault(true);
  auto* cancel = new QPushButton("Cancel", this);
  cancel->setObjectName("BtnCancel");
  cancel->setAutoDefault(false);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(ok);
  buttons->addWidget(cancel);

  auto* form = new QVBoxLayout(this);
  form->addWidget(group);
  form->addLayout(buttons);
  form->setSizeConstraint(QLayout::SetFixedSize);

  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

QString TIDWriteDlg::IDText() const { return idEdit_->text(); }

}  // namespace tarvel

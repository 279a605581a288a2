#include "ui/dialogs/FileSetDlg.h"

#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/dialogs/DialogLook.h"
#include "ui/dialogs/RadioGroup.h"

namespace tarvel {

TFileSetDlg::TFileSetDlg(QWidget* parent) : QDialog(parent) {
  objectFiles_ = new QGroupBox(this);
  objectFiles_->setObjectName("GBObjFile");
  folderLabel_ = new QLabel(objectFiles_);
  folderLabel_->setObjectName("lFolder");
  objPath_ = new QLineEdit(objectFiles_);
  objPath_->setObjectName("EdtObjPath");
  objPath_->setMinimumWidth(240);
  folderLabel_->setBuddy(objPath_);
  // The folder is typed in; "Ref..." is shown but has no action.
  browse_ = new QPushButton(objectFiles_);
  browse_->setObjectName("BtnObjFolder");
  browse_->setEnabled(false);
  browse_->setAutoDefault(false);
  auto* folderRow = new QHBoxLayout;
  folderRow->addWidget(folderLabel_);
  folderRow->addWidget(objPath_, 1);
  folderRow->addWidget(browse_);

  hexType_ = new RadioGroup(QString(), {"*.*", "*.OBJ ,  *.HEX", "*.OBJ", "*.HEX"}, objectFiles_);
  hexType_->setObjectName("RGHexType");
  binType_ = new RadioGroup(QString(), {"*.*", "*.OBJ ,  *.BIN", "*.OBJ", "*.BIN"}, objectFiles_);
  binType_->setObjectName("RGBinType");
  auto* typeRow = new QHBoxLayout;
  typeRow->addWidget(hexType_);
  typeRow->addWidget(binType_);

  auto* objectColumn = new QVBoxLayout(objectFiles_);
  objectColumn->addLayout(folderRow);
  objectColumn->addLayout(typeRow);

  programHex_ = new QGroupBox(this);
  programHex_->setObjectName("GBChipData");
  chipDataTake_ = new RadioGroup(QString(), {QString(), QString(), QString()}, programHex_);
  chipDataTake_->setObjectName("RGChipDataTake");
  chipDataSave_ = new QCheckBox(programHex_);
  chipDataSave_->setObjectName("CBChipDataSave");
  auto* programHexColumn = new QVBoxLayout(programHex_);
  programHexColumn->addWidget(chipDataTake_);
  programHexColumn->addWidget(chipDataSave_);

  QHBoxLayout* buttons = OkCancelRow(*this, true);

  auto* form = new QVBoxLayout(this);
  form->addWidget(objectFiles_);
  form->addWidget(programHex_);
  form->addLayout(buttons);
  form->setSizeConstraint(QLayout::SetFixedSize);
  OpenWithFocusOn(*this);
  Retranslate();
}

void TFileSetDlg::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) Retranslate();
  QDialog::changeEvent(event);
}

void TFileSetDlg::Retranslate() {
  setWindowTitle(tr("File setup"));
  objectFiles_->setTitle(tr("Object files"));
  folderLabel_->setText(tr("Folder"));
  browse_->setText(tr("Ref..."));
  hexType_->setTitle(tr("HEX file ext."));
  binType_->setTitle(tr("Binary file ext."));
  programHex_->setTitle(tr("Configuration, ID and EEPROM data in program HEX files"));
  chipDataTake_->setTitle(tr("When a file is opened"));
  chipDataTake_->RenameItems({tr("Ask"), tr("Always take"), tr("Never take")});
  chipDataSave_->setText(tr("Save them with the program"));
  WordOkCancel(*this);
}

void TFileSetDlg::SetObjPath(const QString& path) { objPath_->setText(path); }
void TFileSetDlg::SetHexType(int type) { hexType_->SetItemIndex(type); }
void TFileSetDlg::SetBinType(int type) { binType_->SetItemIndex(type); }
void TFileSetDlg::SetChipDataTake(int take) { chipDataTake_->SetItemIndex(take); }
void TFileSetDlg::SetChipDataSave(bool save) { chipDataSave_->setChecked(save); }

QString TFileSetDlg::ObjPath() const { return objPath_->text(); }
int8_t TFileSetDlg::HexType() const { return static_cast<int8_t>(hexType_->ItemIndex()); }
int8_t TFileSetDlg::BinType() const { return static_cast<int8_t>(binType_->ItemIndex()); }
int TFileSetDlg::ChipDataTake() const { return chipDataTake_->ItemIndex(); }
bool TFileSetDlg::ChipDataSave() const { return chipDataSave_->isChecked(); }

}  // namespace tarvel

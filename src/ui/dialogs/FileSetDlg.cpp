#include "ui/dialogs/FileSetDlg.h"

#include <QCheckBox>
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
  setWindowTitle("File setup");

  auto* objectFiles = new QGroupBox("Object files", this);
  objectFiles->setObjectName("GBObjFile");
  auto* folderLabel = new QLabel("Folder", objectFiles);
  folderLabel->setObjectName("lFolder");
  objPath_ = new QLineEdit(objectFiles);
  objPath_->setObjectName("EdtObjPath");
  objPath_->setMinimumWidth(240);
  folderLabel->setBuddy(objPath_);
  // The folder is typed in; "Ref..." is shown but has no action.
  auto* browse = new QPushButton("Ref...", objectFiles);
  browse->setObjectName("BtnObjFolder");
  browse->setEnabled(false);
  browse->setAutoDefault(false);
  auto* folderRow = new QHBoxLayout;
  folderRow->addWidget(folderLabel);
  folderRow->addWidget(objPath_, 1);
  folderRow->addWidget(browse);

  hexType_ = new RadioGroup("HEX file ext.", {"*.*", "*.OBJ ,  *.HEX", "*.OBJ", "*.HEX"}, objectFiles);
  hexType_->setObjectName("RGHexType");
  binType_ = new RadioGroup("Binary file ext.", {"*.*", "*.OBJ ,  *.BIN", "*.OBJ", "*.BIN"}, objectFiles);
  binType_->setObjectName("RGBinType");
  auto* typeRow = new QHBoxLayout;
  typeRow->addWidget(hexType_);
  typeRow->addWidget(binType_);

  auto* objectColumn = new QVBoxLayout(objectFiles);
  objectColumn->addLayout(folderRow);
  objectColumn->addLayout(typeRow);

  auto* programHex = new QGroupBox("Configuration, ID and EEPROM data in program HEX files", this);
  programHex->setObjectName("GBChipData");
  chipDataTake_ = new RadioGroup("When a file is opened", {"Ask", "Always take", "Never take"}, programHex);
  chipDataTake_->setObjectName("RGChipDataTake");
  chipDataSave_ = new QCheckBox("Save them with the program", programHex);
  chipDataSave_->setObjectName("CBChipDataSave");
  auto* programHexColumn = new QVBoxLayout(programHex);
  programHexColumn->addWidget(chipDataTake_);
  programHexColumn->addWidget(chipDataSave_);

  QHBoxLayout* buttons = OkCancelRow(*this, true);

  auto* form = new QVBoxLayout(this);
  form->addWidget(objectFiles);
  form->addWidget(programHex);
  form->addLayout(buttons);
  form->setSizeConstraint(QLayout::SetFixedSize);
  OpenWithFocusOn(*this);
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

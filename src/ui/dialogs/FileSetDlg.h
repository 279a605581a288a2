#pragma once

#include <QDialog>
#include <cstdint>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tarvel {

class RadioGroup;

// The folder the object file dialogs open in, which filter the HEX and
// binary file dialogs offer first, and what becomes of the configuration,
// ID and EEPROM data of program HEX files. The window hands the values in
// before showing it and reads them back only after OK.
class TFileSetDlg : public QDialog {
  Q_OBJECT

 public:
  explicit TFileSetDlg(QWidget* parent = nullptr);

  void SetObjPath(const QString& path);
  void SetHexType(int type);  // 0 to 3; any other value selects no item
  void SetBinType(int type);
  // 0 ask, 1 always take, 2 never take.
  void SetChipDataTake(int take);
  void SetChipDataSave(bool save);

  QString ObjPath() const;
  int8_t HexType() const;  // -1 with no item selected
  int8_t BinType() const;
  int ChipDataTake() const;
  bool ChipDataSave() const;

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void Retranslate();

  QGroupBox* objectFiles_;
  QLabel* folderLabel_;
  QPushButton* browse_;
  QGroupBox* programHex_;
  QLineEdit* objPath_;
  RadioGroup* hexType_;
  RadioGroup* binType_;
  RadioGroup* chipDataTake_;
  QCheckBox* chipDataSave_;
};

}  // namespace tarvel

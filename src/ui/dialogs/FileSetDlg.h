#pragma once

#include <QDialog>
#include <cstdint>

class QLineEdit;

namespace tarvel {

class RadioGroup;

// The folder the object file dialogs open in and which filter the HEX and
// binary file dialogs offer first. The window hands the values in before
// showing it and reads them back only after OK.
class TFileSetDlg : public QDialog {
  Q_OBJECT

 public:
  explicit TFileSetDlg(QWidget* parent = nullptr);

  void SetObjPath(const QString& path);
  void SetHexType(int type);  // 0 to 3; any other value selects no item
  void SetBinType(int type);

  QString ObjPath() const;
  int8_t HexType() const;  // -1 with no item selected
  int8_t BinType() const;

 private:
  QLineEdit* objPath_;
  RadioGroup* hexType_;
  RadioGroup* binType_;
};

}  // namespace tarvel

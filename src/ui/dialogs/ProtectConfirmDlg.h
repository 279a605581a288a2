#pragma once

#include <QDialog>
#include <QStringList>
#include <cstdint>
#include <vector>

#include "engine/pic/CodeProtectRanges.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QStackedWidget;

namespace tarvel {

class RadioGroup;

// The last question before code protection makes a chip unreadable. It
// offers the device's program memory ranges and, where the chip has it, data
// memory protection; a device without code protection gets a page that says
// so. Only Yes (the dialog accepted) goes on; Enter and Esc answer No.
class TProtectConfirmDlg : public QDialog {
  Q_OBJECT

 public:
  explicit TProtectConfirmDlg(QWidget* parent = nullptr);

  // Chooses the page and the choices for a PIC_DEVICES value.
  void SelectDevice(int device);

  // The engine's protection level of the chosen range; -1 with none chosen.
  int32_t ProtectLevel() const;
  bool DataProtect() const;

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void Retranslate();
  // The device's protect ranges, worded in the language now in effect.
  QStringList RangeTexts() const;

  std::vector<CodeProtectRanges::Range> ranges_;
  bool offersDataProtect_ = false;
  QStackedWidget* pages_;
  RadioGroup* range_;
  QCheckBox* dataProtect_;
  QLabel* question_;
  QPushButton* yes_;
  QPushButton* no_;
  QLabel* warning_;
  QLabel* notSupported_;
  QPushButton* close_;
};

}  // namespace tarvel

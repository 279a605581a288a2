#pragma once

#include <QDialog>
#include <cstdint>

#include "platform/Clock.h"
#include "platform/UserMessages.h"
#include "port/ParallelPort.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace tarvel {

class RadioGroup;

// How the writer is driven: port, programming wait (measured on this
// machine), overwrite and fill options, power at start and end, port
// permission at start, and how the port is reached. The window hands every
// value in before showing it and reads them back only after OK.
class TWriteSetDlg : public QDialog {
  Q_OBJECT

 public:
  // The port access choices, in the order of CBPortAccess.
  static constexpr int kPortAccessCount = 4;
  // The fill value is one program word of up to four hexadecimal digits.
  static constexpr int32_t kMaxFillUpData = 0xFFFF;

  // `messages` shows the dialog's own message (a fill value it cannot take).
  TWriteSetDlg(Clock& clock, UserMessages& messages, QWidget* parent = nullptr);

  // Disabled on the first start, when the settings have to be made.
  void SetCancelEnabled(bool enabled);

  void SetOverWriteEnable(bool value);
  // A value of 1 or less has never been measured: measure at once.
  void SetWaitTime(int32_t value);
  void SetFillUpEnable(bool value);
  void SetFillUpData(int32_t value);
  void SetPortType(int value);  // a value outside the five ports selects the standard port
  void SetStartPowerON(bool value);
  void SetEndPowerOFF(bool value);
  void SetStartGiveIO(bool value);
  void SetPortAccess(int value);  // 0 automatic, 1 kernel device, 2 direct I/O, 3 simulated writer

  bool OverWriteEnable() const;
  int32_t WaitTime() const;
  bool FillUpEnable() const;
  // Hexadecimal digits in either case; any other character counts as 0, and
  // more than eight digits wrap around 32 bits. The edit box takes one to
  // four digits only, and OK refuses it empty.
  int32_t FillUpData() const;
  PPortType PortType() const;
  bool StartPowerON() const;
  bool EndPowerOFF() const;
  bool StartGiveIO() const;
  int PortAccess() const;

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void OkButtonClick();
  void BtnMeasureClick();
  void CBFillUpEnableClick();

  Clock& clock_;
  UserMessages& messages_;
  QCheckBox* overWriteEnable_;
  QCheckBox* fillUpEnable_;
  QLineEdit* fillUpData_;
  QSpinBox* wait_;
  QPushButton* measure_;
  RadioGroup* portSelect_;
  QComboBox* portAccess_;
  QCheckBox* startPowerOn_;
  QCheckBox* endPowerOff_;
  QCheckBox* startGiveIo_;
  QPushButton* ok_;
  QPushButton* cancel_;
};

}  // namespace tarvel

#pragma once

#include <QDialog>
#include <array>
#include <cstdint>
#include <vector>

#include "platform/UserMessages.h"
#include "ui/dialogs/ConfigWordLayout.h"

class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;

namespace tarvel {

class RadioGroup;

// Turns a PIC configuration word into the options of the selected device and
// back, either to edit a word before it is written (write mode, with an ID
// text to write after it) or to show a word read from the chip (read mode).
// One instance lives for the whole run, so the ID text, the Write check box
// and the option states carry over from one use to the next.
//
// A use: SelectDevice, SetFuse, optionally SetIDText, then SetWriteMode or
// SetReadMode, run modally, and after OK in write mode read the getters.
class TConfigDlg : public QDialog {
  Q_OBJECT

 public:
  explicit TConfigDlg(UserMessages& messages, QWidget* parent = nullptr);

  void SelectDevice(int device);  // a PIC_DEVICES value; others count as unsupported
  // Remembers the word and sets the options of the current layout from it.
  void SetFuse(int32_t word);
  void SetIDText(const QString& text);
  void SetWriteMode();
  void SetReadMode();  // shows the word as read

  // The word from the options, with code protection off. 0xFFFF, after the
  // not-supported message, when the dialog cannot make a word for the device.
  int32_t Fuse();
  // False for the devices whose word the dialog can show but not make.
  bool MakesFuse() const;
  bool WriteIDChecked() const;
  QString IDText() const;

 protected:
  void changeEvent(QEvent* event) override;

 private:
  // A caption and item texts as written. A group whose items are names (of
  // oscillators, of voltages) has no item texts here and keeps its names.
  struct Wording {
    QWidget* control;
    const char* caption;
    std::vector<const char*> items;
  };

  void Retranslate();
  void ShowFuseWord();
  void TellNotSupported();
  void CBWriteIDClick();
  void ClearFuseLabel();
  ConfigControls ReadControls() const;
  void WriteControls(const ConfigControls& controls);

  UserMessages& messages_;
  int device_ = -1;
  uint32_t word_ = 0xFFFF;

  std::vector<Wording> wordings_;
  QLabel* deviceCaption_;
  QLabel* deviceLabel_;
  QStackedWidget* oscPages_;
  QStackedWidget* optionPages_;
  std::array<QCheckBox*, kConfigCheckCount> checks_{};
  std::array<RadioGroup*, kConfigRadioCount> radios_{};
  QGroupBox* idGroup_;
  QLineEdit* idEdit_;
  QCheckBox* writeId_;
  QFrame* fuseBevel_;
  QLabel* fuseLabel_;
  QStackedWidget* modePages_;
  QLabel* writeText_;
  QPushButton* ok_;
  QPushButton* cancel_;
  QLabel* readText_;
  QPushButton* close_;
};

}  // namespace tarvel

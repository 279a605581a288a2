#pragma once

#include <QDialog>

class QGroupBox;
class QLineEdit;

namespace tarvel {

// Asks for the text of the ID locations. One instance lives for the whole
// run, so the last text is offered again; nothing fills it from the chip.
class TIDWriteDlg : public QDialog {
  Q_OBJECT

 public:
  explicit TIDWriteDlg(QWidget* parent = nullptr);

  QString IDText() const;
  // Offers a text, such as the ID a program file brought.
  void SetIDText(const QString& text);

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void Retranslate();

  QGroupBox* group_;
  QLineEdit* idEdit_;
};

}  // namespace tarvel

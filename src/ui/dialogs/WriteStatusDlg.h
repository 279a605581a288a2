#pragma once

#include <QDialog>

class QLabel;

namespace tarvel {

// The borderless "Writing" notice. A write blocks the event loop, so the
// notice is drawn completely before the write starts and not again until it
// is closed.
class TWriteStatusDlg : public QDialog {
  Q_OBJECT

 public:
  explicit TWriteStatusDlg(QWidget* parent = nullptr);

  // Shows the notice, centred on the screen, and paints it before returning.
  void ShowAndRepaint();

 private:
  QLabel* writing_;
};

}  // namespace tarvel

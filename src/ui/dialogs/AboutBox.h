#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace tarvel {

// The version, a picture, the maker's lines and, on request, the read-me and
// version history. One instance lives for the whole run, so whether the text
// is open carries over from one opening to the next.
class TAboutBox : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kCollapsedHeight = 300;
  static constexpr int kExpandedHeight = 500;
  explicit TAboutBox(QWidget* parent = nullptr);

  // The caller sets it before every showing, e.g. "Version 2.37 (English)".
  void SetVersion(const QString& caption);

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void BtnMemoClick();
  void Retranslate();
  // The button says which way it moves the memo: open or closed.
  void LabelMemoButton();

  QLabel* image_;
  QLabel* version_;
  QLabel* productLine_;
  QLabel* writerLine_;
  QPushButton* memoButton_;
  QFrame* memoPanel_;
  QPlainTextEdit* memo_;
  QPushButton* ok_;
  bool memoOpen_ = false;
};

}  // namespace tarvel

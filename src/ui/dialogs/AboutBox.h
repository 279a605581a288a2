#pragma once

#include <QDialog>

class QFrame;
class QLabel;
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
  static constexpr const char* kMoreCaption = "詳細 >>";
  static constexpr const char* kLessCaption = "詳細 <<";

  explicit TAboutBox(QWidget* parent = nullptr);

  // The caller sets it before every showing, e.g. "Version 2.37 (English)".
  void SetVersion(const QString& caption);

 private:
  void BtnMemoClick();

  QLabel* version_;
  QPushButton* memoButton_;
  QFrame* memoPanel_;
};

}  // namespace tarvel

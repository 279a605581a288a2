#pragma once

#include <QDialog>

#include <cstdint>
#include <optional>
#include <vector>

#include "platform/UserMessages.h"

class QLineEdit;

namespace tarvel {

// Asks for a value or a run of values to look for in a grid (words or
// bytes, as the grid holds them, - for a blank) and for the direction.
// Either search button takes only text that reads as such values.
class TFindDlg : public QDialog {
  Q_OBJECT

 public:
  using Values = std::vector<std::optional<int32_t>>;

  TFindDlg(UserMessages& messages, int32_t dataDigits, QWidget* parent = nullptr);

  // The search offered when the dialog opens: the last one.
  void SetText(const QString& text);
  QString Text() const;
  // Valid once the dialog has closed with a search button.
  const Values& Wanted() const { return wanted_; }
  bool Forward() const { return forward_; }

 private:
  void Search(bool forward);

  UserMessages& messages_;
  const int32_t dataDigits_;
  QLineEdit* valuesEdit_;
  Values wanted_;
  bool forward_ = true;
};

}  // namespace tarvel

#pragma once

#include <QValidator>

namespace tarvel {

// What a cell editor may hold: hex digits (turned to upper case), or the
// dashes of a blank cell. Keeps pasted text as clean as typed text.
class HexTextValidator : public QValidator {
  Q_OBJECT

 public:
  using QValidator::QValidator;
  State validate(QString& input, int& position) const override;
};

}  // namespace tarvel

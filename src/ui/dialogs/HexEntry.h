#pragma once

#include <QString>

#include <cstdint>
#include <optional>

#include "platform/UserMessages.h"

class QDialog;
class QFormLayout;
class QLayout;
class QLineEdit;
class QWidget;

namespace tarvel {

// What the grid dialogs ask about: addresses and values of one grid.
struct HexGridShape {
  int32_t maxAddress = 0;
  int32_t addressDigits = 4;
  int32_t dataDigits = 4;
};

// A named edit box for hexadecimal text, as a row of `form` under `label`.
QLineEdit* AddHexField(QFormLayout& form, const char* name, const QString& label);

// The dialog's rows of edit boxes above its row of buttons, at a fixed
// size, opening on `focus`.
void LayOutHexEntry(QDialog& dialog, QFormLayout* form, QLayout* buttons, QWidget* focus);

// The address typed into `field`; otherwise the user is told `request`
// with the grid's first and last addresses for %1 and %2, the focus goes to
// the field, and nothing is given.
std::optional<int32_t> AddressIn(QLineEdit& field, const QString& request, const HexGridShape& shape,
                                 UserMessages& messages);

}  // namespace tarvel

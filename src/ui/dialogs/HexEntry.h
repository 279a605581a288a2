#pragma once

#include <QString>

#include <cstdint>
#include <optional>

#include "platform/UserMessages.h"

class QFormLayout;
class QLineEdit;

namespace tarvel {

// What the grid dialogs ask about: addresses and values of one grid.
struct HexGridShape {
  int32_t maxAddress = 0;
  int32_t addressDigits = 4;
  int32_t dataDigits = 4;
};

// A named edit box for hexadecimal text, as a row of `form` under `label`.
QLineEdit* AddHexField(QFormLayout& form, const char* name, const QString& label);

// The address typed into `field`; otherwise the user is told which
// addresses the grid has, the focus goes to the field, and nothing is given.
std::optional<int32_t> AddressIn(QLineEdit& field, const QString& what, const HexGridShape& shape,
                                 UserMessages& messages);

}  // namespace tarvel

#include "ui/components/HexTextValidator.h"

#include "ui/components/HexGrid.h"

#include <algorithm>

namespace tarvel {

QValidator::State HexTextValidator::validate(QString& input, int& /*position*/) const {
  const bool allDashes =
      std::all_of(input.cbegin(), input.cend(), [](QChar c) { return c == QLatin1Char('-'); });
  if (allDashes) return Acceptable;
  if (!std::all_of(input.cbegin(), input.cend(), THexGrid::IsHex)) return Invalid;
  input = input.toUpper();
  return Acceptable;
}

}  // namespace tarvel

#include "ui/components/HexCellText.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>

#include <algorithm>

namespace tarvel {
namespace HexCellText {

QString Format(const THexGrid& grid, int32_t first, int32_t last) {
  QString text;
  const int32_t columns = grid.DataColCount();
  for (int32_t address = first; address <= last; ++address) {
    text += grid.GetHexData(address);
    if (address == last) break;
    text += (address + 1) % columns == 0 ? QLatin1Char('\n') : QLatin1Char(' ');
  }
  return text;
}

Parsed Parse(const QString& text, int32_t digits) {
  static const QRegularExpression space(QStringLiteral("\\s+"));
  static const QRegularExpression value(QStringLiteral("^[0-9A-Fa-f]+$|^-+$"));
  Parsed parsed;
  const QStringList tokens = text.split(space, Qt::SkipEmptyParts);
  if (tokens.isEmpty()) {
    parsed.problem = QCoreApplication::translate("HexCellText", "There are no values in the text.");
    return parsed;
  }
  parsed.values.reserve(static_cast<size_t>(tokens.size()));
  for (const QString& token : tokens) {
    if (token.size() > digits || !value.match(token).hasMatch()) {
      parsed.problem = QCoreApplication::translate("HexCellText",
                                                   "\"%1\" is not a value of one to %2 hexadecimal digits, nor %3 "
                                                   "for a blank.")
                           .arg(token.left(20))
                           .arg(digits)
                           .arg(QString(digits, QLatin1Char('-')));
      parsed.values.clear();
      return parsed;
    }
    if (token.front() == QLatin1Char('-')) {
      parsed.values.emplace_back(std::nullopt);
    } else {
      parsed.values.emplace_back(THexGrid::HexToInt(token));
    }
  }
  return parsed;
}

QString Hex(uint32_t value, int32_t digits) {
  return QString::number(value, 16).toUpper().rightJustified(digits, QLatin1Char('0'));
}

QString AddressText(int32_t address, int32_t digits) {
  return Hex(static_cast<uint32_t>(address), digits) + QLatin1Char('H');
}

std::optional<int32_t> ParseAddress(const QString& text, int32_t maxAddress) {
  QString digits = text.trimmed();
  if (digits.endsWith(QLatin1Char('H'), Qt::CaseInsensitive)) digits.chop(1);
  bool ok = false;
  const qulonglong address = digits.toULongLong(&ok, 16);
  // toULongLong takes a sign and a 0x too; an address is digits alone.
  const bool plain = std::all_of(digits.cbegin(), digits.cend(), [](QChar c) { return THexGrid::IsHex(c); });
  if (!ok || !plain || address > static_cast<qulonglong>(maxAddress)) return std::nullopt;
  return static_cast<int32_t>(address);
}

}  // namespace HexCellText

int32_t FindCells(const THexGrid& grid, const THexGrid::CellValues& wanted, int32_t from, bool forward) {
  const int32_t count = grid.MaxAddress() + 1;
  const auto length = static_cast<int32_t>(wanted.size());
  if (length == 0 || length > count) return -1;
  const THexGrid::CellValues cells = grid.Values<int32_t>();
  const int32_t starts = count - length + 1;
  from = std::clamp(from, 0, count - 1);
  for (int32_t step = 0; step < count; ++step) {
    const int32_t start = forward ? (from + step) % count : ((from - step) % count + count) % count;
    if (start >= starts) continue;
    if (std::equal(wanted.begin(), wanted.end(), cells.begin() + start)) return start;
  }
  return -1;
}

}  // namespace tarvel

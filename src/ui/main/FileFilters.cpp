#include "ui/main/FileFilters.h"

namespace tarvel {

QStringList FileFilters::Hex(int hexType) {
  switch (hexType) {
    case 1:
      return FromBarList("HEX file(*.obj;*.hex)|*.obj;*.hex|HEX file(*.obj)|*.obj|HEX file(*.hex)|*.hex|All(*.*)|*.*");
    case 2:
      return FromBarList("HEX file(*.obj)|*.obj|HEX file(*.hex)|*.hex|HEX file(*.obj;*.hex)|*.obj;*.hex|All(*.*)|*.*");
    case 3:
      return FromBarList("HEX file(*.hex)|*.hex|HEX file(*.obj)|*.obj|HEX file(*.obj;*.hex)|*.obj;*.hex|All(*.*)|*.*");
    default:
      return FromBarList("All(*.*)|*.*|HEX file(*.obj;*.hex)|*.obj;*.hex|HEX file(*.hex)|*.hex|HEX file(*.obj)|*.obj");
  }
}

QStringList FileFilters::Binary(int binType) {
  switch (binType) {
    case 1:
      return FromBarList(
          "Binary file(*.obj;*.bin)|*.obj;*.bin|Binary file(*.obj)|*.obj|Binary file(*.bin)|*.bin|All(*.*)|*.*");
    case 2:
      return FromBarList(
          "Binary file(*.obj)|*.obj|Binary file(*.bin)|*.bin|Binary file(*.obj;*.bin)|*.obj;*.bin|All(*.*)|*.*");
    case 3:
      return FromBarList(
          "Binary file(*.bin)|*.bin|Binary file(*.obj)|*.obj|Binary file(*.obj;*.bin)|*.obj;*.bin|All(*.*)|*.*");
    default:
      return FromBarList(
          "All(*.*)|*.*|Binary file(*.obj;*.bin)|*.obj;*.bin|Binary file(*.bin)|*.bin|Binary file(*.obj)|*.obj");
  }
}

QStringList FileFilters::HexSave(int hexType) {
  QStringList filters = Hex(hexType);
  for (const QString& filter : Hex(hexType)) {
    if (filter.startsWith("HEX file")) filters << "INHX32 " + filter;
  }
  return filters;
}

HexFormat FileFilters::SavedHexFormat(int hexType, int filter) {
  return filter >= Hex(hexType).size() ? HexFormat::Inhx32 : HexFormat::Inhx8m;
}

QStringList FileFilters::FromBarList(const QString& barList) {
  const QStringList parts = barList.split('|');
  QStringList filters;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    QStringList patterns = parts[i + 1].split(';', Qt::SkipEmptyParts);
    for (QString& pattern : patterns) {
      if (pattern == "*.*") pattern = "*";
    }
    filters << parts[i] + " (" + patterns.join(' ') + ")";
  }
  return filters;
}

}  // namespace tarvel

#include "ui/main/FileFilters.h"

namespace tarvel {
namespace {

// The shown texts of the lists below, each translated where FromBarList
// meets it.
[[maybe_unused]] const char* const kShownTexts[] = {
    QT_TRANSLATE_NOOP("FileFilters", "HEX file(*.obj;*.hex)"),    QT_TRANSLATE_NOOP("FileFilters", "HEX file(*.obj)"),
    QT_TRANSLATE_NOOP("FileFilters", "HEX file(*.hex)"),          QT_TRANSLATE_NOOP("FileFilters", "All(*.*)"),
    QT_TRANSLATE_NOOP("FileFilters", "Binary file(*.obj;*.bin)"), QT_TRANSLATE_NOOP("FileFilters", "Binary file(*.obj)"),
    QT_TRANSLATE_NOOP("FileFilters", "Binary file(*.bin)")};

QString HexBarList(int hexType) {
  switch (hexType) {
    case 1: return "HEX file(*.obj;*.hex)|*.obj;*.hex|HEX file(*.obj)|*.obj|HEX file(*.hex)|*.hex|All(*.*)|*.*";
    case 2: return "HEX file(*.obj)|*.obj|HEX file(*.hex)|*.hex|HEX file(*.obj;*.hex)|*.obj;*.hex|All(*.*)|*.*";
    case 3: return "HEX file(*.hex)|*.hex|HEX file(*.obj)|*.obj|HEX file(*.obj;*.hex)|*.obj;*.hex|All(*.*)|*.*";
    default: return "All(*.*)|*.*|HEX file(*.obj;*.hex)|*.obj;*.hex|HEX file(*.hex)|*.hex|HEX file(*.obj)|*.obj";
  }
}

}  // namespace

QStringList FileFilters::Hex(int hexType) { return FromBarList(HexBarList(hexType)); }

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
  const QStringList open = Hex(hexType);
  const QStringList parts = HexBarList(hexType).split('|');
  QStringList filters = open;
  for (int i = 0; i < open.size(); ++i) {
    if (parts.value(2 * i + 1) != "*.*") filters << tr("INHX32 %1").arg(open[i]);
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
    filters << tr(parts[i].toUtf8().constData()) + " (" + patterns.join(' ') + ")";
  }
  return filters;
}

}  // namespace tarvel

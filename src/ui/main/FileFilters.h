#pragma once

#include <QString>
#include <QStringList>

namespace tarvel {

// The file type filters of the open and save dialogs. HexType and BinType
// pick the order; the first filter is the one the dialog opens with.
class FileFilters {
 public:
  // HexType and BinType run from 0 (all files first) to 3.
  static constexpr int kTypeCount = 4;

  static QStringList Hex(int hexType);
  static QStringList Binary(int binType);
  // "desc|pattern|desc|pattern" to Qt's filters. Qt reads the patterns from
  // the last parentheses of each filter, separated by blanks, so they are
  // given again after the shown text; "*.*" becomes "*" so that files
  // without an extension show too.
  static QStringList FromBarList(const QString& barList);
};

}  // namespace tarvel

#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include "files/HexWriter.h"

namespace tarvel {

// The file type filters of the open and save dialogs. HexType and BinType
// pick the order; the first filter is the one the dialog opens with.
class FileFilters {
  Q_DECLARE_TR_FUNCTIONS(FileFilters)

 public:
  // HexType and BinType run from 0 (all files first) to 3.
  static constexpr int kTypeCount = 4;

  static QStringList Hex(int hexType);
  static QStringList Binary(int binType);
  // The HEX save dialog's list: the open dialog's filters, which save
  // INHX8M, then the HEX patterns once more for INHX32.
  static QStringList HexSave(int hexType);
  // The form the filter chosen from HexSave(hexType) saves.
  static HexFormat SavedHexFormat(int hexType, int filter);
  // "desc|pattern|desc|pattern" to Qt's filters. Qt reads the patterns from
  // the last parentheses of each filter, separated by blanks, so they are
  // given again after the shown text; "*.*" becomes "*" so that files
  // without an extension show too. The shown texts are translated.
  static QStringList FromBarList(const QString& barList);
};

}  // namespace tarvel

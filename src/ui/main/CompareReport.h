#pragma once

#include <QPointer>
#include <QString>

#include "engine/ImageDifference.h"
#include "platform/UserMessages.h"

class QWidget;

namespace tarvel {

class TDifferenceListDlg;
class THexGrid;
class WindowMessages;
struct FileOptions;

// The result of a compare that found differences: its box, with a "Show
// all" button that opens the list of every difference beside the window.
// A double click in the list selects that cell of the grid; the list can be
// saved as a CSV file. A new list replaces the last one.
class CompareReport {
 public:
  CompareReport(QWidget& window, WindowMessages& messages, const FileOptions& options);

  // `imageName` names the grid in the list ("Program", "Data").
  void Show(const QString& text, const QString& caption, MessageIcon icon, THexGrid& grid, const QString& imageName,
            const ImageDifferences& differences);
  // The list open now, or none.
  TDifferenceListDlg* List() const;

 private:
  void SaveList(const TDifferenceListDlg& list);
  QString AskCsvPath();

  QWidget& window_;
  WindowMessages& messages_;
  const FileOptions& options_;
  QPointer<TDifferenceListDlg> list_;
};

}  // namespace tarvel

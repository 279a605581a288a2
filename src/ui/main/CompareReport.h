#pragma once

#include <QCoreApplication>
#include <QPointer>
#include <QString>

#include "engine/ImageDifference.h"
#include "platform/UserMessages.h"
#include "ui/dialogs/DifferenceListDlg.h"

class QWidget;

namespace tarvel {

class THexGrid;
class WindowMessages;
struct FileOptions;

// The result of a compare that found differences: its box, with a "Show
// all" button that opens the list of every difference beside the window.
// A double click in the list selects that cell of the grid; the list can be
// saved as a CSV file. A new list replaces the last one.
class CompareReport {
  Q_DECLARE_TR_FUNCTIONS(CompareReport)

 public:
  CompareReport(QWidget& window, WindowMessages& messages, const FileOptions& options);

  // `image` says which grid the list compares.
  void Show(const QString& text, const QString& caption, MessageIcon icon, THexGrid& grid,
            TDifferenceListDlg::Image image, const ImageDifferences& differences);
  // The list open now, or none.
  TDifferenceListDlg* List() const;

 private:
  void SaveList(const TDifferenceListDlg& list);

  QWidget& window_;
  WindowMessages& messages_;
  const FileOptions& options_;
  QPointer<TDifferenceListDlg> list_;
};

}  // namespace tarvel

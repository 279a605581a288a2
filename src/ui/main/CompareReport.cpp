#include "ui/main/CompareReport.h"

#include <QSaveFile>
#include <QWidget>

#include "ui/components/HexGrid.h"
#include "ui/dialogs/DifferenceListDlg.h"
#include "ui/main/FileOptions.h"
#include "ui/main/WindowMessages.h"

namespace tarvel {

CompareReport::CompareReport(QWidget& window, WindowMessages& messages, const FileOptions& options)
    : window_(window), messages_(messages), options_(options) {}

void CompareReport::Show(const QString& text, const QString& caption, MessageIcon icon, THexGrid& grid,
                         TDifferenceListDlg::Image image, const ImageDifferences& differences) {
  if (!messages_.BoxWithMore(text, caption, icon, tr("Show all"))) return;
  if (list_) list_->close();
  auto* list = new TDifferenceListDlg(image, differences, grid.AddressDigits(), grid.DataDigit, &window_);
  list->setAttribute(Qt::WA_DeleteOnClose);
  QObject::connect(list, &TDifferenceListDlg::AddressChosen, &grid, [&grid](int32_t address) {
    grid.SelectRange(address, address);
    grid.window()->activateWindow();
    grid.setFocus();
  });
  QObject::connect(list, &TDifferenceListDlg::SaveRequested, list, [this, list] { SaveList(*list); });
  list->show();
  list_ = list;
}

TDifferenceListDlg* CompareReport::List() const { return list_; }

void CompareReport::SaveList(const TDifferenceListDlg& list) {
  int filter = 0;  // the list is CSV whichever filter the user leaves
  const QString path = messages_.AskSavePath(
      {tr("Save the differences"), options_.objPath, {tr("CSV file (*.csv)"), tr("All (*)")}}, filter,
      [](const QString& chosen) { return tr("%1\nalready exists. Overwrite it?").arg(chosen); },
      tr("Confirm overwriting"));
  if (path.isEmpty()) return;
  QSaveFile file(path);
  if (file.open(QIODevice::WriteOnly) && file.write(list.CsvText().toUtf8()) >= 0 && file.commit()) return;
  messages_.Box(tr("The list was not saved to %1:\n%2").arg(path, file.errorString()), tr("Save error"), MessageIcon::Error,
                WindowMessages::Buttons::Ok);
}

}  // namespace tarvel

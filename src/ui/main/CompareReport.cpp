#include "ui/main/CompareReport.h"

#include <QFileInfo>
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
                         const QString& imageName, const ImageDifferences& differences) {
  if (!messages_.BoxWithMore(text, caption, icon, "Show all")) return;
  if (list_) list_->close();
  auto* list = new TDifferenceListDlg(imageName, differences, grid.AddressDigits(), grid.DataDigit, &window_);
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

QString CompareReport::AskCsvPath() {
  for (;;) {
    const QString path = messages_.SaveFileName(
        {"Save the differences", options_.objPath, {"CSV file (*.csv)", "All (*)"}});
    if (path.isEmpty() || !QFileInfo::exists(path)) return path;
    if (messages_.Box(path + "\nalready exists. Overwrite it?", "Confirm overwriting", MessageIcon::Warning,
                      WindowMessages::Buttons::YesNo)) {
      return path;
    }
  }
}

void CompareReport::SaveList(const TDifferenceListDlg& list) {
  const QString path = AskCsvPath();
  if (path.isEmpty()) return;
  QSaveFile file(path);
  if (file.open(QIODevice::WriteOnly) && file.write(list.CsvText().toUtf8()) >= 0 && file.commit()) return;
  messages_.Box("The list was not saved to " + path + ":\n" + file.errorString(), "Save error", MessageIcon::Error,
                WindowMessages::Buttons::Ok);
}

}  // namespace tarvel

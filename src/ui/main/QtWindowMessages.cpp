#include "ui/main/QtWindowMessages.h"

#include <QCheckBox>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <algorithm>

namespace tarvel {
namespace {

QMessageBox::Icon ToQtIcon(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Warning: return QMessageBox::Warning;
    case MessageIcon::Error: return QMessageBox::Critical;
    case MessageIcon::None: break;
  }
  return QMessageBox::NoIcon;
}

// The chosen path, empty when cancelled; `filter` is the index of the
// filter selected at the end.
QString RunFileDialog(QWidget* parent, const FileDialogRequest& request, QFileDialog::AcceptMode mode, int& filter) {
  QFileDialog dialog(parent, request.title, request.folder);
  dialog.setAcceptMode(mode);
  dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  // The window asks its own overwrite question, with its own texts.
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  dialog.setNameFilters(request.filters);
  if (!request.filters.isEmpty()) dialog.selectNameFilter(request.filters.first());
  filter = 0;
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
  filter = std::max(0, static_cast<int>(request.filters.indexOf(dialog.selectedNameFilter())));
  return dialog.selectedFiles().first();
}

QMessageBox::StandardButtons ToQtButtons(WindowMessages::Buttons buttons) {
  switch (buttons) {
    case WindowMessages::Buttons::Ok:
      return QMessageBox::Ok;
    case WindowMessages::Buttons::OkCancel:
      return QMessageBox::Ok | QMessageBox::Cancel;
    case WindowMessages::Buttons::YesNo:
      break;
  }
  return QMessageBox::Yes | QMessageBox::No;
}

}  // namespace

bool QtWindowMessages::Box(const QString& text, const QString& caption, MessageIcon icon, Buttons buttons) {
  QMessageBox box(ToQtIcon(icon), caption.isEmpty() ? ApplicationTitle() : caption, text, ToQtButtons(buttons),
                  parent_);
  // Texts carry paths, and a path may hold what looks like markup.
  box.setTextFormat(Qt::PlainText);
  const int answer = box.exec();
  return answer == QMessageBox::Ok || answer == QMessageBox::Yes;
}

bool QtWindowMessages::AskWithCheck(const QString& text, const QString& caption, const QString& checkText,
                                    bool& checked) {
  QMessageBox box(QMessageBox::NoIcon, caption.isEmpty() ? ApplicationTitle() : caption, text,
                  ToQtButtons(Buttons::YesNo), parent_);
  box.setTextFormat(Qt::PlainText);
  auto* check = new QCheckBox(checkText, &box);
  box.setCheckBox(check);
  const bool yes = box.exec() == QMessageBox::Yes;
  checked = check->isChecked();
  return yes;
}

QString QtWindowMessages::OpenFileName(const FileDialogRequest& request) {
  int filter = 0;
  return RunFileDialog(parent_, request, QFileDialog::AcceptOpen, filter);
}

QString QtWindowMessages::SaveFileName(const FileDialogRequest& request) {
  int filter = 0;
  return SaveFileNameAndFilter(request, filter);
}

QString QtWindowMessages::SaveFileNameAndFilter(const FileDialogRequest& request, int& filter) {
  return RunFileDialog(parent_, request, QFileDialog::AcceptSave, filter);
}

int QtWindowMessages::RunModal(QDialog& dialog) { return dialog.exec(); }

}  // namespace tarvel

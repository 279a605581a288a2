#include "ui/main/QtWindowMessages.h"

#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>

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

QString RunFileDialog(QWidget* parent, const FileDialogRequest& request, QFileDialog::AcceptMode mode) {
  QFileDialog dialog(parent, request.title, request.folder);
  dialog.setAcceptMode(mode);
  dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  // The window asks its own overwrite question, with its own texts.
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  dialog.setNameFilters(request.filters);
  if (!request.filters.isEmpty()) dialog.selectNameFilter(request.filters.first());
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
  return dialog.selectedFiles().first();
}

}  // namespace

bool QtWindowMessages::Box(const QString& text, const QString& caption, MessageIcon icon, Buttons buttons) {
  QMessageBox box(ToQtIcon(icon), caption.isEmpty() ? ApplicationTitle() : caption, text,
                  QMessageBox::NoButton, parent_);
  // Texts carry paths, and a path may hold what looks like markup.
  box.setTextFormat(Qt::PlainText);
  switch (buttons) {
    case Buttons::Ok:
      box.setStandardButtons(QMessageBox::Ok);
      break;
    case Buttons::OkCancel:
      box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
      break;
    case Buttons::YesNo:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
      break;
  }
  const int answer = box.exec();
  return answer == QMessageBox::Ok || answer == QMessageBox::Yes;
}

QString QtWindowMessages::OpenFileName(const FileDialogRequest& request) {
  return RunFileDialog(parent_, request, QFileDialog::AcceptOpen);
}

QString QtWindowMessages::SaveFileName(const FileDialogRequest& request) {
  return RunFileDialog(parent_, request, QFileDialog::AcceptSave);
}

int QtWindowMessages::RunModal(QDialog& dialog) { return dialog.exec(); }

}  // namespace tarvel

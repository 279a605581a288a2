#include "ui/main/QtWindowMessages.h"

#include <QCheckBox>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
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

QString CaptionOf(const QString& caption) {
  return caption.isEmpty() ? WindowMessages::ApplicationTitle() : caption;
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

// Texts carry paths, and a path may hold what looks like markup.
void MakePlain(QMessageBox& box) { box.setTextFormat(Qt::PlainText); }

}  // namespace

bool QtWindowMessages::Box(const QString& text, const QString& caption, MessageIcon icon, Buttons buttons) {
  QMessageBox::StandardButtons standard = QMessageBox::Ok;
  switch (buttons) {
    case Buttons::Ok: break;
    case Buttons::OkCancel: standard = QMessageBox::Ok | QMessageBox::Cancel; break;
    case Buttons::YesNo: standard = QMessageBox::Yes | QMessageBox::No; break;
    // A three-way question has a box of its own, with Escape for Cancel.
    case Buttons::YesNoCancel: return YesNoCancel(text, caption, icon) == Answer::Yes;
  }
  QMessageBox box(ToQtIcon(icon), CaptionOf(caption), text, standard, parent_);
  MakePlain(box);
  const int answer = box.exec();
  return answer == QMessageBox::Ok || answer == QMessageBox::Yes;
}

WindowMessages::Answer QtWindowMessages::YesNoCancel(const QString& text, const QString& caption, MessageIcon icon) {
  QMessageBox box(ToQtIcon(icon), CaptionOf(caption), text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                  parent_);
  MakePlain(box);
  box.setEscapeButton(QMessageBox::Cancel);
  switch (box.exec()) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    default: return Answer::Cancel;
  }
}

bool QtWindowMessages::BoxWithMore(const QString& text, const QString& caption, MessageIcon icon,
                                   const QString& more) {
  QMessageBox box(ToQtIcon(icon), CaptionOf(caption), text, QMessageBox::Ok, parent_);
  MakePlain(box);
  QPushButton* moreButton = box.addButton(more, QMessageBox::ActionRole);
  box.setDefaultButton(QMessageBox::Ok);
  box.setEscapeButton(QMessageBox::Ok);
  box.exec();
  return box.clickedButton() == moreButton;
}

bool QtWindowMessages::AskWithCheck(const QString& text, const QString& caption, const QString& checkText,
                                    bool& checked) {
  QMessageBox box(QMessageBox::NoIcon, CaptionOf(caption), text, QMessageBox::Yes | QMessageBox::No, parent_);
  MakePlain(box);
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

#pragma once

#include "ui/main/WindowMessages.h"

class QWidget;

namespace tarvel {

// The real boxes and dialogs, modal to the window that owns them.
class QtWindowMessages : public WindowMessages {
 public:
  explicit QtWindowMessages(QWidget* parent = nullptr) : parent_(parent) {}
  void SetParent(QWidget* parent) { parent_ = parent; }

  bool Box(const QString& text, const QString& caption, MessageIcon icon, Buttons buttons) override;
  Answer YesNoCancel(const QString& text, const QString& caption, MessageIcon icon) override;
  bool BoxWithMore(const QString& text, const QString& caption, MessageIcon icon, const QString& more) override;
  QString OpenFileName(const FileDialogRequest& request) override;
  QString SaveFileName(const FileDialogRequest& request) override;
  QString SaveFileNameAndFilter(const FileDialogRequest& request, int& filter) override;
  bool AskWithCheck(const QString& text, const QString& caption, const QString& checkText, bool& checked) override;
  int RunModal(QDialog& dialog) override;

 private:
  QWidget* parent_;
};

}  // namespace tarvel

#pragma once

#include <QString>
#include <QStringList>
#include <functional>

#include "platform/UserMessages.h"

class QDialog;

namespace tarvel {

// What a file dialog is asked to show. The first filter is the one selected
// when the dialog opens.
struct FileDialogRequest {
  QString title;
  QString folder;
  QStringList filters;  // Qt filter syntax, "text (pattern pattern)"
};

// Every message box, question, modal dialog and file dialog the main window
// runs goes through here, so that tests can answer them and read their texts.
// It also serves the core components, whose UTF-8 texts it shows in the
// window's language (CoreTexts).
class WindowMessages : public UserMessages {
 public:
  enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
  enum class Answer { Yes, No, Cancel };

  // The caption of every box that has none of its own.
  static QString ApplicationTitle() { return QStringLiteral("Melfort"); }

  void Show(const std::string& text) final;
  void ShowBox(const std::string& text, const std::string& caption, MessageIcon icon) final;

  // The simple box: application title as caption, OK, no icon.
  void Inform(const QString& text) { Box(text, QString(), MessageIcon::None, Buttons::Ok); }
  // True when the user answered Yes or OK. An empty caption means the
  // application title.
  virtual bool Box(const QString& text, const QString& caption, MessageIcon icon, Buttons buttons) = 0;
  // A question with Yes, No and Cancel; a box closed otherwise is Cancel.
  virtual Answer YesNoCancel(const QString& text, const QString& caption, MessageIcon icon) = 0;
  // A box with OK and one more button captioned `more`; true when that
  // button closed it.
  virtual bool BoxWithMore(const QString& text, const QString& caption, MessageIcon icon, const QString& more) = 0;
  // The chosen path, or an empty string when the user cancelled.
  virtual QString OpenFileName(const FileDialogRequest& request) = 0;
  virtual QString SaveFileName(const FileDialogRequest& request) = 0;
  // The same, and which of the request's filters the user left selected
  // (0, the first, unless a dialog tells otherwise).
  virtual QString SaveFileNameAndFilter(const FileDialogRequest& request, int& filter);
  // The save dialog again until the user cancels (an empty string), picks a
  // path that does not exist yet, or answers Yes to replacing the one picked:
  // the question `overwriteQuestion` words for that path, under
  // `overwriteCaption`. `filter` as SaveFileNameAndFilter gives it.
  QString AskSavePath(const FileDialogRequest& request, int& filter,
                      const std::function<QString(const QString& path)>& overwriteQuestion,
                      const QString& overwriteCaption);
  // A Yes/No question with a check box such as "Do not ask again", whose
  // state comes back in `checked` (unchecked unless a dialog tells otherwise).
  virtual bool AskWithCheck(const QString& text, const QString& caption, const QString& checkText, bool& checked);
  // Runs a dialog modally and returns its result code (QDialog::Accepted...).
  virtual int RunModal(QDialog& dialog) = 0;
};

}  // namespace tarvel

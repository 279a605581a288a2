#pragma once

#include <gtest/gtest.h>

#include <QDialog>
#include <QPushButton>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

#include "ui/main/WindowMessages.h"

namespace tarvel::test {

// Answers the window's boxes and file dialogs from scripts and records what
// they showed. A question or dialog nobody scripted fails the test.
class ScriptedMessages : public WindowMessages {
 public:
  struct ShownBox {
    QString text;
    QString caption;
    MessageIcon icon;
    Buttons buttons;
    QString more = QString();  // the extra button of BoxWithMore
    QString checkText = QString();  // the check box of a question that has one
  };

  bool Box(const QString& text, const QString& caption, MessageIcon icon, Buttons buttons) override {
    boxes.push_back({text, caption, icon, buttons});
    if (buttons == Buttons::Ok) return true;
    if (answers.empty()) {
      ADD_FAILURE() << "unexpected question: " << text.toStdString();
      return false;
    }
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
  }

  Answer YesNoCancel(const QString& text, const QString& caption, MessageIcon icon) override {
    boxes.push_back({text, caption, icon, Buttons::YesNoCancel});
    if (choices.empty()) {
      if (unscriptedChoice) return *unscriptedChoice;
      ADD_FAILURE() << "unexpected question: " << text.toStdString();
      return Answer::Cancel;
    }
    const Answer answer = choices.front();
    choices.pop_front();
    return answer;
  }

  // Unscripted, OK closes the box.
  bool BoxWithMore(const QString& text, const QString& caption, MessageIcon icon, const QString& more) override {
    boxes.push_back({text, caption, icon, Buttons::Ok, more});
    if (moreAnswers.empty()) return false;
    const bool answer = moreAnswers.front();
    moreAnswers.pop_front();
    return answer;
  }

  QString OpenFileName(const FileDialogRequest& request) override {
    openRequests.push_back(request);
    return Next(openAnswers, "open", request);
  }

  QString SaveFileName(const FileDialogRequest& request) override {
    saveRequests.push_back(request);
    return Next(saveAnswers, "save", request);
  }

  QString SaveFileNameAndFilter(const FileDialogRequest& request, int& filter) override {
    filter = saveFilterAnswers.empty() ? 0 : saveFilterAnswers.front();
    if (!saveFilterAnswers.empty()) saveFilterAnswers.pop_front();
    return SaveFileName(request);
  }

  bool AskWithCheck(const QString& text, const QString& caption, const QString& checkText, bool& checked) override {
    checked = !checkAnswers.empty() && checkAnswers.front();
    if (!checkAnswers.empty()) checkAnswers.pop_front();
    const bool answer = Box(text, caption, MessageIcon::None, Buttons::YesNo);
    boxes.back().checkText = checkText;
    return answer;
  }

  // Answers a modal dialog: may work its controls, returns the result code.
  using DialogAnswer = std::function<int(QDialog&)>;

  int RunModal(QDialog& dialog) override {
    dialogs.push_back(dialog.metaObject()->className());
    if (!dialogAnswers.empty()) {
      const DialogAnswer answer = dialogAnswers.front();
      dialogAnswers.pop_front();
      return answer(dialog);
    }
    if (IsFirstRunSetup(dialog)) return firstRunSetup(dialog);
    ADD_FAILURE() << "unexpected modal dialog: " << dialogs.back().toStdString();
    return QDialog::Rejected;
  }

  QStringList Texts() const {
    QStringList texts;
    for (const ShownBox& box : boxes) texts << box.text;
    return texts;
  }

  void Forget() {
    boxes.clear();
    dialogs.clear();
    openRequests.clear();
    saveRequests.clear();
  }

  std::vector<ShownBox> boxes;
  std::deque<bool> answers;           // Yes/OK is true
  std::deque<Answer> choices;         // Yes, No or Cancel
  std::optional<Answer> unscriptedChoice;  // for questions nobody scripted, e.g. at the end of a test
  std::deque<bool> moreAnswers;       // true presses the extra button
  std::deque<QString> openAnswers;    // an empty string cancels
  std::deque<QString> saveAnswers;
  std::deque<int> saveFilterAnswers;  // the filter left selected; 0 when none is scripted
  std::deque<bool> checkAnswers;      // the check box of AskWithCheck; unticked when none is scripted
  std::vector<FileDialogRequest> openRequests;
  std::vector<FileDialogRequest> saveRequests;
  QStringList dialogs;                     // class names of the modal dialogs run
  std::deque<DialogAnswer> dialogAnswers;  // in the order the dialogs come
  // The write setup of a first start, unless a test scripts it: closed with
  // its close box, so the defaults stay.
  DialogAnswer firstRunSetup = [](QDialog&) { return int(QDialog::Rejected); };

 private:
  static bool IsFirstRunSetup(const QDialog& dialog) {
    const auto* cancel = dialog.findChild<QPushButton*>("CancelButton");
    return dialog.inherits("tarvel::TWriteSetDlg") && cancel != nullptr && !cancel->isEnabled();
  }

  static QString Next(std::deque<QString>& script, const char* kind, const FileDialogRequest& request) {
    if (script.empty()) {
      ADD_FAILURE() << "unexpected " << kind << " dialog: " << request.title.toStdString();
      return QString();
    }
    const QString path = script.front();
    script.pop_front();
    return path;
  }
};

}  // namespace tarvel::test

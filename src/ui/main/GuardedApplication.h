#pragma once

#include <QApplication>

namespace tarvel {

class WindowMessages;

// The application object, with a last guard: an exception that escapes an
// event handler ends that event only. The user sees its text and the program
// goes on.
class GuardedApplication : public QApplication {
  Q_DECLARE_TR_FUNCTIONS(GuardedApplication)

 public:
  GuardedApplication(int& argc, char** argv);

  void SetMessages(WindowMessages* messages) { messages_ = messages; }
  bool notify(QObject* receiver, QEvent* event) override;

 private:
  WindowMessages* messages_ = nullptr;
};

}  // namespace tarvel

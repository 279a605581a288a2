#include "ui/main/GuardedApplication.h"

#include <cstdio>
#include <exception>

#include "ui/main/WindowMessages.h"

namespace tarvel {

GuardedApplication::GuardedApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool GuardedApplication::notify(QObject* receiver, QEvent* event) {
  QString problem;
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& error) {
    problem = QString::fromUtf8(error.what());
  } catch (...) {
    problem = tr("An unexpected error stopped the last action.");
  }
  if (messages_) {
    messages_->Box(problem, QString(), MessageIcon::Error, WindowMessages::Buttons::Ok);
  } else {
    std::fprintf(stderr, "tarvel: %s\n", problem.toLocal8Bit().constData());
  }
  return false;
}

}  // namespace tarvel

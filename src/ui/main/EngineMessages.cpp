#include "ui/main/EngineMessages.h"

#include <QCoreApplication>
#include <QMutexLocker>
#include <QThread>

#include "ui/main/WindowMessages.h"

namespace tarvel {

void EngineMessages::Show(const std::string& text) { Take({text, std::string(), MessageIcon::None, true}); }

void EngineMessages::ShowBox(const std::string& text, const std::string& caption, MessageIcon icon) {
  Take({text, caption, icon, false});
}

void EngineMessages::Take(Waiting message) {
  const QCoreApplication* application = QCoreApplication::instance();
  if (application == nullptr || QThread::currentThread() == application->thread()) {
    if (message.simple) {
      window_.Show(message.text);
    } else {
      window_.ShowBox(message.text, message.caption, message.icon);
    }
    return;
  }
  QMutexLocker lock(&mutex_);
  waiting_.push_back(std::move(message));
}

void EngineMessages::ShowWaiting() {
  std::vector<Waiting> waiting;
  {
    QMutexLocker lock(&mutex_);
    waiting.swap(waiting_);
  }
  for (Waiting& message : waiting) Take(std::move(message));
}

}  // namespace tarvel

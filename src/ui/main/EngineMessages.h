#pragma once

#include <QMutex>
#include <QString>
#include <vector>

#include "platform/UserMessages.h"

namespace tarvel {

class WindowMessages;

// The engines' own message boxes. On the user interface thread they are
// shown at once; from an operation's worker thread they wait until the
// operation has ended and the window shows them (ShowWaiting), in the order
// they came. An engine's boxes only inform, so the engine never has to wait
// for a user in the middle of its port timing.
class EngineMessages : public UserMessages {
 public:
  explicit EngineMessages(WindowMessages& window) : window_(window) {}

  void Show(const std::string& text) override;
  void ShowBox(const std::string& text, const std::string& caption, MessageIcon icon) override;

  // On the user interface thread, once no worker runs.
  void ShowWaiting();

 private:
  struct Waiting {
    std::string text;
    std::string caption;
    MessageIcon icon;
    bool simple;
  };
  void Take(Waiting message);

  WindowMessages& window_;
  QMutex mutex_;
  std::vector<Waiting> waiting_;
};

}  // namespace tarvel

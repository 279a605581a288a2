#pragma once

#include <QCoreApplication>
#include <QList>
#include <QObject>
#include <QPointer>
#include <functional>

class QAction;
class QAbstractButton;

namespace tarvel {

class WindowMessages;

// One command of the window: a single handler run by every menu item and tool
// button bound to it. Items and buttons follow the command's availability and
// check mark together, in both menu bars. A command whose handler is not
// there yet stays unavailable, whatever its availability says.
class WindowCommand : public QObject {
  Q_DECLARE_TR_FUNCTIONS(WindowCommand)

 public:
  using Handler = std::function<void()>;

  WindowCommand(QObject* parent, WindowMessages& messages, Handler handler = nullptr);

  void AddItem(QAction& item);
  void AddButton(QAbstractButton& button);
  void SetHandler(Handler handler);
  // Asked before every run; the handler runs only when it answers true.
  void SetGate(std::function<bool()> gate) { gate_ = std::move(gate); }

  // Availability by the window's rules; the items are enabled only when the
  // command is also implemented and not held.
  void SetAvailable(bool available);
  bool Available() const { return available_; }
  bool Implemented() const { return static_cast<bool>(handler_); }
  bool Enabled() const { return available_ && Implemented() && !held_; }
  // Held while a chip operation runs: no command starts beside it. The
  // availability stays as the window's rules set it.
  void SetHeld(bool held);

  void SetChecked(bool checked);
  bool Checked() const { return checked_; }

  // Runs the handler when the command is enabled.
  void Run();

  // Runs a handler so that an exception escaping it ends only that command:
  // the user sees its text and the program goes on.
  static void RunGuarded(WindowMessages& messages, const Handler& handler);
  // Whether a handler run by RunGuarded has not returned yet (it may be
  // waiting in a dialog's event loop).
  static bool Running() { return running_ > 0; }

 private:
  void Refresh();

  static inline int running_ = 0;

  WindowMessages& messages_;
  Handler handler_;
  std::function<bool()> gate_;
  bool available_ = true;
  bool held_ = false;
  bool checked_ = false;
  QList<QPointer<QAction>> items_;
  QList<QPointer<QAbstractButton>> buttons_;
};

}  // namespace tarvel

#include "ui/main/WindowCommand.h"

#include <QAbstractButton>
#include <QAction>
#include <exception>

#include "ui/main/WindowMessages.h"

namespace tarvel {

WindowCommand::WindowCommand(QObject* parent, WindowMessages& messages, Handler handler)
    : QObject(parent), messages_(messages), handler_(std::move(handler)) {}

void WindowCommand::AddItem(QAction& item) {
  items_.append(&item);
  connect(&item, &QAction::triggered, this, &WindowCommand::Run);
  Refresh();
}

void WindowCommand::AddButton(QAbstractButton& button) {
  buttons_.append(&button);
  connect(&button, &QAbstractButton::clicked, this, &WindowCommand::Run);
  Refresh();
}

void WindowCommand::SetHandler(Handler handler) {
  handler_ = std::move(handler);
  Refresh();
}

void WindowCommand::SetAvailable(bool available) {
  available_ = available;
  Refresh();
}

void WindowCommand::SetHeld(bool held) {
  held_ = held;
  Refresh();
}

void WindowCommand::SetChecked(bool checked) {
  checked_ = checked;
  Refresh();
}

void WindowCommand::Run() {
  // A checkable item has toggled itself already; the command's own mark is
  // what the handler reads, and the handler sets the mark anew.
  Refresh();
  if (!Enabled() || (gate_ && !gate_())) return;
  RunGuarded(messages_, handler_);
}

void WindowCommand::RunGuarded(WindowMessages& messages, const Handler& handler) {
  struct Counted {
    Counted() { ++running_; }
    ~Counted() { --running_; }
  } counted;
  try {
    handler();
  } catch (const std::exception& error) {
    messages.Box(QString::fromUtf8(error.what()), QString(), MessageIcon::Error, WindowMessages::Buttons::Ok);
  } catch (...) {
    messages.Box(tr("The command stopped with an unexpected error."), QString(), MessageIcon::Error,
                 WindowMessages::Buttons::Ok);
  }
}

void WindowCommand::Refresh() {
  for (const QPointer<QAction>& item : items_) {
    if (!item) continue;
    item->setEnabled(Enabled());
    if (item->isCheckable()) item->setChecked(checked_);
  }
  for (const QPointer<QAbstractButton>& button : buttons_) {
    if (button) button->setEnabled(Enabled());
  }
}

}  // namespace tarvel

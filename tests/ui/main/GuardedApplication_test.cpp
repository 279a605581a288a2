#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>
#include <stdexcept>

#include "ScriptedMessages.h"
#include "ui/main/GuardedApplication.h"

namespace tarvel::test {
namespace {

class ThrowingObject : public QObject {
 public:
  bool event(QEvent* event) override {
    if (event->type() == QEvent::User) throw std::runtime_error("the port vanished");
    return QObject::event(event);
  }
};

TEST(GuardedApplicationTest, AnExceptionFromAnEventHandlerIsShownAndTheLoopGoesOn) {
  auto* application = dynamic_cast<GuardedApplication*>(QCoreApplication::instance());
  ASSERT_NE(application, nullptr);
  ScriptedMessages messages;
  application->SetMessages(&messages);
  ThrowingObject object;
  QEvent event(QEvent::User);
  EXPECT_FALSE(QCoreApplication::sendEvent(&object, &event));
  application->SetMessages(nullptr);
  ASSERT_EQ(messages.boxes.size(), 1u);
  EXPECT_EQ(messages.boxes[0].text, "the port vanished");
  EXPECT_EQ(messages.boxes[0].icon, MessageIcon::Error);
}

}  // namespace
}  // namespace tarvel::test

#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include "ui/main/QtWindowMessages.h"

namespace tarvel::test {
namespace {

TEST(QtWindowMessagesTest, APathThatLooksLikeMarkupIsShownAsItStands) {
  QtWindowMessages messages;
  Qt::TextFormat format = Qt::AutoText;
  QString shown;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    format = box->textFormat();
    shown = box->text();
    box->accept();
  });
  messages.Box("Can not open /tmp/<b>bold</b>.bin", QString(), MessageIcon::None, WindowMessages::Buttons::Ok);
  EXPECT_EQ(format, Qt::PlainText);
  EXPECT_EQ(shown, "Can not open /tmp/<b>bold</b>.bin");
}

}  // namespace
}  // namespace tarvel::test

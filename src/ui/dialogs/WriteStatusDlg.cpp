#include "ui/dialogs/WriteStatusDlg.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>
#include <QWindow>

#include "ui/dialogs/DialogLook.h"

namespace tarvel {

namespace {

const QColor kDarkBlue(0, 0, 64);
// How long to wait for the window system to map the notice before drawing;
// a notice that is never mapped must not hold up the write.
constexpr int kMapWaitMs = 500;

}  // namespace

TWriteStatusDlg::TWriteStatusDlg(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
  setWindowTitle("書き込み中");
  SetBackground(*this, kDarkBlue);

  writing_ = new QLabel("Writing", this);
  writing_->setObjectName("PnlWriting");
  writing_->setAlignment(Qt::AlignCenter);
  writing_->setFrameStyle(QFrame::Panel | QFrame::Raised);
  writing_->setLineWidth(2);
  SetBackground(*writing_, kDarkBlue);
  SetTextColour(*writing_, Qt::white);
  SetFontPixels(*writing_, 21, true);

  auto* form = new QVBoxLayout(this);
  form->setContentsMargins(2, 2, 2, 2);
  form->addWidget(writing_);
  setFixedSize(268, 61);
}

void TWriteStatusDlg::ShowAndRepaint() {
  QScreen* screen = parentWidget() != nullptr ? parentWidget()->screen() : this->screen();
  if (screen != nullptr) move(screen->availableGeometry().center() - rect().center());
  show();
  raise();
  QElapsedTimer waited;
  waited.start();
  while (!windowHandle()->isExposed() && waited.elapsed() < kMapWaitMs) {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 10);
  }
  repaint();
}

}  // namespace tarvel

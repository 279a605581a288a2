#include "ui/main/TitlePanel.h"

#include <QFontMetrics>

namespace tarvel {

TitlePanel::TitlePanel(QWidget* parent) : QLabel(parent) {
  setTextFormat(Qt::PlainText);
  setFrameShape(QFrame::Panel);
  setFrameShadow(QFrame::Sunken);
  setAlignment(Qt::AlignCenter);
  setMinimumWidth(1);
}

void TitlePanel::SetCaption(const QString& caption) {
  caption_ = caption;
  setToolTip(caption);
  UpdateShownText();
}

void TitlePanel::resizeEvent(QResizeEvent* event) {
  QLabel::resizeEvent(event);
  UpdateShownText();
}

void TitlePanel::UpdateShownText() {
  // The strip has room for one line; a read's title carries a line break.
  QString line = caption_;
  line.replace('\n', ' ');
  const int room = contentsRect().width() - 2 * margin() - 4;
  setText(fontMetrics().elidedText(line, Qt::ElideMiddle, room));
}

}  // namespace tarvel

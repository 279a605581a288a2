#include "ui/dialogs/DialogLook.h"

#include <QApplication>
#include <QLineEdit>
#include <QPalette>
#include <QWidget>

namespace tarvel {

void SetTextColour(QWidget& widget, const QColor& colour) {
  QPalette palette = widget.palette();
  palette.setColor(QPalette::WindowText, colour);
  palette.setColor(QPalette::Text, colour);
  palette.setColor(QPalette::ButtonText, colour);
  widget.setPalette(palette);
}

void SetBackground(QWidget& widget, const QColor& colour) {
  QPalette palette = widget.palette();
  palette.setColor(QPalette::Window, colour);
  widget.setPalette(palette);
  widget.setAutoFillBackground(true);
}

void SetFontPixels(QWidget& widget, int pixels, bool bold) {
  QFont font = widget.font();
  font.setPixelSize(pixels);
  font.setBold(bold);
  widget.setFont(font);
}

void SetEditBoxEnabled(QLineEdit& edit, bool enabled) {
  const QPalette standard = QApplication::palette(&edit);
  QPalette palette = edit.palette();
  const QColor face = standard.color(QPalette::Active, enabled ? QPalette::Base : QPalette::Button);
  for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    palette.setColor(group, QPalette::Base, face);
  }
  edit.setPalette(palette);
  edit.setEnabled(enabled);
}

}  // namespace tarvel

#include "ui/dialogs/DialogLook.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPalette>
#include <QPointer>
#include <QPushButton>
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

namespace {

class FocusOnOpen : public QObject {
 public:
  FocusOnOpen(QDialog& dialog, QWidget* control) : QObject(&dialog), dialog_(dialog), control_(control) {
    dialog.installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* /*watched*/, QEvent* event) override {
    if (event->type() != QEvent::Show) return false;
    QWidget* target = control_;
    for (QPushButton* button : dialog_.findChildren<QPushButton*>()) {
      if (target == nullptr && button->isDefault() && button->isVisible()) target = button;
    }
    if (target != nullptr) target->setFocus(Qt::OtherFocusReason);
    return false;
  }

 private:
  QDialog& dialog_;
  QPointer<QWidget> control_;
};

}  // namespace

void OpenWithFocusOn(QDialog& dialog, QWidget* control) { new FocusOnOpen(dialog, control); }

constexpr const char* kOkName = "BitBtn1";
constexpr const char* kCancelName = "BtnCancel";

QHBoxLayout* OkCancelRow(QDialog& dialog, bool alignRight) {
  auto* ok = new QPushButton(&dialog);
  ok->setObjectName(kOkName);
  ok->setDefault(true);
  auto* cancel = new QPushButton(&dialog);
  cancel->setObjectName(kCancelName);
  cancel->setAutoDefault(false);
  QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
  QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
  auto* row = new QHBoxLayout;
  if (alignRight) row->addStretch();
  row->addWidget(ok);
  row->addWidget(cancel);
  WordOkCancel(dialog);
  return row;
}

void WordOkCancel(QDialog& dialog) {
  if (auto* ok = dialog.findChild<QPushButton*>(kOkName)) ok->setText(QCoreApplication::translate("DialogLook", "OK"));
  if (auto* cancel = dialog.findChild<QPushButton*>(kCancelName)) {
    cancel->setText(QCoreApplication::translate("DialogLook", "Cancel"));
  }
}

}  // namespace tarvel

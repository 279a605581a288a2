#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QColor>
#include <QDialog>
#include <QLineEdit>
#include <QPalette>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTest>
#include <stdexcept>

#include "ui/dialogs/RadioGroup.h"

namespace tarvel::test {

// A control of a dialog by the name the dialog gives it; fails the test
// when it is missing.
template <class T>
T& Child(const QObject& parent, const char* name) {
  T* child = parent.findChild<T*>(name);
  if (child == nullptr) {
    ADD_FAILURE() << "no control " << name;
    throw std::runtime_error(name);
  }
  return *child;
}

inline QString CurrentPage(const QObject& parent, const char* pages) {
  return Child<QStackedWidget>(parent, pages).currentWidget()->objectName();
}

// A click as the user makes it (nothing happens on an unavailable button),
// without depending on where the layout has put the button.
inline void Click(QAbstractButton& button) { button.click(); }

inline void ClickItem(const QObject& parent, const char* group, int item) {
  Click(*Child<RadioGroup>(parent, group).Item(item));
}

inline int ItemIndex(const QObject& parent, const char* group) {
  return Child<RadioGroup>(parent, group).ItemIndex();
}

inline QColor Background(const QWidget& widget) { return widget.palette().color(QPalette::Window); }

inline QColor EditColour(const QLineEdit& edit) { return edit.palette().color(QPalette::Active, QPalette::Base); }

// Runs the dialog as the window would, without blocking the test: the
// result is read after a button has been pressed.
inline void OpenModal(QDialog& dialog) {
  dialog.open();
  QCoreApplication::processEvents();
}

}  // namespace tarvel::test

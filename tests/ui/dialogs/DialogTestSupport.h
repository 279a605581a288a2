#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QColor>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTest>
#include <initializer_list>
#include <stdexcept>
#include <utility>

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

// The caption of a label, button or group box.
inline QString Caption(const QObject& parent, const char* name) {
  const QWidget& widget = Child<QWidget>(parent, name);
  if (auto* label = qobject_cast<const QLabel*>(&widget)) return label->text();
  if (auto* button = qobject_cast<const QAbstractButton*>(&widget)) return button->text();
  if (auto* group = qobject_cast<const QGroupBox*>(&widget)) return group->title();
  ADD_FAILURE() << name << " has no caption";
  return {};
}

// Checks the captions of many controls at once: {name, caption} pairs.
inline void ExpectCaptions(const QObject& parent, std::initializer_list<std::pair<const char*, QString>> captions) {
  for (const auto& [name, caption] : captions) EXPECT_EQ(Caption(parent, name), caption) << name;
}

inline QStringList ItemTexts(const QObject& parent, const char* group) {
  const RadioGroup& radio = Child<RadioGroup>(parent, group);
  QStringList texts;
  for (int i = 0; i < radio.Count(); ++i) texts << radio.Item(i)->text();
  return texts;
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

#pragma once

#include <QColor>

class QDialog;
class QHBoxLayout;
class QLineEdit;
class QWidget;

namespace tarvel {

// The few looks the dialogs share: coloured and enlarged texts, coloured
// panels, and edit boxes that turn grey with their availability.
void SetTextColour(QWidget& widget, const QColor& colour);
void SetBackground(QWidget& widget, const QColor& colour);
void SetFontPixels(QWidget& widget, int pixels, bool bold);

// An available edit box shows the window background colour, an unavailable
// one the button face, so the state is plain at a glance.
void SetEditBoxEnabled(QLineEdit& edit, bool enabled);

// Each time the dialog opens, the focus is on `control`, or on the visible
// default button when none is given, wherever it was when the dialog last
// closed: a long-lived dialog closed with Cancel must not open with Cancel
// focused, where Enter would press it.
void OpenWithFocusOn(QDialog& dialog, QWidget* control = nullptr);

// The OK (default, accepts) and Cancel (rejects) pair of a small dialog, in a
// row that the caller places; pushed right when `alignRight`.
QHBoxLayout* OkCancelRow(QDialog& dialog, bool alignRight);
// Words that pair again in the language now in effect.
void WordOkCancel(QDialog& dialog);

}  // namespace tarvel

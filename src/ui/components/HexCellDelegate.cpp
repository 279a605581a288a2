#include "ui/components/HexCellDelegate.h"

#include "ui/components/HexGrid.h"
#include "ui/components/HexTextValidator.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace tarvel {

HexCellDelegate::HexCellDelegate(THexGrid& grid) : QStyledItemDelegate(&grid), grid_(grid) {}

QWidget* HexCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& /*option*/,
                                       const QModelIndex& /*index*/) const {
  auto* editor = new QLineEdit(parent);
  editor->setFrame(false);
  editor->setValidator(new HexTextValidator(editor));
  // createEditor is const, but the editor's signals are the delegate's business.
  auto* self = const_cast<HexCellDelegate*>(this);
  connect(editor, &QLineEdit::textEdited, self, [self, editor] { emit self->commitData(editor); });
  return editor;
}

void HexCellDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
  auto* line = static_cast<QLineEdit*>(editor);
  const QString text = index.data(Qt::EditRole).toString();
  // The cell follows the editor on every keystroke; writing the same text
  // back would lose the cursor and the selection.
  if (line->text() == text) return;
  line->setText(text);
  line->selectAll();
}

void HexCellDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                   const QModelIndex& index) const {
  model->setData(index, static_cast<QLineEdit*>(editor)->text(), Qt::EditRole);
}

bool HexCellDelegate::eventFilter(QObject* object, QEvent* event) {
  if (event->type() == QEvent::KeyPress && grid_.HandleKey(static_cast<QKeyEvent*>(event))) {
    return true;
  }
  return QStyledItemDelegate::eventFilter(object, event);
}

}  // namespace tarvel

#pragma once

#include <QStyledItemDelegate>

namespace tarvel {

class THexGrid;

// The in-place cell editor of a hex grid: a frameless line edit whose every
// change goes straight into the cell (the grid's commands read cells while
// the user is still typing), and whose keys go through the grid's editing
// keys first.
class HexCellDelegate : public QStyledItemDelegate {
  Q_OBJECT

 public:
  explicit HexCellDelegate(THexGrid& grid);

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const override;
  void setEditorData(QWidget* editor, const QModelIndex& index) const override;
  void setModelData(QWidget* editor, QAbstractItemModel* model,
                    const QModelIndex& index) const override;

 protected:
  bool eventFilter(QObject* object, QEvent* event) override;

 private:
  THexGrid& grid_;
};

}  // namespace tarvel

#pragma once

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;
class QRadioButton;
class QVBoxLayout;

namespace tarvel {

// A framed group of radio buttons addressed by item number, as the dialogs
// use them: item -1 means that no item is selected, and ItemClicked reports
// only the user's choices, never a selection made by the program.
class RadioGroup : public QGroupBox {
  Q_OBJECT

 public:
  RadioGroup(const QString& caption, const QStringList& items, QWidget* parent = nullptr);

  void SetItems(const QStringList& items);  // clears the selection
  // New texts for the items there are, the selection kept.
  void RenameItems(const QStringList& items);
  QStringList Items() const;
  int Count() const;
  QRadioButton* Item(int index) const;

  int ItemIndex() const;
  void SetItemIndex(int index);  // any index outside the items selects none

 signals:
  void ItemClicked(int index);

 private:
  QButtonGroup* buttons_;
  QVBoxLayout* layout_;
};

}  // namespace tarvel

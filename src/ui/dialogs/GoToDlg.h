#pragma once

#include <QDialog>

#include <cstdint>

#include "platform/UserMessages.h"
#include "ui/dialogs/HexEntry.h"

class QLineEdit;

namespace tarvel {

// Asks for an address of the grid to go to; OK takes only one the grid has.
class TGoToDlg : public QDialog {
  Q_OBJECT

 public:
  TGoToDlg(UserMessages& messages, const HexGridShape& shape, QWidget* parent = nullptr);

  void SetAddress(int32_t address);
  // Valid once the dialog has closed with OK.
  int32_t Address() const { return address_; }

  void accept() override;

 private:
  UserMessages& messages_;
  const HexGridShape shape_;
  QLineEdit* addressEdit_;
  int32_t address_ = 0;
};

}  // namespace tarvel

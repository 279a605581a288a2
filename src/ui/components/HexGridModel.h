#pragma once

#include <QAbstractTableModel>
#include <QString>

#include <vector>

namespace tarvel {

// The cell texts of a hex grid's data area, row by row, and its header texts.
// Rows and columns are those of the data area (no header row, no address
// column). Changing the shape keeps every text at its row and column, as a
// string grid does.
class HexGridModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  explicit HexGridModel(QObject* parent = nullptr);

  void SetShape(int rows, int columns);
  void SetAddressDigits(int digits);
  int AddressDigits() const { return addressDigits_; }
  void RefreshAddressLabels();

  const QString& Text(int row, int column) const;
  void SetText(int row, int column, const QString& text);
  void FillAll(const QString& text);

  QString AddressLabel(int row) const;
  QString ColumnHeader(int column) const;

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  void SetRowCount(int rows);
  void SetColumnCount(int columns);

  std::vector<QString> cells_;
  int rows_ = 0;
  int columns_ = 0;
  int addressDigits_ = 4;
};

}  // namespace tarvel

#pragma once

#include <QDialog>

#include <cstdint>

#include "engine/ImageDifference.h"

class QTableView;

namespace tarvel {

// Every address where a compare found the chip different from the image,
// with the image's and the chip's values in the grid's own digits. It stays
// open beside the window: a double click on a row asks for that cell.
class TDifferenceListDlg : public QDialog {
  Q_OBJECT

 public:
  // Which grid the list compares.
  enum class Image { Program, Data };

  TDifferenceListDlg(Image image, ImageDifferences differences, int32_t addressDigits, int32_t dataDigits,
                     QWidget* parent = nullptr);
  ~TDifferenceListDlg() override;

  // The list as comma-separated lines under a header line.
  QString CsvText() const;
  QTableView& Table() { return *table_; }

 signals:
  void AddressChosen(int32_t address);
  void SaveRequested();

 private:
  class Rows;
  Rows* rows_;
  QTableView* table_;
};

}  // namespace tarvel

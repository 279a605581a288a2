#include "ui/dialogs/DifferenceListDlg.h"

#include <QAbstractTableModel>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include <utility>

#include "ui/components/HexCellText.h"

namespace tarvel {
namespace {

// The header of the saved file stays the same in every language, for the
// programs that read it.
const QStringList kCsvHeader = {"Address", "Image", "Chip"};
const char* const kHeader[] = {QT_TRANSLATE_NOOP("tarvel::TDifferenceListDlg", "Address"),
                               QT_TRANSLATE_NOOP("tarvel::TDifferenceListDlg", "Image"),
                               QT_TRANSLATE_NOOP("tarvel::TDifferenceListDlg", "Chip")};
constexpr int kColumns = 3;

}  // namespace

// The differences as table rows, texts made when asked: a list may hold
// every byte of a 24xx256.
class TDifferenceListDlg::Rows : public QAbstractTableModel {
 public:
  Rows(ImageDifferences differences, int32_t addressDigits, int32_t dataDigits, QObject* parent)
      : QAbstractTableModel(parent),
        differences_(std::move(differences)),
        addressDigits_(addressDigits),
        dataDigits_(dataDigits) {}

  int rowCount(const QModelIndex& parent = QModelIndex()) const override {
    return parent.isValid() ? 0 : static_cast<int>(differences_.size());
  }
  int columnCount(const QModelIndex& parent = QModelIndex()) const override {
    return parent.isValid() ? 0 : kColumns;
  }
  QVariant data(const QModelIndex& index, int role) const override {
    if (!index.isValid() || role != Qt::DisplayRole) return QVariant();
    return Text(index.row(), index.column());
  }
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < kColumns) {
      return TDifferenceListDlg::tr(kHeader[section]);
    }
    return QAbstractTableModel::headerData(section, orientation, role);
  }

  QString Text(int row, int column) const {
    const ImageDifference& difference = differences_[static_cast<size_t>(row)];
    if (column == 0) return HexCellText::AddressText(difference.Address, addressDigits_);
    const int32_t value = column == 1 ? difference.WantedValue : difference.ReadValue;
    return HexCellText::Hex(static_cast<uint32_t>(value), dataDigits_);
  }
  int32_t Address(int row) const { return differences_[static_cast<size_t>(row)].Address; }

 private:
  const ImageDifferences differences_;
  const int32_t addressDigits_;
  const int32_t dataDigits_;
};

TDifferenceListDlg::TDifferenceListDlg(Image image, ImageDifferences differences, int32_t addressDigits,
                                       int32_t dataDigits, QWidget* parent)
    : QDialog(parent),
      rows_(new Rows(std::move(differences), addressDigits, dataDigits, this)),
      table_(new QTableView(this)) {
  const bool program = image == Image::Program;
  setWindowTitle(program ? tr("Differences - Program") : tr("Differences - Data"));
  const int count = rows_->rowCount();
  QString summaryText;
  if (program) {
    summaryText = count == 1 ? tr("%1 address where the chip differs from the program image. Double-click a row to "
                                  "select its cell.")
                             : tr("%1 addresses where the chip differs from the program image. Double-click a row "
                                  "to select its cell.");
  } else {
    summaryText = count == 1 ? tr("%1 address where the chip differs from the data image. Double-click a row to "
                                  "select its cell.")
                             : tr("%1 addresses where the chip differs from the data image. Double-click a row to "
                                  "select its cell.");
  }
  auto* summary = new QLabel(summaryText.arg(count), this);
  summary->setObjectName("LblSummary");
  summary->setWordWrap(true);
  table_->setObjectName("ListDifferences");
  table_->setModel(rows_);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->verticalHeader()->hide();
  // Fixed rows: measuring a list of 32768 rows would make it slow to open.
  table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
  table_->horizontalHeader()->setStretchLastSection(true);
  connect(table_, &QTableView::doubleClicked, this,
          [this](const QModelIndex& index) { emit AddressChosen(rows_->Address(index.row())); });

  auto* save = new QPushButton(tr("Save as CSV..."), this);
  save->setObjectName("BtnSaveCsv");
  save->setAutoDefault(false);
  connect(save, &QPushButton::clicked, this, &TDifferenceListDlg::SaveRequested);
  auto* close = new QPushButton(tr("Close"), this);
  close->setObjectName("BtnClose");
  connect(close, &QPushButton::clicked, this, &QDialog::close);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(save);
  buttons->addStretch();
  buttons->addWidget(close);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(summary);
  layout->addWidget(table_);
  layout->addLayout(buttons);
  resize(420, 360);
}

TDifferenceListDlg::~TDifferenceListDlg() = default;

QString TDifferenceListDlg::CsvText() const {
  QString csv = kCsvHeader.join(',') + '\n';
  for (int row = 0; row < rows_->rowCount(); ++row) {
    csv += rows_->Text(row, 0) + ',' + rows_->Text(row, 1) + ',' + rows_->Text(row, 2) + '\n';
  }
  return csv;
}

}  // namespace tarvel

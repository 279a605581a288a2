#include "ui/main/ImageStatus.h"

#include <QLabel>
#include <QStatusBar>
#include <vector>

#include "files/ImageChecksum.h"
#include "ui/components/HexCellText.h"
#include "ui/components/HexGrid.h"

namespace tarvel {

using HexCellText::Hex;

ImageStatus::ImageStatus(QStatusBar& bar, const THexGrid& program, const THexGrid& data, std::function<Facts()> facts)
    : QObject(&bar), program_(program), data_(data), facts_(std::move(facts)), label_(new QLabel(&bar)) {
  label_->setObjectName("StatusImages");
  label_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  bar.addPermanentWidget(label_);
  pending_.setSingleShot(true);
  pending_.setInterval(0);
  connect(&pending_, &QTimer::timeout, this, &ImageStatus::Show);
  Watch(program);
  Watch(data);
  Retranslate();
}

void ImageStatus::Retranslate() {
  label_->setToolTip(
      tr("Checksum: the 16-bit sum of the program words and the configuration word, as PIC tools show it.\n"
         "Config: the configuration word that goes with the program, from its file or the chip.\n"
         "CRC-32: of the data image. Blank cells count as erased."));
  Refresh();
}

void ImageStatus::Watch(const THexGrid& grid) {
  const QAbstractItemModel* model = grid.model();
  connect(model, &QAbstractItemModel::dataChanged, this, &ImageStatus::Refresh);
  connect(model, &QAbstractItemModel::headerDataChanged, this, &ImageStatus::Refresh);
  connect(model, &QAbstractItemModel::rowsInserted, this, &ImageStatus::Refresh);
  connect(model, &QAbstractItemModel::rowsRemoved, this, &ImageStatus::Refresh);
  connect(model, &QAbstractItemModel::modelReset, this, &ImageStatus::Refresh);
}

void ImageStatus::Refresh() { pending_.start(); }

void ImageStatus::Show() {
  const Facts facts = facts_();
  QStringList parts;
  if (facts.program) {
    const uint16_t checksum = PicProgramChecksum(program_.Values<uint16_t>(), facts.config, facts.wordMask);
    parts << tr("Checksum %1H").arg(Hex(checksum, 4));
    if (facts.config) {
      parts << (facts.configFromFile ? tr("Config %1H (file)") : tr("Config %1H (chip)")).arg(Hex(*facts.config, 4));
    }
  }
  if (facts.data) {
    parts << tr("CRC-32 %1").arg(Hex(DataImageCrc32(data_.Values<uint8_t>()), 8));
  }
  label_->setText(parts.join("  "));
}

}  // namespace tarvel

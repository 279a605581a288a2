#include "ui/dialogs/WriterTestDlg.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <vector>

#include "ui/components/HexCellText.h"
#include "ui/dialogs/DialogLook.h"
#include "ui/dialogs/RadioGroup.h"

namespace tarvel {

struct TWriterTestDlg::LevelGroup {
  const char* name;
  const char* caption;
  QStringList items;
  uint8_t ownedBits;
  std::vector<uint8_t> itemBits;
  int initialItem;  // matches the output byte 0 of a new dialog
};

// The pin names and the levels with their data bits read the same in every
// language; only the supply group's caption is a word.
const std::array<TWriterTestDlg::LevelGroup, 4> TWriterTestDlg::kLevelGroups = {{
    {"RGPower", QT_TRANSLATE_NOOP("tarvel::TWriterTestDlg", "Power"), {"ON   D6...H", "OFF  D6...L"}, 0x40,
     {0x40, 0x00}, 1},
    {"RGMclr", "MCLR",
     {"VPP (12.5V)  D3...H  D4...L", "GND ( 0V  )  D3...L   D4..H", "VDD ( 5V  )  D3...L   D4...L",
      "GND ( 0V  )  D3...H  D4...H"},
     0x18,
     {0x08, 0x10, 0x00, 0x18},
     2},
    {"RGRb6", "RB6", {"Z (Open) D5..H  D1..L  ", "H (5V)    D5..L  D1..H ", "L (0V)    D5...L  D1..L "}, 0x22,
     {0x20, 0x02, 0x00}, 2},
    {"RGRb7", "RB7", {"Z (Open) D2..H  D0..L  ", "H (5V)    D2..L  D0..H ", "L (0V)    D2...L  D0..L "}, 0x05,
     {0x04, 0x01, 0x00}, 2},
}};

namespace {

const QColor kSilver(0xC0, 0xC0, 0xC0);
const QColor kLampOn(0xFF, 0x00, 0x00);
const QColor kInputHigh(0x00, 0x00, 0xFF);

QLabel* MakeLamp(const QString& name, const QString& caption, QWidget* parent) {
  auto* lamp = new QLabel(caption, parent);
  lamp->setObjectName(name);
  lamp->setAlignment(Qt::AlignCenter);
  lamp->setFrameStyle(QFrame::Panel | QFrame::Raised);
  lamp->setFixedSize(30, 22);
  SetBackground(*lamp, kSilver);
  return lamp;
}

QFrame* MakeBevel(const char* name, QWidget* parent) {
  auto* bevel = new QFrame(parent);
  bevel->setObjectName(name);
  bevel->setFrameStyle(QFrame::Box | QFrame::Sunken);
  return bevel;
}

}  // namespace

TWriterTestDlg::TWriterTestDlg(PortIo& io, QWidget* parent) : QDialog(parent), io_(io) {
  setWindowTitle(tr("Writer Test"));

  auto* message = new QLabel(tr("Disconnect the writer from PIC."), this);
  message->setObjectName("LblMessage");
  SetTextColour(*message, Qt::red);
  SetFontPixels(*message, 20, true);
  auto* topPanel = new QFrame(this);
  topPanel->setObjectName("Panel1");
  topPanel->setFrameStyle(QFrame::Panel | QFrame::Raised);
  auto* topRow = new QHBoxLayout(topPanel);
  topRow->addWidget(message);

  auto* levelRow = new QHBoxLayout;
  for (size_t i = 0; i < kLevelGroups.size(); ++i) {
    const LevelGroup& group = kLevelGroups[i];
    levels_[i] = new RadioGroup(tr(group.caption), group.items, this);
    levels_[i]->setObjectName(group.name);
    levels_[i]->SetItemIndex(group.initialItem);
    levels_[i]->setEnabled(false);
    connect(levels_[i], &RadioGroup::ItemClicked, this, [this, &group](int item) { LevelClick(group, item); });
    levelRow->addWidget(levels_[i]);
  }

  auto* outputLabel = new QLabel(tr("Output"), this);
  outputLabel->setObjectName("LblOutput");
  outData_ = new QLabel("00H", this);
  outData_->setObjectName("LblOutData");
  SetTextColour(*outData_, QColor(0x00, 0x80, 0x00));
  SetFontPixels(*outData_, 20, true);
  auto* outBevel = MakeBevel("Bevel1", this);
  auto* outBox = new QHBoxLayout(outBevel);
  outBox->addWidget(outData_);

  auto* dataBevel = MakeBevel("Bevel2", this);
  auto* lampRow = new QHBoxLayout(dataBevel);
  for (int bit = 7; bit >= 0; --bit) {
    dataLamps_[bit] = MakeLamp(QString("PD%1").arg(bit), QString("D%1").arg(bit), dataBevel);
    lampRow->addWidget(dataLamps_[bit]);
  }
  auto* inputBevel = MakeBevel("Bevel3", this);
  auto* inputBox = new QHBoxLayout(inputBevel);
  inputLamp_ = MakeLamp("PDIn", tr("In"), inputBevel);
  inputBox->addWidget(inputLamp_);

  auto* outputRow = new QHBoxLayout;
  outputRow->addWidget(outputLabel);
  outputRow->addWidget(outBevel);
  outputRow->addSpacing(16);
  outputRow->addWidget(dataBevel);
  outputRow->addSpacing(16);
  outputRow->addWidget(inputBevel);
  outputRow->addStretch();

  auto* portSelect = new RadioGroup(
      tr("ParallelPort"), {"AT (378H)", "AT (3BCH)", "AT (278H)", "PC98 (40H)", "PC98 (140H)"}, this);
  portSelect->setObjectName("RGPortSelect");
  connect(portSelect, &RadioGroup::ItemClicked, this, &TWriterTestDlg::RGPortSelectClick);
  auto* finish = new QPushButton(tr("Finish"), this);
  finish->setObjectName("BtnEnd");
  finish->setAutoDefault(false);
  connect(finish, &QPushButton::clicked, this, &QDialog::close);
  auto* rightPanel = new QFrame(this);
  rightPanel->setObjectName("Panel3");
  auto* rightColumn = new QVBoxLayout(rightPanel);
  rightColumn->setContentsMargins(0, 0, 0, 0);
  rightColumn->addWidget(portSelect);
  rightColumn->addStretch();
  rightColumn->addWidget(finish);

  auto* leftColumn = new QVBoxLayout;
  leftColumn->addWidget(topPanel);
  leftColumn->addLayout(levelRow);
  leftColumn->addLayout(outputRow);

  auto* columns = new QHBoxLayout(this);
  columns->addLayout(leftColumn);
  columns->addWidget(rightPanel);
  columns->setSizeConstraint(QLayout::SetFixedSize);

  inputTimer_ = new QTimer(this);
  inputTimer_->setObjectName("InputTimer");
  inputTimer_->setInterval(kInputPollMs);
  connect(inputTimer_, &QTimer::timeout, this, &TWriterTestDlg::InputTimerTimer);
}

void TWriterTestDlg::RGPortSelectClick(int index) {
  if (index < 0 || index >= kParallelPortTypeCount) return;
  if (port_ != nullptr) io_.Out(static_cast<uint16_t>(port_->dataAddress), kIdleByte);
  port_ = &kParallelPortRegisters[index];
  for (RadioGroup* level : levels_) level->setEnabled(true);
  inputTimer_->start();
  OutputRefresh();
  InputRefresh();
}

void TWriterTestDlg::LevelClick(const LevelGroup& group, int item) {
  if (item < 0 || item >= static_cast<int>(group.itemBits.size())) return;
  output_ = static_cast<uint8_t>((output_ & ~group.ownedBits) | group.itemBits[item]);
  OutputRefresh();
  InputRefresh();
}

void TWriterTestDlg::InputTimerTimer() { InputRefresh(); }

void TWriterTestDlg::OutputRefresh() {
  if (port_ == nullptr) return;
  io_.Out(static_cast<uint16_t>(port_->dataAddress), output_);
  outData_->setText(HexCellText::Hex(output_, 2) + QLatin1Char('H'));
  for (int bit = 0; bit < 8; ++bit) SetBackground(*dataLamps_[bit], (output_ >> bit) & 1 ? kLampOn : kSilver);
}

void TWriterTestDlg::InputRefresh() {
  if (port_ == nullptr) return;
  const uint8_t status = io_.In(static_cast<uint16_t>(port_->statusAddress));
  // The input is inverted on every port: a clear bit means the line is high.
  SetBackground(*inputLamp_, (status & port_->busyMask) == 0 ? kInputHigh : kSilver);
}

void TWriterTestDlg::done(int result) {
  inputTimer_->stop();
  if (port_ != nullptr) {
    output_ = 0;
    OutputRefresh();
    io_.Out(static_cast<uint16_t>(port_->dataAddress), kIdleByte);
    port_ = nullptr;  // let go of it: a second close must not touch it again
  }
  QDialog::done(result);
}

}  // namespace tarvel

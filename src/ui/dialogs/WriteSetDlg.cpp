#include "ui/dialogs/WriteSetDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/WaitTimeMeasurement.h"
#include "ui/components/HexCellText.h"
#include "ui/dialogs/DialogLook.h"
#include "ui/dialogs/RadioGroup.h"

namespace tarvel {

namespace {

int HexDigitValue(QChar c) {
  const char16_t u = c.unicode();
  if (u >= '0' && u <= '9') return u - '0';
  if (u >= 'a' && u <= 'f') return u - 'a' + 10;
  if (u >= 'A' && u <= 'F') return u - 'A' + 10;
  return 0;
}

QCheckBox* NamedCheckBox(const char* name, const QString& caption, QWidget* parent) {
  auto* box = new QCheckBox(caption, parent);
  box->setObjectName(name);
  return box;
}

}  // namespace

TWriteSetDlg::TWriteSetDlg(Clock& clock, UserMessages& messages, QWidget* parent)
    : QDialog(parent), clock_(clock), messages_(messages) {
  setWindowTitle(tr("Write Setup"));

  overWriteEnable_ = NamedCheckBox("CBOverWriteEnable", tr("Don't overwrite the same data."), this);

  auto* fillGroup = new QGroupBox(tr("Fill in empty area"), this);
  fillGroup->setObjectName("GroupBox1");
  fillUpEnable_ = NamedCheckBox("CBFillUpEnable", tr("Fill UP"), fillGroup);
  auto* withLabel = new QLabel(tr("with"), fillGroup);
  withLabel->setObjectName("Label1");
  fillUpData_ = new QLineEdit("0000", fillGroup);
  fillUpData_->setObjectName("EdtFillUpData");
  fillUpData_->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9A-Fa-f]{1,4}"), fillUpData_));
  fillUpData_->setFixedWidth(fillUpData_->fontMetrics().horizontalAdvance("00000000") + 12);
  auto* hexLabel = new QLabel(tr("Ｈ"), fillGroup);
  hexLabel->setObjectName("Label2");
  auto* fillRow = new QHBoxLayout(fillGroup);
  fillRow->addWidget(fillUpEnable_);
  fillRow->addSpacing(8);
  fillRow->addWidget(withLabel);
  fillRow->addWidget(fillUpData_);
  fillRow->addWidget(hexLabel);
  fillRow->addStretch();

  auto* waitGroup = new QGroupBox(tr("Write Wait"), this);
  waitGroup->setObjectName("GroupBox2");
  wait_ = new QSpinBox(waitGroup);
  wait_->setObjectName("UDWait");
  wait_->setRange(WaitTimeMeasurement::kMinWaitTime, WaitTimeMeasurement::kMaxWaitTime);
  wait_->setValue(1);
  wait_->setWrapping(false);
  // The thousands separator must show even where the locale leaves it out.
  QLocale numbers = locale();
  numbers.setNumberOptions(numbers.numberOptions() & ~QLocale::OmitGroupSeparator);
  wait_->setLocale(numbers);
  wait_->setGroupSeparatorShown(true);
  wait_->setMinimumWidth(wait_->fontMetrics().horizontalAdvance("000,000") + 40);
  measure_ = new QPushButton(tr("Measure"), waitGroup);
  measure_->setObjectName("BtnMeasure");
  measure_->setAutoDefault(false);
  auto* waitRow = new QHBoxLayout(waitGroup);
  waitRow->addWidget(wait_);
  waitRow->addWidget(measure_);
  waitRow->addStretch();

  auto* powerGroup = new QGroupBox(tr("Power Control"), this);
  powerGroup->setObjectName("GBPowerControl");
  startPowerOn_ = NamedCheckBox("CBStartPowerON", tr("Power on at start"), powerGroup);
  endPowerOff_ = NamedCheckBox("CBEndPowerOFF", tr("Power off at end"), powerGroup);
  auto* powerColumn = new QVBoxLayout(powerGroup);
  powerColumn->addWidget(startPowerOn_);
  powerColumn->addWidget(endPowerOff_);

  startGiveIo_ = NamedCheckBox("CBStartGiveIO", tr("Auto Start GiveIO.sys"), this);

  portSelect_ = new RadioGroup(
      tr("Parallel Port"), {"AT (378H)", "AT (3BCH)", "AT (278H)", "PC98 (40H)", "PC98 (140H)"}, this);
  portSelect_->setObjectName("RGPortSelect");
  portSelect_->SetItemIndex(0);

  auto* accessLabel = new QLabel(tr("Port access"), this);
  portAccess_ = new QComboBox(this);
  portAccess_->setObjectName("CBPortAccess");
  portAccess_->addItems({tr("Automatic"), tr("Kernel parallel port device"), tr("Direct I/O"), tr("Simulated writer")});
  accessLabel->setBuddy(portAccess_);

  ok_ = new QPushButton(tr("OK"), this);
  ok_->setObjectName("OkButton");
  ok_->setDefault(true);
  cancel_ = new QPushButton(tr("Cancel"), this);
  cancel_->setObjectName("CancelButton");
  cancel_->setAutoDefault(false);

  auto* left = new QVBoxLayout;
  left->addWidget(overWriteEnable_);
  left->addWidget(fillGroup);
  left->addWidget(waitGroup);
  left->addWidget(powerGroup);
  left->addWidget(startGiveIo_);
  left->addStretch();

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok_);
  buttons->addWidget(cancel_);

  auto* right = new QVBoxLayout;
  right->addWidget(portSelect_);
  right->addWidget(accessLabel);
  right->addWidget(portAccess_);
  right->addStretch();
  right->addLayout(buttons);

  auto* columns = new QHBoxLayout(this);
  columns->addLayout(left);
  columns->addSpacing(8);
  columns->addLayout(right);
  columns->setSizeConstraint(QLayout::SetFixedSize);

  connect(fillUpEnable_, &QCheckBox::toggled, this, &TWriteSetDlg::CBFillUpEnableClick);
  connect(measure_, &QPushButton::clicked, this, &TWriteSetDlg::BtnMeasureClick);
  connect(ok_, &QPushButton::clicked, this, &TWriteSetDlg::OkButtonClick);
  connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
  OpenWithFocusOn(*this);

  CBFillUpEnableClick();
}

void TWriteSetDlg::SetCancelEnabled(bool enabled) { cancel_->setEnabled(enabled); }

void TWriteSetDlg::keyPressEvent(QKeyEvent* event) {
  // Esc stands for the Cancel button, so it does nothing while that is off.
  if (event->key() == Qt::Key_Escape && !cancel_->isEnabled()) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

// An empty fill value would program 0 into every empty cell.
void TWriteSetDlg::OkButtonClick() {
  if (!fillUpData_->hasAcceptableInput()) {
    messages_.Show(tr("Enter the fill value as one to four hexadecimal digits (0 to FFFF).").toStdString());
    fillUpData_->setFocus();
    return;
  }
  accept();
}

void TWriteSetDlg::BtnMeasureClick() { wait_->setValue(WaitTimeMeasurement::Measure(clock_)); }

void TWriteSetDlg::CBFillUpEnableClick() { SetEditBoxEnabled(*fillUpData_, fillUpEnable_->isChecked()); }

void TWriteSetDlg::SetOverWriteEnable(bool value) { overWriteEnable_->setChecked(!value); }

void TWriteSetDlg::SetWaitTime(int32_t value) {
  wait_->setValue(value);
  if (value <= 1) BtnMeasureClick();
}

void TWriteSetDlg::SetFillUpEnable(bool value) { fillUpEnable_->setChecked(value); }

void TWriteSetDlg::SetFillUpData(int32_t value) {
  fillUpData_->setText(HexCellText::Hex(static_cast<uint32_t>(value), 4));
}

void TWriteSetDlg::SetPortType(int value) {
  portSelect_->SetItemIndex(value >= 0 && value < kParallelPortTypeCount ? value : AT378);
}

void TWriteSetDlg::SetStartPowerON(bool value) { startPowerOn_->setChecked(value); }
void TWriteSetDlg::SetEndPowerOFF(bool value) { endPowerOff_->setChecked(value); }
void TWriteSetDlg::SetStartGiveIO(bool value) { startGiveIo_->setChecked(value); }

void TWriteSetDlg::SetPortAccess(int value) {
  portAccess_->setCurrentIndex(value >= 0 && value < kPortAccessCount ? value : 0);
}

bool TWriteSetDlg::OverWriteEnable() const { return !overWriteEnable_->isChecked(); }
int32_t TWriteSetDlg::WaitTime() const { return wait_->value(); }
bool TWriteSetDlg::FillUpEnable() const { return fillUpEnable_->isChecked(); }

int32_t TWriteSetDlg::FillUpData() const {
  uint32_t value = 0;
  for (QChar c : fillUpData_->text()) value = value * 16 + static_cast<uint32_t>(HexDigitValue(c));
  return static_cast<int32_t>(value);
}

PPortType TWriteSetDlg::PortType() const {
  return static_cast<PPortType>(std::max(portSelect_->ItemIndex(), 0));
}

bool TWriteSetDlg::StartPowerON() const { return startPowerOn_->isChecked(); }
bool TWriteSetDlg::EndPowerOFF() const { return endPowerOff_->isChecked(); }
bool TWriteSetDlg::StartGiveIO() const { return startGiveIo_->isChecked(); }
int TWriteSetDlg::PortAccess() const { return portAccess_->currentIndex(); }

}  // namespace tarvel

#include "ui/dialogs/AboutBox.h"

#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/dialogs/DialogLook.h"

namespace tarvel {

namespace {

constexpr int kWidth = 299;
constexpr int kBottomPanelHeight = 39;

const char* const kMemoText = QT_TRANSLATE_NOOP(
    "tarvel::TAboutBox",
    "tarvel - a programmer for PIC microcontrollers and 24xx I2C serial EEPROMs\n"
    "\n"
    "READ ME\n"
    "\n"
    "The writer hangs on a PC parallel port. Choose the port and press [Measure] "
    "in Option - Write Setup once on every machine: the programming waits are "
    "scaled by the measured value.\n"
    "\n"
    "Port access on Linux: the kernel's parallel port device /dev/parportN works "
    "for a member of the group lp, without root. Direct I/O needs root. "
    "\"Simulated writer\" runs every command against a virtual chip, so the "
    "program can be tried without a writer. USB printer adapters cannot drive "
    "single lines and cannot be used as a writer.\n"
    "\n"
    "Write: the grid's values go to the chip and are read back; a failure names "
    "the address, the wanted value and the value read. Empty cells are skipped "
    "unless Fill UP is on.\n"
    "\n"
    "Code protection makes program and data memory unreadable. A protected "
    "flash device must be erased before it can be written again; an EPROM "
    "device stays protected.\n"
    "\n"
    "Serial ROM: choose the category and the size (24xx01 to 24xx256); the "
    "data grid holds the whole EEPROM.\n"
    "\n"
    "VERSION HISTORY\n"
    "\n"
    "2.37  The Linux edition, built with Qt 6: the port through the kernel's "
    "parallel port device or direct I/O, chosen in Write Setup; the simulated "
    "writer; a serial EEPROM that does not answer is reported with its address "
    "instead of holding the program; settings in ~/.config/Melfort/tarvel.conf.\n");

// The picture: a DIP chip in its socket beside the program's name.
QPixmap MakePicture() {
  QPixmap picture(273, 105);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  QLinearGradient sky(0, 0, 0, 105);
  sky.setColorAt(0, QColor(0x20, 0x40, 0x90));
  sky.setColorAt(1, QColor(0x08, 0x10, 0x30));
  painter.fillRect(picture.rect(), sky);

  const QRect body(22, 22, 70, 62);
  painter.setPen(QPen(QColor(0xC8, 0xC8, 0xC8), 2));
  for (int pin = 0; pin < 9; ++pin) {
    const int x = body.left() + 6 + pin * 7;
    painter.drawLine(x, body.top() - 8, x, body.top());
    painter.drawLine(x, body.bottom(), x, body.bottom() + 8);
  }
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0x18, 0x18, 0x18));
  painter.drawRoundedRect(body, 3, 3);
  painter.setBrush(QColor(0x50, 0x50, 0x50));
  painter.drawEllipse(QPoint(body.left() + 8, body.center().y()), 4, 4);
  painter.setPen(QColor(0xE0, 0xE0, 0xE0));
  QFont small = painter.font();
  small.setPixelSize(10);
  painter.setFont(small);
  painter.drawText(body, Qt::AlignCenter, "PIC");

  QFont title = painter.font();
  title.setPixelSize(38);
  title.setBold(true);
  painter.setFont(title);
  painter.setPen(QColor(0xFF, 0xD0, 0x40));
  painter.drawText(QRect(108, 14, 160, 50), Qt::AlignLeft | Qt::AlignVCenter, "tarvel");
  small.setPixelSize(12);
  painter.setFont(small);
  painter.setPen(Qt::white);
  painter.drawText(QRect(110, 62, 160, 36), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                   TAboutBox::tr("PIC & 24xx EEPROM writer"));
  return picture;
}

}  // namespace

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
  auto* top = new QFrame(this);
  top->setObjectName("Panel1");
  top->setFrameStyle(QFrame::Panel | QFrame::Raised);
  top->setLineWidth(2);
  top->setFixedHeight(kCollapsedHeight - kBottomPanelHeight);
  image_ = new QLabel(top);
  image_->setObjectName("Image1");
  version_ = new QLabel(top);
  version_->setObjectName("Version");
  SetTextColour(*version_, Qt::red);
  SetFontPixels(*version_, 16, false);
  memoButton_ = new QPushButton(top);
  memoButton_->setObjectName("BtnMemo");
  memoButton_->setAutoDefault(false);
  auto* topColumn = new QVBoxLayout(top);
  topColumn->setSpacing(2);
  topColumn->addWidget(image_, 0, Qt::AlignHCenter);
  topColumn->addWidget(version_);
  productLine_ = new QLabel(top);
  writerLine_ = new QLabel(top);
  for (QLabel* line : {new QLabel("Melfort", top), productLine_, writerLine_}) topColumn->addWidget(line);
  topColumn->addStretch();
  topColumn->addWidget(memoButton_, 0, Qt::AlignRight);

  memoPanel_ = new QFrame(this);
  memoPanel_->setObjectName("PanelMemo");
  memo_ = new QPlainTextEdit(memoPanel_);
  memo_->setObjectName("Memo");
  memo_->setReadOnly(true);
  memo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  auto* memoBox = new QVBoxLayout(memoPanel_);
  memoBox->setContentsMargins(0, 0, 0, 0);
  memoBox->addWidget(memo_);
  memoPanel_->hide();

  auto* bottom = new QFrame(this);
  bottom->setObjectName("Panel2");
  bottom->setFixedHeight(kBottomPanelHeight);
  ok_ = new QPushButton(bottom);
  ok_->setObjectName("BitBtn1");
  ok_->setDefault(true);
  auto* bottomRow = new QHBoxLayout(bottom);
  bottomRow->setContentsMargins(4, 4, 4, 4);
  bottomRow->addStretch();
  bottomRow->addWidget(ok_);
  bottomRow->addStretch();

  auto* form = new QVBoxLayout(this);
  form->setContentsMargins(0, 0, 0, 0);
  form->setSpacing(0);
  form->addWidget(top);
  form->addWidget(memoPanel_, 1);
  form->addWidget(bottom);
  setFixedSize(kWidth, kCollapsedHeight);

  connect(memoButton_, &QPushButton::clicked, this, &TAboutBox::BtnMemoClick);
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
  OpenWithFocusOn(*this);
  Retranslate();
}

void TAboutBox::SetVersion(const QString& caption) { version_->setText(caption); }

void TAboutBox::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) Retranslate();
  QDialog::changeEvent(event);
}

void TAboutBox::Retranslate() {
  setWindowTitle(tr("ﾊﾞｰｼﾞｮﾝ情報"));
  image_->setPixmap(MakePicture());
  LabelMemoButton();
  productLine_->setText(tr("tarvel: PIC and 24xx EEPROM programmer"));
  writerLine_->setText(tr("for a writer on the parallel port"));
  memo_->setPlainText(tr(kMemoText));
  ok_->setText(tr("OK"));
}

void TAboutBox::BtnMemoClick() {
  memoOpen_ = !memoOpen_;
  LabelMemoButton();
  memoPanel_->setVisible(memoOpen_);
  setFixedSize(kWidth, memoOpen_ ? kExpandedHeight : kCollapsedHeight);
}

void TAboutBox::LabelMemoButton() { memoButton_->setText(memoOpen_ ? tr("詳細 <<") : tr("詳細 >>")); }

}  // namespace tarvel

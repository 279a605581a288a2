#include "ui/dialogs/ProtectConfirmDlg.h"

#include <QCheckBox>
#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QStyle>
#include <QVBoxLayout>

#include "language/CoreTexts.h"
#include "ui/dialogs/DialogLook.h"
#include "ui/dialogs/RadioGroup.h"

namespace tarvel {

namespace {

constexpr int kPageDefault = 0;
constexpr int kPageNotImplemented = 1;

QFrame* MakeBevel(const char* name, QWidget* parent) {
  auto* bevel = new QFrame(parent);
  bevel->setObjectName(name);
  bevel->setFrameStyle(QFrame::Box | QFrame::Sunken);
  return bevel;
}

}  // namespace

TProtectConfirmDlg::TProtectConfirmDlg(QWidget* parent) : QDialog(parent) {
  pages_ = new QStackedWidget(this);
  pages_->setObjectName("Notebook");

  auto* defaultPage = new QWidget(pages_);
  defaultPage->setObjectName("default");
  range_ = new RadioGroup(QString(), {}, defaultPage);
  range_->setObjectName("RGRange");
  dataProtect_ = new QCheckBox(defaultPage);
  dataProtect_->setObjectName("CBDataProtect");
  QSizePolicy keepPlace = dataProtect_->sizePolicy();
  keepPlace.setRetainSizeWhenHidden(true);
  dataProtect_->setSizePolicy(keepPlace);

  auto* questionBevel = MakeBevel("Bevel2", defaultPage);
  question_ = new QLabel(questionBevel);
  question_->setObjectName("Label2");
  SetTextColour(*question_, Qt::red);
  SetFontPixels(*question_, 18, true);
  yes_ = new QPushButton(style()->standardIcon(QStyle::SP_DialogYesButton), QString(), questionBevel);
  yes_->setObjectName("BitBtn1");
  yes_->setFocusPolicy(Qt::NoFocus);
  yes_->setAutoDefault(false);
  no_ = new QPushButton(style()->standardIcon(QStyle::SP_DialogNoButton), QString(), questionBevel);
  no_->setObjectName("BitBtn2");
  no_->setDefault(true);
  auto* answers = new QHBoxLayout;
  answers->addStretch();
  answers->addWidget(yes_);
  answers->addWidget(no_);
  answers->addStretch();
  auto* questionColumn = new QVBoxLayout(questionBevel);
  questionColumn->addWidget(question_, 0, Qt::AlignHCenter);
  questionColumn->addLayout(answers);

  auto* warningBevel = MakeBevel("Bevel3", defaultPage);
  warning_ = new QLabel(warningBevel);
  warning_->setObjectName("Label1");
  warning_->setWordWrap(true);
  warning_->setMinimumWidth(290);
  auto* warningBox = new QVBoxLayout(warningBevel);
  warningBox->addWidget(warning_);

  auto* defaultColumn = new QVBoxLayout(defaultPage);
  defaultColumn->setContentsMargins(0, 0, 0, 0);
  defaultColumn->addWidget(range_);
  defaultColumn->addWidget(dataProtect_);
  defaultColumn->addWidget(questionBevel);
  defaultColumn->addWidget(warningBevel);
  pages_->addWidget(defaultPage);

  auto* notImplementedPage = new QWidget(pages_);
  notImplementedPage->setObjectName("not_implemented");
  notSupported_ = new QLabel(notImplementedPage);
  notSupported_->setObjectName("Label3");
  notSupported_->setWordWrap(true);
  notSupported_->setAlignment(Qt::AlignCenter);
  close_ = new QPushButton(notImplementedPage);
  close_->setObjectName("BitBtn3");
  close_->setAutoDefault(false);
  auto* notImplementedColumn = new QVBoxLayout(notImplementedPage);
  notImplementedColumn->addStretch();
  notImplementedColumn->addWidget(notSupported_);
  notImplementedColumn->addStretch();
  notImplementedColumn->addWidget(close_, 0, Qt::AlignHCenter);
  pages_->addWidget(notImplementedPage);

  auto* frame = MakeBevel("Bevel1", this);
  auto* frameBox = new QVBoxLayout(frame);
  frameBox->addWidget(pages_);
  auto* form = new QVBoxLayout(this);
  form->addWidget(frame);
  form->setSizeConstraint(QLayout::SetFixedSize);

  connect(yes_, &QPushButton::clicked, this, &QDialog::accept);
  connect(no_, &QPushButton::clicked, this, &QDialog::reject);
  connect(close_, &QPushButton::clicked, this, &QDialog::reject);
  Retranslate();
}

void TProtectConfirmDlg::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) Retranslate();
  QDialog::changeEvent(event);
}

// With the original texts ("As described") this dialog is Japanese in every edition.
void TProtectConfirmDlg::Retranslate() {
  setWindowTitle(tr("コードプロテクト確認"));
  range_->setTitle(tr("プログラムメモリー"));
  range_->RenameItems(RangeTexts());
  dataProtect_->setText(tr("データメモリー"));
  question_->setText(tr("コードプロテクトをかけますか？"));
  yes_->setText(tr("はい(&Y)"));
  no_->setText(tr("いいえ(&N)"));
  warning_->setText(
      tr("コードプロテクトをかけると、以後プログラム及びデータの読み込みができなくなります。"
         "　コードプロテクトをかけられたデバイスに再書き込みするには、イレースする必要があります。"));
  notSupported_->setText(tr("このデバイスはコードプロテクトに対応していません。"));
  close_->setText(tr("Close"));
}

QStringList TProtectConfirmDlg::RangeTexts() const {
  QStringList texts;
  for (const CodeProtectRanges::Range& range : ranges_) texts << CoreTexts::Translated(range.text);
  return texts;
}

void TProtectConfirmDlg::SelectDevice(int device) {
  ranges_ = CodeProtectRanges::ForDevice(device);
  range_->SetItems(RangeTexts());
  range_->SetItemIndex(CodeProtectRanges::FirstChoice(device));
  offersDataProtect_ = CodeProtectRanges::OffersDataProtect(device);
  dataProtect_->setChecked(false);
  dataProtect_->setVisible(offersDataProtect_);
  pages_->setCurrentIndex(ranges_.empty() ? kPageNotImplemented : kPageDefault);
  no_->setDefault(true);
  no_->setFocus();
}

int32_t TProtectConfirmDlg::ProtectLevel() const {
  const int index = range_->ItemIndex();
  return index < 0 ? -1 : ranges_[static_cast<size_t>(index)].level;
}

bool TProtectConfirmDlg::DataProtect() const { return offersDataProtect_ && dataProtect_->isChecked(); }

}  // namespace tarvel

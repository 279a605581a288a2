#include "ui/dialogs/ProtectConfirmDlg.h"

#include <QCheckBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QStyle>
#include <QVBoxLayout>

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
  // This dialog has its texts in Japanese only, in every edition.
  setWindowTitle("コードプロテクト確認");

  pages_ = new QStackedWidget(this);
  pages_->setObjectName("Notebook");

  auto* defaultPage = new QWidget(pages_);
  defaultPage->setObjectName("default");
  range_ = new RadioGroup("プログラムメモリー", {}, defaultPage);
  range_->setObjectName("RGRange");
  dataProtect_ = new QCheckBox("データメモリー", defaultPage);
  dataProtect_->setObjectName("CBDataProtect");
  QSizePolicy keepPlace = dataProtect_->sizePolicy();
  keepPlace.setRetainSizeWhenHidden(true);
  dataProtect_->setSizePolicy(keepPlace);

  auto* questionBevel = MakeBevel("Bevel2", defaultPage);
  auto* question = new QLabel("コードプロテクトをかけますか？", questionBevel);
  question->setObjectName("Label2");
  SetTextColour(*question, Qt::red);
  SetFontPixels(*question, 18, true);
  auto* yes = new QPushButton(style()->standardIcon(QStyle::SP_DialogYesButton), "はい(&Y)", questionBevel);
  yes->setObjectName("BitBtn1");
  yes->setFocusPolicy(Qt::NoFocus);
  yes->setAutoDefault(false);
  no_ = new QPushButton(style()->standardIcon(QStyle::SP_DialogNoButton), "いいえ(&N)", questionBevel);
  no_->setObjectName("BitBtn2");
  no_->setDefault(true);
  auto* answers = new QHBoxLayout;
  answers->addStretch();
  answers->addWidget(yes);
  answers->addWidget(no_);
  answers->addStretch();
  auto* questionColumn = new QVBoxLayout(questionBevel);
  questionColumn->addWidget(question, 0, Qt::AlignHCenter);
  questionColumn->addLayout(answers);

  auto* warningBevel = MakeBevel("Bevel3", defaultPage);
  auto* warning = new QLabel(
      "コードプロテクトをかけると、以後プログラム及びデータの読み込みができなくなります。"
      "　コードプロテクトをかけられたデバイスに再書き込みするには、イレースする必要があります。",
      warningBevel);
  warning->setObjectName("Label1");
  warning->setWordWrap(true);
  warning->setMinimumWidth(290);
  auto* warningBox = new QVBoxLayout(warningBevel);
  warningBox->addWidget(warning);

  auto* defaultColumn = new QVBoxLayout(defaultPage);
  defaultColumn->setContentsMargins(0, 0, 0, 0);
  defaultColumn->addWidget(range_);
  defaultColumn->addWidget(dataProtect_);
  defaultColumn->addWidget(questionBevel);
  defaultColumn->addWidget(warningBevel);
  pages_->addWidget(defaultPage);

  auto* notImplementedPage = new QWidget(pages_);
  notImplementedPage->setObjectName("not_implemented");
  auto* notSupported = new QLabel("このデバイスはコードプロテクトに対応していません。", notImplementedPage);
  notSupported->setObjectName("Label3");
  notSupported->setWordWrap(true);
  notSupported->setAlignment(Qt::AlignCenter);
  auto* close = new QPushButton("Close", notImplementedPage);
  close->setObjectName("BitBtn3");
  close->setAutoDefault(false);
  auto* notImplementedColumn = new QVBoxLayout(notImplementedPage);
  notImplementedColumn->addStretch();
  notImplementedColumn->addWidget(notSupported);
  notImplementedColumn->addStretch();
  notImplementedColumn->addWidget(close, 0, Qt::AlignHCenter);
  pages_->addWidget(notImplementedPage);

  auto* frame = MakeBevel("Bevel1", this);
  auto* frameBox = new QVBoxLayout(frame);
  frameBox->addWidget(pages_);
  auto* form = new QVBoxLayout(this);
  form->addWidget(frame);
  form->setSizeConstraint(QLayout::SetFixedSize);

  connect(yes, &QPushButton::clicked, this, &QDialog::accept);
  connect(no_, &QPushButton::clicked, this, &QDialog::reject);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
}

void TProtectConfirmDlg::SelectDevice(int device) {
  ranges_ = CodeProtectRanges::ForDevice(device);
  QStringList items;
  for (const CodeProtectRanges::Range& range : ranges_) items << QString::fromStdString(range.text);
  range_->SetItems(items);
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

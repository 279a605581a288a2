#include "ui/dialogs/ConfigDlg.h"

#include <QCheckBox>
#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "engine/pic/PicDevice.h"
#include "ui/components/HexCellText.h"
#include "ui/dialogs/DialogLook.h"
#include "ui/dialogs/RadioGroup.h"

namespace tarvel {

namespace {

const QStringList kDefaultOscNames = {"LP", "XT", "HS", "RC"};

// Page order of the two page sets, as ConfigWordLayout numbers them.
const char* const kOscPageNames[] = {"DefaultOSC", "InternalOSC", "VariousOSC"};
const char* const kOptionPageNames[] = {"Default", "8pin", "F87x", "F62x", "MV_BODEN"};

QWidget* MakePage(const char* name, QStackedWidget* pages) {
  auto* page = new QWidget(pages);
  page->setObjectName(name);
  auto* column = new QVBoxLayout(page);
  column->setContentsMargins(0, 0, 0, 0);
  pages->addWidget(page);
  return page;
}

QVBoxLayout* PageColumn(QWidget* page) { return static_cast<QVBoxLayout*>(page->layout()); }

}  // namespace

TConfigDlg::TConfigDlg(UserMessages& messages, QWidget* parent) : QDialog(parent), messages_(messages) {
  deviceCaption_ = new QLabel(this);
  deviceCaption_->setObjectName("lDev");
  deviceLabel_ = new QLabel(this);
  deviceLabel_->setObjectName("LblDevice");
  SetTextColour(*deviceLabel_, Qt::red);
  SetFontPixels(*deviceLabel_, 20, true);

  auto makeCheck = [this](ConfigCheck check, const char* name, const char* caption, bool checked, QWidget* page) {
    auto* box = new QCheckBox(page);
    box->setObjectName(name);
    box->setChecked(checked);
    checks_[static_cast<int>(check)] = box;
    PageColumn(page)->addWidget(box);
    wordings_.push_back({box, caption, {}});
  };
  // `items`: the names shown as they are; `wordedItems`: item texts to translate.
  auto makeRadio = [this](ConfigRadio radio, const char* name, const char* caption, const QStringList& items,
                          std::vector<const char*> wordedItems, int item, QWidget* page) {
    auto* group = new RadioGroup(caption, items, page);
    if (!wordedItems.empty()) group->SetItems(QStringList(static_cast<int>(wordedItems.size()), QString()));
    group->setObjectName(name);
    group->SetItemIndex(item);
    radios_[static_cast<int>(radio)] = group;
    PageColumn(page)->addWidget(group);
    wordings_.push_back({group, caption, std::move(wordedItems)});
  };

  oscPages_ = new QStackedWidget(this);
  oscPages_->setObjectName("NoteOSC");
  makeRadio(ConfigRadio::DefaultOsc, "RGDefaultOSC", QT_TR_NOOP("Oscillator"), kDefaultOscNames, {}, -1,
            MakePage(kOscPageNames[0], oscPages_));
  makeRadio(ConfigRadio::InternalOsc, "RGInternalOSC", QT_TR_NOOP("Oscillator"), {"LP", "XT", "IntRC", "ExtRC"}, {},
            -1, MakePage(kOscPageNames[1], oscPages_));
  makeRadio(ConfigRadio::VariousOsc, "RGVariousOSC", QT_TR_NOOP("オシレータ"),
            {"LP", "XT", "HS", "EXT", "INTRC (RA6 = I/O)", "INTRC (RA6 = CLKOUT)", "ER      (RA6 = I/O)",
             "ER      (RA6 = CLKOUT)"},
            {}, -1, MakePage(kOscPageNames[2], oscPages_));
  for (int i = 0; i < oscPages_->count(); ++i) PageColumn(oscPages_->widget(i))->addStretch();

  auto* wdt = new QCheckBox(this);
  wdt->setObjectName("CBWdt");
  checks_[static_cast<int>(ConfigCheck::Wdt)] = wdt;
  wordings_.push_back({wdt, QT_TR_NOOP("Watch dog timer"), {}});

  optionPages_ = new QStackedWidget(this);
  optionPages_->setObjectName("NoteOption");
  QWidget* page = MakePage(kOptionPageNames[0], optionPages_);
  makeCheck(ConfigCheck::Pwt, "CBPwt", QT_TR_NOOP("Power up timer"), false, page);
  page = MakePage(kOptionPageNames[1], optionPages_);
  makeRadio(ConfigRadio::Mclr8pin, "RGMclr", "MCLR", {},
            {QT_TR_NOOP("MCLR is connected to VDD"), QT_TR_NOOP("Enable MCLR")}, -1, page);
  page = MakePage(kOptionPageNames[2], optionPages_);
  makeCheck(ConfigCheck::Pwrte87x, "CBPwrte_f87x", QT_TR_NOOP("Power up timer"), true, page);
  makeCheck(ConfigCheck::Boden87x, "CBBoden_f87x", QT_TR_NOOP("Brown out reset"), false, page);
  makeCheck(ConfigCheck::Lvp87x, "CBLvp_f87x", QT_TR_NOOP("Low voltaege programming"), false, page);
  makeCheck(ConfigCheck::Wrt87x, "CBWrt_f87x", QT_TR_NOOP("Program memory write"), false, page);
  makeCheck(ConfigCheck::Debug87x, "CBDebug_f87x", QT_TR_NOOP("Debug mode"), false, page);
  checks_[static_cast<int>(ConfigCheck::Debug87x)]->hide();
  // With the original texts ("As described") this page keeps its Japanese in the English edition.
  page = MakePage(kOptionPageNames[3], optionPages_);
  makeCheck(ConfigCheck::Pwrte62x, "CBPwrte_f62x", QT_TR_NOOP("パワーアップタイマー"), true, page);
  makeCheck(ConfigCheck::Boden62x, "CBBoden_f62x", QT_TR_NOOP("ブラウンアウトリセット"), false, page);
  makeCheck(ConfigCheck::Lvp62x, "CBLvp_f62x", QT_TR_NOOP("低電圧プログラミング許可"), false, page);
  makeRadio(ConfigRadio::Mclr62x, "RGMclr_f62x", "MCLR", {},
            {QT_TR_NOOP("MCLRはVDDに内部接続"), QT_TR_NOOP("MCLRを有効にする")}, 0, page);
  page = MakePage(kOptionPageNames[4], optionPages_);
  makeCheck(ConfigCheck::PwrteMvb, "CBPwrte_MVB", QT_TR_NOOP("Power up timer"), true, page);
  makeCheck(ConfigCheck::BodenMvb, "CBBoden_MVB", QT_TR_NOOP("Brown out reset"), false, page);
  makeRadio(ConfigRadio::Borv, "RGBorv", QT_TR_NOOP("Broun out voltage"), {"4.5V", "4.2V", "2.7V", "2.5V"}, {}, 3,
            page);
  for (int i = 0; i < optionPages_->count(); ++i) PageColumn(optionPages_->widget(i))->addStretch();

  idGroup_ = new QGroupBox(this);
  idGroup_->setObjectName("GBID");
  idEdit_ = new QLineEdit(idGroup_);
  idEdit_->setObjectName("EdtID");
  idEdit_->setMaxLength(7);
  writeId_ = new QCheckBox(idGroup_);
  writeId_->setObjectName("CBWriteID");
  writeId_->setChecked(true);
  auto* idRow = new QHBoxLayout(idGroup_);
  idRow->addWidget(idEdit_);
  idRow->addWidget(writeId_);

  fuseBevel_ = new QFrame(this);
  fuseBevel_->setObjectName("BVFuseData");
  fuseBevel_->setFrameStyle(QFrame::Box | QFrame::Sunken);
  fuseLabel_ = new QLabel(fuseBevel_);
  fuseLabel_->setObjectName("LblFuseData");
  auto* fuseBox = new QHBoxLayout(fuseBevel_);
  fuseBox->addWidget(fuseLabel_);
  // The frame keeps its place while hidden, so the dialog does not jump.
  QSizePolicy keepPlace = fuseBevel_->sizePolicy();
  keepPlace.setRetainSizeWhenHidden(true);
  fuseBevel_->setSizePolicy(keepPlace);

  modePages_ = new QStackedWidget(this);
  modePages_->setObjectName("NoteMode");
  QWidget* writeMode = MakePage("WriteMode", modePages_);
  writeText_ = new QLabel(writeMode);
  writeText_->setObjectName("lWrite");
  ok_ = new QPushButton(writeMode);
  ok_->setObjectName("BitBtn1");
  cancel_ = new QPushButton(writeMode);
  cancel_->setObjectName("BtnCancel");
  auto* writeRow = new QHBoxLayout;
  writeRow->addWidget(writeText_);
  writeRow->addStretch();
  writeRow->addWidget(ok_);
  writeRow->addWidget(cancel_);
  PageColumn(writeMode)->addLayout(writeRow);
  QWidget* readMode = MakePage("ReadMode", modePages_);
  readText_ = new QLabel(readMode);
  readText_->setObjectName("lRead");
  close_ = new QPushButton(readMode);
  close_->setObjectName("BtnClose");
  auto* readRow = new QHBoxLayout;
  readRow->addWidget(readText_);
  readRow->addStretch();
  readRow->addWidget(close_);
  PageColumn(readMode)->addLayout(readRow);

  auto* deviceRow = new QHBoxLayout;
  deviceRow->addWidget(deviceCaption_);
  deviceRow->addWidget(deviceLabel_);
  deviceRow->addStretch();

  auto* left = new QVBoxLayout;
  left->addWidget(oscPages_);
  left->addWidget(wdt);
  auto* right = new QVBoxLayout;
  right->addWidget(optionPages_);
  right->addWidget(idGroup_);
  auto* columns = new QHBoxLayout;
  columns->addLayout(left);
  columns->addLayout(right);

  auto* form = new QVBoxLayout(this);
  form->addLayout(deviceRow);
  form->addLayout(columns);
  form->addWidget(fuseBevel_);
  form->addWidget(modePages_);
  form->setSizeConstraint(QLayout::SetFixedSize);

  connect(writeId_, &QCheckBox::toggled, this, &TConfigDlg::CBWriteIDClick);
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
  connect(close_, &QPushButton::clicked, this, &QDialog::reject);
  OpenWithFocusOn(*this);

  CBWriteIDClick();
  ClearFuseLabel();
  SetWriteMode();
  Retranslate();
}

void TConfigDlg::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) Retranslate();
  QDialog::changeEvent(event);
}

void TConfigDlg::Retranslate() {
  setWindowTitle(tr("Config"));
  deviceCaption_->setText(tr("Device "));
  for (const Wording& wording : wordings_) {
    // A pin's name has no translation and stays as it is.
    const QString caption = tr(wording.caption);
    if (auto* box = qobject_cast<QCheckBox*>(wording.control)) {
      box->setText(caption);
      continue;
    }
    auto* group = static_cast<RadioGroup*>(wording.control);
    group->setTitle(caption);
    QStringList items;
    for (const char* item : wording.items) items << tr(item);
    group->RenameItems(items);
  }
  idGroup_->setTitle(tr("ID　（最大７文字）"));
  writeId_->setText(tr("Write"));
  writeText_->setText(tr("Write config with this settings"));
  ok_->setText(tr("OK"));
  cancel_->setText(tr("Cancel"));
  readText_->setText(tr("Configration settings read from PIC"));
  close_->setText(tr("Close"));
  if (!fuseBevel_->isHidden()) ShowFuseWord();
}

void TConfigDlg::ShowFuseWord() {
  fuseLabel_->setText(tr("フューズデータ : %1H    ").arg(HexCellText::Hex(word_, 4)));
}

void TConfigDlg::TellNotSupported() { messages_.Show(tr("このデバイスには対応していません。").toStdString()); }

void TConfigDlg::SelectDevice(int device) {
  device_ = device;
  const ConfigWordLayout& layout = ConfigWordLayout::ForDevice(device);
  QString name;
  if (device == PIC16F84) {
    name = "PIC16F84[A]";
  } else if (IsKnownPicDevice(device)) {
    name = kPicDevices[device].displayName;
  }
  idGroup_->setEnabled(true);
  SetEditBoxEnabled(*idEdit_, true);
  writeId_->setEnabled(true);
  if (layout.optionPage == ConfigWordLayout::EightPin) {
    // Both 8-pin chips are shown as the larger one; their IDs are not written here.
    name = "PIC12C509";
    idGroup_->setEnabled(false);
    writeId_->setEnabled(false);
    writeId_->setChecked(false);
    SetEditBoxEnabled(*idEdit_, false);
  }
  deviceLabel_->setText(name);
  QStringList oscNames;
  for (const char* oscName : layout.oscNames) oscNames << oscName;
  if (oscNames.isEmpty()) oscNames = kDefaultOscNames;
  // Renaming clears the choice, so the names change only with them.
  RadioGroup& defaultOsc = *radios_[static_cast<int>(ConfigRadio::DefaultOsc)];
  if (defaultOsc.Items() != oscNames) defaultOsc.SetItems(oscNames);
  oscPages_->setCurrentIndex(layout.oscPage);
  optionPages_->setCurrentIndex(layout.optionPage);
  for (ConfigCheck extra : {ConfigCheck::Lvp87x, ConfigCheck::Wrt87x, ConfigCheck::Debug87x}) {
    checks_[static_cast<int>(extra)]->setVisible(layout.showsF87xExtras);
  }
}

void TConfigDlg::SetFuse(int32_t word) {
  word_ = static_cast<uint32_t>(word);
  const ConfigWordLayout& layout = ConfigWordLayout::ForDevice(device_);
  if (!layout.unpacks) {
    TellNotSupported();
    return;
  }
  ConfigControls controls = ReadControls();
  layout.Unpack(word_, controls);
  WriteControls(controls);
}

void TConfigDlg::SetIDText(const QString& text) { idEdit_->setText(text); }

void TConfigDlg::SetWriteMode() {
  modePages_->setCurrentIndex(0);
  writeId_->setEnabled(true);
  ClearFuseLabel();
  ok_->setDefault(true);
}

void TConfigDlg::SetReadMode() {
  modePages_->setCurrentIndex(1);
  writeId_->setEnabled(false);
  ShowFuseWord();
  fuseBevel_->show();
  close_->setDefault(true);
}

int32_t TConfigDlg::Fuse() {
  if (!MakesFuse()) {
    TellNotSupported();
    return 0xFFFF;
  }
  return ConfigWordLayout::ForDevice(device_).Pack(ReadControls(), word_);
}

bool TConfigDlg::MakesFuse() const { return ConfigWordLayout::ForDevice(device_).packs; }

bool TConfigDlg::WriteIDChecked() const { return writeId_->isChecked(); }

QString TConfigDlg::IDText() const { return idEdit_->text(); }

void TConfigDlg::CBWriteIDClick() { SetEditBoxEnabled(*idEdit_, writeId_->isChecked()); }

void TConfigDlg::ClearFuseLabel() {
  fuseLabel_->clear();
  fuseBevel_->hide();
}

ConfigControls TConfigDlg::ReadControls() const {
  ConfigControls controls;
  for (int i = 0; i < kConfigCheckCount; ++i) controls.checked[i] = checks_[i]->isChecked();
  for (int i = 0; i < kConfigRadioCount; ++i) controls.item[i] = radios_[i]->ItemIndex();
  return controls;
}

void TConfigDlg::WriteControls(const ConfigControls& controls) {
  for (int i = 0; i < kConfigCheckCount; ++i) checks_[i]->setChecked(controls.checked[i]);
  for (int i = 0; i < kConfigRadioCount; ++i) radios_[i]->SetItemIndex(controls.item[i]);
}

}  // namespace tarvel

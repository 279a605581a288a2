#include "ui/dialogs/ConfigDlg.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "engine/pic/PicDevice.h"
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
  setWindowTitle("Config");

  auto* deviceCaption = new QLabel("Device ", this);
  deviceCaption->setObjectName("lDev");
  deviceLabel_ = new QLabel(this);
  deviceLabel_->setObjectName("LblDevice");
  SetTextColour(*deviceLabel_, Qt::red);
  SetFontPixels(*deviceLabel_, 20, true);

  auto makeCheck = [this](ConfigCheck check, const char* name, const QString& caption, bool checked,
                          QWidget* page) {
    auto* box = new QCheckBox(caption, page);
    box->setObjectName(name);
    box->setChecked(checked);
    checks_[static_cast<int>(check)] = box;
    PageColumn(page)->addWidget(box);
  };
  auto makeRadio = [this](ConfigRadio radio, const char* name, const QString& caption, const QStringList& items,
                          int item, QWidget* page) {
    auto* group = new RadioGroup(caption, items, page);
    group->setObjectName(name);
    group->SetItemIndex(item);
    radios_[static_cast<int>(radio)] = group;
    PageColumn(page)->addWidget(group);
  };

  oscPages_ = new QStackedWidget(this);
  oscPages_->setObjectName("NoteOSC");
  makeRadio(ConfigRadio::DefaultOsc, "RGDefaultOSC", "Oscillator", kDefaultOscNames, -1,
            MakePage(kOscPageNames[0], oscPages_));
  makeRadio(ConfigRadio::InternalOsc, "RGInternalOSC", "Oscillator", {"LP", "XT", "IntRC", "ExtRC"}, -1,
            MakePage(kOscPageNames[1], oscPages_));
  makeRadio(ConfigRadio::VariousOsc, "RGVariousOSC", "オシレータ",
            {"LP", "XT", "HS", "EXT", "INTRC (RA6 = I/O)", "INTRC (RA6 = CLKOUT)", "ER      (RA6 = I/O)",
             "ER      (RA6 = CLKOUT)"},
            -1, MakePage(kOscPageNames[2], oscPages_));
  for (int i = 0; i < oscPages_->count(); ++i) PageColumn(oscPages_->widget(i))->addStretch();

  auto* wdt = new QCheckBox("Watch dog timer", this);
  wdt->setObjectName("CBWdt");
  checks_[static_cast<int>(ConfigCheck::Wdt)] = wdt;

  optionPages_ = new QStackedWidget(this);
  optionPages_->setObjectName("NoteOption");
  QWidget* page = MakePage(kOptionPageNames[0], optionPages_);
  makeCheck(ConfigCheck::Pwt, "CBPwt", "Power up timer", false, page);
  page = MakePage(kOptionPageNames[1], optionPages_);
  makeRadio(ConfigRadio::Mclr8pin, "RGMclr", "MCLR", {"MCLR is connected to VDD", "Enable MCLR"}, -1, page);
  page = MakePage(kOptionPageNames[2], optionPages_);
  makeCheck(ConfigCheck::Pwrte87x, "CBPwrte_f87x", "Power up timer", true, page);
  makeCheck(ConfigCheck::Boden87x, "CBBoden_f87x", "Brown out reset", false, page);
  makeCheck(ConfigCheck::Lvp87x, "CBLvp_f87x", "Low voltaege programming", false, page);
  makeCheck(ConfigCheck::Wrt87x, "CBWrt_f87x", "Program memory write", false, page);
  makeCheck(ConfigCheck::Debug87x, "CBDebug_f87x", "Debug mode", false, page);
  checks_[static_cast<int>(ConfigCheck::Debug87x)]->hide();
  // This page keeps its Japanese texts in the English edition.
  page = MakePage(kOptionPageNames[3], optionPages_);
  makeCheck(ConfigCheck::Pwrte62x, "CBPwrte_f62x", "パワーアップタイマー", true, page);
  makeCheck(ConfigCheck::Boden62x, "CBBoden_f62x", "ブラウンアウトリセット", false, page);
  makeCheck(ConfigCheck::Lvp62x, "CBLvp_f62x", "低電圧プログラミング許可", false, page);
  makeRadio(ConfigRadio::Mclr62x, "RGMclr_f62x", "MCLR", {"MCLRはVDDに内部接続", "MCLRを有効にする"}, 0, page);
  page = MakePage(kOptionPageNames[4], optionPages_);
  makeCheck(ConfigCheck::PwrteMvb, "CBPwrte_MVB", "Power up timer", true, page);
  makeCheck(ConfigCheck::BodenMvb, "CBBoden_MVB", "Brown out reset", false, page);
  makeRadio(ConfigRadio::Borv, "RGBorv", "Broun out voltage", {"4.5V", "4.2V", "2.7V", "2.5V"}, 3, page);
  for (int i = 0; i < optionPages_->count(); ++i) PageColumn(optionPages_->widget(i))->addStretch();

  idGroup_ = new QGroupBox("ID　（最大７文字）", this);
  idGroup_->setObjectName("GBID");
  idEdit_ = new QLineEdit(idGroup_);
  idEdit_->setObjectName("EdtID");
  idEdit_->setMaxLength(7);
  writeId_ = new QCheckBox("Write", idGroup_);
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
  auto* writeText = new QLabel("Write config with this settings", writeMode);
  writeText->setObjectName("lWrite");
  ok_ = new QPushButton("OK", writeMode);
  ok_->setObjectName("BitBtn1");
  auto* cancel = new QPushButton("Cancel", writeMode);
  cancel->setObjectName("BtnCancel");
  auto* writeRow = new QHBoxLayout;
  writeRow->addWidget(writeText);
  writeRow->addStretch();
  writeRow->addWidget(ok_);
  writeRow->addWidget(cancel);
  PageColumn(writeMode)->addLayout(writeRow);
  QWidget* readMode = MakePage("ReadMode", modePages_);
  auto* readText = new QLabel("Configration settings read from PIC", readMode);
  readText->setObjectName("lRead");
  close_ = new QPushButton("Close", readMode);
  close_->setObjectName("BtnClose");
  auto* readRow = new QHBoxLayout;
  readRow->addWidget(readText);
  readRow->addStretch();
  readRow->addWidget(close_);
  PageColumn(readMode)->addLayout(readRow);

  auto* deviceRow = new QHBoxLayout;
  deviceRow->addWidget(deviceCaption);
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
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(close_, &QPushButton::clicked, this, &QDialog::reject);
  OpenWithFocusOn(*this);

  CBWriteIDClick();
  ClearFuseLabel();
  SetWriteMode();
}

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
  QStringList oscNames = kDefaultOscNames;
  if (!layout.oscNames.empty()) {
    oscNames.clear();
    for (const char* oscName : layout.oscNames) oscNames << oscName;
  }
  // Renaming clears the choice, so the names change only with them.
  RadioGroup& defaultOsc = *radios_[static_cast<int>(ConfigRadio::DefaultOsc)];
  QStringList shownNames;
  for (int i = 0; i < defaultOsc.Count(); ++i) shownNames << defaultOsc.Item(i)->text();
  if (shownNames != oscNames) defaultOsc.SetItems(oscNames);
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
    messages_.Show(kNotSupported);
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
  fuseLabel_->setText(QString("フューズデータ : %1H    ").arg(word_, 4, 16, QChar('0')).toUpper());
  fuseBevel_->show();
  close_->setDefault(true);
}

int32_t TConfigDlg::Fuse() {
  if (!MakesFuse()) {
    messages_.Show(kNotSupported);
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

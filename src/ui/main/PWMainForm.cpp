#include "ui/main/PWMainForm.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <cstdint>

#include "files/BinaryFile.h"
#include "language/CoreTexts.h"
#include "platform/WaitTimeMeasurement.h"
#include "ui/components/HexGrid.h"
#include "ui/dialogs/AboutBox.h"
#include "ui/dialogs/ConfigDlg.h"
#include "ui/dialogs/FileSetDlg.h"
#include "ui/dialogs/IDWriteDlg.h"
#include "ui/dialogs/ProtectConfirmDlg.h"
#include "ui/dialogs/WriteSetDlg.h"
#include "ui/dialogs/WriterTestDlg.h"
#include "ui/main/ChipOperation.h"
#include "ui/main/FileFilters.h"
#include "ui/main/GridEditCommands.h"
#include "ui/main/PicChipCommands.h"
#include "ui/main/SerialRomCommands.h"
#include "ui/main/TitlePanel.h"
#include "ui/main/WholeChipFile.h"
#include "ui/main/WindowCommand.h"
#include "ui/main/WindowMessages.h"

namespace tarvel {
namespace {

const QString kWriteKey = QStringLiteral("Write");
const QString kFileKey = QStringLiteral("File");
const QString kFormKey = QStringLiteral("Form");
constexpr int kHistoryCount = 5;
// CBCategory's entries: PIC, then the serial ROM.
constexpr int kPicCategory = 0;
constexpr int kSerialRomCategory = 1;
// How often a stop from outside looks again whether the command has ended.
constexpr int kStopRetryMs = 50;

// The device groups the window tells apart.
enum class PicGroup { TwelveBit, WithDataEeprom, NotSupported, Other };

PicGroup GroupOf(PIC_DEVICES device) {
  if (device <= PIC12C509) return PicGroup::TwelveBit;
  if (device == PIC16C84 || (device >= PIC16F627 && device <= PIC16F877)) return PicGroup::WithDataEeprom;
  if (!IsKnownPicDevice(device)) return PicGroup::NotSupported;
  return PicGroup::Other;
}

ImageSide::Texts ProgramTexts() {
  ImageSide::Texts texts;
  texts.newTitle = QT_TRANSLATE_NOOP("ImageSide", "New program");
  texts.hexOpenTitle = QT_TRANSLATE_NOOP("ImageSide", "Open HEX file");
  texts.binaryOpenTitle = QT_TRANSLATE_NOOP("ImageSide", "Open binary file (Program)");
  texts.hexReadOnlyMark = QT_TRANSLATE_NOOP("ImageSide", " [Overwriting is forbidden]");
  texts.binaryReadOnlyMark = QT_TRANSLATE_NOOP("ImageSide", " [Overwriting is forbidden]");
  texts.openError = QT_TRANSLATE_NOOP("ImageSide", "Can not open %1");
  texts.saveTitle = QT_TRANSLATE_NOOP("ImageSide", "Save binary");
  texts.hexSaveTitle = QT_TRANSLATE_NOOP("ImageSide", "Save HEX");
  texts.overwriteQuestion = QT_TRANSLATE_NOOP("ImageSide", "is already exist. Overwrite OK?");
  texts.overwriteCaption = QT_TRANSLATE_NOOP("ImageSide", "Confirm overwriting");
  texts.saveError = QT_TRANSLATE_NOOP("ImageSide", "Can not open %1\n%2");
  texts.saveErrorCaption = QT_TRANSLATE_NOOP("ImageSide", "SaveError");
  texts.saveFirstQuestion = QT_TRANSLATE_NOOP("ImageSide", "Save the program image first?");
  return texts;
}

ImageSide::Texts DataTexts() {
  ImageSide::Texts texts;
  texts.newTitle = QT_TRANSLATE_NOOP("ImageSide", "New data");
  texts.hexOpenTitle = QT_TRANSLATE_NOOP("ImageSide", "Open HEX file (Data area) ");
  texts.binaryOpenTitle = QT_TRANSLATE_NOOP("ImageSide", "ﾊﾞｲﾅﾘ・ﾌｧｲﾙを開く （データ）");
  texts.hexReadOnlyMark = QT_TRANSLATE_NOOP("ImageSide", " [Overwriting is forbidden]");
  texts.binaryReadOnlyMark = QT_TRANSLATE_NOOP("ImageSide", " [書き込み禁止]");
  texts.openError = QT_TRANSLATE_NOOP("ImageSide", "%1　を開けません");
  texts.saveTitle = QT_TRANSLATE_NOOP("ImageSide", "ﾊﾞｲﾅﾘ保存");
  texts.hexSaveTitle = QT_TRANSLATE_NOOP("ImageSide", "HEX保存");
  texts.overwriteQuestion = QT_TRANSLATE_NOOP("ImageSide", "は存在します。上書きしますか？");
  texts.overwriteCaption = QT_TRANSLATE_NOOP("ImageSide", "上書き確認");
  texts.saveError = QT_TRANSLATE_NOOP("ImageSide", "%1を開けません.\n%2");
  texts.saveErrorCaption = QT_TRANSLATE_NOOP("ImageSide", "保存エラー");
  texts.saveFirstQuestion = QT_TRANSLATE_NOOP("ImageSide", "Save the data image first?");
  return texts;
}

// Columns, width of the address column, address digits, width of a data cell.
void ShapeGrid(THexGrid& grid, int columns, int addressWidth, int addressDigits, int cellWidth) {
  grid.SetDataColCount(columns);
  grid.SetAddressCellWidth(addressWidth);
  grid.SetAddressDigits(addressDigits);
  grid.SetDataCellWidth(cellWidth);
}

void ShowPane(WindowCommand& display, QWidget& pane, bool visible) {
  display.SetChecked(visible);
  pane.setVisible(visible);
}

// A disabled pane is hidden too, with its menu and its view item.
void EnablePane(WindowCommand& display, QMenu& menu, QWidget& pane, bool enabled) {
  display.SetAvailable(enabled);
  menu.menuAction()->setEnabled(enabled);
  ShowPane(display, pane, enabled);
}

void LoadByName(ImageSide& side, const QString& path) {
  // The title and the recent files keep the name; both outlive the folder
  // the program was started in.
  const QString absolute = QFileInfo(path).absoluteFilePath();
  if (IsBinaryFileName(absolute.toStdString())) {
    side.LoadBinary(absolute);
  } else {
    side.LoadHex(absolute);
  }
}

// Whether a window placed at (left, top) would show on the area; counted in
// 64 bits, since stored positions may be anything.
bool Overlaps(const QRect& area, int64_t left, int64_t top, int64_t width, int64_t height) {
  return left < int64_t{area.x()} + area.width() && area.x() < left + width &&
         top < int64_t{area.y()} + area.height() && area.y() < top + height;
}

void SetHint(QWidget* widget, const QString& hint) {
  const int bar = hint.indexOf('|');
  widget->setToolTip(bar < 0 ? hint : hint.left(bar));
  widget->setStatusTip(bar < 0 ? hint : hint.mid(bar + 1));
}

}  // namespace

TPWMainForm::TPWMainForm(WindowMessages& messages, Clock& clock, WriterAccess::Backends backends, QWidget* parent)
    : QMainWindow(parent),
      messages_(messages),
      clock_(clock),
      engineMessages_(messages),
      writer_(clock, std::move(backends)),
      parallelPort_(writer_.Io(), engineMessages_),
      sromWrite_(clock, engineMessages_),
      operation_(std::make_unique<ChipOperation>(*this, engineMessages_, [this](bool hold) { HoldCommands(hold); })),
      menus_(*this),
      form_(*this),
      programFormat_([this] { return picWrite_->LastAddress(); }, [this] { return chipFile_->ProgramHex(); }),
      progSide_(messages, {*form_.HexGrid, *form_.PnlProgTitle}, programFormat_, fileOptions_, ProgramTexts()),
      dataSide_(messages, {*form_.DataHexGrid, *form_.PnlDataTitle}, dataFormat_, fileOptions_, DataTexts()),
      compares_(*this, messages, fileOptions_),
      configDlg_(new TConfigDlg(messages, this)),
      idWriteDlg_(new TIDWriteDlg(this)),
      aboutBox_(new TAboutBox(this)),
      fileSetDlg_(new TFileSetDlg(this)),
      protectConfirmDlg_(new TProtectConfirmDlg(this)),
      picCommands_(std::make_unique<PicChipCommands>(
          *this, messages, PicChipCommands::Dialogs{*configDlg_, *idWriteDlg_, *protectConfirmDlg_}, *operation_)),
      serialRomCommands_(std::make_unique<SerialRomCommands>(*this, messages, *operation_)) {
  setObjectName("PWMainForm");
  setWindowTitle(WindowMessages::ApplicationTitle());
  QFont gothic = font();
  gothic.setFamilies({"VL PGothic", "IPAPGothic", "Noto Sans CJK JP", gothic.family()});
  gothic.setPixelSize(12);
  setFont(gothic);
  QFont gridFont = gothic;
  gridFont.setPixelSize(16);
  form_.HexGrid->setFont(gridFont);
  const auto showGridMessage = [this](const QString& text) { messages_.Inform(text); };
  form_.HexGrid->SetMessageSink(showGridMessage);
  form_.DataHexGrid->SetMessageSink(showGridMessage);
  ShapeGrid(*form_.HexGrid, 8, 50, 4, 46);
  ShapeGrid(*form_.DataHexGrid, 8, 40, 3, 25);
  form_.DataHexGrid->DataDigit = 2;
  form_.DataHexGrid->SetMaxAddress(255);
  sromWrite_.ParallelPort = &parallelPort_;
  sromWrite_.Progress = &operation_->Progress();
  chipFile_ = std::make_unique<WholeChipFile>(
      *this, messages, WholeChipFile::Parts{dataSide_, fileOptions_, chipData_, *idWriteDlg_});
  imageStatus_ = new ImageStatus(*statusBar(), *form_.HexGrid, *form_.DataHexGrid, [this] { return StatusFacts(); });
  chipData_.OnChange([this] { imageStatus_->Refresh(); });
  progSide_.WatchImage([this] { chipData_.Forget(); }, [this](const QString& path, const THexSource& source) {
    chipFile_->ProgramHexLoaded(path, source);
  });
  move(277, 155);
  resize(870, 431);
  CreateCommands();
  ConnectLists();
  connect(&menus_.LanguageItems(), &QActionGroup::triggered, this, [this](QAction* item) {
    ChooseLanguage(static_cast<UiLanguage>(menus_.LanguageItems().actions().indexOf(item)));
  });
  FormCreate();
}

TPWMainForm::~TPWMainForm() {
  progSide_.CloseHistory();
  dataSide_.CloseHistory();
}

void TPWMainForm::FormCreate() {
  startPowerON_ = false;
  endPowerOFF_ = false;
  startGiveIO_ = false;
  picWrite_ = std::make_unique<TPicWrite>(clock_, engineMessages_);
  picWrite_->Progress = &operation_->Progress();
  form_.HexGrid->SetMaxAddress(1024);
  form_.HexGrid->Clear();
  form_.DataHexGrid->Clear();
  // The strips say which pane is which until an image has a name.
  progSide_.SetTitle([] { return tr("New Program"); }, [] { return tr("Program"); });
  dataSide_.SetTitle([] { return tr("New Data"); }, [] { return tr("Data"); });
  form_.CBCategory->setCurrentIndex(kPicCategory);
  form_.CBPICDevice->setCurrentIndex(0);
  form_.CBSRomDevice->setCurrentIndex(0);
  picWrite_->SetDevice(PIC16F84);
  form_.CBPICDevice->setCurrentIndex(PIC16F84);
  ApplySRomDevice(SROM24xx02);
  picWrite_->ParallelPort = &parallelPort_;
  CheckSettingsVersion();
  if (startGiveIO_ && !writer_.ObtainPermission()) messages_.Inform(tr("GiveIOデバイスにアクセスできませんでした。"));
  ChoosePortAccess();
  progSide_.OpenHistory(*menus_.MenuProg, *menus_.PicProgSeparator, kHistoryCount, settings_, kFileKey, "PICProg");
  dataSide_.OpenHistory(*menus_.MenuData, *menus_.PicDataSeparator, kHistoryCount, settings_, kFileKey, "PICData");
  // A start in the serial ROM category keeps its own bar.
  ShowMenuOfCategory();
  AssignHints();
  ShowNewFileStatus();
  if (startPowerON_) picWrite_->PowerON();
}

void TPWMainForm::FormClose() {
  if (!settings_.ReadProblem().isEmpty()) {
    messages_.Box(tr("The settings of this run were not saved: %1 cannot be read (%2).\nMake that file readable for "
                     "this user, or remove it, to keep settings again.")
                      .arg(settings_.FileName(), settings_.ReadProblem()),
                  QString(), MessageIcon::Warning, WindowMessages::Buttons::Ok);
  } else if (!SaveSettings()) {
    messages_.Box(tr("The settings could not be saved to %1.\nMake sure that this folder can be written to; the next "
                     "start keeps the settings of before.")
                      .arg(settings_.FileName()),
                  QString(), MessageIcon::Warning, WindowMessages::Buttons::Ok);
  }
  // Nobody may be at the writer after a stop from outside.
  if (endPowerOFF_ || stopRequested_) picWrite_->PowerOFF();
}

void TPWMainForm::RequestClose() {
  if (stopRequested_ || isHidden()) return;
  stopRequested_ = true;
  operation_->Shutdown();
  CloseWhenIdle();
}

void TPWMainForm::CloseWhenIdle() {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    auto* dialog = qobject_cast<QDialog*>(widget);
    if (dialog != nullptr && dialog->isVisible() && dialog->isModal()) dialog->reject();
  }
  // A command still on the stack would go on after the close; it returns
  // once its dialog has been answered, and any later dialog is answered too.
  if (WindowCommand::Running()) {
    QTimer::singleShot(kStopRetryMs, this, &TPWMainForm::CloseWhenIdle);
    return;
  }
  close();
}

// A close during a chip operation asks first; on Yes the operation stops at
// its next boundary, the command that ran it ends, and then the window
// closes as it always does.
void TPWMainForm::closeEvent(QCloseEvent* event) {
  if (operation_->Running()) {
    event->ignore();
    if (stopRequested_ || closeRequested_) return;
    if (!messages_.Box(tr("A chip operation is running.\nCancel it at the next address and close tarvel?"), QString(),
                       MessageIcon::Warning, WindowMessages::Buttons::YesNo)) {
      return;
    }
    closeRequested_ = true;
    operation_->Shutdown();
    QTimer::singleShot(0, this, &TPWMainForm::CloseWhenIdle);
    return;
  }
  // A stop from outside cannot wait for an answer.
  bool keepOpen = false;
  if (!stopRequested_) {
    WindowCommand::RunGuarded(messages_, [&] { keepOpen = !MayReplaceImages({&progSide_, &dataSide_}); });
  }
  if (keepOpen) {
    event->ignore();
    return;
  }
  WindowCommand::RunGuarded(messages_, [this] { FormClose(); });
  event->accept();
}

void TPWMainForm::HoldCommands(bool hold) {
  // A widget disabled while it has the focus leaves the window without one,
  // and its keys without a target: the focus comes back when the hold ends.
  if (hold) focusBeforeHold_ = focusWidget();
  for (WindowCommand* command : allCommands_) command->SetHeld(hold);
  menuBar()->setEnabled(!hold);
  for (QWidget* list : {static_cast<QWidget*>(form_.CBCategory), static_cast<QWidget*>(form_.CBPICDevice),
                        static_cast<QWidget*>(form_.CBSRomDevice)}) {
    list->setEnabled(!hold);
  }
  if (!hold && focusBeforeHold_ && focusBeforeHold_->isEnabled()) focusBeforeHold_->setFocus();
}

void TPWMainForm::ShowStatus(const QString& text) {
  statusIsNewFile_ = false;
  form_.StatusPanel0->setText(text);
}

void TPWMainForm::ShowNewFileStatus() {
  statusIsNewFile_ = true;
  form_.StatusPanel0->setText(tr("New file"));
}

bool TPWMainForm::event(QEvent* event) {
  if (event->type() == QEvent::StatusTip) {
    ShowStatus(static_cast<QStatusTipEvent*>(event)->tip());
    return true;
  }
  return QMainWindow::event(event);
}

void TPWMainForm::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) Retranslate();
  QMainWindow::changeEvent(event);
}

// ---------------------------------------------------------------- language

void TPWMainForm::ChooseLanguage(UiLanguage language) {
  language_ = language;
  menus_.LanguageItem(language)->setChecked(true);
  if (CurrentUiLanguage() == language) return;
  ApplyUiLanguage(language);
}

// The texts that are the window's own; those that name an image or a file,
// and the hints shown last, stay until they change.
void TPWMainForm::Retranslate() {
  menus_.Retranslate();
  AssignHints();
  progSide_.Retranslate();
  dataSide_.Retranslate();
  if (statusIsNewFile_) ShowNewFileStatus();
  ShowWriterStatus();
  imageStatus_->Retranslate();
}

// ---------------------------------------------------------------- commands

template <class Target>
WindowCommand* TPWMainForm::MakeCommand(Target& target, void (Target::*handler)(),
                                        std::initializer_list<QAction*> items,
                                        std::initializer_list<QToolButton*> buttons) {
  auto* command = new WindowCommand(this, messages_, [&target, handler] { (target.*handler)(); });
  command->SetGate([this] { return SettleGridEdits(); });
  allCommands_.push_back(command);
  for (QAction* item : items) command->AddItem(*item);
  for (QToolButton* button : buttons) command->AddButton(*button);
  return command;
}

void TPWMainForm::CreateCommands() {
  Commands& c = commands_;
  const MainMenus& m = menus_;
  const MainFormLayout& f = form_;

  c.Exit1 = MakeCommand(&TPWMainForm::Exit1Click, {m.Exit1, m.SRomExit});

  c.DeviceWriteAll = MakeCommand(*picCommands_, &PicChipCommands::DeviceWriteAllClick, {m.DeviceWriteAll});
  c.DevErase = MakeCommand(*picCommands_, &PicChipCommands::DevEraseClick, {m.DevErase});
  c.DevECheck = MakeCommand(*picCommands_, &PicChipCommands::DevECheckClick, {m.DevECheck});
  c.DevCodeProtect = MakeCommand(*picCommands_, &PicChipCommands::DevCodeProtectClick, {m.DevCodeProtect});
  c.DevReset = MakeCommand(*picCommands_, &PicChipCommands::DevResetClick, {m.DevReset}, {f.SBReset});
  c.ProgWriteC = MakeCommand(*picCommands_, &PicChipCommands::ProgWriteCClick, {m.ProgWriteC});
  c.ProgReadC = MakeCommand(*picCommands_, &PicChipCommands::ProgReadCClick, {m.ProgReadC});
  c.ProgWriteID = MakeCommand(*picCommands_, &PicChipCommands::ProgWriteIDClick, {m.ProgWriteID});
  c.ProgReadID = MakeCommand(*picCommands_, &PicChipCommands::ProgReadIDClick, {m.ProgReadID}, {f.SBReadID});
  c.ProgWritePC = MakeCommand(*picCommands_, &PicChipCommands::ProgWritePCClick, {}, {f.SBWrPC});
  c.PowerON = MakeCommand(*picCommands_, &PicChipCommands::SBPowerONClick, {}, {f.SBPowerON});
  c.PowerOFF = MakeCommand(*picCommands_, &PicChipCommands::SBPowerOFFClick, {}, {f.SBPowerOFF});

  c.ProgNew = MakeCommand(&TPWMainForm::ProgNewClick, {m.ProgNew});
  c.ProgHexOpen = MakeCommand(&TPWMainForm::ProgHexOpenClick, {m.ProgHexOpen}, {f.SBProgOpen});
  c.ProgBinOpen = MakeCommand(&TPWMainForm::ProgBinOpenClick, {m.ProgBinOpen}, {f.SBBinProgOpen});
  c.ProgReload = MakeCommand(&TPWMainForm::ProgReloadClick, {m.ProgReload}, {f.SBProgReload});
  c.ProgReload->SetAvailable(false);
  c.ProgHexSave = MakeCommand(&TPWMainForm::ProgHexSaveClick, {m.ProgHexSave});
  c.ProgBinSave = MakeCommand(&TPWMainForm::ProgBinSaveClick, {m.ProgBinSave}, {f.SBBinProgSave});
  c.ProgSave = MakeCommand(&TPWMainForm::ProgSaveClick, {m.ProgSave});
  c.ProgSave->SetAvailable(false);
  progSide_.UseCommands(*c.ProgReload, *c.ProgSave);
  c.ProgWriteP = MakeCommand(*picCommands_, &PicChipCommands::ProgWritePClick, {m.ProgWriteP}, {f.SBWriteProg});
  c.ProgReadP = MakeCommand(*picCommands_, &PicChipCommands::ProgReadPClick, {m.ProgReadP}, {f.SBReadProg});
  c.ProgReadP->SetGate([this] { return SettleGridEdits() && progSide_.MayReplace(); });
  c.ProgCompare = MakeCommand(*picCommands_, &PicChipCommands::ProgCompareClick, {m.ProgCompare});

  c.DataNew = MakeCommand(&TPWMainForm::DataNewClick, {m.DataNew, m.SRomDataNew});
  c.DataHexOpen = MakeCommand(&TPWMainForm::DataHexOpenClick, {m.DataHexOpen, m.SRomDataHexOpen}, {f.SBDataOpen});
  c.DataBinOpen =
      MakeCommand(&TPWMainForm::DataBinOpenClick, {m.DataBinOpen, m.SRomDataBinOpen}, {f.SBBinDataOpen});
  c.DataReload = MakeCommand(&TPWMainForm::DataReloadClick, {m.DataReload, m.SRomDataReload}, {f.SBDataReload});
  c.DataReload->SetAvailable(false);
  c.DataHexSave = MakeCommand(&TPWMainForm::DataHexSaveClick, {m.DataHexSave, m.SRomDataHexSave});
  c.DataBinSave =
      MakeCommand(&TPWMainForm::DataBinSaveClick, {m.DataBinSave, m.SRomDataBinSave}, {f.SBBinDataSave});
  c.DataSave = MakeCommand(&TPWMainForm::DataSaveClick, {m.DataSave, m.SRomDataSave});
  c.DataSave->SetAvailable(false);
  dataSide_.UseCommands(*c.DataReload, *c.DataSave);
  c.DataWrite = MakeCommand(*picCommands_, &PicChipCommands::DataWriteClick, {m.DataWrite}, {f.SBWriteData});
  c.DataRead = MakeCommand(*picCommands_, &PicChipCommands::DataReadClick, {m.DataRead}, {f.SBReadData});
  c.DataRead->SetGate([this] { return SettleGridEdits() && dataSide_.MayReplace(); });
  c.DataCompare = MakeCommand(*picCommands_, &PicChipCommands::DataCompareClick, {m.DataCompare});

  c.SRomDevErase = MakeCommand(*serialRomCommands_, &SerialRomCommands::SRomDevEraseClick, {m.SRomDevErase});
  c.SRomDevEraseCheck =
      MakeCommand(*serialRomCommands_, &SerialRomCommands::SRomDevEraseCheckClick, {m.SRomDevEraseCheck});
  c.SRomDataWrite = MakeCommand(*serialRomCommands_, &SerialRomCommands::SRomDataWriteClick, {m.SRomDataWrite},
                                {f.SBSRomWrite});
  c.SRomDataRead =
      MakeCommand(*serialRomCommands_, &SerialRomCommands::SRomDataReadClick, {m.SRomDataRead}, {f.SBSRomRead});
  c.SRomDataRead->SetGate([this] { return SettleGridEdits() && dataSide_.MayReplace(); });
  c.SRomDataCompare =
      MakeCommand(*serialRomCommands_, &SerialRomCommands::SRomDataCompareClick, {m.SRomDataCompare});

  c.OptionWrite = MakeCommand(&TPWMainForm::OptionWriteClick, {m.OptionWrite, m.SRomOptionWrite});
  c.OptionFileSet = MakeCommand(&TPWMainForm::OptionFileSetClick, {m.OptionFileSet, m.SRomOptionFileSet});
  c.OptionWriterTest =
      MakeCommand(&TPWMainForm::OptionWriterTestClick, {m.OptionWriterTest, m.SRomOptionWriterTest});
  c.HelpVersion = MakeCommand(&TPWMainForm::HelpVersionClick, {m.HelpVersion, m.SRomHelpVersion});

  c.DispProgWindow = MakeCommand(&TPWMainForm::DispProgWindowClick, {m.DispProgWindow});
  c.DispProgWindow->SetChecked(true);
  c.DispDataWindow = MakeCommand(&TPWMainForm::DispDataWindowClick, {m.DispDataWindow});
  c.DispDataWindow->SetChecked(true);

  // Owned by the window as their QObject parent.
  const auto status = [this](const QString& text) { ShowStatus(text); };
  auto* progEdits = new GridEditCommands(*form_.HexGrid, messages_, status, this);
  progEdits->AddItems(m.ProgGridItems);
  auto* dataEdits = new GridEditCommands(*form_.DataHexGrid, messages_, status, this);
  dataEdits->AddItems(m.DataGridItems);
  dataEdits->AddItems(m.SRomDataGridItems);
}

// A command never reads a cell whose text stands for another number: an
// entry still open is finished first, and an over-long one stops the command.
bool TPWMainForm::SettleGridEdits() {
  const bool program = form_.HexGrid->SettleCurrentCell();
  const bool data = form_.DataHexGrid->SettleCurrentCell();
  return program && data;
}

void TPWMainForm::ConnectLists() {
  connect(form_.CBCategory, &QComboBox::activated, this,
          [this] { WindowCommand::RunGuarded(messages_, [this] { CBCategoryChange(); }); });
  connect(form_.CBPICDevice, &QComboBox::activated, this,
          [this] { WindowCommand::RunGuarded(messages_, [this] { CBPICDeviceChange(); }); });
  connect(form_.CBSRomDevice, &QComboBox::activated, this,
          [this] { WindowCommand::RunGuarded(messages_, [this] { CBSRomDeviceChange(); }); });
}

// The hints of the tool buttons and lists, and the category names ("PIC"
// is the same in every language).
void TPWMainForm::AssignHints() {
  const MainFormLayout& f = form_;
  SetHint(f.SBProgOpen, tr("Open HEX|Open HEX file of Program."));
  SetHint(f.SBBinProgOpen, tr("Open Binary|Open Binary file of program."));
  SetHint(f.SBBinProgSave, tr("Save Binary|Save program as binary."));
  SetHint(f.SBProgReload, tr("Reload|Reload Program"));
  SetHint(f.SBWriteProg, tr("Write Program|Write program into PIC"));
  SetHint(f.SBReadProg, tr("Read Program|Read program from PIC"));
  SetHint(f.SBReadID, tr("Read ID|Read ID form PIC"));
  SetHint(f.SBWrPC, tr("Write Program and Config|Write program and configration fuse into PIC"));
  SetHint(f.SBReset, tr("Reset|Reset PIC"));
  SetHint(f.SBPowerON, tr("Power ON|Power ON PIC writer"));
  SetHint(f.SBPowerOFF, tr("Power OFF|Power OFF PIC writer"));
  SetHint(f.SBDataOpen, tr("Open Hex|Open HEX file"));
  SetHint(f.SBBinDataOpen, tr("Open Binary|Open binary file"));
  SetHint(f.SBBinDataSave, tr("Save Binary|Save as binary"));
  SetHint(f.SBDataReload, tr("Reload|Reload data"));
  SetHint(f.SBWriteData, tr("Write Data|Write data into PIC"));
  SetHint(f.SBReadData, tr("Read Data|Read data from PIC"));
  SetHint(f.SBSRomWrite, tr("Write"));
  SetHint(f.SBSRomRead, tr("Read"));
  SetHint(f.CBPICDevice, tr("Device|Choose PIC device"));
  SetHint(f.CBCategory, tr("Device Category|Choose category of device"));
  SetHint(f.CBSRomDevice, tr("Device|Choose device"));
  f.CBCategory->setItemText(kSerialRomCategory, tr("ｼﾘｱﾙROM"));
}

void TPWMainForm::OpenStartFiles(const QString& programFile, const QString& dataFile) {
  WindowCommand::RunGuarded(messages_, [&] {
    if (!programFile.isEmpty()) {
      // The program pane belongs to the PIC category.
      if (sromCategory_) {
        form_.CBCategory->setCurrentIndex(kPicCategory);
        CBCategoryChange();
      }
      LoadByName(progSide_, programFile);
    }
    if (dataFile.isEmpty()) return;
    if (!commands_.DispDataWindow->Available()) {
      messages_.Inform(tr("The data file %1 was not opened: %2 has no data EEPROM.\nChoose a device with data "
                          "EEPROM or the serial ROM category, then open the file again.")
                           .arg(dataFile, form_.CBPICDevice->currentText()));
      return;
    }
    LoadByName(dataSide_, dataFile);
  });
}

// ------------------------------------------------- categories and devices

void TPWMainForm::ShowMenuOfCategory() {
  if (sromCategory_) {
    menus_.ShowSRomMenu(*menuBar());
  } else {
    menus_.ShowPicMenu(*menuBar());
  }
}

bool TPWMainForm::MayReplaceImages(std::initializer_list<ImageSide*> sides) {
  SettleGridEdits();
  return std::all_of(sides.begin(), sides.end(), [](ImageSide* side) { return side->MayReplace(); });
}

void TPWMainForm::CBCategoryChange() {
  const bool toPic = form_.CBCategory->currentIndex() != kSerialRomCategory;
  // Choosing the category already shown changes nothing: re-entering it
  // would empty both grids.
  if (toPic == !sromCategory_ && categoryEntered_) return;
  // The serial ROM category keeps the program image, hidden.
  const bool mayGo = toPic ? MayReplaceImages({&progSide_, &dataSide_}) : MayReplaceImages({&dataSide_});
  if (!mayGo) {
    form_.CBCategory->setCurrentIndex(sromCategory_ ? kSerialRomCategory : kPicCategory);
    return;
  }
  if (toPic) {
    EnterPicCategory();
  } else {
    EnterSRomCategory();
  }
}

void TPWMainForm::CBPICDeviceChange() {
  const int device = form_.CBPICDevice->currentIndex();
  const PIC_DEVICES current = picWrite_->Device();
  if (device == current) return;
  if (!MayReplaceImages({&progSide_, &dataSide_})) {
    form_.CBPICDevice->setCurrentIndex(IsKnownPicDevice(current) ? current : -1);
    return;
  }
  ApplyPicDevice(device);
}

void TPWMainForm::CBSRomDeviceChange() {
  const int device = form_.CBSRomDevice->currentIndex();
  if (device == sromWrite_.Device()) return;
  if (!MayReplaceImages({&dataSide_})) {
    form_.CBSRomDevice->setCurrentIndex(sromWrite_.Device());
    return;
  }
  ApplySRomDevice(device);
}

void TPWMainForm::EnterPicCategory() {
  sromCategory_ = false;
  categoryEntered_ = true;
  menus_.ShowPicMenu(*menuBar());
  form_.NBToolBar->setCurrentWidget(form_.NBToolBarPic);
  form_.NBDataToolBar->setCurrentWidget(form_.NBDataToolBarPic);
  if (form_.CBPICDevice->currentIndex() < 0) form_.CBPICDevice->setCurrentIndex(0);
  ShapeGrid(*form_.DataHexGrid, 8, 40, 3, 25);
  EnableProgPane(true);
  EnableDataPane(true);
  ApplyPicDevice(form_.CBPICDevice->currentIndex());
}

void TPWMainForm::EnterSRomCategory() {
  sromCategory_ = true;
  categoryEntered_ = true;
  menus_.ShowSRomMenu(*menuBar());
  form_.NBToolBar->setCurrentWidget(form_.NBToolBarSerialRom);
  form_.NBDataToolBar->setCurrentWidget(form_.NBDataToolBarSerialRom);
  if (form_.CBSRomDevice->currentIndex() < 0) form_.CBSRomDevice->setCurrentIndex(0);
  ShapeGrid(*form_.DataHexGrid, 16, 60, 5, 30);
  EnableDataPane(true);
  EnableProgPane(false);
  ApplySRomDevice(form_.CBSRomDevice->currentIndex());
}

void TPWMainForm::ApplyPicDevice(int device) {
  // The list and the store carry the device as one byte.
  const auto value = static_cast<PIC_DEVICES>(static_cast<uint8_t>(device));
  picWrite_->SetDevice(value);
  form_.CBPICDevice->setCurrentIndex(IsKnownPicDevice(value) ? value : -1);
  form_.HexGrid->DataDigit = 4;
  form_.HexGrid->SetMaxAddress(picWrite_->LastAddress());
  form_.HexGrid->Clear();
  form_.DataHexGrid->DataDigit = 2;
  form_.DataHexGrid->SetMaxAddress(picWrite_->DataLastAddress());
  form_.DataHexGrid->Clear();
  progSide_.ImageEmptied();
  dataSide_.ImageEmptied();
  commands_.DataRead->SetAvailable(false);
  commands_.DataWrite->SetAvailable(false);
  commands_.DevErase->SetAvailable(false);
  commands_.ProgReadID->SetAvailable(true);
  commands_.ProgWriteID->SetAvailable(true);
  const PicGroup group = GroupOf(value);
  // A start applies the stored device and then enters its category, which
  // applies it again: the user hears of an unsupported device once per choice.
  const bool toldAlready = group == PicGroup::NotSupported && unsupportedTold_ == value;
  unsupportedTold_ = group == PicGroup::NotSupported ? value : -1;
  switch (group) {
    case PicGroup::TwelveBit:
      EnableDataPane(false);
      commands_.ProgReadID->SetAvailable(false);
      commands_.ProgWriteID->SetAvailable(false);
      break;
    case PicGroup::WithDataEeprom:
      EnableDataPane(true);
      commands_.DataRead->SetAvailable(true);
      commands_.DataWrite->SetAvailable(true);
      commands_.DevErase->SetAvailable(true);
      break;
    case PicGroup::NotSupported:
      if (!toldAlready) messages_.Inform(tr("This device is not supported"));
      break;
    case PicGroup::Other:
      EnableDataPane(false);
      break;
  }
  UpdateSocket();
}

void TPWMainForm::ApplySRomDevice(int device) {
  const auto value = static_cast<SROM_DEVICE>(static_cast<uint8_t>(device));
  form_.CBSRomDevice->setCurrentIndex(value < kSRomDeviceCount ? value : -1);
  sromWrite_.SetDevice(value);
  form_.DataHexGrid->DataDigit = 2;
  form_.DataHexGrid->SetMaxAddress(static_cast<int32_t>(sromWrite_.LastAddress()));
  form_.DataHexGrid->Clear();
  dataSide_.ImageEmptied();
  UpdateSocket();
}

void TPWMainForm::UpdateSocket() {
  if (!picWrite_) return;
  if (sromCategory_) {
    writer_.SelectSerialRom(sromWrite_.Device());
  } else {
    writer_.SelectPic(picWrite_->Device());
  }
}

ImageStatus::Facts TPWMainForm::StatusFacts() const {
  ImageStatus::Facts facts;
  facts.program = !sromCategory_ && picWrite_ && IsKnownPicDevice(picWrite_->Device());
  facts.data = commands_.DispDataWindow && commands_.DispDataWindow->Available();
  if (facts.program) facts.wordMask = HexLayoutOf(picWrite_->Device()).wordMask;
  facts.config = chipData_.Config();
  facts.configFromFile = chipData_.ConfigFromFile();
  return facts;
}

void TPWMainForm::ShowProgPane(bool visible) { ShowPane(*commands_.DispProgWindow, *form_.PnlProg, visible); }

void TPWMainForm::EnableProgPane(bool enabled) {
  EnablePane(*commands_.DispProgWindow, *menus_.MenuProg, *form_.PnlProg, enabled);
}

void TPWMainForm::ShowDataPane(bool visible) { ShowPane(*commands_.DispDataWindow, *form_.PnlData, visible); }

void TPWMainForm::EnableDataPane(bool enabled) {
  EnablePane(*commands_.DispDataWindow, *menus_.MenuData, *form_.PnlData, enabled);
}

void TPWMainForm::DispProgWindowClick() { ShowProgPane(!commands_.DispProgWindow->Checked()); }

void TPWMainForm::DispDataWindowClick() { ShowDataPane(!commands_.DispDataWindow->Checked()); }

void TPWMainForm::Exit1Click() { close(); }

// ---------------------------------------------------------------- settings

void TPWMainForm::CheckSettingsVersion() {
  // A start without settings of its own shows the original texts ("As described").
  if (settings_.Version() != SettingsStore::kVersion) ChooseLanguage(UiLanguage::Original);
  if (!settings_.ReadProblem().isEmpty()) {
    // Not a first run: the file may hold the settings of another run, which
    // are neither used nor replaced.
    messages_.Box(tr("The settings file %1 cannot be read (%2).\ntarvel starts with its default settings and leaves "
                     "that file as it is.")
                      .arg(settings_.FileName(), settings_.ReadProblem()),
                  QString(), MessageIcon::Warning, WindowMessages::Buttons::Ok);
    CBCategoryChange();
    return;
  }
  if (settings_.Version() == SettingsStore::kVersion) {
    LoadLanguage();
    LoadWriteSettings();
    LoadFileSettings();
    LoadWindowPosition();
  } else {
    settings_.DeleteTree();
  }
  // A first start enters its category too: without that the grids kept the
  // sizes they were built with, longer than PIC16F84's memories, and files
  // saved from them came out too long for the selected device.
  CBCategoryChange();
  if (!settings_.HasKey(kWriteKey)) {
    firstRun_ = true;
    messages_.Inform(
        tr("Set write settings with following dialog.\n You should click [Measure]button and select parallel port."));
    RunWriteSetup(false);
    CentreOnScreen();
  }
}

void TPWMainForm::LoadWriteSettings() {
  if (!settings_.HasKey(kWriteKey)) return;
  SettingsStore& s = settings_;
  picWrite_->OverWriteEnable = s.ReadFlag(kWriteKey, "OverWriteEnable", picWrite_->OverWriteEnable);
  // Each value outside its range keeps the default, which is what the close
  // saves back. A wait outside the measurement's range would be missing or
  // all but endless; the default 0 waits on the tick counter instead.
  picWrite_->WaitTime = s.ReadInt(kWriteKey, "WaitTime", picWrite_->WaitTime, 0, WaitTimeMeasurement::kMaxWaitTime);
  picWrite_->FillUpEnable = s.ReadFlag(kWriteKey, "FillUpEnable", picWrite_->FillUpEnable);
  picWrite_->FillUpData = s.ReadInt(kWriteKey, "FillUpData", picWrite_->FillUpData, 0, TWriteSetDlg::kMaxFillUpData);
  parallelPort_.SetPortType(static_cast<PPortType>(
      s.ReadInt(kWriteKey, "PortType", parallelPort_.PortType(), 0, kParallelPortTypeCount - 1)));
  form_.CBCategory->setCurrentIndex(s.ReadInt(kWriteKey, "Category", 0, 0, form_.CBCategory->count() - 1));
  ApplyPicDevice(s.ReadInt(kWriteKey, "PICDevice", picWrite_->Device(), 0, kPicDeviceCount - 1));
  ApplySRomDevice(s.ReadInt(kWriteKey, "SRomDevice", sromWrite_.Device(), 0, kSRomDeviceCount - 1));
  startPowerON_ = s.ReadFlag(kWriteKey, "StartPowerON", startPowerON_);
  endPowerOFF_ = s.ReadFlag(kWriteKey, "EndPowerOFF", endPowerOFF_);
  startGiveIO_ = s.ReadFlag(kWriteKey, "StartGiveIO", startGiveIO_);
  portAccess_ =
      s.ReadInt(kWriteKey, "PortAccess", WriterAccess::Automatic, WriterAccess::Automatic, WriterAccess::Simulated);
}

void TPWMainForm::LoadLanguage() { ChooseLanguage(settings_.Language()); }

void TPWMainForm::LoadFileSettings() {
  if (!settings_.HasKey(kFileKey)) return;
  fileOptions_.objPath = settings_.ReadString(kFileKey, "ObjPath");
  fileOptions_.hexType = settings_.ReadInt(kFileKey, "HexType", fileOptions_.hexType, 0, FileFilters::kTypeCount - 1);
  fileOptions_.binType = settings_.ReadInt(kFileKey, "BinType", fileOptions_.binType, 0, FileFilters::kTypeCount - 1);
  fileOptions_.chipDataTake = settings_.ReadInt(kFileKey, "ChipDataTake", fileOptions_.chipDataTake,
                                                FileOptions::AskToTake, FileOptions::NeverTake);
  fileOptions_.chipDataSave = settings_.ReadFlag(kFileKey, "ChipDataSave", fileOptions_.chipDataSave);
}

void TPWMainForm::LoadWindowPosition() {
  if (!settings_.HasKey(kFormKey)) return;
  const int top = settings_.ReadInt(kFormKey, "Top", y());
  const int left = settings_.ReadInt(kFormKey, "Left", x());
  const int width = settings_.ReadInt(kFormKey, "Width", this->width());
  const int height = settings_.ReadInt(kFormKey, "Height", this->height());
  // A window larger than the screens would make the start allocate for all
  // of it; one on a screen that is gone would open out of reach.
  const QScreen* primary = QGuiApplication::primaryScreen();
  const QSize room = primary ? primary->availableVirtualSize() : QSize(width, height);
  if (width > 0 && height > 0) resize(std::min(width, room.width()), std::min(height, room.height()));
  for (const QScreen* screen : QGuiApplication::screens()) {
    if (Overlaps(screen->availableGeometry(), left, top, this->width(), this->height())) {
      move(left, top);
      return;
    }
  }
  CentreOnScreen();
}

bool TPWMainForm::SaveSettings() {
  SaveWindowPosition();
  SaveWriteSettings();
  SaveFileSettings();
  SaveVersion();
  return settings_.Sync();
}

void TPWMainForm::SaveWindowPosition() {
  settings_.WriteInt(kFormKey, "Top", y());
  settings_.WriteInt(kFormKey, "Left", x());
  settings_.WriteInt(kFormKey, "Width", width());
  settings_.WriteInt(kFormKey, "Height", height());
  settings_.SetLanguage(language_);
}

void TPWMainForm::SaveWriteSettings() {
  SettingsStore& s = settings_;
  s.WriteFlag(kWriteKey, "OverWriteEnable", picWrite_->OverWriteEnable);
  s.WriteInt(kWriteKey, "WaitTime", picWrite_->WaitTime);
  s.WriteFlag(kWriteKey, "FillUpEnable", picWrite_->FillUpEnable);
  s.WriteInt(kWriteKey, "FillUpData", picWrite_->FillUpData);
  s.WriteInt(kWriteKey, "PortType", parallelPort_.PortType());
  s.WriteInt(kWriteKey, "Category", form_.CBCategory->currentIndex());
  // Devices go to the store as signed bytes.
  s.WriteInt(kWriteKey, "PICDevice", static_cast<int8_t>(picWrite_->Device()));
  s.WriteInt(kWriteKey, "SRomDevice", static_cast<int8_t>(sromWrite_.Device()));
  s.WriteFlag(kWriteKey, "StartPowerON", startPowerON_);
  s.WriteFlag(kWriteKey, "EndPowerOFF", endPowerOFF_);
  s.WriteFlag(kWriteKey, "StartGiveIO", startGiveIO_);
  s.WriteInt(kWriteKey, "PortAccess", portAccess_);
}

void TPWMainForm::SaveFileSettings() {
  settings_.WriteString(kFileKey, "ObjPath", fileOptions_.objPath);
  settings_.WriteInt(kFileKey, "HexType", fileOptions_.hexType);
  settings_.WriteInt(kFileKey, "BinType", fileOptions_.binType);
  settings_.WriteInt(kFileKey, "ChipDataTake", fileOptions_.chipDataTake);
  settings_.WriteFlag(kFileKey, "ChipDataSave", fileOptions_.chipDataSave);
  settings_.WriteFlag(kFileKey, "StartGiveIO", startGiveIO_);
}

void TPWMainForm::SaveVersion() { settings_.WriteString(QString(), "Version", SettingsStore::kVersion); }

void TPWMainForm::CentreOnScreen() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return;
  const QRect available = screen->availableGeometry();
  move(available.center() - QPoint(width() / 2, height() / 2));
}

// ---------------------------------------------------------- option commands

bool TPWMainForm::RunWriteSetup(bool cancelEnabled) {
  TWriteSetDlg dialog(clock_, messages_, this);
  dialog.SetCancelEnabled(cancelEnabled);
  dialog.SetOverWriteEnable(picWrite_->OverWriteEnable);
  dialog.SetWaitTime(picWrite_->WaitTime);
  dialog.SetFillUpEnable(picWrite_->FillUpEnable);
  dialog.SetFillUpData(picWrite_->FillUpData);
  dialog.SetPortType(parallelPort_.PortType());
  dialog.SetStartPowerON(startPowerON_);
  dialog.SetEndPowerOFF(endPowerOFF_);
  dialog.SetStartGiveIO(startGiveIO_);
  dialog.SetPortAccess(portAccess_);
  if (messages_.RunModal(dialog) != QDialog::Accepted) return false;
  picWrite_->OverWriteEnable = dialog.OverWriteEnable();
  picWrite_->WaitTime = dialog.WaitTime();
  picWrite_->FillUpEnable = dialog.FillUpEnable();
  picWrite_->FillUpData = dialog.FillUpData();
  parallelPort_.SetPortType(dialog.PortType());
  startPowerON_ = dialog.StartPowerON();
  endPowerOFF_ = dialog.EndPowerOFF();
  startGiveIO_ = dialog.StartGiveIO();
  portAccess_ = dialog.PortAccess();
  return true;
}

void TPWMainForm::OptionWriteClick() {
  const PPortType portType = parallelPort_.PortType();
  const int portAccess = portAccess_;
  if (!RunWriteSetup(true)) return;
  // Another port or another way to it is used from the next command on.
  if (parallelPort_.PortType() != portType || portAccess_ != portAccess) ChoosePortAccess();
}

void TPWMainForm::OptionFileSetClick() {
  fileSetDlg_->SetObjPath(fileOptions_.objPath);
  fileSetDlg_->SetHexType(fileOptions_.hexType);
  fileSetDlg_->SetBinType(fileOptions_.binType);
  fileSetDlg_->SetChipDataTake(fileOptions_.chipDataTake);
  fileSetDlg_->SetChipDataSave(fileOptions_.chipDataSave);
  if (messages_.RunModal(*fileSetDlg_) != QDialog::Accepted) return;
  fileOptions_.objPath = fileSetDlg_->ObjPath();
  fileOptions_.hexType = fileSetDlg_->HexType();
  fileOptions_.binType = fileSetDlg_->BinType();
  fileOptions_.chipDataTake = fileSetDlg_->ChipDataTake();
  fileOptions_.chipDataSave = fileSetDlg_->ChipDataSave();
}

void TPWMainForm::OptionWriterTestClick() {
  if (!messages_.Box(tr("Make sure that the PIC writer is not connected to PIC.\n"), tr("Writer test"), MessageIcon::None,
                     WindowMessages::Buttons::OkCancel)) {
    return;
  }
  TWriterTestDlg dialog(writer_.Io(), this);
  messages_.RunModal(dialog);
}

void TPWMainForm::HelpVersionClick() {
  aboutBox_->SetVersion(tr("Version %1 (English)").arg(SettingsStore::kVersion));
  messages_.RunModal(*aboutBox_);
}

// -------------------------------------------------------------- port access

void TPWMainForm::ChoosePortAccess() {
  const std::string problem = writer_.Choose(portAccess_, parallelPort_.PortType());
  parallelPort_.SetIo(writer_.Io());
  UpdateSocket();
  ShowWriterStatus();
  if (!problem.empty()) {
    messages_.Box(tr("%1\n\ntarvel works with the %2 writer now, as the status bar shows.")
                      .arg(CoreTexts::Translated(problem), CoreTexts::Part(writer_.Name())),
                  QString(), MessageIcon::Warning, WindowMessages::Buttons::Ok);
  }
}

void TPWMainForm::ShowWriterStatus() {
  form_.StatusPanel1->setText(tr("Writer: %1").arg(CoreTexts::Part(writer_.Name())));
  form_.StatusPanel1->setToolTip(writer_.IsSimulated()
                                     ? tr("Commands work on a virtual chip in a simulated writer, not on real hardware.")
                                     : tr("Commands drive the writer on the parallel port."));
}

}  // namespace tarvel

#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <initializer_list>
#include <memory>
#include <vector>

#include "engine/pic/PicWrite.h"
#include "engine/srom/SRomWrite.h"
#include "language/UiLanguage.h"
#include "platform/Clock.h"
#include "port/ParallelPort.h"
#include "settings/SettingsStore.h"
#include "ui/main/CompareReport.h"
#include "ui/main/DataImageFormat.h"
#include "ui/main/EngineMessages.h"
#include "ui/main/FileOptions.h"
#include "ui/main/ImageSide.h"
#include "ui/main/ImageStatus.h"
#include "ui/main/MainFormLayout.h"
#include "ui/main/MainMenus.h"
#include "ui/main/ProgramChipData.h"
#include "ui/main/ProgramImageFormat.h"
#include "writer/WriterAccess.h"

namespace tarvel {

class ChipOperation;
class PicChipCommands;
class SerialRomCommands;
class TAboutBox;
class TConfigDlg;
class TFileSetDlg;
class TIDWriteDlg;
class TPicFileHistry;
class TProtectConfirmDlg;
class THexGrid;
class WindowCommand;
class WholeChipFile;
class WindowMessages;

// The program's window and the owner of everything that runs: the two
// engines, the writer's port, and the program and data panes with their
// images, files and recent-file histories. Two categories, PIC and serial ROM, decide
// which menu bar, tool pages and panes it shows.
class TPWMainForm : public QMainWindow {
  Q_OBJECT

 public:
  using FileKind = ImageSide::FileKind;

  // Every command of the window; a command's menu items (in both bars) and
  // tool button follow its availability together.
  struct Commands {
    WindowCommand* Exit1;
    WindowCommand* DeviceWriteAll;
    WindowCommand* DevErase;
    WindowCommand* DevECheck;
    WindowCommand* DevCodeProtect;
    WindowCommand* DevReset;
    WindowCommand* ProgWriteC;
    WindowCommand* ProgReadC;
    WindowCommand* ProgWriteID;
    WindowCommand* ProgReadID;
    WindowCommand* ProgWritePC;
    WindowCommand* PowerON;
    WindowCommand* PowerOFF;
    WindowCommand* ProgNew;
    WindowCommand* ProgHexOpen;
    WindowCommand* ProgBinOpen;
    WindowCommand* ProgReload;
    WindowCommand* ProgHexSave;
    WindowCommand* ProgBinSave;
    WindowCommand* ProgSave;
    WindowCommand* ProgWriteP;
    WindowCommand* ProgReadP;
    WindowCommand* ProgCompare;
    WindowCommand* DataNew;
    WindowCommand* DataHexOpen;
    WindowCommand* DataBinOpen;
    WindowCommand* DataReload;
    WindowCommand* DataHexSave;
    WindowCommand* DataBinSave;
    WindowCommand* DataSave;
    WindowCommand* DataWrite;
    WindowCommand* DataRead;
    WindowCommand* DataCompare;
    WindowCommand* SRomDevErase;
    WindowCommand* SRomDevEraseCheck;
    WindowCommand* SRomDataWrite;
    WindowCommand* SRomDataRead;
    WindowCommand* SRomDataCompare;
    WindowCommand* OptionWrite;
    WindowCommand* OptionFileSet;
    WindowCommand* OptionWriterTest;
    WindowCommand* HelpVersion;
    WindowCommand* DispProgWindow;
    WindowCommand* DispDataWindow;
  };

  // Runs FormCreate: every box and dialog it shows (first run with the write
  // setup, unsupported device, port permission) goes through `messages`.
  // Every wait of the engines and the simulated writer runs on `clock`.
  TPWMainForm(WindowMessages& messages, Clock& clock,
              WriterAccess::Backends backends = WriterAccess::RealBackends(), QWidget* parent = nullptr);
  // FormDestroy: the histories store their lists, program history first.
  ~TPWMainForm() override;

  // The one way a stop from outside ends the program (a signal, see
  // StopSignals): a chip operation under way stops at its next cell or page
  // boundary, open dialogs and boxes are answered Cancel or No, so the
  // running command ends at its next question; once it has returned, the
  // window closes as by Quit, and the writer's supply and VPP are switched
  // off whatever EndPowerOFF says.
  void RequestClose();
  // The chip operation under way, if any, and its progress.
  ChipOperation& Operation() { return *operation_; }

  // The window's procedures.
  void ApplyPicDevice(int device);
  void ApplySRomDevice(int device);
  void EnterPicCategory();
  void EnterSRomCategory();
  void ShowProgPane(bool visible);
  void EnableProgPane(bool enabled);
  void ShowDataPane(bool visible);
  void EnableDataPane(bool enabled);

  // The loaders, also run by the history entries.
  void LoadProgramHex(const QString& path) { progSide_.LoadHex(path); }
  void LoadProgramBinary(const QString& path) { progSide_.LoadBinary(path); }
  void LoadDataHex(const QString& path) { dataSide_.LoadHex(path); }
  void LoadDataBinary(const QString& path) { dataSide_.LoadBinary(path); }
  // Files named on the command line, loaded as the open commands load them:
  // as binary when the name ends in .bin, as Intel HEX otherwise. An empty
  // name opens nothing.
  void OpenStartFiles(const QString& programFile, const QString& dataFile);

  // `title` words the pane's new title (in the language of the moment).
  void ProgramReadFromChip(ImageSide::Words title) {
    progSide_.ReadFromChip(std::move(title));
    chipData_.ImageReadFromChip();
  }
  void DataReadFromChip(ImageSide::Words title) { dataSide_.ReadFromChip(std::move(title)); }

  // What tests and the next commands read.
  const MainFormLayout& Form() const { return form_; }
  const MainMenus& Menus() const { return menus_; }
  const Commands& Command() const { return commands_; }
  TPicWrite& PicWrite() { return *picWrite_; }
  TSRomWrite& SRomWrite() { return sromWrite_; }
  TParallelPort& ParallelPort() { return parallelPort_; }
  WriterAccess& Writer() { return writer_; }
  CompareReport& Compares() { return compares_; }
  TPicFileHistry& ProgHistory() { return progSide_.History(); }
  TPicFileHistry& DataHistory() { return dataSide_.History(); }
  // The configuration word and ID that go with the program image.
  ProgramChipData& ChipData() { return chipData_; }
  const WholeChipFile& ChipFile() const { return *chipFile_; }
  const ImageStatus& Status() const { return *imageStatus_; }
  const QString& ProgTitle() const { return progSide_.Title(); }
  const QString& DataTitle() const { return dataSide_.Title(); }
  const QString& ProgFileName() const { return progSide_.FileName(); }
  const QString& DataFileName() const { return dataSide_.FileName(); }
  FileKind ProgFileKind() const { return progSide_.Kind(); }
  FileKind DataFileKind() const { return dataSide_.Kind(); }
  const QString& ObjPath() const { return fileOptions_.objPath; }
  int HexType() const { return fileOptions_.hexType; }
  int BinType() const { return fileOptions_.binType; }
  bool StartPowerON() const { return startPowerON_; }
  bool EndPowerOFF() const { return endPowerOFF_; }
  bool StartGiveIO() const { return startGiveIO_; }
  int PortAccess() const { return portAccess_; }
  // True when this start found no current settings and took the first-run path.
  bool FirstRun() const { return firstRun_; }
  UiLanguage Language() const { return language_; }
  // The Option menu's language choice: takes effect at once, and is kept
  // under Form\Language when the window closes.
  void ChooseLanguage(UiLanguage language);

 protected:
  bool event(QEvent* event) override;
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void FormCreate();
  void FormClose();
  void CreateCommands();
  // A command run by `handler` from the menu items and tool buttons given.
  template <class Target>
  WindowCommand* MakeCommand(Target& target, void (Target::*handler)(), std::initializer_list<QAction*> items,
                             std::initializer_list<QToolButton*> buttons = {});
  WindowCommand* MakeCommand(void (TPWMainForm::*handler)(), std::initializer_list<QAction*> items,
                             std::initializer_list<QToolButton*> buttons = {}) {
    return MakeCommand(*this, handler, items, buttons);
  }
  bool SettleGridEdits();
  // Each of the images that a command is about to replace may be saved
  // first; false when the user keeps one (the command then stops).
  bool MayReplaceImages(std::initializer_list<ImageSide*> sides);
  void ConnectLists();
  void AssignHints();
  void Retranslate();
  void ShowWriterStatus();
  void ShowMenuOfCategory();

  // Settings.
  void CheckSettingsVersion();
  void LoadWriteSettings();
  void LoadLanguage();
  void LoadFileSettings();
  void LoadWindowPosition();
  // The window position, the write and file settings and the version, in
  // this order; false when they did not reach the file.
  bool SaveSettings();
  void SaveWindowPosition();
  void SaveWriteSettings();
  void SaveFileSettings();
  void SaveVersion();
  void CentreOnScreen();
  void ChoosePortAccess();
  // The write setup dialog with the current settings; on OK its values
  // become the settings. True on OK.
  bool RunWriteSetup(bool cancelEnabled);
  // The simulated socket holds the chip of the device the category shows.
  void UpdateSocket();
  void CloseWhenIdle();
  // While a chip operation runs, no command, menu or device list can start
  // another or change what the engines work on.
  void HoldCommands(bool hold);
  // What the status bar's image account shows now.
  ImageStatus::Facts StatusFacts() const;
  // A line in the status bar's message panel, until the next hint.
  void ShowStatus(const QString& text);
  void ShowNewFileStatus();

  // Command handlers.
  void CBCategoryChange();
  void CBPICDeviceChange();
  void CBSRomDeviceChange();
  void DispProgWindowClick();
  void DispDataWindowClick();
  void Exit1Click();
  void ProgNewClick() { progSide_.New(); }
  void ProgHexOpenClick() { progSide_.OpenHex(); }
  void ProgBinOpenClick() { progSide_.OpenBinary(); }
  void ProgReloadClick() { progSide_.Reload(); }
  void ProgHexSaveClick() { progSide_.SaveHex(); }
  void ProgBinSaveClick() { progSide_.SaveBinary(); }
  void ProgSaveClick() { progSide_.Save(); }
  void DataNewClick() { dataSide_.New(); }
  void DataHexOpenClick() { dataSide_.OpenHex(); }
  void DataBinOpenClick() { dataSide_.OpenBinary(); }
  void DataReloadClick() { dataSide_.Reload(); }
  void DataHexSaveClick() { dataSide_.SaveHex(); }
  void DataBinSaveClick() { dataSide_.SaveBinary(); }
  void DataSaveClick() { dataSide_.Save(); }
  void OptionWriteClick();
  void OptionFileSetClick();
  void OptionWriterTestClick();
  void HelpVersionClick();

  WindowMessages& messages_;
  Clock& clock_;
  // What the engines show, shown once an operation on the worker has ended.
  EngineMessages engineMessages_;
  SettingsStore settings_;
  WriterAccess writer_;
  TParallelPort parallelPort_;
  TSRomWrite sromWrite_;
  std::unique_ptr<TPicWrite> picWrite_;
  std::unique_ptr<ChipOperation> operation_;
  MainMenus menus_;
  MainFormLayout form_;
  FileOptions fileOptions_;
  ProgramChipData chipData_;
  ProgramImageFormat programFormat_;
  DataImageFormat dataFormat_;
  ImageSide progSide_;
  ImageSide dataSide_;
  CompareReport compares_;
  Commands commands_{};
  // Every command made, to hold them all during a chip operation.
  std::vector<WindowCommand*> allCommands_;
  QPointer<QWidget> focusBeforeHold_;
  // The dialogs that live as long as the window, owned by it.
  TConfigDlg* configDlg_;
  TIDWriteDlg* idWriteDlg_;
  TAboutBox* aboutBox_;
  TFileSetDlg* fileSetDlg_;
  TProtectConfirmDlg* protectConfirmDlg_;
  std::unique_ptr<PicChipCommands> picCommands_;
  std::unique_ptr<SerialRomCommands> serialRomCommands_;
  std::unique_ptr<WholeChipFile> chipFile_;
  ImageStatus* imageStatus_ = nullptr;  // owned by the status bar

  bool startPowerON_ = false;
  bool endPowerOFF_ = false;
  bool startGiveIO_ = false;
  int portAccess_ = WriterAccess::Automatic;
  UiLanguage language_ = UiLanguage::Original;
  // The status panel shows the window's own "New file", worded in the
  // language now in effect, until a hint or a command's line replaces it.
  bool statusIsNewFile_ = false;
  bool firstRun_ = false;
  bool stopRequested_ = false;
  // The user closed the window during a chip operation and chose to cancel it.
  bool closeRequested_ = false;
  bool sromCategory_ = false;
  bool categoryEntered_ = false;
  // The unsupported device the user was last told about, or -1.
  int unsupportedTold_ = -1;
};

}  // namespace tarvel

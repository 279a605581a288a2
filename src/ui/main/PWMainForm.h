#pragma once

#include <QMainWindow>
#include <QString>
#include <memory>

#include "engine/pic/PicWrite.h"
#include "engine/srom/SRomWrite.h"
#include "files/HexSource.h"
#include "platform/Clock.h"
#include "port/ParallelPort.h"
#include "ui/main/MainFormLayout.h"
#include "ui/main/MainMenus.h"
#include "ui/main/SettingsStore.h"
#include "ui/main/WriterAccess.h"

namespace tarvel {

class PicChipCommands;
class SerialRomCommands;
class TAboutBox;
class TConfigDlg;
class TFileSetDlg;
class TIDWriteDlg;
class TPicFileHistry;
class TProtectConfirmDlg;
class TWriteStatusDlg;
class THexGrid;
class WindowCommand;
class WindowMessages;

// The program's window and the owner of everything that runs: the two
// engines, the writer's port, the two grids with their HEX readers, and the
// two recent-file histories. Two categories, PIC and serial ROM, decide
// which menu bar, tool pages and panes it shows.
class TPWMainForm : public QMainWindow {
  Q_OBJECT

 public:
  enum class FileKind { Hex, Binary };

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
    WindowCommand* ProgBinSave;
    WindowCommand* ProgSave;
    WindowCommand* ProgWriteP;
    WindowCommand* ProgReadP;
    WindowCommand* ProgCompare;
    WindowCommand* DataNew;
    WindowCommand* DataHexOpen;
    WindowCommand* DataBinOpen;
    WindowCommand* DataReload;
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
  void LoadProgramHex(const QString& path);
  void LoadProgramBinary(const QString& path);
  void LoadDataHex(const QString& path);
  void LoadDataBinary(const QString& path);

  // An image read from the chip replaces the grid's: the title names the
  // read, and the image has no file of its own any more.
  void ProgramReadFromChip(const QString& title);
  void DataReadFromChip(const QString& title);

  // What tests and the next commands read.
  const MainFormLayout& Form() const { return form_; }
  const MainMenus& Menus() const { return menus_; }
  const Commands& Command() const { return commands_; }
  TPicWrite& PicWrite() { return *picWrite_; }
  TSRomWrite& SRomWrite() { return sromWrite_; }
  TParallelPort& ParallelPort() { return parallelPort_; }
  WriterAccess& Writer() { return writer_; }
  TPicFileHistry& ProgHistory() { return *progHistory_; }
  TPicFileHistry& DataHistory() { return *dataHistory_; }
  const QString& ProgTitle() const { return progTitle_; }
  const QString& DataTitle() const { return dataTitle_; }
  const QString& ProgFileName() const { return progFileName_; }
  const QString& DataFileName() const { return dataFileName_; }
  FileKind ProgFileKind() const { return progFileKind_; }
  FileKind DataFileKind() const { return dataFileKind_; }
  const QString& ObjPath() const { return objPath_; }
  int HexType() const { return hexType_; }
  int BinType() const { return binType_; }
  bool StartPowerON() const { return startPowerON_; }
  bool EndPowerOFF() const { return endPowerOFF_; }
  bool StartGiveIO() const { return startGiveIO_; }
  int PortAccess() const { return portAccess_; }
  // True when this start found no current settings and took the first-run path.
  bool FirstRun() const { return firstRun_; }

 protected:
  bool event(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  // A file the image was loaded from or saved to since its last New: the
  // file that overwrite-save may write.
  struct SaveTarget {
    QString path;
    FileKind kind = FileKind::Hex;
  };

  void FormCreate();
  void FormClose();
  void CreateCommands();
  template <class Target>
  WindowCommand* MakeCommand(Target& target, void (Target::*handler)());
  WindowCommand* MakeCommand(void (TPWMainForm::*handler)()) { return MakeCommand(*this, handler); }
  void BindItem(WindowCommand* command, QAction* item);
  void BindButton(WindowCommand* command, QToolButton* button);
  void ConnectLists();
  void AssignEnglishHints();
  void ShowMenuOfCategory();

  // Settings.
  void CheckSettingsVersion();
  void LoadWriteSettings();
  void LoadFileSettings();
  void LoadWindowPosition();
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

  // Command handlers.
  void CBCategoryChange();
  void CBPICDeviceChange();
  void CBSRomDeviceChange();
  void DispProgWindowClick();
  void DispDataWindowClick();
  void Exit1Click();
  void ProgNewClick();
  void ProgHexOpenClick();
  void ProgBinOpenClick();
  void ProgReloadClick();
  void ProgBinSaveClick();
  void ProgSaveClick();
  void DataNewClick();
  void DataHexOpenClick();
  void DataBinOpenClick();
  void DataReloadClick();
  void DataBinSaveClick();
  void DataSaveClick();
  void OptionWriteClick();
  void OptionFileSetClick();
  void OptionWriterTestClick();
  void HelpVersionClick();

  // File command steps.
  void SetProgTitle(const QString& title);
  void SetDataTitle(const QString& title);
  void ProgramFileLoaded(const QString& path, FileKind kind);
  void DataFileLoaded(const QString& path, FileKind kind);
  void ProgramImageEmptied();
  void DataImageEmptied();
  // The save dialog, the overwrite question and its loop; the chosen path or
  // an empty string.
  QString AskSavePath(const QString& title, const QString& overwriteQuestion, const QString& overwriteCaption);
  bool WriteProgramBinary(const QString& path);
  bool WriteDataBinary(const QString& path);
  static bool IsReadOnly(const QString& path);

  WindowMessages& messages_;
  Clock& clock_;
  SettingsStore settings_;
  WriterAccess writer_;
  TParallelPort parallelPort_;
  TSRomWrite sromWrite_;
  std::unique_ptr<TPicWrite> picWrite_;
  THexSource hexSource_;
  THexSource dataHexSource_;
  MainMenus menus_;
  MainFormLayout form_;
  Commands commands_{};
  // The dialogs that live as long as the window, owned by it.
  TConfigDlg* configDlg_;
  TIDWriteDlg* idWriteDlg_;
  TWriteStatusDlg* writeStatusDlg_;
  TAboutBox* aboutBox_;
  TFileSetDlg* fileSetDlg_;
  TProtectConfirmDlg* protectConfirmDlg_;
  std::unique_ptr<PicChipCommands> picCommands_;
  std::unique_ptr<SerialRomCommands> serialRomCommands_;
  std::unique_ptr<TPicFileHistry> progHistory_;
  std::unique_ptr<TPicFileHistry> dataHistory_;

  bool startPowerON_ = false;
  bool endPowerOFF_ = false;
  bool startGiveIO_ = false;
  int portAccess_ = WriterAccess::Automatic;
  bool firstRun_ = false;
  bool sromCategory_ = false;
  bool categoryEntered_ = false;
  // The unsupported device the user was last told about, or -1.
  int unsupportedTold_ = -1;
  QString progTitle_;
  QString dataTitle_;
  QString objPath_;
  QString progFileName_;
  QString dataFileName_;
  FileKind progFileKind_ = FileKind::Hex;
  FileKind dataFileKind_ = FileKind::Hex;
  SaveTarget progSaveTarget_;
  SaveTarget dataSaveTarget_;
  int hexType_ = 0;
  int binType_ = 0;
};

}  // namespace tarvel

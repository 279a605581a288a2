#pragma once

#include <QString>
#include <cstdint>

#include "engine/pic/PicWrite.h"

namespace tarvel {

class TConfigDlg;
class THexGrid;
class TIDWriteDlg;
class TPWMainForm;
class TProtectConfirmDlg;
class TWriteStatusDlg;
class WindowMessages;

// The window's PIC commands. Each moves the grids into the engine's image,
// runs one engine operation to its end on the user interface thread, moves
// what it read back into the grids and tells the user the outcome. Before
// anything touches the chip, the chip in the socket is checked against the
// selected device.
class PicChipCommands {
 public:
  // The window's long-lived dialogs these commands use.
  struct Dialogs {
    TConfigDlg& config;
    TIDWriteDlg& idWrite;
    TWriteStatusDlg& status;
    TProtectConfirmDlg& protect;
  };

  PicChipCommands(TPWMainForm& window, WindowMessages& messages, Dialogs dialogs);

  void ProgWritePClick();
  void DataWriteClick();
  void ProgWriteCClick();
  void ProgWritePCClick();
  void DeviceWriteAllClick();
  void ProgReadPClick();
  void DataReadClick();
  void ProgReadCClick();
  void ProgCompareClick();
  void DataCompareClick();
  void DevEraseClick();
  void DevECheckClick();
  void DevResetClick();
  void ProgReadIDClick();
  void ProgWriteIDClick();
  void DevCodeProtectClick();
  void SBPowerONClick();
  void SBPowerOFFClick();

  // The English result box of every write, compare, erase and protect.
  void ShowResult(const TPicWriteResult& result);

 private:
  using Operation = TPicWriteResult (TPicWrite::*)();
  using ReadOperation = void (TPicWrite::*)();
  using ReadReport = void (TPWMainForm::*)(const QString& title);

  TPicWrite& Engine();
  bool Ask(const QString& question);
  // The engine's device check; false, after its message, when the socket
  // holds no chip or another one.
  bool SocketHoldsDevice();
  // The operation after the device check, or the check's result.
  TPicWriteResult RunOnDevice(Operation operation);
  // Question, notice, grid into the image, the write, result; an image
  // without a value is not written, and the user is told so.
  void WriteImage(const QString& question, const QString& nothingToWrite, const THexGrid& grid, int32_t lastAddress,
                  Operation write);
  // A compare that differs offers the list of every difference.
  void CompareImage(THexGrid& grid, Operation compare, const QString& imageName);
  // False when the socket did not hold the device.
  bool ReadImage(THexGrid& grid, int32_t lastAddress, int32_t digits, ReadOperation read, const QString& titleHead,
                 ReadReport report);
  // Program, configuration word and ID from the program's file, and data,
  // after one question that lists them all: the configuration dialog is not
  // needed.
  void WriteWholeChip(bool program, bool data);
  // The ID words just read or written go with the program image.
  void KeepChipId();
  // Each address's value and its mark: "o" for a cell with a value, "-" for a blank.
  void GridToImage(const THexGrid& grid, int32_t lastAddress);

  TPWMainForm& window_;
  WindowMessages& messages_;
  Dialogs dialogs_;
};

}  // namespace tarvel

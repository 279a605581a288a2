#pragma once

#include <QCoreApplication>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "engine/pic/PicWrite.h"
#include "ui/dialogs/DifferenceListDlg.h"
#include "ui/main/ImageSide.h"

namespace tarvel {

class ChipOperation;
class TConfigDlg;
class THexGrid;
class TIDWriteDlg;
class TPWMainForm;
class TProtectConfirmDlg;
class WindowMessages;

// The window's PIC commands. Each moves the grids into the engine's image,
// runs one engine operation to its end as a ChipOperation (off the user
// interface thread, with progress and Cancel), moves what it read back into
// the grids and tells the user the outcome. Before anything touches the
// chip, the chip in the socket is checked against the selected device.
class PicChipCommands {
  Q_DECLARE_TR_FUNCTIONS(PicChipCommands)

 public:
  // The window's long-lived dialogs these commands use.
  struct Dialogs {
    TConfigDlg& config;
    TIDWriteDlg& idWrite;
    TProtectConfirmDlg& protect;
  };

  PicChipCommands(TPWMainForm& window, WindowMessages& messages, Dialogs dialogs, ChipOperation& operation);

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

  // The result box of every write, compare, erase and protect, in the window's language.
  void ShowResult(const TPicWriteResult& result);

 private:
  using Operation = TPicWriteResult (TPicWrite::*)();
  using ReadOperation = void (TPicWrite::*)();
  using ReadReport = void (TPWMainForm::*)(ImageSide::Words title);

  TPicWrite& Engine();
  bool Ask(const QString& question);
  // `run` after the device check, as a chip operation on `subject`; the
  // check's result when it fails. Nothing when the window is closing and the
  // operation did not start.
  std::optional<TPicWriteResult> RunOnDevice(const QString& subject, const std::function<TPicWriteResult()>& run);
  std::optional<TPicWriteResult> RunOnDevice(const QString& subject, Operation operation);
  // As RunOnDevice for an operation that gives no result (reads, queries):
  // true when it ran to its end; otherwise the user has been told why.
  bool RunShownOnDevice(const QString& subject, const std::function<void()>& run);
  void ShowIfRun(const std::optional<TPicWriteResult>& result);
  // Question, grid into the image, the write, result; an image without a
  // value is not written, and the user is told so.
  void WriteImage(const QString& question, const QString& nothingToWrite, const QString& subject,
                  const THexGrid& grid, int32_t lastAddress, Operation write);
  // A compare that differs offers the list of every difference.
  void CompareImage(const QString& subject, THexGrid& grid, Operation compare, TDifferenceListDlg::Image image);
  // False when the read did not run to its end (no chip, another chip, cancelled).
  bool ReadImage(const QString& subject, THexGrid& grid, int32_t lastAddress, int32_t digits, ReadOperation read,
                 const char* titleHead, ReadReport report);
  // Program, configuration word and ID from the program's file, and data,
  // after one question that lists them all: the configuration dialog is not
  // needed.
  void WriteWholeChip(bool program, bool data);
  // The ID words just read or written go with the program image.
  void KeepChipId();
  void GridToImage(const THexGrid& grid);

  TPWMainForm& window_;
  WindowMessages& messages_;
  Dialogs dialogs_;
  ChipOperation& operation_;
};

}  // namespace tarvel

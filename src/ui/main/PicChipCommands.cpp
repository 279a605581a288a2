#include "ui/main/PicChipCommands.h"

#include <QDialog>
#include <algorithm>
#include <functional>

#include "engine/pic/PicImageLoad.h"
#include "engine/pic/PicResultText.h"
#include "files/PicHexImage.h"
#include "language/CoreTexts.h"
#include "ui/components/HexCellText.h"
#include "ui/components/HexGrid.h"
#include "ui/dialogs/ConfigDlg.h"
#include "ui/dialogs/IDWriteDlg.h"
#include "ui/dialogs/ProtectConfirmDlg.h"
#include "ui/main/ChipOperation.h"
#include "ui/main/CompareReport.h"
#include "ui/main/PWMainForm.h"
#include "ui/main/ProgramChipData.h"
#include "ui/main/WholeChipFile.h"
#include "ui/main/WindowMessages.h"

namespace tarvel {
namespace {

const char* const kBlankID = "       ";

// The ID text holds the seven characters of the ID words, one byte each.
QString FromID(const std::string& text) { return QString::fromLatin1(text.data(), static_cast<int>(text.size())); }
std::string ToID(const QString& text) { return text.toLatin1().toStdString(); }

// Blanks in the ID words are written for good on an EPROM chip: a text
// without a character is never written.
bool HasIDText(const QString& text) { return !text.trimmed().isEmpty(); }

// The chip is checked against the selected device before anything touches it.
TPicWriteResult OnDevice(TPicWrite& engine, const std::function<TPicWriteResult()>& run) {
  const TPicWriteResult check = engine.CheckDeviceID();
  return check.Code == prSuccess ? run() : check;
}

}  // namespace

PicChipCommands::PicChipCommands(TPWMainForm& window, WindowMessages& messages, Dialogs dialogs,
                                 ChipOperation& operation)
    : window_(window), messages_(messages), dialogs_(dialogs), operation_(operation) {}

TPicWrite& PicChipCommands::Engine() { return window_.PicWrite(); }

bool PicChipCommands::Ask(const QString& question) {
  return messages_.Box(question, tr("Confirm"), MessageIcon::None, WindowMessages::Buttons::YesNo);
}

void PicChipCommands::ShowResult(const TPicWriteResult& result) {
  messages_.Box(CoreTexts::Translated(ResultText(result)), CoreTexts::Translated(kResultCaption),
                ResultIcon(result.Code), WindowMessages::Buttons::Ok);
}

std::optional<TPicWriteResult> PicChipCommands::RunOnDevice(const QString& subject,
                                                            const std::function<TPicWriteResult()>& run) {
  TPicWrite& engine = Engine();
  TPicWriteResult result;
  if (!operation_.Run(subject, [&] { result = OnDevice(engine, run); })) return std::nullopt;
  return result;
}

std::optional<TPicWriteResult> PicChipCommands::RunOnDevice(const QString& subject, Operation operation) {
  TPicWrite& engine = Engine();
  return RunOnDevice(subject, [&] { return (engine.*operation)(); });
}

bool PicChipCommands::RunShownOnDevice(const QString& subject, const std::function<void()>& run) {
  const std::optional<TPicWriteResult> check = RunOnDevice(subject, [&] {
    run();
    return TPicWriteResult{};
  });
  if (!check) return false;
  if (check->Code == prSuccess) return true;
  ShowResult(*check);
  return false;
}

void PicChipCommands::ShowIfRun(const std::optional<TPicWriteResult>& result) {
  if (result) ShowResult(*result);
}

// The engine's one image takes the program or the data memory, as the grid is.
void PicChipCommands::GridToImage(const THexGrid& grid) {
  TPicWrite& engine = Engine();
  if (&grid == window_.Form().DataHexGrid) {
    LoadDataImage(engine, grid.Values<uint8_t>());
  } else {
    LoadProgramImage(engine, grid.Values<uint16_t>());
  }
}

void PicChipCommands::WriteImage(const QString& question, const QString& nothingToWrite, const QString& subject,
                                 const THexGrid& grid, int32_t lastAddress, Operation write) {
  // Without a value and without filling, a write would do nothing and call it a success.
  bool anyValue = Engine().FillUpEnable;
  for (int32_t address = 0; address <= lastAddress && !anyValue; ++address) anyValue = grid.IsO(address);
  if (!anyValue) {
    messages_.Inform(nothingToWrite);
    return;
  }
  if (!Ask(question)) return;
  GridToImage(grid);
  ShowIfRun(RunOnDevice(subject, write));
}

// A compare that differs offers the list of every difference; one that was
// cancelled says where it stopped.
void PicChipCommands::CompareImage(const QString& subject, THexGrid& grid, Operation compare,
                                   TDifferenceListDlg::Image image) {
  GridToImage(grid);
  TPicWrite& engine = Engine();
  ImageDifferences differences;
  // The engine lists every difference only while the list is there.
  struct Listing {
    TPicWrite& engine;
    ~Listing() { engine.Differences = nullptr; }
  } listing{engine};
  engine.Differences = &differences;
  const std::optional<TPicWriteResult> result = RunOnDevice(subject, compare);
  if (!result) return;
  if (differences.empty() || result->Code == prCancelled) {
    ShowResult(*result);
    return;
  }
  window_.Compares().Show(CoreTexts::Translated(ResultText(*result)), CoreTexts::Translated(kResultCaption),
                          ResultIcon(result->Code), grid, image, differences);
}

// A read that was cancelled leaves what it read in the grid, and says so in
// the title; the cells after it stay blank.
bool PicChipCommands::ReadImage(const QString& subject, THexGrid& grid, int32_t lastAddress, int32_t digits,
                                ReadOperation read, const char* titleHead, ReadReport report) {
  TPicWrite& engine = Engine();
  const OperationProgress& progress = operation_.Progress();
  bool stopped = false;
  if (!RunShownOnDevice(subject, [&] {
        (engine.*read)();
        stopped = progress.Stopped();
        if (!stopped) engine.ReadID();
      })) {
    return false;
  }
  grid.SetMaxAddress(lastAddress);
  grid.DataDigit = digits;
  const int32_t last = std::min(lastAddress, TPicWrite::kImageSize - 1);
  if (stopped) {
    // The cells before the one the read stopped at hold what it read.
    const uint32_t stoppedAt = progress.Done();
    const auto readCells = static_cast<int32_t>(stoppedAt);
    grid.Clear();
    for (int32_t address = 0; address < readCells && address <= last; ++address) {
      grid.WriteData(address, engine.GetData(address));
    }
    (window_.*report)([titleHead, stoppedAt] { return PartialReadTitle(tr(titleHead), stoppedAt); });
    ShowResult({prCancelled, readCells});
    return false;
  }
  for (int32_t address = 0; address <= last; ++address) grid.WriteData(address, engine.GetData(address));
  const QString id = FromID(engine.GetIDStr());
  (window_.*report)([titleHead, id] { return tr(titleHead) + "\n[" + id + "]"; });
  return true;
}

void PicChipCommands::KeepChipId() {
  TPicWrite& engine = Engine();
  if (!HexLayoutOf(engine.Device()).idWritten) return;
  ProgramChipData::IdWords words{};
  for (size_t i = 0; i < words.size(); ++i) words[i] = static_cast<uint16_t>(engine.GetID(static_cast<int32_t>(i)));
  window_.ChipData().IdOfChip(words);
}

// The grids are taken before the operation starts: the worker never reads them.
void PicChipCommands::WriteWholeChip(bool program, bool data) {
  TPicWrite& engine = Engine();
  const PicChipImage chip = window_.ChipFile().Picture(program, data);
  const auto hasValue = [](const auto& cells) {
    return std::any_of(cells.begin(), cells.end(), [](const auto& cell) { return cell.has_value(); });
  };
  const bool writeProgram = program && (engine.FillUpEnable || hasValue(chip.program));
  const bool writeData = !chip.data.empty() && (engine.FillUpEnable || hasValue(chip.data));
  QString question = tr("You are going to write the whole chip. OK?\n") + window_.ProgTitle() + "\n\n" +
                     CoreTexts::List(WholeChipParts(chip), CoreTexts::LastJoint::Comma);
  if (ConfigSetsProtection(*chip.config, engine.Device())) {
    question +=
        tr("\n\nThe file's configuration word sets code protection. The configuration is written without it: "
           "protect the chip with Device > Code Protect once it is checked.");
  }
  if (!Ask(question)) return;
  ShowIfRun(RunOnDevice(tr("the whole chip"), [&] {
    TPicWriteResult step;
    if (writeProgram) {
      LoadProgramImage(engine, chip.program);
      if ((step = engine.WriteProgram()).Code != prSuccess) return step;
    }
    engine.Fuse = *chip.config;
    if ((step = engine.WriteConfig()).Code != prSuccess) return step;
    if (chip.id && HexLayoutOf(engine.Device()).idWritten) {
      LoadIdWords(engine, *chip.id);
      if ((step = engine.WriteID()).Code != prSuccess) return step;
    }
    if (writeData) {
      LoadDataImage(engine, chip.data);
      step = engine.WriteData();
    }
    return step;
  }));
}

void PicChipCommands::ProgWritePClick() {
  WriteImage(tr("You are going to program. OK?\n") + window_.ProgTitle(),
             tr("There is nothing to write: the program holds no data."), tr("program memory"),
             *window_.Form().HexGrid, Engine().LastAddress(), &TPicWrite::WriteProgram);
}

void PicChipCommands::DataWriteClick() {
  WriteImage(tr("You are going to program in data memory. OK?\n") + window_.DataTitle(),
             tr("There is nothing to write: the data holds no values."), tr("data memory"),
             *window_.Form().DataHexGrid, Engine().DataLastAddress(), &TPicWrite::WriteData);
}

void PicChipCommands::ProgWriteCClick() {
  TPicWrite& engine = Engine();
  TConfigDlg& dialog = dialogs_.config;
  dialog.SelectDevice(engine.Device());
  dialog.SetFuse(engine.Fuse);
  const std::string id = engine.GetIDStr();
  if (id != kBlankID) dialog.SetIDText(FromID(id));
  dialog.SetWriteMode();
  if (messages_.RunModal(dialog) != QDialog::Accepted) return;
  const int32_t fuse = dialog.Fuse();
  // The dialog has just said it cannot make this device's word: writing its
  // stand-in would report a configuration that was never set, and burn the ID.
  if (!dialog.MakesFuse()) return;
  engine.Fuse = fuse;
  const bool withID = dialog.WriteIDChecked() && HasIDText(dialog.IDText());
  const std::string newID = ToID(dialog.IDText());
  bool configWritten = false;
  const std::optional<TPicWriteResult> result = RunOnDevice(tr("the configuration word"), [&] {
    TPicWriteResult step = engine.WriteConfig();
    configWritten = step.Code == prSuccess;
    // The ID follows only a configuration that was written.
    if (configWritten && withID) {
      engine.SetIDStr(newID);
      step = engine.WriteID();
    }
    return step;
  });
  if (!result) return;
  if (configWritten) window_.ChipData().ConfigOfChip(static_cast<uint16_t>(fuse));
  if (configWritten && withID && result->Code == prSuccess) KeepChipId();
  ShowResult(*result);
}

void PicChipCommands::ProgWritePCClick() {
  if (window_.ChipData().ConfigFromFile()) {
    WriteWholeChip(true, false);
    return;
  }
  ProgWritePClick();
  ProgWriteCClick();
}

void PicChipCommands::DeviceWriteAllClick() {
  // A pane the user has hidden is not written.
  if (window_.ChipData().ConfigFromFile()) {
    WriteWholeChip(!window_.Form().PnlProg->isHidden(), !window_.Form().PnlData->isHidden());
    return;
  }
  if (!window_.Form().PnlProg->isHidden()) ProgWritePClick();
  ProgWriteCClick();
  if (!window_.Form().PnlData->isHidden()) DataWriteClick();
}

void PicChipCommands::ProgReadPClick() {
  if (ReadImage(tr("program memory"), *window_.Form().HexGrid, Engine().LastAddress(), 4, &TPicWrite::ReadProgram,
                QT_TR_NOOP("Read program "), &TPWMainForm::ProgramReadFromChip)) {
    KeepChipId();
  }
}

void PicChipCommands::DataReadClick() {
  ReadImage(tr("data memory"), *window_.Form().DataHexGrid, Engine().DataLastAddress(), 2, &TPicWrite::ReadDat,
            QT_TR_NOOP("Read data "), &TPWMainForm::DataReadFromChip);
}

void PicChipCommands::ProgReadCClick() {
  TPicWrite& engine = Engine();
  if (!RunShownOnDevice(tr("the configuration word"), [&] { engine.ReadConfig(); })) return;
  window_.ChipData().ConfigOfChip(static_cast<uint16_t>(engine.Fuse));
  TConfigDlg& dialog = dialogs_.config;
  dialog.SelectDevice(engine.Device());
  dialog.SetFuse(engine.Fuse);
  dialog.SetReadMode();
  messages_.RunModal(dialog);
}

void PicChipCommands::ProgCompareClick() {
  CompareImage(tr("program memory"), *window_.Form().HexGrid, &TPicWrite::CompareProg,
               TDifferenceListDlg::Image::Program);
}

void PicChipCommands::DataCompareClick() {
  CompareImage(tr("data memory"), *window_.Form().DataHexGrid, &TPicWrite::CompareData,
               TDifferenceListDlg::Image::Data);
}

void PicChipCommands::DevEraseClick() {
  if (!Ask(tr("You are going to erase the chip. OK?"))) return;
  ShowIfRun(RunOnDevice(tr("the chip"), &TPicWrite::Erase));
}

// A check that was cancelled says nothing about the chip.
void PicChipCommands::DevECheckClick() {
  TPicWrite& engine = Engine();
  const OperationProgress& progress = operation_.Progress();
  bool erased = false;
  if (!RunShownOnDevice(tr("the chip"), [&] { erased = engine.IsErased(); })) return;
  if (progress.Stopped()) {
    ShowResult({prCancelled, static_cast<int32_t>(progress.Done())});
    return;
  }
  if (erased) {
    messages_.Box(tr("This device is erased."), tr("Erase Check"), MessageIcon::Information,
                  WindowMessages::Buttons::Ok);
  } else {
    messages_.Box(tr("This device is not erased."), tr("Erase Check"), MessageIcon::Warning,
                  WindowMessages::Buttons::Ok);
  }
}

void PicChipCommands::DevResetClick() { Engine().ResetTarget(); }

void PicChipCommands::ProgReadIDClick() {
  TPicWrite& engine = Engine();
  if (!RunShownOnDevice(tr("the ID words"), [&] { engine.ReadID(); })) return;
  QString words;
  for (int32_t i = 0; i < 4; ++i) words += HexCellText::Hex(engine.GetID(i) & 0xFFFF, 4);
  messages_.Box(tr("Read ID : %1\n\n%2").arg(words, FromID(engine.GetIDStr())), tr("ID"), MessageIcon::Information,
                WindowMessages::Buttons::Ok);
}

void PicChipCommands::ProgWriteIDClick() {
  if (messages_.RunModal(dialogs_.idWrite) != QDialog::Accepted) return;
  const QString text = dialogs_.idWrite.IDText();
  if (!HasIDText(text)) {
    messages_.Inform(tr("There is nothing to write: the ID text is empty."));
    return;
  }
  TPicWrite& engine = Engine();
  engine.SetIDStr(ToID(text));
  const std::optional<TPicWriteResult> result = RunOnDevice(tr("the ID words"), &TPicWrite::WriteID);
  if (!result) return;
  if (result->Code == prSuccess) KeepChipId();
  ShowResult(*result);
}

void PicChipCommands::DevCodeProtectClick() {
  TProtectConfirmDlg& dialog = dialogs_.protect;
  dialog.SelectDevice(Engine().Device());
  if (messages_.RunModal(dialog) != QDialog::Accepted) return;
  const int32_t level = dialog.ProtectLevel();
  if (level < 0) return;
  const int32_t data = dialog.DataProtect() ? 1 : 0;
  TPicWrite& engine = Engine();
  ShowIfRun(RunOnDevice(tr("the code protection"), [&] { return engine.CodeProtect(level, data); }));
}

void PicChipCommands::SBPowerONClick() { Engine().PowerON(); }

void PicChipCommands::SBPowerOFFClick() { Engine().PowerOFF(); }

}  // namespace tarvel

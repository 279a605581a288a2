#include "ui/main/PicChipCommands.h"

#include <QDialog>
#include <algorithm>
#include <functional>

#include "engine/pic/PicResultText.h"
#include "files/PicHexImage.h"
#include "ui/components/HexGrid.h"
#include "ui/dialogs/ConfigDlg.h"
#include "ui/dialogs/IDWriteDlg.h"
#include "ui/dialogs/ProtectConfirmDlg.h"
#include "ui/main/CompareReport.h"
#include "ui/main/PWMainForm.h"
#include "ui/main/ProgramChipData.h"
#include "ui/main/StatusNotice.h"
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

PicChipCommands::PicChipCommands(TPWMainForm& window, WindowMessages& messages, Dialogs dialogs)
    : window_(window), messages_(messages), dialogs_(dialogs) {}

TPicWrite& PicChipCommands::Engine() { return window_.PicWrite(); }

bool PicChipCommands::Ask(const QString& question) {
  return messages_.Box(question, "Confirm", MessageIcon::None, WindowMessages::Buttons::YesNo);
}

void PicChipCommands::ShowResult(const TPicWriteResult& result) {
  messages_.Box(QString::fromStdString(ResultText(result)), kResultCaption, ResultIcon(result.Code),
                WindowMessages::Buttons::Ok);
}

bool PicChipCommands::SocketHoldsDevice() {
  const TPicWriteResult check = Engine().CheckDeviceID();
  if (check.Code == prSuccess) return true;
  ShowResult(check);
  return false;
}

TPicWriteResult PicChipCommands::RunOnDevice(Operation operation) {
  TPicWrite& engine = Engine();
  return OnDevice(engine, [&] { return (engine.*operation)(); });
}

void PicChipCommands::GridToImage(const THexGrid& grid, int32_t lastAddress) {
  TPicWrite& engine = Engine();
  // The image has a fixed size, whatever the grid holds.
  const int32_t last = std::min(lastAddress, TPicWrite::kImageSize - 1);
  for (int32_t address = 0; address <= last; ++address) {
    engine.SetData(address, grid.GetIntData(address));
    engine.SetOX(address, grid.IsO(address) ? 'o' : '-');
  }
}

void PicChipCommands::WriteImage(const QString& question, const QString& nothingToWrite, const THexGrid& grid,
                                 int32_t lastAddress, Operation write) {
  // Without a value and without filling, a write would do nothing and call it a success.
  bool anyValue = Engine().FillUpEnable;
  for (int32_t address = 0; address <= lastAddress && !anyValue; ++address) anyValue = grid.IsO(address);
  if (!anyValue) {
    messages_.Inform(nothingToWrite);
    return;
  }
  if (!Ask(question)) return;
  TPicWriteResult result;
  {
    StatusNotice notice(dialogs_.status);
    GridToImage(grid, lastAddress);
    result = RunOnDevice(write);
  }
  ShowResult(result);
}

void PicChipCommands::CompareImage(THexGrid& grid, Operation compare, const QString& imageName) {
  GridToImage(grid, grid.MaxAddress());
  TPicWrite& engine = Engine();
  ImageDifferences differences;
  // The engine lists every difference only while the list is there.
  struct Listing {
    TPicWrite& engine;
    ~Listing() { engine.Differences = nullptr; }
  } listing{engine};
  engine.Differences = &differences;
  const TPicWriteResult result = RunOnDevice(compare);
  if (differences.empty()) {
    ShowResult(result);
    return;
  }
  window_.Compares().Show(QString::fromStdString(ResultText(result)), kResultCaption, ResultIcon(result.Code), grid,
                          imageName, differences);
}

bool PicChipCommands::ReadImage(THexGrid& grid, int32_t lastAddress, int32_t digits, ReadOperation read,
                            const QString& titleHead, ReadReport report) {
  if (!SocketHoldsDevice()) return false;
  TPicWrite& engine = Engine();
  grid.SetMaxAddress(lastAddress);
  grid.DataDigit = digits;
  (engine.*read)();
  const int32_t last = std::min(lastAddress, TPicWrite::kImageSize - 1);
  for (int32_t address = 0; address <= last; ++address) grid.WriteData(address, engine.GetData(address));
  engine.ReadID();
  (window_.*report)(titleHead + "\n[" + FromID(engine.GetIDStr()) + "]");
  return true;
}

void PicChipCommands::KeepChipId() {
  TPicWrite& engine = Engine();
  if (!HexLayoutOf(engine.Device()).idWritten) return;
  ProgramChipData::IdWords words{};
  for (size_t i = 0; i < words.size(); ++i) words[i] = static_cast<uint16_t>(engine.GetID(static_cast<int32_t>(i)));
  window_.ChipData().IdOfChip(words);
}

void PicChipCommands::WriteWholeChip(bool program, bool data) {
  TPicWrite& engine = Engine();
  const PicChipImage chip = window_.ChipFile().Picture(program, data);
  const auto hasValue = [](const auto& cells) {
    return std::any_of(cells.begin(), cells.end(), [](const auto& cell) { return cell.has_value(); });
  };
  const bool writeProgram = program && (engine.FillUpEnable || hasValue(chip.program));
  const bool writeData = !chip.data.empty() && (engine.FillUpEnable || hasValue(chip.data));
  QString question = "You are going to write the whole chip. OK?\n" + window_.ProgTitle() + "\n\n" +
                     QString::fromStdString(WholeChipText(chip));
  if (ConfigSetsProtection(*chip.config, engine.Device())) {
    question +=
        "\n\nThe file's configuration word sets code protection. The configuration is written without it: "
        "protect the chip with Device > Code Protect once it is checked.";
  }
  if (!Ask(question)) return;
  TPicWriteResult result;
  {
    StatusNotice notice(dialogs_.status);
    result = OnDevice(engine, [&] {
      TPicWriteResult step;
      if (writeProgram) {
        GridToImage(*window_.Form().HexGrid, engine.LastAddress());
        if ((step = engine.WriteProgram()).Code != prSuccess) return step;
      }
      engine.Fuse = *chip.config;
      if ((step = engine.WriteConfig()).Code != prSuccess) return step;
      if (chip.id && HexLayoutOf(engine.Device()).idWritten) {
        for (int32_t i = 0; i < 4; ++i) engine.SetID(i, (*chip.id)[static_cast<size_t>(i)]);
        if ((step = engine.WriteID()).Code != prSuccess) return step;
      }
      if (writeData) {
        GridToImage(*window_.Form().DataHexGrid, engine.DataLastAddress());
        step = engine.WriteData();
      }
      return step;
    });
  }
  ShowResult(result);
}

void PicChipCommands::ProgWritePClick() {
  WriteImage("You are going to program. OK?\n" + window_.ProgTitle(),
             "There is nothing to write: the program holds no data.", *window_.Form().HexGrid,
             Engine().LastAddress(), &TPicWrite::WriteProgram);
}

void PicChipCommands::DataWriteClick() {
  WriteImage("You are going to program in data memory. OK?\n" + window_.DataTitle(),
             "There is nothing to write: the data holds no values.", *window_.Form().DataHexGrid,
             Engine().DataLastAddress(), &TPicWrite::WriteData);
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
  TPicWriteResult result = RunOnDevice(&TPicWrite::WriteConfig);
  if (result.Code == prSuccess) window_.ChipData().ConfigOfChip(static_cast<uint16_t>(fuse));
  // The ID follows only a configuration that was written.
  if (result.Code == prSuccess && dialog.WriteIDChecked() && HasIDText(dialog.IDText())) {
    engine.SetIDStr(ToID(dialog.IDText()));
    result = engine.WriteID();
    if (result.Code == prSuccess) KeepChipId();
  }
  ShowResult(result);
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
  if (ReadImage(*window_.Form().HexGrid, Engine().LastAddress(), 4, &TPicWrite::ReadProgram, "Read program ",
                &TPWMainForm::ProgramReadFromChip)) {
    KeepChipId();
  }
}

void PicChipCommands::DataReadClick() {
  ReadImage(*window_.Form().DataHexGrid, Engine().DataLastAddress(), 2, &TPicWrite::ReadDat, "Read data ",
            &TPWMainForm::DataReadFromChip);
}

void PicChipCommands::ProgReadCClick() {
  if (!SocketHoldsDevice()) return;
  TPicWrite& engine = Engine();
  engine.ReadConfig();
  window_.ChipData().ConfigOfChip(static_cast<uint16_t>(engine.Fuse));
  TConfigDlg& dialog = dialogs_.config;
  dialog.SelectDevice(engine.Device());
  dialog.SetFuse(engine.Fuse);
  dialog.SetReadMode();
  messages_.RunModal(dialog);
}

void PicChipCommands::ProgCompareClick() {
  CompareImage(*window_.Form().HexGrid, &TPicWrite::CompareProg, "Program");
}

void PicChipCommands::DataCompareClick() {
  CompareImage(*window_.Form().DataHexGrid, &TPicWrite::CompareData, "Data");
}

void PicChipCommands::DevEraseClick() {
  if (!Ask("You are going to erase the chip. OK?")) return;
  ShowResult(RunOnDevice(&TPicWrite::Erase));
}

void PicChipCommands::DevECheckClick() {
  if (!SocketHoldsDevice()) return;
  if (Engine().IsErased()) {
    messages_.Box("This device is erased.", "Erase Check", MessageIcon::Information, WindowMessages::Buttons::Ok);
  } else {
    messages_.Box("This device is not erased.", "Erase Check", MessageIcon::Warning, WindowMessages::Buttons::Ok);
  }
}

void PicChipCommands::DevResetClick() { Engine().ResetTarget(); }

void PicChipCommands::ProgReadIDClick() {
  if (!SocketHoldsDevice()) return;
  TPicWrite& engine = Engine();
  engine.ReadID();
  QString words;
  for (int32_t i = 0; i < 4; ++i) words += QString("%1").arg(engine.GetID(i) & 0xFFFF, 4, 16, QChar('0')).toUpper();
  messages_.Box("Read ID : " + words + "\n\n" + FromID(engine.GetIDStr()), "ID", MessageIcon::Information,
                WindowMessages::Buttons::Ok);
}

void PicChipCommands::ProgWriteIDClick() {
  if (messages_.RunModal(dialogs_.idWrite) != QDialog::Accepted) return;
  const QString text = dialogs_.idWrite.IDText();
  if (!HasIDText(text)) {
    messages_.Inform("There is nothing to write: the ID text is empty.");
    return;
  }
  TPicWrite& engine = Engine();
  engine.SetIDStr(ToID(text));
  const TPicWriteResult result = RunOnDevice(&TPicWrite::WriteID);
  if (result.Code == prSuccess) KeepChipId();
  ShowResult(result);
}

void PicChipCommands::DevCodeProtectClick() {
  TProtectConfirmDlg& dialog = dialogs_.protect;
  dialog.SelectDevice(Engine().Device());
  if (messages_.RunModal(dialog) != QDialog::Accepted) return;
  const int32_t level = dialog.ProtectLevel();
  if (level < 0) return;
  const int32_t data = dialog.DataProtect() ? 1 : 0;
  TPicWrite& engine = Engine();
  ShowResult(OnDevice(engine, [&] { return engine.CodeProtect(level, data); }));
}

void PicChipCommands::SBPowerONClick() { Engine().PowerON(); }

void PicChipCommands::SBPowerOFFClick() { Engine().PowerOFF(); }

}  // namespace tarvel

#include "ui/main/SerialRomCommands.h"

#include <vector>

#include "engine/srom/SRomWrite.h"
#include "engine/srom/SRomWriteCyclePoll.h"
#include "ui/components/HexGrid.h"
#include "ui/main/CompareReport.h"
#include "ui/main/PWMainForm.h"
#include "ui/main/StatusNotice.h"
#include "ui/main/WindowMessages.h"

namespace tarvel {
namespace {

QString Hex(uint32_t value, int digits) { return QString("%1").arg(value, digits, 16, QChar('0')).toUpper(); }

}  // namespace

SerialRomCommands::SerialRomCommands(TPWMainForm& window, WindowMessages& messages, Clock& clock,
                                     TWriteStatusDlg& status)
    : window_(window), messages_(messages), clock_(clock), status_(status) {}

TSRomWrite& SerialRomCommands::Engine() { return window_.SRomWrite(); }

THexGrid& SerialRomCommands::Grid() { return *window_.Form().DataHexGrid; }

bool SerialRomCommands::WriteByte(uint32_t address, uint32_t value) {
  TSRomWrite& rom = Engine();
  rom.Write(address, value);
  SRomWriteCyclePoll poll(rom, clock_);
  return poll.Wait() == WriteCycleOutcome::Finished;
}

void SerialRomCommands::ReportNoAnswer(uint32_t address, const QString& caption) {
  messages_.Box("ROMが応答しません。\nアドレス " + Hex(address, 4) + "H", caption, MessageIcon::Error,
                WindowMessages::Buttons::Ok);
}

bool SerialRomCommands::ReadByte(uint32_t address, int32_t& value, const QString& caption) {
  if (Engine().ReadChecked(address, value)) return true;
  ReportNoAnswer(address, caption);
  return false;
}

QString SerialRomCommands::DifferenceText(uint32_t address, int32_t found, int32_t wanted) {
  return "Different data is found in \nAddr = " + Hex(address, 2) + "H\nROM Data = " +
         Hex(static_cast<uint32_t>(found) & 0xFF, 2) + "H\nCOMPARED Data = " +
         Hex(static_cast<uint32_t>(wanted) & 0xFF, 2) + "H";
}

void SerialRomCommands::ReportDifference(uint32_t address, int32_t found, int32_t wanted, const QString& caption,
                                         MessageIcon icon) {
  messages_.Box(DifferenceText(address, found, wanted), caption, icon, WindowMessages::Buttons::Ok);
}

// A chip that acknowledges a write need not keep it (a write-protected part,
// a stuck bit): every byte written is read back before the write is called
// done. `wanted` gives the byte written at an address, or nothing where none was.
bool SerialRomCommands::WriteAndVerify(const std::function<std::optional<uint32_t>(uint32_t)>& wanted,
                                       const QString& errorCaption, StatusNotice* notice) {
  auto closeNotice = [notice] {
    if (notice) notice->Close();
  };
  TSRomWrite& rom = Engine();
  rom.PowerON();
  for (uint32_t address = 0; address <= rom.LastAddress(); ++address) {
    const std::optional<uint32_t> value = wanted(address);
    if (value && !WriteByte(address, *value)) {
      closeNotice();
      ReportNoAnswer(address, errorCaption);
      return false;
    }
  }
  for (uint32_t address = 0; address <= rom.LastAddress(); ++address) {
    const std::optional<uint32_t> value = wanted(address);
    if (!value) continue;
    int32_t found = 0;
    const bool answered = rom.ReadChecked(address, found);
    if (answered && found == static_cast<int32_t>(*value & 0xFF)) continue;
    closeNotice();
    if (answered) {
      ReportDifference(address, found, static_cast<int32_t>(*value), errorCaption, MessageIcon::Error);
    } else {
      ReportNoAnswer(address, errorCaption);
    }
    return false;
  }
  closeNotice();
  return true;
}

void SerialRomCommands::SRomDataWriteClick() {
  TSRomWrite& rom = Engine();
  const THexGrid& grid = Grid();
  auto cellValue = [&grid](uint32_t address) -> std::optional<uint32_t> {
    // A blank cell leaves the EEPROM's byte as it is.
    const auto cell = static_cast<int32_t>(address);
    if (!grid.IsO(cell)) return std::nullopt;
    return static_cast<uint32_t>(grid.GetIntData(cell));
  };
  bool anyValue = false;
  for (uint32_t address = 0; address <= rom.LastAddress() && !anyValue; ++address) anyValue = cellValue(address).has_value();
  if (!anyValue) {
    messages_.Box("書き込むデータがありません。", "書き込みの確認", MessageIcon::Information,
                  WindowMessages::Buttons::Ok);
    return;
  }
  if (!messages_.Box(window_.DataTitle() + " を書き込みます。\nよろしいですか？", "書き込みの確認", MessageIcon::None,
                     WindowMessages::Buttons::YesNo)) {
    return;
  }
  StatusNotice notice(status_);
  if (!WriteAndVerify(cellValue, "書き込みエラー", &notice)) return;
  messages_.Box("書き込みました。", "書き込み完了", MessageIcon::Information, WindowMessages::Buttons::Ok);
}

// The grid takes the bytes only when the chip answered for every one.
void SerialRomCommands::SRomDataReadClick() {
  TSRomWrite& rom = Engine();
  rom.PowerON();
  std::vector<int32_t> bytes(rom.LastAddress() + 1);
  for (uint32_t address = 0; address <= rom.LastAddress(); ++address) {
    if (!ReadByte(address, bytes[address], "読み込みエラー")) return;
  }
  THexGrid& grid = Grid();
  grid.SetMaxAddress(static_cast<int32_t>(rom.LastAddress()));
  grid.DataDigit = 2;
  for (uint32_t address = 0; address <= rom.LastAddress(); ++address) {
    grid.WriteData(static_cast<int32_t>(address), bytes[address]);
  }
  window_.DataReadFromChip("読み出しデータ");
}

void SerialRomCommands::SRomDataCompareClick() {
  TSRomWrite& rom = Engine();
  THexGrid& grid = Grid();
  rom.PowerON();
  ImageDifferences differences;
  for (uint32_t address = 0; address <= rom.LastAddress(); ++address) {
    const auto cell = static_cast<int32_t>(address);
    if (!grid.IsO(cell)) continue;
    const int32_t wanted = grid.GetIntData(cell);
    int32_t found = 0;
    if (!ReadByte(address, found, "コンペアエラー")) return;
    if (found != wanted) differences.push_back({cell, wanted, found});
  }
  if (!differences.empty()) {
    const ImageDifference& first = differences.front();
    // The first byte is read once more for the text, as the user would read it now.
    int32_t found = 0;
    if (!ReadByte(static_cast<uint32_t>(first.Address), found, "コンペアエラー")) return;
    window_.Compares().Show(DifferenceText(static_cast<uint32_t>(first.Address), found, first.WantedValue),
                            "Melfort Result", MessageIcon::Warning, Grid(), "Data", differences);
    return;
  }
  messages_.Box("Compare result is the same.", "Melfort Result", MessageIcon::Information,
                WindowMessages::Buttons::Ok);
}

void SerialRomCommands::SRomDevEraseClick() {
  if (!messages_.Box("ROMをイレースします。\nよろしいですか？", "イレースの確認", MessageIcon::None,
                     WindowMessages::Buttons::YesNo)) {
    return;
  }
  if (!WriteAndVerify([](uint32_t) { return std::optional<uint32_t>(0xFF); }, "イレースエラー", nullptr)) return;
  messages_.Box("イレースしました。", "イレース完了", MessageIcon::Information, WindowMessages::Buttons::Ok);
}

void SerialRomCommands::SRomDevEraseCheckClick() {
  TSRomWrite& rom = Engine();
  rom.PowerON();
  const SRomEraseCheck check = rom.CheckErased(true);
  if (check.outcome == SRomEraseCheck::NoAnswer) ReportNoAnswer(check.address, "イレースチェック");
}

}  // namespace tarvel

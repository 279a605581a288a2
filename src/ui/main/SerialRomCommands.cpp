#include "ui/main/SerialRomCommands.h"

#include "engine/srom/SRomWrite.h"
#include "engine/srom/SRomWriteCyclePoll.h"
#include "ui/components/HexGrid.h"
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

void SerialRomCommands::SRomDataWriteClick() {
  if (!messages_.Box(window_.DataTitle() + " を書き込みます。\nよろしいですか？", "書き込みの確認", MessageIcon::None,
                     WindowMessages::Buttons::YesNo)) {
    return;
  }
  TSRomWrite& rom = Engine();
  const THexGrid& grid = Grid();
  StatusNotice notice(status_);
  rom.PowerON();
  for (uint32_t address = 0; address <= rom.LastAddress(); ++address) {
    const auto cell = static_cast<int32_t>(address);
    // A blank cell leaves the EEPROM's byte as it is.
    if (!grid.IsO(cell)) continue;
    if (!WriteByte(address, static_cast<uint32_t>(grid.GetIntData(cell)))) {
      notice.Close();
      ReportNoAnswer(address, "書き込みエラー");
      return;
    }
  }
  notice.Close();
  messages_.Box("書き込みました。", "書き込み完了", MessageIcon::Information, WindowMessages::Buttons::Ok);
}

void SerialRomCommands::SRomDataReadClick() {
  TSRomWrite& rom = Engine();
  THexGrid& grid = Grid();
  grid.SetMaxAddress(static_cast<int32_t>(rom.LastAddress()));
  grid.DataDigit = 2;
  rom.PowerON();
  for (uint32_t address = 0; address <= rom.LastAddress(); ++address) {
    grid.WriteData(static_cast<int32_t>(address), rom.Read(address));
  }
  window_.DataReadFromChip("読み出しデータ");
}

void SerialRomCommands::SRomDataCompareClick() {
  TSRomWrite& rom = Engine();
  const THexGrid& grid = Grid();
  rom.PowerON();
  for (uint32_t address = 0; address <= rom.LastAddress(); ++address) {
    const auto cell = static_cast<int32_t>(address);
    if (!grid.IsO(cell)) continue;
    const int32_t wanted = grid.GetIntData(cell);
    if (rom.Read(address) == wanted) continue;
    // The byte is read once more for the text, as the user would read it now.
    const auto found = static_cast<uint32_t>(rom.Read(address));
    messages_.Box("Different data is found in \nAddr = " + Hex(address, 2) + "H\nROM Data = " + Hex(found & 0xFF, 2) +
                      "H\nCOMPARED Data = " + Hex(static_cast<uint32_t>(wanted) & 0xFF, 2) + "H",
                  "Melfort Result", MessageIcon::Warning, WindowMessages::Buttons::Ok);
    return;
  }
  messages_.Box("Compare result is the same.", "Melfort Result", MessageIcon::Information,
                WindowMessages::Buttons::Ok);
}

void SerialRomCommands::SRomDevEraseClick() {
  TSRomWrite& rom = Engine();
  rom.PowerON();
  for (uint32_t address = 0; address <= rom.LastAddress(); ++address) {
    if (!WriteByte(address, 0xFF)) {
      ReportNoAnswer(address, "イレースエラー");
      return;
    }
  }
  messages_.Box("イレースしました。", "イレース完了", MessageIcon::Information, WindowMessages::Buttons::Ok);
}

void SerialRomCommands::SRomDevEraseCheckClick() {
  TSRomWrite& rom = Engine();
  rom.PowerON();
  rom.IsErased(true);
}

}  // namespace tarvel

#include "ui/main/SerialRomCommands.h"

#include "engine/pic/PicResultText.h"
#include "language/CoreTexts.h"
#include "ui/components/HexCellText.h"
#include "ui/components/HexGrid.h"
#include "ui/main/ChipOperation.h"
#include "ui/main/CompareReport.h"
#include "ui/main/PWMainForm.h"
#include "ui/main/WindowMessages.h"

namespace tarvel {

using HexCellText::Hex;

SerialRomCommands::SerialRomCommands(TPWMainForm& window, WindowMessages& messages, ChipOperation& operation)
    : window_(window), messages_(messages), operation_(operation) {}

TSRomWrite& SerialRomCommands::Engine() { return window_.SRomWrite(); }

THexGrid& SerialRomCommands::Grid() { return *window_.Form().DataHexGrid; }

void SerialRomCommands::ReportNoAnswer(uint32_t address, const QString& caption) {
  messages_.Box(tr("ROMが応答しません。\nアドレス %1H").arg(Hex(address, 4)), caption, MessageIcon::Error,
                WindowMessages::Buttons::Ok);
}

void SerialRomCommands::ReportCancelled(uint32_t address) {
  messages_.Box(tr("Cancelled at address %1H\nThe operation did not finish.").arg(Hex(address, 4)), QString(),
                MessageIcon::Warning, WindowMessages::Buttons::Ok);
}

QString SerialRomCommands::DifferenceText(uint32_t address, int32_t found, int32_t wanted) {
  return tr("Different data is found in \nAddr = %1H\nROM Data = %2H\nCOMPARED Data = %3H")
      .arg(Hex(address, 2), Hex(static_cast<uint32_t>(found) & 0xFF, 2), Hex(static_cast<uint32_t>(wanted) & 0xFF, 2));
}

void SerialRomCommands::ReportDifference(const ImageDifference& difference, const QString& caption, MessageIcon icon) {
  messages_.Box(DifferenceText(static_cast<uint32_t>(difference.Address), difference.ReadValue, difference.WantedValue),
                caption, icon, WindowMessages::Buttons::Ok);
}

bool SerialRomCommands::ReportEnded(const SRomTransfer& ended, const QString& caption) {
  switch (ended.outcome) {
    case SRomTransfer::Done:
    case SRomTransfer::Halted: return false;
    case SRomTransfer::NoAnswer: ReportNoAnswer(ended.address, caption); break;
    case SRomTransfer::Cancelled: ReportCancelled(ended.address); break;
  }
  return true;
}

// A chip that acknowledges a write need not keep it (a write-protected part,
// a stuck bit): every byte written is read back before the write is called
// done.
bool SerialRomCommands::WriteAndVerify(const Writing& write, const QString& errorCaption) {
  TSRomWrite& rom = Engine();
  SRomTransfer ended;
  ImageDifferences differences;
  if (!operation_.Run(tr("the serial EEPROM"), [&] {
        rom.PowerON();
        ended = write(rom, differences);
      })) {
    return false;
  }
  if (ReportEnded(ended, errorCaption)) return false;
  if (!differences.empty()) {
    ReportDifference(differences.front(), errorCaption, MessageIcon::Error);
    return false;
  }
  return true;
}

// The device change sized the grid to the chip, and a file or a read keeps that size.
SerialRomCommands::Image SerialRomCommands::GridImage() { return Grid().Values<uint8_t>(); }

void SerialRomCommands::SRomDataWriteClick() {
  // A blank cell leaves the EEPROM's byte as it is.
  const Image image = GridImage();
  if (WantedSpan(image).count == 0) {
    messages_.Box(tr("書き込むデータがありません。"), tr("書き込みの確認"), MessageIcon::Information,
                  WindowMessages::Buttons::Ok);
    return;
  }
  if (!messages_.Box(tr("%1 を書き込みます。\nよろしいですか？").arg(window_.DataTitle()), tr("書き込みの確認"),
                     MessageIcon::None,
                     WindowMessages::Buttons::YesNo)) {
    return;
  }
  const auto write = [&image](TSRomWrite& rom, ImageDifferences& differences) {
    return WriteImage(rom, OperationStage::Writing, image, true, differences);
  };
  if (!WriteAndVerify(write, tr("書き込みエラー"))) return;
  messages_.Box(tr("書き込みました。"), tr("書き込み完了"), MessageIcon::Information, WindowMessages::Buttons::Ok);
}

// The grid takes the bytes only when the chip answered for every one; a read
// that was cancelled leaves what it read, and says so in the title.
void SerialRomCommands::SRomDataReadClick() {
  TSRomWrite& rom = Engine();
  std::vector<uint8_t> bytes;
  SRomTransfer ended;
  if (!operation_.Run(tr("the serial EEPROM"), [&] {
        rom.PowerON();
        bytes.reserve(rom.LastAddress() + 1);
        ended = rom.ReadSequential(OperationStage::Reading, 0, rom.LastAddress() + 1, [&](uint32_t, uint8_t value) {
          bytes.push_back(value);
          return true;
        });
      })) {
    return;
  }
  if (ended.outcome == SRomTransfer::NoAnswer) {
    ReportNoAnswer(ended.address, tr("読み込みエラー"));
    return;
  }
  THexGrid& grid = Grid();
  grid.SetMaxAddress(static_cast<int32_t>(rom.LastAddress()));
  grid.DataDigit = 2;
  if (ended.outcome == SRomTransfer::Cancelled) grid.Clear();
  for (uint32_t address = 0; address < bytes.size(); ++address) {
    grid.WriteData(static_cast<int32_t>(address), bytes[address]);
  }
  if (ended.outcome == SRomTransfer::Cancelled) {
    window_.DataReadFromChip([stoppedAt = ended.address] { return PartialReadTitle(tr("読み出しデータ "), stoppedAt); });
    ReportCancelled(ended.address);
    return;
  }
  window_.DataReadFromChip([] { return tr("読み出しデータ"); });
}

void SerialRomCommands::SRomDataCompareClick() {
  TSRomWrite& rom = Engine();
  const Image image = GridImage();
  SRomTransfer ended;
  ImageDifferences differences;
  if (!operation_.Run(tr("the serial EEPROM"), [&] {
        rom.PowerON();
        ended = ReadAgainst(rom, OperationStage::Comparing, image, true, differences);
        // The first byte is read once more for the text, as the user would read it now.
        if (ended.outcome == SRomTransfer::Done && !differences.empty()) {
          const auto first = static_cast<uint32_t>(differences.front().Address);
          if (!rom.ReadChecked(first, differences.front().ReadValue)) ended = {SRomTransfer::NoAnswer, first};
        }
      })) {
    return;
  }
  if (ReportEnded(ended, tr("コンペアエラー"))) return;
  if (!differences.empty()) {
    const ImageDifference& first = differences.front();
    window_.Compares().Show(DifferenceText(static_cast<uint32_t>(first.Address), first.ReadValue, first.WantedValue),
                            CoreTexts::Translated(kResultCaption), MessageIcon::Warning, Grid(),
                            TDifferenceListDlg::Image::Data, differences);
    return;
  }
  messages_.Box(tr("Compare result is the same."), CoreTexts::Translated(kResultCaption), MessageIcon::Information,
                WindowMessages::Buttons::Ok);
}

void SerialRomCommands::SRomDevEraseClick() {
  if (!messages_.Box(tr("ROMをイレースします。\nよろしいですか？"), tr("イレースの確認"), MessageIcon::None,
                     WindowMessages::Buttons::YesNo)) {
    return;
  }
  if (!WriteAndVerify(EraseImage, tr("イレースエラー"))) return;
  messages_.Box(tr("イレースしました。"), tr("イレース完了"), MessageIcon::Information, WindowMessages::Buttons::Ok);
}

void SerialRomCommands::SRomDevEraseCheckClick() {
  TSRomWrite& rom = Engine();
  SRomEraseCheck check;
  if (!operation_.Run(tr("the serial EEPROM"), [&] {
        rom.PowerON();
        check = rom.CheckErased(true);
      })) {
    return;
  }
  if (check.outcome == SRomEraseCheck::NoAnswer) ReportNoAnswer(check.address, tr("イレースチェック"));
  if (check.outcome == SRomEraseCheck::Cancelled) ReportCancelled(check.address);
}

}  // namespace tarvel

#include <algorithm>

#include "cli/CliChipCommands.h"
#include "cli/CliFiles.h"
#include "engine/pic/PicResultText.h"
#include "files/ImageChecksum.h"
#include "language/CoreTexts.h"

namespace tarvel {
namespace {

int Present(const SRomImage& image) {
  return static_cast<int>(std::count_if(image.begin(), image.end(), [](auto b) { return b.has_value(); }));
}

// A byte that differs, in the engine's words for a cell that differs.
CliOutcome Difference(TPicResultCode code, const ImageDifference& difference) {
  CliOutcome outcome = CliOutcome::Of(
      CliOutcome::Differs,
      CoreTexts::Translated(ResultText({code, difference.Address, difference.WantedValue, difference.ReadValue})));
  outcome.address = difference.Address;
  outcome.wanted = difference.WantedValue;
  outcome.read = difference.ReadValue;
  return outcome;
}

}  // namespace

SerialRomCliCommands::SerialRomCliCommands(const CliRequest& request, SROM_DEVICE device)
    : request_(request),
      device_(device),
      name_(QString::fromLatin1(kSRomDevices[device].displayName)),
      size_(static_cast<int32_t>(kSRomDevices[device].lastAddress + 1)) {}

CliOutcome SerialRomCliCommands::NotForThisDevice() const {
  return CliOutcome::Of(CliOutcome::NotPossible,
                        tr("The %1 is a serial EEPROM: it has no configuration word, ID words, code protection or "
                           "program memory.")
                            .arg(name_));
}

std::optional<CliOutcome> SerialRomCliCommands::Prepare() {
  const QString& command = request_.command;
  if (command == "config" || command == "id" || command == "protect" || request_.config || request_.id) {
    return NotForThisDevice();
  }
  if (request_.memory != CliMemory::All && request_.memory != CliMemory::Data) return NotForThisDevice();
  if (command != "info" && command != "write" && command != "verify" && command != "read") return std::nullopt;
  format_ = CliFiles::FormatOf(request_.File(), request_.format);
  if (command == "read") return std::nullopt;
  if (auto failed = CliFiles::ReadSerialRom(request_.File(), format_, device_, image_)) return failed;
  if (command != "info" && WantedSpan(image_).count == 0) {
    return CliOutcome::Of(CliOutcome::FileError, tr("%1 holds no bytes.").arg(request_.File()));
  }
  return std::nullopt;
}

CliOutcome SerialRomCliCommands::Info() const {
  // The file's image covers the whole chip, as the readers size it.
  const int count = Present(image_);
  const SRomSpan span = WantedSpan(image_);
  const uint32_t crc = DataImageCrc32(image_);
  CliOutcome outcome;
  QStringList lines{tr("%1 for the %2:").arg(request_.File(), name_)};
  if (count == 0) {
    lines << tr("  bytes:  none");
  } else {
    lines << tr("  bytes:  %1 in %2H-%3H").arg(count).arg(CliHex(span.first), CliHex(span.first + span.count - 1));
  }
  lines << tr("  CRC-32: %1 (the whole %2, bytes the file lacks as FFH)").arg(CliHex(crc, 8), name_);
  outcome.output = lines.join('\n');
  outcome.fields = {{"dataBytes", count}, {"crc32", static_cast<qint64>(crc)}};
  return outcome;
}

CliOutcome SerialRomCliCommands::RunOnChip(const CliChipAccess& access) {
  TSRomWrite rom(access.clock, access.messages);
  rom.ParallelPort = &access.port;
  rom.SetDevice(device_);
  rom.Progress = &access.progress;
  access.progress.SetSubject(tr("the %1").arg(name_));
  rom.PowerON();
  CliOutcome outcome = Dispatch(rom);
  rom.PowerOFF();
  return outcome;
}

CliOutcome SerialRomCliCommands::Dispatch(TSRomWrite& rom) {
  const QString& command = request_.command;
  if (command == "write") return Write(rom);
  if (command == "erase") return Erase(rom);
  if (command == "read") return Read(rom);
  if (command == "verify") return Verify(rom);
  return BlankCheck(rom);
}

std::optional<CliOutcome> SerialRomCliCommands::Ended(const SRomTransfer& transfer) const {
  CliOutcome outcome;
  switch (transfer.outcome) {
    case SRomTransfer::Done:
    case SRomTransfer::Halted: return std::nullopt;
    case SRomTransfer::NoAnswer:
      outcome = CliOutcome::Of(CliOutcome::Failed,
                               tr("The %1 does not answer at address %2H.\nCheck that it sits in the socket and "
                                  "that the writer is connected.")
                                   .arg(name_, CliHex(transfer.address)));
      break;
    case SRomTransfer::Cancelled:
      outcome = CliOutcome::Of(CliOutcome::Interrupted, tr("Cancelled at address %1H\nThe operation did not finish.")
                                                            .arg(CliHex(transfer.address)));
      break;
  }
  outcome.address = transfer.address;
  return outcome;
}

std::optional<CliOutcome> SerialRomCliCommands::Unwritten(const SRomTransfer& transfer,
                                                          const ImageDifferences& differences) const {
  if (auto ended = Ended(transfer)) return ended;
  if (!differences.empty()) return Difference(prVerifyError, differences.front());
  return std::nullopt;
}

CliOutcome SerialRomCliCommands::Write(TSRomWrite& rom) {
  const bool verify = !request_.noVerify;
  ImageDifferences differences;
  if (auto failed = Unwritten(WriteImage(rom, OperationStage::Writing, image_, verify, differences), differences)) {
    return *failed;
  }
  const int bytes = Present(image_);
  return CliOutcome::Of(CliOutcome::Ok, verify ? tr("Written and verified: %1 bytes.").arg(bytes)
                                               : tr("Written without reading back: %1 bytes.").arg(bytes));
}

CliOutcome SerialRomCliCommands::Erase(TSRomWrite& rom) {
  ImageDifferences differences;
  if (auto failed = Unwritten(EraseImage(rom, differences), differences)) return *failed;
  return CliOutcome::Of(CliOutcome::Ok, tr("The %1 is erased.").arg(name_));
}

// A read that does not run to its end leaves the file as it was.
CliOutcome SerialRomCliCommands::Read(TSRomWrite& rom) {
  std::vector<uint8_t> bytes;
  bytes.reserve(static_cast<size_t>(size_));
  const SRomTransfer transfer =
      rom.ReadSequential(OperationStage::Reading, 0, static_cast<uint32_t>(size_), [&](uint32_t, uint8_t value) {
        bytes.push_back(value);
        return true;
      });
  if (auto ended = Ended(transfer)) {
    ended->notes << tr("%1 was left as it was.").arg(request_.File());
    return *ended;
  }
  if (auto failed = CliFiles::WriteSerialRom(request_.File(), format_, bytes)) return *failed;
  return CliOutcome::Of(CliOutcome::Ok, tr("Read %1 bytes into %2.").arg(size_).arg(request_.File()));
}

CliOutcome SerialRomCliCommands::Verify(TSRomWrite& rom) {
  ImageDifferences differences;
  const SRomTransfer transfer = ReadAgainst(rom, OperationStage::Comparing, image_, false, differences);
  if (auto ended = Ended(transfer)) return *ended;
  if (!differences.empty()) return Difference(prCompareMismatch, differences.front());
  return CliOutcome::Of(CliOutcome::Ok, CoreTexts::Translated(ResultText({prCompareMatch})));
}

CliOutcome SerialRomCliCommands::BlankCheck(TSRomWrite& rom) {
  const SRomEraseCheck check = rom.CheckErased(false);
  switch (check.outcome) {
    case SRomEraseCheck::Erased: return CliOutcome::Of(CliOutcome::Ok, tr("The %1 is blank.").arg(name_));
    case SRomEraseCheck::NoAnswer: return *Ended({SRomTransfer::NoAnswer, check.address});
    case SRomEraseCheck::Cancelled: return *Ended({SRomTransfer::Cancelled, check.address});
    case SRomEraseCheck::NotErased: break;
  }
  CliOutcome outcome = CliOutcome::Of(
      CliOutcome::Differs,
      tr("The %1 is not blank: address %2H holds %3H.").arg(name_, CliHex(check.address), CliHex(check.value, 2)));
  outcome.address = check.address;
  outcome.wanted = kSRomErased;
  outcome.read = check.value;
  return outcome;
}

}  // namespace tarvel

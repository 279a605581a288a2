#include <QJsonArray>
#include <algorithm>

#include "cli/CliChipCommands.h"
#include "cli/CliFiles.h"
#include "engine/pic/CodeProtectRanges.h"
#include "engine/pic/PicConfigRules.h"
#include "engine/pic/PicIdText.h"
#include "engine/pic/PicImageLoad.h"
#include "engine/pic/PicResultText.h"
#include "files/ImageChecksum.h"
#include "language/CoreTexts.h"
#include "platform/WaitTimeMeasurement.h"

namespace tarvel {
namespace {

constexpr int kIdWords = 4;
constexpr int kIdLength = 7;

CliOutcome::Status StatusOf(TPicResultCode code) {
  switch (code) {
    case prSuccess:
    case prEraseSuccess:
    case prProtectSuccess:
    case prCompareMatch:
    case prDataCompareMatch: return CliOutcome::Ok;
    case prVerifyError:
    case prConfigVerifyError:
    case prIDVerifyError:
    case prCompareMismatch:
    case prDataCompareMismatch: return CliOutcome::Differs;
    case prNotSupported:
    case prEraseNotPossible: return CliOutcome::NotPossible;
    case prCancelled: return CliOutcome::Interrupted;
    default: return CliOutcome::Failed;
  }
}

// The engine's record as an outcome, with the engine's text.
CliOutcome FromResult(const TPicWriteResult& result, const char* memory = "") {
  CliOutcome outcome = CliOutcome::Of(StatusOf(result.Code), CoreTexts::Translated(ResultText(result)));
  if (outcome.status == CliOutcome::Ok) return outcome;
  outcome.memory = QString::fromLatin1(memory);
  if (result.Address != -1) outcome.address = result.Address;
  if (result.WantedValue != -1) outcome.wanted = result.WantedValue;
  if (result.ReadValue != -1) outcome.read = result.ReadValue;
  return outcome;
}

template <class Cells>
int Present(const Cells& cells) {
  return static_cast<int>(std::count_if(cells.begin(), cells.end(), [](const auto& c) { return c.has_value(); }));
}

// "37 words in 0000H-0024H"-like: the present cells and where they lie.
template <class Cells>
QString Extent(const Cells& cells, int digits) {
  int64_t first = -1;
  int64_t last = -1;
  int count = 0;
  for (size_t address = 0; address < cells.size(); ++address) {
    if (!cells[address]) continue;
    if (first < 0) first = static_cast<int64_t>(address);
    last = static_cast<int64_t>(address);
    ++count;
  }
  if (count == 0) return PicCliCommands::tr("none");
  return PicCliCommands::tr("%1 in %2H-%3H").arg(count).arg(CliHex(first, digits), CliHex(last, digits));
}

// What an image holds, "program 10 words, configuration 3FF1H".
QString Listed(const PicChipImage& image) {
  return CoreTexts::List(WholeChipParts(image), CoreTexts::LastJoint::Comma);
}

}  // namespace

PicCliCommands::PicCliCommands(const CliRequest& request, PIC_DEVICES device, std::optional<int32_t> waitTime)
    : request_(request),
      device_(device),
      layout_(HexLayoutOf(device)),
      name_(QString::fromLatin1(kPicDevices[device].displayName)),
      waitTime_(waitTime) {}

CliOutcome PicCliCommands::NoId() const {
  return CliOutcome::Of(CliOutcome::NotPossible, tr("tarvel reads and writes no ID words of the %1.").arg(name_));
}

std::optional<CliOutcome> PicCliCommands::DeviceLacks(CliMemory memory) const {
  if (memory == CliMemory::Data && layout_.dataBytes == 0) {
    return CliOutcome::Of(CliOutcome::NotPossible, tr("The %1 has no data EEPROM.").arg(name_));
  }
  if (memory == CliMemory::Id && !layout_.idWritten) return NoId();
  return std::nullopt;
}

std::optional<CliOutcome> PicCliCommands::BinaryLacks(CliMemory memory) const {
  if (format_ != CliFormat::Binary || (memory != CliMemory::Config && memory != CliMemory::Id)) return std::nullopt;
  return CliOutcome::Of(CliOutcome::UsageError,
                        tr("A binary file holds no configuration word and no ID words; use a HEX file."));
}

// ---------------------------------------------------------------- preparing

std::optional<CliOutcome> PicCliCommands::Prepare() {
  const QString& command = request_.command;
  if (command == "info" || command == "write" || command == "verify") return PrepareFile();
  if (command == "read") return PrepareRead();
  if (command == "erase" && kPicDevices[device_].family != PicFamily::Flash) {
    return FromResult({prEraseNotPossible});
  }
  if (command == "config" && !request_.arguments.isEmpty()) return ReadWord(request_.arguments.front(), word_);
  if (command == "id") {
    if (!layout_.idWritten) return NoId();
    if (!request_.arguments.isEmpty()) return ReadIdText(request_.arguments.front());
  }
  if (command == "protect") return ReadLevel(request_.arguments.front());
  return std::nullopt;
}

std::optional<CliOutcome> PicCliCommands::PrepareFile() {
  const CliMemory memory = request_.memory;
  format_ = CliFiles::FormatOf(request_.File(), request_.format);
  if (auto refused = DeviceLacks(memory)) return refused;
  if (auto refused = BinaryLacks(memory)) return refused;
  if (auto failed = CliFiles::ReadPic(request_.File(), format_, device_, memory == CliMemory::Data, image_, notes_)) {
    return failed;
  }
  if (request_.command == "info") return std::nullopt;

  if (request_.config) {
    int32_t word = 0;
    if (auto wrong = ReadWord(*request_.config, word)) return wrong;
    image_.config = static_cast<uint16_t>(word);
  }
  if (request_.id) {
    if (!layout_.idWritten) return NoId();
    if (auto wrong = ReadIdText(*request_.id)) return wrong;
    image_.id = FileIdWords(IdWordsOfText(idText_));
  }
  const bool all = memory == CliMemory::All;
  parts_.program = (all || memory == CliMemory::Program) && Present(image_.program) > 0;
  parts_.data = (all || memory == CliMemory::Data) && Present(image_.data) > 0;
  parts_.config = ((all || memory == CliMemory::Config) && image_.config) || request_.config;
  parts_.id = ((all || memory == CliMemory::Id) && image_.id && layout_.idWritten) || request_.id;
  const QString& file = request_.File();
  const auto lacks = [&](const QString& text) { return CliOutcome::Of(CliOutcome::FileError, text); };
  if (memory == CliMemory::Program && !parts_.program) return lacks(tr("%1 holds no program words.").arg(file));
  if (memory == CliMemory::Data && !parts_.data) return lacks(tr("%1 holds no data EEPROM bytes.").arg(file));
  if (memory == CliMemory::Config && !parts_.config) return lacks(tr("%1 holds no configuration word.").arg(file));
  if (memory == CliMemory::Id && !parts_.id) return lacks(tr("%1 holds no ID words.").arg(file));
  if (!parts_.program && !parts_.data && !parts_.config && !parts_.id) {
    return lacks(tr("%1 holds nothing for the %2.").arg(file, name_));
  }
  return std::nullopt;
}

std::optional<CliOutcome> PicCliCommands::PrepareRead() {
  CliMemory memory = request_.memory;
  format_ = CliFiles::FormatOf(request_.File(), request_.format);
  if (auto refused = BinaryLacks(memory)) return refused;
  // A binary file holds one memory.
  if (format_ == CliFormat::Binary && memory == CliMemory::All) memory = CliMemory::Program;
  if (auto refused = DeviceLacks(memory)) return refused;
  const bool all = memory == CliMemory::All;
  parts_.program = all || memory == CliMemory::Program;
  parts_.data = (all && layout_.dataBytes > 0) || memory == CliMemory::Data;
  parts_.config = all || memory == CliMemory::Config;
  parts_.id = (all && layout_.idWritten) || memory == CliMemory::Id;
  return std::nullopt;
}

std::optional<CliOutcome> PicCliCommands::ReadWord(const QString& text, int32_t& word) const {
  QString digits = text.trimmed();
  if (digits.startsWith("0x", Qt::CaseInsensitive)) digits = digits.mid(2);
  if (digits.endsWith('H', Qt::CaseInsensitive)) digits.chop(1);
  bool number = false;
  const uint value = digits.toUInt(&number, 16);
  if (number && value <= layout_.wordMask) {
    word = static_cast<int32_t>(value);
    return std::nullopt;
  }
  return CliOutcome::Of(CliOutcome::UsageError,
                        tr("The configuration word of the %1 is a hexadecimal number up to %2, not '%3'.")
                            .arg(name_, CliHex(layout_.wordMask), text));
}

// Blanks in the ID words are written for good on an EPROM chip: a text
// without a character is never written.
std::optional<CliOutcome> PicCliCommands::ReadIdText(const QString& text) {
  const bool printable = std::all_of(text.begin(), text.end(), [](QChar c) { return c >= ' ' && c <= '~'; });
  if (!printable || text.size() > kIdLength || text.trimmed().isEmpty()) {
    return CliOutcome::Of(CliOutcome::UsageError,
                          tr("An ID text is 1 to %1 printable ASCII characters, not '%2'.").arg(kIdLength).arg(text));
  }
  idText_ = text.toStdString();
  return std::nullopt;
}

std::optional<CliOutcome> PicCliCommands::ReadLevel(const QString& text) {
  const std::vector<CodeProtectRanges::Range> ranges = CodeProtectRanges::ForDevice(device_);
  bool number = false;
  const int level = text.toInt(&number);
  QStringList offered;
  for (const CodeProtectRanges::Range& range : ranges) {
    if (number && range.level == level) {
      level_ = level;
      if (request_.protectData && !CodeProtectRanges::OffersDataProtect(device_)) {
        return CliOutcome::Of(CliOutcome::NotPossible,
                              tr("The %1 cannot protect its data EEPROM on its own.").arg(name_));
      }
      return std::nullopt;
    }
    offered << QString("%1 = %2").arg(range.level).arg(CoreTexts::Translated(range.text));
  }
  return CliOutcome::Of(CliOutcome::UsageError,
                        tr("The %1 offers the protection levels %2; '%3' is none of them.")
                            .arg(name_, offered.join(tr(", ", "between protection levels")), text));
}

// -------------------------------------------------------------------- info

CliOutcome PicCliCommands::Info() const {
  CliOutcome outcome;
  outcome.notes = notes_;
  const std::vector<std::optional<uint16_t>>& program = image_.program;
  QStringList lines{tr("%1 for the %2:").arg(request_.File(), name_),
                    tr("  program words:      %1").arg(Extent(program, 4))};
  if (layout_.dataBytes > 0) lines << tr("  data EEPROM bytes:  %1").arg(Extent(image_.data, 2));
  if (image_.config) lines << tr("  configuration word: %1H").arg(CliHex(*image_.config));
  if (image_.id) lines << tr("  ID:                 %1").arg(CoreTexts::Part(IdText(*image_.id)));
  std::vector<std::optional<uint16_t>> words(program);
  words.resize(static_cast<size_t>(layout_.programWords));
  const uint16_t checksum = PicProgramChecksum(words, image_.config, layout_.wordMask);
  lines << tr("  checksum:           %1H").arg(CliHex(checksum));
  outcome.output = lines.join('\n');
  outcome.fields = {{"programWords", Present(program)}, {"dataBytes", Present(image_.data)}};
  if (image_.config) outcome.fields.emplace_back("config", *image_.config);
  if (image_.id) {
    QJsonArray id;
    for (uint16_t word : *image_.id) id.append(word);
    outcome.fields.emplace_back("idWords", id);
  }
  outcome.fields.emplace_back("checksum", checksum);
  return outcome;
}

// ------------------------------------------------------------ on the chip

CliOutcome PicCliCommands::RunOnChip(const CliChipAccess& access) {
  TPicWrite engine(access.clock, access.messages);
  engine.ParallelPort = &access.port;
  engine.SetDevice(device_);
  engine.Progress = &access.progress;
  engine.VerifyPass = !request_.noVerify;
  const QString& command = request_.command;
  const bool programs = command == "write" || command == "erase" || command == "protect" ||
                        ((command == "config" || command == "id") && !request_.arguments.isEmpty());
  // Reads and compares do not wait for anything the setting scales.
  if (programs) engine.WaitTime = waitTime_ ? *waitTime_ : WaitTimeMeasurement::Measure(access.clock);
  engine_ = &engine;
  progress_ = &access.progress;

  const TPicWriteResult check = engine.CheckDeviceID();
  CliOutcome outcome = check.Code == prSuccess ? Dispatch() : FromResult(check);
  engine.PowerOFF();
  engine_ = nullptr;
  progress_ = nullptr;
  outcome.notes = notes_ + outcome.notes;
  return outcome;
}

CliOutcome PicCliCommands::Dispatch() {
  const QString& command = request_.command;
  if (command == "write") return Write();
  if (command == "read") return Read();
  if (command == "verify") return Verify();
  if (command == "blank-check") return BlankCheck();
  if (command == "config") return Config();
  if (command == "id") return Id();
  progress_->SetSubject(tr("the chip"));
  if (command == "erase") return FromResult(engine_->Erase());
  return FromResult(engine_->CodeProtect(level_, request_.protectData ? 1 : 0), "config");
}

CliOutcome PicCliCommands::Stopped(int32_t address) const { return FromResult({prCancelled, address}); }

std::optional<CliOutcome> PicCliCommands::RunParts(const PartRuns& runs) {
  struct Step {
    bool wanted;
    const char* memory;
    QString subject;
    int32_t firstAddress;  // where an interrupted step stops
    const std::function<TPicWriteResult()>& run;
  };
  const Step steps[] = {
      {parts_.program, "program", tr("program memory"), 0, runs.program},
      {parts_.config, "config", tr("the configuration word"), layout_.configAddress, runs.config},
      {parts_.id, "id", tr("the ID words"), layout_.idAddress, runs.id},
      {parts_.data, "data", tr("data memory"), 0, runs.data},
  };
  for (const Step& step : steps) {
    if (!step.wanted) continue;
    if (progress_->StopRequested()) return Stopped(step.firstAddress);
    progress_->SetSubject(step.subject);
    const TPicWriteResult result = step.run();
    if (StatusOf(result.Code) != CliOutcome::Ok) return FromResult(result, step.memory);
  }
  return std::nullopt;
}

PicChipImage PicCliCommands::Selected(const PicChipImage& image) const {
  PicChipImage selected;
  if (parts_.program) selected.program = image.program;
  if (parts_.data) selected.data = image.data;
  if (parts_.config) selected.config = image.config;
  if (parts_.id) selected.id = image.id;
  return selected;
}

void PicCliCommands::NoteProtection(uint16_t config) {
  if (!ConfigSetsProtection(config, device_)) return;
  notes_ << tr("The configuration word %1H sets code protection; it was written without it. Protect the chip "
               "with 'tarvel-cli protect' once it is checked.")
                .arg(CliHex(config));
}

CliOutcome PicCliCommands::Write() {
  TPicWrite& engine = *engine_;
  if (parts_.config) NoteProtection(*image_.config);
  const PartRuns runs = {
      [&] {
        LoadProgramImage(engine, image_.program);
        return engine.WriteProgram();
      },
      [&] {
        engine.Fuse = *image_.config;
        return engine.WriteConfig();
      },
      [&] {
        LoadIdWords(engine, *image_.id);
        return engine.WriteID();
      },
      [&] {
        LoadDataImage(engine, image_.data);
        return engine.WriteData();
      },
  };
  if (auto ended = RunParts(runs)) return *ended;
  const QString written = Listed(Selected(image_));
  return CliOutcome::Of(CliOutcome::Ok, request_.noVerify
                                            ? tr("Written without the verifying pass: %1.").arg(written)
                                            : tr("Written and verified: %1.").arg(written));
}

CliOutcome PicCliCommands::Verify() {
  TPicWrite& engine = *engine_;
  const PicConfigRule& rule = kPicConfigRules[device_];
  const PartRuns runs = {
      [&] {
        LoadProgramImage(engine, image_.program);
        return engine.CompareProg();
      },
      // The word a write leaves on the chip: with the bits every
      // configuration write sets, compared where the chip holds them.
      [&]() -> TPicWriteResult {
        engine.ReadConfig();
        const int32_t wanted = ConfigWordWanted(rule, *image_.config) & layout_.wordMask;
        if (ConfigReadsBack(rule, wanted, engine.Fuse)) return {prCompareMatch};
        return {prCompareMismatch, layout_.configAddress, wanted, engine.Fuse};
      },
      [&]() -> TPicWriteResult {
        engine.ReadID();
        for (int i = 0; i < kIdWords; ++i) {
          const int32_t wanted = (*image_.id)[static_cast<size_t>(i)] & layout_.wordMask;
          if (engine.GetID(i) != wanted) return {prCompareMismatch, layout_.idAddress + i, wanted, engine.GetID(i)};
        }
        return {prCompareMatch};
      },
      [&] {
        LoadDataImage(engine, image_.data);
        return engine.CompareData();
      },
  };
  if (auto ended = RunParts(runs)) return *ended;
  return CliOutcome::Of(CliOutcome::Ok,
                        tr("%1 (%2)").arg(CoreTexts::Translated(ResultText({prCompareMatch})), Listed(Selected(image_))));
}

// A read that does not run to its end leaves the file as it was.
CliOutcome PicCliCommands::Read() {
  TPicWrite& engine = *engine_;
  PicChipImage image;
  const auto readCells = [&](auto& cells, int32_t lastAddress, void (TPicWrite::*read)()) {
    (engine.*read)();
    if (progress_->Stopped()) return false;
    for (int32_t address = 0; address <= lastAddress; ++address) cells.emplace_back(engine.GetData(address));
    return true;
  };
  const PartRuns runs = {
      [&]() -> TPicWriteResult {
        if (readCells(image.program, engine.LastAddress(), &TPicWrite::ReadProgram)) return {};
        return {prCancelled, static_cast<int32_t>(progress_->Done())};
      },
      [&]() -> TPicWriteResult {
        engine.ReadConfig();
        image.config = static_cast<uint16_t>(engine.Fuse & layout_.wordMask);
        return {};
      },
      [&]() -> TPicWriteResult {
        engine.ReadID();
        image.id.emplace();
        for (int i = 0; i < kIdWords; ++i) (*image.id)[static_cast<size_t>(i)] = static_cast<uint16_t>(engine.GetID(i));
        return {};
      },
      [&]() -> TPicWriteResult {
        if (readCells(image.data, engine.DataLastAddress(), &TPicWrite::ReadDat)) return {};
        return {prCancelled, static_cast<int32_t>(progress_->Done())};
      },
  };
  if (auto ended = RunParts(runs)) {
    ended->notes << tr("%1 was left as it was.").arg(request_.File());
    return *ended;
  }
  const bool binaryData = parts_.data && !parts_.program;
  if (auto failed = CliFiles::WritePic(request_.File(), format_, device_, binaryData, image)) return *failed;
  return CliOutcome::Of(CliOutcome::Ok, tr("Read %1 into %2.").arg(Listed(image), request_.File()));
}

// A check that was stopped says nothing about the chip.
CliOutcome PicCliCommands::BlankCheck() {
  progress_->SetSubject(tr("the chip"));
  const bool erased = engine_->IsErased();
  if (progress_->Stopped()) return Stopped(static_cast<int32_t>(progress_->Done()));
  if (!erased) return CliOutcome::Of(CliOutcome::Differs, tr("The %1 is not blank.").arg(name_));
  return CliOutcome::Of(CliOutcome::Ok, tr("The %1 is blank.").arg(name_));
}

CliOutcome PicCliCommands::Config() {
  TPicWrite& engine = *engine_;
  progress_->SetSubject(tr("the configuration word"));
  if (request_.arguments.isEmpty()) {
    engine.ReadConfig();
    const int32_t word = engine.Fuse & layout_.wordMask;
    CliOutcome outcome;
    outcome.output = CliHex(word);
    outcome.fields.emplace_back("config", word);
    return outcome;
  }
  NoteProtection(static_cast<uint16_t>(word_));
  engine.Fuse = word_;
  return FromResult(engine.WriteConfig(), "config");
}

CliOutcome PicCliCommands::Id() {
  TPicWrite& engine = *engine_;
  progress_->SetSubject(tr("the ID words"));
  if (!request_.arguments.isEmpty()) {
    engine.SetIDStr(idText_);
    return FromResult(engine.WriteID(), "id");
  }
  engine.ReadID();
  PicIdWords engineWords{};
  QJsonArray wordList;
  for (int i = 0; i < kIdWords; ++i) {
    engineWords[static_cast<size_t>(i)] = engine.GetID(i);
    wordList.append(engine.GetID(i));
  }
  CliOutcome outcome;
  outcome.output = CoreTexts::Part(IdText(FileIdWords(engineWords)));
  if (IdWordsAreText(engineWords)) outcome.fields.emplace_back("id", QString::fromStdString(IdTextOfWords(engineWords)));
  outcome.fields.emplace_back("idWords", wordList);
  return outcome;
}

}  // namespace tarvel

#include "sim/FlashPicChip.h"

namespace tarvel {

namespace {

constexpr uint16_t kWordMask = 0x3FFF;
constexpr uint16_t kConfigSpace = 0x2000;
constexpr uint16_t kDeviceIdAddress = 0x2006;
constexpr uint16_t kConfigWordAddress = 0x2007;
constexpr uint16_t kRevisionBits = 0x001F;
constexpr uint16_t kIdWords = 4;

enum Command : int {
  kLoadConfiguration = 0,
  kClearStepOne = 1,
  kLoadProgram = 2,
  kLoadData = 3,
  kReadProgram = 4,
  kReadData = 5,
  kIncrement = 6,
  kClearStepTwo = 7,
  kBeginProgramming = 8,
};

}  // namespace

FlashPicChip::FlashPicChip(Clock& clock, PIC_DEVICES device) : PicChip(clock, device, kWordMask) {}

void FlashPicChip::OnEnter() {
  counter_ = 0;
  dataCounter_ = 0;
  loading_ = Latch::None;
  latched_ = Latch::None;
  clearStepOne_ = false;
  eraseArmed_ = false;
  pending_ = Pending{};
}

void FlashPicChip::OnLeave() {
  Finish();
  loading_ = Latch::None;
}

// The self-timed cycle ends as soon as anything else happens on the bus.
void FlashPicChip::OnCommandBegins() { Finish(); }

void FlashPicChip::OnCommand(int command) {
  const bool stepOneBefore = clearStepOne_;
  clearStepOne_ = command == kClearStepOne;
  switch (command) {
    case kLoadConfiguration:
      counter_ = kConfigSpace;
      loading_ = Latch::Word;
      ExpectWord();
      break;
    case kLoadProgram:
      loading_ = Latch::Word;
      ExpectWord();
      break;
    case kLoadData:
      loading_ = Latch::DataByte;
      ExpectWord();
      break;
    case kReadProgram: SendWord(ReadWord()); break;
    case kReadData: SendWord(ReadDataByte()); break;
    case kIncrement: Increment(); break;
    case kClearStepOne: break;
    case kClearStepTwo:
      if (stepOneBefore && counter_ == kConfigWordAddress) eraseArmed_ = !eraseArmed_;
      break;
    case kBeginProgramming: Begin(); break;
    default: ++counters_.unknownCommands; break;
  }
}

void FlashPicChip::OnWordLoaded(uint16_t word) {
  latched_ = loading_;
  latch_ = loading_ == Latch::DataByte ? static_cast<uint16_t>(word & 0xFF) : word;
  loading_ = Latch::None;
}

void FlashPicChip::Begin() {
  Pending cycle;
  if (eraseArmed_) {
    cycle.kind = PendingKind::ChipErase;
  } else if (latched_ == Latch::Word) {
    cycle.kind = PendingKind::Word;
    cycle.address = counter_;
  } else if (latched_ == Latch::DataByte) {
    cycle.kind = PendingKind::DataByte;
    cycle.address = static_cast<uint16_t>(dataCounter_);
  } else {
    ++counters_.beginsWithoutLoad;
    return;
  }
  cycle.value = latch_;
  latched_ = Latch::None;
  cycle.startMicros = clock_.ObservedNanos() / 1000;
  pending_ = cycle;
}

void FlashPicChip::Finish() {
  if (pending_.kind == PendingKind::None) return;
  const Pending cycle = pending_;
  pending_ = Pending{};
  if (clock_.ObservedNanos() / 1000 - cycle.startMicros < TypicalMicros(cycle.kind)) {
    ++counters_.cutShortCycles;
    return;
  }
  ++counters_.completedCycles;
  Commit(cycle);
}

uint64_t FlashPicChip::TypicalMicros(PendingKind kind) const {
  switch (kind) {
    case PendingKind::Word: return Facts().wordCycleMicros;
    case PendingKind::DataByte: return Facts().dataCycleMicros;
    case PendingKind::ChipErase: return Facts().eraseMicros;
    case PendingKind::None: break;
  }
  return 0;
}

void FlashPicChip::Commit(const Pending& cycle) {
  switch (cycle.kind) {
    case PendingKind::Word: CommitWord(cycle.address, cycle.value); break;
    case PendingKind::DataByte:
      if (Data().Size() == 0 || IsDataProtected()) {
        ++counters_.ignoredWrites;
      } else {
        Data().Write(cycle.address % Data().Size(), cycle.value);
      }
      break;
    case PendingKind::ChipErase: ChipErase(); break;
    case PendingKind::None: break;
  }
}

void FlashPicChip::CommitWord(uint16_t address, uint16_t value) {
  if (address < kConfigSpace) {
    const int32_t index = address % Program().Size();
    if (ProgramProtected(index)) {
      ++counters_.ignoredWrites;
    } else {
      Program().Write(index, value);
    }
    return;
  }
  const uint16_t offset = address - kConfigSpace;
  if (offset < kIdWords) {
    Ids().Write(offset, value);
  } else if (address == kConfigWordAddress) {
    // Protection bits once cleared come back only with a chip erase.
    const uint16_t protectBits = Facts().codeProtectBits | Facts().dataProtectBit;
    const uint16_t old = Config().Stored(0);
    Config().Write(0, static_cast<uint16_t>((value & ~protectBits) | (value & old & protectBits)));
  } else {
    ++counters_.ignoredWrites;
  }
}

void FlashPicChip::ChipErase() {
  Program().Fill(Program().Erased());
  Data().Fill(Data().Erased());
  Ids().Fill(Ids().Erased());
  Config().Fill(Config().Erased());
  ++counters_.chipErases;
}

// Program space wraps at 0x1FFF to 0, configuration space at 0x3FFF to
// 0x2000; the data EEPROM counter wraps within the chip's data size.
void FlashPicChip::Increment() {
  if (counter_ < kConfigSpace) {
    counter_ = static_cast<uint16_t>((counter_ + 1) & (kConfigSpace - 1));
  } else {
    counter_ = static_cast<uint16_t>(kConfigSpace + ((counter_ + 1) & (kConfigSpace - 1)));
  }
  if (Data().Size() > 0) dataCounter_ = (dataCounter_ + 1) % Data().Size();
}

// A device with less memory decodes only the low address bits.
uint16_t FlashPicChip::ReadWord() const {
  if (counter_ < kConfigSpace) {
    const int32_t index = counter_ % Program().Size();
    return ProgramProtected(index) ? 0 : Program().Read(index);
  }
  const uint16_t offset = counter_ - kConfigSpace;
  if (offset < kIdWords) return Ids().Read(offset);
  if (counter_ == kConfigWordAddress) return Config().Read(0);
  if (counter_ == kDeviceIdAddress && Facts().deviceId != 0) return Facts().deviceId | revision_;
  return kWordMask;
}

void FlashPicChip::SetRevision(uint16_t revision) { revision_ = revision & kRevisionBits; }

uint16_t FlashPicChip::ReadDataByte() const {
  if (Data().Size() == 0 || IsDataProtected()) return 0;
  return Data().Read(dataCounter_);
}

}  // namespace tarvel

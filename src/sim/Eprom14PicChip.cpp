#include "sim/Eprom14PicChip.h"

namespace tarvel {

namespace {
constexpr uint16_t kWordMask = 0x3FFF;
constexpr uint16_t kConfigSpace = 0x2000;
constexpr uint16_t kConfigWordAddress = 0x2007;
constexpr uint16_t kIdWords = 4;
constexpr int kLoadConfiguration = 0;
}  // namespace

Eprom14PicChip::Eprom14PicChip(Clock& clock, PIC_DEVICES device) : EpromPicChip(clock, device, kWordMask) {}

// Program space wraps at 0x1FFF to 0, configuration space at 0x3FFF to 0x2000.
void Eprom14PicChip::Increment() {
  const uint16_t base = counter_ < kConfigSpace ? 0 : kConfigSpace;
  counter_ = static_cast<uint16_t>(base + ((counter_ + 1) & (kConfigSpace - 1)));
}

// A device with less memory decodes only the low address bits.
EpromPicChip::Location Eprom14PicChip::Locate() {
  Location location;
  if (counter_ < kConfigSpace) {
    location.cells = &Program();
    location.index = counter_ % Program().Size();
    location.isProgram = true;
  } else if (counter_ - kConfigSpace < kIdWords) {
    location.cells = &Ids();
    location.index = counter_ - kConfigSpace;
  } else if (counter_ == kConfigWordAddress) {
    location.cells = &Config();
  }
  return location;
}

uint16_t Eprom14PicChip::ReadWord() const {
  if (counter_ < kConfigSpace) {
    const int32_t index = counter_ % Program().Size();
    return ProgramProtected(index) ? 0 : Program().Read(index);
  }
  if (counter_ - kConfigSpace < kIdWords) return Ids().Read(counter_ - kConfigSpace);
  if (counter_ == kConfigWordAddress) return Config().Read(0);
  return kWordMask;
}

bool Eprom14PicChip::OnFamilyCommand(int command) {
  if (command != kLoadConfiguration) return false;
  counter_ = kConfigSpace;
  ExpectLoad();
  return true;
}

}  // namespace tarvel

#include "sim/Eprom12PicChip.h"

namespace tarvel {

namespace {
constexpr uint16_t kWordMask = 0x0FFF;
constexpr int32_t kIdWords = 4;
}  // namespace

Eprom12PicChip::Eprom12PicChip(Clock& clock, PIC_DEVICES device) : EpromPicChip(clock, device, kWordMask) {
  Program().Set(Program().Size() - 1, Facts().calibrationWord);
}

uint16_t Eprom12PicChip::Scrambled(uint16_t word) {
  return static_cast<uint16_t>((word ^ (word >> 4) ^ (word >> 8)) & 0x000F);
}

EpromPicChip::Location Eprom12PicChip::Locate() {
  Location location;
  const int32_t words = Program().Size();
  if (counter_ == kConfigAddress) {
    location.cells = &Config();
  } else if (counter_ < words) {
    location.cells = &Program();
    location.index = counter_;
    location.isProgram = true;
  } else if (counter_ < words + kIdWords) {
    location.cells = &Ids();
    location.index = counter_ - words;
  }
  return location;
}

uint16_t Eprom12PicChip::ReadWord() const {
  const int32_t words = Program().Size();
  if (counter_ == kConfigAddress) return (Config().Read(0) | Facts().configReadsOne) & kWordMask;
  if (counter_ < words) {
    const uint16_t word = Program().Read(counter_);
    return ProgramProtected(counter_) ? Scrambled(word) : word;
  }
  if (counter_ < words + kIdWords) return Ids().Read(counter_ - words);
  return kWordMask;
}

}  // namespace tarvel

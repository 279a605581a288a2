#pragma once

#include <cstdint>

#include "sim/EpromPicChip.h"

namespace tarvel {

// A PIC of the 14-bit EPROM family: the address counter starts on program
// word 0; Load Configuration (0) moves it to 0x2000, where the four IDs and,
// at 0x2007, the configuration word live. Protected program words read 0.
class Eprom14PicChip : public EpromPicChip {
 public:
  Eprom14PicChip(Clock& clock, PIC_DEVICES device);

 protected:
  void ResetCounter() override { counter_ = 0; }
  void Increment() override;
  Location Locate() override;
  uint16_t ReadWord() const override;
  bool OnFamilyCommand(int command) override;

 private:
  uint16_t counter_ = 0;  // 0x0000-0x1FFF program space, 0x2000-0x3FFF configuration space
};

}  // namespace tarvel

#include "sim/EpromPicChip.h"

namespace tarvel {

namespace {

enum Command : int {
  kLoadProgram = 2,
  kReadProgram = 4,
  kIncrement = 6,
  kBeginProgramming = 8,
  kEndProgramming = 14,
};

}  // namespace

EpromPicChip::EpromPicChip(Clock& clock, PIC_DEVICES device, uint16_t wordErased)
    : PicChip(clock, device, wordErased) {}

void EpromPicChip::OnEnter() {
  loading_ = false;
  loaded_ = false;
  pulsing_ = false;
  ResetCounter();
}

// Programming voltage gone in the middle of a pulse: the pulse is lost.
void EpromPicChip::OnLeave() {
  if (pulsing_) ++counters_.abortedPulses;
  pulsing_ = false;
  loading_ = false;
}

void EpromPicChip::OnCommand(int command) {
  if (pulsing_ && command != kEndProgramming) {
    ++counters_.abortedPulses;
    pulsing_ = false;
  }
  loading_ = false;
  switch (command) {
    case kLoadProgram: ExpectLoad(); break;
    case kReadProgram: SendWord(ReadWord()); break;
    case kIncrement: Increment(); break;
    case kBeginProgramming: BeginPulse(); break;
    case kEndProgramming: EndPulse(); break;
    default:
      if (!OnFamilyCommand(command)) ++counters_.unknownCommands;
      break;
  }
}

void EpromPicChip::OnWordLoaded(uint16_t word) {
  if (!loading_) return;
  loading_ = false;
  loaded_ = true;
  latch_ = word;
}

void EpromPicChip::BeginPulse() {
  if (!loaded_) {
    ++counters_.beginsWithoutLoad;
    return;
  }
  loaded_ = false;
  pulsing_ = true;
  pulseValue_ = latch_;
  pulseTarget_ = Locate();
  pulseStartMicros_ = clock_.ObservedNanos() / 1000;
}

void EpromPicChip::EndPulse() {
  if (!pulsing_) return;
  pulsing_ = false;
  if (clock_.ObservedNanos() / 1000 - pulseStartMicros_ < kShortestPulseMicros) {
    ++counters_.shortPulses;
    return;
  }
  ++counters_.countedPulses;
  const Location& target = pulseTarget_;
  if (target.cells == nullptr || (target.isProgram && ProgramProtected(target.index))) {
    ++counters_.ignoredWrites;
    return;
  }
  target.cells->Pulse(target.index, pulseValue_);
}

}  // namespace tarvel

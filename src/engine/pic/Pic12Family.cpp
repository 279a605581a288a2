// The 12-bit EPROM family: the counter starts on the configuration word, one
// increment before program word 0; the last program word is the oscillator
// calibration.
#include "engine/pic/PicConfigRules.h"
#include "engine/pic/PicWrite.h"

namespace tarvel {

namespace {
constexpr PicPrimitive kPic12 = &TPicWrite::Pic12;
constexpr int32_t kWordMask = 0x0FFF;
// An unprogrammed 12-bit word comes through the 14-bit read frame with its
// two unused top bits as 0.
constexpr int32_t kBlankWord = 0x0FFF;
constexpr int32_t kConfigAddress = 0;  // what a configuration failure reports
}  // namespace

void TPicWrite::Pic12ProgramCycle(int32_t word) { PulseProgramCycle(kPic12, word); }

TPicWriteResult TPicWrite::Pic12WriteProgram() {
  return WriteCells({kPic12, &TPicWrite::Pic12ProgramCycle, CounterStart::AfterConfigWord, false,
                     false, lastAddress_, kWordMask});
}

TPicWriteResult TPicWrite::Pic12WriteConfig() {
  return WriteConfigWord({kPic12, &TPicWrite::Pic12ProgramCycle, CounterStart::AsEntered, 1,
                          kWordMask, kConfigAddress, false});
}

TPicWriteResult TPicWrite::Pic12CodeProtect() {
  if (!IsKnownPicDevice(device_)) return {prNotSupported};
  PicCommands chip(*this, kPic12);
  chip.Enter();
  const int32_t word = chip.ReadWord() & kPicConfigRules[device_].protectMask;
  Pic12ProgramCycle(word);
  return FinishProtection(chip, word, kConfigAddress, prProtectSuccess);
}

TPicWriteResult TPicWrite::Pic12CompareProg() {
  return CompareCells({kPic12, CounterStart::AfterConfigWord, false, true, lastAddress_,
                       prCompareMismatch, prCompareMatch});
}

void TPicWrite::Pic12ReadProgram() {
  ReadCells(kPic12, CounterStart::AfterConfigWord, false, lastAddress_, data_.data());
}

void TPicWrite::Pic12ReadConfig() { ReadConfigWord(kPic12, CounterStart::AsEntered); }

// The calibration word is left out: it is programmed at the factory.
bool TPicWrite::Pic12IsErased() {
  PicCommands chip(*this, kPic12);
  chip.Enter();
  bool blank = chip.ReadWord() == kBlankWord;
  if (blank) {
    chip.Increment();
    blank = chip.CellsHold(lastAddress_, kBlankWord, false);
  }
  chip.Leave();
  return blank;
}

}  // namespace tarvel

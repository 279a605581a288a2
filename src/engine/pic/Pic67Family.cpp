// The 14-bit EPROM family: cells programmed by counted pulses, no erase.
#include "engine/pic/PicConfigRules.h"
#include "engine/pic/PicWrite.h"

namespace tarvel {

namespace {
constexpr PicPrimitive kPic67 = &TPicWrite::Pic67;
constexpr int32_t kWordMask = 0x3FFF;
constexpr int32_t kBlankWord = 0x3FFF;
constexpr int32_t kIdLastIndex = 3;
constexpr int32_t kConfigAddress = 0x2007;
// The configuration word gets many programming cycles in a row, so that it
// is programmed well beyond the point where it first reads back.
constexpr int kConfigProgramCycles = 25;
}  // namespace

void TPicWrite::Pic67ProgramCycle(int32_t word) { PulseProgramCycle(kPic67, word); }

TPicWriteResult TPicWrite::Pic67WriteProgram() {
  return WriteCells({kPic67, &TPicWrite::Pic67ProgramCycle, CounterStart::AsEntered, false, false,
                     lastAddress_, kWordMask});
}

TPicWriteResult TPicWrite::Pic67WriteID() {
  return WriteCells({kPic67, &TPicWrite::Pic67ProgramCycle, CounterStart::IdWords, false, true,
                     kIdLastIndex, kWordMask});
}

TPicWriteResult TPicWrite::Pic67WriteConfig() {
  return WriteConfigWord({kPic67, &TPicWrite::Pic67ProgramCycle, CounterStart::ConfigWord,
                          kConfigProgramCycles, kWordMask, kConfigAddress, true});
}

void TPicWrite::Pic67ReadProgram() {
  ReadCells(kPic67, CounterStart::AsEntered, false, lastAddress_, data_.data());
}

void TPicWrite::Pic67ReadID() {
  ReadCells(kPic67, CounterStart::IdWords, false, kIdLastIndex, id_.data());
}

void TPicWrite::Pic67ReadConfig() { ReadConfigWord(kPic67, CounterStart::ConfigWord); }

bool TPicWrite::Pic67IsErased() {
  PicCommands chip(*this, kPic67);
  chip.Enter();
  const bool blank = chip.CellsHold(lastAddress_ + 1, kBlankWord, false) && chip.ConfigAreaBlank();
  chip.Leave();
  return blank;
}

// The level goes into every protection pair of the device; the
// all-or-nothing devices ignore it. The word is programmed like any cell, so
// an unchanged word is skipped unless overwriting is on.
TPicWriteResult TPicWrite::Pic67CodeProtect(int32_t level) {
  if (!IsKnownPicDevice(device_)) return {prNotSupported};
  const PicConfigRule& rule = kPicConfigRules[device_];
  PicCommands chip(*this, kPic67);
  chip.EnterAt(CounterStart::ConfigWord);
  const int32_t word =
      ApplyProtectionLevel(chip.ReadWord() & rule.protectMask, rule.levelPairs, level);
  Pic67ProgramCycle(word);
  return FinishProtection(chip, word, kConfigAddress, prSuccess);
}

TPicWriteResult TPicWrite::Pic67CompareProg() {
  return CompareCells({kPic67, CounterStart::AsEntered, false, true, lastAddress_,
                       prCompareMismatch, prCompareMatch});
}

}  // namespace tarvel

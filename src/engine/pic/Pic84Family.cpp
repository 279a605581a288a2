// The flash and EEPROM family: one self-timed programming cycle per cell.
#include "engine/pic/PicConfigRules.h"
#include "engine/pic/PicWrite.h"

namespace tarvel {

namespace {
constexpr PicPrimitive kPic84 = &TPicWrite::Pic84;
constexpr int32_t kWordMask = 0x3FFF;
constexpr int32_t kByteMask = 0xFF;
constexpr int32_t kBlankWord = 0x3FFF;
constexpr int32_t kBlankByte = 0xFF;
constexpr int kIncrementsToConfigWord = 7;
constexpr int32_t kIdLastIndex = 3;
constexpr int32_t kConfigAddress = 0x2007;
constexpr int32_t kSettleAfterEraseMs = 10;
constexpr int32_t kSettleBeforeBlankCheckMs = 1000;
}  // namespace

void TPicWrite::Pic84ProgramCycle(int32_t word) { FlashProgramCycle(word, false); }

void TPicWrite::Pic84ProgramDataCycle(int32_t value) { FlashProgramCycle(value, true); }

TPicWriteResult TPicWrite::Pic84WriteProgram() {
  return WriteCells({kPic84, &TPicWrite::Pic84ProgramCycle, CounterStart::AsEntered, false, false,
                     lastAddress_, kWordMask});
}

TPicWriteResult TPicWrite::Pic84WriteData() {
  return WriteCells({kPic84, &TPicWrite::Pic84ProgramDataCycle, CounterStart::AsEntered, true,
                     false, dataLastAddress_, kByteMask});
}

TPicWriteResult TPicWrite::Pic84WriteID() {
  return WriteCells({kPic84, &TPicWrite::Pic84ProgramCycle, CounterStart::IdWords, false, true,
                     kIdLastIndex, kWordMask});
}

TPicWriteResult TPicWrite::Pic84WriteConfig() {
  return WriteConfigWord(
      {kPic84, &TPicWrite::Pic84ProgramCycle, CounterStart::ConfigWord, 1, kWordMask,
       kConfigAddress, true});
}

void TPicWrite::Pic84ReadProgram() {
  ReadCells(kPic84, CounterStart::AsEntered, false, lastAddress_, data_.data());
}

void TPicWrite::Pic84ReadData() {
  ReadCells(kPic84, CounterStart::AsEntered, true, dataLastAddress_, data_.data());
}

void TPicWrite::Pic84ReadID() {
  ReadCells(kPic84, CounterStart::IdWords, false, kIdLastIndex, id_.data());
}

void TPicWrite::Pic84ReadConfig() { ReadConfigWord(kPic84, CounterStart::ConfigWord); }

// The chip-erase sequence clears protection too; the erase counts as done
// only when the whole chip then passes the blank check.
TPicWriteResult TPicWrite::Pic84Erase() {
  PicCommands chip(*this, kPic84);
  chip.Enter();
  chip.LoadConfiguration(kBlankWord);
  chip.Increment(kIncrementsToConfigWord);
  chip.Send(kFirstHalfOfErase);
  chip.Send(kSecondHalfOfErase);
  chip.Send(kBeginProgramming);  // the uncalibrated wait: the device's program wait time
  chip.Send(kFirstHalfOfErase);
  chip.Send(kSecondHalfOfErase);
  chip.Reset();
  chip.Leave();
  Delay(kSettleAfterEraseMs);

  chip.Enter();
  BeginStage(Progress, OperationStage::Erasing, dataLastAddress_ + 1);
  for (int32_t i = 0; i <= dataLastAddress_; ++i) {
    if (StopsAt(Progress, i)) {
      chip.Leave();
      return {prCancelled, i};
    }
    Pic84ProgramDataCycle(kBlankByte);
    if (chip.ReadByte() != kBlankByte) {
      chip.Leave();
      return {prEraseError};
    }
    chip.Increment();
  }
  Delay(kSettleBeforeBlankCheckMs);
  const bool erased = Pic84IsErased();
  if (Progress && Progress->Stopped()) return {prCancelled, static_cast<int32_t>(Progress->Done())};
  return {erased ? prEraseSuccess : prEraseError};
}

bool TPicWrite::Pic84IsErased() {
  PicCommands chip(*this, kPic84);
  chip.Enter();
  bool blank = chip.CellsHold(lastAddress_ + 1, kBlankWord, false);
  if (blank) {
    chip.Enter();
    blank = chip.CellsHold(dataLastAddress_ + 1, kBlankByte, true) && chip.ConfigAreaBlank();
  }
  chip.Leave();
  return blank;
}

TPicWriteResult TPicWrite::Pic84CodeProtect(int32_t level, int32_t data) {
  if (!IsKnownPicDevice(device_)) return {prNotSupported};
  const PicConfigRule& rule = kPicConfigRules[device_];
  PicCommands chip(*this, kPic84);
  chip.EnterAt(CounterStart::ConfigWord);
  int32_t word = (chip.ReadWord() | rule.protectSetBits) & rule.protectMask;
  if (level >= 0 && level <= 2) word = ApplyProtectionLevel(word, rule.levelPairs, level);
  if (data != 0) word &= rule.dataProtectMask;
  chip.LoadWord(word);
  chip.Program();
  return FinishProtection(chip, word, kConfigAddress, prProtectSuccess);
}

bool TPicWrite::Pic84IsCodeProtected() {
  if (!IsKnownPicDevice(device_)) return false;
  PicCommands chip(*this, kPic84);
  chip.EnterAt(CounterStart::ConfigWord);
  const int32_t word = chip.ReadWord();
  chip.Leave();
  const int32_t bits = ProtectionBits(kPicConfigRules[device_]);
  return (word & bits) != bits;
}

TPicWriteResult TPicWrite::Pic84CompareProg() {
  return CompareCells({kPic84, CounterStart::AsEntered, false, false, lastAddress_,
                       prCompareMismatch, prCompareMatch});
}

TPicWriteResult TPicWrite::Pic84CompareData() {
  return CompareCells({kPic84, CounterStart::AsEntered, true, false, dataLastAddress_,
                       prDataCompareMismatch, prDataCompareMatch});
}

}  // namespace tarvel

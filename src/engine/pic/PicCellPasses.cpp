// The passes over runs of cells that the family routines share: the
// two-pass write, the compare, the read, the configuration word write and
// the EPROM pulse algorithm.
#include "engine/pic/PicConfigRules.h"
#include "engine/pic/PicWrite.h"

namespace tarvel {

namespace {
constexpr char kEmptyCell = '-';
constexpr int32_t kIdAddress = 0x2000;

// Pulses stop once the count is above this (26 at most); a cell that took
// fewer gets the extra pulses.
constexpr int32_t kPulseCountLimit = 25;
constexpr int kExtraPulses = 3;

bool Fits(int32_t value, int32_t mask) {
  return (static_cast<uint32_t>(value) & ~static_cast<uint32_t>(mask)) == 0;
}

TPicWriteResult Failure(PicCommands& chip, TPicResultCode code, int32_t address, int32_t wanted,
                        int32_t read) {
  chip.Leave();
  return {code, address, wanted, read};
}
}  // namespace

bool TPicWrite::WantedValue(int32_t index, int32_t& wanted) const {
  if (ox_[index] != kEmptyCell) {
    wanted = data_[index];
    return true;
  }
  if (FillUpEnable) {
    wanted = FillUpData;
    return true;
  }
  return false;
}

TPicWriteResult TPicWrite::WriteCells(const CellWrite& plan) {
  PicCommands chip(*this, plan.primitive);
  const int32_t addressBase = plan.idWords ? kIdAddress : 0;
  const TPicResultCode writeError = plan.idWords ? prIDWriteError : prWriteError;
  const TPicResultCode verifyError = plan.idWords ? prIDVerifyError : prVerifyError;
  auto wantedAt = [&](int32_t index, int32_t& wanted) {
    if (!plan.idWords) return WantedValue(index, wanted);
    wanted = id_[index];
    return true;
  };

  chip.EnterAt(plan.start);
  BeginStage(Progress, OperationStage::Writing, plan.lastIndex + 1);
  for (int32_t i = 0; i <= plan.lastIndex; ++i) {
    if (StopsAt(Progress, i)) return Failure(chip, prCancelled, addressBase + i, -1, -1);
    int32_t wanted;
    if (wantedAt(i, wanted)) {
      // A value wider than the cell could only be programmed in part and
      // would then never read back: refuse it before touching the cell.
      if (!Fits(wanted, plan.wordMask)) {
        return Failure(chip, writeError, addressBase + i, wanted, chip.Read(plan.dataBytes));
      }
      (this->*plan.programCycle)(wanted);
      const int32_t read = chip.Read(plan.dataBytes);
      if (read != wanted) return Failure(chip, writeError, addressBase + i, wanted, read);
    }
    chip.Increment();
  }

  if (!VerifyPass) {
    chip.Leave();
    return {};
  }
  chip.EnterAt(plan.start);
  BeginStage(Progress, OperationStage::Verifying, plan.lastIndex + 1);
  for (int32_t i = 0; i <= plan.lastIndex; ++i) {
    if (StopsAt(Progress, i)) return Failure(chip, prCancelled, addressBase + i, -1, -1);
    const int32_t read = chip.Read(plan.dataBytes);
    int32_t wanted;
    if (wantedAt(i, wanted) && read != wanted) {
      return Failure(chip, verifyError, addressBase + i, wanted, read);
    }
    chip.Increment();
  }
  chip.Leave();
  return {};
}

TPicWriteResult TPicWrite::CompareCells(const CellCompare& plan) {
  PicCommands chip(*this, plan.primitive);
  TPicWriteResult result{plan.match};
  chip.EnterAt(plan.start);
  BeginStage(Progress, OperationStage::Comparing, plan.lastIndex + 1);
  for (int32_t i = 0; i <= plan.lastIndex; ++i) {
    if (StopsAt(Progress, i)) return Failure(chip, prCancelled, i, -1, -1);
    const int32_t read = chip.Read(plan.dataBytes);
    int32_t wanted = data_[i];
    const bool compared = plan.fillCounts ? WantedValue(i, wanted) : ox_[i] != kEmptyCell;
    if (compared && read != wanted) {
      if (result.Code == plan.match) result = {plan.mismatch, i, wanted, read};
      if (Differences == nullptr) break;
      Differences->push_back({i, wanted, read});
    }
    chip.Increment();
  }
  chip.Leave();
  return result;
}

void TPicWrite::ReadCells(PicPrimitive primitive, CounterStart start, bool dataBytes,
                          int32_t lastIndex, int32_t* into) {
  PicCommands chip(*this, primitive);
  chip.EnterAt(start);
  BeginStage(Progress, OperationStage::Reading, lastIndex + 1);
  for (int32_t i = 0; i <= lastIndex; ++i) {
    if (StopsAt(Progress, i)) break;
    into[i] = chip.Read(dataBytes);
    chip.Increment();
  }
  chip.Leave();
}

void TPicWrite::ReadConfigWord(PicPrimitive primitive, CounterStart start) {
  PicCommands chip(*this, primitive);
  chip.EnterAt(start);
  Fuse = chip.ReadWord();
  chip.Leave();
}

TPicWriteResult TPicWrite::WriteConfigWord(const ConfigWrite& plan) {
  if (!IsKnownPicDevice(device_)) return {prNotSupported};
  const PicConfigRule& rule = kPicConfigRules[device_];
  const int32_t wanted = ConfigWordWanted(rule, Fuse);

  // The forced bits reach above the cell (bits 14 and 15 of the words the
  // configuration dialog makes). Programmed as it stands, such a word never
  // reads back, so every EPROM cycle would run to its pulse limit; the cycles
  // get the word as the cell holds it, and the compared bits decide.
  const int32_t programmed = wanted & plan.cellMask;

  PicCommands chip(*this, plan.primitive);
  chip.EnterAt(plan.start);
  for (int i = 0; i < plan.cycles; ++i) (this->*plan.programCycle)(programmed);
  int32_t read = chip.ReadWord();
  if (!ConfigReadsBack(rule, wanted, read)) return Failure(chip, prConfigWriteError, plan.address, wanted, read);

  if (plan.verifyPass) {
    chip.EnterAt(plan.start);
    read = chip.ReadWord();
    if (!ConfigReadsBack(rule, wanted, read)) return Failure(chip, prConfigVerifyError, plan.address, wanted, read);
  }
  chip.Leave();
  return {};
}

// The configuration word is read back once protection has been programmed:
// a protection bit the new word clears that still reads 1 (no chip, a bad
// contact, a wait too short) leaves the chip readable, and saying otherwise
// would be worse than any failed write. Bits already cleared by an earlier
// protection stay cleared on the chip and count as protected.
TPicWriteResult TPicWrite::FinishProtection(PicCommands& chip, int32_t word, int32_t address,
                                            TPicResultCode done) {
  const int32_t read = chip.ReadWord();
  const int32_t cleared = ~word & ProtectionBits(kPicConfigRules[device_]);
  if ((read & cleared) != 0) return Failure(chip, prConfigWriteError, address, word, read);
  chip.Leave();
  return {done};
}

// EPROM cells take short pulses until they read back, then a few more to
// make the charge last.
void TPicWrite::PulseProgramCycle(PicPrimitive primitive, int32_t word) {
  PicCommands chip(*this, primitive);
  if (!OverWriteEnable && chip.ReadWord() == word) return;
  auto pulse = [&] {
    chip.LoadWord(word);
    chip.Program();
    chip.EndProgramming();
  };
  int32_t pulses = 0;
  int32_t read;
  do {
    pulse();
    ++pulses;
    read = chip.ReadWord();
  } while (read != word && pulses <= kPulseCountLimit);
  if (pulses < kPulseCountLimit) {
    for (int i = 0; i < kExtraPulses; ++i) pulse();
  }
}

void TPicWrite::FlashProgramCycle(int32_t value, bool dataByte) {
  PicCommands chip(*this, &TPicWrite::Pic84);
  if (!OverWriteEnable && chip.Read(dataByte) == value) return;
  if (dataByte) {
    chip.LoadByte(value);
  } else {
    chip.LoadWord(value);
  }
  chip.Program();
}

}  // namespace tarvel

#include "engine/pic/PicWrite.h"

#include "engine/pic/PicCycleTimes.h"
#include "engine/pic/PicIdText.h"

namespace tarvel {

namespace {

// Port values of the writer (data register bits: D0 RB7 level, D1 RB6 level,
// D2 RB7 released, D3/D4 MCLR select, D5 RB6 released, D6 VDD).
constexpr uint32_t kPowerOff = 0x00;
constexpr uint32_t kRunning = 0x64;
constexpr uint32_t kHeldInReset = 0x74;
constexpr uint32_t kClockLow = 0x48;   // + data bit
constexpr uint32_t kClockHigh = 0x4A;  // + data bit
constexpr uint32_t kReadClockLow = 0x4C;
constexpr uint32_t kReadClockHigh = 0x4E;

constexpr uint64_t kShortPauseRounds = 200;
constexpr int kCommandBits = 6;
constexpr int kWordBits = 14;

constexpr uint64_t Codes(std::initializer_list<int> codes) {
  uint64_t mask = 0;
  for (int code : codes) mask |= uint64_t{1} << code;
  return mask;
}

bool Has(uint64_t mask, int32_t code) { return (mask >> code) & 1U; }

}  // namespace

struct TPicWrite::FamilyProtocol {
  struct EnterStep {
    uint32_t value;
    int32_t delays[2];  // milliseconds, waited one after the other
  };
  uint64_t writeCodes;      // codes followed by a write phase
  uint64_t readCodes;       // codes followed by a read phase
  uint64_t byteReadCodes;   // read codes whose result is the low byte
  uint64_t zeroCodes;       // codes sent alone that return 0
  bool lowClockTwice;       // each command bit ends with two clock-low writes
  bool stopFromLastBit;     // the stop bit's first clock-high keeps bit 13 on the data line
  bool delayFromWaitTime;   // an uncalibrated wait uses the program wait time, else 1 ms
  bool selfTimedCycles;     // the chip times its own cycles: no wait may be shorter than the device's floor
  int32_t waitOuterRounds;  // outer rounds of a pulse's nest; a self-timed cycle sizes its own from its floor
  EnterStep enter[4];
  int enterSteps;
};

// Flash family: power-cycled for 100 ms, then held in reset with the lines
// released, then with RB6/RB7 low, and only then VPP.
const TPicWrite::FamilyProtocol TPicWrite::kPic84Protocol = {
    Codes({kLoadConfiguration, kLoadProgramData, kLoadDataEeprom}),
    Codes({kReadProgramData, kReadDataEeprom}), Codes({kReadDataEeprom}),
    Codes({kFirstHalfOfErase, kIncrementAddress, kSecondHalfOfErase}),
    true, true, true, true, 0,
    {{0x00, {100, 0}}, {0x74, {10, 0}}, {0x50, {10, 10}}, {0x48, {10, 0}}}, 4};

// 14-bit EPROM family: MCLR low for 10 ms with the supply on, then VPP.
const TPicWrite::FamilyProtocol TPicWrite::kPic67Protocol = {
    Codes({kLoadConfiguration, kLoadProgramData}), Codes({kReadProgramData}), 0, Codes({kIncrementAddress}),
    false, false, false, false, 600,
    {{0x74, {10, 0}}, {0x48, {10, 0}}, {}, {}}, 2};

// 12-bit EPROM family: off for 100 ms, lines released without supply, then
// supply and VPP in the same write.
const TPicWrite::FamilyProtocol TPicWrite::kPic12Protocol = {
    Codes({kLoadProgramData}), Codes({kReadProgramData}), 0, Codes({kIncrementAddress, kEndProgramming}),
    false, true, false, false, 80,
    {{0x00, {100, 0}}, {0x34, {10, 0}}, {0x48, {10, 0}}, {}}, 3};

TPicWrite::TPicWrite(Clock& clock, UserMessages& messages) : clock_(clock), messages_(messages) {}

void TPicWrite::SetDevice(PIC_DEVICES device) {
  device_ = device;
  dataLastAddress_ = 0;
  if (!IsKnownPicDevice(device)) return;
  const PicDeviceInfo& info = kPicDevices[device];
  lastAddress_ = info.lastAddress;
  if (info.family == PicFamily::Flash) {
    dataLastAddress_ = info.dataLastAddress;
    SetProgramWaitTime(info.programWaitMicros);
  }
}

std::string TPicWrite::GetIDStr() const { return IdTextOfWords(id_); }

void TPicWrite::SetIDStr(const std::string& text) { id_ = IdWordsOfText(text); }

int32_t TPicWrite::GetProtectType() const {
  return IsKnownPicDevice(device_) ? kPicDevices[device_].protectType : 0;
}

int32_t TPicWrite::GetDataProtectType() const {
  return IsKnownPicDevice(device_) ? kPicDevices[device_].dataProtectType : 0;
}

int32_t TPicWrite::Pic84(int32_t code, int32_t arg) { return Primitive(kPic84Protocol, code, arg); }
int32_t TPicWrite::Pic67(int32_t code, int32_t arg) { return Primitive(kPic67Protocol, code, arg); }
int32_t TPicWrite::Pic12(int32_t code, int32_t arg) { return Primitive(kPic12Protocol, code, arg); }

int32_t TPicWrite::Primitive(const FamilyProtocol& protocol, int32_t code, int32_t arg) {
  switch (code) {
    case kResetTarget:
      Out(kHeldInReset);
      Delay(1);
      Out(kRunning);
      return 0;
    case kEnterProgramming:
      EnterProgramming(protocol);
      return 0;
    case kLeaveProgramming:
      Out(kRunning);
      return 0;
    default:
      break;
  }
  if (code < 0 || code > kLeaveProgramming) return -2;

  if (protocol.selfTimedCycles) NoteNextCycle(code);
  SendCommand(protocol, code);
  if (code == kBeginProgramming) {
    ProgrammingWait(protocol, arg);
    return 0;
  }
  if (Has(protocol.writeCodes, code)) {
    WritePhase(protocol, arg);
    return 0;
  }
  if (Has(protocol.readCodes, code)) {
    const int32_t word = ReadPhase();
    return Has(protocol.byteReadCodes, code) ? (word & 0xFF) : word;
  }
  return Has(protocol.zeroCodes, code) ? 0 : -1;
}

void TPicWrite::Out(uint32_t value) { ParallelPort->OutData(value); }

// The data line changes only while the clock is high; the chip takes each
// bit on the falling edge.
void TPicWrite::SendCommand(const FamilyProtocol& protocol, int32_t code) {
  Out(kClockLow);
  uint32_t previous = 0;
  for (int i = 0; i < kCommandBits; ++i) {
    const uint32_t bit = (static_cast<uint32_t>(code) >> i) & 1U;
    Out(kClockHigh + previous);
    Out(kClockHigh + bit);
    Out(kClockLow + bit);
    if (protocol.lowClockTwice) Out(kClockLow + bit);
    previous = bit;
  }
}

// Sixteen clocks: a 0 start bit, the 14 low bits LSB first, a 0 stop bit.
void TPicWrite::WritePhase(const FamilyProtocol& protocol, int32_t word) {
  clock_.Spin(kShortPauseRounds);
  Out(kClockHigh);
  Out(kClockLow);
  uint32_t previous = 0;
  for (int i = 0; i < kWordBits; ++i) {
    const uint32_t bit = (static_cast<uint32_t>(word) >> i) & 1U;
    Out(kClockHigh + previous);
    Out(kClockHigh + bit);
    Out(kClockLow + bit);
    previous = bit;
  }
  if (protocol.stopFromLastBit) Out(kClockHigh + previous);
  Out(kClockHigh);
  Out(kClockLow);
}

// RB7 is released and sampled after each falling edge; the first sample ends
// in bit 0 and the fourteenth in bit 13.
int32_t TPicWrite::ReadPhase() {
  Out(kReadClockLow);
  clock_.Spin(kShortPauseRounds);
  Out(kReadClockHigh);
  Out(kReadClockLow);
  int32_t result = 0;
  for (int i = 0; i < kWordBits; ++i) {
    result >>= 1;
    Out(kReadClockHigh);
    Out(kReadClockLow);
    if (ParallelPort->InBusy()) result += 0x2000;
  }
  Out(kReadClockHigh);
  Out(kReadClockLow);
  return result;
}

// An uncalibrated wait (0) falls back on the tick counter; otherwise a loop
// nest of R outer rounds of `loops` inner rounds, scaled by the measured
// WaitTime to about R x 3.3 us. A pulse keeps its spun width. A self-timed
// cycle's nest is sized so that the WaitTime an idle machine measures gives
// just its floor (the chip's own pace), and the chip times its own cycle, so
// the nest is slept rather than spun; a larger WaitTime lengthens the wait in
// proportion, and one measured on a busy machine cannot cut it below the floor.
void TPicWrite::ProgrammingWait(const FamilyProtocol& protocol, int32_t loops) {
  const uint64_t start = clock_.Micros();
  const uint64_t floor = protocol.selfTimedCycles ? CycleFloorMicros(TypicalCycleMicros()) : 0;
  if (loops == 0) {
    Delay(protocol.delayFromWaitTime ? programWaitTime_ / 1000 : 1);
  } else {
    constexpr uint64_t kCalibratedOuterRoundNanos = 3300;
    const uint64_t outer = protocol.selfTimedCycles ? floor * 1000 / kCalibratedOuterRoundNanos
                                                    : static_cast<uint64_t>(protocol.waitOuterRounds);
    if (loops > 0 && outer > 0) {
      const uint64_t rounds = outer * (static_cast<uint64_t>(loops) + 1);
      if (protocol.selfTimedCycles) {
        SleepRounds(rounds);
      } else {
        clock_.Spin(rounds);
      }
    }
  }
  if (protocol.selfTimedCycles) WaitSince(start, floor);
}

// As long as `rounds` empty loop rounds take, without spinning them all: a
// first stretch is spun and timed, and the rest is slept for as long as that
// stretch says it would last. A stretch slowed by a busy machine only makes
// the sleep longer.
void TPicWrite::SleepRounds(uint64_t rounds) {
  constexpr uint64_t kTimedRounds = 100000;
  const uint64_t timed = rounds < kTimedRounds ? rounds : kTimedRounds;
  const uint64_t start = clock_.Micros();
  clock_.Spin(timed);
  if (timed == rounds) return;
  clock_.SleepMicros((rounds - timed) * (clock_.Micros() - start) / timed);
}

// The loads say what the next Begin Programming starts: a word (program, ID
// or configuration), a data byte, or, after the protection-clearing pair, the
// chip erase.
void TPicWrite::NoteNextCycle(int32_t code) {
  switch (code) {
    case kLoadConfiguration:
    case kLoadProgramData: nextCycle_ = CycleKind::ProgramWord; break;
    case kLoadDataEeprom: nextCycle_ = CycleKind::DataByte; break;
    case kFirstHalfOfErase:
    case kSecondHalfOfErase: nextCycle_ = CycleKind::ChipErase; break;
    default: break;
  }
}

uint32_t TPicWrite::TypicalCycleMicros() const {
  if (!IsKnownPicDevice(device_)) return 0;
  const PicCycleTimes& times = kPicCycleTimes[device_];
  switch (nextCycle_) {
    case CycleKind::ProgramWord: return times.programWordMicros;
    case CycleKind::DataByte: return times.dataByteMicros;
    case CycleKind::ChipErase: return times.chipEraseMicros;
  }
  return 0;
}

void TPicWrite::WaitSince(uint64_t start, uint64_t micros) {
  for (uint64_t elapsed = clock_.Micros() - start; elapsed < micros; elapsed = clock_.Micros() - start) {
    clock_.SleepMicros(micros - elapsed);
  }
}

void TPicWrite::EnterProgramming(const FamilyProtocol& protocol) {
  for (int i = 0; i < protocol.enterSteps; ++i) {
    const FamilyProtocol::EnterStep& step = protocol.enter[i];
    Out(step.value);
    for (int32_t ms : step.delays) {
      if (ms != 0) Delay(ms);
    }
  }
}

void TPicWrite::PowerON() { Out(kRunning); }

void TPicWrite::PowerOFF() { Out(kPowerOff); }

// Elapsed time is the unsigned difference of tick readings, so a wrap of the
// 32-bit tick counter does not end the wait early or make it endless. The
// whole milliseconds still to go are slept; only the tick that ends the wait
// is watched.
void TPicWrite::Delay(int32_t ms) {
  if (ms <= 0) {
    clock_.Ticks();
    return;
  }
  const uint32_t start = clock_.Ticks();
  uint64_t elapsed = 0;
  uint32_t last = start;
  while (elapsed < static_cast<uint64_t>(ms)) {
    const uint64_t left = static_cast<uint64_t>(ms) - elapsed;
    if (left > 1) clock_.SleepMicros((left - 1) * 1000);
    const uint32_t now = clock_.Ticks();
    elapsed += static_cast<uint32_t>(now - last);
    last = now;
  }
}

void TPicWrite::SetProgramWaitTime(int32_t micros) {
  programWaitTime_ = micros;
  programLoopCount_ = (micros * 6) / 10;
  if (programLoopCount_ < 2) programLoopCount_ = 2;
}

}  // namespace tarvel

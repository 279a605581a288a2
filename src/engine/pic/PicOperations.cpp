// The public operations: the one place that maps a device's family to its
// routines.
#include "engine/pic/PicResultText.h"
#include "engine/pic/PicWrite.h"

namespace tarvel {

namespace {

constexpr char kUnsupportedDevice[] = "このデバイスは、対応していません。";
constexpr int32_t kUnreadIdWord = 0x20;  // a space in the ID text
constexpr int32_t kDeviceIdAddress = 0x2006;
constexpr int kIncrementsToDeviceId = 6;

using Operation = TPicWriteResult (TPicWrite::*)();
using Read = void (TPicWrite::*)();
using Query = bool (TPicWrite::*)();
using Protect = TPicWriteResult (*)(TPicWrite& engine, int32_t level, int32_t data);

// A null entry: the family does not have the operation.
struct FamilyRoutines {
  PicPrimitive primitive;
  Operation writeProgram;
  Operation writeData;
  Operation writeID;
  Operation writeConfig;
  Read readProgram;
  Read readData;
  Read readID;
  Read readConfig;
  Operation erase;
  Query isErased;
  Protect codeProtect;
  Query isCodeProtected;
  Operation compareProg;
  Operation compareData;
};

// Indexed by PicFamily.
const FamilyRoutines kFamilyRoutines[] = {
    // 12-bit EPROM
    {&TPicWrite::Pic12, &TPicWrite::Pic12WriteProgram, nullptr, nullptr, &TPicWrite::Pic12WriteConfig,
     &TPicWrite::Pic12ReadProgram, nullptr, nullptr, &TPicWrite::Pic12ReadConfig, nullptr,
     &TPicWrite::Pic12IsErased,
     [](TPicWrite& engine, int32_t, int32_t) { return engine.Pic12CodeProtect(); }, nullptr,
     &TPicWrite::Pic12CompareProg, nullptr},
    // 14-bit EPROM
    {&TPicWrite::Pic67, &TPicWrite::Pic67WriteProgram, nullptr, &TPicWrite::Pic67WriteID,
     &TPicWrite::Pic67WriteConfig, &TPicWrite::Pic67ReadProgram, nullptr, &TPicWrite::Pic67ReadID,
     &TPicWrite::Pic67ReadConfig, nullptr, &TPicWrite::Pic67IsErased,
     [](TPicWrite& engine, int32_t level, int32_t) { return engine.Pic67CodeProtect(level); },
     nullptr, &TPicWrite::Pic67CompareProg, nullptr},
    // flash
    {&TPicWrite::Pic84, &TPicWrite::Pic84WriteProgram, &TPicWrite::Pic84WriteData, &TPicWrite::Pic84WriteID,
     &TPicWrite::Pic84WriteConfig, &TPicWrite::Pic84ReadProgram, &TPicWrite::Pic84ReadData,
     &TPicWrite::Pic84ReadID, &TPicWrite::Pic84ReadConfig, &TPicWrite::Pic84Erase,
     &TPicWrite::Pic84IsErased,
     [](TPicWrite& engine, int32_t level, int32_t data) {
       return engine.Pic84CodeProtect(level, data);
     },
     &TPicWrite::Pic84IsCodeProtected, &TPicWrite::Pic84CompareProg,
     &TPicWrite::Pic84CompareData},
};

const FamilyRoutines* RoutinesFor(PIC_DEVICES device) {
  if (!IsKnownPicDevice(device)) return nullptr;
  return &kFamilyRoutines[static_cast<int>(kPicDevices[device].family)];
}

template <typename Routine>
Routine Find(PIC_DEVICES device, Routine FamilyRoutines::*slot) {
  const FamilyRoutines* routines = RoutinesFor(device);
  return routines ? routines->*slot : nullptr;
}

// A device outside the list is not supported by any operation; `missing` is
// the answer of a family without the operation.
TPicWriteResult Run(TPicWrite& engine, Operation FamilyRoutines::*slot, TPicResultCode missing) {
  if (!RoutinesFor(engine.Device())) return {prNotSupported};
  const Operation routine = Find(engine.Device(), slot);
  if (!routine) return {missing};
  return (engine.*routine)();
}

void RunRead(TPicWrite& engine, Read FamilyRoutines::*slot, UserMessages& messages) {
  const Read routine = Find(engine.Device(), slot);
  if (!routine) {
    messages.Show(kUnsupportedDevice);
    return;
  }
  (engine.*routine)();
}

bool Ask(TPicWrite& engine, Query FamilyRoutines::*slot) {
  const Query routine = Find(engine.Device(), slot);
  return routine && (engine.*routine)();
}

}  // namespace

TPicWriteResult TPicWrite::WriteProgram() {
  return Run(*this, &FamilyRoutines::writeProgram, prNotSupported);
}

TPicWriteResult TPicWrite::WriteData() {
  return Run(*this, &FamilyRoutines::writeData, prNotSupported);
}

TPicWriteResult TPicWrite::WriteID() { return Run(*this, &FamilyRoutines::writeID, prNotSupported); }

TPicWriteResult TPicWrite::WriteConfig() {
  return Run(*this, &FamilyRoutines::writeConfig, prNotSupported);
}

void TPicWrite::ReadProgram() { RunRead(*this, &FamilyRoutines::readProgram, messages_); }

void TPicWrite::ReadDat() { RunRead(*this, &FamilyRoutines::readData, messages_); }

// Without ID words on the chip the ID text reads as spaces.
void TPicWrite::ReadID() {
  const Read routine = Find(device_, &FamilyRoutines::readID);
  if (routine) {
    (this->*routine)();
    return;
  }
  id_.fill(kUnreadIdWord);
}

void TPicWrite::ReadConfig() { RunRead(*this, &FamilyRoutines::readConfig, messages_); }

TPicWriteResult TPicWrite::Erase() { return Run(*this, &FamilyRoutines::erase, prEraseNotPossible); }

bool TPicWrite::IsErased() { return Ask(*this, &FamilyRoutines::isErased); }

TPicWriteResult TPicWrite::CodeProtect(int32_t level, int32_t data) {
  const Protect routine = Find(device_, &FamilyRoutines::codeProtect);
  if (!routine) return {prNotSupported};
  return routine(*this, level, data);
}

bool TPicWrite::IsCodeProtected() { return Ask(*this, &FamilyRoutines::isCodeProtected); }

TPicWriteResult TPicWrite::CompareProg() {
  return Run(*this, &FamilyRoutines::compareProg, prNotSupported);
}

TPicWriteResult TPicWrite::CompareData() {
  return Run(*this, &FamilyRoutines::compareData, prNotSupported);
}

TPicWriteResult TPicWrite::CheckDeviceID() {
  const FamilyRoutines* routines = RoutinesFor(device_);
  if (!routines) return {prNotSupported};
  const int32_t wanted = kPicDevices[device_].deviceId;
  if (wanted == 0) return {};
  PicCommands chip(*this, routines->primitive);
  chip.EnterAt(CounterStart::IdWords);
  chip.Increment(kIncrementsToDeviceId);
  const int32_t read = chip.ReadWord();
  chip.Leave();
  if ((read & kDeviceIdMask) == wanted) return {};
  return {read == kNoDeviceIdWord ? prNoDevice : prOtherDevice, kDeviceIdAddress, wanted, read};
}

void TPicWrite::ResetTarget() {
  const PicPrimitive primitive = Find(device_, &FamilyRoutines::primitive);
  if (primitive) (this->*primitive)(kResetTarget, 0);
}

void TPicWrite::ShowResultMessage(const TPicWriteResult& result) {
  messages_.Show(ResultMessageText(result));
}

}  // namespace tarvel

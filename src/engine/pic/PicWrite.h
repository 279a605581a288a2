#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "engine/ImageDifference.h"
#include "engine/pic/PicCommands.h"
#include "engine/pic/PicDevice.h"
#include "platform/Clock.h"
#include "platform/OperationProgress.h"
#include "platform/UserMessages.h"
#include "port/ParallelPort.h"

namespace tarvel {

// What a writing, erasing, protecting or comparing operation came to.
enum TPicResultCode : uint8_t {
  prProgramError,
  prSuccess,
  prWriteError,
  prConfigWriteError,
  prIDWriteError,
  prVerifyError,
  prConfigVerifyError,
  prIDVerifyError,
  prNotSupported,
  prEraseError,
  prEraseNotPossible,
  prEraseSuccess,
  prAlreadyProtected,
  prProtectSuccess,
  prCompareMatch,
  prCompareMismatch,
  prDataCompareMatch,
  prDataCompareMismatch,
  prNoDevice,     // the device ID word reads all ones: nothing answers in the socket
  prOtherDevice,  // the device ID word names another device
  prCancelled,    // stopped on request at Address, the first cell not done; the chip has left programming mode
};

// Fields a code does not use stay -1.
struct TPicWriteResult {
  TPicResultCode Code = prSuccess;
  int32_t Address = -1, WantedValue = -1, ReadValue = -1;
};

// The PIC programming engine: device state, image, and the serial
// programming primitives of the three families.
class TPicWrite {
 public:
  static constexpr int kImageSize = 8192;

  // The chips' own 6-bit commands, as the primitives take them.
  static constexpr int32_t kLoadConfiguration = 0;
  static constexpr int32_t kFirstHalfOfErase = 1;
  static constexpr int32_t kLoadProgramData = 2;
  static constexpr int32_t kLoadDataEeprom = 3;
  static constexpr int32_t kReadProgramData = 4;
  static constexpr int32_t kReadDataEeprom = 5;
  static constexpr int32_t kIncrementAddress = 6;
  static constexpr int32_t kSecondHalfOfErase = 7;
  static constexpr int32_t kBeginProgramming = 8;
  static constexpr int32_t kEndProgramming = 14;
  // Command codes the primitives take beyond the chip's own.
  static constexpr int32_t kResetTarget = 64;
  static constexpr int32_t kEnterProgramming = 65;
  static constexpr int32_t kLeaveProgramming = 66;

  TPicWrite(Clock& clock, UserMessages& messages);

  bool OverWriteEnable = false;
  int32_t WaitTime = 0;
  bool FillUpEnable = false;
  int32_t FillUpData = 0;
  TParallelPort* ParallelPort = nullptr;
  int32_t Fuse = 0xFFFF;
  // When set, the compares go on past the first difference and add every
  // one to this list; their result still names the first.
  ImageDifferences* Differences = nullptr;
  // Where the passes over cells report how far they are and look whether
  // they should stop (writes, reads, compares, blank checks, the erase). A
  // write or compare that stops returns prCancelled; a read or blank check
  // leaves Progress->Stopped() set and Done() on the first cell not read.
  // Without one, every operation runs to its end.
  OperationProgress* Progress = nullptr;
  // Cleared, the writes of program words, data bytes and ID words skip their
  // second pass, which reads every cell again after all were programmed;
  // each cell is still read back as soon as it is programmed.
  bool VerifyPass = true;

  PIC_DEVICES Device() const { return device_; }
  void SetDevice(PIC_DEVICES device);
  int32_t LastAddress() const { return lastAddress_; }
  int32_t DataLastAddress() const { return dataLastAddress_; }

  int32_t GetID(int32_t index) const { return id_[index]; }
  void SetID(int32_t index, int32_t value) { id_[index] = value; }
  int32_t GetData(int32_t index) const { return data_[index]; }
  void SetData(int32_t index, int32_t value) { data_[index] = value; }
  char GetOX(int32_t index) const { return ox_[index]; }
  void SetOX(int32_t index, char mark) { ox_[index] = mark; }
  std::string GetIDStr() const;
  void SetIDStr(const std::string& text);
  int32_t GetProtectType() const;
  int32_t GetDataProtectType() const;

  // Primitives: a command code (0..63 chip command, 64..66 control) and its
  // argument; the result is tabled per family (read word, 0, -1 or -2).
  int32_t Pic84(int32_t code, int32_t arg);
  int32_t Pic67(int32_t code, int32_t arg);
  int32_t Pic12(int32_t code, int32_t arg);

  void PowerON();
  void PowerOFF();
  void ResetTarget();
  void Delay(int32_t ms);
  void SetProgramWaitTime(int32_t micros);
  int32_t ProgramWaitTime() const { return programWaitTime_; }
  int32_t ProgramLoopCount() const { return programLoopCount_; }

  // The operations, each routed by the family of Device. Reads fill the
  // image, the ID words or Fuse; a device without the operation gets
  // prNotSupported (prEraseNotPossible for Erase) or the unsupported-device
  // message, and the port is not touched.
  TPicWriteResult WriteProgram();
  TPicWriteResult WriteData();
  TPicWriteResult WriteID();
  TPicWriteResult WriteConfig();
  void ReadProgram();
  void ReadDat();
  void ReadID();
  void ReadConfig();
  TPicWriteResult Erase();
  bool IsErased();
  TPicWriteResult CodeProtect(int32_t level, int32_t data);
  bool IsCodeProtected();
  TPicWriteResult CompareProg();
  TPicWriteResult CompareData();
  // Reads the device ID word (0x2006) of the devices that carry one and holds
  // it against Device, before an operation touches the chip: prNoDevice when
  // it reads all ones, prOtherDevice when it names another chip (Address
  // 0x2006, WantedValue the selected device's ID, ReadValue the word read).
  // A device without an ID word passes without a port access; one outside
  // the list gets prNotSupported.
  TPicWriteResult CheckDeviceID();
  // The result in Japanese, in the simple message box.
  void ShowResultMessage(const TPicWriteResult& result);

  // Flash family.
  void Pic84ProgramCycle(int32_t word);
  void Pic84ProgramDataCycle(int32_t value);
  TPicWriteResult Pic84WriteProgram();
  TPicWriteResult Pic84WriteData();
  TPicWriteResult Pic84WriteID();
  TPicWriteResult Pic84WriteConfig();
  TPicWriteResult Pic84Erase();
  TPicWriteResult Pic84CodeProtect(int32_t level, int32_t data);
  TPicWriteResult Pic84CompareProg();
  TPicWriteResult Pic84CompareData();
  void Pic84ReadProgram();
  void Pic84ReadData();
  void Pic84ReadID();
  void Pic84ReadConfig();
  bool Pic84IsErased();
  bool Pic84IsCodeProtected();

  // 14-bit EPROM family.
  void Pic67ProgramCycle(int32_t word);
  TPicWriteResult Pic67WriteProgram();
  TPicWriteResult Pic67WriteID();
  TPicWriteResult Pic67WriteConfig();
  TPicWriteResult Pic67CodeProtect(int32_t level);
  TPicWriteResult Pic67CompareProg();
  void Pic67ReadProgram();
  void Pic67ReadID();
  void Pic67ReadConfig();
  bool Pic67IsErased();

  // 12-bit EPROM family.
  void Pic12ProgramCycle(int32_t word);
  TPicWriteResult Pic12WriteProgram();
  TPicWriteResult Pic12WriteConfig();
  TPicWriteResult Pic12CodeProtect();
  TPicWriteResult Pic12CompareProg();
  void Pic12ReadProgram();
  void Pic12ReadConfig();
  bool Pic12IsErased();

 private:
  using ProgramCycleRoutine = void (TPicWrite::*)(int32_t value);

  // A write of a run of cells: one pass that programs and reads back each
  // cell, then one that verifies them all.
  struct CellWrite {
    PicPrimitive primitive;
    ProgramCycleRoutine programCycle;
    CounterStart start;
    bool dataBytes;
    bool idWords;  // the four ID words at 0x2000 instead of the image
    int32_t lastIndex;
    int32_t wordMask;  // a wanted value beyond it can never read back
  };
  struct CellCompare {
    PicPrimitive primitive;
    CounterStart start;
    bool dataBytes;
    bool fillCounts;  // empty cells are compared with FillUpData when filling is on
    int32_t lastIndex;
    TPicResultCode mismatch;
    TPicResultCode match;
  };
  struct ConfigWrite {
    PicPrimitive primitive;
    ProgramCycleRoutine programCycle;
    CounterStart start;
    int cycles;  // programming cycles given one after the other
    int32_t cellMask;  // the bits the configuration cell holds
    int32_t address;  // reported with a failure
    bool verifyPass;
  };

  bool WantedValue(int32_t index, int32_t& wanted) const;
  TPicWriteResult WriteCells(const CellWrite& plan);
  TPicWriteResult CompareCells(const CellCompare& plan);
  void ReadCells(PicPrimitive primitive, CounterStart start, bool dataBytes, int32_t lastIndex,
                 int32_t* into);
  void ReadConfigWord(PicPrimitive primitive, CounterStart start);
  TPicWriteResult WriteConfigWord(const ConfigWrite& plan);
  TPicWriteResult FinishProtection(PicCommands& chip, int32_t word, int32_t address,
                                   TPicResultCode done);
  void PulseProgramCycle(PicPrimitive primitive, int32_t word);
  void FlashProgramCycle(int32_t value, bool dataByte);

  struct FamilyProtocol;
  static const FamilyProtocol kPic84Protocol;
  static const FamilyProtocol kPic67Protocol;
  static const FamilyProtocol kPic12Protocol;

  int32_t Primitive(const FamilyProtocol& protocol, int32_t code, int32_t arg);
  void Out(uint32_t value);
  void SendCommand(const FamilyProtocol& protocol, int32_t code);
  void WritePhase(const FamilyProtocol& protocol, int32_t word);
  int32_t ReadPhase();
  void ProgrammingWait(const FamilyProtocol& protocol, int32_t loops);
  void SleepRounds(uint64_t rounds);
  void NoteNextCycle(int32_t code);
  uint32_t TypicalCycleMicros() const;
  // Returns once `micros` have passed since the Micros reading `start`.
  void WaitSince(uint64_t start, uint64_t micros);
  void EnterProgramming(const FamilyProtocol& protocol);

  Clock& clock_;
  UserMessages& messages_;
  PIC_DEVICES device_ = PIC16F84;
  int32_t lastAddress_ = 0;
  int32_t dataLastAddress_ = 0;
  int32_t programWaitTime_ = 0;
  int32_t programLoopCount_ = 0;
  // What the next self-timed cycle will be, from the commands sent before it.
  enum class CycleKind : uint8_t { ProgramWord, DataByte, ChipErase };
  CycleKind nextCycle_ = CycleKind::ProgramWord;
  std::array<int32_t, 4> id_{};
  std::array<int32_t, kImageSize> data_{};
  std::array<char, kImageSize> ox_{};
};

}  // namespace tarvel

#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "engine/pic/PicDevice.h"
#include "platform/Clock.h"
#include "platform/UserMessages.h"
#include "port/ParallelPort.h"

namespace tarvel {

// The PIC programming engine: device state, image, and the serial
// programming primitives of the three families.
class TPicWrite {
 public:
  static constexpr int kImageSize = 8192;

  // Command codes the primitives take beyond the chip's own 6-bit commands.
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

 private:
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
  void EnterProgramming(const FamilyProtocol& protocol);

  Clock& clock_;
  UserMessages& messages_;
  PIC_DEVICES device_ = PIC16F84;
  int32_t lastAddress_ = 0;
  int32_t dataLastAddress_ = 0;
  int32_t programWaitTime_ = 0;
  int32_t programLoopCount_ = 0;
  std::array<int32_t, 4> id_{};
  std::array<int32_t, kImageSize> data_{};
  std::array<char, kImageSize> ox_{};
};

}  // namespace tarvel

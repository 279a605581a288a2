#pragma once

#include <cstdint>

namespace tarvel {

class TPicWrite;

// One of the family primitives Pic84, Pic67, Pic12.
using PicPrimitive = int32_t (TPicWrite::*)(int32_t code, int32_t arg);

// Where a routine wants the chip's address counter after entering
// programming mode. The writer cannot load an address; only the
// load-configuration command and increments move the counter.
enum class CounterStart : uint8_t {
  AsEntered,        // word 0 (14-bit families) or the configuration word (12-bit family)
  IdWords,          // 0x2000, after load configuration
  ConfigWord,       // 0x2007, seven increments past the ID words
  AfterConfigWord,  // the 12-bit family's word 0, one increment past its configuration word
};

// The steps the family algorithms are written in, each one primitive call.
class PicCommands {
 public:
  PicCommands(TPicWrite& engine, PicPrimitive primitive);

  void Enter();
  void EnterAt(CounterStart start);
  void Leave();
  void Reset();
  void Increment(int times = 1);
  void LoadConfiguration(int32_t value);
  void LoadWord(int32_t value);
  void LoadByte(int32_t value);
  int32_t ReadWord();
  int32_t ReadByte();
  int32_t Read(bool dataByte) { return dataByte ? ReadByte() : ReadWord(); }
  void Program();  // begin programming, waiting by the engine's WaitTime
  void EndProgramming();
  void Send(int32_t code);  // a command without argument

  // Reads `count` cells from the counter on; false at the first one that
  // does not hold `value`, with the counter left on it, or where the
  // engine's Progress stops the check.
  bool CellsHold(int32_t count, int32_t value, bool dataBytes);
  // The blank check of the configuration area: the words 0x2000 to 0x2004
  // and 0x2008, passing over the configuration word at 0x2007.
  bool ConfigAreaBlank();

 private:
  int32_t Call(int32_t code, int32_t arg);

  TPicWrite& engine_;
  PicPrimitive primitive_;
};

}  // namespace tarvel

#include "engine/pic/PicCommands.h"

#include "engine/pic/PicWrite.h"

namespace tarvel {

namespace {
constexpr int32_t kLoadConfiguration = 0;
constexpr int32_t kLoadProgramData = 2;
constexpr int32_t kLoadDataEeprom = 3;
constexpr int32_t kReadProgramData = 4;
constexpr int32_t kReadDataEeprom = 5;
constexpr int32_t kIncrementAddress = 6;
constexpr int32_t kBeginProgramming = 8;
constexpr int32_t kEndProgramming = 14;

constexpr int kIncrementsToConfigWord = 7;
constexpr int32_t kBlankWord = 0x3FFF;
constexpr int kBlankCheckedIdArea = 5;  // 0x2000 to 0x2004
constexpr int kIncrementsTo2008 = 3;
}  // namespace

PicCommands::PicCommands(TPicWrite& engine, PicPrimitive primitive)
    : engine_(engine), primitive_(primitive) {}

int32_t PicCommands::Call(int32_t code, int32_t arg) { return (engine_.*primitive_)(code, arg); }

void PicCommands::Enter() { Call(TPicWrite::kEnterProgramming, 0); }

void PicCommands::EnterAt(CounterStart start) {
  Enter();
  switch (start) {
    case CounterStart::AsEntered:
      break;
    case CounterStart::IdWords:
      LoadConfiguration(0);
      break;
    case CounterStart::ConfigWord:
      LoadConfiguration(0);
      Increment(kIncrementsToConfigWord);
      break;
    case CounterStart::AfterConfigWord:
      Increment();
      break;
  }
}

void PicCommands::Leave() { Call(TPicWrite::kLeaveProgramming, 0); }
void PicCommands::Reset() { Call(TPicWrite::kResetTarget, 0); }

void PicCommands::Increment(int times) {
  for (int i = 0; i < times; ++i) Call(kIncrementAddress, 0);
}

void PicCommands::LoadConfiguration(int32_t value) { Call(kLoadConfiguration, value); }
void PicCommands::LoadWord(int32_t value) { Call(kLoadProgramData, value); }
void PicCommands::LoadByte(int32_t value) { Call(kLoadDataEeprom, value); }
int32_t PicCommands::ReadWord() { return Call(kReadProgramData, 0); }
int32_t PicCommands::ReadByte() { return Call(kReadDataEeprom, 0); }
void PicCommands::Program() { Call(kBeginProgramming, engine_.WaitTime); }
void PicCommands::EndProgramming() { Call(kEndProgramming, 0); }
void PicCommands::Send(int32_t code) { Call(code, 0); }

bool PicCommands::CellsHold(int32_t count, int32_t value, bool dataBytes) {
  OperationProgress* progress = engine_.Progress;
  if (progress) progress->BeginStage(OperationStage::BlankChecking, static_cast<uint32_t>(count));
  for (int32_t i = 0; i < count; ++i) {
    if (progress && progress->StopsAt(static_cast<uint32_t>(i))) return false;
    if (Read(dataBytes) != value) return false;
    Increment();
  }
  return true;
}

bool PicCommands::ConfigAreaBlank() {
  EnterAt(CounterStart::IdWords);
  if (!CellsHold(kBlankCheckedIdArea, kBlankWord, false)) return false;
  Increment(kIncrementsTo2008);
  return ReadWord() == kBlankWord;
}

}  // namespace tarvel

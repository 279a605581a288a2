#include "engine/pic/PicCommands.h"

#include "engine/pic/PicWrite.h"

namespace tarvel {

namespace {
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
  for (int i = 0; i < times; ++i) Call(TPicWrite::kIncrementAddress, 0);
}

void PicCommands::LoadConfiguration(int32_t value) { Call(TPicWrite::kLoadConfiguration, value); }
void PicCommands::LoadWord(int32_t value) { Call(TPicWrite::kLoadProgramData, value); }
void PicCommands::LoadByte(int32_t value) { Call(TPicWrite::kLoadDataEeprom, value); }
int32_t PicCommands::ReadWord() { return Call(TPicWrite::kReadProgramData, 0); }
int32_t PicCommands::ReadByte() { return Call(TPicWrite::kReadDataEeprom, 0); }
void PicCommands::Program() { Call(TPicWrite::kBeginProgramming, engine_.WaitTime); }
void PicCommands::EndProgramming() { Call(TPicWrite::kEndProgramming, 0); }
void PicCommands::Send(int32_t code) { Call(code, 0); }

bool PicCommands::CellsHold(int32_t count, int32_t value, bool dataBytes) {
  BeginStage(engine_.Progress, OperationStage::BlankChecking, count);
  for (int32_t i = 0; i < count; ++i) {
    if (StopsAt(engine_.Progress, i)) return false;
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

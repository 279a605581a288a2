#pragma once

#include <cstdint>

#include "engine/pic/PicDevice.h"
#include "platform/Clock.h"
#include "sim/PicCells.h"
#include "sim/PicChipFacts.h"
#include "sim/PicSerialPort.h"
#include "sim/VirtualChip.h"

namespace tarvel {

// What happened on a chip, for tests to assert on.
struct PicChipCounters {
  uint32_t entries = 0;            // times programming mode was entered
  uint32_t commands = 0;           // commands decoded
  uint32_t unknownCommands = 0;    // commands this family does not have
  uint32_t completedCycles = 0;    // flash cycles and erases that ran to the end
  uint32_t cutShortCycles = 0;     // flash cycles and erases given less than their time
  uint32_t countedPulses = 0;      // EPROM pulses long enough to count
  uint32_t shortPulses = 0;        // EPROM pulses too short to count
  uint32_t abortedPulses = 0;      // EPROM pulses not ended by End Programming
  uint32_t beginsWithoutLoad = 0;  // Begin Programming with nothing loaded
  uint32_t ignoredWrites = 0;      // programming of protected or unimplemented locations
  uint32_t chipErases = 0;         // completed chip erases
};

// A PIC in the writer's socket. This part knows what all families share:
// power, entering programming mode on the VPP edge (VDD on, RB6 and RB7 low)
// and leaving it when VPP or VDD drops, the serial interface, and the chip's
// memories. The families decode the commands.
class PicChip : public VirtualChip {
 public:
  ~PicChip() override = default;

  void OnLines(const WriterLines& lines) final;
  PinDrive Rb7Output() const final;

  PIC_DEVICES Device() const { return device_; }
  const PicChipFacts& Facts() const { return kPicChipFacts[device_]; }
  bool InProgrammingMode() const { return programming_; }

  // The memories: program words, data EEPROM bytes (empty on EPROM chips),
  // the four ID words and the configuration word (index 0).
  PicCells& Program() { return program_; }
  PicCells& Data() { return data_; }
  PicCells& Ids() { return ids_; }
  PicCells& Config() { return config_; }
  const PicCells& Program() const { return program_; }
  const PicCells& Data() const { return data_; }
  const PicCells& Ids() const { return ids_; }
  const PicCells& Config() const { return config_; }

  // Protection as the stored configuration word sets it.
  int32_t ProtectedFrom() const;  // first protected program word; Program().Size() when none
  bool IsCodeProtected() const { return ProtectedFrom() < program_.Size(); }
  bool IsDataProtected() const;

  const PicChipCounters& Counters() const { return counters_; }

 protected:
  PicChip(Clock& clock, PIC_DEVICES device, uint16_t wordErased);

  // Family hooks. OnEnter resets the family's counters; OnLeave ends what
  // the chip was doing when VPP or VDD went away.
  virtual void OnEnter() = 0;
  virtual void OnLeave() = 0;
  virtual void OnCommandBegins() = 0;
  virtual void OnCommand(int command) = 0;
  virtual void OnWordLoaded(uint16_t word) = 0;

  bool ProgramProtected(int32_t index) const { return index >= ProtectedFrom(); }
  void ExpectWord() { port_.ExpectWord(); }
  void SendWord(uint16_t word) { port_.SendWord(word); }

  Clock& clock_;
  PicChipCounters counters_;

 private:
  void Enter();
  void Leave();

  PIC_DEVICES device_;
  PicCells program_;
  PicCells data_;
  PicCells ids_;
  PicCells config_;
  PicSerialPort port_;
  bool programming_ = false;
  bool atVpp_ = false;
  bool clockHigh_ = false;
};

}  // namespace tarvel

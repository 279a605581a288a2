#pragma once

#include <cstdint>

#include "sim/WriterLines.h"

namespace tarvel {

// The serial programming interface that every PIC family shares: 6-bit
// commands, LSB first, and 16-clock data frames (start bit, 14 data bits LSB
// first, stop bit) on RB6 (clock) and RB7 (data). Input is latched on the
// falling clock edge; on output the chip drives RB7 only in the data
// positions, bit k from rising edge k + 2 on.
class PicSerialPort {
 public:
  enum class Event : uint8_t {
    None,
    CommandBegins,  // the first bit of a command was latched
    CommandReady,   // six bits are in: Command() holds them
    WordLoaded,     // an input frame is complete: Word() holds its 14 bits
  };

  // Back to waiting for a command, RB7 released; a frame in progress is lost.
  void Reset();

  // The answer to CommandReady when a data frame follows the command.
  void ExpectWord();
  void SendWord(uint16_t word);

  void OnRisingEdge();
  Event OnFallingEdge(bool dataHigh);

  int Command() const { return command_; }
  uint16_t Word() const { return word_; }
  PinDrive Output() const { return output_; }

 private:
  enum class Phase : uint8_t { Command, WordIn, WordOut };

  Phase phase_ = Phase::Command;
  int edges_ = 0;  // clocks of the command or frame so far
  uint16_t shift_ = 0;
  int command_ = 0;
  uint16_t word_ = 0;
  PinDrive output_ = PinDrive::Released;
};

}  // namespace tarvel

#include "sim/PicChip.h"

namespace tarvel {

namespace {
constexpr int kIdWords = 4;
}  // namespace

PicChip::PicChip(Clock& clock, PIC_DEVICES device, uint16_t wordErased)
    : clock_(clock),
      device_(device),
      program_(kPicChipFacts[device].programWords, wordErased),
      data_(kPicChipFacts[device].dataBytes, 0xFF),
      ids_(kIdWords, wordErased),
      config_(1, wordErased) {}

void PicChip::OnLines(const WriterLines& lines) {
  const bool atVpp = lines.vdd && lines.mclr == MclrLevel::Vpp;
  const bool clockHigh = lines.rb6 != PinDrive::Low;
  bool entered = false;
  if (programming_ && !atVpp) {
    Leave();
  } else if (!programming_ && atVpp && !atVpp_ && !clockHigh && lines.rb7 == PinDrive::Low) {
    Enter();
    entered = true;
  }
  atVpp_ = atVpp;

  // The clock falling in the write that enters programming mode is no clock.
  if (programming_ && !entered && clockHigh != clockHigh_) {
    if (clockHigh) {
      port_.OnRisingEdge();
    } else {
      // A released line reads what the chip itself drives, or the pull-up.
      const bool dataHigh = lines.rb7 == PinDrive::High ||
                            (lines.rb7 == PinDrive::Released && port_.Output() != PinDrive::Low);
      switch (port_.OnFallingEdge(dataHigh)) {
        case PicSerialPort::Event::CommandBegins: OnCommandBegins(); break;
        case PicSerialPort::Event::CommandReady:
          ++counters_.commands;
          OnCommand(port_.Command());
          break;
        case PicSerialPort::Event::WordLoaded: OnWordLoaded(port_.Word()); break;
        case PicSerialPort::Event::None: break;
      }
    }
  }
  clockHigh_ = clockHigh;
}

PinDrive PicChip::Rb7Output() const { return programming_ ? port_.Output() : PinDrive::Released; }

int32_t PicChip::ProtectedFrom() const {
  return tarvel::ProtectedFrom(Facts(), config_.Read(0));
}

bool PicChip::IsDataProtected() const {
  const uint16_t bit = Facts().dataProtectBit;
  return bit != 0 && (config_.Read(0) & bit) == 0;
}

void PicChip::Enter() {
  programming_ = true;
  port_.Reset();
  ++counters_.entries;
  OnEnter();
}

void PicChip::Leave() {
  OnLeave();
  programming_ = false;
  port_.Reset();
  program_.Fade();
  data_.Fade();
  ids_.Fade();
  config_.Fade();
}

}  // namespace tarvel

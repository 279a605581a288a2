#include "sim/PicSerialPort.h"

namespace tarvel {

namespace {
constexpr int kCommandBits = 6;
constexpr int kFrameClocks = 16;
}  // namespace

void PicSerialPort::Reset() {
  phase_ = Phase::Command;
  edges_ = 0;
  shift_ = 0;
  output_ = PinDrive::Released;
}

void PicSerialPort::ExpectWord() {
  phase_ = Phase::WordIn;
  edges_ = 0;
  shift_ = 0;
}

void PicSerialPort::SendWord(uint16_t word) {
  phase_ = Phase::WordOut;
  edges_ = 0;
  shift_ = word;
}

// Output frames count rising edges: edge 1 is the start position, edges 2 to
// 15 put out bits 0 to 13, edge 16 (stop) releases the line again.
void PicSerialPort::OnRisingEdge() {
  if (phase_ != Phase::WordOut) return;
  ++edges_;
  if (edges_ >= 2 && edges_ <= kFrameClocks - 1) {
    output_ = ((shift_ >> (edges_ - 2)) & 1U) ? PinDrive::High : PinDrive::Low;
  } else {
    output_ = PinDrive::Released;
  }
}

PicSerialPort::Event PicSerialPort::OnFallingEdge(bool dataHigh) {
  switch (phase_) {
    case Phase::Command:
      if (dataHigh) shift_ |= static_cast<uint16_t>(1U << edges_);
      ++edges_;
      if (edges_ < kCommandBits) return edges_ == 1 ? Event::CommandBegins : Event::None;
      command_ = shift_;
      edges_ = 0;
      shift_ = 0;
      return Event::CommandReady;
    case Phase::WordIn:
      ++edges_;
      if (edges_ >= 2 && edges_ <= kFrameClocks - 1 && dataHigh) {
        shift_ |= static_cast<uint16_t>(1U << (edges_ - 2));
      }
      if (edges_ < kFrameClocks) return Event::None;
      word_ = shift_;
      Reset();
      return Event::WordLoaded;
    case Phase::WordOut:
      if (edges_ >= kFrameClocks) Reset();
      return Event::None;
  }
  return Event::None;
}

}  // namespace tarvel

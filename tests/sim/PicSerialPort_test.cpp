#include "sim/PicSerialPort.h"

#include <gtest/gtest.h>

namespace tarvel {
namespace {

using Event = PicSerialPort::Event;

Event ClockIn(PicSerialPort& port, bool bit) {
  port.OnRisingEdge();
  return port.OnFallingEdge(bit);
}

TEST(PicSerialPort, CommandIsSixBitsLsbFirstOnFallingEdges) {
  PicSerialPort port;
  EXPECT_EQ(ClockIn(port, false), Event::CommandBegins);
  EXPECT_EQ(ClockIn(port, true), Event::None);
  EXPECT_EQ(ClockIn(port, true), Event::None);
  EXPECT_EQ(ClockIn(port, false), Event::None);
  EXPECT_EQ(ClockIn(port, false), Event::None);
  EXPECT_EQ(ClockIn(port, true), Event::CommandReady);
  EXPECT_EQ(port.Command(), 0x26);
  // Without an answer the next clock starts the next command.
  EXPECT_EQ(ClockIn(port, true), Event::CommandBegins);
}

TEST(PicSerialPort, InputFrameIgnoresStartAndStopBits) {
  PicSerialPort port;
  port.ExpectWord();
  EXPECT_EQ(ClockIn(port, true), Event::None);  // start
  const uint16_t word = 0x2A5B;
  for (int i = 0; i < 14; ++i) EXPECT_EQ(ClockIn(port, ((word >> i) & 1) != 0), Event::None);
  EXPECT_EQ(ClockIn(port, true), Event::WordLoaded);  // stop
  EXPECT_EQ(port.Word(), word);
}

TEST(PicSerialPort, BitKIsValidFromRisingEdgeKPlusTwo) {
  PicSerialPort port;
  port.SendWord(0x2001);  // bits 0 and 13
  port.OnRisingEdge();
  port.OnFallingEdge(false);
  port.OnRisingEdge();  // edge 2: bit 0
  EXPECT_EQ(port.Output(), PinDrive::High);
  port.OnFallingEdge(false);
  for (int bit = 1; bit < 13; ++bit) {
    port.OnRisingEdge();
    EXPECT_EQ(port.Output(), PinDrive::Low);
    port.OnFallingEdge(false);
  }
  port.OnRisingEdge();  // edge 15: bit 13
  EXPECT_EQ(port.Output(), PinDrive::High);
  port.OnFallingEdge(false);
  port.OnRisingEdge();  // edge 16: stop, released
  EXPECT_EQ(port.Output(), PinDrive::Released);
  EXPECT_EQ(port.OnFallingEdge(false), Event::None);
  EXPECT_EQ(ClockIn(port, false), Event::CommandBegins);
}

TEST(PicSerialPort, ResetDropsAFrameAndReleasesTheLine) {
  PicSerialPort port;
  port.SendWord(0x0000);
  port.OnRisingEdge();
  port.OnFallingEdge(false);
  port.OnRisingEdge();
  ASSERT_EQ(port.Output(), PinDrive::Low);
  port.Reset();
  EXPECT_EQ(port.Output(), PinDrive::Released);
  EXPECT_EQ(ClockIn(port, false), Event::CommandBegins);
}

}  // namespace
}  // namespace tarvel

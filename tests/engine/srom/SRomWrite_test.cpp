#include "engine/srom/SRomWrite.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/srom/I2cBusDecoder.h"
#include "platform/VirtualClock.h"
#include "support/RecordingMessages.h"
#include "support/RecordingPortIo.h"

namespace tarvel {
namespace {

using test::DecodeI2c;
using Events = std::vector<std::string>;

constexpr uint16_t kDataRegister = 0x378;
constexpr uint16_t kStatusRegister = 0x379;
// The BUSY bit reads inverted: status 0x00 is a high input line.
constexpr uint8_t kInputHigh = 0x00;
constexpr uint8_t kInputLow = 0x80;

class SRomWriteTest : public ::testing::Test {
 protected:
  SRomWriteTest() : port(io, messages), rom(clock, messages) { rom.ParallelPort = &port; }

  void InputAlways(uint8_t status) {
    io.answer = [status](uint16_t) { return status; };
  }
  std::vector<uint8_t> Writes() const { return io.Written(kDataRegister); }
  Events Bus() const { return DecodeI2c(Writes()); }

  test::RecordingPortIo io;
  test::RecordingMessages messages;
  VirtualClock clock;
  TParallelPort port;
  TSRomWrite rom;
};

TEST_F(SRomWriteTest, NewComponentSelects24xx02WithAllLinesLow) {
  EXPECT_EQ(rom.Device(), SROM24xx02);
  EXPECT_EQ(rom.LastAddress(), 0xFFu);
  EXPECT_EQ(rom.PortData(), 0);
  EXPECT_TRUE(io.accesses.empty());
}

TEST_F(SRomWriteTest, SetDeviceAboveTheTableKeepsTheValueButNotTheSize) {
  rom.SetDevice(SROM24xx16);
  rom.SetDevice(static_cast<SROM_DEVICE>(9));
  EXPECT_EQ(rom.Device(), 9);
  EXPECT_EQ(rom.LastAddress(), 0x7FFu);
  ASSERT_EQ(messages.boxes.size(), 1u);
  EXPECT_EQ(messages.boxes[0].text, "デバイスセットエラー");
  EXPECT_EQ(messages.boxes[0].caption, "");
}

TEST_F(SRomWriteTest, PowerOnThenFirstStartConditionWritesTheLinesInOrder) {
  rom.PowerON();
  EXPECT_EQ(Writes(), (std::vector<uint8_t>{0x40}));
  rom.StartCondition();
  EXPECT_EQ(Writes(), (std::vector<uint8_t>{0x40, 0x46, 0x42, 0x40}));
}

TEST_F(SRomWriteTest, StopConditionLeavesBothLinesHighAndPowerOffOnlyDropsTheSupply) {
  rom.PowerON();
  rom.StartCondition();
  rom.StopCondition();
  EXPECT_EQ(Bus(), (Events{"S", "P"}));
  EXPECT_EQ(rom.PortData(), 0x46);
  rom.PowerOFF();
  EXPECT_EQ(Writes().back(), 0x06);
}

TEST_F(SRomWriteTest, TransmitSendsOnlyTheLowEightBitsMostSignificantFirst) {
  InputAlways(kInputLow);
  rom.PowerON();
  rom.StartCondition();
  EXPECT_EQ(rom.Transmit(0x1A5), 1);
  EXPECT_EQ(Bus(), (Events{"S", "A5"}));
}

TEST_F(SRomWriteTest, InputLowReadsAsAcknowledgeAndZeroBits) {
  InputAlways(kInputLow);
  EXPECT_EQ(rom.RxAck(), 1);
  EXPECT_EQ(rom.Receive(false), 0);
}

TEST_F(SRomWriteTest, InputHighReadsAsNoAcknowledgeAndOneBits) {
  InputAlways(kInputHigh);
  EXPECT_EQ(rom.RxAck(), 0);
  EXPECT_EQ(rom.Receive(false), 0xFF);
}

TEST_F(SRomWriteTest, ReceiveSamplesEachBitWhileTheClockIsLow) {
  // The input follows the bits of 0xC5 as the clock lines say when it is sampled.
  const uint8_t pattern = 0xC5;
  int bit = 7;
  io.answer = [&](uint16_t) {
    EXPECT_EQ(rom.PortData() & 0x02, 0) << "sampled with SCL high";
    const uint8_t status = ((pattern >> bit) & 1) ? kInputHigh : kInputLow;
    --bit;
    return status;
  };
  rom.PowerON();
  EXPECT_EQ(rom.Receive(false), pattern);
}

TEST_F(SRomWriteTest, OneByteSizesCarryTheHighAddressBitsInTheControlByte) {
  rom.SetDevice(SROM24xx04);
  rom.Read(0x1FF);
  EXPECT_EQ(Bus(), (Events{"S", "A2", "FF", "S", "A3", "FF", "P"}));

  io.accesses.clear();
  rom.SetDevice(SROM24xx16);
  rom.Write(0x7FF, 0x5A);
  EXPECT_EQ(Bus(), (Events{"S", "AE", "FF", "5A", "P"}));

  io.accesses.clear();
  rom.SetDevice(SROM24xx08);
  rom.Write(0x2C3, 0x00);
  EXPECT_EQ(Bus(), (Events{"S", "A4", "C3", "00", "P"}));
}

TEST_F(SRomWriteTest, SmallestSizesNeverSetBlockBits) {
  rom.SetDevice(SROM24xx01);
  EXPECT_EQ(rom.WriteControlByte(0x7F), 0xA0u);
  rom.SetDevice(SROM24xx02);
  EXPECT_EQ(rom.WriteControlByte(0xFF), 0xA0u);
  EXPECT_EQ(rom.WriteControlByte(0x1FF), 0xA0u);
}

TEST_F(SRomWriteTest, TwoByteSizesSendTheAddressHighByteFirst) {
  rom.SetDevice(SROM24xx32);
  rom.Read(0x0ABC);
  EXPECT_EQ(Bus(), (Events{"S", "A0", "0A", "BC", "S", "A1", "FF", "P"}));

  io.accesses.clear();
  rom.SetDevice(SROM24xx256);
  rom.Write(0x7FFF, 0x12);
  EXPECT_EQ(Bus(), (Events{"S", "A0", "7F", "FF", "12", "P"}));
}

TEST_F(SRomWriteTest, ReadReturnsTheSampledByteEvenWithoutAcknowledge) {
  InputAlways(kInputHigh);
  EXPECT_EQ(rom.Read(0x10), 0xFF);
  InputAlways(kInputLow);
  EXPECT_EQ(rom.Read(0x10), 0x00);
}

TEST_F(SRomWriteTest, PollingSendsAStartAndTheWriteControlByteWithoutStop) {
  rom.SetDevice(SROM24xx16);
  InputAlways(kInputHigh);
  EXPECT_EQ(rom.Polling(), 0);
  InputAlways(kInputLow);
  EXPECT_EQ(rom.Polling(), 1);
  EXPECT_EQ(Bus(), (Events{"S", "A0", "S", "A0"}));
  EXPECT_EQ(rom.PortData() & 0x02, 0) << "SCL stays low after a poll";
}

TEST_F(SRomWriteTest, OnlyTheSupplyClockAndDataReleaseBitsAreEverSet) {
  rom.SetDevice(SROM24xx256);
  InputAlways(kInputLow);
  rom.PowerON();
  rom.Write(0x1234, 0xA5);
  rom.Polling();
  rom.Read(0x4321);
  rom.SendAck();
  rom.PowerOFF();
  for (uint8_t value : Writes()) EXPECT_EQ(value & ~0x46, 0) << static_cast<int>(value);
}

TEST_F(SRomWriteTest, IsErasedReadsEveryAddressOfABlankChipAndSaysSo) {
  rom.SetDevice(SROM24xx01);
  InputAlways(kInputHigh);
  EXPECT_TRUE(rom.IsErased(true));
  const Events bus = Bus();
  EXPECT_EQ(std::count(bus.begin(), bus.end(), "P"), 128);
  EXPECT_EQ(bus[2], "00");
  EXPECT_EQ(bus[bus.size() - 5], "7F");
  ASSERT_EQ(messages.boxes.size(), 1u);
  EXPECT_EQ(messages.boxes[0].text, "イレースされています。");
  EXPECT_EQ(messages.boxes[0].caption, "イレースチェック");
  EXPECT_EQ(messages.boxes[0].icon, MessageIcon::Information);
}

TEST_F(SRomWriteTest, IsErasedStopsAtTheFirstByteOtherThanFF) {
  rom.SetDevice(SROM24xx01);
  // Each read samples three acknowledges and eight data bits; the sixth
  // read gets a zero in its last data bit.
  constexpr int kSamplesPerRead = 11;
  int samples = 0;
  io.answer = [&](uint16_t) { return ++samples == 6 * kSamplesPerRead ? kInputLow : kInputHigh; };
  EXPECT_FALSE(rom.IsErased(true));
  const Events bus = Bus();
  EXPECT_EQ(std::count(bus.begin(), bus.end(), "P"), 6);
  ASSERT_EQ(messages.boxes.size(), 1u);
  EXPECT_EQ(messages.boxes[0].text, "イレースされていません。");
  EXPECT_EQ(messages.boxes[0].caption, "イレースチェック");
  EXPECT_EQ(messages.boxes[0].icon, MessageIcon::Warning);
}

TEST_F(SRomWriteTest, IsErasedWithoutMessageShowsNothing) {
  rom.SetDevice(SROM24xx01);
  InputAlways(kInputHigh);
  EXPECT_TRUE(rom.IsErased(false));
  InputAlways(kInputLow);
  EXPECT_FALSE(rom.IsErased(false));
  EXPECT_TRUE(messages.boxes.empty());
}

TEST(SRomWriteWait, IsTheCountedLoopAloneAndConsultsNoClock) {
  test::RecordingMessages messages;
  VirtualClock clock(1000, 1);
  TSRomWrite rom(clock, messages);
  const uint64_t before = clock.Nanos();
  rom.Wait();
  EXPECT_EQ(clock.SpunRounds(), TSRomWrite::kWaitRounds);
  EXPECT_EQ(clock.Nanos() - before, TSRomWrite::kWaitRounds) << "a clock read would have moved time on";
}

// A port on a machine where the counted loop and the clock cost next to
// nothing: only the engine's own holds make the bus slow enough. Every line
// change and every sample is stamped with the exact virtual time.
class StampedPortIo : public PortIo {
 public:
  struct Event {
    uint64_t nanos;
    bool sample;
    uint8_t lines;
  };
  explicit StampedPortIo(VirtualClock& clock) : clock_(clock) {}
  void Out(uint16_t address, uint8_t value) override {
    if (address == kDataRegister) events.push_back({clock_.Nanos(), false, value});
  }
  uint8_t In(uint16_t /*address*/) override {
    events.push_back({clock_.Nanos(), true, 0});
    return kInputLow;
  }
  std::vector<Event> events;

 private:
  VirtualClock& clock_;
};

// The standard-mode minima, checked on the exact times of a recorded bus.
std::vector<std::string> TimingFaults(const std::vector<StampedPortIo::Event>& events) {
  std::vector<std::string> faults;
  constexpr uint64_t kNone = UINT64_MAX;
  uint64_t rose = kNone, fell = kNone, sdaMoved = kNone, started = kNone, stopped = kNone;
  bool scl = false, sda = false;
  auto check = [&](const char* rule, uint64_t since, uint64_t now, uint64_t minimum) {
    if (since != kNone && now - since < minimum) {
      faults.push_back(std::string(rule) + " " + std::to_string(now - since) + " ns at " + std::to_string(now));
    }
  };
  for (const auto& event : events) {
    const uint64_t now = event.nanos;
    if (event.sample) {
      if (scl) faults.push_back("sample with SCL high at " + std::to_string(now));
      check("output valid", fell, now, 4500);
      continue;
    }
    const bool newScl = (event.lines & 0x02) != 0;
    const bool newSda = (event.lines & 0x04) != 0;
    if (newScl != scl) {
      if (newScl) {
        check("SCL low", fell, now, 4700);
        check("data setup", sdaMoved, now, 250);
      } else {
        check("SCL high", rose, now, 4000);
        check("START hold", started, now, 4000);
      }
    }
    if (newSda != sda && scl && newScl) {
      check(newSda ? "STOP setup" : "START setup", rose, now, newSda ? 4000 : 4700);
      if (!newSda) check("bus free", stopped, now, 4700);
    }
    if (newScl != scl) (newScl ? rose : fell) = now;
    if (newSda != sda) {
      sdaMoved = now;
      if (scl && newScl) (newSda ? stopped : started) = now;
    }
    scl = newScl;
    sda = newSda;
  }
  return faults;
}

TEST(SRomWriteTiming, AFastPortStillGetsTheStandardModeMinima) {
  test::RecordingMessages messages;
  VirtualClock clock(10, 1);
  StampedPortIo io(clock);
  TParallelPort port(io, messages);
  TSRomWrite rom(clock, messages);
  rom.ParallelPort = &port;
  rom.SetDevice(SROM24xx256);
  clock.AdvanceMicros(50);
  rom.PowerON();
  const uint64_t poweredOn = io.events.back().nanos;
  rom.Write(0x1234, 0x5A);
  rom.Polling();
  rom.Polling();
  rom.Read(0x4321);
  rom.Read(0x0001);
  rom.SetDevice(SROM24xx16);
  rom.Read(0x7FF);

  ASSERT_GT(io.events.size(), 500u);
  EXPECT_EQ(TimingFaults(io.events), std::vector<std::string>{});
  EXPECT_GE(io.events[1].nanos - poweredOn, 100000u) << "the supply gets time to come up";
}

TEST(SRomWriteTiming, SwitchingThePowerOnCountsEveryMinimumAfresh) {
  // The PIC engine drives the same lines: between two commands it may have
  // left SCL low where this engine's copy says high.
  test::RecordingMessages messages;
  VirtualClock clock(10, 1);
  StampedPortIo io(clock);
  TParallelPort port(io, messages);
  TSRomWrite rom(clock, messages);
  rom.ParallelPort = &port;
  rom.PowerON();
  rom.Read(0x10);
  io.events.clear();
  port.OutData(0x00);  // the other engine, switching the writer off
  rom.PowerON();       // writes 0x46: SCL and SDA rise with the supply
  rom.Read(0x20);
  EXPECT_EQ(TimingFaults(io.events), std::vector<std::string>{});
  // The first START (SDA falling under a high SCL) counts its setup from the power-on write.
  ASSERT_EQ(io.events[1].lines, 0x46);
  const auto start = std::find_if(io.events.begin(), io.events.end(),
                                  [](const StampedPortIo::Event& event) { return event.lines == 0x42; });
  ASSERT_NE(start, io.events.end());
  EXPECT_GE(start->nanos - io.events[1].nanos, 4700u);
}

}  // namespace
}  // namespace tarvel

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

TEST(SRomWriteWait, SpinsTheCountedLoopAndLastsAtLeastTheI2cPause) {
  test::RecordingMessages messages;
  // A clock whose reads cost almost nothing: only the pause loop can make
  // the time pass.
  VirtualClock clock(10, 1);
  TSRomWrite rom(clock, messages);
  const uint64_t before = clock.Nanos();
  rom.Wait();
  EXPECT_GE(clock.Nanos() - before, 4700u);
  EXPECT_EQ(clock.SpunRounds(), TSRomWrite::kWaitRounds);
}

TEST(SRomWriteWait, AddsNothingMuchWhenTheLoopAloneIsSlowEnough) {
  test::RecordingMessages messages;
  VirtualClock clock(1000, 100);  // 100 rounds take 10 us, as on an old machine
  TSRomWrite rom(clock, messages);
  const uint64_t before = clock.Nanos();
  rom.Wait();
  EXPECT_LE(clock.Nanos() - before, 13000u);
}

}  // namespace
}  // namespace tarvel

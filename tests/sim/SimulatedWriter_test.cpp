#include "sim/SimulatedWriter.h"

#include <gtest/gtest.h>

#include "PicLineDriver.h"
#include "platform/VirtualClock.h"
#include "sim/Eprom12PicChip.h"
#include "sim/Eprom14PicChip.h"
#include "sim/FlashPicChip.h"
#include "sim/Serial24xxChip.h"

namespace tarvel {
namespace {

using test::PicLineDriver;

struct PortCase {
  PPortType type;
  uint16_t data;
  uint16_t status;
  uint8_t busyMask;
};

constexpr PortCase kPorts[] = {
    {AT378, 0x378, 0x379, 0x80}, {AT3BC, 0x3BC, 0x3BD, 0x80}, {AT278, 0x278, 0x279, 0x80},
    {NEC40, 0x40, 0x42, 0x04},   {NEC140, 0x140, 0x141, 0x80},
};

constexpr uint8_t kRb7DrivenLow = PicLineDriver::kVdd;
constexpr uint8_t kRb7DrivenHigh = PicLineDriver::kVdd | PicLineDriver::kRb7High;
constexpr uint8_t kRb7Released = PicLineDriver::kVdd | PicLineDriver::kRb7Open;

class SimulatedWriterTest : public ::testing::Test {
 protected:
  VirtualClock clock_;
  SimulatedWriter writer_{clock_};
};

TEST_F(SimulatedWriterTest, AnswersOnlyTheRegistersOfItsPortType) {
  for (const PortCase& port : kPorts) {
    SCOPED_TRACE(port.data);
    writer_.SetPortType(port.type);
    EXPECT_EQ(writer_.PortType(), port.type);
    writer_.Out(port.data, kRb7DrivenLow);
    EXPECT_EQ(writer_.DataLatch(), kRb7DrivenLow);
    EXPECT_EQ(writer_.In(port.data), kRb7DrivenLow);
    EXPECT_NE(writer_.In(port.status) & port.busyMask, 0) << "RB7 low reads as a set bit";
    writer_.Out(port.data, kRb7DrivenHigh);
    EXPECT_EQ(writer_.In(port.status) & port.busyMask, 0) << "RB7 high reads as a clear bit";

    for (const PortCase& other : kPorts) {
      if (other.type == port.type) continue;
      writer_.Out(other.data, kRb7DrivenLow);
      EXPECT_EQ(writer_.DataLatch(), kRb7DrivenHigh) << "a write to " << other.data << " reached the writer";
      EXPECT_EQ(writer_.In(other.data), 0xFF);
      if (other.status != port.status) {
        EXPECT_EQ(writer_.In(other.status), 0xFF);
      }
    }
    // The status register is read-only.
    writer_.Out(port.status, 0x00);
    EXPECT_EQ(writer_.DataLatch(), kRb7DrivenHigh);
  }
}

TEST_F(SimulatedWriterTest, OtherStatusBitsStayConstant) {
  writer_.Out(0x378, kRb7DrivenHigh);
  EXPECT_EQ(writer_.In(0x379), 0x5F);
  writer_.Out(0x378, kRb7DrivenLow);
  EXPECT_EQ(writer_.In(0x379), 0xDF);
  writer_.SetPortType(NEC40);
  writer_.Out(0x40, kRb7DrivenHigh);
  EXPECT_EQ(writer_.In(0x42), 0xFB);
  writer_.Out(0x40, kRb7DrivenLow);
  EXPECT_EQ(writer_.In(0x42), 0xFF);
}

TEST_F(SimulatedWriterTest, UnknownPortTypeKeepsThePreviousRegisters) {
  writer_.SetPortType(AT278);
  writer_.SetPortType(static_cast<PPortType>(5));
  EXPECT_EQ(writer_.PortType(), AT278);
  writer_.Out(0x278, 0x41);
  EXPECT_EQ(writer_.DataLatch(), 0x41);
}

TEST_F(SimulatedWriterTest, ReleasedLineReadsHighWithoutAChipOrSupply) {
  PicLineDriver lines(writer_);
  lines.Put(kRb7Released);
  EXPECT_TRUE(lines.Input()) << "empty socket";
  lines.Put(PicLineDriver::kRb7Open);
  EXPECT_TRUE(lines.Input()) << "empty socket, VDD off";
  lines.Put(kRb7DrivenLow);
  EXPECT_FALSE(lines.Input()) << "the writer's own drive shows with an empty socket";

  writer_.InsertPic(PIC16F84);
  lines.Put(PicLineDriver::kRb7Open);
  EXPECT_TRUE(lines.Input()) << "VDD off";
  lines.Put(0x00);
  EXPECT_FALSE(lines.Input()) << "VDD off, RB7 driven low";
}

TEST_F(SimulatedWriterTest, ChipDrivesTheReleasedLineOnlyInDataPositions) {
  writer_.InsertPic(PIC16F84);
  writer_.Pic()->Program().Set(0, 0x0000);
  PicLineDriver lines(writer_);
  lines.Enter();
  lines.Command(4);
  lines.Put(PicLineDriver::kProgramming | PicLineDriver::kRb7Open);
  EXPECT_TRUE(lines.Input());
  for (int clock = 1; clock <= 16; ++clock) {
    lines.Put(PicLineDriver::kProgramming | PicLineDriver::kRb7Open | PicLineDriver::kRb6High);
    const bool dataPosition = clock >= 2 && clock <= 15;
    EXPECT_EQ(lines.Input(), !dataPosition) << "after rising edge " << clock;
    // The writer driving the line wins over the chip.
    lines.Put(PicLineDriver::kProgramming | PicLineDriver::kRb6High | PicLineDriver::kRb7High);
    EXPECT_TRUE(lines.Input());
    lines.Put(PicLineDriver::kProgramming | PicLineDriver::kRb7Open | PicLineDriver::kRb6High);
    lines.Put(PicLineDriver::kProgramming | PicLineDriver::kRb7Open);
    EXPECT_EQ(lines.Input(), !dataPosition) << "after falling edge " << clock;
  }
}

TEST_F(SimulatedWriterTest, TypedAccessorsNameTheChipInTheSocket) {
  EXPECT_EQ(writer_.Target(), nullptr);
  EXPECT_EQ(writer_.Pic(), nullptr);
  writer_.InsertPic(PIC16F877);
  EXPECT_NE(writer_.FlashPic(), nullptr);
  EXPECT_EQ(writer_.Eprom14Pic(), nullptr);
  EXPECT_EQ(writer_.Pic()->Device(), PIC16F877);
  writer_.InsertPic(PIC16C77);
  EXPECT_NE(writer_.Eprom14Pic(), nullptr);
  EXPECT_EQ(writer_.FlashPic(), nullptr);
  writer_.InsertPic(PIC12C509);
  EXPECT_NE(writer_.Eprom12Pic(), nullptr);
  writer_.InsertSerialRom(SROM24xx16);
  ASSERT_NE(writer_.SerialRom(), nullptr);
  EXPECT_EQ(writer_.SerialRom()->Size(), 2048U);
  EXPECT_EQ(writer_.Pic(), nullptr);
  writer_.InsertPic(static_cast<PIC_DEVICES>(45));
  EXPECT_EQ(writer_.Target(), nullptr);
  writer_.InsertSerialRom(static_cast<SROM_DEVICE>(9));
  EXPECT_EQ(writer_.Target(), nullptr);
  writer_.InsertPic(PIC16F84);
  writer_.RemoveTarget();
  EXPECT_EQ(writer_.Target(), nullptr);
}

TEST_F(SimulatedWriterTest, ChipTakenOutKeepsItsContentsAndLosesPower) {
  PicLineDriver lines(writer_);
  writer_.InsertPic(PIC16F84);
  writer_.Pic()->Program().Set(5, 0x1234);
  lines.Enter();
  ASSERT_TRUE(writer_.Pic()->InProgrammingMode());

  std::unique_ptr<VirtualChip> kept = writer_.TakeTarget();
  EXPECT_EQ(writer_.Target(), nullptr);
  auto* pic = dynamic_cast<PicChip*>(kept.get());
  ASSERT_NE(pic, nullptr);
  EXPECT_FALSE(pic->InProgrammingMode());

  writer_.InsertPic(PIC16C74);
  writer_.InsertTarget(std::move(kept));
  EXPECT_EQ(writer_.Pic()->Program().Read(5), 0x1234);
  // Supply and VPP reach the chip together, with RB6 and RB7 low: that is an
  // entry into programming mode, with the counter at word 0.
  EXPECT_TRUE(writer_.Pic()->InProgrammingMode());
  lines.Increment(5);
  EXPECT_EQ(lines.Read(4), 0x1234);
}

// SCL on RB6 and SDA on RB7, slow enough for a standard-mode bus.
TEST_F(SimulatedWriterTest, SerialRomAcknowledgeShowsOnTheStatusRegister) {
  writer_.InsertSerialRom(SROM24xx02);
  PicLineDriver lines(writer_);
  const auto put = [&](bool scl, bool sdaReleased) {
    lines.Put(static_cast<uint8_t>(PicLineDriver::kVdd | (scl ? PicLineDriver::kRb6High : 0) |
                                   (sdaReleased ? PicLineDriver::kRb7Open : 0)));
    clock_.AdvanceMicros(10);
  };
  put(false, true);
  put(true, true);
  put(true, false);  // START
  put(false, false);
  const uint8_t control = 0xA0;
  for (int bit = 7; bit >= 0; --bit) {
    const bool one = ((control >> bit) & 1) != 0;
    put(false, one);
    put(true, one);
    put(false, one);
  }
  put(false, true);
  EXPECT_FALSE(lines.Input()) << "the EEPROM pulls SDA low to acknowledge";
  put(true, true);
  put(false, true);
  EXPECT_TRUE(lines.Input()) << "and lets go after the ninth clock";
}

TEST_F(SimulatedWriterTest, CountsEveryAccess) {
  writer_.Out(0x378, 1);
  writer_.Out(0x378, 1);
  writer_.In(0x379);
  writer_.In(0x200);
  EXPECT_EQ(writer_.Accesses(), 4U);
}

}  // namespace
}  // namespace tarvel

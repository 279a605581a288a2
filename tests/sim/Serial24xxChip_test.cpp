#include <gtest/gtest.h>

#include <random>

#include "engine/srom/SRomDevice.h"
#include "platform/VirtualClock.h"
#include "sim/Serial24xxChip.h"
#include "sim/Serial24xxTestMaster.h"

namespace tarvel {
namespace {

using test::Serial24xxTestMaster;

// Reads of the clock cost no time here, so every interval is exactly what
// the master waited.
class Serial24xxChipTest : public ::testing::Test {
 protected:
  void Insert(SROM_DEVICE device) {
    chip_ = std::make_unique<Serial24xxChip>(clock_, device);
    master_ = std::make_unique<Serial24xxTestMaster>(clock_, *chip_);
    master_->PowerOn();
  }
  bool TwoBytes() const { return SRomUsesTwoAddressBytes(chip_->Size() - 1); }
  bool Write(uint32_t address, uint8_t value) {
    const bool acked = master_->WriteByteAt(address, value, TwoBytes());
    return acked && master_->PollUntilAcked(20000) != 0;
  }
  uint8_t Read(uint32_t address) { return master_->RandomRead(address, TwoBytes()); }
  uint32_t Violations() const { return chip_->Timing().TotalViolations(); }

  VirtualClock clock_{0};
  std::unique_ptr<Serial24xxChip> chip_;
  std::unique_ptr<Serial24xxTestMaster> master_;
};

TEST_F(Serial24xxChipTest, StartsErasedWithTheSizeOfItsDevice) {
  for (int device = 0; device < kSRomDeviceCount; ++device) {
    Serial24xxChip chip(clock_, static_cast<SROM_DEVICE>(device));
    EXPECT_EQ(chip.Size(), kSRomDevices[device].lastAddress + 1);
    EXPECT_EQ(chip.Byte(0), 0xFF);
    EXPECT_EQ(chip.Byte(chip.Size() - 1), 0xFF);
    EXPECT_EQ(chip.Rb7Output(), PinDrive::Released);
  }
}

TEST_F(Serial24xxChipTest, EverySizeWritesAndReadsItsFirstMiddleAndLastCell) {
  for (int device = 0; device < kSRomDeviceCount; ++device) {
    SCOPED_TRACE(kSRomDevices[device].displayName);
    Insert(static_cast<SROM_DEVICE>(device));
    const uint32_t last = kSRomDevices[device].lastAddress;
    // The middle address has the top address bit set: a block bit up to 2 KB,
    // the high address byte above.
    const uint32_t addresses[] = {0, (last >> 1) + 3, last};
    uint8_t value = 0x11;
    for (uint32_t address : addresses) {
      ASSERT_TRUE(Write(address, value)) << address;
      EXPECT_EQ(chip_->Byte(address), value) << address;
      EXPECT_EQ(Read(address), value) << address;
      value = static_cast<uint8_t>(value + 0x22);
    }
    EXPECT_EQ(chip_->CompletedWriteCycles(), 3u);
    EXPECT_EQ(chip_->Byte(1), 0xFF);
    EXPECT_EQ(Violations(), 0u);
  }
}

TEST_F(Serial24xxChipTest, BlockBitsPickTheRightBlockOnOneByteParts) {
  Insert(SROM24xx16);
  ASSERT_TRUE(Write(0x7FF, 0x5A));  // control 0xAE, address 0xFF
  ASSERT_TRUE(Write(0x0FF, 0xA5));  // same address byte, block 0
  EXPECT_EQ(chip_->Byte(0x7FF), 0x5A);
  EXPECT_EQ(chip_->Byte(0x0FF), 0xA5);
  EXPECT_EQ(Read(0x7FF), 0x5A);

  Insert(SROM24xx04);
  ASSERT_TRUE(Write(0x1FF, 0x42));  // control 0xA2
  EXPECT_EQ(chip_->Byte(0x1FF), 0x42);
  EXPECT_EQ(chip_->Byte(0x0FF), 0xFF);
}

TEST_F(Serial24xxChipTest, UnusedHighAddressBitsAreIgnored) {
  Insert(SROM24xx32);
  master_->Start();
  EXPECT_TRUE(master_->Send(0xA0));
  EXPECT_TRUE(master_->Send(0xFA));  // bits 15..12 lie beyond 4 KB
  EXPECT_TRUE(master_->Send(0xBC));
  EXPECT_TRUE(master_->Send(0x77));
  master_->Stop();
  ASSERT_NE(master_->PollUntilAcked(20000), 0u);
  EXPECT_EQ(chip_->Byte(0x0ABC), 0x77);
  EXPECT_EQ(Read(0x0ABC), 0x77);

  Insert(SROM24xx01);
  master_->Start();
  master_->Send(0xA0);
  master_->Send(0x85);  // bit 7 lies beyond 128 bytes
  master_->Send(0x33);
  master_->Stop();
  ASSERT_NE(master_->PollUntilAcked(20000), 0u);
  EXPECT_EQ(chip_->Byte(0x05), 0x33);
}

TEST_F(Serial24xxChipTest, ControlBytesThatDoNotSelectTheChipAreNotAcknowledged) {
  struct Case {
    SROM_DEVICE device;
    uint8_t control;
    bool acked;
  };
  const Case cases[] = {
      {SROM24xx01, 0xA0, true},  {SROM24xx01, 0xA2, false}, {SROM24xx02, 0xAE, false},
      {SROM24xx04, 0xA2, true},  {SROM24xx04, 0xA4, false}, {SROM24xx08, 0xA6, true},
      {SROM24xx08, 0xA8, false}, {SROM24xx16, 0xAE, true},  {SROM24xx32, 0xA2, false},
      {SROM24xx256, 0xA1, true}, {SROM24xx256, 0xB0, false}, {SROM24xx02, 0x50, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << kSRomDevices[c.device].displayName << " control 0x"
                                    << std::hex << int{c.control});
    Insert(c.device);
    master_->Start();
    EXPECT_EQ(master_->Send(c.control), c.acked);
    // A chip that refused its control byte stays off the bus for the rest.
    if (!c.acked) {
      EXPECT_FALSE(master_->Send(0x00));
      EXPECT_EQ(chip_->Naks(), 1u);
    }
    master_->Stop();
  }
}

TEST_F(Serial24xxChipTest, ByteWriteRunsATimedCycleThatPollingWaitsFor) {
  Insert(SROM24xx02);
  ASSERT_TRUE(master_->WriteByteAt(0x10, 0x3C, false));
  EXPECT_TRUE(chip_->WriteCycleRunning());

  master_->Start();
  EXPECT_FALSE(master_->Send(0xA0));  // busy
  EXPECT_EQ(chip_->Naks(), 1u);
  EXPECT_EQ(chip_->Byte(0x10), 0xFF);  // the cell takes the byte at the end of the cycle

  const uint64_t waited = master_->PollUntilAcked(20000);
  EXPECT_GE(waited + 100, kSerial24xxFacts[SROM24xx02].writeCycleMicros);
  EXPECT_LE(waited, kSerial24xxFacts[SROM24xx02].writeCycleMicros + 200);
  EXPECT_FALSE(chip_->WriteCycleRunning());
  EXPECT_EQ(chip_->CompletedWriteCycles(), 1u);
  EXPECT_EQ(chip_->Byte(0x10), 0x3C);
  // The counter points past the byte written: a current-address read gets 0x11.
  EXPECT_EQ(chip_->AddressCounter(), 0x11u);
}

TEST_F(Serial24xxChipTest, WriteWithoutDataOnlySetsTheCounter) {
  Insert(SROM24xx02);
  chip_->SetByte(0x40, 0x99);
  master_->Start();
  master_->Address(0x40, false);
  master_->Stop();
  EXPECT_FALSE(chip_->WriteCycleRunning());
  master_->Start();
  ASSERT_TRUE(master_->Send(0xA1));
  EXPECT_EQ(master_->Receive(false), 0x99);  // current-address read
  master_->Stop();
}

TEST_F(Serial24xxChipTest, RepeatedStartAbandonsAWriteInProgress) {
  Insert(SROM24xx02);
  master_->Start();
  master_->Address(0x20, false);
  master_->Send(0x12);
  master_->Start();  // no STOP: the byte is never written
  master_->Send(0xA1);
  master_->Receive(false);
  master_->Stop();
  EXPECT_FALSE(chip_->WriteCycleRunning());
  EXPECT_EQ(chip_->Byte(0x20), 0xFF);
}

TEST_F(Serial24xxChipTest, PageWriteWrapsInsideThePage) {
  Insert(SROM24xx02);  // 8-byte pages
  master_->Start();
  master_->Address(0x16, false);
  for (uint8_t i = 0; i < 10; ++i) EXPECT_TRUE(master_->Send(static_cast<uint8_t>(0xB0 + i)));
  master_->Stop();
  ASSERT_NE(master_->PollUntilAcked(20000), 0u);
  // Offsets 6, 7, 0..5, then 6 and 7 again.
  EXPECT_EQ(chip_->Byte(0x16), 0xB8);
  EXPECT_EQ(chip_->Byte(0x17), 0xB9);
  for (uint32_t offset = 0; offset < 6; ++offset) EXPECT_EQ(chip_->Byte(0x10 + offset), 0xB2 + offset);
  EXPECT_EQ(chip_->Byte(0x18), 0xFF);
  EXPECT_EQ(chip_->Byte(0x0F), 0xFF);
  EXPECT_EQ(chip_->CompletedWriteCycles(), 1u);

  Insert(SROM24xx256);  // 64-byte pages
  master_->Start();
  master_->Address(0x7FFE, true);
  for (uint8_t i = 0; i < 3; ++i) master_->Send(i);
  master_->Stop();
  ASSERT_NE(master_->PollUntilAcked(20000), 0u);
  EXPECT_EQ(chip_->Byte(0x7FFE), 0);
  EXPECT_EQ(chip_->Byte(0x7FFF), 1);
  EXPECT_EQ(chip_->Byte(0x7FC0), 2);
}

TEST_F(Serial24xxChipTest, SequentialReadWrapsAtTheEndOfMemory) {
  Insert(SROM24xx04);
  chip_->SetByte(0x1FE, 0x01);
  chip_->SetByte(0x1FF, 0x02);
  chip_->SetByte(0x000, 0x03);
  master_->Start();
  master_->Address(0x1FE, false);
  master_->Start();
  ASSERT_TRUE(master_->Send(0xA3));
  EXPECT_EQ(master_->Receive(true), 0x01);
  EXPECT_EQ(master_->Receive(true), 0x02);
  EXPECT_EQ(master_->Receive(false), 0x03);
  // After the master's NAK the chip leaves SDA alone until the STOP.
  for (int i = 0; i < 9; ++i) EXPECT_TRUE(master_->ReceiveBit());
  master_->Stop();
  EXPECT_EQ(chip_->AddressCounter(), 1u);

  // Current-address read continues from there.
  chip_->SetByte(0x001, 0x04);
  master_->Start();
  master_->Send(0xA1);
  EXPECT_EQ(master_->Receive(false), 0x04);
  master_->Stop();
  EXPECT_EQ(Violations(), 0u);
}

TEST_F(Serial24xxChipTest, TheWritersOwnPortSequencesWork) {
  // A read of 0x1FF on a 24xx04 written as whole data-register bytes, each
  // held 5 us: SDA and SCL often change in the same write.
  Insert(SROM24xx04);
  chip_->SetByte(0x1FF, 0x6B);
  uint8_t data = 0x40;
  auto out = [&](uint8_t value) {
    data = value;
    chip_->OnLines(WriterLines::Decode(data));
    clock_.AdvanceMicros(5);
  };
  auto sda = [&] { return (data & 0x04) != 0 && chip_->Rb7Output() != PinDrive::Low; };
  out(0x40);  // power on, SCL and SDA driven low
  auto start = [&] { out(0x46); out(0x42); out(0x40); };
  auto transmit = [&](uint8_t byte) {
    for (int bit = 7; bit >= 0; --bit) {
      const uint8_t level = ((byte >> bit) & 1) ? 0x44 : 0x40;
      out(level);
      out(level | 0x02);
      out(level);
    }
    out(0x44);
    const bool acked = !sda();
    out(0x46);
    out(0x44);
    return acked;
  };
  start();
  EXPECT_TRUE(transmit(0xA2));
  EXPECT_TRUE(transmit(0xFF));
  start();
  EXPECT_TRUE(transmit(0xA3));
  uint8_t byte = 0;
  for (int bit = 0; bit < 8; ++bit) {
    out(0x44);
    byte = static_cast<uint8_t>((byte << 1) | (sda() ? 1 : 0));
    out(0x46);
  }
  out(0x44);  // no acknowledge, clock low
  out(0x40);  // STOP: SDA low, SCL high, SDA released
  out(0x42);
  out(0x46);
  EXPECT_EQ(byte, 0x6B);
  EXPECT_EQ(Violations(), 0u);

  // A write after that, then the polling the writer does.
  start();
  transmit(0xA0);
  transmit(0x05);
  transmit(0x99);
  out(0x40);
  out(0x42);
  out(0x46);
  EXPECT_TRUE(chip_->WriteCycleRunning());
  int polls = 0;
  do {
    start();
    ++polls;
  } while (!transmit(0xA0) && polls < 1000);
  EXPECT_EQ(chip_->Byte(0x05), 0x99);
  EXPECT_GT(polls, 1);
  EXPECT_EQ(Violations(), 0u);
}

// Each standard-mode minimum, kept exactly and broken by a microsecond.
TEST_F(Serial24xxChipTest, SclHighTooShortLosesTheBit) {
  Insert(SROM24xx02);
  master_->timing.sclHigh = 4;
  EXPECT_TRUE(master_->WriteByteAt(0x01, 0x55, false));
  EXPECT_EQ(Violations(), 0u);
  ASSERT_NE(master_->PollUntilAcked(20000), 0u);

  master_->timing.sclHigh = 3;
  master_->Start();
  EXPECT_FALSE(master_->Send(0xA0));  // the chip never counted eight bits
  master_->Stop();
  EXPECT_GE(chip_->Timing().Violations(I2cTimingRule::SclHigh), 8u);
  EXPECT_EQ(Violations(), chip_->Timing().Violations(I2cTimingRule::SclHigh));
}

TEST_F(Serial24xxChipTest, SclLowTooShortMisShiftsTheByte) {
  Insert(SROM24xx02);
  master_->Start();
  master_->SendBit(true);
  master_->timing.sclLow = 4;  // 4.7 us is 5 on a whole-microsecond clock
  master_->SendBit(false);
  master_->timing.sclLow = 5;
  for (int bit = 5; bit >= 0; --bit) master_->SendBit(((0xA0 >> bit) & 1) != 0);
  EXPECT_TRUE(master_->ReceiveBit());  // one bit behind, the chip does not ACK here
  master_->Stop();
  EXPECT_EQ(chip_->Timing().Violations(I2cTimingRule::SclLow), 1u);
  EXPECT_EQ(Violations(), 1u);
}

TEST_F(Serial24xxChipTest, StartHoldTooShortMissesTheTransaction) {
  Insert(SROM24xx02);
  master_->timing.startHold = 4;
  master_->Start();
  EXPECT_TRUE(master_->Send(0xA0));
  master_->Stop();
  EXPECT_EQ(Violations(), 0u);

  master_->timing.startHold = 3;
  master_->Start();
  EXPECT_FALSE(master_->Send(0xA0));
  master_->Stop();
  EXPECT_EQ(chip_->Timing().Violations(I2cTimingRule::StartHold), 1u);
  EXPECT_EQ(chip_->Naks(), 0u);  // it did not refuse: it never listened
}

TEST_F(Serial24xxChipTest, RepeatedStartSetupTooShortTurnsTheReadIntoData) {
  Insert(SROM24xx02);
  chip_->SetByte(0x30, 0x3C);
  master_->timing.startSetup = 5;
  EXPECT_EQ(Read(0x30), 0x3C);
  EXPECT_EQ(Violations(), 0u);

  master_->timing.startSetup = 4;
  EXPECT_NE(Read(0x30), 0x3C);
  EXPECT_EQ(chip_->Timing().Violations(I2cTimingRule::StartSetup), 1u);
  // The chip took the read control byte as data and now writes it.
  EXPECT_TRUE(chip_->WriteCycleRunning());
}

TEST_F(Serial24xxChipTest, StopSetupTooShortWritesNothing) {
  Insert(SROM24xx02);
  master_->timing.stopSetup = 3;
  master_->WriteByteAt(0x02, 0x00, false);
  EXPECT_EQ(chip_->Timing().Violations(I2cTimingRule::StopSetup), 1u);
  EXPECT_FALSE(chip_->WriteCycleRunning());

  master_->timing.stopSetup = 4;
  EXPECT_TRUE(Write(0x02, 0x00));
  EXPECT_EQ(chip_->Byte(0x02), 0x00);
  EXPECT_EQ(Violations(), 1u);
}

TEST_F(Serial24xxChipTest, BusFreeTooShortIgnoresTheNextStart) {
  Insert(SROM24xx02);
  master_->timing.busFree = 4;
  master_->Start();
  master_->Send(0xA0);
  master_->Stop();
  master_->timing.busFree = 5;
  master_->Start();
  EXPECT_FALSE(master_->Send(0xA0));
  master_->Stop();
  EXPECT_EQ(chip_->Timing().Violations(I2cTimingRule::BusFree), 1u);

  master_->Start();
  EXPECT_TRUE(master_->Send(0xA0));
  master_->Stop();
  EXPECT_EQ(Violations(), 1u);
}

TEST_F(Serial24xxChipTest, ASilentChipNeverAcknowledges) {
  Insert(SROM24xx64);
  chip_->SetNeverAnswers(true);
  EXPECT_FALSE(master_->WriteByteAt(0x100, 0x00, true));
  EXPECT_EQ(master_->PollUntilAcked(1000), 0u);
  EXPECT_EQ(Read(0x100), 0xFF);  // the master samples a released line
  EXPECT_EQ(chip_->Byte(0x100), 0xFF);
  EXPECT_GT(chip_->Naks(), 2u);
}

TEST_F(Serial24xxChipTest, AWriteCycleThatNeverEndsKeepsTheChipBusy) {
  Insert(SROM24xx02);
  chip_->SetWriteCycleNeverEnds(true);
  EXPECT_TRUE(master_->WriteByteAt(0x03, 0x00, false));
  clock_.AdvanceMicros(1'000'000);
  EXPECT_EQ(master_->PollUntilAcked(20000), 0u);
  EXPECT_TRUE(chip_->WriteCycleRunning());
  EXPECT_EQ(chip_->Byte(0x03), 0xFF);
}

TEST_F(Serial24xxChipTest, ASlowWriteCycleTakesItsTime) {
  Insert(SROM24xx02);
  chip_->SetWriteCycleMicros(8000);
  EXPECT_TRUE(master_->WriteByteAt(0x04, 0x12, false));
  clock_.AdvanceMicros(5000);
  master_->Start();
  EXPECT_FALSE(master_->Send(0xA0));
  const uint64_t waited = master_->PollUntilAcked(20000);
  EXPECT_GE(waited, 2900u);
  EXPECT_EQ(chip_->Byte(0x04), 0x12);
}

TEST_F(Serial24xxChipTest, AStuckBitHoldsWhateverIsWritten) {
  Insert(SROM24xx02);
  chip_->SetStuckBit(0x08, 2, true);
  chip_->SetStuckBit(0x09, 7, false);
  EXPECT_EQ(chip_->Byte(0x09), 0x7F);
  ASSERT_TRUE(Write(0x08, 0x00));
  ASSERT_TRUE(Write(0x09, 0xFF));
  EXPECT_EQ(Read(0x08), 0x04);
  EXPECT_EQ(Read(0x09), 0x7F);
  ASSERT_TRUE(Write(0x0A, 0x00));
  EXPECT_EQ(Read(0x0A), 0x00);
}

TEST_F(Serial24xxChipTest, PowerOffResetsTheBusMidTransaction) {
  Insert(SROM24xx02);
  chip_->SetByte(0x00, 0x00);
  // Off while the chip drives a 0 data bit.
  master_->Start();
  master_->Address(0x00, false);
  master_->Start();
  master_->Send(0xA1);
  EXPECT_EQ(chip_->Rb7Output(), PinDrive::Low);
  master_->PowerOff();
  EXPECT_EQ(chip_->Rb7Output(), PinDrive::Released);
  // Clocks without supply go nowhere.
  for (int i = 0; i < 20; ++i) master_->SendBit(i % 3 == 0);
  EXPECT_EQ(chip_->Rb7Output(), PinDrive::Released);
  master_->PowerOn();
  EXPECT_TRUE(Write(0x01, 0x21));
  EXPECT_EQ(Read(0x01), 0x21);

  // Off in the middle of a control byte, and during a write cycle.
  master_->Start();
  master_->SendBit(true);
  master_->SendBit(false);
  master_->PowerOff();
  master_->PowerOn();
  EXPECT_TRUE(master_->WriteByteAt(0x02, 0x22, false));
  master_->PowerOff();
  master_->PowerOn();
  EXPECT_FALSE(chip_->WriteCycleRunning());
  EXPECT_EQ(chip_->Byte(0x02), 0xFF);  // the cut-short write is lost
  master_->Start();
  EXPECT_TRUE(master_->Send(0xA0));  // and the chip answers at once
  master_->Stop();
  EXPECT_EQ(chip_->AddressCounter(), 0u);
}

// Random writer bytes, random pauses and supply toggles: the chip must keep
// its shape and only ever pull SDA low or let it go.
TEST_F(Serial24xxChipTest, RandomLineNoiseKeepsTheChipSound) {
  for (uint32_t seed : {1u, 7u, 20240601u}) {
    for (int device : {SROM24xx01, SROM24xx16, SROM24xx256}) {
      SCOPED_TRACE(testing::Message() << "seed " << seed << " device " << device);
      std::mt19937 random(seed);
      Serial24xxChip chip(clock_, static_cast<SROM_DEVICE>(device));
      chip.SetWriteCycleMicros(random() % 50);
      const uint32_t size = chip.Size();
      for (int step = 0; step < 200'000; ++step) {
        uint8_t data = static_cast<uint8_t>(random());
        // Mostly powered, so the protocol gets exercised.
        if (random() % 64 != 0) data |= 0x40;
        chip.OnLines(WriterLines::Decode(data));
        clock_.AdvanceMicros(random() % 8);
        const PinDrive out = chip.Rb7Output();
        ASSERT_TRUE(out == PinDrive::Low || out == PinDrive::Released);
        ASSERT_LT(chip.AddressCounter(), size);
      }
      EXPECT_EQ(chip.Size(), size);
    }
  }
}

}  // namespace
}  // namespace tarvel

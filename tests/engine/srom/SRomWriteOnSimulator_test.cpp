#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "engine/srom/SRomImage.h"
#include "engine/srom/SRomWrite.h"
#include "engine/srom/SRomWriteCyclePoll.h"
#include "platform/VirtualClock.h"
#include "sim/Serial24xxChip.h"
#include "sim/SimulatedWriter.h"
#include "support/RecordingMessages.h"

namespace tarvel {
namespace {

// The engine against the simulated writer with a virtual 24xx EEPROM in its
// socket, on virtual time.
template <class VirtualTime>
class OnSimulator {
 public:
  explicit OnSimulator(SROM_DEVICE device) : writer(clock), port(writer, messages), rom(clock, messages) {
    rom.ParallelPort = &port;
    writer.InsertSerialRom(device);
    rom.SetDevice(device);
    rom.PowerON();
  }

  Serial24xxChip& Chip() { return *writer.SerialRom(); }

  WriteCycleOutcome WriteAndWait(uint32_t address, uint8_t value) {
    rom.Write(address, value);
    return SRomWriteCyclePoll(rom, clock).Wait();
  }

  VirtualTime clock;
  test::RecordingMessages messages;
  SimulatedWriter writer;
  TParallelPort port;
  TSRomWrite rom;
};
using SRomOnSimulator = OnSimulator<VirtualClock>;

// Addresses that tell the address forms apart: the ends of the chip, every
// block of the one-byte sizes, and every bit of the two-byte address.
std::set<uint32_t> TellingAddresses(uint32_t lastAddress) {
  std::set<uint32_t> addresses = {0, 1, 0x7F, lastAddress};
  for (uint32_t block = 0; block * 0x100 <= lastAddress; block += (lastAddress > 0x7FF ? 0x10 : 1)) {
    addresses.insert(block * 0x100);
    addresses.insert(block * 0x100 + 0xA5);
  }
  for (uint32_t bit = 1; bit <= lastAddress; bit <<= 1) addresses.insert(bit);
  addresses.insert(0x0ABC & lastAddress);
  addresses.erase(addresses.upper_bound(lastAddress), addresses.end());
  return addresses;
}

class SRomWriteEveryDevice : public ::testing::TestWithParam<SROM_DEVICE> {};

TEST_P(SRomWriteEveryDevice, BytesLandInTheirOwnCellsAndReadBack) {
  SRomOnSimulator sim(GetParam());
  const uint32_t last = sim.rom.LastAddress();
  std::map<uint32_t, uint8_t> wanted;
  for (uint32_t address : TellingAddresses(last)) {
    // A value that differs from cell to cell and from the blank 0xFF.
    wanted[address] = static_cast<uint8_t>((address * 7 + (address >> 8) * 13) % 0xFF);
  }
  for (const auto& [address, value] : wanted) {
    ASSERT_EQ(sim.WriteAndWait(address, value), WriteCycleOutcome::Finished) << address;
  }
  for (uint32_t address = 0; address <= last; ++address) {
    const auto it = wanted.find(address);
    ASSERT_EQ(sim.Chip().Byte(address), it == wanted.end() ? 0xFF : it->second) << std::hex << address;
  }
  for (const auto& [address, value] : wanted) {
    ASSERT_EQ(sim.rom.Read(address), value) << std::hex << address;
  }
  EXPECT_EQ(sim.Chip().CompletedWriteCycles(), wanted.size());
  EXPECT_EQ(sim.Chip().Timing().TotalViolations(), 0u);
  EXPECT_TRUE(sim.messages.boxes.empty());
}

TEST_P(SRomWriteEveryDevice, IsErasedTellsABlankChipFromAWrittenOne) {
  SRomOnSimulator sim(GetParam());
  EXPECT_TRUE(sim.rom.IsErased(true));
  sim.Chip().SetByte(sim.rom.LastAddress(), 0x7F);
  EXPECT_FALSE(sim.rom.IsErased(true));
  ASSERT_EQ(sim.messages.boxes.size(), 2u);
  EXPECT_EQ(sim.messages.boxes[0].text, "イレースされています。");
  EXPECT_EQ(sim.messages.boxes[0].icon, MessageIcon::Information);
  EXPECT_EQ(sim.messages.boxes[1].text, "イレースされていません。");
  EXPECT_EQ(sim.messages.boxes[1].icon, MessageIcon::Warning);
  EXPECT_EQ(sim.Chip().Timing().TotalViolations(), 0u);
}

// Checked reads tell a silent chip from 0xFF bytes.
TEST_P(SRomWriteEveryDevice, CheckedReadsTellASilentChipFromErasedBytes) {
  SRomOnSimulator sim(GetParam());
  const uint32_t last = sim.rom.LastAddress();
  sim.Chip().SetByte(0, 0x40);
  sim.Chip().SetByte(last, 0x41);
  ASSERT_TRUE(sim.rom.BeginRead(0));
  EXPECT_EQ(sim.rom.Receive(false), 0x40);
  sim.rom.StopCondition();
  int32_t value = -1;
  EXPECT_TRUE(sim.rom.ReadChecked(last, value));
  EXPECT_EQ(value, 0x41);
  const SRomEraseCheck notErased = sim.rom.CheckErased(false);
  EXPECT_EQ(notErased.outcome, SRomEraseCheck::NotErased);
  EXPECT_EQ(notErased.address, 0u);
  EXPECT_EQ(notErased.value, 0x40);

  sim.Chip().SetNeverAnswers(true);
  EXPECT_FALSE(sim.rom.ReadChecked(last, value));
  EXPECT_EQ(sim.rom.Read(last), 0xFF) << "the unchecked read gives what the bus shows";
  const SRomEraseCheck silent = sim.rom.CheckErased(true);
  EXPECT_EQ(silent.outcome, SRomEraseCheck::NoAnswer);
  EXPECT_EQ(silent.address, 0u);
  EXPECT_TRUE(sim.messages.boxes.empty());
  EXPECT_EQ(sim.writer.Lines().rb6, PinDrive::High) << "the bus is released";
  EXPECT_EQ(sim.Chip().Timing().TotalViolations(), 0u);
}

// Page writes of an image with gaps, then a sequential read: every byte
// lands, the gaps keep what the chip held, each run within a page takes one
// write cycle, each address's byte is asked for once, and a page of 0xFF
// erases.
TEST_P(SRomWriteEveryDevice, PageWritesAndSequentialReadsCoverTheWholeChip) {
  SRomOnSimulator sim(GetParam());
  const uint32_t size = sim.rom.LastAddress() + 1;
  const uint32_t page = kSRomDevices[GetParam()].pageSize;
  auto wanted = [page](uint32_t address) -> std::optional<uint8_t> {
    if (address % page == 3 || address % (5 * page) == page / 2 + 1) return std::nullopt;  // 2 runs a page, 3 in every fifth
    return static_cast<uint8_t>(address * 7 + (address >> 8) * 13);
  };
  sim.Chip().SetByte(3, 0x11);
  std::vector<int> asked(size);
  const auto counted = [&](uint32_t address) {
    ++asked[address];
    return wanted(address);
  };
  ASSERT_EQ(sim.rom.WritePages(OperationStage::Writing, 0, size, counted).outcome, SRomTransfer::Done);
  EXPECT_EQ(std::count(asked.begin(), asked.end(), 1), size) << "each address is asked for once";
  const uint32_t pages = size / page;
  EXPECT_EQ(sim.Chip().CompletedWriteCycles(), 2 * pages + (pages + 4) / 5);
  std::vector<uint8_t> read;
  const SRomTransfer whole = sim.rom.ReadSequential(OperationStage::Reading, 0, size, [&](uint32_t address, uint8_t value) {
    EXPECT_EQ(address, read.size());
    read.push_back(value);
    return true;
  });
  EXPECT_EQ(whole.outcome, SRomTransfer::Done);
  ASSERT_EQ(read.size(), size);
  for (uint32_t address = 0; address < size; ++address) {
    const uint8_t expected = wanted(address).value_or(address == 3 ? 0x11 : 0xFF);
    ASSERT_EQ(read[address], expected) << std::hex << address;
    ASSERT_EQ(sim.Chip().Byte(address), expected) << std::hex << address;
  }
  ASSERT_EQ(sim.rom.WritePages(OperationStage::Erasing, 0, size, [](uint32_t) { return std::optional<uint8_t>(0xFF); })
                .outcome,
            SRomTransfer::Done);
  EXPECT_EQ(sim.rom.CheckErased(false).outcome, SRomEraseCheck::Erased);
  EXPECT_EQ(sim.Chip().Timing().TotalViolations(), 0u);
}

INSTANTIATE_TEST_SUITE_P(AllSizes, SRomWriteEveryDevice,
                         ::testing::Values(SROM24xx01, SROM24xx02, SROM24xx04, SROM24xx08, SROM24xx16,
                                           SROM24xx32, SROM24xx64, SROM24xx128, SROM24xx256),
                         [](const ::testing::TestParamInfo<SROM_DEVICE>& info) {
                           return std::string(kSRomDevices[info.param].displayName);
                         });

TEST(SRomWriteOnSimulator, EraseByWritingFFThenChecksBlank) {
  SRomOnSimulator sim(SROM24xx01);
  for (uint32_t address = 0; address <= sim.rom.LastAddress(); ++address) sim.Chip().SetByte(address, 0);
  EXPECT_FALSE(sim.rom.IsErased(false));
  for (uint32_t address = 0; address <= sim.rom.LastAddress(); ++address) {
    ASSERT_EQ(sim.WriteAndWait(address, 0xFF), WriteCycleOutcome::Finished);
  }
  EXPECT_TRUE(sim.rom.IsErased(false));
  EXPECT_EQ(sim.Chip().Timing().TotalViolations(), 0u);
}

// Erasing writes every byte, under the Erasing stage, and reads each back: a
// byte that keeps a bit low is named, with what it reads.
TEST(SRomWriteOnSimulator, EraseImageWritesTheWholeChipErasedAndReadsItBack) {
  struct Stages : OperationProgress {
    std::vector<OperationStage> seen;
    void Reported() override {
      if (seen.empty() || seen.back() != Stage()) seen.push_back(Stage());
    }
  } progress;
  SRomOnSimulator sim(SROM24xx08);
  sim.rom.Progress = &progress;
  for (uint32_t address = 0; address <= sim.rom.LastAddress(); ++address) sim.Chip().SetByte(address, 0x5A);
  ImageDifferences differences;
  EXPECT_EQ(EraseImage(sim.rom, differences).outcome, SRomTransfer::Done);
  EXPECT_TRUE(differences.empty());
  EXPECT_EQ(sim.rom.CheckErased(false).outcome, SRomEraseCheck::Erased);
  EXPECT_EQ(progress.seen, (std::vector<OperationStage>{OperationStage::Erasing, OperationStage::Verifying,
                                                        OperationStage::BlankChecking}));

  sim.Chip().SetStuckBit(0x2C3, 4, false);
  const SRomTransfer stuck = EraseImage(sim.rom, differences);
  EXPECT_EQ(stuck.outcome, SRomTransfer::Halted);
  ASSERT_EQ(differences.size(), 1u);
  EXPECT_EQ(differences[0].Address, 0x2C3);
  EXPECT_EQ(differences[0].WantedValue, kSRomErased);
  EXPECT_EQ(differences[0].ReadValue, 0xEF);
  EXPECT_EQ(sim.Chip().Timing().TotalViolations(), 0u);
}

// A stop ends a read after the byte it was asked at, a write at the next page,
// a byte handler the read where it says; a silent chip is named where it
// fell silent. Each leaves the bus idle for the next transfer.
TEST(SRomWriteOnSimulator, BlockTransfersStopWhereAskedAndLeaveTheBusIdle) {
  SRomOnSimulator sim(SROM24xx04);
  struct StopAt : OperationProgress {
    uint32_t at = 0;
    void Reported() override {
      if (Done() >= at) RequestStop();
    }
  } progress;
  sim.rom.Progress = &progress;
  auto all = [](uint32_t address) { return std::optional<uint8_t>(static_cast<uint8_t>(address)); };

  progress.at = 0x23;
  SRomTransfer ended = sim.rom.WritePages(OperationStage::Writing, 0, 0x200, all);
  EXPECT_EQ(ended.outcome, SRomTransfer::Cancelled);
  EXPECT_EQ(ended.address, 0x30u) << "the page under way is finished";
  EXPECT_EQ(sim.Chip().Byte(0x2F), 0x2F);
  EXPECT_EQ(sim.Chip().Byte(0x30), 0xFF);

  progress.Reset();
  progress.at = 0x105;
  uint32_t taken = 0;
  ended = sim.rom.ReadSequential(OperationStage::Reading, 0, 0x200, [&](uint32_t, uint8_t) { return ++taken > 0; });
  EXPECT_EQ(ended.outcome, SRomTransfer::Cancelled);
  EXPECT_EQ(ended.address, 0x105u);
  EXPECT_EQ(taken, 0x105u);

  progress.Reset();
  progress.at = UINT32_MAX;
  ended = sim.rom.ReadSequential(OperationStage::Comparing, 0x20, 0x100,
                                 [](uint32_t address, uint8_t value) { return value == address; });
  EXPECT_EQ(ended.outcome, SRomTransfer::Halted);
  EXPECT_EQ(ended.address, 0x30u);
  int32_t value = -1;
  EXPECT_TRUE(sim.rom.ReadChecked(0x1FF, value));
  EXPECT_EQ(value, 0xFF);

  sim.Chip().SetNeverAnswers(true);
  EXPECT_EQ(sim.rom.ReadSequential(OperationStage::Reading, 0x40, 4, [](uint32_t, uint8_t) { return true; }).outcome,
            SRomTransfer::NoAnswer);
  ended = sim.rom.WritePages(OperationStage::Writing, 0x41, 2, all);
  EXPECT_EQ(ended.outcome, SRomTransfer::NoAnswer);
  EXPECT_EQ(ended.address, 0x41u);
  EXPECT_EQ(sim.Chip().Timing().TotalViolations(), 0u);
  EXPECT_EQ(sim.writer.Lines().rb6, PinDrive::High) << "the bus is released";
}

// On a clock read in whole microseconds the pacing allows for the reading's
// lag; the chip, which sees the exact time, finds every minimum kept.
TEST(SRomWriteOnSimulator, AClockOfWholeMicrosecondsStillKeepsEveryMinimum) {
  struct CoarseClock : VirtualClock {
    CoarseClock() : VirtualClock(250) {}  // several readings to a microsecond
    uint64_t FineNanos() override { return Clock::FineNanos(); }
    uint64_t FineLagNanos() override { return Clock::FineLagNanos(); }
  };
  OnSimulator<CoarseClock> sim(SROM24xx16);
  TSRomWrite& rom = sim.rom;
  auto value = [](uint32_t address) { return std::optional<uint8_t>(static_cast<uint8_t>(address * 3)); };
  ASSERT_EQ(rom.WritePages(OperationStage::Writing, 0x1F0, 0x40, value).outcome, SRomTransfer::Done);
  uint32_t wrong = 0;
  EXPECT_EQ(rom.ReadSequential(OperationStage::Reading, 0x1F0, 0x40,
                               [&](uint32_t address, uint8_t read) { return read == *value(address) || ++wrong == 0; })
                .outcome,
            SRomTransfer::Done);
  EXPECT_EQ(wrong, 0u);
  EXPECT_EQ(sim.Chip().Timing().TotalViolations(), 0u);
}

TEST(SRomWriteOnSimulator, PollingAnswersOnlyAfterTheWriteCycle) {
  SRomOnSimulator sim(SROM24xx16);
  sim.Chip().SetWriteCycleMicros(5000);
  const uint64_t start = sim.clock.Nanos();
  ASSERT_EQ(sim.WriteAndWait(0x345, 0x12), WriteCycleOutcome::Finished);
  EXPECT_GE(sim.clock.Nanos() - start, 5'000'000u);
  EXPECT_LT(sim.clock.Nanos() - start, 6'000'000u);
  EXPECT_EQ(sim.Chip().Byte(0x345), 0x12);
}

TEST(SRomWriteOnSimulator, SlowWriteCycleWithinTheBoundFinishes) {
  SRomOnSimulator sim(SROM24xx256);
  sim.Chip().SetWriteCycleMicros(30000);
  ASSERT_EQ(sim.WriteAndWait(0x4321, 0x5A), WriteCycleOutcome::Finished);
  EXPECT_EQ(sim.rom.Read(0x4321), 0x5A);
}

TEST(SRomWriteOnSimulator, WriteCycleBeyondTheBoundTimesOut) {
  SRomOnSimulator sim(SROM24xx256);
  sim.Chip().SetWriteCycleMicros(80000);
  const uint64_t start = sim.clock.Nanos();
  EXPECT_EQ(sim.WriteAndWait(0x10, 0x5A), WriteCycleOutcome::TimedOut);
  EXPECT_LT(sim.clock.Nanos() - start, 52'000'000u);
}

TEST(SRomWriteOnSimulator, WriteCycleThatNeverEndsTimesOut) {
  SRomOnSimulator sim(SROM24xx02);
  sim.Chip().SetWriteCycleNeverEnds(true);
  EXPECT_EQ(sim.WriteAndWait(0x10, 0x5A), WriteCycleOutcome::TimedOut);
}

TEST(SRomWriteOnSimulator, EmptySocketTimesOutAndReadsFF) {
  SRomOnSimulator sim(SROM24xx02);
  sim.writer.RemoveTarget();
  const uint64_t start = sim.clock.Nanos();
  EXPECT_EQ(sim.WriteAndWait(0x10, 0x5A), WriteCycleOutcome::TimedOut);
  EXPECT_GE(sim.clock.Nanos() - start, 50'000'000u);
  EXPECT_LT(sim.clock.Nanos() - start, 52'000'000u);
  // The pull-up reads as an erased byte: an empty socket looks blank.
  EXPECT_EQ(sim.rom.Read(0x10), 0xFF);
}

TEST(SRomWriteOnSimulator, ChipThatNeverAnswersTimesOut) {
  SRomOnSimulator sim(SROM24xx64);
  sim.Chip().SetNeverAnswers(true);
  EXPECT_EQ(sim.WriteAndWait(0x10, 0x5A), WriteCycleOutcome::TimedOut);
}

}  // namespace
}  // namespace tarvel

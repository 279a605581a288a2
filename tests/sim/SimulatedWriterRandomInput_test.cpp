#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <memory>
#include <random>
#include <vector>

#include "platform/VirtualClock.h"
#include "sim/PicChip.h"
#include "sim/Serial24xxChip.h"
#include "sim/SimulatedWriter.h"

namespace tarvel {
namespace {

// A programming-mode byte with random clock and data: mostly RB7 driven, so
// that the command bits are evenly 0 and 1, sometimes released.
uint8_t ClockedByte(std::mt19937& random) {
  const uint32_t bits = random();
  return static_cast<uint8_t>(0x48 + (bits % 5 == 0 ? (bits >> 8) & 7 : (bits >> 8) & 3));
}

// Long random traffic at the simulated writer: random bytes and bytes close
// to the programming values (so that the chips really enter programming mode
// and decode commands), VPP and VDD toggled mid-frame, time jumps, port type
// changes, chips swapped, taken out and put back, reads of an empty socket.
// Nothing may crash or trip the sanitizers, and every memory keeps its size
// and cell width.
class RandomTraffic {
 public:
  explicit RandomTraffic(uint32_t seed) : random_(seed) {
    writer_.InsertPic(static_cast<PIC_DEVICES>(seed % kPicDeviceCount));
  }

  // Runs alternate between noise (any byte) and programming traffic with
  // now and then a power or VPP step in the middle of a frame.
  void Run(int steps) {
    bool noise = false;
    int runLeft = 0;
    for (int step = 0; step < steps; ++step) {
      if (runLeft-- <= 0) {
        noise = Below(4) == 0;
        runLeft = static_cast<int>(Below(20000));
      }
      const uint32_t roll = Below(10000);
      if (roll < 7500) {
        writer_.Out(DataAddress(), noise ? static_cast<uint8_t>(Below(256)) : ProgrammingByte());
      } else if (roll < 9000) {
        statusSum_ += writer_.In(StatusAddress());
      } else if (roll < 9200) {
        const auto address = static_cast<uint16_t>(Below(0x10000));
        if (Below(2) == 0) {
          writer_.Out(address, static_cast<uint8_t>(Below(256)));
        } else {
          statusSum_ += writer_.In(address);
        }
      } else if (roll < 9996) {
        clock_.AdvanceMicros(Below(3) == 0 ? Below(20000) : Below(40));
      } else if (roll < 9998) {
        writer_.SetPortType(static_cast<PPortType>(Below(8)));
      } else {
        ChangeSocket();
      }
      if ((step & 0xFF) == 0) CheckChip(writer_.Target());
    }
    CheckChip(writer_.Target());
    for (const auto& chip : kept_) CheckChip(chip.get());
  }

  // Commands the PICs decoded, as far as the checks saw them.
  uint64_t CommandsSeen() const { return commandsSeen_; }

 private:
  uint32_t Below(uint32_t limit) { return std::uniform_int_distribution<uint32_t>(0, limit - 1)(random_); }

  uint16_t DataAddress() const { return static_cast<uint16_t>(kParallelPortRegisters[writer_.PortType()].dataAddress); }
  uint16_t StatusAddress() const {
    return static_cast<uint16_t>(kParallelPortRegisters[writer_.PortType()].statusAddress);
  }

  // Mostly the engines' own values with a random data bit, now and then a
  // power or reset step, so that entries, commands and frames happen.
  uint8_t ProgrammingByte() {
    static constexpr std::array<uint8_t, 10> kSteps = {0x00, 0x34, 0x50, 0x64, 0x74, 0x40, 0x42, 0x44, 0x46, 0x6C};
    if (enterNext_) {
      enterNext_ = false;
      return 0x48;
    }
    if (Below(400) == 0) {
      enterNext_ = Below(2) == 0;
      return kSteps[Below(kSteps.size())];
    }
    return ClockedByte(random_);
  }

  void ChangeSocket() {
    switch (Below(7)) {
      case 0:
      case 6:
        CheckChip(writer_.Target());
        writer_.InsertPic(static_cast<PIC_DEVICES>(Below(50))); break;
      case 1:
        CheckChip(writer_.Target());
        writer_.InsertSerialRom(static_cast<SROM_DEVICE>(Below(11)));
        break;
      case 2:
        CheckChip(writer_.Target());
        writer_.RemoveTarget();
        break;
      case 3:
        if (kept_.size() < 4) kept_.push_back(writer_.TakeTarget());
        break;
      default:
        if (!kept_.empty()) {
          const size_t index = Below(static_cast<uint32_t>(kept_.size()));
          writer_.InsertTarget(std::move(kept_[index]));
          kept_.erase(kept_.begin() + static_cast<std::ptrdiff_t>(index));
        }
        break;
    }
  }

  static void CheckCells(const PicCells& cells, int32_t size) {
    ASSERT_EQ(cells.Size(), size);
    for (int32_t i = 0; i < cells.Size(); ++i) {
      ASSERT_EQ(cells.Stored(i) & ~cells.Erased(), 0) << "cell " << i;
    }
  }

  void CheckChip(VirtualChip* chip) {
    if (const auto* pic = dynamic_cast<const PicChip*>(chip)) {
      CheckCells(pic->Program(), kPicDevices[pic->Device()].lastAddress + 1);
      CheckCells(pic->Data(), pic->Facts().dataBytes);
      CheckCells(pic->Ids(), 4);
      CheckCells(pic->Config(), 1);
      const uint32_t commands = pic->Counters().commands;
      commandsSeen_ += pic == lastPic_ && commands >= lastCommands_ ? commands - lastCommands_ : commands;
      lastPic_ = pic;
      lastCommands_ = commands;
    } else if (const auto* rom = dynamic_cast<const Serial24xxChip*>(chip)) {
      ASSERT_EQ(rom->Size(), kSRomDevices[rom->Device()].lastAddress + 1);
    }
  }

  std::mt19937 random_;
  VirtualClock clock_;
  SimulatedWriter writer_{clock_};
  std::vector<std::unique_ptr<VirtualChip>> kept_;
  bool enterNext_ = false;
  uint64_t statusSum_ = 0;
  const PicChip* lastPic_ = nullptr;
  uint32_t lastCommands_ = 0;
  uint64_t commandsSeen_ = 0;
};

class SimulatedWriterRandomInput : public ::testing::TestWithParam<uint32_t> {};

INSTANTIATE_TEST_SUITE_P(Seeds, SimulatedWriterRandomInput, ::testing::Values(1U, 7U, 42U, 2024U, 31337U));

TEST_P(SimulatedWriterRandomInput, SurvivesLongRandomSequences) {
  RandomTraffic traffic(GetParam());
  traffic.Run(1000000);
  EXPECT_GT(traffic.CommandsSeen(), 1000U) << "the traffic should reach the command decoders";
}

// Every device, fed the programming values only, with VPP and VDD steps
// among them: the chip keeps its shape whatever arrives mid-frame.
TEST(SimulatedWriterRandomInputPerDevice, EveryPicSurvivesFramesCutAnywhere) {
  std::mt19937 random(5);
  VirtualClock clock;
  SimulatedWriter writer(clock);
  for (int device = 0; device < kPicDeviceCount; ++device) {
    SCOPED_TRACE(kPicDevices[device].displayName);
    writer.InsertPic(static_cast<PIC_DEVICES>(device));
    for (int step = 0; step < 40000; ++step) {
      const uint32_t roll = random() % 1000;
      if (roll < 3) {
        writer.Out(0x378, static_cast<uint8_t>(random() & 0x7F));
        if ((random() & 1) != 0) writer.Out(0x378, 0x48);  // often straight back in
      } else if (roll < 50) {
        clock.AdvanceMicros(random() % 3000);
      } else {
        writer.Out(0x378, ClockedByte(random));
        writer.In(0x379);
      }
    }
    const PicChip& chip = *writer.Pic();
    EXPECT_GT(chip.Counters().entries, 0U);
    EXPECT_GT(chip.Counters().commands, 0U);
    const PicChipCounters& counters = chip.Counters();
    EXPECT_GT(counters.completedCycles + counters.cutShortCycles + counters.countedPulses + counters.shortPulses +
                  counters.abortedPulses + counters.beginsWithoutLoad,
              0U)
        << "some Begin Programming arrived";
    for (int32_t i = 0; i < chip.Program().Size(); ++i) {
      ASSERT_EQ(chip.Program().Stored(i) & ~chip.Program().Erased(), 0);
    }
  }
}

}  // namespace
}  // namespace tarvel

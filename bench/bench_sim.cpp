// The simulated writer alone, under the two read loops it serves most:
// - a PIC program read: the engine's Pic84 primitive reads and increments
//   through a PIC16F877 on virtual time;
// - a 24xx256 full read: 32768 random reads, clocked onto the writer's data
//   register the way the serial EEPROM engine does, with the I2C minimum
//   pauses on virtual time.
// Prints port accesses (data register writes and status reads) per second of
// CPU time for each.
#include <cstdint>
#include <cstdio>

#include "BenchSupport.h"
#include "engine/pic/PicWrite.h"
#include "platform/VirtualClock.h"
#include "port/ParallelPort.h"
#include "sim/PicChip.h"
#include "sim/Serial24xxChip.h"
#include "sim/SimulatedWriter.h"

namespace {

using namespace tarvel;
using bench::CpuSeconds;

constexpr int kPicPasses = 40;
constexpr int32_t kReadProgram = 4;
constexpr int32_t kIncrement = 6;
constexpr uint16_t kData = 0x378;
constexpr uint16_t kStatus = 0x379;

// The serial EEPROM engine's use of the data register: VDD, SCL level, SDA released.
constexpr uint8_t kVdd = 0x40;
constexpr uint8_t kScl = 0x02;
constexpr uint8_t kSdaReleased = 0x04;

bool PicReadLoop(double& accessesPerSecond) {
  VirtualClock clock;
  bench::SilentMessages messages;
  SimulatedWriter writer(clock);
  TParallelPort port(writer, messages);
  TPicWrite pic(clock, messages);
  pic.ParallelPort = &port;
  pic.SetDevice(PIC16F877);
  writer.InsertPic(PIC16F877);
  PicCells& program = writer.Pic()->Program();
  for (int32_t i = 0; i < program.Size(); ++i) program.Set(i, static_cast<uint16_t>((i * 0x2F3) & 0x3FFF));

  pic.Pic84(TPicWrite::kEnterProgramming, 0);
  const uint64_t accessesBefore = writer.Accesses();
  const double start = CpuSeconds();
  uint64_t mismatches = 0;
  for (int pass = 0; pass < kPicPasses; ++pass) {
    for (int32_t i = 0; i < program.Size(); ++i) {
      if (pic.Pic84(kReadProgram, 0) != program.Stored(i)) ++mismatches;
      pic.Pic84(kIncrement, 0);
    }
  }
  const double seconds = CpuSeconds() - start;
  accessesPerSecond = static_cast<double>(writer.Accesses() - accessesBefore) / seconds;
  pic.Pic84(TPicWrite::kLeaveProgramming, 0);
  if (mismatches != 0) std::fprintf(stderr, "bench_sim: %llu PIC words read back wrong\n",
                                    static_cast<unsigned long long>(mismatches));
  return mismatches == 0;
}

// Random reads on the writer's port, shaped like the engine's transactions.
class SerialRomReader {
 public:
  SerialRomReader(VirtualClock& clock, SimulatedWriter& writer) : clock_(clock), writer_(writer) {}

  void PowerOn() { Out(kVdd); }

  uint8_t Read(uint32_t address) {
    Start();
    Transmit(0xA0);
    Transmit(static_cast<uint8_t>(address >> 8));
    Transmit(static_cast<uint8_t>(address));
    Start();
    Transmit(0xA1);
    uint8_t byte = 0;
    for (int bit = 0; bit < 8; ++bit) {
      Out(kVdd | kSdaReleased);
      byte = static_cast<uint8_t>((byte << 1) | (SdaHigh() ? 1 : 0));
      Out(kVdd | kSdaReleased | kScl);
    }
    Out(kVdd | kSdaReleased);  // no acknowledge
    Out(kVdd);                 // stop
    Out(kVdd | kScl);
    Out(kVdd | kScl | kSdaReleased);
    return byte;
  }

 private:
  void Out(uint8_t data) {
    writer_.Out(kData, data);
    clock_.AdvanceMicros(5);
  }
  // BUSY reads inverted: bit 7 is 0 while SDA is high.
  bool SdaHigh() { return (writer_.In(kStatus) & 0x80) == 0; }
  void Start() {
    Out(kVdd | kSdaReleased | kScl);
    Out(kVdd | kScl);
    Out(kVdd);
  }
  void Transmit(uint8_t byte) {
    for (int bit = 7; bit >= 0; --bit) {
      const uint8_t level = ((byte >> bit) & 1) ? (kVdd | kSdaReleased) : kVdd;
      Out(level);
      Out(level | kScl);
      Out(level);
    }
    Out(kVdd | kSdaReleased);
    SdaHigh();  // the acknowledge
    Out(kVdd | kSdaReleased | kScl);
    Out(kVdd | kSdaReleased);
  }

  VirtualClock& clock_;
  SimulatedWriter& writer_;
};

bool SerialRomReadLoop(double& accessesPerSecond) {
  VirtualClock clock(0);  // reads of the clock cost nothing here: the reader paces the bus itself
  SimulatedWriter writer(clock);
  writer.InsertSerialRom(SROM24xx256);
  Serial24xxChip& chip = *writer.SerialRom();
  for (uint32_t address = 0; address < chip.Size(); ++address) {
    chip.SetByte(address, static_cast<uint8_t>(address * 7 + (address >> 8)));
  }
  SerialRomReader reader(clock, writer);
  reader.PowerOn();

  uint32_t wrong = 0;
  const uint64_t accessesBefore = writer.Accesses();
  const double begin = CpuSeconds();
  double elapsed = 0;
  do {
    for (uint32_t address = 0; address < chip.Size(); ++address) {
      if (reader.Read(address) != chip.Byte(address)) ++wrong;
    }
    elapsed = CpuSeconds() - begin;
  } while (elapsed < 1.0);
  accessesPerSecond = static_cast<double>(writer.Accesses() - accessesBefore) / elapsed;

  if (wrong != 0 || chip.Timing().TotalViolations() != 0) {
    std::fprintf(stderr, "bench_sim: %u serial EEPROM bytes wrong, %u timing violations\n", wrong,
                 chip.Timing().TotalViolations());
    return false;
  }
  return true;
}

}  // namespace

int main() {
  double pic = 0;
  double srom = 0;
  const bool picRight = PicReadLoop(pic);
  const bool sromRight = SerialRomReadLoop(srom);
  if (!picRight || !sromRight) return 1;
  std::printf("pic_accesses_per_cpu_s %.0f accesses/s\n", pic);
  std::printf("srom_accesses_per_cpu_s %.0f accesses/s\n", srom);
  return 0;
}

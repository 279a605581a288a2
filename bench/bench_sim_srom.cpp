// The virtual 24xx EEPROM alone, driven the way the writer's serial EEPROM
// engine drives the port: a full 24xx256 read as 32768 random reads. Prints
// the port accesses (data register writes and status reads) the model takes
// per second of CPU time.
#include <cstdint>
#include <cstdio>
#include <ctime>

#include "engine/srom/SRomDevice.h"
#include "platform/VirtualClock.h"
#include "sim/Serial24xxChip.h"
#include "sim/WriterLines.h"

namespace {

using tarvel::PinDrive;
using tarvel::Serial24xxChip;
using tarvel::VirtualClock;
using tarvel::WriterLines;

double CpuSeconds() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// The data register bits the serial EEPROM engine uses: VDD, SCL level, SDA released.
constexpr uint8_t kVdd = 0x40;
constexpr uint8_t kScl = 0x02;
constexpr uint8_t kSdaReleased = 0x04;

class PortShapedMaster {
 public:
  PortShapedMaster(VirtualClock& clock, Serial24xxChip& chip) : clock_(clock), chip_(chip) {}

  uint64_t accesses = 0;

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
      byte = static_cast<uint8_t>((byte << 1) | (In() ? 1 : 0));
      Out(kVdd | kSdaReleased | kScl);
    }
    Out(kVdd | kSdaReleased);  // no acknowledge
    Out(kVdd);                 // STOP
    Out(kVdd | kScl);
    Out(kVdd | kScl | kSdaReleased);
    return byte;
  }

 private:
  void Wait() { clock_.AdvanceMicros(5); }
  void Out(uint8_t data) {
    ++accesses;
    sdaReleased_ = (data & kSdaReleased) != 0;
    chip_.OnLines(WriterLines::Decode(data));
    Wait();
  }
  bool In() {
    ++accesses;
    return sdaReleased_ && chip_.Rb7Output() != PinDrive::Low;
  }
  void Start() {
    Out(kVdd | kSdaReleased | kScl);
    Out(kVdd | kScl);
    Out(kVdd);
  }
  bool Transmit(uint8_t byte) {
    for (int bit = 7; bit >= 0; --bit) {
      const uint8_t level = ((byte >> bit) & 1) ? (kVdd | kSdaReleased) : kVdd;
      Out(level);
      Out(level | kScl);
      Out(level);
    }
    Out(kVdd | kSdaReleased);
    const bool acked = !In();
    Out(kVdd | kSdaReleased | kScl);
    Out(kVdd | kSdaReleased);
    return acked;
  }

  VirtualClock& clock_;
  Serial24xxChip& chip_;
  bool sdaReleased_ = false;
};

}  // namespace

int main() {
  VirtualClock clock;
  Serial24xxChip chip(clock, tarvel::SROM24xx256);
  for (uint32_t address = 0; address < chip.Size(); ++address) {
    chip.SetByte(address, static_cast<uint8_t>(address * 7 + (address >> 8)));
  }
  PortShapedMaster master(clock, chip);
  master.PowerOn();

  uint64_t accessesPerRead = 0;
  uint64_t fullReads = 0;
  uint32_t wrong = 0;
  const double begin = CpuSeconds();
  double elapsed = 0;
  do {
    const uint64_t before = master.accesses;
    for (uint32_t address = 0; address < chip.Size(); ++address) {
      if (master.Read(address) != chip.Byte(address)) ++wrong;
    }
    accessesPerRead = master.accesses - before;
    ++fullReads;
    elapsed = CpuSeconds() - begin;
  } while (elapsed < 1.0);

  if (wrong != 0 || chip.Timing().TotalViolations() != 0) {
    std::fprintf(stderr, "bench_sim_srom: %u wrong bytes, %u timing violations\n", wrong,
                 chip.Timing().TotalViolations());
    return 1;
  }
  const double perSecond = static_cast<double>(master.accesses) / elapsed;
  std::printf("srom_accesses_per_cpu_s %.0f accesses/s\n", perSecond);
  std::printf("srom_24xx256_full_read_accesses %llu accesses\n",
              static_cast<unsigned long long>(accessesPerRead));
  std::printf("srom_24xx256_full_read_cpu_ms %.1f ms\n",
              1000.0 * elapsed / static_cast<double>(fullReads));
  return 0;
}

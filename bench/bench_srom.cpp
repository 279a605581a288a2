// The serial EEPROM engine reading a whole 24xx256 through the simulated
// writer: 32768 random-read transactions, each with its own start, address
// and stop. Prints the CPU time of one full read and the bus time it stands
// for on the virtual clock (what the same read takes on a real writer at the
// engine's minimum pauses).
#include <cstdint>
#include <cstdio>

#include "BenchSupport.h"
#include "engine/srom/SRomWrite.h"
#include "platform/UserMessages.h"
#include "platform/VirtualClock.h"
#include "port/ParallelPort.h"
#include "sim/Serial24xxChip.h"
#include "sim/SimulatedWriter.h"

namespace {

using tarvel::bench::CpuSeconds;

}  // namespace

int main() {
  using namespace tarvel;
  VirtualClock clock;
  bench::SilentMessages messages;
  SimulatedWriter writer(clock);
  TParallelPort port(writer, messages);
  TSRomWrite rom(clock, messages);
  rom.ParallelPort = &port;
  writer.InsertSerialRom(SROM24xx256);
  rom.SetDevice(SROM24xx256);
  Serial24xxChip& chip = *writer.SerialRom();
  for (uint32_t address = 0; address <= rom.LastAddress(); ++address) {
    chip.SetByte(address, static_cast<uint8_t>(address * 7 + (address >> 8)));
  }
  rom.PowerON();

  constexpr int kRuns = 3;
  uint32_t wrong = 0;
  const uint64_t virtualStart = clock.Nanos();
  const double begin = CpuSeconds();
  for (int run = 0; run < kRuns; ++run) {
    for (uint32_t address = 0; address <= rom.LastAddress(); ++address) {
      if (rom.Read(address) != chip.Byte(address)) ++wrong;
    }
  }
  const double cpu = (CpuSeconds() - begin) / kRuns;
  const double bus = static_cast<double>(clock.Nanos() - virtualStart) * 1e-9 / kRuns;

  if (wrong != 0 || chip.Timing().TotalViolations() != 0) {
    std::fprintf(stderr, "bench_srom: %u wrong bytes, %u timing violations\n", wrong,
                 chip.Timing().TotalViolations());
    return 1;
  }
  std::printf("srom256_read_cpu_s %.3f s\n", cpu);
  std::printf("srom256_read_bus_s %.2f s\n", bus);
  return 0;
}

// The serial EEPROM engine on a whole 24xx256 through the simulated writer,
// on virtual time (what the same transfers take on a real writer at the
// engine's minimum pauses): the byte-wise read of 32768 random-read
// transactions, the sequential read the window uses, and the page writes of
// a full image. Prints the bus time and the CPU time of each.
#include <cstdint>
#include <cstdio>
#include <vector>

#include "BenchSupport.h"
#include "engine/srom/SRomWrite.h"
#include "platform/UserMessages.h"
#include "platform/VirtualClock.h"
#include "port/ParallelPort.h"
#include "sim/Serial24xxChip.h"
#include "sim/SimulatedWriter.h"

namespace {

using namespace tarvel;
using tarvel::bench::CpuSeconds;

struct Figures {
  double cpu = 0;
  double bus = 0;
};

template <typename Transfer>
Figures Measure(VirtualClock& clock, Transfer transfer) {
  const uint64_t virtualStart = clock.Nanos();
  const double begin = CpuSeconds();
  transfer();
  return {CpuSeconds() - begin, static_cast<double>(clock.Nanos() - virtualStart) * 1e-9};
}

uint8_t Pattern(uint32_t address) { return static_cast<uint8_t>(address * 7 + (address >> 8)); }

}  // namespace

int main() {
  VirtualClock clock;
  bench::SilentMessages messages;
  SimulatedWriter writer(clock);
  TParallelPort port(writer, messages);
  TSRomWrite rom(clock, messages);
  rom.ParallelPort = &port;
  writer.InsertSerialRom(SROM24xx256);
  rom.SetDevice(SROM24xx256);
  Serial24xxChip& chip = *writer.SerialRom();
  const uint32_t size = rom.LastAddress() + 1;
  for (uint32_t address = 0; address < size; ++address) chip.SetByte(address, Pattern(address));
  rom.PowerON();

  uint32_t wrong = 0;
  const Figures byteWise = Measure(clock, [&] {
    for (uint32_t address = 0; address < size; ++address) {
      if (rom.Read(address) != chip.Byte(address)) ++wrong;
    }
  });
  SRomTransfer read;
  const Figures sequential = Measure(clock, [&] {
    read = rom.ReadSequential(OperationStage::Reading, 0, size, [&](uint32_t address, uint8_t value) {
      if (value != chip.Byte(address)) ++wrong;
      return true;
    });
  });
  SRomTransfer write;
  const Figures pages = Measure(clock, [&] {
    write = rom.WritePages(OperationStage::Writing, 0, size,
                           [](uint32_t address) { return std::optional<uint8_t>(Pattern(address) ^ 0x5A); });
  });
  for (uint32_t address = 0; address < size; ++address) {
    if (chip.Byte(address) != (Pattern(address) ^ 0x5A)) ++wrong;
  }

  if (wrong != 0 || read.outcome != SRomTransfer::Done || write.outcome != SRomTransfer::Done ||
      chip.Timing().TotalViolations() != 0) {
    std::fprintf(stderr, "bench_srom: %u wrong bytes, outcomes %d %d, %u timing violations\n", wrong,
                 read.outcome, write.outcome, chip.Timing().TotalViolations());
    return 1;
  }
  std::printf("srom256_byte_read_cpu_s %.3f s\n", byteWise.cpu);
  std::printf("srom256_byte_read_bus_s %.2f s\n", byteWise.bus);
  std::printf("srom256_read_cpu_s %.3f s\n", sequential.cpu);
  std::printf("srom256_read_bus_s %.2f s\n", sequential.bus);
  std::printf("srom256_write_cpu_s %.3f s\n", pages.cpu);
  std::printf("srom256_write_bus_s %.2f s\n", pages.bus);
  std::printf("srom256_write_cycles %u cycles\n", chip.CompletedWriteCycles());
  return 0;
}

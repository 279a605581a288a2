// Full-chip writes through the simulated writer: a PIC16F877 (8192 words,
// flash) and a PIC16C77 (8192 words, 14-bit EPROM), each written and
// verified from a blank chip with a WaitTime measured the way the write
// setup measures it. Prints the CPU time of each, the port accesses and the
// virtual programming time of the PIC16F877, and the time its 8192
// programming cycles really need.
#include <cstdint>
#include <cstdio>
#include <string>

#include "BenchSupport.h"
#include "engine/pic/PicWrite.h"
#include "platform/VirtualClock.h"
#include "port/ParallelPort.h"
#include "sim/PicChip.h"
#include "sim/SimulatedWriter.h"

namespace {

using namespace tarvel;

// A PIC16F87x program cycle erases the word and then writes it, 2 ms each.
constexpr double kF877CycleSeconds = 0.004;

using tarvel::bench::CpuSeconds;

// 100000 divided by the milliseconds of 30,600,000 empty rounds.
int32_t MeasureWaitTime(Clock& clock) {
  const uint32_t start = clock.Ticks();
  clock.Spin(30600000);
  const uint32_t elapsed = clock.Ticks() - start;
  return elapsed == 0 ? 30000 : static_cast<int32_t>(100000 / elapsed);
}

struct Run {
  TPicWriteResult result;
  double cpuSeconds;
  double virtualSeconds;
  uint64_t accesses;
  uint32_t completedCycles;
};

Run WriteFullChip(PIC_DEVICES device) {
  VirtualClock clock;
  bench::SilentMessages messages;
  SimulatedWriter writer(clock);
  TParallelPort port(writer, messages);
  TPicWrite pic(clock, messages);
  pic.ParallelPort = &port;
  pic.WaitTime = MeasureWaitTime(clock);
  pic.SetDevice(device);
  writer.InsertPic(device);

  uint32_t state = 12345;
  for (int32_t i = 0; i <= pic.LastAddress(); ++i) {
    state = state * 1664525U + 1013904223U;
    pic.SetData(i, static_cast<int32_t>((state >> 8) & 0x3FFF));
    pic.SetOX(i, 'o');
  }

  const uint64_t accessesBefore = writer.Accesses();
  const uint64_t nanosBefore = clock.Nanos();
  const double cpuBefore = CpuSeconds();
  Run run;
  run.result = pic.WriteProgram();
  run.cpuSeconds = CpuSeconds() - cpuBefore;
  run.virtualSeconds = static_cast<double>(clock.Nanos() - nanosBefore) * 1e-9;
  run.accesses = writer.Accesses() - accessesBefore;
  run.completedCycles = writer.Pic()->Counters().completedCycles;
  return run;
}

}  // namespace

int main() {
  const Run f877 = WriteFullChip(PIC16F877);
  const Run c77 = WriteFullChip(PIC16C77);
  if (f877.result.Code != prSuccess || c77.result.Code != prSuccess) {
    std::fprintf(stderr, "bench_pic: a full-chip write failed (codes %d, %d)\n", f877.result.Code,
                 c77.result.Code);
    return 1;
  }
  std::printf("f877_write_verify_cpu_s %.3f s\n", f877.cpuSeconds);
  std::printf("c77_write_verify_cpu_s %.3f s\n", c77.cpuSeconds);
  std::printf("f877_port_accesses %llu accesses\n", static_cast<unsigned long long>(f877.accesses));
  std::printf("f877_virtual_s %.1f s\n", f877.virtualSeconds);
  std::printf("f877_needed_s %.1f s\n", f877.completedCycles * kF877CycleSeconds);
  return 0;
}

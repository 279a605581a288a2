// Full-chip writes through the simulated writer, each written and verified
// from a blank chip with a WaitTime measured the way the write setup
// measures it.
//
// On virtual time: a PIC16F877 (8192 words) and a PIC16F84 (1024 words),
// each with the WaitTime an idle machine measures and with a third of it (a
// measurement taken while the machine was busy), against the time their
// programming cycles need (the sum of the chips' typical cycle times); and
// the CPU time of a PIC16F877 and a PIC16C77 (14-bit EPROM) write.
//
// On the real clock: the share of one CPU core a PIC16F877 write takes
// (about 45 s of wall time).
#include <cstdint>
#include <cstdio>

#include "BenchSupport.h"
#include "engine/pic/PicWrite.h"
#include "platform/SystemClock.h"
#include "platform/VirtualClock.h"
#include "platform/WaitTimeMeasurement.h"
#include "port/ParallelPort.h"
#include "sim/PicChip.h"
#include "sim/SimulatedWriter.h"

namespace {

using namespace tarvel;
using tarvel::bench::CpuSeconds;

struct Run {
  TPicWriteResult result;
  double cpuSeconds;
  double elapsedSeconds;  // on the clock the write ran on
  double neededSeconds;   // the chip's typical time for every cycle it completed
  uint64_t accesses;
};

// `waitTimeDivisor` > 1 stands for a measurement on a busy machine.
Run WriteFullChip(Clock& clock, PIC_DEVICES device, int32_t waitTimeDivisor) {
  bench::SilentMessages messages;
  SimulatedWriter writer(clock);
  TParallelPort port(writer, messages);
  TPicWrite pic(clock, messages);
  pic.ParallelPort = &port;
  pic.WaitTime = WaitTimeMeasurement::Measure(clock) / waitTimeDivisor;
  pic.SetDevice(device);
  writer.InsertPic(device);

  uint32_t state = 12345;
  for (int32_t i = 0; i <= pic.LastAddress(); ++i) {
    state = state * 1664525U + 1013904223U;
    pic.SetData(i, static_cast<int32_t>((state >> 8) & 0x3FFF));
    pic.SetOX(i, 'o');
  }

  const uint64_t accessesBefore = writer.Accesses();
  const uint64_t before = clock.ObservedNanos();
  const double cpuBefore = CpuSeconds();
  Run run;
  run.result = pic.WriteProgram();
  run.cpuSeconds = CpuSeconds() - cpuBefore;
  run.elapsedSeconds = static_cast<double>(clock.ObservedNanos() - before) * 1e-9;
  run.accesses = writer.Accesses() - accessesBefore;
  const PicChip& chip = *writer.Pic();
  run.neededSeconds = chip.Counters().completedCycles * chip.Facts().wordCycleMicros * 1e-6;
  return run;
}

Run OnVirtualTime(PIC_DEVICES device, int32_t waitTimeDivisor) {
  VirtualClock clock;
  return WriteFullChip(clock, device, waitTimeDivisor);
}

bool Failed(const char* what, const Run& run) {
  if (run.result.Code == prSuccess) return false;
  std::fprintf(stderr, "bench_pic: the %s write failed (code %d at %X)\n", what, run.result.Code,
               run.result.Address);
  return true;
}

}  // namespace

int main() {
  const Run f877 = OnVirtualTime(PIC16F877, 1);
  const Run f877Busy = OnVirtualTime(PIC16F877, 3);
  const Run f84 = OnVirtualTime(PIC16F84, 1);
  const Run f84Busy = OnVirtualTime(PIC16F84, 3);
  const Run c77 = OnVirtualTime(PIC16C77, 1);
  if (Failed("PIC16F877", f877) || Failed("busy PIC16F877", f877Busy) || Failed("PIC16F84", f84) ||
      Failed("busy PIC16F84", f84Busy) || Failed("PIC16C77", c77)) {
    return 1;
  }
  std::printf("f877_write_verify_cpu_s %.3f s\n", f877.cpuSeconds);
  std::printf("c77_write_verify_cpu_s %.3f s\n", c77.cpuSeconds);
  std::printf("f877_port_accesses %llu accesses\n", static_cast<unsigned long long>(f877.accesses));
  std::printf("f877_write_verify_virtual_s %.1f s\n", f877.elapsedSeconds);
  std::printf("f877_needed_s %.1f s\n", f877.neededSeconds);
  std::printf("f877_virtual_per_needed %.3f ratio\n", f877.elapsedSeconds / f877.neededSeconds);
  std::printf("f877_virtual_per_needed_busy_measure %.3f ratio\n", f877Busy.elapsedSeconds / f877Busy.neededSeconds);
  std::printf("f84_write_virtual_s %.1f s\n", f84.elapsedSeconds);
  std::printf("f84_needed_s %.1f s\n", f84.neededSeconds);
  std::printf("f84_virtual_per_needed %.3f ratio\n", f84.elapsedSeconds / f84.neededSeconds);
  std::printf("f84_virtual_per_needed_busy_measure %.3f ratio\n", f84Busy.elapsedSeconds / f84Busy.neededSeconds);
  std::fflush(stdout);

  SystemClock realClock;
  const Run real = WriteFullChip(realClock, PIC16F877, 1);
  if (Failed("real-clock PIC16F877", real)) return 1;
  std::printf("f877_real_clock_write_s %.1f s\n", real.elapsedSeconds);
  std::printf("f877_real_clock_cpu_share %.1f %%\n", 100.0 * real.cpuSeconds / real.elapsedSeconds);
  return 0;
}

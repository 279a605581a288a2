// The simulated writer under a PIC read loop: the engine's Pic84 primitive
// reads and increments through a PIC16F877 on virtual time, the way a
// program memory read does. Prints the port accesses (data register writes
// and status reads) per second of CPU time.
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <string>

#include "engine/pic/PicWrite.h"
#include "platform/UserMessages.h"
#include "platform/VirtualClock.h"
#include "port/ParallelPort.h"
#include "sim/PicChip.h"
#include "sim/SimulatedWriter.h"

namespace {

using namespace tarvel;

double CpuSeconds() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

class SilentMessages : public UserMessages {
 public:
  void Show(const std::string&) override {}
  void ShowBox(const std::string&, const std::string&, MessageIcon) override {}
};

constexpr int kPasses = 40;
constexpr int32_t kReadProgram = 4;
constexpr int32_t kIncrement = 6;

}  // namespace

int main() {
  VirtualClock clock;
  SilentMessages messages;
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
  for (int pass = 0; pass < kPasses; ++pass) {
    for (int32_t i = 0; i < program.Size(); ++i) {
      if (pic.Pic84(kReadProgram, 0) != program.Stored(i)) ++mismatches;
      pic.Pic84(kIncrement, 0);
    }
  }
  const double seconds = CpuSeconds() - start;
  const uint64_t accesses = writer.Accesses() - accessesBefore;
  pic.Pic84(TPicWrite::kLeaveProgramming, 0);

  if (mismatches != 0) {
    std::fprintf(stderr, "bench_sim: %llu words read back wrong\n", static_cast<unsigned long long>(mismatches));
    return 1;
  }
  std::printf("pic_accesses_per_cpu_s %.0f accesses/s\n", static_cast<double>(accesses) / seconds);
  return 0;
}

// The Intel HEX reader on a 1 MB file of 16-byte data records (made here, in
// a temporary folder), and the program image taken from it. Prints the CPU
// time of one load.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "BenchSupport.h"
#include "files/HexSource.h"
#include "files/ProgramImage.h"
#include "platform/UserMessages.h"

namespace {

using tarvel::bench::CpuSeconds;

class CountingMessages : public tarvel::UserMessages {
 public:
  int shown = 0;
  void Show(const std::string&) override { ++shown; }
  void ShowBox(const std::string&, const std::string&, tarvel::MessageIcon) override { ++shown; }
};

std::string MegabyteOfRecords() {
  std::string text;
  char record[64];
  for (uint32_t i = 0; text.size() < (1u << 20); ++i) {
    std::snprintf(record, sizeof record, ":10%04X00%016X%016X%02X\r\n", (i * 16) & 0xFFFF, i, ~i, i & 0xFF);
    text += record;
  }
  return text + ":00000001FF\r\n";
}

}  // namespace

int main() {
  std::string folder = (std::filesystem::temp_directory_path() / "tarvel-bench-XXXXXX").string();
  if (::mkdtemp(folder.data()) == nullptr) {
    std::perror("bench_files: temporary folder");
    return 1;
  }
  const std::string path = folder + "/1mb.hex";
  std::ofstream(path, std::ios::binary) << MegabyteOfRecords();

  CountingMessages messages;
  tarvel::THexSource hex(messages);
  constexpr int kRuns = 20;
  int failures = 0;
  const double begin = CpuSeconds();
  for (int run = 0; run < kRuns; ++run) {
    if (hex.LoadFile(path) != 1) ++failures;
  }
  const double load = (CpuSeconds() - begin) / kRuns;
  const double convertBegin = CpuSeconds();
  const tarvel::ProgramHexWords words = tarvel::ProgramWordsFromHex(hex, 0x1FFF);
  const double convert = CpuSeconds() - convertBegin;

  std::filesystem::remove_all(folder);
  if (failures != 0 || messages.shown != 0 || !words.words[0x1FFF].has_value()) {
    std::fprintf(stderr, "bench_files: the generated file did not load\n");
    return 1;
  }
  std::printf("hex_1mb_load_cpu_s %.4f s\n", load);
  std::printf("hex_program_words_cpu_s %.5f s\n", convert);
  return 0;
}

// The Intel HEX files, made here in a temporary folder:
// - a 1 MB file of 16-byte records, loaded by the reader, and the program
//   image taken from it;
// - a 1 MB image saved as INHX32 (the text goes through the atomic save);
// - a 200 MB file read as a stream, first of all: the process's peak memory
//   once it is read.
// Prints CPU times and memory.
#include <sys/resource.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "BenchSupport.h"
#include "files/HexSource.h"
#include "files/HexWriter.h"
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

uint8_t PatternByte(size_t i) { return static_cast<uint8_t>(i * 7 + (i >> 12)); }

// An image of `size` bytes, every one given.
tarvel::HexBytes Pattern(size_t size) {
  tarvel::HexBytes bytes(size);
  for (size_t i = 0; i < size; ++i) bytes[i] = PatternByte(i);
  return bytes;
}

// An INHX32 file of about `megabytes` MB, 64 KB of data under each linear
// address, written a piece at a time so that making it takes little memory.
bool WriteHexFile(const std::string& path, size_t megabytes) {
  constexpr size_t kBlock = 1u << 16;
  constexpr size_t kRecord = 16;
  std::vector<uint8_t> records;  // the data records of one block, the same under every address
  for (size_t address = 0; address < kBlock; address += kRecord) {
    uint8_t data[kRecord];
    for (size_t i = 0; i < kRecord; ++i) data[i] = PatternByte(address + i);
    tarvel::AppendHexRecord(records, tarvel::kDataRecord, static_cast<uint16_t>(address), data, kRecord);
  }
  std::ofstream file(path, std::ios::binary);
  const auto put = [&file](const std::vector<uint8_t>& text) {
    file.write(reinterpret_cast<const char*>(text.data()), static_cast<std::streamsize>(text.size()));
  };
  uint16_t upper = 0;
  for (size_t written = 0; written < (megabytes << 20); written += records.size(), ++upper) {
    std::vector<uint8_t> address;
    tarvel::AppendLinearAddressRecord(address, upper);
    put(address);
    put(records);
  }
  std::vector<uint8_t> end;
  tarvel::AppendHexRecord(end, tarvel::kEndOfFileRecord, 0, nullptr, 0);
  put(end);
  return static_cast<bool>(file);
}

long PeakKilobytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

}  // namespace

int main() {
  std::string folder = (std::filesystem::temp_directory_path() / "tarvel-bench-XXXXXX").string();
  if (::mkdtemp(folder.data()) == nullptr) {
    std::perror("bench_files: temporary folder");
    return 1;
  }
  const std::string path = folder + "/1mb.hex";
  const std::string bigPath = folder + "/200mb.hex";
  const bool made = WriteHexFile(path, 1) && WriteHexFile(bigPath, 200);

  CountingMessages messages;
  tarvel::THexSource hex(messages);
  constexpr int kRuns = 20;
  int failures = made ? 0 : 1;
  if (hex.LoadFile(bigPath) != 1) ++failures;
  const long peakAfterBig = PeakKilobytes();

  double begin = CpuSeconds();
  for (int run = 0; run < kRuns; ++run) {
    if (hex.LoadFile(path) != 1) ++failures;
  }
  const double load = (CpuSeconds() - begin) / kRuns;
  begin = CpuSeconds();
  const tarvel::ProgramHexWords words = tarvel::ProgramWordsFromHex(hex, 0x1FFF);
  const double convert = CpuSeconds() - begin;

  const tarvel::HexBytes megabyte = Pattern(1u << 20);
  begin = CpuSeconds();
  for (int run = 0; run < kRuns; ++run) {
    if (!tarvel::SaveHexFile(folder + "/saved.hex", megabyte, tarvel::HexFormat::Inhx32).saved) ++failures;
  }
  const double save = (CpuSeconds() - begin) / kRuns;

  std::filesystem::remove_all(folder);
  if (failures != 0 || messages.shown != 0 || !words.words[0x1FFF].has_value()) {
    std::fprintf(stderr, "bench_files: the generated files did not load or save\n");
    return 1;
  }
  std::printf("hex_1mb_load_cpu_s %.4f s\n", load);
  std::printf("hex_program_words_cpu_s %.5f s\n", convert);
  std::printf("hex_save_1mb_cpu_s %.4f s\n", save);
  std::printf("hex_200mb_load_peak_rss_mb %.1f MB\n", static_cast<double>(peakAfterBig) / 1024.0);
  return 0;
}

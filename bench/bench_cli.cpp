// tarvel-cli as a user runs it: whole processes, timed on the wall clock.
// - cli_start_wall_s: `tarvel-cli devices`, the cost of starting at all;
// - cli_f877_write_verify_wall_s: a whole PIC16F877 (8192 program words,
//   256 data bytes, the configuration word and the ID) written and verified
//   on the simulated writer on virtual time (goal: under 0.5 s).
// Each figure is the median of several runs.
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "files/HexWriter.h"
#include "files/PicHexImage.h"

extern char** environ;

namespace {

constexpr int kRuns = 7;

// The wall time of one run, or a negative time when it did not end with 0.
double RunSeconds(const std::vector<std::string>& arguments) {
  std::vector<std::string> texts{TARVEL_CLI};
  texts.insert(texts.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  for (std::string& text : texts) argv.push_back(text.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t files;
  posix_spawn_file_actions_init(&files);
  posix_spawn_file_actions_addopen(&files, 1, "/dev/null", O_WRONLY, 0);
  const auto start = std::chrono::steady_clock::now();
  pid_t pid = -1;
  int status = -1;
  if (posix_spawn(&pid, TARVEL_CLI, &files, nullptr, argv.data(), environ) == 0) ::waitpid(pid, &status, 0);
  const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
  posix_spawn_file_actions_destroy(&files);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? elapsed.count() : -1.0;
}

double MedianSeconds(const std::vector<std::string>& arguments) {
  std::vector<double> times;
  for (int run = 0; run < kRuns; ++run) {
    const double seconds = RunSeconds(arguments);
    if (seconds < 0) {
      std::fprintf(stderr, "bench_cli: tarvel-cli %s failed\n", arguments.back().c_str());
      std::exit(1);
    }
    times.push_back(seconds);
  }
  std::sort(times.begin(), times.end());
  return times[kRuns / 2];
}

}  // namespace

int main() {
  using namespace tarvel;
  const std::filesystem::path folder = std::filesystem::temp_directory_path() / ("tarvel-bench-cli-" + std::to_string(::getpid()));
  std::filesystem::create_directories(folder);
  PicChipImage image;
  for (uint32_t word = 0; word < 8192; ++word) image.program.push_back(static_cast<uint16_t>(word * 2654435761u >> 18));
  for (uint32_t byte = 0; byte < 256; ++byte) image.data.push_back(static_cast<uint8_t>(byte * 97));
  image.config = 0x3F72;
  image.id = {{1, 2, 3, 4}};
  const std::string file = (folder / "f877.hex").string();
  if (!SaveHexFile(file, PicHexBytes(image, PIC16F877), HexFormat::Inhx8m).saved) return 1;

  std::printf("cli_start_wall_s %.3f s\n", MedianSeconds({"devices"}));
  std::printf("cli_f877_write_verify_wall_s %.3f s\n",
              MedianSeconds({"-d", "PIC16F877", "-w", "sim", "-q", "write", file}));
  std::filesystem::remove_all(folder);
  return 0;
}

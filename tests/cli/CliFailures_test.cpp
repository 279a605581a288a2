// How tarvel-cli ends when it cannot do what it was asked: its exit status
// and what it tells, on the terminal and as JSON.
#include <gtest/gtest.h>

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <regex>
#include <thread>

#include "CliRunner.h"

namespace tarvel {
namespace {

using test::CliResult;

std::string Fixture(const std::string& name) { return std::string(TARVEL_TEST_DATA_DIR) + "/" + name; }

TEST(CliFailures, EachExitStatusWithItsMessage) {
  test::CliRunner cli;
  const std::string blink = Fixture("pic16f84_blink_inhx8m.hex");
  const std::string bad = cli.Folder().Write("bad.hex", ":0100000042BD\n:0100010043FF\n:00000001FF\n");
  const std::string notPort = cli.Folder().Write("not-a-port", "");
  const std::string notChips = cli.Folder().Write("chips.json", "{\"format\": \"something else\"}");
  const std::string shortChip = cli.Folder().Write(
      "short.json", "{\"format\": \"tarvel simulated chips\", \"version\": 1, \"chips\": {\"PIC16F84\": {}}}");
  struct Case {
    std::vector<std::string> arguments;
    int status;
    std::string told;  // on stderr
  };
  const Case cases[] = {
      {{"--bogus"}, 2, "Unknown option 'bogus'.\nTry 'tarvel-cli --help' for more information."},
      {{"-d", "pic99", "erase"}, 2, "Unknown device 'pic99'. 'tarvel-cli devices' lists the devices."},
      {{"-d", "pic16f84", "frob"}, 2, "Unknown command 'frob'."},
      {{"-d", "pic16f84", "write"}, 2, "write needs FILE."},
      {{"-d", "pic16f84", "read", "x.hex", "--no-verify"}, 2, "--no-verify is not an option of read."},
      {{"-d", "pic16f84", "--wait", "0", "erase"}, 2, "--wait takes a number from 1 to 30000, not '0'."},
      {{"-d", "pic16f84", "-w", "sim", "protect", "1"}, 2,
       "The PIC16F84 offers the protection levels 0 = All (0000H-03FFH); '1' is none of them."},
      {{"-d", "pic16f84", "erase"}, 3, "or use --writer sim to try the commands on the simulated writer."},
      {{"-d", "pic16f84", "-w", "ppdev:" + cli.Path("parport9"), "erase"}, 3, "No such port"},
      {{"-d", "pic16f84", "-w", "ppdev:" + notPort, "erase"}, 3, "is not a parallel port device"},
      {{"-d", "pic16f84", "-w", "sim", "write", cli.Path("absent.hex")}, 4, "absent.hex: No such file or directory."},
      {{"-d", "pic16f84", "-w", "sim", "write", bad}, 4,
       "bad.hex:2: Line 2 of the HEX file: the record's checksum is FFH, its bytes give BBH."},
      {{"-d", "pic16f84", "-w", "sim:" + notChips, "erase"}, 4, "is no file of simulated chips"},
      {{"-d", "pic16f84", "-w", "sim:" + shortChip, "erase"}, 4, "has no \"program\" of 4096 hexadecimal digits"},
      {{"-d", "pic16f84", "-w", "sim", "write", Fixture("pic16f877_whole_inhx8m.hex")}, 4,
       "does not fit the PIC16F84:\n- program words"},
      {{"-d", "pic16c74", "-w", "sim", "erase"}, 5, "Failed to erase.\nWe can't erase this device."},
      {{"-d", "pic12c508", "-w", "sim", "id"}, 5, "tarvel reads and writes no ID words of the PIC12C508."},
      {{"-d", "24xx02", "-w", "sim", "config"}, 5, "The 24xx02 is a serial EEPROM"},
      {{"-d", "pic16f84", "-w", "sim", "verify", blink}, 1,
       "program memory: Different data is found in \nAddress    0000H\nExpected   2805H\nRead Data  3FFFH"},
      {{"-d", "pic16f877", "-w", "sim", "verify", blink, "--memory", "data"}, 1,
       "data memory: Different data is found in \nAddress    0000H\nExpected   0011H\nRead Data  00FFH"},
  };
  for (const Case& c : cases) {
    const CliResult result = cli.Run(c.arguments);
    EXPECT_EQ(result.status, c.status) << c.arguments.back() << "\n" << result.err;
    EXPECT_NE(result.err.find(c.told), std::string::npos) << result.err;
    EXPECT_EQ(result.out, "") << c.arguments.back();
  }
  // Files that cannot be used stay as they were.
  EXPECT_EQ(cli.Read("chips.json"), "{\"format\": \"something else\"}");
  EXPECT_NE(cli.Read("short.json").find("{}"), std::string::npos);

  // The same as JSON on stdout, numbers as numbers.
  EXPECT_EQ(cli.Run({"--json", "-d", "pic16f84", "frob"}).out,
            "{\"command\":\"frob\",\"result\":\"usage-error\",\"message\":\"Unknown command 'frob'.\"}\n");
  EXPECT_EQ(cli.Run({"--json", "-d", "pic16f84", "-w", "sim", "verify", blink}).out,
            "{\"command\":\"verify\",\"device\":\"PIC16F84\",\"result\":\"differs\",\"memory\":\"program\","
            "\"address\":0,\"wanted\":10245,\"read\":16383,\"message\":\"Different data is found in \\nAddress    "
            "0000H\\nExpected   2805H\\nRead Data  3FFFH\"}\n");
}

// Ctrl+C during a write on the real clock: the write stops at the next cell,
// the program ends with 130, and the simulated chip keeps the words written
// before that cell and nothing after it. The simulator's virtual time would
// finish the write before the signal came, so this one runs at the chip's
// own pace (about 13 s for the whole program), and is stopped after a second.
TEST(CliFailures, CtrlCStopsAWriteAtTheNextCell) {
  test::CliRunner cli;
  std::string image;
  for (int word = 0; word < 1024; ++word) image += {static_cast<char>(word & 0xFF), static_cast<char>(word >> 8 & 0x3F)};
  const std::string program = cli.Folder().Write("program.bin", image);
  const std::string chips = cli.Path("chips.json");
  const pid_t pid = cli.Start({"-d", "pic16f84", "-w", "sim:" + chips, "--real-time", "--json", "write", program});
  std::this_thread::sleep_for(std::chrono::seconds(1));
  ASSERT_EQ(::kill(pid, SIGINT), 0);
  const CliResult result = cli.Wait(pid);
  ASSERT_EQ(result.status, 130) << result.out << result.err;

  std::smatch found;
  ASSERT_TRUE(std::regex_search(result.out, found, std::regex("\"result\":\"interrupted\",\"memory\":\"program\","
                                                              "\"address\":(\\d+),\"message\":\"Cancelled at")))
      << result.out;
  const int stoppedAt = std::stoi(found[1]);
  EXPECT_LT(stoppedAt, 1024);
  const std::string kept = cli.Read("chips.json");
  ASSERT_TRUE(std::regex_search(kept, found, std::regex("\"program\": \"([0-9A-F]*)\"")));
  const std::string words = found[1];
  ASSERT_EQ(words.size(), 4096u);
  for (int word = 0; word < 1024; ++word) {
    char wanted[5];
    std::snprintf(wanted, sizeof wanted, "%04X", word < stoppedAt ? word & 0x3FFF : 0x3FFF);
    ASSERT_EQ(words.substr(static_cast<size_t>(word) * 4, 4), wanted) << "word " << word;
  }
}

// A read that is stopped leaves the file it would have replaced as it was.
// A 24xx256 read at the bus's own pace takes seconds on the real clock.
TEST(CliFailures, CtrlCStopsAReadAndKeepsTheFile) {
  test::CliRunner cli;
  const std::string kept = cli.Folder().Write("kept.bin", "the last good read");
  const pid_t pid = cli.Start({"-d", "24xx256", "-w", "sim", "--real-time", "read", kept});
  std::this_thread::sleep_for(std::chrono::milliseconds(500));
  ASSERT_EQ(::kill(pid, SIGINT), 0);
  const CliResult result = cli.Wait(pid);
  EXPECT_EQ(result.status, 130);
  EXPECT_NE(result.err.find("Cancelled at address"), std::string::npos) << result.err;
  EXPECT_NE(result.err.find("kept.bin was left as it was."), std::string::npos) << result.err;
  EXPECT_EQ(cli.Read("kept.bin"), "the last good read");
}

// A read whose file would pass the size limit of the process fails with the
// system's reason, and the old file stays whole with no temporary one left.
TEST(CliFailures, ReadPastTheFileSizeLimitKeepsTheFile) {
  test::CliRunner cli;
  const std::string kept = cli.Folder().Write("kept.bin", "the last good read");
  rlimit limit{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &limit), 0);
  const rlimit small{4096, limit.rlim_max};
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  const pid_t pid = cli.Start({"-d", "24xx256", "-w", "sim", "read", kept});
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limit), 0);
  const CliResult result = cli.Wait(pid);
  EXPECT_EQ(result.status, 4);
  EXPECT_NE(result.err.find("Cannot write " + kept + ": "), std::string::npos) << result.err;
  EXPECT_NE(result.err.find("File too large"), std::string::npos) << result.err;
  EXPECT_EQ(cli.Read("kept.bin"), "the last good read");
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(cli.Folder().Path())) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"config", "kept.bin", "stderr", "stdout"}));
}

}  // namespace
}  // namespace tarvel

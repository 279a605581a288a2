// tarvel-cli end to end: each command a process of its own, the chips kept
// between them in a simulated writer's file.
#include <gtest/gtest.h>

#include "CliRunner.h"
#include "files/DataImage.h"
#include "files/HexWriter.h"
#include "files/PicHexImage.h"
#include "support/RecordingMessages.h"

namespace tarvel {
namespace {

using test::CliResult;

std::string Fixture(const std::string& name) { return std::string(TARVEL_TEST_DATA_DIR) + "/" + name; }

// A 14-bit EPROM program with its configuration word and ID, as an assembler
// would write it.
std::string EpromProgram(const test::CliRunner& cli) {
  PicChipImage image;
  for (uint16_t word = 0; word < 300; ++word) image.program.push_back(static_cast<uint16_t>(word * 37 % 0x3FFF));
  image.config = 0x3FB1;
  image.id = {{1, 2, 3, 4}};
  const std::string path = cli.Path("c74.hex");
  EXPECT_TRUE(SaveHexFile(path, PicHexBytes(image, PIC16C74), HexFormat::Inhx32).saved);
  return path;
}

struct Family {
  const char* device;
  std::string file;  // a fixture, or empty for the generated EPROM program
};

void PrintTo(const Family& family, std::ostream* out) { *out << family.device; }

class CliRoundTrip : public ::testing::TestWithParam<Family> {};

// Blank, written, no longer blank, verified, and read back into a file that
// holds every value the written one did.
TEST_P(CliRoundTrip, WriteVerifyAndReadBackInSeparateRuns) {
  const Family& family = GetParam();
  test::CliRunner cli;
  const std::string written = family.file.empty() ? EpromProgram(cli) : Fixture(family.file);
  const std::string read = cli.Path("read.hex");
  const auto run = [&](std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), {"-d", family.device, "-w", "sim:" + cli.Path("chips.json")});
    return cli.Run(arguments);
  };
  EXPECT_EQ(run({"blank-check"}).status, 0);
  const CliResult write = run({"write", written});
  ASSERT_EQ(write.status, 0) << write.err;
  EXPECT_NE(write.out.find("Written and verified"), std::string::npos) << write.out;
  EXPECT_EQ(run({"blank-check"}).status, 1);
  EXPECT_EQ(run({"verify", written}).status, 0);
  ASSERT_EQ(run({"read", read}).status, 0);

  test::RecordingMessages messages;
  THexSource wanted(messages);
  THexSource found(messages);
  ASSERT_EQ(wanted.LoadFile(written), 1);
  ASSERT_EQ(found.LoadFile(read), 1);
  int compared = 0;
  for (int32_t address = 0; address < THexSource::kImageSize; ++address) {
    if (!wanted.Written()[address]) continue;
    ASSERT_TRUE(found.Written()[address]) << address;
    EXPECT_EQ(found.Buffer()[address], wanted.Buffer()[address]) << address;
    ++compared;
  }
  EXPECT_GE(compared, 20);
}

INSTANTIATE_TEST_SUITE_P(Families, CliRoundTrip,
                         ::testing::Values(Family{"PIC12C509", "pic12c509_whole_inhx8m.hex"},
                                           Family{"pic16c74", ""},
                                           Family{"PIC16F84", "pic16f84_blink_inhx32.hex"},
                                           Family{"24LC16", "eeprom24xx_table_inhx8m.hex"}),
                         [](const auto& info) { return std::string(info.param.device); });

// The chip's parts one at a time, the window's settings as the defaults, and
// the answers as JSON.
TEST(CliParts, ConfigurationAndIdOnTheirOwnWithTheWindowsSettings) {
  test::CliRunner cli;
  cli.Folder().Write("config/Melfort/tarvel.conf",
                     "[General]\nVersion=2.37\n[Write]\nPortAccess=3\nCategory=0\nPICDevice=40\nWaitTime=500\n");
  EXPECT_EQ(cli.Run({"config", "3FF9"}).status, 0);
  EXPECT_EQ(cli.Run({"id", "TARVEL"}).status, 0);
  // The window's simulated writer starts from a blank chip in every run.
  EXPECT_EQ(cli.Run({"config"}).out, "3FFF\n");

  const std::string chips = "sim:" + cli.Path("chips.json");
  EXPECT_EQ(cli.Run({"-w", chips, "--json", "config", "0x3ff1"}).out,
            "{\"command\":\"config\",\"device\":\"PIC16F84\",\"result\":\"ok\",\"message\":\"Completed successfully\"}\n");
  EXPECT_EQ(cli.Run({"-w", chips, "id", "T1"}).status, 0);
  EXPECT_EQ(cli.Run({"-w", chips, "--json", "config"}).out,
            "{\"command\":\"config\",\"device\":\"PIC16F84\",\"result\":\"ok\",\"config\":16369}\n");
  EXPECT_EQ(cli.Run({"-w", chips, "id"}).out, "\"T1     \"\n");
  // Only the configuration word is written, and never with the code
  // protection it asks for; the ID stays.
  const std::string blink = Fixture("pic16f84_blink_inhx8m.hex");
  const CliResult protecting = cli.Run({"-w", chips, "write", blink, "--memory", "config", "--config", "3FC5"});
  EXPECT_EQ(protecting.status, 0);
  EXPECT_NE(protecting.err.find("3FC5H sets code protection; it was written without it."), std::string::npos);
  EXPECT_EQ(cli.Run({"-w", chips, "config"}).out, "3FF5\n");
  EXPECT_EQ(cli.Run({"-w", chips, "verify", blink, "--memory", "id"}).status, 1);
  EXPECT_EQ(cli.Run({"-w", chips, "id"}).out, "\"T1     \"\n");

  // Settings of another version are the window's to throw away.
  cli.Folder().Write("config/Melfort/tarvel.conf", "[General]\nVersion=2.36\n[Write]\nPortAccess=3\n");
  const CliResult stale = cli.Run({"config"});
  EXPECT_EQ(stale.status, 2);
  EXPECT_NE(stale.err.find("No device given"), std::string::npos) << stale.err;
}

// Devices under the names users give them, and the files that hold one
// memory: what info finds in them, and binary reads of each memory.
TEST(CliNamesAndFiles, DeviceNamesInfoAndBinaryFiles) {
  test::CliRunner cli;
  const std::pair<const char*, const char*> names[] = {
      {"16c62b", "PIC16C62A,B"}, {"PIC12C509A", "PIC12C509[A]"}, {"24c02", "24xx02"}, {"24AA256", "24xx256"}};
  for (const auto& [given, listed] : names) {
    EXPECT_NE(cli.Run({"-d", given, "-w", "sim", "--json", "blank-check"}).out.find(std::string("\"device\":\"") +
                                                                                     listed + "\""),
              std::string::npos)
        << given;
  }
  const std::string devices = cli.Run({"devices", "--json"}).out;
  size_t listed = 0;
  for (size_t at = devices.find("\"name\""); at != std::string::npos; at = devices.find("\"name\"", at + 1)) ++listed;
  EXPECT_EQ(listed, 54u);

  const std::string blink = Fixture("pic16f84_blink_inhx8m.hex");
  const CliResult info = cli.Run({"-d", "pic16f84", "info", blink});
  EXPECT_NE(info.out.find("program words:      10 in 0000H-000CH\n  data EEPROM bytes:  4 in 00H-03H\n"
                          "  configuration word: 3FF1H\n  ID:                 words 0001 0002 0003 0004"),
            std::string::npos)
      << info.out;

  const std::string chips = "sim:" + cli.Path("chips.json");
  ASSERT_EQ(cli.Run({"-d", "pic16f84", "-w", chips, "write", blink}).status, 0);
  ASSERT_EQ(cli.Run({"-d", "pic16f84", "-w", chips, "read", cli.Path("data.bin"), "--memory", "data"}).status, 0);
  ASSERT_EQ(cli.Run({"-d", "pic16f84", "-w", chips, "read", cli.Path("program.bin")}).status, 0);
  const std::string data = cli.Read("data.bin");
  EXPECT_EQ(data, std::string("\x11\x22\x33\xA5") + std::string(60, '\xFF'));
  const std::string program = cli.Read("program.bin");
  ASSERT_EQ(program.size(), 2048u);
  EXPECT_EQ(program.substr(0, 4), std::string("\x05\x28\xFF\x3F", 4));
  // The binary data goes back to a chip of its own, and verifies there.
  EXPECT_EQ(cli.Run({"-d", "pic16f628", "-w", chips, "write", cli.Path("data.bin"), "--memory", "data"}).status, 0);
  EXPECT_EQ(cli.Run({"-d", "pic16f628", "-w", chips, "verify", blink, "--memory", "data"}).status, 0);
}

}  // namespace
}  // namespace tarvel

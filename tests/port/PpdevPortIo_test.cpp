#include "port/PpdevPortIo.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "support/TempTree.h"

namespace tarvel {
namespace {

using ::testing::HasSubstr;

// The open on a fake /dev and /proc tree: every way it can fail names the
// cause and what to do. The claim itself runs against a FUSE device in
// test_port_fuse.
struct PpdevOpenTest : ::testing::Test {
  void SetUp() override { ASSERT_TRUE(tree.Valid()); }
  void AddPort(const std::string& name, int base) {
    tree.Write("proc/sys/dev/parport/" + name + "/base-addr", std::to_string(base) + "\t-1\n");
  }
  std::string OpenError(PPortType type) {
    PpdevPortIo::OpenResult result = PpdevPortIo::Open(type, locator);
    EXPECT_EQ(result.port, nullptr);
    return result.error;
  }
  std::string OpenDeviceError(const std::string& path) {
    PpdevPortIo::OpenResult result = PpdevPortIo::OpenDevice(path, AT378, locator);
    EXPECT_EQ(result.port, nullptr);
    return result.error;
  }

  test::TempTree tree;
  ParportLocator locator{tree.Path("dev"), tree.Path("proc")};
};

TEST_F(PpdevOpenTest, NoPortAtAllSaysSoAndHowToLoadTheDrivers) {
  const std::string error = OpenError(AT378);
  EXPECT_THAT(error, HasSubstr("No parallel port found"));
  EXPECT_THAT(error, HasSubstr("modprobe parport_pc ppdev"));
}

TEST_F(PpdevOpenTest, OnlyAUsbPrinterAdapterIsNamedAsUnusable) {
  tree.Write("dev/usb/lp0", "");
  const std::string error = OpenError(AT378);
  EXPECT_THAT(error, HasSubstr(tree.Path("dev/usb/lp0")));
  EXPECT_THAT(error, HasSubstr("cannot be used as a writer"));
}

TEST_F(PpdevOpenTest, APortTypeWithoutPortListsThePortsThereAre) {
  AddPort("parport0", 0x378);
  AddPort("parport1", 0x278);
  const std::string error = OpenError(AT3BC);
  EXPECT_THAT(error, HasSubstr("No parallel port at 3BCH"));
  EXPECT_THAT(error, HasSubstr("378H (" + tree.Path("dev/parport0") + ")"));
  EXPECT_THAT(error, HasSubstr("278H (" + tree.Path("dev/parport1") + ")"));
  EXPECT_THAT(OpenError(NEC40), HasSubstr("No parallel port at 40H"));
}

TEST_F(PpdevOpenTest, APortWithoutDeviceFileAsksForThePpdevDriver) {
  AddPort("parport0", 0x378);
  const std::string error = OpenError(AT378);
  EXPECT_THAT(error, HasSubstr("parport0"));
  EXPECT_THAT(error, HasSubstr("modprobe ppdev"));
}

TEST_F(PpdevOpenTest, ThePortIsFoundByItsBaseAddress) {
  AddPort("parport0", 0x278);
  AddPort("parport1", 0x378);
  tree.Write("dev/parport0", "");
  tree.Write("dev/parport1", "");
  // A regular file stands in for the device, so the open reaches the claim
  // on the right file and fails there.
  const std::string error = OpenError(AT378);
  EXPECT_THAT(error, HasSubstr(tree.Path("dev/parport1") + " is not a parallel port device"));
  EXPECT_THAT(OpenError(AT278), HasSubstr(tree.Path("dev/parport0")));
}

TEST_F(PpdevOpenTest, FilesThatAreNoParallelPortAreRefused) {
  EXPECT_THAT(OpenDeviceError(tree.Write("dev/not-a-port", "")), HasSubstr("is not a parallel port device"));
  EXPECT_THAT(OpenDeviceError(tree.MakeDir("dev/folder")), HasSubstr("is not a parallel port device"));
  EXPECT_THAT(OpenDeviceError("/dev/null"), HasSubstr("/dev/null is not a parallel port device"));
}

TEST_F(PpdevOpenTest, AMissingDeviceIsNoSuchPort) {
  EXPECT_EQ(OpenDeviceError(tree.Path("dev/parport7")),
            "No such port: " + tree.Path("dev/parport7") + " does not exist.");
}

TEST_F(PpdevOpenTest, AUsbPrinterDeviceIsRefusedByName) {
  const std::string path = tree.Write("dev/usb/lp1", "");
  const std::string error = OpenDeviceError(path);
  EXPECT_THAT(error, HasSubstr(path + " is a USB printer adapter"));
  EXPECT_THAT(error, HasSubstr("cannot drive single lines"));
}

TEST_F(PpdevOpenTest, AnUnknownPortTypeIsRefused) {
  EXPECT_THAT(OpenError(static_cast<PPortType>(5)), HasSubstr("Unknown port type"));
  EXPECT_THAT(OpenDeviceError(tree.Write("dev/parport0", "")), HasSubstr("not a parallel port"));
  PpdevPortIo::OpenResult result = PpdevPortIo::OpenDevice("/dev/null", static_cast<PPortType>(9), locator);
  EXPECT_EQ(result.port, nullptr);
  EXPECT_THAT(result.error, HasSubstr("Unknown port type"));
}

}  // namespace
}  // namespace tarvel

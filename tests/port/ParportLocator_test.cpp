#include "port/ParportLocator.h"

#include <gtest/gtest.h>

#include "support/TempTree.h"

namespace tarvel {
namespace {

struct ParportLocatorTest : ::testing::Test {
  void SetUp() override { ASSERT_TRUE(tree.Valid()); }
  void AddPort(const std::string& name, const std::string& baseAddr) {
    tree.Write("proc/sys/dev/parport/" + name + "/base-addr", baseAddr);
  }

  test::TempTree tree;
  ParportLocator locator{tree.Path("dev"), tree.Path("proc")};
};

TEST_F(ParportLocatorTest, ListsThePortsWithTheirBaseAddressesInNumberOrder) {
  AddPort("parport10", "632\t-1\n");
  AddPort("parport2", "956\t1980\n");
  AddPort("parport0", "888\t-1\n");
  tree.Write("proc/sys/dev/parport/default/timeslice", "200\n");
  AddPort("parport3", "garbage\n");  // unreadable entries are left out
  AddPort("parport4", "");

  const std::vector<ParportLocator::Port> ports = locator.Ports();
  ASSERT_EQ(ports.size(), 3u);
  EXPECT_EQ(ports[0].name, "parport0");
  EXPECT_EQ(ports[0].baseAddress, 0x378);
  EXPECT_EQ(ports[1].name, "parport2");
  EXPECT_EQ(ports[1].baseAddress, 0x3BC);
  EXPECT_EQ(ports[2].name, "parport10");
  EXPECT_EQ(ports[2].baseAddress, 0x278);
  EXPECT_EQ(locator.DevicePath("parport2"), tree.Path("dev/parport2"));
}

TEST_F(ParportLocatorTest, AMissingTreeHasNoPortsAndNoAdapters) {
  EXPECT_TRUE(locator.Ports().empty());
  EXPECT_TRUE(locator.UsbPrinterDevices().empty());
  EXPECT_FALSE(locator.PortExists("parport0"));
  EXPECT_FALSE(locator.ActiveClaimant("parport0").has_value());
}

TEST_F(ParportLocatorTest, FindsUsbPrinterAdapters) {
  tree.Write("dev/usb/lp1", "");
  tree.Write("dev/usb/lp0", "");
  tree.Write("dev/usb/hiddev0", "");
  EXPECT_EQ(locator.UsbPrinterDevices(), (std::vector<std::string>{tree.Path("dev/usb/lp0"), tree.Path("dev/usb/lp1")}));
}

TEST_F(ParportLocatorTest, ReadsWhoHoldsAPort) {
  AddPort("parport0", "888\t-1\n");
  AddPort("parport1", "632\t-1\n");
  tree.Write("proc/sys/dev/parport/parport0/devices/active", "none\n");
  tree.Write("proc/sys/dev/parport/parport1/devices/active", "lp\n");
  EXPECT_TRUE(locator.PortExists("parport0"));
  EXPECT_EQ(locator.ActiveClaimant("parport0"), "none");
  EXPECT_EQ(locator.ActiveClaimant("parport1"), "lp");
  EXPECT_FALSE(locator.PortExists(""));
}

TEST(ParportLocatorNames, APortNameIsParportAndDigits) {
  EXPECT_EQ(ParportLocator::PortNameOf("/dev/parport0"), "parport0");
  EXPECT_EQ(ParportLocator::PortNameOf("/tmp/mnt/parport12"), "parport12");
  EXPECT_EQ(ParportLocator::PortNameOf("/dev/parport"), "");
  EXPECT_EQ(ParportLocator::PortNameOf("/dev/parportx"), "");
  EXPECT_EQ(ParportLocator::PortNameOf("/dev/usb/lp0"), "");
}

}  // namespace
}  // namespace tarvel

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cerrno>
#include <memory>

#include "port/ParallelPort.h"
#include "port/PpdevPortIo.h"
#include "port_fuse/PpdevFuseServer.h"
#include "support/RecordingMessages.h"
#include "support/RecordingPortIo.h"
#include "support/TempTree.h"

namespace tarvel {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using test::PpdevFuseServer;
using test::RecordingPortIo;
using Access = RecordingPortIo::Access;

// PpdevPortIo against a ppdev device served through FUSE: the real open,
// claim, ioctls and release, with the registers recorded behind it. The
// recorder belongs to the serving thread while it runs: it is set up before
// Serve and read after the server stopped.
struct PpdevFuseTest : ::testing::Test {
  // The server is declared before every client, so it outlives them.
  bool Serve(PpdevFuseServer::Options options = {}) {
    server = std::make_unique<PpdevFuseServer>(io, AT378, options);
    whyNot = server->Start();
    return whyNot.empty();
  }
  std::string SkipText() const {
    return "FUSE is not usable here (" + whyNot + "), so the ppdev backend cannot be run against a device";
  }
  void AddProcPort(const std::string& active) {
    tree.Write("proc/sys/dev/parport/parport0/base-addr", "888\t-1\n");
    tree.Write("proc/sys/dev/parport/parport0/devices/active", active + "\n");
  }

  RecordingPortIo io;
  test::TempTree tree;
  ParportLocator fakeLocator{tree.Path("dev"), tree.Path("proc")};
  std::unique_ptr<PpdevFuseServer> server;
  std::string whyNot;
};

TEST_F(PpdevFuseTest, DataAndStatusRegistersGoThroughTheDeviceAndNothingElse) {
  io.answer = [](uint16_t address) -> uint8_t { return address == 0x379 ? 0x7F : 0x5A; };
  if (!Serve()) GTEST_SKIP() << SkipText();
  PpdevPortIo::OpenResult opened = PpdevPortIo::OpenDevice(server->DevicePath(), AT378);
  ASSERT_NE(opened.port, nullptr) << opened.error;
  EXPECT_TRUE(opened.port->Exclusive());
  EXPECT_EQ(opened.port->Path(), server->DevicePath());

  test::RecordingMessages messages;
  TParallelPort port(*opened.port, messages);
  port.OutData(0x1A5);
  EXPECT_EQ(port.InData(), 0x5Au);
  EXPECT_EQ(port.InStatus(), 0x7Fu);
  EXPECT_TRUE(port.InBusy());
  port.OutStatus(0x12);                       // ppdev offers no status write
  EXPECT_EQ(opened.port->In(0x37A), 0xFF);  // nor any other register
  opened.port->Out(0x37A, 0x00);
  opened.port->Out(0x3BC, 0x00);
  EXPECT_EQ(server->UnclaimedRequests(), 0);

  opened.port.reset();
  server->Stop();
  EXPECT_THAT(io.accesses, ElementsAre(Access{true, 0x378, 0xA5}, Access{false, 0x378, 0x5A},
                                       Access{false, 0x379, 0x7F}, Access{false, 0x379, 0x7F}));
}

TEST_F(PpdevFuseTest, ThePortIsClaimedExclusivelyAndReleasedOnDestruction) {
  if (!Serve()) GTEST_SKIP() << SkipText();
  PpdevPortIo::OpenResult opened = PpdevPortIo::OpenDevice(server->DevicePath(), AT378);
  ASSERT_NE(opened.port, nullptr) << opened.error;
  EXPECT_EQ(server->ExclusiveRequests(), 1);
  EXPECT_EQ(server->Claims(), 1);
  EXPECT_EQ(server->Releases(), 0);
  opened.port.reset();
  EXPECT_EQ(server->Releases(), 1);
}

TEST_F(PpdevFuseTest, RefusedOpensNameTheCause) {
  if (!Serve({"parport0", EACCES, false})) GTEST_SKIP() << SkipText();
  PpdevPortIo::OpenResult denied = PpdevPortIo::OpenDevice(server->DevicePath(), AT378);
  EXPECT_EQ(denied.port, nullptr);
  EXPECT_THAT(denied.error, HasSubstr("Permission denied on " + server->DevicePath()));
  EXPECT_THAT(denied.error, HasSubstr("group lp"));

  server.reset();
  ASSERT_TRUE(Serve({"parport0", EBUSY, false})) << whyNot;
  PpdevPortIo::OpenResult busy = PpdevPortIo::OpenDevice(server->DevicePath(), AT378);
  EXPECT_EQ(busy.port, nullptr);
  EXPECT_THAT(busy.error, HasSubstr("The parallel port " + server->DevicePath() + " is busy"));
}

TEST_F(PpdevFuseTest, AFreePortSharedWithAnotherDriverIsClaimedWithoutExclusion) {
  if (!Serve({"parport0", 0, true})) GTEST_SKIP() << SkipText();
  AddProcPort("none");
  PpdevPortIo::OpenResult opened = PpdevPortIo::OpenDevice(server->DevicePath(), AT378, fakeLocator);
  ASSERT_NE(opened.port, nullptr) << opened.error;
  EXPECT_FALSE(opened.port->Exclusive());
  opened.port->Out(0x378, 0x40);
  EXPECT_EQ(server->Claims(), 1);
  opened.port.reset();
  server->Stop();
  EXPECT_THAT(io.accesses, ElementsAre(Access{true, 0x378, 0x40}));
}

TEST_F(PpdevFuseTest, APortHeldByAnotherDriverIsBusyAndNeverWaitedFor) {
  if (!Serve({"parport0", 0, true})) GTEST_SKIP() << SkipText();
  AddProcPort("lp");
  PpdevPortIo::OpenResult opened = PpdevPortIo::OpenDevice(server->DevicePath(), AT378, fakeLocator);
  EXPECT_EQ(opened.port, nullptr);
  EXPECT_THAT(opened.error, HasSubstr("is busy (held by \"lp\")"));
  EXPECT_EQ(server->Claims(), 0);
}

TEST_F(PpdevFuseTest, AnExclusionRefusedForAPortTheKernelDoesNotKnowIsNoSuchPort) {
  if (!Serve({"parport0", 0, true})) GTEST_SKIP() << SkipText();
  PpdevPortIo::OpenResult opened = PpdevPortIo::OpenDevice(server->DevicePath(), AT378, fakeLocator);
  EXPECT_EQ(opened.port, nullptr);
  EXPECT_EQ(opened.error, "No such port: the kernel has no parallel port behind " + server->DevicePath() + ".");
}

TEST_F(PpdevFuseTest, AnExclusionRefusedOnAnUnnamedDeviceTellsWhatToUnload) {
  if (!Serve({"writer", 0, true})) GTEST_SKIP() << SkipText();
  PpdevPortIo::OpenResult opened = PpdevPortIo::OpenDevice(server->DevicePath(), AT378, fakeLocator);
  EXPECT_EQ(opened.port, nullptr);
  EXPECT_THAT(opened.error, HasSubstr("another driver is registered on it"));
  EXPECT_THAT(opened.error, HasSubstr("sudo rmmod lp"));
  EXPECT_EQ(server->Claims(), 0);
}

}  // namespace
}  // namespace tarvel

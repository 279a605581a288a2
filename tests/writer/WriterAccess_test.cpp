#include "writer/WriterAccess.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/VirtualClock.h"
#include "support/RecordingPortIo.h"
#include "support/TempTree.h"

namespace tarvel {
namespace {

using ::testing::HasSubstr;

// The window falls back to the simulated writer where no real one can be
// reached; a caller that asks for a real writer only is told why there is
// none instead, and keeps the simulated one out of use.
TEST(WriterAccess, ARealWriterOnlyNeverFallsBackToTheSimulatedOne) {
  test::TempTree tree;
  VirtualClock clock;
  WriterAccess::Backends backends;
  backends.locator = ParportLocator(tree.Path("dev"), tree.Path("proc"));
  backends.openGiveIO = [] { return true; };
  backends.directIo = [] { return std::make_unique<test::RecordingPortIo>(); };
  WriterAccess access(clock, backends);

  // No port at all: the simulated writer, silently, for the window.
  EXPECT_EQ(access.Choose(WriterAccess::Automatic, AT378), "");
  EXPECT_TRUE(access.IsSimulated());
  EXPECT_THAT(access.ChooseReal(WriterAccess::Automatic, AT378), HasSubstr("No parallel port found"));
  EXPECT_TRUE(access.IsSimulated());
  EXPECT_THAT(access.ChooseReal(WriterAccess::DirectIo, AT378), HasSubstr("needs permission"));
  EXPECT_TRUE(access.IsSimulated());

  // A port without its ppdev file, and direct I/O permitted: the window and
  // a real-writer caller both get direct I/O, and the kernel's problem.
  tree.Write("proc/sys/dev/parport/parport0/base-addr", "888\t-1\n");
  ASSERT_TRUE(access.ObtainPermission());
  EXPECT_THAT(access.Choose(WriterAccess::Automatic, AT378), HasSubstr("ppdev driver is not loaded"));
  EXPECT_EQ(access.Name(), "direct I/O");
  EXPECT_THAT(access.ChooseReal(WriterAccess::KernelDevice, AT378), HasSubstr("ppdev driver is not loaded"));
  EXPECT_TRUE(access.IsSimulated());

  // A device file named by its path: why it is none.
  EXPECT_THAT(access.ChooseDevice(tree.Write("dev/printer", ""), AT378), HasSubstr("is not a parallel port device"));
  EXPECT_TRUE(access.IsSimulated());
  EXPECT_THAT(access.ChooseDevice(tree.Path("dev/parport3"), AT378), HasSubstr("does not exist"));
}

}  // namespace
}  // namespace tarvel

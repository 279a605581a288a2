#include "port/DirectPortIo.h"

#include <gtest/gtest.h>

#include "port/IopermProbe.h"
#include "port/ParallelPort.h"
#include "support/RecordingMessages.h"

namespace tarvel {
namespace {

// Runs on machines without ioperm only: where it works, these accesses
// would reach real hardware.
TEST(DirectPortIoTest, WithoutPermissionEveryAccessIsRefusedAndReadsAFloatingBus) {
  if (test::IopermAvailable()) GTEST_SKIP() << "this kernel offers ioperm; refusals are covered by the fake record";
  EXPECT_FALSE(OpenGiveIO());
  DirectPortIo io;
  test::RecordingMessages messages;
  TParallelPort port(io, messages);
  for (const ParallelPortRegisters& registers : kParallelPortRegisters) {
    port.SetPortType(registers.type);
    port.OutData(0x64);
    port.OutStatus(0x00);
    EXPECT_EQ(port.InData(), 0xFFu);
    EXPECT_EQ(port.InStatus(), 0xFFu);
    EXPECT_FALSE(port.InBusy());
  }
  EXPECT_TRUE(messages.boxes.empty());
}

TEST(DirectPortIoTest, AddressesOutsideTheRecordAreNeverTouched) {
  // The record claims the writer registers; the addresses below are outside
  // it, so no instruction runs (one would end the process here).
  PortPermission permission([](unsigned long, unsigned long, int) { return 0; });
  ASSERT_TRUE(permission.Open());
  DirectPortIo io(permission);
  for (uint16_t address : {0x37A, 0x3BE, 0x27A, 0x40, 0x42, 0x80, 0x3F8, 0x2F8, 0x400, 0xFFFF}) {
    io.Out(address, 0x00);
    EXPECT_EQ(io.In(address), 0xFF) << address;
  }
}

}  // namespace
}  // namespace tarvel

#include "port/PortPermission.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <set>
#include <vector>

#include "port/IopermProbe.h"

namespace tarvel {
namespace {

struct Call {
  unsigned long from;
  unsigned long count;
  int turnOn;
};

// An ioperm that records its calls and refuses the addresses it is told to.
struct FakeIoperm {
  std::vector<Call> calls;
  std::set<unsigned long> refused;
  bool refuseAll = false;

  PortPermission::Request Function() {
    return [this](unsigned long from, unsigned long count, int turnOn) {
      calls.push_back({from, count, turnOn});
      if (refuseAll || refused.count(from) != 0) {
        errno = refuseAll ? ENOSYS : EPERM;
        return -1;
      }
      return 0;
    };
  }

  std::set<unsigned long> Touched() const {
    std::set<unsigned long> ports;
    for (const Call& call : calls) {
      for (unsigned long port = call.from; port < call.from + call.count; ++port) ports.insert(port);
    }
    return ports;
  }
};

const std::set<unsigned long> kWriterRegisters = {0x378, 0x379, 0x3BC, 0x3BD, 0x278, 0x279, 0x140, 0x141};

TEST(PortPermissionTest, AsksForTheWriterRegistersOnlyAndRecordsThem) {
  FakeIoperm ioperm;
  PortPermission permission(ioperm.Function());
  EXPECT_TRUE(permission.Open());

  EXPECT_EQ(ioperm.Touched(), kWriterRegisters);
  for (const Call& call : ioperm.calls) EXPECT_EQ(call.turnOn, 1);
  for (unsigned long port : kWriterRegisters) EXPECT_TRUE(permission.Granted(static_cast<uint16_t>(port))) << port;
  // The control registers are never used, and the PC-98 port at 40H is the
  // system timer on the machines this runs on.
  for (uint16_t port : {0x37A, 0x3BE, 0x27A, 0x40, 0x41, 0x42, 0x43, 0x80, 0x3F8, 0xFFFF}) {
    EXPECT_FALSE(permission.Granted(port)) << port;
  }
}

TEST(PortPermissionTest, NothingIsGrantedBeforeTheStep) {
  FakeIoperm ioperm;
  PortPermission permission(ioperm.Function());
  EXPECT_FALSE(permission.Granted(0x378));
  EXPECT_TRUE(ioperm.calls.empty());
}

TEST(PortPermissionTest, ASecondCallGivesTheFirstAnswerWithoutAskingAgain) {
  FakeIoperm granting;
  PortPermission granted(granting.Function());
  EXPECT_TRUE(granted.Open());
  const size_t calls = granting.calls.size();
  EXPECT_TRUE(granted.Open());
  EXPECT_EQ(granting.calls.size(), calls);

  FakeIoperm refusing;
  refusing.refuseAll = true;
  PortPermission refused(refusing.Function());
  EXPECT_FALSE(refused.Open());
  const size_t refusedCalls = refusing.calls.size();
  refusing.refuseAll = false;
  EXPECT_FALSE(refused.Open());
  EXPECT_EQ(refusing.calls.size(), refusedCalls);
  EXPECT_FALSE(refused.Granted(0x378));
}

TEST(PortPermissionTest, APartialGrantFailsButKeepsWhatWasGranted) {
  FakeIoperm ioperm;
  ioperm.refused = {0x3BC, 0x3BD};
  PortPermission permission(ioperm.Function());
  EXPECT_FALSE(permission.Open());
  EXPECT_TRUE(permission.Granted(0x378));
  EXPECT_TRUE(permission.Granted(0x141));
  EXPECT_FALSE(permission.Granted(0x3BC));
  EXPECT_FALSE(permission.Granted(0x3BD));
}

TEST(PortPermissionTest, WithoutIopermTheStepFailsAndGrantsNothing) {
  if (test::IopermAvailable()) GTEST_SKIP() << "this kernel offers ioperm; the refusal path needs one without it";
  EXPECT_FALSE(OpenGiveIO());
  EXPECT_FALSE(OpenGiveIO());
  for (unsigned long port : kWriterRegisters) {
    EXPECT_FALSE(PortPermission::Process().Granted(static_cast<uint16_t>(port))) << port;
  }
}

}  // namespace
}  // namespace tarvel

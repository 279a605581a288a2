#include <gtest/gtest.h>

#include "port/ParallelPort.h"
#include "support/RecordingMessages.h"
#include "support/RecordingPortIo.h"

namespace tarvel {
namespace {

using test::RecordingMessages;
using test::RecordingPortIo;

struct ParallelPortTest : ::testing::Test {
  RecordingPortIo io;
  RecordingMessages messages;
  TParallelPort port{io, messages};
};

TEST_F(ParallelPortTest, NewPortIsTheStandardAtPort) {
  EXPECT_EQ(port.PortType(), AT378);
  EXPECT_EQ(port.DataAddress(), 0x378);
  EXPECT_EQ(port.StatusAddress(), 0x379);
  EXPECT_EQ(port.BusyMask(), 0x80);
  EXPECT_TRUE(messages.boxes.empty());
}

TEST_F(ParallelPortTest, EveryTypeSelectsItsRegisters) {
  const struct {
    PPortType type;
    int32_t data, status, mask;
  } expected[] = {{AT378, 0x378, 0x379, 0x80},
                  {AT3BC, 0x3BC, 0x3BD, 0x80},
                  {AT278, 0x278, 0x279, 0x80},
                  {NEC40, 0x40, 0x42, 0x04},
                  {NEC140, 0x140, 0x141, 0x80}};
  for (const auto& row : expected) {
    port.SetPortType(row.type);
    EXPECT_EQ(port.PortType(), row.type);
    EXPECT_EQ(port.DataAddress(), row.data);
    EXPECT_EQ(port.StatusAddress(), row.status);
    EXPECT_EQ(port.BusyMask(), row.mask);

    io.accesses.clear();
    port.OutData(0x1FF);  // only the low byte reaches the port
    port.OutStatus(0x12);
    io.answer = [](uint16_t) { return uint8_t{0x5A}; };
    EXPECT_EQ(port.InData(), 0x5Au);
    EXPECT_EQ(port.InStatus(), 0x5Au);
    ASSERT_EQ(io.accesses.size(), 4u);
    EXPECT_EQ(io.accesses[0], (RecordingPortIo::Access{true, uint16_t(row.data), 0xFF}));
    EXPECT_EQ(io.accesses[1], (RecordingPortIo::Access{true, uint16_t(row.status), 0x12}));
    EXPECT_EQ(io.accesses[2].address, row.data);
    EXPECT_EQ(io.accesses[3].address, row.status);
  }
  EXPECT_TRUE(messages.boxes.empty());
}

TEST_F(ParallelPortTest, InBusyIsTrueWhenTheMaskedBitsReadZero) {
  for (PPortType type : {AT378, AT3BC, AT278, NEC40, NEC140}) {
    port.SetPortType(type);
    io.answer = [](uint16_t) { return uint8_t{0x00}; };
    EXPECT_TRUE(port.InBusy());
    io.answer = [](uint16_t) { return uint8_t{0xFF}; };
    EXPECT_FALSE(port.InBusy());
  }
}

TEST_F(ParallelPortTest, PC98PortTestsBitTwoAtStatusPort42) {
  port.SetPortType(NEC40);
  io.answer = [](uint16_t) { return uint8_t{0x80}; };  // bit 7 set, bit 2 clear
  EXPECT_TRUE(port.InBusy());
  io.answer = [](uint16_t) { return uint8_t{0x04}; };
  EXPECT_FALSE(port.InBusy());
  EXPECT_EQ(io.accesses.back().address, 0x42);

  port.SetPortType(AT378);
  io.answer = [](uint16_t) { return uint8_t{0x04}; };
  EXPECT_TRUE(port.InBusy());
  io.answer = [](uint16_t) { return uint8_t{0x80}; };
  EXPECT_FALSE(port.InBusy());
}

TEST_F(ParallelPortTest, OutOfRangeTypeKeepsThePreviousRegisters) {
  port.SetPortType(AT278);
  port.SetPortType(static_cast<PPortType>(5));
  ASSERT_EQ(messages.Texts(), std::vector<std::string>{"ポートの設定に失敗しました。"});
  EXPECT_EQ(messages.boxes[0].caption, "");
  EXPECT_EQ(port.PortType(), 5);
  EXPECT_EQ(port.DataAddress(), 0x278);
  EXPECT_EQ(port.StatusAddress(), 0x279);
  port.OutData(0x40);
  EXPECT_EQ(io.Written(0x278), std::vector<uint8_t>{0x40});

  port.SetPortType(static_cast<PPortType>(255));
  EXPECT_EQ(messages.boxes.size(), 2u);
  EXPECT_EQ(port.DataAddress(), 0x278);
}

}  // namespace
}  // namespace tarvel

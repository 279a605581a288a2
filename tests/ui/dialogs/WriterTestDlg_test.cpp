#include "ui/dialogs/WriterTestDlg.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>

#include "DialogTestSupport.h"
#include "platform/VirtualClock.h"
#include "sim/SimulatedWriter.h"
#include "support/RecordingPortIo.h"

namespace tarvel {
namespace {

using test::Child;
using test::ClickItem;
using Access = test::RecordingPortIo::Access;

const QColor kSilver(0xC0, 0xC0, 0xC0);
const QColor kRed(0xFF, 0x00, 0x00);
const QColor kBlue(0x00, 0x00, 0xFF);

class WriterTestDlgTest : public ::testing::Test {
 protected:
  QColor Lamp(const char* name) { return test::Background(Child<QLabel>(dlg, name)); }
  QString OutData() { return Child<QLabel>(dlg, "LblOutData").text(); }
  // The data lamps from D7 to D0, as 1 for red and 0 for silver.
  QString Lamps() {
    QString bits;
    for (int bit = 7; bit >= 0; --bit) {
      const QColor colour = Lamp(QString("PD%1").arg(bit).toLatin1().constData());
      bits += colour == kRed ? '1' : colour == kSilver ? '0' : '?';
    }
    return bits;
  }

  test::RecordingPortIo io;
  TWriterTestDlg dlg{io};
};

TEST_F(WriterTestDlgTest, OpensWithEnglishCaptionsAndTheLevelGroupsOff) {
  EXPECT_EQ(dlg.windowTitle(), "Writer Test");
  EXPECT_EQ(Child<QLabel>(dlg, "LblMessage").text(), "Disconnect the writer from PIC.");
  EXPECT_EQ(Child<QLabel>(dlg, "LblOutput").text(), "Output");
  EXPECT_EQ(Child<QPushButton>(dlg, "BtnEnd").text(), "Finish");
  auto& ports = Child<RadioGroup>(dlg, "RGPortSelect");
  EXPECT_EQ(ports.title(), "ParallelPort");
  EXPECT_EQ(ports.Item(3)->text(), "PC98 (40H)");
  EXPECT_EQ(ports.ItemIndex(), -1);

  const std::pair<const char*, int> groups[] = {{"RGPower", 1}, {"RGMclr", 2}, {"RGRb6", 2}, {"RGRb7", 2}};
  for (const auto& [name, item] : groups) {
    EXPECT_FALSE(Child<RadioGroup>(dlg, name).isEnabled()) << name;
    EXPECT_EQ(Child<RadioGroup>(dlg, name).ItemIndex(), item) << name;
  }
  EXPECT_EQ(Child<RadioGroup>(dlg, "RGMclr").Item(0)->text(), "VPP (12.5V)  D3...H  D4...L");
  EXPECT_EQ(Child<RadioGroup>(dlg, "RGRb7").Item(1)->text(), "H (5V)    D2..L  D0..H ");
  EXPECT_EQ(OutData(), "00H");
  EXPECT_EQ(Lamps(), "00000000");
  EXPECT_EQ(Lamp("PDIn"), kSilver);
}

TEST_F(WriterTestDlgTest, OpeningAndClosingWithoutAPortTouchesNoPort) {
  test::OpenModal(dlg);
  ClickItem(dlg, "RGPower", 0);  // unavailable until a port is chosen
  QTest::qWait(250);
  Child<QPushButton>(dlg, "BtnEnd").click();
  EXPECT_FALSE(dlg.isVisible());
  EXPECT_TRUE(io.accesses.empty());
}

TEST_F(WriterTestDlgTest, ChoosingAPortWritesTheCurrentByteAndReadsTheInput) {
  ClickItem(dlg, "RGPortSelect", 0);
  ASSERT_GE(io.accesses.size(), 2u);
  EXPECT_EQ(io.accesses[0], (Access{true, 0x378, 0x00}));
  EXPECT_EQ(io.accesses[1].write, false);
  EXPECT_EQ(io.accesses[1].address, 0x379);
  EXPECT_EQ(OutData(), "00H");
  EXPECT_EQ(Lamps(), "00000000");
  EXPECT_TRUE(Child<RadioGroup>(dlg, "RGPower").isEnabled());
  EXPECT_TRUE(Child<RadioGroup>(dlg, "RGRb7").isEnabled());
}

TEST_F(WriterTestDlgTest, EachLevelSetsOnlyTheBitsOfItsLine) {
  ClickItem(dlg, "RGPortSelect", 0);
  ClickItem(dlg, "RGPower", 0);
  ClickItem(dlg, "RGMclr", 0);
  ClickItem(dlg, "RGRb6", 0);
  ClickItem(dlg, "RGRb7", 0);
  EXPECT_EQ(dlg.OutputByte(), 0x6C);
  EXPECT_EQ(OutData(), "6CH");
  EXPECT_EQ(Lamps(), "01101100");
  EXPECT_EQ(io.Written(0x378).back(), 0x6C);

  ClickItem(dlg, "RGMclr", 3);
  EXPECT_EQ(dlg.OutputByte(), 0x7C);
  ClickItem(dlg, "RGMclr", 1);
  EXPECT_EQ(dlg.OutputByte(), 0x74);
  ClickItem(dlg, "RGPower", 1);
  EXPECT_EQ(dlg.OutputByte(), 0x34);
  EXPECT_EQ(io.Written(0x378), (std::vector<uint8_t>{0x00, 0x40, 0x48, 0x68, 0x6C, 0x7C, 0x74, 0x34}));
}

TEST_F(WriterTestDlgTest, DrivingBothProgrammingPinsHigh) {
  ClickItem(dlg, "RGPortSelect", 2);
  ClickItem(dlg, "RGRb6", 1);
  ClickItem(dlg, "RGRb7", 1);
  EXPECT_EQ(dlg.OutputByte(), 0x03);
  EXPECT_EQ(OutData(), "03H");
  EXPECT_EQ(Lamps(), "00000011");
  EXPECT_EQ(io.Written(0x278).back(), 0x03);
}

TEST_F(WriterTestDlgTest, AnotherPortParksThePreviousOneAndTakesTheByteOver) {
  ClickItem(dlg, "RGPortSelect", 0);
  ClickItem(dlg, "RGPower", 0);
  io.accesses.clear();
  ClickItem(dlg, "RGPortSelect", 2);
  ASSERT_GE(io.accesses.size(), 3u);
  EXPECT_EQ(io.accesses[0], (Access{true, 0x378, 0x24}));
  EXPECT_EQ(io.accesses[1], (Access{true, 0x278, 0x40}));
  EXPECT_EQ(io.accesses[2].address, 0x279);
}

TEST_F(WriterTestDlgTest, InputLampFollowsTheInvertedBusyBitOfEachPort) {
  uint8_t status = 0x00;
  io.answer = [&status](uint16_t) { return status; };
  ClickItem(dlg, "RGPortSelect", 1);
  EXPECT_EQ(io.accesses.back().address, 0x3BD);
  EXPECT_EQ(Lamp("PDIn"), kBlue) << "busy bit clear: the line is high";

  status = 0x80;
  ClickItem(dlg, "RGRb7", 0);
  EXPECT_EQ(Lamp("PDIn"), kSilver);

  status = 0xFB;  // every bit but the PC-98 input
  ClickItem(dlg, "RGPortSelect", 3);
  EXPECT_EQ(io.accesses.back(), (Access{false, 0x42, 0xFB}));
  EXPECT_EQ(Lamp("PDIn"), kBlue);
  status = 0x04;
  ClickItem(dlg, "RGPower", 0);
  EXPECT_EQ(Lamp("PDIn"), kSilver);
}

TEST_F(WriterTestDlgTest, PollsTheInputTenTimesASecond) {
  test::OpenModal(dlg);
  uint8_t status = 0x80;
  io.answer = [&status](uint16_t) { return status; };
  ClickItem(dlg, "RGPortSelect", 4);
  const size_t readsAfterChoice = io.Reads();
  status = 0x00;
  QTest::qWait(450);
  EXPECT_GE(io.Reads() - readsAfterChoice, 3u);
  EXPECT_LE(io.Reads() - readsAfterChoice, 6u);
  EXPECT_EQ(io.accesses.back().address, 0x141);
  EXPECT_EQ(Lamp("PDIn"), kBlue) << "the timer alone brought the change";
  dlg.close();
}

TEST_F(WriterTestDlgTest, ClosingLeavesTheIdleByteOnTheChosenPort) {
  test::OpenModal(dlg);
  ClickItem(dlg, "RGPortSelect", 0);
  ClickItem(dlg, "RGPower", 0);
  ClickItem(dlg, "RGMclr", 0);
  Child<QPushButton>(dlg, "BtnEnd").click();
  EXPECT_FALSE(dlg.isVisible());
  const std::vector<uint8_t> written = io.Written(0x378);
  ASSERT_GE(written.size(), 2u);
  EXPECT_EQ(written[written.size() - 2], 0x00);
  EXPECT_EQ(written.back(), TWriterTestDlg::kIdleByte);

  const size_t accesses = io.accesses.size();
  QTest::qWait(250);
  EXPECT_EQ(io.accesses.size(), accesses) << "no polling after closing";
}

TEST_F(WriterTestDlgTest, EscAndTheCloseBoxParkThePortToo) {
  test::OpenModal(dlg);
  ClickItem(dlg, "RGPortSelect", 3);
  ClickItem(dlg, "RGRb6", 0);
  QTest::keyClick(&dlg, Qt::Key_Escape);
  EXPECT_FALSE(dlg.isVisible());
  EXPECT_EQ(io.Written(0x40).back(), 0x24);

  test::RecordingPortIo other;
  TWriterTestDlg second(other);
  test::OpenModal(second);
  ClickItem(second, "RGPortSelect", 2);
  second.close();
  EXPECT_EQ(other.Written(0x278), (std::vector<uint8_t>{0x00, 0x00, 0x24}));
}

TEST(WriterTestOnTheSimulatedWriter, DrivesTheLinesAndSeesRb7) {
  VirtualClock clock;
  SimulatedWriter writer(clock);
  TWriterTestDlg dlg(writer);
  test::OpenModal(dlg);
  ClickItem(dlg, "RGPortSelect", 0);
  ClickItem(dlg, "RGPower", 0);
  ClickItem(dlg, "RGRb7", 0);
  EXPECT_EQ(writer.DataLatch(), dlg.OutputByte());
  EXPECT_TRUE(writer.Rb7High()) << "released: the pull-up";
  EXPECT_EQ(test::Background(Child<QLabel>(dlg, "PDIn")), kBlue);

  ClickItem(dlg, "RGRb7", 2);
  EXPECT_FALSE(writer.Rb7High());
  EXPECT_EQ(test::Background(Child<QLabel>(dlg, "PDIn")), kSilver);

  ClickItem(dlg, "RGRb7", 1);
  EXPECT_EQ(test::Background(Child<QLabel>(dlg, "PDIn")), kBlue);

  dlg.close();
  EXPECT_EQ(writer.DataLatch(), TWriterTestDlg::kIdleByte);
}

}  // namespace
}  // namespace tarvel

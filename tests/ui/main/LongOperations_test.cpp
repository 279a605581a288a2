#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>

#include "MainWindowFixture.h"
#include "sim/PicChip.h"
#include "sim/Serial24xxChip.h"
#include "ui/components/HexGrid.h"
#include "ui/main/ChipOperation.h"

namespace tarvel::test {
namespace {

// Chip operations run beside the window: it repaints and answers, holds its
// commands, shows how far the operation is, and Cancel stops the engine at a
// cell or page boundary with the chip left safe. The worker is held at a
// moment of virtual time while the test looks.
class LongOperationsTest : public MainWindowTest {
 protected:
  QProgressDialog* Dialog() { return window->findChild<QProgressDialog*>(ChipOperation::kDialogName); }
  const OperationProgress& Progress() { return window->Operation().Progress(); }

  // Runs `look` on the user interface thread once the worker has reached
  // `nanos` more of virtual time, then lets the worker go on.
  void During(uint64_t nanos, std::function<void()> look) {
    clock.HoldAt(clock.Nanos() + nanos);
    auto* poll = new QTimer(window.get());
    QObject::connect(poll, &QTimer::timeout, [this, poll, look] {
      if (!clock.Holding()) return;
      poll->stop();
      poll->deleteLater();
      look();
      clock.Release();
    });
    poll->start(5);
  }

  void ClickCancel() {
    ASSERT_TRUE(WaitFor([&] { return Dialog() != nullptr && Dialog()->isVisible(); }));
    QTest::mouseClick(Dialog()->findChild<QPushButton*>(), Qt::LeftButton);
  }

  static QString Hex4(uint32_t value) { return QString("%1").arg(value, 4, 16, QChar('0')).toUpper(); }
  static QString Cancelled(uint32_t address) { return "Cancelled at address " + Hex4(address) + "H"; }
};

TEST_F(LongOperationsTest, AWriteShowsProgressKeepsTheWindowLiveAndCancelsAtACellWithTheChipSafe) {
  StartOnSimulator();
  THexGrid& grid = *window->Form().HexGrid;
  for (int32_t address = 0; address <= 0x3FF; ++address) grid.WriteData(address, (address * 5) & 0x3FFF);
  const QString title = window->ProgTitle();
  uint32_t heldAt = 0;
  During(500'000'000, [&] {
    ASSERT_TRUE(WaitFor([&] { return Dialog() != nullptr && Dialog()->isVisible(); }));
    heldAt = Progress().Done();
    QTest::qWait(2 * ChipOperation::kRefreshMs);
    EXPECT_EQ(Dialog()->labelText(), "Writing program memory\nAddress " + Hex4(heldAt) + "H of 03FFH");
    EXPECT_EQ(Dialog()->maximum(), 0x400);
    EXPECT_EQ(Dialog()->value(), static_cast<int>(heldAt));
    EXPECT_GT(heldAt, 0u);
    // No second command, menu or device change beside it.
    EXPECT_FALSE(window->menuBar()->isEnabled());
    EXPECT_FALSE(window->Form().SBReadProg->isEnabled());
    EXPECT_FALSE(window->Form().CBPICDevice->isEnabled());
    window->Command().ProgReadP->Run();
    // The window repaints and its events are handled while the worker waits.
    struct PaintCounter : QObject {
      int paints = 0;
      bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
      }
    } counter;
    window->Form().HexGrid->viewport()->installEventFilter(&counter);
    window->Form().HexGrid->viewport()->update();
    EXPECT_TRUE(WaitFor([&] { return counter.paints > 0; }, 500));
    window->resize(window->width() + 20, window->height());
    EXPECT_TRUE(WaitFor([&] { return window->width() == 890; }, 500));
    ClickCancel();
  });
  messages.answers = {true};
  PressKey(Qt::Key_F6);

  ASSERT_FALSE(messages.boxes.empty());
  EXPECT_TRUE(messages.boxes.back().text.startsWith(Cancelled(heldAt + 1) + "\n")) << messages.boxes.back().text.toStdString();
  EXPECT_EQ(messages.boxes.back().icon, MessageIcon::Warning);
  PicChip& chip = *Simulator().Pic();
  EXPECT_EQ(chip.Program().Read(heldAt), (heldAt * 5) & 0x3FFF) << "the cell under way was finished";
  EXPECT_EQ(chip.Program().Read(heldAt + 1), 0x3FFF);
  EXPECT_EQ(chip.Counters().cutShortCycles, 0u);
  EXPECT_FALSE(chip.InProgrammingMode());
  EXPECT_EQ(Simulator().Lines().mclr, MclrLevel::Vdd) << "no VPP";
  EXPECT_TRUE(Simulator().Lines().vdd) << "the supply as after any operation";
  EXPECT_EQ(window->ProgTitle(), title) << "the read asked for meanwhile did not run";
  EXPECT_FALSE(Dialog() != nullptr && Dialog()->isVisible());
  EXPECT_TRUE(window->menuBar()->isEnabled());
  EXPECT_TRUE(window->Command().ProgReadP->Enabled());
}

// The progress is one label both languages fill: what is done, then how far.
TEST_F(LongOperationsTest, TheProgressSpeaksTheChosenLanguage) {
  StartOnSimulator();
  window->ChooseLanguage(UiLanguage::Japanese);
  for (int32_t address = 0; address <= 0x3FF; ++address) window->Form().HexGrid->WriteData(address, address);
  messages.answers = {true};
  During(200'000'000, [&] {
    ASSERT_TRUE(WaitFor([&] { return Dialog() != nullptr && Dialog()->isVisible(); }));
    QTest::qWait(2 * ChipOperation::kRefreshMs);
    EXPECT_TRUE(Dialog()->labelText().startsWith("プログラムメモリー: 書き込み中\nアドレス "))
        << Dialog()->labelText().toStdString();
    EXPECT_TRUE(Dialog()->labelText().endsWith("H / 03FFH")) << Dialog()->labelText().toStdString();
  });
  window->Command().ProgWriteP->Run();
  EXPECT_EQ(messages.boxes.back().text, "書き込み終了");
}

TEST_F(LongOperationsTest, ACancelledSerialRomReadKeepsWhatItReadAndSaysSo) {
  StartOnSimulator("Category=1\nSRomDevice=8");
  Serial24xxChip& chip = *Simulator().SerialRom();
  for (uint32_t address = 0; address < chip.Size(); ++address) chip.SetByte(address, address & 0x7F);
  uint32_t stoppedAt = 0;
  During(300'000'000, [&] {
    ClickCancel();
    QTest::qWait(2 * ChipOperation::kRefreshMs);
    EXPECT_EQ(Dialog()->labelText(), "Cancelling at the next address...");
  });
  ClickButton(window->Form().SBSRomRead);
  stoppedAt = Progress().Done();
  ASSERT_GT(stoppedAt, 0u);
  ASSERT_LT(stoppedAt, chip.Size() - 1);
  ASSERT_FALSE(messages.boxes.empty());
  EXPECT_TRUE(messages.boxes.back().text.startsWith(Cancelled(stoppedAt) + "\n"));
  const THexGrid& grid = *window->Form().DataHexGrid;
  EXPECT_EQ(grid.GetIntData(static_cast<int32_t>(stoppedAt - 1)), static_cast<int32_t>((stoppedAt - 1) & 0x7F));
  EXPECT_FALSE(grid.IsO(static_cast<int32_t>(stoppedAt)));
  EXPECT_EQ(window->DataTitle(), "読み出しデータ (partial: cancelled at " + Hex4(stoppedAt) + "H)");
  EXPECT_EQ(chip.Timing().TotalViolations(), 0u);
}

// Closing the window asks; on Yes the operation stops at its next boundary
// and the window closes once the command has ended. A stop from outside
// does the same without asking, and switches the writer off.
TEST_F(LongOperationsTest, ClosingDuringAnOperationAsksThenCancelsSafely) {
  StartOnSimulator();
  window->Form().HexGrid->WriteData(0x300, 0x1234);
  messages.answers = {true, false, true};
  During(100'000'000, [&] {
    window->close();
    EXPECT_TRUE(window->isVisible()) << "declined: the operation goes on";
    window->close();
  });
  PressKey(Qt::Key_F6);
  ASSERT_TRUE(WaitFor([&] { return !window->isVisible(); }));
  EXPECT_EQ(messages.boxes[1].text, "A chip operation is running.\nCancel it at the next address and close tarvel?");
  EXPECT_TRUE(messages.boxes.back().text.startsWith("Cancelled at address ")) << messages.boxes.back().text.toStdString();
  EXPECT_EQ(Simulator().Pic()->Program().Read(0x300), 0x3FFF);
  EXPECT_FALSE(Simulator().Pic()->InProgrammingMode());

  Restart();
  window->Form().HexGrid->WriteData(0x300, 0x1234);
  messages.answers = {true};
  During(100'000'000, [&] { window->RequestClose(); });
  PressKey(Qt::Key_F6);
  ASSERT_TRUE(WaitFor([&] { return !window->isVisible(); }));
  EXPECT_EQ(messages.boxes.size(), 2u) << "no question: " << messages.Texts().join('|').toStdString();
  EXPECT_FALSE(Simulator().Lines().vdd);
  EXPECT_EQ(Simulator().Lines().mclr, MclrLevel::Vdd);
}

}  // namespace
}  // namespace tarvel::test

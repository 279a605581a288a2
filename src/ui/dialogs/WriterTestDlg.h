#pragma once

#include <QDialog>
#include <array>
#include <cstdint>

#include "port/ParallelPort.h"
#include "port/PortIo.h"

class QLabel;
class QTimer;

namespace tarvel {

class RadioGroup;

// Drives each writer line by hand and watches the input line, to check the
// adapter with no chip in it. It works on the registers of the port the user
// picks, through whatever port access the window hands it, and touches no
// register before a port is picked.
class TWriterTestDlg : public QDialog {
  Q_OBJECT

 public:
  // RB6 and RB7 released, supply off, MCLR at the VDD setting: what a port
  // is left with when the test lets go of it.
  static constexpr uint8_t kIdleByte = 0x24;
  static constexpr int kInputPollMs = 100;

  explicit TWriterTestDlg(PortIo& io, QWidget* parent = nullptr);

  uint8_t OutputByte() const { return output_; }

  void done(int result) override;

 private:
  // One radio group per writer line: the bits of the output byte it owns and
  // the bits each of its items sets.
  struct LevelGroup;
  static const std::array<LevelGroup, 4> kLevelGroups;

  void RGPortSelectClick(int index);
  void LevelClick(const LevelGroup& group, int item);
  void InputTimerTimer();
  void OutputRefresh();
  void InputRefresh();

  PortIo& io_;
  uint8_t output_ = 0;
  const ParallelPortRegisters* port_ = nullptr;  // none until the user picks one
  std::array<RadioGroup*, 4> levels_{};
  std::array<QLabel*, 8> dataLamps_{};  // D0 to D7
  QLabel* inputLamp_;
  QLabel* outData_;
  QTimer* inputTimer_;
};

}  // namespace tarvel

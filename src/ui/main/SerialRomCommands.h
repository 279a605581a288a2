#pragma once

#include <QString>
#include <cstdint>

namespace tarvel {

class Clock;
class THexGrid;
class TPWMainForm;
class TSRomWrite;
class TWriteStatusDlg;
class WindowMessages;

// The window's serial EEPROM commands: write, read, compare, erase and
// erase check of a 24xx part, one byte at a time. A write or an erase gives
// up on a chip that does not finish its write cycle in time and names the
// address where it stopped.
class SerialRomCommands {
 public:
  SerialRomCommands(TPWMainForm& window, WindowMessages& messages, Clock& clock, TWriteStatusDlg& status);

  void SRomDataWriteClick();
  void SRomDataReadClick();
  void SRomDataCompareClick();
  void SRomDevEraseClick();
  void SRomDevEraseCheckClick();

 private:
  TSRomWrite& Engine();
  THexGrid& Grid();
  // Writes the byte and waits for the end of its write cycle; false when the
  // chip does not answer in time.
  bool WriteByte(uint32_t address, uint32_t value);
  void ReportNoAnswer(uint32_t address, const QString& caption);

  TPWMainForm& window_;
  WindowMessages& messages_;
  Clock& clock_;
  TWriteStatusDlg& status_;
};

}  // namespace tarvel

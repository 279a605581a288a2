#pragma once

#include <QString>
#include <cstdint>
#include <functional>
#include <optional>

#include "platform/UserMessages.h"

namespace tarvel {

class Clock;
class StatusNotice;
class THexGrid;
class TPWMainForm;
class TSRomWrite;
class TWriteStatusDlg;
class WindowMessages;

// The window's serial EEPROM commands: write, read, compare, erase and
// erase check of a 24xx part, one byte at a time. A chip that does not
// answer stops the command with the address where it stopped: a write cycle
// that does not end in time, or a read whose control byte is not
// acknowledged. Writes and erases read back every byte before they report
// success.
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
  // A checked read; false, after the message, when the chip did not answer.
  bool ReadByte(uint32_t address, int32_t& value, const QString& caption);
  // Writes the wanted byte of every address that has one, then reads each
  // back; false after the message of the first failure. Closes the notice,
  // if there is one, before any message.
  bool WriteAndVerify(const std::function<std::optional<uint32_t>(uint32_t)>& wanted, const QString& errorCaption,
                      StatusNotice* notice);
  void ReportNoAnswer(uint32_t address, const QString& caption);
  // The compare's text for the first byte that differs.
  static QString DifferenceText(uint32_t address, int32_t found, int32_t wanted);
  void ReportDifference(uint32_t address, int32_t found, int32_t wanted, const QString& caption, MessageIcon icon);

  TPWMainForm& window_;
  WindowMessages& messages_;
  Clock& clock_;
  TWriteStatusDlg& status_;
};

}  // namespace tarvel

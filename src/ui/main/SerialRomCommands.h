#pragma once

#include <QCoreApplication>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "engine/ImageDifference.h"
#include "engine/srom/SRomImage.h"
#include "engine/srom/SRomWrite.h"
#include "platform/UserMessages.h"

namespace tarvel {

class ChipOperation;
class THexGrid;
class TPWMainForm;
class WindowMessages;

// The window's serial EEPROM commands: write, read, compare, erase and
// erase check of a 24xx part, each a ChipOperation at the bus's own pace
// (page writes, sequential reads) with progress and Cancel. A chip that does
// not answer stops the command with the address where it stopped: a write
// cycle that does not end in time, or a byte that is not acknowledged.
// Writes and erases read back every byte before they report success.
class SerialRomCommands {
  Q_DECLARE_TR_FUNCTIONS(SerialRomCommands)

 public:
  SerialRomCommands(TPWMainForm& window, WindowMessages& messages, ChipOperation& operation);

  void SRomDataWriteClick();
  void SRomDataReadClick();
  void SRomDataCompareClick();
  void SRomDevEraseClick();
  void SRomDevEraseCheckClick();

 private:
  using Image = SRomImage;

  TSRomWrite& Engine();
  THexGrid& Grid();
  // The grid's cells with a value; blank cells want nothing.
  Image GridImage();
  // Page writes of the image, then a sequential read of every byte written;
  // true when both went through, else after the message of what stopped them.
  // A write of the chip that reads back what it wrote, as EraseImage and WriteImage do.
  using Writing = std::function<SRomTransfer(TSRomWrite&, ImageDifferences&)>;
  bool WriteAndVerify(const Writing& write, const QString& errorCaption);
  // Tells why a transfer ended early; false when it did not.
  bool ReportEnded(const SRomTransfer& ended, const QString& caption);
  void ReportNoAnswer(uint32_t address, const QString& caption);
  void ReportCancelled(uint32_t address);
  // The compare's text for the first byte that differs.
  static QString DifferenceText(uint32_t address, int32_t found, int32_t wanted);
  void ReportDifference(const ImageDifference& difference, const QString& caption, MessageIcon icon);

  TPWMainForm& window_;
  WindowMessages& messages_;
  ChipOperation& operation_;
};

}  // namespace tarvel

#pragma once

#include <QCoreApplication>
#include <QJsonObject>
#include <QString>

#include "sim/VirtualChip.h"

namespace tarvel {

// The simulated chips that tarvel-cli keeps in a file between runs
// (--writer sim:FILE), one per device, so that a write and a read in two
// runs meet the same chip. The file is JSON:
//   {"format": "tarvel simulated chips", "version": 1,
//    "chips": {"PIC16F84": {"program": "...", "data": "...", "id": "...", "config": "..."},
//              "24xx256": {"memory": "..."}}}
// Each memory is a string of upper-case hexadecimal digits, four a word (program,
// the four ID words, the configuration word) and two a byte (data EEPROM,
// serial EEPROM), from address 0 to the last. A chip not in the file starts
// blank. The file is replaced as a whole, so a run that stops leaves the
// last complete one.
class SimChipFile {
  Q_DECLARE_TR_FUNCTIONS(SimChipFile)

 public:
  static constexpr const char* kFormat = "tarvel simulated chips";
  static constexpr int kVersion = 1;

  explicit SimChipFile(QString path) : path_(std::move(path)) {}

  // Reads the file; one that is not there keeps no chip yet. Returns why
  // the file cannot be used, or nothing.
  QString Load();
  // Gives `chip`, a blank chip of the device, what the file keeps for it.
  // Returns why the file's chip cannot be taken, or nothing.
  QString Restore(const QString& device, VirtualChip& chip) const;
  void Keep(const QString& device, VirtualChip& chip);
  // Returns why the file could not be written, or nothing.
  QString Save() const;

 private:
  QString path_;
  QJsonObject chips_;
};

}  // namespace tarvel

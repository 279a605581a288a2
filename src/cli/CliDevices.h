#pragma once

#include <QCoreApplication>
#include <QString>
#include <optional>

#include "cli/CliOutcome.h"
#include "engine/pic/PicDevice.h"
#include "engine/srom/SRomDevice.h"

namespace tarvel {

// A device of the window's two lists: a PIC or a 24xx serial EEPROM.
struct CliDevice {
  bool serialRom = false;
  int index = 0;  // a PIC_DEVICES or SROM_DEVICE value

  PIC_DEVICES Pic() const { return static_cast<PIC_DEVICES>(index); }
  SROM_DEVICE SerialRom() const { return static_cast<SROM_DEVICE>(index); }
  // As the window's list shows it: "PIC16F84", "PIC12C509[A]", "24xx256".
  QString Name() const;
};

class CliDevices {
  Q_DECLARE_TR_FUNCTIONS(CliDevices)

 public:
  // The device a name stands for, in any case: a name of the lists
  // ("PIC16C62A,B"), one of the parts such a name covers ("pic16c62b",
  // "PIC12C509A"), either without its "PIC" ("16f84"), or a 24xx part under
  // its maker's letters ("24LC256", "24c02").
  static std::optional<CliDevice> Find(const QString& name);
  // The usage error for a name that stands for none.
  static CliOutcome Unknown(const QString& name);
  // Every device with its family, program words and data bytes.
  static CliOutcome List();
};

}  // namespace tarvel

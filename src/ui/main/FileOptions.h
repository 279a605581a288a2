#pragma once

#include <QString>

namespace tarvel {

// Where the file dialogs open and which file type each offers first, and
// what becomes of the configuration, ID and EEPROM data a program HEX file
// holds; set in the file settings dialog and kept with the settings.
struct FileOptions {
  enum ChipDataTake { AskToTake, AlwaysTake, NeverTake };

  QString objPath;
  int hexType = 0;
  int binType = 0;
  int chipDataTake = AskToTake;
  bool chipDataSave = true;
};

}  // namespace tarvel

#pragma once

#include <QString>

namespace tarvel {

// Where the file dialogs open and which file type each offers first; set in
// the file settings dialog and kept with the settings.
struct FileOptions {
  QString objPath;
  int hexType = 0;
  int binType = 0;
};

}  // namespace tarvel

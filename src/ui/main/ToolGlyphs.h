#pragma once

#include <QIcon>

namespace tarvel {

// The pictures of the window's tool buttons, drawn in code so that they look
// the same on every desktop and need no image files.
class ToolGlyphs {
 public:
  enum class Glyph {
    OpenHex,
    OpenBinary,
    SaveBinary,
    Reload,
    WriteChip,
    ReadChip,
    WriteDataChip,
    ReadDataChip,
    ReadId,
    WriteProgramConfig,
    Reset,
    PowerOn,
    PowerOff,
  };

  static QIcon Icon(Glyph glyph);
};

}  // namespace tarvel

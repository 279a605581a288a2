#pragma once

#include <QCoreApplication>
#include <QString>

#include "files/PicHexImage.h"

namespace tarvel {

class ImageSide;
class ProgramChipData;
class TIDWriteDlg;
class TPWMainForm;
class WindowMessages;
struct FileOptions;

// A program HEX file as the whole chip. After a load, whatever the selected
// device has no place for is reported, and the configuration word, ID and
// data EEPROM bytes the file also holds are taken as the File Setup says
// (asking first, by default): the bytes into the data pane, whose title
// then names the file, the configuration word and ID into the chip data,
// the configuration dialog and the ID text. A program HEX file saved holds
// them again, when the File Setup asks for it.
class WholeChipFile {
  Q_DECLARE_TR_FUNCTIONS(WholeChipFile)

 public:
  struct Parts {
    ImageSide& dataSide;
    FileOptions& options;
    ProgramChipData& chipData;
    TIDWriteDlg& idWrite;
  };

  WholeChipFile(TPWMainForm& window, WindowMessages& messages, Parts parts);

  void ProgramHexLoaded(const QString& path, const THexSource& source);
  // The chip as the window holds it: the program grid's words and the data
  // grid's bytes where asked for (data only for a device with data
  // EEPROM), with the configuration word and ID that go with them.
  PicChipImage Picture(bool program, bool data) const;
  // What Save HEX writes for the program pane.
  HexBytes ProgramHex() const;

 private:
  PIC_DEVICES Device() const;
  void ReportMisfits(const QString& path, const PicHexContents& contents);
  // The File Setup's choice, or the user's answer to the question.
  bool MayTake(const PicChipImage& image);
  void Take(const QString& path, const PicChipImage& image);

  TPWMainForm& window_;
  WindowMessages& messages_;
  Parts parts_;
};

}  // namespace tarvel

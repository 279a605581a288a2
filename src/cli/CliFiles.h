#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <vector>

#include "cli/CliCommandLine.h"
#include "cli/CliOutcome.h"
#include "engine/srom/SRomImage.h"
#include "files/PicHexImage.h"

namespace tarvel {

// The files of tarvel-cli's commands. A HEX file stands for the whole chip
// as assemblers write it; a binary file holds one memory from address 0:
// program words, two bytes each with the low byte first, or data bytes.
// Each failure comes back as the outcome that tells it, with the file's
// line for a fault in a HEX file.
class CliFiles {
  Q_DECLARE_TR_FUNCTIONS(CliFiles)

 public:
  // --format, else by the name: binary when it ends in .bin, else HEX.
  static CliFormat FormatOf(const QString& path, CliFormat asked);

  // What a file holds for a PIC: a binary file is the program words, or the
  // data bytes when `binaryData`. A file with parts the device has no place
  // for is refused, as it was made for another device; `notes` tells what
  // was left out otherwise.
  static std::optional<CliOutcome> ReadPic(const QString& path, CliFormat format, PIC_DEVICES device,
                                           bool binaryData, PicChipImage& image, QStringList& notes);
  static std::optional<CliOutcome> ReadSerialRom(const QString& path, CliFormat format, SROM_DEVICE device,
                                                 SRomImage& image);

  // Replaces the file as a whole. A binary file gets the program words, or
  // the data bytes when `binaryData`.
  static std::optional<CliOutcome> WritePic(const QString& path, CliFormat format, PIC_DEVICES device,
                                            bool binaryData, const PicChipImage& image);
  static std::optional<CliOutcome> WriteSerialRom(const QString& path, CliFormat format,
                                                  const std::vector<uint8_t>& bytes);

 private:
  static std::optional<CliOutcome> Unreadable(const QString& path);
  static std::optional<CliOutcome> LoadHex(const QString& path, THexSource& source, CollectedMessages& messages);
  static std::optional<CliOutcome> Saved(const QString& path, const FileSave& save);
};

}  // namespace tarvel

#include "cli/CliFiles.h"

#include <QFile>
#include <QFileInfo>

#include "files/BinaryFile.h"
#include "files/DataImage.h"
#include "files/HexWriter.h"
#include "files/ProgramImage.h"
#include "language/CoreTexts.h"

namespace tarvel {
namespace {

std::string Native(const QString& path) { return QFile::encodeName(path).toStdString(); }

// Where in a file a fault lies, as compilers name it.
QString At(const QString& path, int32_t line) {
  return line > 0 ? QString("%1:%2").arg(path).arg(line) : path;
}

CliOutcome FileError(const QString& message) { return CliOutcome::Of(CliOutcome::FileError, message); }

HexFormat HexFormatOf(CliFormat format) { return format == CliFormat::Inhx32 ? HexFormat::Inhx32 : HexFormat::Inhx8m; }

}  // namespace

CliFormat CliFiles::FormatOf(const QString& path, CliFormat asked) {
  if (asked != CliFormat::ByName) return asked;
  return IsBinaryFileName(path.toStdString()) ? CliFormat::Binary : CliFormat::Hex;
}

// A folder cannot be read, and opening a pipe could wait for ever.
std::optional<CliOutcome> CliFiles::Unreadable(const QString& path) {
  const QFileInfo info(path);
  if (info.exists() && !info.isFile()) return FileError(tr("Cannot read %1: it is no regular file.").arg(path));
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return FileError(tr("Cannot read %1: %2.").arg(path, file.errorString()));
  return std::nullopt;
}

std::optional<CliOutcome> CliFiles::LoadHex(const QString& path, THexSource& source, CollectedMessages& messages) {
  if (auto unreadable = Unreadable(path)) return unreadable;
  if (source.LoadFile(Native(path)) == 1) return std::nullopt;
  return FileError(QString("%1: %2").arg(At(path, source.FaultLine()), messages.Last()));
}

std::optional<CliOutcome> CliFiles::Saved(const QString& path, const FileSave& save) {
  if (save.saved) return std::nullopt;
  return FileError(tr("Cannot write %1: %2.").arg(path, CoreTexts::Translated(save.reason)));
}

std::optional<CliOutcome> CliFiles::ReadPic(const QString& path, CliFormat format, PIC_DEVICES device,
                                            bool binaryData, PicChipImage& image, QStringList& notes) {
  const PicHexLayout layout = HexLayoutOf(device);
  const QString name = QString::fromLatin1(kPicDevices[device].displayName);
  image = PicChipImage();
  if (format == CliFormat::Binary) {
    if (auto unreadable = Unreadable(path)) return unreadable;
    if (binaryData) {
      const DataBinaryBytes read = ReadDataBinary(Native(path), layout.dataBytes - 1);
      if (read.tooBig) {
        return FileError(tr("%1 is larger than the %2's data EEPROM of %3 bytes.").arg(path, name).arg(layout.dataBytes));
      }
      image.data.assign(read.bytes.begin(), read.bytes.end());
      return std::nullopt;
    }
    if (QFileInfo(path).size() > 2 * int64_t{layout.programWords}) {
      return FileError(
          tr("%1 is larger than the %2's program memory of %3 words.").arg(path, name).arg(layout.programWords));
    }
    const ProgramBinaryWords read = ReadProgramBinary(Native(path), layout.programWords - 1);
    image.program.assign(read.words.begin(), read.words.end());
    return std::nullopt;
  }

  CollectedMessages messages;
  THexSource source(messages);
  if (auto failed = LoadHex(path, source, messages)) return failed;
  PicHexContents contents = PicContentsFromHex(source, device);
  if (contents.highByteOnlyAddress >= 0) {
    const int32_t word = contents.highByteOnlyAddress;
    return FileError(tr("%1: program word %2H has its high byte but not its low byte; the file is no sound "
                        "program image.")
                         .arg(At(path, source.LineOf(2 * word + 1)), CliHex(word)));
  }
  QStringList misfits;
  for (const HexMisfit& misfit : contents.misfits) {
    const QString text = CoreTexts::Translated(MisfitText(misfit, device));
    // IDs the writer cannot write take nothing from the program.
    if (misfit.kind == HexMisfit::IdNotWritten) {
      notes << tr("%1 leaves out %2.").arg(path, text);
    } else {
      misfits << "- " + text;
    }
  }
  if (!misfits.isEmpty()) {
    return FileError(tr("%1 does not fit the %2:\n%3\nIf the file was made for another device, name that device "
                        "with --device.")
                         .arg(path, name, misfits.join('\n')));
  }
  image = std::move(contents.image);
  return std::nullopt;
}

std::optional<CliOutcome> CliFiles::ReadSerialRom(const QString& path, CliFormat format, SROM_DEVICE device,
                                                  SRomImage& image) {
  const auto last = static_cast<int32_t>(kSRomDevices[device].lastAddress);
  const QString name = QString::fromLatin1(kSRomDevices[device].displayName);
  const QString tooBig = tr("%1 is larger than the %2's %3 bytes.");
  if (format == CliFormat::Binary) {
    if (auto unreadable = Unreadable(path)) return unreadable;
    const DataBinaryBytes read = ReadDataBinary(Native(path), last);
    if (read.tooBig) return FileError(tooBig.arg(path, name).arg(last + 1));
    image.assign(read.bytes.begin(), read.bytes.end());
    image.resize(static_cast<size_t>(last) + 1);
    return std::nullopt;
  }
  CollectedMessages messages;
  THexSource source(messages);
  if (auto failed = LoadHex(path, source, messages)) return failed;
  DataHexBytes read = DataBytesFromHex(source, last);
  if (read.tooBig) return FileError(tooBig.arg(At(path, read.lineBeyond), name).arg(last + 1));
  image = std::move(read.bytes);
  return std::nullopt;
}

std::optional<CliOutcome> CliFiles::WritePic(const QString& path, CliFormat format, PIC_DEVICES device,
                                             bool binaryData, const PicChipImage& image) {
  if (format != CliFormat::Binary) {
    return Saved(path, SaveHexFile(Native(path), PicHexBytes(image, device), HexFormatOf(format)));
  }
  if (binaryData) {
    std::vector<uint8_t> bytes;
    for (const auto& byte : image.data) bytes.push_back(byte.value_or(0));
    return Saved(path, SaveDataBinary(Native(path), bytes));
  }
  std::vector<uint16_t> words;
  for (const auto& word : image.program) words.push_back(word.value_or(0));
  return Saved(path, SaveProgramBinary(Native(path), words));
}

std::optional<CliOutcome> CliFiles::WriteSerialRom(const QString& path, CliFormat format,
                                                   const std::vector<uint8_t>& bytes) {
  if (format == CliFormat::Binary) return Saved(path, SaveDataBinary(Native(path), bytes));
  const HexBytes hex(bytes.begin(), bytes.end());
  return Saved(path, SaveHexFile(Native(path), hex, HexFormatOf(format)));
}

}  // namespace tarvel

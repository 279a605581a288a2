#include "ui/main/WholeChipFile.h"

#include "engine/pic/PicIdText.h"
#include "engine/pic/PicImageLoad.h"
#include "language/CoreTexts.h"
#include "ui/components/HexGrid.h"
#include "ui/dialogs/IDWriteDlg.h"
#include "ui/main/FileOptions.h"
#include "ui/main/ImageFormat.h"
#include "ui/main/ImageSide.h"
#include "ui/main/PWMainForm.h"
#include "ui/main/ProgramChipData.h"
#include "ui/main/WindowMessages.h"

namespace tarvel {

WholeChipFile::WholeChipFile(TPWMainForm& window, WindowMessages& messages, Parts parts)
    : window_(window), messages_(messages), parts_(parts) {}

PIC_DEVICES WholeChipFile::Device() const { return window_.PicWrite().Device(); }

void WholeChipFile::ProgramHexLoaded(const QString& path, const THexSource& source) {
  if (!IsKnownPicDevice(Device())) return;
  const PicHexContents contents = PicContentsFromHex(source, Device());
  ReportMisfits(path, contents);
  if (MayTake(contents.image)) Take(path, contents.image);
}

void WholeChipFile::ReportMisfits(const QString& path, const PicHexContents& contents) {
  if (contents.misfits.empty()) return;
  QString text = tr("Not everything in %1 fits the %2. These parts were not loaded:")
                     .arg(path, QString::fromUtf8(kPicDevices[Device()].displayName));
  for (const HexMisfit& misfit : contents.misfits) {
    text += "\n- " + CoreTexts::Translated(MisfitText(misfit, Device()));
  }
  text += "\n\n" + tr("If the file was made for another device, choose that device and open the file again.");
  messages_.Box(text, QString(), MessageIcon::Warning, WindowMessages::Buttons::Ok);
}

bool WholeChipFile::MayTake(const PicChipImage& image) {
  const std::vector<std::string> extras = ExtrasParts(image);
  if (extras.empty()) return false;
  FileOptions& options = parts_.options;
  if (options.chipDataTake != FileOptions::AskToTake) return options.chipDataTake == FileOptions::AlwaysTake;
  const QString listed = CoreTexts::List(extras, CoreTexts::LastJoint::And);
  bool keepAnswer = false;
  const bool take = messages_.AskWithCheck(
      (extras.size() > 1 ? tr("This file also holds %1. Take them too?") : tr("This file also holds %1. Take it too?"))
          .arg(listed),
      tr("Confirm"), tr("Do not ask again"), keepAnswer);
  if (keepAnswer) options.chipDataTake = take ? FileOptions::AlwaysTake : FileOptions::NeverTake;
  return take;
}

void WholeChipFile::Take(const QString& path, const PicChipImage& image) {
  // Data the user has not saved is offered for saving first, as before any
  // other file replaces it.
  if (std::any_of(image.data.begin(), image.data.end(), [](const auto& byte) { return byte.has_value(); }) &&
      parts_.dataSide.MayReplace()) {
    ImageCells cells;
    cells.values.assign(image.data.begin(), image.data.end());
    parts_.dataSide.ShowFilePart(path, cells);
  }
  TPicWrite& engine = window_.PicWrite();
  // The configuration dialog offers the engine's word and ID next.
  if (image.config) engine.Fuse = *image.config;
  if (image.id) {
    LoadIdWords(engine, *image.id);
    const PicIdWords words = EngineIdWords(*image.id);
    if (IdWordsAreText(words)) parts_.idWrite.SetIDText(QString::fromLatin1(IdTextOfWords(words).c_str()));
  }
  parts_.chipData.TakeFromFile(image.config, image.id);
}

PicChipImage WholeChipFile::Picture(bool program, bool data) const {
  PicChipImage image;
  const MainFormLayout& form = window_.Form();
  if (program) image.program = form.HexGrid->Values<uint16_t>();
  if (data && HexLayoutOf(Device()).dataBytes > 0) image.data = form.DataHexGrid->Values<uint8_t>();
  image.config = parts_.chipData.Config();
  image.id = parts_.chipData.Id();
  return image;
}

HexBytes WholeChipFile::ProgramHex() const {
  PicChipImage image = Picture(true, parts_.options.chipDataSave);
  if (!parts_.options.chipDataSave) {
    image.config.reset();
    image.id.reset();
  }
  return PicHexBytes(image, Device());
}

}  // namespace tarvel

#include "ui/main/ImageSide.h"

#include <QFile>

#include "files/BinaryFile.h"
#include "files/HexWriter.h"
#include "language/CoreTexts.h"
#include "ui/components/HexGrid.h"
#include "ui/main/FileFilters.h"
#include "ui/main/FileOptions.h"
#include "ui/main/ImageFormat.h"
#include "ui/main/PicFileHistry.h"
#include "ui/main/TitlePanel.h"
#include "ui/main/WindowCommand.h"
#include "ui/main/WindowMessages.h"

namespace tarvel {
namespace {

std::string FileSystemPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

}  // namespace

ImageSide::ImageSide(WindowMessages& messages, Pane pane, const ImageFormat& format, const FileOptions& options,
                     Texts texts)
    : messages_(messages),
      pane_(pane),
      format_(format),
      options_(options),
      texts_(std::move(texts)),
      hexSource_(messages) {}

ImageSide::~ImageSide() = default;

void ImageSide::UseCommands(WindowCommand& reload, WindowCommand& save) {
  reload_ = &reload;
  save_ = &save;
}

void ImageSide::WatchImage(std::function<void()> replaced,
                           std::function<void(const QString& path, const THexSource& source)> hexLoaded) {
  replaced_ = std::move(replaced);
  hexLoaded_ = std::move(hexLoaded);
}

void ImageSide::OpenHistory(QMenu& menu, QAction& anchor, int maxCount, SettingsStore& store, const QString& keyPath,
                            const QString& valuePrefix) {
  history_ = std::make_unique<TPicFileHistry>(
      menu, anchor,
      [this](const QString& path, const QString& type) {
        WindowCommand::RunGuarded(messages_, [&] {
          if (!MayReplace()) return;
          if (type == "Hex") LoadHex(path);
          if (type == "Bin") LoadBinary(path);
        });
      },
      maxCount, store, keyPath, valuePrefix);
}

void ImageSide::CloseHistory() { history_.reset(); }

void ImageSide::SetTitle(Words title, Words shown) {
  titleWords_ = std::move(title);
  shownWords_ = std::move(shown);
  ShowTitle();
}

void ImageSide::ShowTitle() {
  title_ = titleWords_();
  pane_.title.SetCaption(shownWords_ ? shownWords_() : title_);
}

void ImageSide::Retranslate() {
  if (titleWords_) ShowTitle();
  if (history_) history_->RebuildMenu();
}

void ImageSide::ReadFromChip(Words title) {
  ImageReplaced(true);
  SetTitle(std::move(title));
  titleNamesImage_ = true;
  fileName_.clear();
  reload_->SetAvailable(false);
  ForgetSaveTarget();
}

void ImageSide::ImageEmptied() {
  ImageReplaced(false);
  ForgetSaveTarget();
  if (!titleNamesImage_) return;
  SetTitle([this] { return tr(texts_.newTitle); });
  titleNamesImage_ = false;
}

void ImageSide::ShowFilePart(const QString& path, const ImageCells& cells) {
  ImageReplaced(false);
  ShowCells(cells);
  NamePath(path, texts_.hexReadOnlyMark);
  titleNamesImage_ = true;
  // Reload would read that file as a file of this pane.
  reload_->SetAvailable(false);
  ForgetSaveTarget();
}

// The title names the file, marked when a save would be refused; the mark
// follows the language.
void ImageSide::NamePath(const QString& path, const char* readOnlyMark) {
  const bool readOnly = FileIsReadOnly(FileSystemPath(path));
  SetTitle([path, readOnly, readOnlyMark] { return path + (readOnly ? tr(readOnlyMark) : QString()); });
}

// New, a read from the chip, or a device change: overwrite-save would write
// an image that is not the file's over it.
void ImageSide::ForgetSaveTarget() {
  saveTarget_ = SaveTarget();
  save_->SetAvailable(false);
}

void ImageSide::NameFile(const QString& path, FileKind kind) {
  NamePath(path, kind == FileKind::Binary ? texts_.binaryReadOnlyMark : texts_.hexReadOnlyMark);
  titleNamesImage_ = true;
  saveTarget_ = {path, kind};
}

void ImageSide::FileLoaded(const QString& path, FileKind kind) {
  ImageReplaced(false);
  NameFile(path, kind);
  fileName_ = path;
  fileKind_ = kind;
  reload_->SetAvailable(true);
  save_->SetAvailable(true);
}

void ImageSide::ShowCells(const ImageCells& cells) {
  pane_.grid.Clear();
  for (size_t address = 0; address < cells.values.size(); ++address) {
    if (cells.values[address]) pane_.grid.WriteData(static_cast<int32_t>(address), *cells.values[address]);
  }
}

void ImageSide::LoadHex(const QString& path) {
  format_.PrepareGrid(pane_.grid);
  if (hexSource_.LoadFile(FileSystemPath(path)) != 1) return;
  FileLoaded(path, FileKind::Hex);
  const ImageCells cells = format_.FromHex(hexSource_, pane_.grid.MaxAddress());
  ShowCells(cells);
  if (!cells.notice.isEmpty()) messages_.Inform(cells.notice);
  if (cells.fault) return;
  history_->AddFile(path, "Hex");
  if (hexLoaded_) hexLoaded_(path, hexSource_);
}

void ImageSide::LoadBinary(const QString& path) {
  format_.PrepareGrid(pane_.grid);
  const ImageCells cells = format_.ReadBinary(FileSystemPath(path), pane_.grid.MaxAddress());
  if (!cells.opened) {
    messages_.Inform(tr(texts_.openError).arg(path));
    return;
  }
  FileLoaded(path, FileKind::Binary);
  ShowCells(cells);
  if (!cells.notice.isEmpty()) messages_.Inform(cells.notice);
  history_->AddFile(path, "Bin");
}

QString ImageSide::AskSavePath(const QString& title, const QStringList& filters, int& filter) {
  return messages_.AskSavePath(
      {title, options_.objPath, filters}, filter,
      [this](const QString& path) { return path + tr(texts_.overwriteQuestion); }, tr(texts_.overwriteCaption));
}

bool ImageSide::Written(const QString& path, const FileSave& save, const QString& type) {
  if (!save.saved) {
    messages_.Box(tr(texts_.saveError).arg(path, CoreTexts::Translated(QString::fromLocal8Bit(save.reason.c_str()))),
                  tr(texts_.saveErrorCaption),
                  MessageIcon::Error, WindowMessages::Buttons::Ok);
    return false;
  }
  history_->AddFile(path, type);
  unsavedRead_ = false;
  pane_.grid.UndoStack().setClean();
  return true;
}

bool ImageSide::WriteBinary(const QString& path) {
  return Written(path, format_.SaveBinary(FileSystemPath(path), pane_.grid), "Bin");
}

void ImageSide::ImageReplaced(bool fromChip) {
  pane_.grid.ClearUndo();
  unsavedRead_ = fromChip;
  if (!fromChip && replaced_) replaced_();
}

bool ImageSide::HoldsUnsavedImage() const { return unsavedRead_ || !pane_.grid.UndoStack().isClean(); }

bool ImageSide::MayReplace() {
  // An entry still open in the grid is a change too.
  pane_.grid.SettleCurrentCell();
  if (!HoldsUnsavedImage()) return true;
  switch (messages_.YesNoCancel(tr(texts_.saveFirstQuestion) + "\n" + title_, tr("Confirm"), MessageIcon::None)) {
    case WindowMessages::Answer::Yes:
      return SaveImage();
    case WindowMessages::Answer::No:
      return true;
    case WindowMessages::Answer::Cancel:
      break;
  }
  return false;
}

bool ImageSide::SaveImage() {
  if (saveTarget_.kind == FileKind::Binary && !saveTarget_.path.isEmpty()) return WriteBinary(saveTarget_.path);
  return SaveThroughDialog();
}

void ImageSide::New() {
  if (!MayReplace()) return;
  ImageReplaced(false);
  pane_.grid.Clear();
  SetTitle([this] { return tr(texts_.newTitle); });
  titleNamesImage_ = false;
  reload_->SetAvailable(false);
  ForgetSaveTarget();
  history_->AddFile(QString(), QString());
}

void ImageSide::OpenHex() {
  if (!MayReplace()) return;
  const QString path =
      messages_.OpenFileName({tr(texts_.hexOpenTitle), options_.objPath, FileFilters::Hex(options_.hexType)});
  if (!path.isEmpty()) LoadHex(path);
}

void ImageSide::OpenBinary() {
  if (!MayReplace()) return;
  const QString path =
      messages_.OpenFileName({tr(texts_.binaryOpenTitle), options_.objPath, FileFilters::Binary(options_.binType)});
  if (!path.isEmpty()) LoadBinary(path);
}

void ImageSide::Reload() {
  if (!MayReplace()) return;
  if (fileKind_ == FileKind::Binary) {
    LoadBinary(fileName_);
  } else {
    LoadHex(fileName_);
  }
}

void ImageSide::SaveHex() {
  int filter = 0;
  const QString path = AskSavePath(tr(texts_.hexSaveTitle), FileFilters::HexSave(options_.hexType), filter);
  if (path.isEmpty()) return;
  const HexFormat format = FileFilters::SavedHexFormat(options_.hexType, filter);
  if (!Written(path, SaveHexFile(FileSystemPath(path), format_.HexImage(pane_.grid), format), "Hex")) return;
  NameFile(path, FileKind::Hex);
}

void ImageSide::SaveBinary() { SaveThroughDialog(); }

bool ImageSide::SaveThroughDialog() {
  int filter = 0;
  const QString path = AskSavePath(tr(texts_.saveTitle), FileFilters::Binary(options_.binType), filter);
  if (path.isEmpty() || !WriteBinary(path)) return false;
  // The title names the saved file now, and overwrite-save writes it; reload
  // still reads the file last loaded.
  NameFile(path, FileKind::Binary);
  save_->SetAvailable(true);
  return true;
}

void ImageSide::Save() {
  if (saveTarget_.kind != FileKind::Binary || saveTarget_.path.isEmpty()) {
    messages_.Inform(tr("Save as binary."));
    return;
  }
  WriteBinary(saveTarget_.path);
}

}  // namespace tarvel

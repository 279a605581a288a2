#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

#include "files/HexSource.h"

class QAction;
class QMenu;

namespace tarvel {

class ImageFormat;
struct ImageCells;
class SettingsStore;
class TPicFileHistry;
class THexGrid;
class TitlePanel;
class WindowCommand;
class WindowMessages;
struct FileOptions;
struct FileSave;

// One pane of the window, program or data: its grid's image, the title that
// names it, the file it came from, its recent files and the file commands
// New, open HEX, open binary, reload, save HEX, save binary and
// overwrite-save.
class ImageSide {
  Q_DECLARE_TR_FUNCTIONS(ImageSide)

 public:
  enum class FileKind { Hex, Binary };

  // The texts the side shows, as written in the sources (translated in this
  // class's context when shown); the two panes word them differently.
  struct Texts {
    const char* newTitle;
    const char* hexOpenTitle;
    const char* binaryOpenTitle;
    const char* hexReadOnlyMark;
    const char* binaryReadOnlyMark;
    const char* openError;  // %1 is the path
    const char* saveTitle;
    const char* hexSaveTitle;
    const char* overwriteQuestion;  // follows the path
    const char* overwriteCaption;
    const char* saveError;  // %1 is the path, %2 the system's reason
    const char* saveErrorCaption;
    const char* saveFirstQuestion;  // asked before an image not saved is replaced
  };

  // A title in the window's own words, worded anew when the language changes.
  using Words = std::function<QString()>;

  struct Pane {
    THexGrid& grid;
    TitlePanel& title;
  };

  ImageSide(WindowMessages& messages, Pane pane, const ImageFormat& format, const FileOptions& options, Texts texts);
  ~ImageSide();
  ImageSide(const ImageSide&) = delete;
  ImageSide& operator=(const ImageSide&) = delete;

  // The commands the side makes available as its image gains and loses a file.
  void UseCommands(WindowCommand& reload, WindowCommand& save);
  // Told whenever the image is replaced by a file, New or a device change
  // (not by a read from the chip), and after a HEX file has been loaded whole, with the reader
  // that holds it.
  void WatchImage(std::function<void()> replaced,
                  std::function<void(const QString& path, const THexSource& source)> hexLoaded);
  // Puts the stored recent files after `anchor` in `menu`.
  void OpenHistory(QMenu& menu, QAction& anchor, int maxCount, SettingsStore& store, const QString& keyPath,
                   const QString& valuePrefix);
  // Stores the recent files, with the file open now at their top.
  void CloseHistory();

  // The strip shows `shown` instead of the title until the title changes.
  void SetTitle(Words title, Words shown = nullptr);
  // Words the title and the strip again in the language now in effect.
  void Retranslate();
  void LoadHex(const QString& path);
  void LoadBinary(const QString& path);
  // An image read from the chip replaces the grid's: the title names the
  // read, and the image has no file of its own any more.
  void ReadFromChip(Words title);
  // A device change emptied the grid: overwrite-save is off, and a title that
  // named a file or a read says "New" as New does. Reload stays, to bring the
  // file back in the new device's size.
  void ImageEmptied();
  // The image becomes what another pane's file held for it: the title names
  // that file, and there is nothing to reload or overwrite.
  void ShowFilePart(const QString& path, const ImageCells& cells);

  // Asked before anything replaces the image: when it is not saved, the
  // user saves it (Yes), lets it go (No) or keeps it (Cancel). True when
  // the image may be replaced.
  bool MayReplace();

  // New, open, reload and the recent files first ask MayReplace.
  void New();
  void OpenHex();
  void OpenBinary();
  void Reload();
  void SaveHex();
  void SaveBinary();
  void Save();

  const QString& Title() const { return title_; }
  const QString& FileName() const { return fileName_; }
  FileKind Kind() const { return fileKind_; }
  TPicFileHistry& History() { return *history_; }

 private:
  // The file the title names, last loaded or saved since the last New or
  // emptying: the file that overwrite-save may write.
  struct SaveTarget {
    QString path;
    FileKind kind = FileKind::Hex;
  };

  // Whether the grid holds a read from the chip or changes that no file
  // has taken, so that replacing it would lose them.
  bool HoldsUnsavedImage() const;
  void FileLoaded(const QString& path, FileKind kind);
  // The title names the file, marked when a save would be refused.
  void NameFile(const QString& path, FileKind kind);
  void NamePath(const QString& path, const char* readOnlyMark);
  void ForgetSaveTarget();
  void ShowTitle();
  void ShowCells(const ImageCells& cells);
  // The save dialog with this side's overwrite question; the chosen path or
  // an empty string, and the filter chosen.
  QString AskSavePath(const QString& title, const QStringList& filters, int& filter);
  bool WriteBinary(const QString& path);
  // Shows the error box of a save that failed (false), or records the save:
  // the file goes to the recent files and the image counts as saved.
  bool Written(const QString& path, const FileSave& save, const QString& type);
  bool SaveThroughDialog();
  // As overwrite-save saves, or through the save dialog where it would refuse.
  bool SaveImage();
  // The grid's image is new, from a file or from the chip: its edits so far
  // cannot be undone.
  void ImageReplaced(bool fromChip);

  WindowMessages& messages_;
  Pane pane_;
  const ImageFormat& format_;
  const FileOptions& options_;
  const Texts texts_;
  THexSource hexSource_;
  std::unique_ptr<TPicFileHistry> history_;
  WindowCommand* reload_ = nullptr;
  WindowCommand* save_ = nullptr;
  std::function<void()> replaced_;
  std::function<void(const QString&, const THexSource&)> hexLoaded_;
  QString title_;
  // Both empty for a path.
  Words titleWords_;
  Words shownWords_;
  QString fileName_;
  FileKind fileKind_ = FileKind::Hex;
  SaveTarget saveTarget_;
  // The title names a file or a read rather than an empty image.
  bool titleNamesImage_ = false;
  // The grid holds a read from the chip that no file has taken yet.
  bool unsavedRead_ = false;
};

}  // namespace tarvel

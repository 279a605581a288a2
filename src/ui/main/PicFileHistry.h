#pragma once

#include <QCoreApplication>
#include <QList>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <functional>

class QAction;
class QMenu;

namespace tarvel {

class SettingsStore;

// A short list of recently used files, shown as numbered entries after an
// anchor item of a menu; an entry opens its file again the way it was opened
// before ("Hex" or "Bin"). The file open now is not listed: it joins the top
// of the list when another file, or a new empty image, takes its place.
class TPicFileHistry {
  Q_DECLARE_TR_FUNCTIONS(TPicFileHistry)

 public:
  using OpenHandler = std::function<void(const QString& path, const QString& type)>;

  // Loads the stored list (values ValuePrefix + "HistryNum", "Histry" n and
  // "HistryType" n under KeyPath) and puts its entries into the menu.
  TPicFileHistry(QMenu& parentMenu, QAction& anchorItem, OpenHandler onOpen, int maxCount, SettingsStore& store,
                 const QString& keyPath, const QString& valuePrefix);
  // Makes the current file an entry and stores the list.
  ~TPicFileHistry();
  TPicFileHistry(const TPicFileHistry&) = delete;
  TPicFileHistry& operator=(const TPicFileHistry&) = delete;

  // Makes the file current; an empty path means there is none.
  void AddFile(const QString& path, const QString& type);
  void RebuildMenu();

  const QStringList& FileNames() const { return fileNames_; }
  const QStringList& FileTypes() const { return fileTypes_; }
  const QString& CurrentName() const { return currentName_; }
  const QString& CurrentType() const { return currentType_; }
  int MaxCount() const { return maxCount_; }

 private:
  void PushCurrent(const QString& path, const QString& type);
  void Trim();
  void RemoveEntryItems();
  void Load();
  void Store();

  QPointer<QMenu> parentMenu_;
  QPointer<QAction> anchorItem_;
  OpenHandler onOpen_;
  int maxCount_;
  SettingsStore& store_;
  QString keyPath_;
  QString valuePrefix_;
  QStringList fileNames_;
  QStringList fileTypes_;
  QString currentName_;
  QString currentType_;
  QList<QAction*> entryItems_;
};

}  // namespace tarvel

#include "ui/main/PicFileHistry.h"

#include <QAction>
#include <QMenu>
#include <algorithm>

#include "settings/SettingsStore.h"

namespace tarvel {
namespace {

// Two paths name one file only where the file system folds letter case.
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
constexpr Qt::CaseSensitivity kPathCase = Qt::CaseInsensitive;
#else
constexpr Qt::CaseSensitivity kPathCase = Qt::CaseSensitive;
#endif

// The entry number of a stored path or type value of this prefix, or -1.
int EntryNumber(const QString& name, const QString& valuePrefix) {
  for (const QString& head : {valuePrefix + "HistryType", valuePrefix + "Histry"}) {
    if (!name.startsWith(head)) continue;
    const QString digits = name.mid(head.size());
    bool ok = false;
    const int number = digits.toInt(&ok);
    const bool plain = std::all_of(digits.cbegin(), digits.cend(), [](QChar c) { return c.isDigit(); });
    return ok && plain ? number : -1;
  }
  return -1;
}

}  // namespace

TPicFileHistry::TPicFileHistry(QMenu& parentMenu, QAction& anchorItem, OpenHandler onOpen, int maxCount,
                               SettingsStore& store, const QString& keyPath, const QString& valuePrefix)
    : parentMenu_(&parentMenu),
      anchorItem_(&anchorItem),
      onOpen_(std::move(onOpen)),
      maxCount_(maxCount),
      store_(store),
      keyPath_(keyPath),
      valuePrefix_(valuePrefix) {
  Load();
  RebuildMenu();
}

TPicFileHistry::~TPicFileHistry() {
  PushCurrent(QString(), QString());
  Trim();
  Store();
  RemoveEntryItems();
}

void TPicFileHistry::AddFile(const QString& path, const QString& type) {
  PushCurrent(path, type);
  RebuildMenu();
}

void TPicFileHistry::PushCurrent(const QString& path, const QString& type) {
  if (!currentName_.isEmpty()) {
    fileNames_.prepend(currentName_);
    fileTypes_.prepend(currentType_);
  }
  if (!path.isEmpty()) {
    for (int k = 0; k < fileNames_.size(); ++k) {
      if (fileNames_[k].compare(path, kPathCase) == 0) {
        fileNames_.removeAt(k);
        fileTypes_.removeAt(k);
        break;
      }
    }
  }
  currentName_ = path;
  currentType_ = type;
}

void TPicFileHistry::Trim() {
  while (fileNames_.size() > maxCount_) {
    fileNames_.removeAt(maxCount_);
    fileTypes_.removeAt(maxCount_);
  }
}

void TPicFileHistry::RemoveEntryItems() {
  for (QAction* item : entryItems_) {
    if (parentMenu_) parentMenu_->removeAction(item);
    // An entry may be rebuilt away from inside its own triggered signal.
    item->deleteLater();
  }
  entryItems_.clear();
}

void TPicFileHistry::RebuildMenu() {
  Trim();
  RemoveEntryItems();
  if (!parentMenu_ || !anchorItem_) return;
  const QList<QAction*> items = parentMenu_->actions();
  const int first = items.indexOf(anchorItem_) + 1;
  QAction* before = first < items.size() ? items[first] : nullptr;
  for (int k = 0; k < fileNames_.size(); ++k) {
    // A "&" in a path would otherwise turn the next letter into an access key.
    QString shownPath = fileNames_[k];
    shownPath.replace('&', "&&");
    auto* item = new QAction(QString("&%1 %2\t[%3]").arg(k + 1).arg(shownPath, fileTypes_[k]), parentMenu_);
    item->setStatusTip(tr("%1を開く").arg(fileNames_[k]));
    const QString path = fileNames_[k];
    const QString type = fileTypes_[k];
    QObject::connect(item, &QAction::triggered, item, [this, path, type] {
      if (onOpen_) onOpen_(path, type);
    });
    parentMenu_->insertAction(before, item);
    entryItems_.append(item);
  }
}

void TPicFileHistry::Load() {
  if (!store_.HasKey(keyPath_)) return;
  // Entries past MaxCount would be trimmed at once; a damaged count must not
  // make the start read forever.
  const int count = std::min(store_.ReadInt(keyPath_, valuePrefix_ + "HistryNum", 0), maxCount_);
  for (int n = 0; n < count; ++n) {
    fileNames_.append(store_.ReadString(keyPath_, valuePrefix_ + "Histry" + QString::number(n)));
    fileTypes_.append(store_.ReadString(keyPath_, valuePrefix_ + "HistryType" + QString::number(n)));
  }
}

void TPicFileHistry::Store() {
  for (int n = 0; n < fileNames_.size(); ++n) {
    store_.WriteString(keyPath_, valuePrefix_ + "Histry" + QString::number(n), fileNames_[n]);
    store_.WriteString(keyPath_, valuePrefix_ + "HistryType" + QString::number(n), fileTypes_[n]);
  }
  store_.WriteInt(keyPath_, valuePrefix_ + "HistryNum", fileNames_.size());
  // Entries of an earlier, longer list would otherwise stay in the file.
  for (const QString& name : store_.ValueNames(keyPath_)) {
    if (EntryNumber(name, valuePrefix_) >= fileNames_.size()) store_.Remove(keyPath_, name);
  }
  store_.Sync();
}

}  // namespace tarvel

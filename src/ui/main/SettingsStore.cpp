#include "ui/main/SettingsStore.h"

#include <QDir>
#include <QFileInfo>

namespace tarvel {

SettingsStore::SettingsStore() : settings_(kOrganisation, kApplication) {}

QString SettingsStore::Path(const QString& key, const QString& name) {
  return key.isEmpty() ? name : key + '/' + name;
}

QString SettingsStore::Version() { return ReadString(QString(), "Version"); }

bool SettingsStore::HasKey(const QString& key) { return settings_.childGroups().contains(key); }

void SettingsStore::DeleteTree() {
  settings_.clear();
  settings_.sync();
  QSettings organisation(kOrganisation);
  organisation.clear();
  organisation.sync();

  const QFileInfo applicationFile(settings_.fileName());
  QDir folder = applicationFile.dir();
  for (const QString& file : folder.entryList({"*.conf"}, QDir::Files)) folder.remove(file);
  QFile::remove(QFileInfo(organisation.fileName()).absoluteFilePath());
  if (folder.isEmpty()) folder.rmdir(folder.absolutePath());
}

int SettingsStore::ReadInt(const QString& key, const QString& name, int fallback) {
  const QVariant value = settings_.value(Path(key, name));
  if (!value.isValid()) return fallback;
  bool ok = false;
  const int number = value.toInt(&ok);
  return ok ? number : fallback;
}

bool SettingsStore::ReadFlag(const QString& key, const QString& name, bool fallback) {
  const QVariant value = settings_.value(Path(key, name));
  if (!value.isValid()) return fallback;
  bool ok = false;
  const int number = value.toInt(&ok);
  return ok ? number != 0 : fallback;
}

QString SettingsStore::ReadString(const QString& key, const QString& name) {
  const QVariant value = settings_.value(Path(key, name));
  return value.canConvert<QString>() ? value.toString() : QString();
}

void SettingsStore::WriteInt(const QString& key, const QString& name, int value) {
  settings_.setValue(Path(key, name), value);
}

void SettingsStore::WriteFlag(const QString& key, const QString& name, bool value) {
  settings_.setValue(Path(key, name), value ? 1 : 0);
}

void SettingsStore::WriteString(const QString& key, const QString& name, const QString& value) {
  settings_.setValue(Path(key, name), value);
}

bool SettingsStore::Sync() {
  settings_.sync();
  // A damaged file read at the start leaves a format error behind; only a
  // failed access says that the values did not reach the file.
  return settings_.status() != QSettings::AccessError;
}

}  // namespace tarvel

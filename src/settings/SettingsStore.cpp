#include "settings/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace tarvel {

SettingsStore::SettingsStore() : settings_(kOrganisation, kApplication) {
  QFile file(settings_.fileName());
  if (file.exists() && !file.open(QIODevice::ReadOnly)) readProblem_ = file.errorString();
}

QString SettingsStore::Path(const QString& key, const QString& name) {
  return key.isEmpty() ? name : key + '/' + name;
}

QString SettingsStore::Version() { return ReadString(QString(), "Version"); }

UiLanguage SettingsStore::Language() {
  if (Version() != kVersion) return UiLanguage::Original;
  return static_cast<UiLanguage>(ReadInt("Form", "Language", 0, 0, kUiLanguageCount - 1));
}

void SettingsStore::SetLanguage(UiLanguage language) { WriteInt("Form", "Language", static_cast<int>(language)); }

bool SettingsStore::HasKey(const QString& key) { return settings_.childGroups().contains(key); }

void SettingsStore::DeleteTree() {
  if (!Writable()) return;
  settings_.clear();
  settings_.sync();
  QFile::remove(settings_.fileName());
  QDir folder = QFileInfo(settings_.fileName()).dir();
  if (folder.isEmpty()) folder.rmdir(folder.absolutePath());
}

int SettingsStore::ReadInt(const QString& key, const QString& name, int fallback) {
  const QVariant value = settings_.value(Path(key, name));
  if (!value.isValid()) return fallback;
  bool ok = false;
  const int number = value.toInt(&ok);
  return ok ? number : fallback;
}

int SettingsStore::ReadInt(const QString& key, const QString& name, int fallback, int lowest, int highest) {
  const int number = ReadInt(key, name, fallback);
  return number >= lowest && number <= highest ? number : fallback;
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

QStringList SettingsStore::ValueNames(const QString& key) {
  settings_.beginGroup(key);
  const QStringList names = settings_.childKeys();
  settings_.endGroup();
  return names;
}

void SettingsStore::WriteInt(const QString& key, const QString& name, int value) {
  if (Writable()) settings_.setValue(Path(key, name), value);
}

void SettingsStore::WriteFlag(const QString& key, const QString& name, bool value) {
  if (Writable()) settings_.setValue(Path(key, name), value ? 1 : 0);
}

void SettingsStore::WriteString(const QString& key, const QString& name, const QString& value) {
  if (Writable()) settings_.setValue(Path(key, name), value);
}

void SettingsStore::Remove(const QString& key, const QString& name) {
  if (Writable()) settings_.remove(Path(key, name));
}

bool SettingsStore::Sync() {
  if (!Writable()) return false;
  settings_.sync();
  // A damaged file read at the start leaves a format error behind; only a
  // failed access says that the values did not reach the file.
  return settings_.status() != QSettings::AccessError;
}

}  // namespace tarvel

#pragma once

#include <QSettings>
#include <QString>

namespace tarvel {

// The program's tree in the per-user settings store: organisation "Melfort",
// application "tarvel", with the keys Form, Write and File and the value
// Version at the top. On Linux that is $XDG_CONFIG_HOME/Melfort/tarvel.conf.
// Flags are stored as the integers 0 and 1, because a boolean written by
// QSettings comes back as a string in the next run.
class SettingsStore {
 public:
  static constexpr const char* kOrganisation = "Melfort";
  static constexpr const char* kApplication = "tarvel";
  static constexpr const char* kVersion = "2.37";

  SettingsStore();

  // The stored Version, empty when there is none.
  QString Version();
  // Whether the key (a group of values) exists.
  bool HasKey(const QString& key);
  // Deletes the organisation's whole tree: every settings file of Melfort.
  void DeleteTree();

  // Reads give `fallback` for a value that is missing or not of the stored
  // type, so that a damaged store never stops the program.
  int ReadInt(const QString& key, const QString& name, int fallback);
  bool ReadFlag(const QString& key, const QString& name, bool fallback);
  QString ReadString(const QString& key, const QString& name);

  // An empty key writes at the top of the tree.
  void WriteInt(const QString& key, const QString& name, int value);
  void WriteFlag(const QString& key, const QString& name, bool value);
  void WriteString(const QString& key, const QString& name, const QString& value);

  // Writes what is pending to the file; false when the file could not be
  // written (the folder is not writable, or is not a folder).
  bool Sync();
  QString FileName() const { return settings_.fileName(); }

 private:
  static QString Path(const QString& key, const QString& name);

  QSettings settings_;
};

}  // namespace tarvel

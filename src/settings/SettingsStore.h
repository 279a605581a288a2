#pragma once

#include <QSettings>
#include <QString>
#include <QStringList>

#include "language/UiLanguage.h"

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

  // Why the settings file that is there cannot be read, or empty when it can
  // (or is not there). Such a file may hold another run's settings: the
  // store then reads as empty, and writes and deletion leave the file alone.
  const QString& ReadProblem() const { return readProblem_; }

  // The stored Version, empty when there is none.
  QString Version();
  // Whether the key (a group of values) exists.
  bool HasKey(const QString& key);
  // Deletes this program's settings; other programs' files in the same
  // folder stay.
  void DeleteTree();

  // Reads give `fallback` for a value that is missing or not of the stored
  // type, so that a damaged store never stops the program.
  int ReadInt(const QString& key, const QString& name, int fallback);
  // The same for a value outside [lowest, highest].
  int ReadInt(const QString& key, const QString& name, int fallback, int lowest, int highest);
  bool ReadFlag(const QString& key, const QString& name, bool fallback);
  QString ReadString(const QString& key, const QString& name);
  // The names of the values under the key.
  QStringList ValueNames(const QString& key);

  // An empty key writes at the top of the tree.
  void WriteInt(const QString& key, const QString& name, int value);
  void WriteFlag(const QString& key, const QString& name, bool value);
  void WriteString(const QString& key, const QString& name, const QString& value);
  void Remove(const QString& key, const QString& name);

  // The language kept under Form\Language: the original texts unless the
  // store is of this version and holds another.
  UiLanguage Language();
  void SetLanguage(UiLanguage language);

  // Writes what is pending to the file; false when the file could not be
  // written (the folder is not writable, or is not a folder).
  bool Sync();
  QString FileName() const { return settings_.fileName(); }

 private:
  static QString Path(const QString& key, const QString& name);
  bool Writable() const { return readProblem_.isEmpty(); }

  QSettings settings_;
  QString readProblem_;
};

}  // namespace tarvel

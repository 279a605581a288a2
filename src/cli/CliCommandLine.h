#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

namespace tarvel {

// The parts of a chip a command covers (--memory).
enum class CliMemory : uint8_t { All, Program, Data, Config, Id };

// How a file is read or written (--format); by its name when not given.
enum class CliFormat : uint8_t { ByName, Hex, Inhx32, Binary };

// What the command line asks for.
struct CliRequest {
  QString command;
  QStringList arguments;  // the command's own
  QString device;         // empty: the one the window has selected
  QString writer;         // empty: auto
  std::optional<int32_t> waitTime;
  bool json = false;
  bool quiet = false;
  bool realTime = false;
  CliMemory memory = CliMemory::All;
  CliFormat format = CliFormat::ByName;
  std::optional<QString> config;  // write --config WORD
  std::optional<QString> id;      // write --id TEXT
  bool noVerify = false;
  bool protectData = false;  // protect --data

  // The command's file, for those that take one.
  const QString& File() const { return arguments.front(); }
};

// tarvel-cli [GLOBAL OPTIONS] COMMAND [ARGS], read with Qt's parser: global
// and command options may stand anywhere, and each command takes only its
// own options and its number of arguments.
class CliCommandLine {
  Q_DECLARE_TR_FUNCTIONS(CliCommandLine)

 public:
  enum class Parsed : uint8_t { Run, Help, Version, Mistake };

  CliCommandLine();

  Parsed Parse(const QStringList& arguments);
  const CliRequest& Request() const { return request_; }
  // The mistake, in one line.
  const QString& Mistake() const { return mistake_; }
  QString HelpText() const;

 private:
  bool Fail(const QString& mistake);
  bool ReadCommand();
  bool ReadValues();

  QCommandLineParser parser_;
  QCommandLineOption device_, writer_, wait_, json_, quiet_, realTime_, help_, version_;
  QCommandLineOption memory_, format_, config_, id_, noVerify_, data_;
  CliRequest request_;
  QString mistake_;
};

}  // namespace tarvel

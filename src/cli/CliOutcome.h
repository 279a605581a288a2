#pragma once

#include <QCoreApplication>
#include <QJsonValue>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "language/CoreTexts.h"
#include "platform/UserMessages.h"

namespace tarvel {

// How a command of tarvel-cli ended: what its exit status and the result of
// its JSON object say, the message for the user and what a query found.
struct CliOutcome {
  enum Status : uint8_t {
    Ok,
    Failed,             // the chip operation failed
    Differs,            // the chip holds other values than wanted
    UsageError,         // the command line asks for something that does not exist
    WriterUnreachable,  // the writer cannot be reached
    FileError,          // a file cannot be read, parsed or written
    NotPossible,        // the command does not exist for this device
    Interrupted,        // stopped by Ctrl+C at a cell or page boundary
  };

  static CliOutcome Of(Status status, const QString& message) {
    CliOutcome outcome;
    outcome.status = status;
    outcome.message = message;
    return outcome;
  }

  // 0, 1, 2, 3, 4, 5 or 130.
  int ExitStatus() const;
  // "ok", "failed", "differs", ...: the result field of --json.
  const char* ResultName() const;

  Status status = Ok;
  QString message;
  // The cell concerned: the memory it lies in ("program", "data", "config",
  // "id"), its address, and the value wanted and read there.
  QString memory;
  std::optional<int64_t> address, wanted, read;
  // What a query found: lines for stdout, and the fields of the JSON object.
  QString output;
  std::vector<std::pair<QString, QJsonValue>> fields;
  // What the user should know about a command that went on anyway.
  QStringList notes;
};

// Keeps what the core's components would show in their message boxes, in
// the user's language: the command line tells the last one as the reason of
// a failure.
class CollectedMessages : public UserMessages {
 public:
  void Show(const std::string& text) override { last_ = CoreTexts::Translated(text); }
  void ShowBox(const std::string& text, const std::string&, MessageIcon) override {
    last_ = CoreTexts::Translated(text);
  }
  const QString& Last() const { return last_; }

 private:
  QString last_;
};

// Upper-case hexadecimal with at least `digits` digits.
inline QString CliHex(int64_t value, int digits = 4) {
  return QString("%1").arg(static_cast<qulonglong>(value), digits, 16, QChar('0')).toUpper();
}

// Prints an outcome on the terminal, as text or as one JSON object.
class CliReport {
  Q_DECLARE_TR_FUNCTIONS(CliReport)

 public:
  CliReport(bool json, bool quiet) : json_(json), quiet_(quiet) {}
  // `device` is empty where the command concerns none. Returns the exit status.
  int Tell(const QString& command, const QString& device, const CliOutcome& outcome) const;

 private:
  void TellText(const CliOutcome& outcome) const;
  void TellJson(const QString& command, const QString& device, const CliOutcome& outcome) const;

  bool json_;
  bool quiet_;
};

}  // namespace tarvel

#include "cli/CliOutcome.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <cstdio>

namespace tarvel {
namespace {

struct StatusFacts {
  int exitStatus;
  const char* resultName;
};

// Indexed by CliOutcome::Status.
constexpr StatusFacts kStatusFacts[] = {
    {0, "ok"},          {1, "failed"},    {1, "differs"},      {2, "usage-error"},
    {3, "writer-unreachable"}, {4, "file-error"}, {5, "not-possible"}, {130, "interrupted"},
};

void Print(FILE* stream, const QString& text) {
  if (text.isEmpty()) return;
  const QByteArray bytes = text.toUtf8();
  std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stream);
  if (!text.endsWith('\n')) std::fputc('\n', stream);
}

// A value as JSON text: QJsonDocument writes only arrays and objects, and
// sorts the keys of an object, so the object of an outcome is put together
// here in the order a reader expects.
QByteArray JsonText(const QJsonValue& value) {
  const QByteArray array = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
  return array.mid(1, array.size() - 2);
}

}  // namespace

int CliOutcome::ExitStatus() const { return kStatusFacts[status].exitStatus; }

const char* CliOutcome::ResultName() const { return kStatusFacts[status].resultName; }

int CliReport::Tell(const QString& command, const QString& device, const CliOutcome& outcome) const {
  if (json_) {
    TellJson(command, device, outcome);
  } else {
    TellText(outcome);
  }
  std::fflush(stdout);
  return outcome.ExitStatus();
}

void CliReport::TellText(const CliOutcome& outcome) const {
  if (!quiet_) {
    for (const QString& note : outcome.notes) Print(stderr, "tarvel-cli: " + note);
  }
  Print(stdout, outcome.output);
  if (outcome.status == CliOutcome::Ok) {
    if (!quiet_) Print(stdout, outcome.message);
    return;
  }
  QString text = outcome.message;
  // The engine's texts do not say which of the two memories a cell is in.
  if (outcome.memory == "program") text = tr("program memory: %1").arg(text);
  if (outcome.memory == "data") text = tr("data memory: %1").arg(text);
  if (outcome.status == CliOutcome::UsageError) {
    text += '\n' + tr("Try 'tarvel-cli --help' for more information.");
  }
  Print(stderr, "tarvel-cli: " + text);
}

void CliReport::TellJson(const QString& command, const QString& device, const CliOutcome& outcome) const {
  std::vector<std::pair<QString, QJsonValue>> fields;
  if (!command.isEmpty()) fields.emplace_back("command", command);
  if (!device.isEmpty()) fields.emplace_back("device", device);
  fields.emplace_back("result", QString::fromLatin1(outcome.ResultName()));
  if (!outcome.memory.isEmpty()) fields.emplace_back("memory", outcome.memory);
  if (outcome.address) fields.emplace_back("address", static_cast<qint64>(*outcome.address));
  if (outcome.wanted) fields.emplace_back("wanted", static_cast<qint64>(*outcome.wanted));
  if (outcome.read) fields.emplace_back("read", static_cast<qint64>(*outcome.read));
  if (!outcome.message.isEmpty()) fields.emplace_back("message", outcome.message);
  fields.insert(fields.end(), outcome.fields.begin(), outcome.fields.end());
  if (!outcome.notes.isEmpty()) fields.emplace_back("notes", QJsonArray::fromStringList(outcome.notes));

  QByteArray text = "{";
  for (const auto& [name, value] : fields) {
    if (text.size() > 1) text += ',';
    text += JsonText(name) + ':' + JsonText(value);
  }
  text += "}\n";
  std::fwrite(text.constData(), 1, static_cast<size_t>(text.size()), stdout);
}

}  // namespace tarvel

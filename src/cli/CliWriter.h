#pragma once

#include <QCoreApplication>
#include <QString>
#include <memory>
#include <optional>

#include "cli/CliDevices.h"
#include "cli/CliOutcome.h"
#include "cli/SimChipFile.h"
#include "cli/WindowSettings.h"
#include "platform/Clock.h"
#include "port/ParallelPort.h"
#include "writer/WriterAccess.h"

namespace tarvel {

// The writer a run of tarvel-cli talks to, as --writer names it:
//   auto                  as the window reaches it (its stored port and port
//                         access), but never the simulated writer unless the
//                         window uses that one
//   ppdev:/dev/parportN   that kernel parallel port device
//   parport:TYPE          the kernel's device of port type 0-4
//   direct:TYPE           direct port I/O on port type 0-4
//   sim, sim:FILE         the simulated writer, with a blank chip or with the
//                         chips FILE keeps
// The simulated writer runs on virtual time unless the real clock is asked
// for; a real writer always runs on it.
class CliWriter {
  Q_DECLARE_TR_FUNCTIONS(CliWriter)

 public:
  struct Choice {
    enum Kind : uint8_t { Auto, KernelDevicePath, KernelDevice, DirectIo, Simulated };
    Kind kind = Auto;
    QString path;        // the device file, or the simulated chips' file
    int portType = -1;  // -1: the window's
  };

  // Nothing when the text names no writer.
  static std::optional<Choice> ParseChoice(const QString& text);
  static CliOutcome BadChoice(const QString& text);

  CliWriter(const Choice& choice, const WindowSettings& settings, bool realTime, UserMessages& messages);

  // Reaches the writer, and reads the simulated chips' file; the outcome
  // that tells why not.
  std::optional<CliOutcome> Open();
  // Puts the device's chip into the simulated socket: the one the file
  // keeps, else a blank one. Nothing happens on a real writer.
  std::optional<CliOutcome> Insert(const CliDevice& device);
  // Keeps the simulated chip in its file.
  std::optional<CliOutcome> Close();

  Clock& Time() { return *clock_; }
  TParallelPort& Port() { return port_; }
  // Told when a writer other than the one asked for first was reached.
  const QString& Note() const { return note_; }

 private:
  static Choice Resolved(Choice choice, const WindowSettings& settings);
  std::optional<CliOutcome> Unreachable(const QString& reason) const;

  const Choice choice_;
  const WindowSettings settings_;
  std::unique_ptr<Clock> clock_;
  WriterAccess access_;
  TParallelPort port_;
  std::optional<SimChipFile> simFile_;
  QString chipName_;
  QString note_;
};

}  // namespace tarvel

#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "cli/CliCommandLine.h"
#include "cli/CliOutcome.h"
#include "cli/CliProgress.h"
#include "engine/pic/PicWrite.h"
#include "engine/srom/SRomImage.h"
#include "files/PicHexImage.h"
#include "platform/Clock.h"
#include "port/ParallelPort.h"

namespace tarvel {

// What a command needs to reach the chip.
struct CliChipAccess {
  TParallelPort& port;
  Clock& clock;
  UserMessages& messages;
  CliProgress& progress;
};

// The commands of tarvel-cli that concern one device: first what needs no
// writer (the arguments, the file to write or verify), then the command on
// the chip. Every command on the chip ends with the writer's supply off, so
// that the chip can be taken out.
class CliChipCommands {
  Q_DECLARE_TR_FUNCTIONS(CliChipCommands)

 public:
  virtual ~CliChipCommands() = default;
  // The outcome when the command cannot go on.
  virtual std::optional<CliOutcome> Prepare() = 0;
  // What the file holds for the device (the info command), after Prepare.
  virtual CliOutcome Info() const = 0;
  // The command on the chip, after Prepare; nothing reaches the chip once
  // a stop was asked for.
  CliOutcome Run(const CliChipAccess& access);

 protected:
  virtual CliOutcome RunOnChip(const CliChipAccess& access) = 0;
};

// The commands on a PIC. Before anything touches the chip, the chip in the
// socket is checked against the device. The texts of the results are the
// engine's, as the window shows them.
class PicCliCommands : public CliChipCommands {
  Q_DECLARE_TR_FUNCTIONS(PicCliCommands)

 public:
  // `waitTime` is the programming wait setting; without one it is measured
  // on the writer's clock.
  PicCliCommands(const CliRequest& request, PIC_DEVICES device, std::optional<int32_t> waitTime);

  std::optional<CliOutcome> Prepare() override;
  CliOutcome Info() const override;

 protected:
  CliOutcome RunOnChip(const CliChipAccess& access) override;

 private:
  // The parts of the chip a write, read or verify covers.
  struct Parts {
    bool program = false;
    bool data = false;
    bool config = false;
    bool id = false;
  };
  // A command's operation on each part of the chip.
  struct PartRuns {
    std::function<TPicWriteResult()> program;
    std::function<TPicWriteResult()> config;
    std::function<TPicWriteResult()> id;
    std::function<TPicWriteResult()> data;
  };

  std::optional<CliOutcome> PrepareFile();
  std::optional<CliOutcome> PrepareRead();
  std::optional<CliOutcome> ReadWord(const QString& text, int32_t& word) const;
  std::optional<CliOutcome> ReadIdText(const QString& text);
  std::optional<CliOutcome> ReadLevel(const QString& text);
  CliOutcome NoId() const;
  // The refusal of a memory the device does not have, or nothing.
  std::optional<CliOutcome> DeviceLacks(CliMemory memory) const;
  // The refusal of a memory a binary file cannot hold, or nothing.
  std::optional<CliOutcome> BinaryLacks(CliMemory memory) const;

  CliOutcome Dispatch();
  CliOutcome Write();
  CliOutcome Read();
  CliOutcome Verify();
  CliOutcome BlankCheck();
  CliOutcome Config();
  CliOutcome Id();
  // Runs the operations on the parts the command covers, in the order of a
  // whole-chip write (program, configuration, ID, data), up to the first
  // that does not end in success, whose outcome it returns; nothing when all
  // did.
  std::optional<CliOutcome> RunParts(const PartRuns& runs);
  CliOutcome Stopped(int32_t address) const;
  // The parts as the image holds them, for the texts.
  PicChipImage Selected(const PicChipImage& image) const;
  void NoteProtection(uint16_t config);

  const CliRequest& request_;
  const PIC_DEVICES device_;
  const PicHexLayout layout_;
  const QString name_;
  const std::optional<int32_t> waitTime_;
  CliFormat format_ = CliFormat::ByName;
  PicChipImage image_;  // what the file, --config and --id give
  Parts parts_;
  int32_t word_ = 0;     // config WORD
  std::string idText_;   // id TEXT
  int32_t level_ = 0;    // protect LEVEL
  QStringList notes_;
  TPicWrite* engine_ = nullptr;  // while Run runs
  CliProgress* progress_ = nullptr;
};

// The commands on a 24xx serial EEPROM, at the bus's own pace: page writes
// and sequential reads. Writes and erases read every byte back unless asked
// not to.
class SerialRomCliCommands : public CliChipCommands {
  Q_DECLARE_TR_FUNCTIONS(SerialRomCliCommands)

 public:
  SerialRomCliCommands(const CliRequest& request, SROM_DEVICE device);

  std::optional<CliOutcome> Prepare() override;
  CliOutcome Info() const override;

 protected:
  CliOutcome RunOnChip(const CliChipAccess& access) override;

 private:
  CliOutcome Dispatch(TSRomWrite& rom);
  CliOutcome Write(TSRomWrite& rom);
  CliOutcome Erase(TSRomWrite& rom);
  CliOutcome Read(TSRomWrite& rom);
  CliOutcome Verify(TSRomWrite& rom);
  CliOutcome BlankCheck(TSRomWrite& rom);
  // The outcome of a transfer that ended early, or nothing.
  std::optional<CliOutcome> Ended(const SRomTransfer& transfer) const;
  // The outcome of a write that read back what it wrote and did not end
  // well, or nothing.
  std::optional<CliOutcome> Unwritten(const SRomTransfer& transfer, const ImageDifferences& differences) const;
  CliOutcome NotForThisDevice() const;

  const CliRequest& request_;
  const SROM_DEVICE device_;
  const QString name_;
  const int32_t size_;
  CliFormat format_ = CliFormat::ByName;
  SRomImage image_;
};

}  // namespace tarvel

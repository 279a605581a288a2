#include "cli/CliChipCommands.h"

namespace tarvel {

CliOutcome CliChipCommands::Run(const CliChipAccess& access) {
  if (!access.progress.StopRequested()) return RunOnChip(access);
  return CliOutcome::Of(CliOutcome::Interrupted, tr("Interrupted before anything reached the chip."));
}

}  // namespace tarvel

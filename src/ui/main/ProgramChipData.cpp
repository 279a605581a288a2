#include "ui/main/ProgramChipData.h"

namespace tarvel {

void ProgramChipData::Forget() {
  config_.reset();
  id_.reset();
  Changed();
}

void ProgramChipData::ImageReadFromChip() {
  if (configFromFile_) config_.reset();
  Changed();
}

void ProgramChipData::TakeFromFile(std::optional<uint16_t> config, std::optional<IdWords> id) {
  if (config) {
    config_ = config;
    configFromFile_ = true;
  }
  if (id) id_ = id;
  Changed();
}

void ProgramChipData::ConfigOfChip(uint16_t config) {
  config_ = config;
  configFromFile_ = false;
  Changed();
}

void ProgramChipData::IdOfChip(const IdWords& id) {
  id_ = id;
  Changed();
}

void ProgramChipData::Changed() {
  if (changed_) changed_();
}

}  // namespace tarvel

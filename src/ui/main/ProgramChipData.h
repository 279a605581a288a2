#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>

namespace tarvel {

// The configuration word and the ID words that go with the program image:
// taken from its HEX file, read from the chip, or last written to it. A
// program HEX file saved holds them, and those taken from a file are
// written with the whole chip without the configuration dialog. A new
// program image starts without them.
class ProgramChipData {
 public:
  using IdWords = std::array<uint16_t, 4>;

  // Told after every change.
  void OnChange(std::function<void()> changed) { changed_ = std::move(changed); }

  void Forget();
  // The program image is the chip's now: what came from a file goes.
  void ImageReadFromChip();
  void TakeFromFile(std::optional<uint16_t> config, std::optional<IdWords> id);
  void ConfigOfChip(uint16_t config);
  void IdOfChip(const IdWords& id);

  const std::optional<uint16_t>& Config() const { return config_; }
  bool ConfigFromFile() const { return config_ && configFromFile_; }
  const std::optional<IdWords>& Id() const { return id_; }

 private:
  void Changed();

  std::optional<uint16_t> config_;
  bool configFromFile_ = false;
  std::optional<IdWords> id_;
  std::function<void()> changed_;
};

}  // namespace tarvel

#include "engine/srom/SRomImage.h"

namespace tarvel {

SRomSpan WantedSpan(const SRomImage& image) {
  SRomSpan span;
  for (uint32_t address = 0; address < image.size(); ++address) {
    if (!image[address]) continue;
    if (span.count == 0) span.first = address;
    span.count = address - span.first + 1;
  }
  return span;
}

namespace {

SRomTransfer ReadSpanAgainst(TSRomWrite& rom, OperationStage stage, const SRomImage& image, SRomSpan span, bool every,
                             ImageDifferences& differences) {
  return rom.ReadSequential(stage, span.first, span.count, [&](uint32_t address, uint8_t found) {
    const std::optional<uint8_t> wanted = image[address];
    if (!wanted || found == *wanted) return true;
    differences.push_back({static_cast<int32_t>(address), *wanted, found});
    return every;
  });
}

}  // namespace

SRomTransfer ReadAgainst(TSRomWrite& rom, OperationStage stage, const SRomImage& image, bool every,
                         ImageDifferences& differences) {
  return ReadSpanAgainst(rom, stage, image, WantedSpan(image), every, differences);
}

SRomTransfer WriteImage(TSRomWrite& rom, OperationStage stage, const SRomImage& image, bool verify,
                        ImageDifferences& differences) {
  const SRomSpan span = WantedSpan(image);
  const SRomTransfer written =
      rom.WritePages(stage, span.first, span.count, [&](uint32_t address) { return image[address]; });
  if (written.outcome != SRomTransfer::Done || !verify) return written;
  return ReadSpanAgainst(rom, OperationStage::Verifying, image, span, false, differences);
}

SRomTransfer EraseImage(TSRomWrite& rom, ImageDifferences& differences) {
  const SRomImage erased(static_cast<size_t>(rom.LastAddress()) + 1, kSRomErased);
  return WriteImage(rom, OperationStage::Erasing, erased, true, differences);
}

}  // namespace tarvel

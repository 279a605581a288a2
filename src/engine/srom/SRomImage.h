#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "engine/ImageDifference.h"
#include "engine/srom/SRomWrite.h"
#include "platform/OperationProgress.h"

namespace tarvel {

// The byte wanted at each address of a serial EEPROM, or nothing where the
// chip keeps its own.
using SRomImage = std::vector<std::optional<uint8_t>>;

// The addresses from the first wanted byte to the last: the part of the chip
// a write, a compare or a verify has to cover. Count 0 when nothing is wanted.
struct SRomSpan {
  uint32_t first = 0;
  uint32_t count = 0;
};

SRomSpan WantedSpan(const SRomImage& image);

// A sequential read of the wanted span held against the image; bytes the
// image does not want are not compared. Each byte that differs is added to
// `differences`; the first ends the read (Halted) unless `every` asks for all.
SRomTransfer ReadAgainst(TSRomWrite& rom, OperationStage stage, const SRomImage& image, bool every,
                         ImageDifferences& differences);

// Page writes of the image under `stage`, then, when `verify` asks for it, a
// read of every byte written that stops at the first one that differs: a
// chip that acknowledges a write need not keep it (a write-protected part, a
// stuck bit). Returns where the last transfer ended.
SRomTransfer WriteImage(TSRomWrite& rom, OperationStage stage, const SRomImage& image, bool verify,
                        ImageDifferences& differences);

// The whole chip written with kSRomErased under the Erasing stage and read
// back: a byte that does not read erased ends it as WriteImage's verify does.
SRomTransfer EraseImage(TSRomWrite& rom, ImageDifferences& differences);

}  // namespace tarvel

#include "sim/PicChipFacts.h"

namespace tarvel {

namespace {

constexpr PicChipKind kFlash = PicChipKind::Flash;
constexpr PicProtectScheme kAll = PicProtectScheme::All;
constexpr PicProtectScheme kPairs = PicProtectScheme::Pairs;

// Protection pairs of the 14-bit EPROM chips.
constexpr uint16_t kFourPairs = 0x3F30;   // bits 5-4, 9-8, 11-10, 13-12
constexpr uint16_t kThreePairs = 0x3330;  // bits 5-4, 9-8, 13-12
constexpr uint16_t kOnePair = 0x0030;     // bits 5-4

constexpr int32_t k512 = 0x200, k1K = 0x400, k2K = 0x800, k4K = 0x1000, k8K = 0x2000;

constexpr PicChipFacts Eprom12(PIC_DEVICES device, int32_t words, uint16_t calibration) {
  return {device, PicChipKind::Eprom12, words, 0, 0, kAll, 0x0008, 0, 0, 0, 0x0FE0, calibration, 0, 0, 0};
}

constexpr PicChipFacts Eprom14All(PIC_DEVICES device, int32_t words, uint16_t bits) {
  return {device, PicChipKind::Eprom14, words, 0, 0, kAll, bits, 0, 0, 0, 0, 0, 0, 0, 0};
}

// The pairs of the PIC16C62x, PIC16CE62x and PIC16C712/716 protect from
// 0200H (01) and 0400H (10) whatever the size; those of the other parts
// protect the upper three quarters (01) and the upper half (10).
constexpr PicChipFacts Eprom14Pairs(PIC_DEVICES device, int32_t words, uint16_t pairs, int32_t from01,
                                    int32_t from10) {
  return {device, PicChipKind::Eprom14, words, 0, 0, kPairs, pairs, from01, from10, 0, 0, 0, 0, 0, 0};
}

constexpr PicChipFacts Eprom14Quarters(PIC_DEVICES device, int32_t words, uint16_t pairs = kFourPairs) {
  return Eprom14Pairs(device, words, pairs, words / 4, words / 2);
}

constexpr PicChipFacts Eprom14FixedPairs(PIC_DEVICES device, int32_t words) {
  return Eprom14Pairs(device, words, kFourPairs, 0x200, 0x400);
}

}  // namespace

const PicChipFacts kPicChipFacts[kPicDeviceCount] = {
    Eprom12(PIC12C508, k512, 0x0C9C),
    Eprom12(PIC12C508A, k512, 0x0C80),
    Eprom12(PIC12C509, k1K, 0x0C70),
    Eprom14All(PIC16C61, k1K, 0x0010),
    Eprom14Quarters(PIC16C62, k2K, kOnePair),
    Eprom14Quarters(PIC16C62A, k2K),
    Eprom14FixedPairs(PIC16C620, k512),
    Eprom14FixedPairs(PIC16C621, k1K),
    Eprom14FixedPairs(PIC16C622, k2K),
    Eprom14FixedPairs(PIC16CE623, k512),
    Eprom14FixedPairs(PIC16CE624, k1K),
    Eprom14FixedPairs(PIC16CE625, k2K),
    Eprom14Quarters(PIC16C63, k4K),
    Eprom14Quarters(PIC16C64, k2K, kOnePair),
    Eprom14Quarters(PIC16C64A, k2K),
    Eprom14Quarters(PIC16C65, k4K, kOnePair),
    Eprom14Quarters(PIC16C65A, k4K),
    Eprom14Quarters(PIC16C66, k8K),
    Eprom14Quarters(PIC16C67, k8K),
    Eprom14All(PIC16C71, k1K, 0x0010),
    Eprom14All(PIC16C710, k512, 0x3FB0),
    Eprom14All(PIC16C711, k1K, 0x3FB0),
    Eprom14FixedPairs(PIC16C712, k1K),
    Eprom14FixedPairs(PIC16C716, k2K),
    Eprom14Quarters(PIC16C72, k2K),
    Eprom14Quarters(PIC16C73, k4K, kOnePair),
    Eprom14Quarters(PIC16C73A, k4K),
    Eprom14Quarters(PIC16C74, k4K, kOnePair),
    Eprom14Quarters(PIC16C74A, k4K),
    Eprom14Quarters(PIC16C745, k8K),
    Eprom14Quarters(PIC16C76, k8K),
    Eprom14Quarters(PIC16C765, k8K),
    Eprom14Quarters(PIC16C77, k8K),
    Eprom14Quarters(PIC16C773, k4K, kThreePairs),
    Eprom14Quarters(PIC16C774, k4K, kThreePairs),
    {PIC16C84, kFlash, k1K, 64, 0, kAll, 0x0010, 0, 0, 0, 0, 0, 10000, 10000, 10000},
    Eprom14Quarters(PIC16C923, k4K),
    Eprom14Quarters(PIC16C924, k4K),
    // PIC16F627: pair 01 protects 0200H-03FFH, pair 10 nothing.
    {PIC16F627, kFlash, k1K, 128, 0x07A0, kPairs, 0x3C00, 0x200, 0x400, 0x0100, 0, 0, 4000, 4000, 10000},
    {PIC16F628, kFlash, k2K, 128, 0x07C0, kPairs, 0x3C00, 0x200, 0x400, 0x0100, 0, 0, 4000, 4000, 10000},
    // The PIC16F84A, in the same socket, is faster: a cycle long enough here is long enough there.
    {PIC16F84, kFlash, k1K, 64, 0, kAll, 0x3FF0, 0, 0, 0, 0, 0, 10000, 10000, 10000},
    // PIC16F87x: pair 01 the upper half, pair 10 the last 256 words.
    {PIC16F873, kFlash, k4K, 128, 0x0960, kPairs, 0x3030, 0x800, 0xF00, 0x0100, 0, 0, 4000, 4000, 10000},
    {PIC16F874, kFlash, k4K, 128, 0x0920, kPairs, 0x3030, 0x800, 0xF00, 0x0100, 0, 0, 4000, 4000, 10000},
    {PIC16F876, kFlash, k8K, 256, 0x09E0, kPairs, 0x3030, 0x1000, 0x1F00, 0x0100, 0, 0, 4000, 4000, 10000},
    {PIC16F877, kFlash, k8K, 256, 0x09A0, kPairs, 0x3030, 0x1000, 0x1F00, 0x0100, 0, 0, 4000, 4000, 10000},
};

int32_t ProtectedFrom(const PicChipFacts& facts, uint16_t config) {
  const int32_t words = facts.programWords;
  if (facts.scheme == PicProtectScheme::All) {
    return (config & facts.codeProtectBits) == facts.codeProtectBits ? words : 0;
  }
  int32_t from = words;
  for (int shift = 0; shift < 14; shift += 2) {
    if (((facts.codeProtectBits >> shift) & 3U) != 3U) continue;
    const int32_t pairFrom = [&] {
      switch ((config >> shift) & 3U) {
        case 0: return 0;
        case 1: return facts.pair01From;
        case 2: return facts.pair10From;
        default: return words;
      }
    }();
    if (pairFrom < from) from = pairFrom;
  }
  return from;
}

}  // namespace tarvel

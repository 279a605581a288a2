#include "engine/pic/PicConfigRules.h"

namespace tarvel {

namespace {
constexpr int32_t kWordMask = 0x3FFF;
constexpr int32_t kAll = -1;  // an AND mask that keeps every bit

// 12-bit EPROM family: bit 3 is the protection bit.
constexpr PicConfigRule Eprom12(PIC_DEVICES device) {
  return {device, 0x0008, 0x001F, 0, 0xFFF7, 0, kAll};
}
// 14-bit EPROM family with its protection pairs at bits 5-4, 9-8, 11-10 and 13-12.
constexpr PicConfigRule Eprom14(PIC_DEVICES device, int32_t pairs = 0x3F30) {
  return {device, 0x3F30, 0x0C4F, 0, kAll, pairs, kAll};
}
// 14-bit EPROM devices protected all or nothing.
constexpr PicConfigRule Eprom14Whole(PIC_DEVICES device, int32_t mask) {
  return {device, 0x3F30, 0x0C4F, 0, mask, 0, kAll};
}
constexpr PicConfigRule Eprom14C77x(PIC_DEVICES device) {
  return {device, 0x33B0, 0x0C4F, 0, kAll, 0x3330, kAll};
}
constexpr PicConfigRule Flash62x(PIC_DEVICES device) {
  return {device, 0x3D00, 0x00FF, 0x3D00, kAll, 0x3C00, 0xFEFF};
}
constexpr PicConfigRule Flash87x(PIC_DEVICES device) {
  return {device, 0x3530, 0x0ACF, 0x3130, kAll, 0x3030, 0xFEFF};
}
}  // namespace

const PicConfigRule kPicConfigRules[kPicDeviceCount] = {
    Eprom12(PIC12C508),
    Eprom12(PIC12C508A),
    Eprom12(PIC12C509),
    Eprom14Whole(PIC16C61, 0x3FEF),
    Eprom14(PIC16C62, 0x0030),
    Eprom14(PIC16C62A),
    Eprom14(PIC16C620),
    Eprom14(PIC16C621),
    Eprom14(PIC16C622),
    Eprom14(PIC16CE623),
    Eprom14(PIC16CE624),
    Eprom14(PIC16CE625),
    Eprom14(PIC16C63),
    Eprom14(PIC16C64, 0x0030),
    Eprom14(PIC16C64A),
    Eprom14(PIC16C65, 0x0030),
    Eprom14(PIC16C65A),
    Eprom14(PIC16C66),
    Eprom14(PIC16C67),
    Eprom14Whole(PIC16C71, 0x3FEF),
    Eprom14Whole(PIC16C710, 0x004F),
    Eprom14Whole(PIC16C711, 0x004F),
    Eprom14(PIC16C712),
    Eprom14(PIC16C716),
    Eprom14(PIC16C72),
    Eprom14(PIC16C73, 0x0030),
    Eprom14(PIC16C73A),
    Eprom14(PIC16C74, 0x0030),
    Eprom14(PIC16C74A),
    Eprom14(PIC16C745),
    Eprom14(PIC16C76),
    Eprom14(PIC16C765),
    Eprom14(PIC16C77),
    Eprom14C77x(PIC16C773),
    Eprom14C77x(PIC16C774),
    {PIC16C84, 0xFFF0, 0x001F, 0, 0xFFEF, 0, kAll},
    Eprom14(PIC16C923),
    Eprom14(PIC16C924),
    Flash62x(PIC16F627),
    Flash62x(PIC16F628),
    {PIC16F84, 0xFFF0, 0x03FF, 0, 0x000F, 0, kAll},
    Flash87x(PIC16F873),
    Flash87x(PIC16F874),
    Flash87x(PIC16F876),
    Flash87x(PIC16F877),
};

int32_t ApplyProtectionLevel(int32_t word, int32_t pairs, int32_t level) {
  uint32_t result = static_cast<uint32_t>(word);
  for (int shift = 0; shift < 14; shift += 2) {
    const uint32_t pair = 3U << shift;
    if ((static_cast<uint32_t>(pairs) & pair) != pair) continue;
    result &= (static_cast<uint32_t>(level) << shift) | (kWordMask & ~pair);
  }
  return static_cast<int32_t>(result);
}

int32_t ConfigWordWanted(const PicConfigRule& rule, int32_t fuse) { return fuse | rule.forcedBits; }

bool ConfigReadsBack(const PicConfigRule& rule, int32_t wanted, int32_t read) {
  return ((read ^ wanted) & rule.comparedBits) == 0;
}

int32_t ProtectionBits(const PicConfigRule& rule) {
  return ((~rule.protectMask | ~rule.dataProtectMask) & kWordMask) | rule.levelPairs;
}

}  // namespace tarvel

#include "sim/PicChipFacts.h"

namespace tarvel {

namespace {

constexpr PicProtectScheme kAll = PicProtectScheme::All;
constexpr PicProtectScheme kQuarters = PicProtectScheme::Quarters;
constexpr PicProtectScheme kUpperHalf = PicProtectScheme::UpperHalf;
constexpr PicProtectScheme kLastPage = PicProtectScheme::LastPage;

// Protection pairs of the 14-bit EPROM devices.
constexpr uint16_t kFourPairs = 0x3F30;   // bits 5-4, 9-8, 11-10, 13-12
constexpr uint16_t kThreePairs = 0x3330;  // bits 5-4, 9-8, 13-12
constexpr uint16_t kOnePair = 0x0030;     // bits 5-4

constexpr PicChipFacts Eprom14(PIC_DEVICES device, PicProtectScheme scheme, uint16_t bits) {
  return {device, 0, scheme, bits, 0, 0, 0};
}

constexpr PicChipFacts Eprom12(PIC_DEVICES device, uint16_t calibration) {
  return {device, 0, kAll, 0x0008, 0, 0x0FE0, calibration};
}

constexpr PicChipFacts Flash(PIC_DEVICES device, int32_t dataBytes, PicProtectScheme scheme,
                             uint16_t bits, uint16_t dataBit) {
  return {device, dataBytes, scheme, bits, dataBit, 0, 0};
}

}  // namespace

const PicChipFacts kPicChipFacts[kPicDeviceCount] = {
    Eprom12(PIC12C508, 0x0C9C),
    Eprom12(PIC12C508A, 0x0C80),
    Eprom12(PIC12C509, 0x0C70),
    Eprom14(PIC16C61, kAll, 0x0010),
    Eprom14(PIC16C62, kQuarters, kOnePair),
    Eprom14(PIC16C62A, kQuarters, kFourPairs),
    Eprom14(PIC16C620, kQuarters, kFourPairs),
    Eprom14(PIC16C621, kQuarters, kFourPairs),
    Eprom14(PIC16C622, kQuarters, kFourPairs),
    Eprom14(PIC16CE623, kQuarters, kFourPairs),
    Eprom14(PIC16CE624, kQuarters, kFourPairs),
    Eprom14(PIC16CE625, kQuarters, kFourPairs),
    Eprom14(PIC16C63, kQuarters, kFourPairs),
    Eprom14(PIC16C64, kQuarters, kOnePair),
    Eprom14(PIC16C64A, kQuarters, kFourPairs),
    Eprom14(PIC16C65, kQuarters, kOnePair),
    Eprom14(PIC16C65A, kQuarters, kFourPairs),
    Eprom14(PIC16C66, kQuarters, kFourPairs),
    Eprom14(PIC16C67, kQuarters, kFourPairs),
    Eprom14(PIC16C71, kAll, 0x0010),
    Eprom14(PIC16C710, kAll, 0x3FB0),
    Eprom14(PIC16C711, kAll, 0x3FB0),
    Eprom14(PIC16C712, kQuarters, kFourPairs),
    Eprom14(PIC16C716, kQuarters, kFourPairs),
    Eprom14(PIC16C72, kQuarters, kFourPairs),
    Eprom14(PIC16C73, kQuarters, kOnePair),
    Eprom14(PIC16C73A, kQuarters, kFourPairs),
    Eprom14(PIC16C74, kQuarters, kOnePair),
    Eprom14(PIC16C74A, kQuarters, kFourPairs),
    Eprom14(PIC16C745, kQuarters, kFourPairs),
    Eprom14(PIC16C76, kQuarters, kFourPairs),
    Eprom14(PIC16C765, kQuarters, kFourPairs),
    Eprom14(PIC16C77, kQuarters, kFourPairs),
    Eprom14(PIC16C773, kQuarters, kThreePairs),
    Eprom14(PIC16C774, kQuarters, kThreePairs),
    Flash(PIC16C84, 64, kAll, 0x0010, 0),
    Eprom14(PIC16C923, kQuarters, kFourPairs),
    Eprom14(PIC16C924, kQuarters, kFourPairs),
    Flash(PIC16F627, 128, kUpperHalf, 0x3C00, 0x0100),
    Flash(PIC16F628, 128, kQuarters, 0x3C00, 0x0100),
    Flash(PIC16F84, 64, kAll, 0x3FF0, 0),
    Flash(PIC16F873, 128, kLastPage, 0x3030, 0x0100),
    Flash(PIC16F874, 128, kLastPage, 0x3030, 0x0100),
    Flash(PIC16F876, 256, kLastPage, 0x3030, 0x0100),
    Flash(PIC16F877, 256, kLastPage, 0x3030, 0x0100),
};

int32_t ProtectedFrom(const PicChipFacts& facts, int32_t programWords, uint16_t config) {
  if (facts.scheme == PicProtectScheme::All) {
    return (config & facts.codeProtectBits) == facts.codeProtectBits ? programWords : 0;
  }
  int32_t from = programWords;
  for (int shift = 0; shift < 14; shift += 2) {
    if (((facts.codeProtectBits >> shift) & 3U) != 3U) continue;
    const unsigned pair = (config >> shift) & 3U;
    int32_t pairFrom = programWords;
    switch (pair) {
      case 0: pairFrom = 0; break;
      case 1:
        pairFrom = facts.scheme == PicProtectScheme::Quarters ? programWords / 4 : programWords / 2;
        break;
      case 2:
        if (facts.scheme == PicProtectScheme::Quarters) pairFrom = programWords / 2;
        if (facts.scheme == PicProtectScheme::LastPage) pairFrom = programWords - 0x100;
        break;
      default: break;
    }
    if (pairFrom < from) from = pairFrom;
  }
  return from;
}

}  // namespace tarvel

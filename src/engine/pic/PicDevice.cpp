#include "engine/pic/PicDevice.h"

namespace tarvel {

namespace {
constexpr PicFamily E12 = PicFamily::Eprom12;
constexpr PicFamily E14 = PicFamily::Eprom14;
constexpr PicFamily FL = PicFamily::Flash;
}  // namespace

const PicDeviceInfo kPicDevices[kPicDeviceCount] = {
    {PIC12C508, "PIC12C508", E12, 0x1FF, 0, 0, 4, 0, 0},
    {PIC12C508A, "PIC12C508A", E12, 0x1FF, 0, 0, 4, 0, 0},
    {PIC12C509, "PIC12C509[A]", E12, 0x3FF, 0, 0, 4, 0, 0},
    {PIC16C61, "PIC16C61", E14, 0x3FF, 0, 0, 1, 0, 0},
    {PIC16C62, "PIC16C62", E14, 0x7FF, 0, 0, 1, 0, 0},
    {PIC16C62A, "PIC16C62A,B", E14, 0x7FF, 0, 0, 1, 0, 0},
    {PIC16C620, "PIC16C620[A]", E14, 0x1FF, 0, 0, 1, 0, 0},
    {PIC16C621, "PIC16C621[A]", E14, 0x3FF, 0, 0, 1, 0, 0},
    {PIC16C622, "PIC16C622[A]", E14, 0x7FF, 0, 0, 1, 0, 0},
    {PIC16CE623, "PIC16CE623", E14, 0x1FF, 0, 0, 1, 0, 0},
    {PIC16CE624, "PIC16CE624", E14, 0x3FF, 0, 0, 1, 0, 0},
    {PIC16CE625, "PIC16CE625", E14, 0x7FF, 0, 0, 1, 0, 0},
    {PIC16C63, "PIC16C63[A]", E14, 0xFFF, 0, 0, 1, 0, 0},
    {PIC16C64, "PIC16C64", E14, 0x7FF, 0, 0, 1, 0, 0},
    {PIC16C64A, "PIC16C64A", E14, 0x7FF, 0, 0, 1, 0, 0},
    {PIC16C65, "PIC16C65", E14, 0xFFF, 0, 0, 1, 0, 0},
    {PIC16C65A, "PIC16C65A,B", E14, 0xFFF, 0, 0, 1, 0, 0},
    {PIC16C66, "PIC16C66", E14, 0x1FFF, 0, 0, 1, 0, 0},
    {PIC16C67, "PIC16C67", E14, 0x1FFF, 0, 0, 1, 0, 0},
    {PIC16C71, "PIC16C71", E14, 0x3FF, 0, 0, 1, 0, 0},
    {PIC16C710, "PIC16C710", E14, 0x1FF, 0, 0, 1, 0, 0},
    {PIC16C711, "PIC16C711", E14, 0x3FF, 0, 0, 1, 0, 0},
    {PIC16C712, "PIC16C712", E14, 0x3FF, 0, 0, 1, 0, 0},
    {PIC16C716, "PIC16C716", E14, 0x7FF, 0, 0, 1, 0, 0},
    {PIC16C72, "PIC16C72[A]", E14, 0x7FF, 0, 0, 1, 0, 0},
    {PIC16C73, "PIC16C73", E14, 0xFFF, 0, 0, 1, 0, 0},
    {PIC16C73A, "PIC16C73A,B", E14, 0xFFF, 0, 0, 1, 0, 0},
    {PIC16C74, "PIC16C74", E14, 0xFFF, 0, 0, 1, 0, 0},
    {PIC16C74A, "PIC16C74A,B", E14, 0xFFF, 0, 0, 1, 0, 0},
    {PIC16C745, "PIC16C745", E14, 0x1FFF, 0, 0, 1, 0, 0},
    {PIC16C76, "PIC16C76", E14, 0x1FFF, 0, 0, 1, 0, 0},
    {PIC16C765, "PIC16C765", E14, 0x1FFF, 0, 0, 1, 0, 0},
    {PIC16C77, "PIC16C77", E14, 0x1FFF, 0, 0, 1, 0, 0},
    {PIC16C773, "PIC16C773", E14, 0xFFF, 0, 0, 1, 0, 0},
    {PIC16C774, "PIC16C774", E14, 0xFFF, 0, 0, 1, 0, 0},
    {PIC16C84, "PIC16C84", FL, 0x3FF, 0x3F, 10000, 4, 0, 0},
    {PIC16C923, "PIC16C923", E14, 0xFFF, 0, 0, 1, 0, 0},
    {PIC16C924, "PIC16C924", E14, 0xFFF, 0, 0, 1, 0, 0},
    {PIC16F627, "PIC16F627", FL, 0x3FF, 0x7F, 2600, 3, 0, 0x07A0},
    {PIC16F628, "PIC16F628", FL, 0x7FF, 0x7F, 2600, 1, 0, 0x07C0},
    {PIC16F84, "PIC16F84", FL, 0x3FF, 0x3F, 10000, 4, 0, 0},
    {PIC16F873, "PIC16F873", FL, 0xFFF, 0x7F, 2600, 2, 2, 0x0960},
    {PIC16F874, "PIC16F874", FL, 0xFFF, 0x7F, 2600, 2, 2, 0x0920},
    {PIC16F876, "PIC16F876", FL, 0x1FFF, 0xFF, 2600, 2, 2, 0x09E0},
    {PIC16F877, "PIC16F877", FL, 0x1FFF, 0xFF, 2600, 2, 2, 0x09A0},
};

const PicDeviceInfo* PicDeviceWithId(int32_t idWord) {
  if (idWord == kNoDeviceIdWord) return nullptr;
  for (const PicDeviceInfo& info : kPicDevices) {
    if (info.deviceId != 0 && (idWord & kDeviceIdMask) == info.deviceId) return &info;
  }
  return nullptr;
}

}  // namespace tarvel

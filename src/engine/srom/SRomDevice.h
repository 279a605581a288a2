#pragma once

#include <cstdint>

namespace tarvel {

enum SROM_DEVICE : uint8_t {
  SROM24xx01, SROM24xx02, SROM24xx04, SROM24xx08, SROM24xx16,
  SROM24xx32, SROM24xx64, SROM24xx128, SROM24xx256
};

constexpr int kSRomDeviceCount = 9;

// What an erased byte reads; a 24xx has no erase of its own, so erasing is
// writing it.
constexpr uint8_t kSRomErased = 0xFF;

struct SRomDeviceInfo {
  SROM_DEVICE device;
  const char* displayName;
  uint32_t lastAddress;
  uint32_t pageSize;  // bytes in one write page; page writes wrap inside it
};

// One row per size, indexed by SROM_DEVICE.
extern const SRomDeviceInfo kSRomDevices[kSRomDeviceCount];

// Above 2 KB the address travels in two bytes; below, the high bits ride in
// the control byte's block bits.
inline bool SRomUsesTwoAddressBytes(uint32_t lastAddress) { return lastAddress > 0x7FF; }

}  // namespace tarvel

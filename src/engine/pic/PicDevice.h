#pragma once

#include <cstdint>

namespace tarvel {

// In the order of the window's device list: the list index is the value.
enum PIC_DEVICES : uint8_t {
  PIC12C508, PIC12C508A, PIC12C509,
  PIC16C61, PIC16C62, PIC16C62A, PIC16C620, PIC16C621, PIC16C622,
  PIC16CE623, PIC16CE624, PIC16CE625,
  PIC16C63, PIC16C64, PIC16C64A, PIC16C65, PIC16C65A, PIC16C66, PIC16C67,
  PIC16C71, PIC16C710, PIC16C711, PIC16C712, PIC16C716,
  PIC16C72, PIC16C73, PIC16C73A, PIC16C74, PIC16C74A,
  PIC16C745, PIC16C76, PIC16C765, PIC16C77, PIC16C773, PIC16C774,
  PIC16C84, PIC16C923, PIC16C924,
  PIC16F627, PIC16F628, PIC16F84, PIC16F873, PIC16F874, PIC16F876, PIC16F877
};

constexpr int kPicDeviceCount = 45;

// Which algorithm set programs a device.
enum class PicFamily : uint8_t {
  Eprom12,  // 12-bit EPROM: the Pic12 routines
  Eprom14,  // 14-bit EPROM: the Pic67 routines
  Flash,    // flash program memory with data EEPROM: the Pic84 routines
};

struct PicDeviceInfo {
  PIC_DEVICES device;
  const char* displayName;
  PicFamily family;
  int32_t lastAddress;
  int32_t dataLastAddress;    // 0 for the EPROM families
  int32_t programWaitMicros;  // flash family only; 0 leaves the wait as it was
  int32_t protectType;
  int32_t dataProtectType;
  int32_t deviceId;  // the device ID word at 0x2006 without its revision bits; 0: the chip has none
};

// One row per device, indexed by PIC_DEVICES.
extern const PicDeviceInfo kPicDevices[kPicDeviceCount];

inline bool IsKnownPicDevice(int device) { return device >= 0 && device < kPicDeviceCount; }

// The low five bits of the device ID word are the silicon revision.
constexpr int32_t kDeviceIdMask = 0x3FE0;
// What the device ID word reads where no chip drives the data line.
constexpr int32_t kNoDeviceIdWord = 0x3FFF;

// The device whose ID the word carries, or nullptr when it is none of the
// table's.
const PicDeviceInfo* PicDeviceWithId(int32_t idWord);

}  // namespace tarvel

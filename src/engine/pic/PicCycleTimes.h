#pragma once

#include <cstdint>

#include "engine/pic/PicDevice.h"

namespace tarvel {

// The typical self-timed cycle times of a device, from its datasheet and
// programming guide. Whatever WaitTime says, the engine never lets a cycle
// run for less than its floor, measured on the clock. 0: the device has
// no self-timed cycle of that kind (the EPROM parts are programmed by pulses,
// whose width stays WaitTime's).
struct PicCycleTimes {
  PIC_DEVICES device;
  uint32_t programWordMicros;  // erase and write of one program, ID or configuration word
  uint32_t dataByteMicros;     // erase and write of one data EEPROM byte
  uint32_t chipEraseMicros;    // the chip-erase sequence
};

// One row per device, indexed by PIC_DEVICES.
extern const PicCycleTimes kPicCycleTimes[kPicDeviceCount];

// The typical time and a quarter more: a chip at the slow end of its
// datasheet, or a little cold, still completes the cycle.
constexpr uint64_t CycleFloorMicros(uint32_t typicalMicros) {
  return uint64_t{typicalMicros} + uint64_t{typicalMicros} / 4;
}

}  // namespace tarvel

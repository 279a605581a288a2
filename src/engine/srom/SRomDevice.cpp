#include "engine/srom/SRomDevice.h"

namespace tarvel {

const SRomDeviceInfo kSRomDevices[kSRomDeviceCount] = {
    {SROM24xx01, "24xx01", 0x7F, 8},     {SROM24xx02, "24xx02", 0xFF, 8},
    {SROM24xx04, "24xx04", 0x1FF, 16},   {SROM24xx08, "24xx08", 0x3FF, 16},
    {SROM24xx16, "24xx16", 0x7FF, 16},   {SROM24xx32, "24xx32", 0xFFF, 32},
    {SROM24xx64, "24xx64", 0x1FFF, 32},  {SROM24xx128, "24xx128", 0x3FFF, 64},
    {SROM24xx256, "24xx256", 0x7FFF, 64},
};

}  // namespace tarvel

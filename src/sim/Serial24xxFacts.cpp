#include "sim/Serial24xxFacts.h"

namespace tarvel {

// Microchip's parts: 3 ms typical, 5 ms at most, for a byte or a whole page.
const Serial24xxFacts kSerial24xxFacts[kSRomDeviceCount] = {
    {SROM24xx01, 128, 8, 3000},     {SROM24xx02, 256, 8, 3000},     {SROM24xx04, 512, 16, 3000},
    {SROM24xx08, 1024, 16, 3000},   {SROM24xx16, 2048, 16, 3000},   {SROM24xx32, 4096, 32, 3000},
    {SROM24xx64, 8192, 32, 3000},   {SROM24xx128, 16384, 64, 3000}, {SROM24xx256, 32768, 64, 3000},
};

}  // namespace tarvel

#include "sim/Serial24xxFacts.h"

namespace tarvel {

const Serial24xxFacts kSerial24xxFacts[kSRomDeviceCount] = {
    {SROM24xx01, 128, 8},    {SROM24xx02, 256, 8},    {SROM24xx04, 512, 16},
    {SROM24xx08, 1024, 16},  {SROM24xx16, 2048, 16},  {SROM24xx32, 4096, 32},
    {SROM24xx64, 8192, 32},  {SROM24xx128, 16384, 64}, {SROM24xx256, 32768, 64},
};

}  // namespace tarvel

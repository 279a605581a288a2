#include "engine/pic/PicCycleTimes.h"

namespace tarvel {

namespace {
constexpr PicCycleTimes Pulsed(PIC_DEVICES device) { return {device, 0, 0, 0}; }
}  // namespace

const PicCycleTimes kPicCycleTimes[kPicDeviceCount] = {
    Pulsed(PIC12C508), Pulsed(PIC12C508A), Pulsed(PIC12C509),
    Pulsed(PIC16C61), Pulsed(PIC16C62), Pulsed(PIC16C62A), Pulsed(PIC16C620), Pulsed(PIC16C621),
    Pulsed(PIC16C622), Pulsed(PIC16CE623), Pulsed(PIC16CE624), Pulsed(PIC16CE625),
    Pulsed(PIC16C63), Pulsed(PIC16C64), Pulsed(PIC16C64A), Pulsed(PIC16C65), Pulsed(PIC16C65A),
    Pulsed(PIC16C66), Pulsed(PIC16C67),
    Pulsed(PIC16C71), Pulsed(PIC16C710), Pulsed(PIC16C711), Pulsed(PIC16C712), Pulsed(PIC16C716),
    Pulsed(PIC16C72), Pulsed(PIC16C73), Pulsed(PIC16C73A), Pulsed(PIC16C74), Pulsed(PIC16C74A),
    Pulsed(PIC16C745), Pulsed(PIC16C76), Pulsed(PIC16C765), Pulsed(PIC16C77), Pulsed(PIC16C773),
    Pulsed(PIC16C774),
    {PIC16C84, 10000, 10000, 10000},
    Pulsed(PIC16C923), Pulsed(PIC16C924),
    {PIC16F627, 4000, 4000, 10000},
    {PIC16F628, 4000, 4000, 10000},
    // The PIC16F84A is faster; its row is the slower PIC16F84's, which it shares.
    {PIC16F84, 10000, 10000, 10000},
    // Begin erase/programming (command 8) erases and writes: 4 ms.
    {PIC16F873, 4000, 4000, 10000},
    {PIC16F874, 4000, 4000, 10000},
    {PIC16F876, 4000, 4000, 10000},
    {PIC16F877, 4000, 4000, 10000},
};

}  // namespace tarvel

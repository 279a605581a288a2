#pragma once

#include <cstdint>

namespace tarvel {

// The record types Intel HEX defines.
enum IntelHexRecord : uint8_t {
  kDataRecord = 0,
  kEndOfFileRecord = 1,
  kSegmentAddress = 2,
  kSegmentStart = 3,
  kLinearAddress = 4,
  kLinearStart = 5,
};

}  // namespace tarvel

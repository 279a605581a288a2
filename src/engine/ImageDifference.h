#pragma once

#include <cstdint>
#include <vector>

namespace tarvel {

// One address where a chip holds another value than the image wants.
struct ImageDifference {
  int32_t Address;
  int32_t WantedValue;
  int32_t ReadValue;
};

using ImageDifferences = std::vector<ImageDifference>;

}  // namespace tarvel

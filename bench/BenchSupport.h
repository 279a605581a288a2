#pragma once

// What every bench program shares: CPU time and a message sink that stays quiet.
#include <ctime>
#include <string>

#include "platform/UserMessages.h"

namespace tarvel::bench {

inline double CpuSeconds() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

class SilentMessages : public UserMessages {
 public:
  void Show(const std::string&) override {}
  void ShowBox(const std::string&, const std::string&, MessageIcon) override {}
};

}  // namespace tarvel::bench

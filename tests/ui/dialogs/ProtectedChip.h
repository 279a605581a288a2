#pragma once

#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <utility>

#include "engine/pic/PicWrite.h"
#include "platform/VirtualClock.h"
#include "sim/PicChip.h"
#include "sim/SimulatedWriter.h"
#include "support/RecordingMessages.h"

namespace tarvel::test {

// The first and last address a code-protect item names, "Upper half (0200H-03FFH)".
inline std::pair<int32_t, int32_t> AddressesOf(const std::string& text) {
  std::smatch match;
  EXPECT_TRUE(std::regex_search(text, match, std::regex(R"(\(([0-9A-F]{4})H-([0-9A-F]{4})H\)$)"))) << text;
  if (match.empty()) return {-1, -1};
  return {std::stoi(match[1], nullptr, 16), std::stoi(match[2], nullptr, 16)};
}

// The engine driving a blank simulated chip of one device, on virtual time.
class ProtectedChip {
 public:
  explicit ProtectedChip(PIC_DEVICES device) : writer(clock), port(writer, messages), engine(clock, messages) {
    writer.InsertPic(device);
    engine.ParallelPort = &port;
    engine.WaitTime = 3333;  // what the write setup measures on this clock
    engine.SetDevice(device);
  }
  PicChip& Chip() { return *writer.Pic(); }

  VirtualClock clock;
  RecordingMessages messages;
  SimulatedWriter writer;
  TParallelPort port;
  TPicWrite engine;
};

}  // namespace tarvel::test

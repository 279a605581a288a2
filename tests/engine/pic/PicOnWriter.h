#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <vector>

#include "engine/pic/PicWrite.h"
#include "platform/VirtualClock.h"
#include "port/ParallelPort.h"
#include "sim/PicChip.h"
#include "sim/SimulatedWriter.h"
#include "support/RecordingMessages.h"

namespace tarvel {

inline std::ostream& operator<<(std::ostream& out, const TPicWriteResult& result) {
  return out << "{code " << int(result.Code) << std::hex << std::uppercase << ", address "
             << result.Address << ", wanted " << result.WantedValue << ", read " << result.ReadValue
             << std::dec << "}";
}

namespace test {

inline ::testing::AssertionResult IsResult(const TPicWriteResult& actual, TPicResultCode code,
                                           int32_t address = -1, int32_t wanted = -1,
                                           int32_t read = -1) {
  const TPicWriteResult expected{code, address, wanted, read};
  if (actual.Code == expected.Code && actual.Address == expected.Address &&
      actual.WantedValue == expected.WantedValue && actual.ReadValue == expected.ReadValue) {
    return ::testing::AssertionSuccess();
  }
  return ::testing::AssertionFailure() << "got " << actual << ", wanted " << expected;
}

// The engine driving a chip in the simulated writer, all on virtual time.
class PicOnWriter : public ::testing::Test {
 protected:
  // What the write setup's measurement gives when its 30,600,000 empty
  // rounds take 30 ms: 100000 / 30. On the virtual clock (1 ns a round) a
  // flash cycle then lasts 5 or 20 ms and an EPROM pulse 2 or 0.27 ms.
  static constexpr int32_t kMeasuredWaitTime = 100000 / 30;

  PicOnWriter() { pic.ParallelPort = &port; }

  void Use(PIC_DEVICES device) {
    writer.InsertPic(device);
    pic.SetDevice(device);
    pic.WaitTime = kMeasuredWaitTime;
  }

  PicChip& Chip() { return *writer.Pic(); }

  // A deterministic image of `count` words within `mask`, every cell marked.
  static std::vector<int32_t> Pattern(int32_t count, int32_t mask, uint32_t seed = 1) {
    std::vector<int32_t> words(static_cast<size_t>(count));
    uint32_t state = seed;
    for (int32_t& word : words) {
      state = state * 1664525U + 1013904223U;
      word = static_cast<int32_t>((state >> 8) & static_cast<uint32_t>(mask));
    }
    return words;
  }

  void LoadImage(const std::vector<int32_t>& words) {
    for (int32_t i = 0; i < TPicWrite::kImageSize; ++i) {
      const bool present = i < static_cast<int32_t>(words.size());
      pic.SetData(i, present ? words[static_cast<size_t>(i)] : 0);
      pic.SetOX(i, present ? 'o' : '-');
    }
  }

  void ClearImage() { LoadImage({}); }

  void Mark(int32_t index, int32_t value) {
    pic.SetData(index, value);
    pic.SetOX(index, 'o');
  }

  bool LeftRunning() const { return writer.DataLatch() == 0x64 && !writer.Pic()->InProgrammingMode(); }

  VirtualClock clock;
  RecordingMessages messages;
  SimulatedWriter writer{clock};
  TParallelPort port{writer, messages};
  TPicWrite pic{clock, messages};
};

}  // namespace test
}  // namespace tarvel

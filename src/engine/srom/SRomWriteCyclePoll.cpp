#include "engine/srom/SRomWriteCyclePoll.h"

namespace tarvel {

SRomWriteCyclePoll::SRomWriteCyclePoll(TSRomWrite& rom, Clock& clock, uint64_t boundMicros)
    : rom_(rom), clock_(clock), boundMicros_(boundMicros) {}

WriteCycleOutcome SRomWriteCyclePoll::Wait() {
  polls_ = 0;
  const uint64_t start = clock_.Micros();
  for (;;) {
    ++polls_;
    if (rom_.Polling() == 1) return WriteCycleOutcome::Finished;
    if (clock_.Micros() - start >= boundMicros_) return WriteCycleOutcome::TimedOut;
  }
}

}  // namespace tarvel

#pragma once

#include <atomic>
#include <cstdint>

namespace tarvel {

// What a long operation is doing at the moment.
enum class OperationStage : uint8_t {
  Idle,
  Writing,
  Verifying,
  Reading,
  Comparing,
  Erasing,
  BlankChecking,
};

// How far a long operation has come, and its caller's wish that it stop. The
// engine reports at every cell or page boundary and stops at the first one
// after a stop was asked for, leaving the chip safe. Any thread may read the
// figures or ask for the stop: a window's progress dialog while the engine
// runs on a worker, or a signal handler of a command-line tool (the flag is
// a lock-free atomic).
class OperationProgress {
 public:
  virtual ~OperationProgress() = default;

  // Before an operation: no stage, no stop asked for or made.
  void Reset();
  void RequestStop() { stopRequested_ = true; }
  bool StopRequested() const { return stopRequested_; }

  // The engine: a pass over `total` cells or bytes begins.
  void BeginStage(OperationStage stage, uint32_t total);
  // The engine, before cell `done` of the pass (0 to total): true when the
  // operation stops here, which is then what Stopped tells.
  bool StopsAt(uint32_t done);

  OperationStage Stage() const { return stage_; }
  uint32_t Done() const { return done_; }
  uint32_t Total() const { return total_; }
  // The engine honoured a stop: the operation did not finish, and Done is
  // where it stopped.
  bool Stopped() const { return stopped_; }

 protected:
  // Called on the engine's thread after every report, e.g. to print it.
  virtual void Reported() {}

 private:
  std::atomic<OperationStage> stage_{OperationStage::Idle};
  std::atomic<uint32_t> done_{0};
  std::atomic<uint32_t> total_{0};
  std::atomic<bool> stopRequested_{false};
  std::atomic<bool> stopped_{false};
};

// The engines' reports to a Progress they may not have: without one an
// operation runs to its end.
inline void BeginStage(OperationProgress* progress, OperationStage stage, uint32_t total) {
  if (progress) progress->BeginStage(stage, total);
}
inline bool StopsAt(OperationProgress* progress, uint32_t done) { return progress && progress->StopsAt(done); }

}  // namespace tarvel

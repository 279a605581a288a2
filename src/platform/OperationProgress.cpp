#include "platform/OperationProgress.h"

namespace tarvel {

void OperationProgress::Reset() {
  stage_ = OperationStage::Idle;
  done_ = 0;
  total_ = 0;
  stopRequested_ = false;
  stopped_ = false;
}

void OperationProgress::BeginStage(OperationStage stage, uint32_t total) {
  total_ = total;
  done_ = 0;
  stage_ = stage;
  Reported();
}

bool OperationProgress::StopsAt(uint32_t done) {
  done_ = done;
  Reported();
  if (stopRequested_) stopped_ = true;
  return stopped_;
}

}  // namespace tarvel

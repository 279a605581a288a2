#pragma once

namespace tarvel {

// A write past the file size limit (RLIMIT_FSIZE, `ulimit -f`) raises
// SIGXFSZ, which ends the process on the spot and leaves a half-written
// temporary file behind. Ignored, the write fails with EFBIG instead, so a
// save tells the user why and cleans up. For the whole process, once.
void IgnoreFileSizeSignal();

}  // namespace tarvel

#include "ui/main/StatusNotice.h"

#include "ui/dialogs/WriteStatusDlg.h"

namespace tarvel {

StatusNotice::StatusNotice(TWriteStatusDlg& dialog) : dialog_(dialog) { dialog_.ShowAndRepaint(); }

StatusNotice::~StatusNotice() { Close(); }

void StatusNotice::Close() {
  if (!shown_) return;
  dialog_.close();
  shown_ = false;
}

}  // namespace tarvel

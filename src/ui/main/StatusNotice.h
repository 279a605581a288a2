#pragma once

namespace tarvel {

class TWriteStatusDlg;

// The "Writing" notice for the length of one write: shown and painted when
// the write begins, closed when it ends, also when the write stops on an
// exception or by an early return.
class StatusNotice {
 public:
  explicit StatusNotice(TWriteStatusDlg& dialog);
  ~StatusNotice();
  StatusNotice(const StatusNotice&) = delete;
  StatusNotice& operator=(const StatusNotice&) = delete;

  // Closes the notice before a message that must not sit under it.
  void Close();

 private:
  TWriteStatusDlg& dialog_;
  bool shown_ = true;
};

}  // namespace tarvel

// Every dialog opens with the focus on its default control, also when it was
// last closed from another one: Enter then does what the dialog offers.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <functional>

#include "DialogTestSupport.h"
#include "engine/pic/PicDevice.h"
#include "platform/VirtualClock.h"
#include "support/RecordingMessages.h"
#include "ui/dialogs/AboutBox.h"
#include "ui/dialogs/ConfigDlg.h"
#include "ui/dialogs/FileSetDlg.h"
#include "ui/dialogs/IDWriteDlg.h"
#include "ui/dialogs/ProtectConfirmDlg.h"
#include "ui/dialogs/WriteSetDlg.h"

namespace tarvel {
namespace {

using test::Child;

struct FocusCase {
  QDialog& dialog;
  const char* elsewhere;  // a control the user left the focus on
  const char* expected;   // the default control
  std::function<void()> prepare = [] {};
};

TEST(DialogFocus, EachDialogReopensOnItsDefaultControl) {
  test::RecordingMessages messages;
  VirtualClock clock;
  TConfigDlg config(messages);
  TWriteSetDlg writeSetup(clock, messages);
  TIDWriteDlg id;
  TFileSetDlg fileSetup;
  TAboutBox about;
  TProtectConfirmDlg protect;
  const FocusCase cases[] = {
      {config, "BtnCancel", "BitBtn1", [&] {
         config.SelectDevice(PIC16F84);
         config.SetWriteMode();
       }},
      {config, "CBWdt", "BtnClose", [&] { config.SetReadMode(); }},
      {writeSetup, "CancelButton", "OkButton"},
      {id, "BtnCancel", "EdtID"},
      {fileSetup, "BtnCancel", "BitBtn1"},
      {about, "BtnMemo", "BitBtn1"},
      {protect, "CBDataProtect", "BitBtn2", [&] { protect.SelectDevice(PIC16F877); }},
  };
  for (const FocusCase& use : cases) {
    use.prepare();
    test::OpenModal(use.dialog);
    Child<QWidget>(use.dialog, use.elsewhere).setFocus();
    use.dialog.reject();
    use.prepare();
    test::OpenModal(use.dialog);
    ASSERT_NE(use.dialog.focusWidget(), nullptr) << use.expected;
    EXPECT_EQ(use.dialog.focusWidget()->objectName().toStdString(), use.expected);
    use.dialog.reject();
  }
}

}  // namespace
}  // namespace tarvel

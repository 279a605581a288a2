// Every dialog in the states the user meets, shown for real in each
// language: no caption may be cut off, whatever font the machine has. With
// TARVEL_DIALOG_SHOTS set to a folder, each state is also saved there as a
// PNG to look at.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <functional>
#include <memory>

#include "DialogTestSupport.h"
#include "engine/pic/PicDevice.h"
#include "language/UiLanguage.h"
#include "platform/VirtualClock.h"
#include "support/RecordingMessages.h"
#include "support/RecordingPortIo.h"
#include "ui/dialogs/AboutBox.h"
#include "ui/dialogs/ConfigDlg.h"
#include "ui/dialogs/DifferenceListDlg.h"
#include "ui/dialogs/FileSetDlg.h"
#include "ui/dialogs/FillDlg.h"
#include "ui/dialogs/FindDlg.h"
#include "ui/dialogs/GoToDlg.h"
#include "ui/dialogs/IDWriteDlg.h"
#include "ui/dialogs/ProtectConfirmDlg.h"
#include "ui/dialogs/WriteSetDlg.h"
#include "ui/dialogs/WriterTestDlg.h"

namespace tarvel {
namespace {

// The texts that do not fit the place the layout gave them.
QStringList ClippedTexts(const QWidget& dialog) {
  QStringList clipped;
  for (const QWidget* widget : dialog.findChildren<QWidget*>()) {
    if (!widget->isVisibleTo(&dialog)) continue;
    QString text;
    QSize needed;
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
      text = label->text();
      needed = label->wordWrap() ? QSize(label->minimumSizeHint().width(), label->heightForWidth(label->width()))
                                 : label->sizeHint();
    } else if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
      text = button->text();
      needed = button->sizeHint();
    } else if (const auto* group = qobject_cast<const QGroupBox*>(widget)) {
      text = group->title();
      needed = QSize(group->fontMetrics().horizontalAdvance(group->title()), 0);
    } else {
      continue;
    }
    if (widget->width() < needed.width() || widget->height() < needed.height()) {
      clipped << QString("%1 \"%2\": %3x%4 < %5x%6")
                     .arg(widget->objectName(), text)
                     .arg(widget->width())
                     .arg(widget->height())
                     .arg(needed.width())
                     .arg(needed.height());
    }
  }
  return clipped;
}

const char* LanguageName(UiLanguage language) {
  switch (language) {
    case UiLanguage::English: return "English";
    case UiLanguage::Japanese: return "Japanese";
    case UiLanguage::Original: break;
  }
  return "Original";
}

void ShowAndCheck(QWidget& dialog, const QString& state) {
  const QString name = state + "-" + LanguageName(CurrentUiLanguage());
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog)) << name.toStdString();
  QCoreApplication::processEvents();
  const QStringList clipped = ClippedTexts(dialog);
  EXPECT_TRUE(clipped.isEmpty()) << name.toStdString() << ":\n" << clipped.join("\n").toStdString();
  const QString folder = qEnvironmentVariable("TARVEL_DIALOG_SHOTS");
  if (!folder.isEmpty()) {
    QDir().mkpath(folder);
    EXPECT_TRUE(dialog.grab().save(folder + "/" + name + ".png")) << name.toStdString();
  }
  dialog.hide();
}

// Each dialog is made after the language is chosen, as the window makes its
// short-lived dialogs; the long-lived ones word themselves anew.
class DialogRendering : public ::testing::TestWithParam<UiLanguage> {
 protected:
  void SetUp() override { ApplyUiLanguage(GetParam()); }
  void TearDown() override { ApplyUiLanguage(UiLanguage::Original); }
};

INSTANTIATE_TEST_SUITE_P(Languages, DialogRendering,
                         ::testing::Values(UiLanguage::Original, UiLanguage::English, UiLanguage::Japanese),
                         [](const ::testing::TestParamInfo<UiLanguage>& info) { return LanguageName(info.param); });

TEST_P(DialogRendering, WriteSetup) {
  VirtualClock clock;
  test::RecordingMessages messages;
  TWriteSetDlg dlg(clock, messages);
  dlg.SetWaitTime(0);
  dlg.SetFillUpEnable(true);
  dlg.SetFillUpData(0x3FFF);
  ShowAndCheck(dlg, "write-setup");
}

TEST_P(DialogRendering, WriterTest) {
  test::RecordingPortIo io;
  TWriterTestDlg dlg(io);
  ShowAndCheck(dlg, "writer-test-no-port");
  test::ClickItem(dlg, "RGPortSelect", 0);
  test::ClickItem(dlg, "RGPower", 0);
  test::ClickItem(dlg, "RGMclr", 0);
  test::ClickItem(dlg, "RGRb6", 0);
  ShowAndCheck(dlg, "writer-test-lines");
  dlg.close();
}

TEST_P(DialogRendering, ConfigurationInEveryLayout) {
  test::RecordingMessages messages;
  TConfigDlg dlg(messages);
  const struct {
    int device;
    int32_t word;
    bool read;
    const char* name;
  } uses[] = {{PIC16F877, 0x3FFF, false, "config-16f877-write"}, {PIC16F628, 0x3F72, true, "config-16f628-read"},
              {PIC12C509, 0x0FEA, false, "config-12c509"},        {PIC16C773, 0x3BFF, true, "config-16c773-read"},
              {PIC16C77, 0x3FB9, false, "config-16c77"},          {PIC16F84, 0x3FF1, false, "config-16f84"}};
  for (const auto& use : uses) {
    dlg.SelectDevice(use.device);
    dlg.SetFuse(use.word);
    dlg.SetIDText("TARVEL");
    if (use.read) {
      dlg.SetReadMode();
    } else {
      dlg.SetWriteMode();
    }
    ShowAndCheck(dlg, use.name);
  }
  EXPECT_TRUE(messages.boxes.empty());
}

TEST_P(DialogRendering, CodeProtectConfirmation) {
  TProtectConfirmDlg dlg;
  for (const auto& [device, name] : {std::pair<int, const char*>{PIC16F877, "protect-16f877"},
                                     {PIC16F84, "protect-16f84"},
                                     {45, "protect-not-implemented"}}) {
    dlg.SelectDevice(device);
    ShowAndCheck(dlg, name);
  }
}

TEST_P(DialogRendering, SmallDialogs) {
  TIDWriteDlg id;
  ShowAndCheck(id, "id-write");
  TFileSetDlg files;
  files.SetObjPath("/home/user/pic");
  files.SetHexType(1);
  files.SetBinType(3);
  ShowAndCheck(files, "file-setup");
  TAboutBox about;
  about.SetVersion("Version 2.37 (English)");
  ShowAndCheck(about, "about");
  test::Click(test::Child<QPushButton>(about, "BtnMemo"));
  ShowAndCheck(about, "about-expanded");
}

TEST_P(DialogRendering, GridDialogs) {
  test::RecordingMessages messages;
  const HexGridShape shape{0x7FFF, 5, 2};
  TFindDlg find(messages, 4);
  ShowAndCheck(find, "find");
  TFillDlg fill(messages, shape);
  ShowAndCheck(fill, "fill");
  TGoToDlg goTo(messages, shape);
  ShowAndCheck(goTo, "go-to");
  TDifferenceListDlg differences(TDifferenceListDlg::Image::Data, {{0x12, 0xFF, 0x00}}, 5, 2);
  ShowAndCheck(differences, "differences");
}

}  // namespace
}  // namespace tarvel

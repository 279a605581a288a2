// Every device's data held against an independent source read from the
// machine at test time: the gputils device headers (configuration options,
// code-protect values and, in their comments, the protected ranges) and
// gpasm's memory sizes. The options are set through the configuration
// dialog and written as the engine writes them; the code-protect values are
// the words the engine programs into a simulated chip for each range the
// confirmation offers.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>
#include <map>
#include <optional>
#include <set>

#include "ProtectedChip.h"
#include "engine/pic/CodeProtectRanges.h"
#include "engine/pic/PicConfigRules.h"
#include "ui/dialogs/ConfigDlg.h"
#include "ui/dialogs/RadioGroup.h"

namespace tarvel {
namespace {

const QString kHeaderFolder = "/usr/share/gputils/header";

// Where we write a word otherwise than the header, and why.
struct Difference {
  std::set<int> devices;
  uint32_t bits;
  const char* reason;
};
const Difference kDifferences[] = {
    {{PIC12C508, PIC12C508A, PIC12C509}, 0x0FE0,
     "bits 11-5 are unimplemented: written as 0, they read back as 1"},
    {{PIC16F627, PIC16F628}, 0x0200, "bit 9 is unimplemented and written as 0"},
};

uint32_t DifferingBits(int device) {
  uint32_t bits = 0;
  for (const Difference& difference : kDifferences) {
    if (difference.devices.count(device)) bits |= difference.bits;
  }
  return bits;
}

// "PIC16C62A,B" -> "16c62a", the name of its header and of gpasm's processor.
QString ChipName(int device) {
  return QString(kPicDevices[device].displayName).mid(3).section(QRegularExpression("[,\\[]"), 0, 0).toLower();
}

struct HeaderValue {
  QString name;
  uint32_t value;
  QString comment;
};

// The EQUs of the header's configuration section, by name.
std::map<QString, HeaderValue> ReadHeader(int device) {
  QFile file(kHeaderFolder + "/p" + ChipName(device) + ".inc");
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
  const QString text = QString::fromLatin1(file.readAll());
  const QRegularExpression equ(R"(^(_\w+)\s+EQU\s+H'([0-9A-Fa-f]+)'\s*(?:;\s*(.*))?$)",
                               QRegularExpression::MultilineOption);
  std::map<QString, HeaderValue> values;
  auto match = equ.globalMatch(text.mid(text.indexOf("Configuration Bits")));
  while (match.hasNext()) {
    const auto found = match.next();
    values[found.captured(1)] = {found.captured(1), found.captured(2).toUInt(nullptr, 16), found.captured(3).trimmed()};
  }
  return values;
}

// What a header option shows in the configuration dialog: a check box among
// `controls`, checked or not, or an item of a radio group, by its text or
// by its number.
struct DialogOption {
  QStringList controls;
  bool checked = false;
  QString item;
  int itemIndex = -1;
};

std::optional<DialogOption> OptionOf(const QString& name) {
  static const std::map<QString, QString> kOscillators = {
      {"_LP_OSC", "LP"}, {"_XT_OSC", "XT"}, {"_HS_OSC", "HS"}, {"_RC_OSC", "RC"},
      {"_IntRC_OSC", "IntRC"}, {"_ExtRC_OSC", "ExtRC"}, {"_EC_OSC", "EC"}, {"_H4_OSC", "H4"},
      {"_E4_OSC", "E4"}, {"_EXTCLK_OSC", "EXT"}, {"_INTRC_OSC_NOCLKOUT", "INTRC (RA6 = I/O)"},
      {"_INTRC_OSC_CLKOUT", "INTRC (RA6 = CLKOUT)"}, {"_ER_OSC_NOCLKOUT", "ER      (RA6 = I/O)"},
      {"_ER_OSC_CLKOUT", "ER      (RA6 = CLKOUT)"}};
  static const std::map<QString, QStringList> kChecks = {
      {"WDT", {"CBWdt"}}, {"WDTE", {"CBWdt"}},
      {"PWRTE", {"CBPwt", "CBPwrte_f87x", "CBPwrte_f62x", "CBPwrte_MVB"}},
      {"BODEN", {"CBBoden_f87x", "CBBoden_f62x", "CBBoden_MVB"}},
      {"BOREN", {"CBBoden_f87x", "CBBoden_f62x", "CBBoden_MVB"}},
      {"LVP", {"CBLvp_f87x", "CBLvp_f62x"}}, {"WRT", {"CBWrt_f87x"}}, {"WRT_ENABLE", {"CBWrt_f87x"}},
      {"DEBUG", {"CBDebug_f87x"}}};
  if (kOscillators.count(name)) return DialogOption{{"RGDefaultOSC", "RGInternalOSC", "RGVariousOSC"}, false,
                                                    kOscillators.at(name)};
  const QRegularExpression onOff(R"(^_(\w+)_(ON|OFF)$)");
  const auto match = onOff.match(name);
  if (match.hasMatch() && match.captured(1) == "MCLRE") {
    return DialogOption{{"RGMclr", "RGMclr_f62x"}, false, QString(), match.captured(2) == "ON" ? 1 : 0};
  }
  if (match.hasMatch() && kChecks.count(match.captured(1))) {
    return DialogOption{kChecks.at(match.captured(1)), match.captured(2) == "ON", QString()};
  }
  const QRegularExpression voltage(R"(^_(?:BODENV|VBOR)_(\d)(\d)$)");
  const auto volts = voltage.match(name);
  if (volts.hasMatch()) return DialogOption{{"RGBorv"}, false, volts.captured(1) + "." + volts.captured(2) + "V"};
  return std::nullopt;
}

// Names that are no option of their own: the FOSC_ and OSC_ names repeat
// the *_OSC values; code protection is checked apart; the rest are addresses.
bool IsOption(const QString& name) {
  for (const char* prefix : {"_FOSC_", "_OSC_", "_CP_", "_CPD_", "_CONFIG", "_IDLOC", "_DEVID"}) {
    if (name.startsWith(prefix)) return false;
  }
  return true;
}

QWidget* VisibleControl(const QDialog& dialog, const QStringList& names) {
  for (const QString& name : names) {
    auto* control = dialog.findChild<QWidget*>(name);
    if (control && control->isVisibleTo(&dialog)) return control;
  }
  return nullptr;
}

// The dialog shows what the header's option value sets, and its word, as
// the engine writes it, is the header's value.
void ExpectOption(TConfigDlg& dialog, int device, const HeaderValue& option) {
  SCOPED_TRACE(option.name.toStdString());
  const std::optional<DialogOption> meaning = OptionOf(option.name);
  ASSERT_TRUE(meaning) << "the dialog has no control for this option";
  dialog.SelectDevice(device);
  dialog.SetFuse(static_cast<int32_t>(option.value));
  QWidget* control = VisibleControl(dialog, meaning->controls);
  ASSERT_NE(control, nullptr) << "its control is not shown";
  if (auto* check = qobject_cast<QCheckBox*>(control)) {
    EXPECT_EQ(check->isChecked(), meaning->checked);
  } else {
    auto* group = qobject_cast<RadioGroup*>(control);
    ASSERT_NE(group, nullptr);
    ASSERT_GE(group->ItemIndex(), 0);
    if (meaning->itemIndex >= 0) {
      EXPECT_EQ(group->ItemIndex(), meaning->itemIndex);
    } else {
      EXPECT_EQ(group->Item(group->ItemIndex())->text().toStdString(), meaning->item.toStdString());
    }
  }
  if (!dialog.MakesFuse()) return;
  const uint32_t cell = kPicDevices[device].family == PicFamily::Eprom12 ? 0x0FFF : 0x3FFF;
  const uint32_t written = static_cast<uint32_t>(dialog.Fuse() | kPicConfigRules[device].forcedBits) & cell;
  EXPECT_EQ(written & ~DifferingBits(device), option.value & ~DifferingBits(device))
      << std::hex << "written " << written << ", header " << option.value;
}

// The program words a header's code-protect value protects, from its comment
// ("0200h-07FFh code protected", "0000h to 0FFFh code protected", "Code
// protection off"); the older headers have no comments and name the part
// protected (ON, ALL, 75, 50). Empty when nothing is protected.
std::optional<std::pair<int32_t, int32_t>> ProtectedRange(const HeaderValue& value, int32_t last) {
  const auto range = QRegularExpression(R"(([0-9A-Fa-f]{4})h\s*(?:-|to)\s*([0-9A-Fa-f]{4})h)").match(value.comment);
  if (range.hasMatch()) return std::make_pair(range.captured(1).toInt(nullptr, 16), range.captured(2).toInt(nullptr, 16));
  if (value.comment.contains("off", Qt::CaseInsensitive) || value.name == "_CP_OFF") return std::nullopt;
  if (value.name == "_CP_75") return std::make_pair((last + 1) / 4, last);
  if (value.name == "_CP_50") return std::make_pair((last + 1) / 2, last);
  return std::make_pair(0, last);
}

// The configuration word the engine leaves on a simulated chip whose word
// was `before`, protecting at `level`.
uint32_t ProtectedWord(int device, uint32_t before, int32_t level, int32_t data) {
  test::ProtectedChip target(static_cast<PIC_DEVICES>(device));
  target.Chip().Config().Set(0, static_cast<uint16_t>(before));
  const TPicResultCode code = target.engine.CodeProtect(level, data).Code;
  EXPECT_TRUE(code == prSuccess || code == prProtectSuccess) << int(code);
  return target.Chip().Config().Stored(0);
}

void ExpectCodeProtection(int device, const std::map<QString, HeaderValue>& header) {
  const int32_t last = kPicDevices[device].lastAddress;
  ASSERT_TRUE(header.count("_CP_OFF"));
  const uint32_t unprotected = header.at("_CP_OFF").value;
  std::set<QString> offered;
  for (const CodeProtectRanges::Range& range : CodeProtectRanges::ForDevice(device)) {
    SCOPED_TRACE(range.text);
    const uint32_t word = ProtectedWord(device, unprotected, range.level, 0);
    const auto value = std::find_if(header.begin(), header.end(), [&](const auto& entry) {
      return entry.first.startsWith("_CP_") && entry.second.value == word;
    });
    ASSERT_NE(value, header.end()) << std::hex << "the engine writes " << word << ", which the header does not name";
    EXPECT_EQ(ProtectedRange(value->second, last), std::optional(test::AddressesOf(range.text)))
        << value->first.toStdString() << " ; " << value->second.comment.toStdString();
    offered.insert(value->first);
    if (CodeProtectRanges::OffersDataProtect(device)) {
      ASSERT_TRUE(header.count("_CPD_ON"));
      EXPECT_EQ(ProtectedWord(device, unprotected, range.level, 1), word & header.at("_CPD_ON").value);
    }
  }
  EXPECT_EQ(CodeProtectRanges::OffersDataProtect(device), header.count("_CPD_ON") == 1);
  for (const auto& [name, value] : header) {
    if (name.startsWith("_CP_") && ProtectedRange(value, last)) {
      EXPECT_TRUE(offered.count(name)) << name.toStdString() << " (" << value.comment.toStdString()
                                       << ") is not offered";
    }
  }
}

class DeviceDataAgainstGputils : public ::testing::Test {
 protected:
  void SetUp() override {
    gpasm_ = QStandardPaths::findExecutable("gpasm");
    if (gpasm_.isEmpty() || !QDir(kHeaderFolder).exists()) {
      GTEST_SKIP() << "gputils is not installed (gpasm and " << kHeaderFolder.toStdString()
                   << "); install the Debian package gputils to hold the device data against it";
    }
  }

  // The source lines, one probe after the other, that gpasm finds beyond
  // the processor's memory (Warning 220).
  std::set<int> LinesBeyondMemory(int device, const QStringList& probes) {
    QFile source(folder_.filePath("probe.asm"));
    EXPECT_TRUE(source.open(QIODevice::WriteOnly | QIODevice::Truncate));
    for (const QString& probe : probes) source.write(("\t" + probe + "\n").toLatin1());
    source.write("\tend\n");
    source.close();
    QProcess gpasm;
    gpasm.setProcessChannelMode(QProcess::MergedChannels);
    gpasm.start(gpasm_, {"-p", ChipName(device), "-a", "inhx8m", "-o", folder_.filePath("probe.hex"), source.fileName()});
    EXPECT_TRUE(gpasm.waitForFinished(10000));
    std::set<int> lines;
    const auto warning = QRegularExpression(R"(probe\.asm:(\d+):Warning\[220\])").globalMatch(gpasm.readAll());
    for (auto it = warning; it.hasNext();) lines.insert(it.next().captured(1).toInt());
    return lines;
  }

  QString gpasm_;
  QTemporaryDir folder_;
};

TEST_F(DeviceDataAgainstGputils, ConfigurationOptionsAndCodeProtectionOfEveryDevice) {
  test::RecordingMessages messages;
  TConfigDlg dialog(messages);
  for (int device = 0; device < kPicDeviceCount; ++device) {
    SCOPED_TRACE(kPicDevices[device].displayName);
    const std::map<QString, HeaderValue> header = ReadHeader(device);
    ASSERT_FALSE(header.empty());
    for (const auto& [name, value] : header) {
      if (IsOption(name)) ExpectOption(dialog, device, value);
    }
    ExpectCodeProtection(device, header);
  }
  EXPECT_TRUE(messages.boxes.empty()) << messages.boxes.front().text;
}

// A part of 8K words fills the whole program space: the address past it is
// its ID area, so only the last word is probed there.
TEST_F(DeviceDataAgainstGputils, ProgramAndDataEepromSizesOfEveryDevice) {
  for (int device = 0; device < kPicDeviceCount; ++device) {
    SCOPED_TRACE(kPicDevices[device].displayName);
    VirtualClock clock;
    test::RecordingMessages messages;
    TPicWrite engine(clock, messages);
    engine.SetDevice(static_cast<PIC_DEVICES>(device));
    const int32_t last = engine.LastAddress();
    const bool eeprom = engine.DataLastAddress() > 0;
    const int32_t dataBytes = eeprom ? engine.DataLastAddress() + 1 : 0;
    const QStringList probes = {
        QString("org 0x%1\n\tdw 0").arg(last, 0, 16),
        QString("org 0x%1\n\tdw 0").arg(std::min(last + 1, 0x1FFF), 0, 16),
        QString("org 0x%1\n\tde 0").arg(0x2100 + std::max(dataBytes - 1, 0), 0, 16),
        QString("org 0x%1\n\tde 0").arg(0x2100 + dataBytes, 0, 16)};
    const std::set<int> beyond = LinesBeyondMemory(device, probes);
    EXPECT_EQ(beyond.count(2), 0u) << "the last program word";
    if (last < 0x1FFF) {
      EXPECT_EQ(beyond.count(4), 1u) << "the word past the last";
    }
    if (eeprom) {
      EXPECT_EQ(beyond.count(6), 0u) << "the last data byte";
    }
    EXPECT_EQ(beyond.count(8), 1u) << "the byte past the data EEPROM";
  }
}

}  // namespace
}  // namespace tarvel

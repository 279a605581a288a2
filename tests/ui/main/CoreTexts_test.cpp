// The core's texts reach the window in its language: every text the core
// can show is one the table knows, each is worded in both catalogues, and
// the original texts ("As described") leave them as the core words them.
#include "language/CoreTexts.h"

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QTemporaryDir>
#include <fstream>

#include "engine/pic/CodeProtectRanges.h"
#include "engine/pic/PicResultText.h"
#include "engine/pic/PicWrite.h"
#include "engine/srom/SRomWrite.h"
#include "files/HexSource.h"
#include "files/PicHexImage.h"
#include "language/UiLanguage.h"
#include "platform/VirtualClock.h"
#include "port/ParallelPort.h"
#include "port/PpdevPortIo.h"
#include "support/RecordingMessages.h"
#include "support/RecordingPortIo.h"
#include "writer/WriterAccess.h"

namespace tarvel::test {
namespace {

bool HasJapanese(const QString& text) {
  static const QRegularExpression kana(QStringLiteral("[\\x{3040}-\\x{30ff}\\x{4e00}-\\x{9fff}\\x{ff66}-\\x{ff9f}]"));
  return text.contains(kana);
}

// What the core shows: result texts, its components' own boxes, the HEX
// reader's faults, the parts of a whole-chip HEX file, the ranges code
// protection covers, and the writer's names and faults.
QStringList EveryCoreText(const QString& folder) {
  QStringList texts{kResultCaption};
  for (int code = 0; code <= prCancelled; ++code) {
    texts << QString::fromStdString(ResultText({static_cast<TPicResultCode>(code), 0x1A3, 0x3FFF, 0x2005}));
  }
  texts << QString::fromStdString(ResultText({prOtherDevice, 0, 0x1234, kPicDevices[PIC16F877].deviceId}));

  RecordingMessages shown;
  VirtualClock clock;
  RecordingPortIo io;
  TParallelPort port(io, shown);
  port.SetPortType(static_cast<PPortType>(9));
  TSRomWrite rom(clock, shown);
  rom.SetDevice(static_cast<SROM_DEVICE>(99));
  TPicWrite pic(clock, shown);
  pic.ParallelPort = &port;
  pic.SetDevice(static_cast<PIC_DEVICES>(45));
  pic.ReadProgram();

  THexSource reader(shown);
  const auto load = [&](const char* name, const char* text) {
    const std::string path = (folder + "/" + name).toStdString();
    std::ofstream(path) << text;
    reader.LoadFile(path);
  };
  reader.LoadFile((folder + "/absent.hex").toStdString());
  load("foreign.hex", ":0100000012ED\nx\n");
  load("short.hex", ":0100000012\n:00000001FF\n");
  load("type.hex", ":0100000612E7\n:00000001FF\n");
  load("sum.hex", ":0100000012EE\n:00000001FF\n");
  load("address.hex", ":0300000400000000F9\n:00000001FF\n");
  load("contradiction.hex", ":0100000012ED\n:0100000013EC\n:00000001FF\n");
  for (const auto& box : shown.boxes) texts << QString::fromStdString(box.text) << QString::fromStdString(box.caption);
  texts.removeAll(QString());

  for (HexMisfit::Kind kind : {HexMisfit::ProgramBeyond, HexMisfit::DataBeyond, HexMisfit::NoDataMemory,
                               HexMisfit::IdNotWritten, HexMisfit::OutsideDevice}) {
    texts << QString::fromStdString(MisfitText({kind, 7, 0x4200, 0x42FF}, PIC16F84));
  }
  PicChipImage image;
  image.program = {0x2805};
  image.data = {0x12};
  image.id = std::array<uint16_t, 4>{1, 2, 3, 4};
  image.config = 0x3FF1;
  PicChipImage more = image;
  more.program.push_back(0x0000);
  more.data.push_back(0x34);
  more.id = std::array<uint16_t, 4>{'T', 'A', 'R', 'V'};
  for (const PicChipImage& each : {image, more}) {
    for (const std::string& part : ExtrasParts(each)) texts << QString::fromStdString(part);
    for (const std::string& part : WholeChipParts(each)) texts << QString::fromStdString(part);
  }
  for (PIC_DEVICES device : {PIC16F877, PIC16F628, PIC16F627}) {
    for (const CodeProtectRanges::Range& range : CodeProtectRanges::ForDevice(device)) {
      texts << QString::fromStdString(range.text);
    }
  }
  const ParportLocator noPorts(folder.toStdString(), folder.toStdString());
  texts << QString::fromStdString(PpdevPortIo::Open(AT378, noPorts).error);
  WriterAccess writer(clock, {noPorts, [] { return true; }, [] { return std::make_unique<RecordingPortIo>(); }});
  texts << QString::fromStdString(writer.Choose(WriterAccess::DirectIo, AT378))
        << QString::fromStdString(writer.Name());
  writer.ObtainPermission();
  writer.Choose(WriterAccess::DirectIo, AT378);
  texts << QString::fromStdString(writer.Name());
  return texts;
}

class CoreTextsTest : public ::testing::Test {
 protected:
  void TearDown() override { ApplyUiLanguage(UiLanguage::Original); }
};

TEST_F(CoreTextsTest, EveryTextOfTheCoreIsKnownAndWordedInEachLanguage) {
  QTemporaryDir folder;
  const QStringList texts = EveryCoreText(folder.path());
  ASSERT_GE(texts.size(), 55);
  for (const QString& text : texts) {
    EXPECT_TRUE(CoreTexts::Known(text)) << text.toStdString();
    EXPECT_EQ(CoreTexts::Translated(text), text) << "original: " << text.toStdString();
  }
  // A list of one is the text alone, translated as a message or as a part.
  const auto worded = [](const QString& text) { return CoreTexts::List({text.toStdString()}, {}); };
  ApplyUiLanguage(UiLanguage::Japanese);
  for (const QString& text : texts) EXPECT_TRUE(HasJapanese(worded(text))) << text.toStdString();
  ApplyUiLanguage(UiLanguage::English);
  for (const QString& text : texts) EXPECT_FALSE(HasJapanese(worded(text))) << text.toStdString();
}

TEST_F(CoreTextsTest, FieldsKeepTheirValuesAndCorePartsInsideThemAreTranslatedToo) {
  const std::string other =
      ResultText({prOtherDevice, 0, kPicDevices[PIC16F877].deviceId, 0x1234});
  const std::vector<std::string> parts = {"the configuration word 3FF1H", "the ID words 0001 0002 0003 0004",
                                          "4 data EEPROM bytes"};
  EXPECT_EQ(CoreTexts::List(parts, CoreTexts::LastJoint::And),
            "the configuration word 3FF1H, the ID words 0001 0002 0003 0004 and 4 data EEPROM bytes");
  EXPECT_EQ(CoreTexts::Translated("PIC16F84 and something else"), "PIC16F84 and something else");

  ApplyUiLanguage(UiLanguage::Japanese);
  EXPECT_EQ(CoreTexts::Translated(other),
            "ソケットのデバイスは 不明なデバイス (ID 1234H) です。PIC16F877 ではありません。\n"
            "ソケットのデバイスを選ぶか、PIC16F877 を入れてください。");
  EXPECT_EQ(CoreTexts::Translated("Failed to verify.\n\nAddress    01A3\nWrite Data 3FFFH\nRead Data  2005H"),
            "ベリファイに失敗しました。\n\nアドレス        01A3\n書き込みデータ  3FFFH\n読み込みデータ  2005H");
  EXPECT_EQ(CoreTexts::List(parts, CoreTexts::LastJoint::And),
            "コンフィグレーションワード 3FF1H、ID ワード 0001 0002 0003 0004、データEEPROM 4 バイト");
  // A part is no message: a text that only looks like one stays as it is.
  EXPECT_EQ(CoreTexts::Translated("ID 12"), "ID 12");

  ApplyUiLanguage(UiLanguage::English);
  EXPECT_EQ(CoreTexts::Translated("Hex ファイルを正常に読み込めません。"), "Cannot read the HEX file correctly.");
}

}  // namespace
}  // namespace tarvel::test

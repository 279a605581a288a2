#include <gtest/gtest.h>

#include <string>

#include "engine/pic/PicResultText.h"
#include "engine/pic/PicWrite.h"
#include "platform/VirtualClock.h"
#include "support/RecordingMessages.h"

namespace tarvel {
namespace {

TPicWriteResult Result(TPicResultCode code, int32_t address = -1, int32_t wanted = -1,
                       int32_t read = -1) {
  return {code, address, wanted, read};
}

TEST(ResultHex, AtLeastFourUpperCaseDigitsAndAllEightForNegatives) {
  EXPECT_EQ(ResultHex(0x12), "0012");
  EXPECT_EQ(ResultHex(0), "0000");
  EXPECT_EQ(ResultHex(0x3ffe), "3FFE");
  EXPECT_EQ(ResultHex(0x12345), "12345");
  EXPECT_EQ(ResultHex(-1), "FFFFFFFF");
  EXPECT_EQ(ResultHex(-2), "FFFFFFFE");
}

TEST(ResultText, WriteFailureNamesAddressWantedAndReadValues) {
  EXPECT_EQ(ResultText(Result(prWriteError, 0x12, 0x3FFF, 0x3FFE)),
            "Failed to write.\n\n"
            "Address    0012H\n"
            "Write Data 3FFFH\n"
            "Read Data  3FFEH");
  EXPECT_EQ(ResultIcon(prWriteError), MessageIcon::Error);
  EXPECT_STREQ(kResultCaption, "Melfort Result");
}

TEST(ResultText, VerifyFailureHasNoHAfterTheAddressInEitherLanguage) {
  const TPicWriteResult result = Result(prVerifyError, 0x1FF, 0x0123, 0x0122);
  EXPECT_EQ(ResultText(result),
            "Failed to verify.\n\n"
            "Address    01FF\n"
            "Write Data 0123H\n"
            "Read Data  0122H");
  EXPECT_EQ(ResultMessageText(result),
            "ベリファイに失敗しました。\n\n"
            "アドレス        01FF\n"
            "書き込みデータ  0123H\n"
            "読み込みデータ  0122H");
}

TEST(ResultText, ConfigurationAndIdFailuresShowTheirAddresses) {
  EXPECT_EQ(ResultText(Result(prIDWriteError, 0x2002, 0x1234, 0x3FFF)),
            "Failed to write ID.\n\nAddress    2002H\nWrite Data 1234H\nRead Data  3FFFH");
  EXPECT_EQ(ResultText(Result(prConfigVerifyError, 0x2007, 0x3F30, 0x3F31)),
            "Failed to verify configration fuse.\n\n"
            "Address    2007H\nWrite Data 3F30H\nRead Data  3F31H");
  // A configuration word wider than 16 bits shows all its digits.
  EXPECT_EQ(ResultText(Result(prConfigWriteError, 0x2007, 0xFFFF0, 0x3FF0)),
            "Failed to write configration fuse.\n\n"
            "Address    2007H\nWrite Data FFFF0H\nRead Data  3FF0H");
}

TEST(ResultText, CompareMismatchLabelsTheExpectedValueInElevenColumns) {
  const std::string text = ResultText(Result(prCompareMismatch, 0x40, 0x2800, 0x0000));
  EXPECT_EQ(text,
            "Different data is found in \n"
            "Address    0040H\n"
            "Expected   2800H\n"
            "Read Data  0000H");
  EXPECT_EQ(ResultText(Result(prDataCompareMismatch, 3, 0x55, 0xFF)),
            "Different data is found in \n"
            "Address    0003H\n"
            "Expected   0055H\n"
            "Read Data  00FFH");
  EXPECT_EQ(ResultIcon(prCompareMismatch), MessageIcon::Warning);
  EXPECT_EQ(ResultIcon(prDataCompareMismatch), MessageIcon::Warning);
  EXPECT_EQ(ResultMessageText(Result(prDataCompareMismatch, 3, 0x55, 0xFF)),
            "データ領域コンペア結果 不一致でした。\n\n"
            "アドレス        0003H\n"
            "比較データ  0055H\n"
            "読み込みデータ  00FFH");
}

TEST(ResultText, EveryCodeWithoutDetailInBothLanguages) {
  struct Row {
    TPicResultCode code;
    const char* english;
    MessageIcon icon;
    const char* japanese;
  };
  const Row rows[] = {
      {prProgramError, "Program Error", MessageIcon::Error, "プログラムエラー"},
      {prSuccess, "Completed successfully", MessageIcon::Information, "書き込み終了"},
      {prNotSupported, "This device is not supported.", MessageIcon::Error,
       "このデバイスは未対応です。"},
      {prEraseError, "Failed to erase.", MessageIcon::Error, "イレースに失敗しました。"},
      {prEraseNotPossible, "Failed to erase.\nWe can't erase this device.", MessageIcon::Error,
       "イレースに失敗しました。\nこのデバイスは、イレースできません。"},
      {prEraseSuccess, "Erasing finished successfully", MessageIcon::Information,
       "イレースに成功しました。"},
      {prAlreadyProtected, "This device is code-protected already.", MessageIcon::None,
       "すでにコードプロテクトがかけられています。"},
      {prProtectSuccess, "Code-protected successfully", MessageIcon::None,
       "コードプロテクトをかけました。"},
      {prCompareMatch, "Compare result is the same.", MessageIcon::Information,
       "コンペア結果\u3000一致しました。"},
      {prDataCompareMatch, "Compare result is the same.", MessageIcon::Information,
       "データ領域コンペア結果\u3000一致しました。"},
  };
  for (const Row& row : rows) {
    // The fields do not show, whatever they hold.
    const TPicWriteResult result = Result(row.code, 1, 2, 3);
    EXPECT_EQ(ResultText(result), row.english) << int(row.code);
    EXPECT_EQ(ResultIcon(row.code), row.icon) << int(row.code);
    EXPECT_EQ(ResultMessageText(result), row.japanese) << int(row.code);
  }
}

TEST(ResultText, HeadersOfTheDetailedCodes) {
  const std::pair<TPicResultCode, const char*> english[] = {
      {prConfigWriteError, "Failed to write configration fuse.\n\nAddress    "},
      {prIDVerifyError, "Failed to verify ID.\n\nAddress    "},
  };
  for (const auto& [code, start] : english) {
    EXPECT_EQ(ResultText(Result(code, 0, 0, 0)).rfind(start, 0), 0u) << int(code);
    EXPECT_EQ(ResultIcon(code), MessageIcon::Error);
  }
  const std::pair<TPicResultCode, const char*> japanese[] = {
      {prWriteError, "書き込みに失敗しました。\n\n"},
      {prConfigWriteError, "コンフィグの書き込みに失敗しました。\n\n"},
      {prIDWriteError, "IDの書き込みに失敗しました。\n\n"},
      {prConfigVerifyError, "コンフィグのベリファイに失敗しました。\n\n"},
      {prIDVerifyError, "IDのベリファイに失敗しました。\n\n"},
      {prCompareMismatch, "コンペア結果 不一致でした。\n\n"},
  };
  for (const auto& [code, header] : japanese) {
    EXPECT_EQ(ResultMessageText(Result(code, 0x2001, 0, 0)),
              std::string(header) +
                  "アドレス        2001H\n" +
                  (code == prCompareMismatch ? "比較データ  " : "書き込みデータ  ") +
                  "0000H\n読み込みデータ  0000H")
        << int(code);
  }
}

TEST(ResultText, SocketCheckNamesTheDeviceFoundAndTheOneSelected) {
  EXPECT_EQ(ResultText(Result(prNoDevice, 0x2006, 0x07C0, 0x3FFF)),
            "No device answers in the socket.\nPut the PIC16F628 in the socket and check the writer's connection.");
  EXPECT_EQ(ResultText(Result(prOtherDevice, 0x2006, 0x07C0, 0x09A3)),
            "PIC16F877 is in the socket, not the PIC16F628.\n"
            "Select the device in the socket, or put the PIC16F628 in.");
  EXPECT_EQ(ResultText(Result(prOtherDevice, 0x2006, 0x09E0, 0x0561))
                .rfind("An unknown device (ID 0561H) is in the socket, not the PIC16F876.\n", 0),
            0u);
  EXPECT_EQ(ResultMessageText(Result(prOtherDevice, 0x2006, 0x07A0, 0x0920))
                .rfind("ソケットのデバイスは PIC16F874 です。PIC16F627 ではありません。", 0),
            0u);
  EXPECT_EQ(ResultIcon(prNoDevice), MessageIcon::Error);
  EXPECT_EQ(ResultIcon(prOtherDevice), MessageIcon::Error);
}

TEST(ResultText, CancelNamesTheAddressWhereItStopped) {
  EXPECT_EQ(ResultText(Result(prCancelled, 0x1A3)),
            "Cancelled at address 01A3H\nThe operation did not finish. The chip has left programming mode.");
  EXPECT_EQ(ResultMessageText(Result(prCancelled, 0x1A3)).rfind("アドレス 01A3H で中止しました。", 0), 0u);
  EXPECT_EQ(ResultIcon(prCancelled), MessageIcon::Warning);
}

TEST(ResultText, CodesOutsideTheTableAreEmpty) {
  for (int code : {21, 100, 255}) {
    const TPicWriteResult result = Result(static_cast<TPicResultCode>(code), 1, 2, 3);
    EXPECT_EQ(ResultText(result), "");
    EXPECT_EQ(ResultMessageText(result), "");
    EXPECT_EQ(ResultIcon(static_cast<TPicResultCode>(code)), MessageIcon::None);
  }
}

TEST(ShowResultMessage, UsesTheSimpleBoxWithTheJapaneseText) {
  VirtualClock clock;
  test::RecordingMessages messages;
  TPicWrite pic(clock, messages);
  pic.ShowResultMessage(Result(prEraseSuccess));
  pic.ShowResultMessage(Result(static_cast<TPicResultCode>(40)));
  ASSERT_EQ(messages.boxes.size(), 2u);
  EXPECT_EQ(messages.boxes[0].text, "イレースに成功しました。");
  EXPECT_EQ(messages.boxes[0].caption, "");
  EXPECT_EQ(messages.boxes[0].icon, MessageIcon::None);
  EXPECT_EQ(messages.boxes[1].text, "");
}

}  // namespace
}  // namespace tarvel

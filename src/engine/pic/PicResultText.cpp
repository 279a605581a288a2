#include "engine/pic/PicResultText.h"

#include <cctype>
#include <cstdio>

namespace tarvel {

namespace {

struct DetailLabels {
  const char* address;
  const char* wanted;
  const char* read;
};

// The English compare labels say what the cell should hold; both sets keep
// their columns aligned.
constexpr DetailLabels kEnglishWriteLabels = {"Address    ", "Write Data ", "Read Data  "};
constexpr DetailLabels kEnglishCompareLabels = {"Address    ", "Expected   ", "Read Data  "};
constexpr DetailLabels kJapaneseWriteLabels = {"アドレス        ", "書き込みデータ  ",
                                               "読み込みデータ  "};
constexpr DetailLabels kJapaneseCompareLabels = {"アドレス        ", "比較データ  ",
                                                 "読み込みデータ  "};

using Composer = std::string (*)(const TPicWriteResult& result, bool english);

struct ResultRendering {
  const char* english;
  MessageIcon icon;
  const char* japanese;
  bool detail;  // followed by the address, wanted and read lines
  bool compare;
  Composer compose = nullptr;  // builds the text from the record instead
};

// The name of the device a device ID word names, or the word itself.
std::string DeviceNamed(int32_t idWord, bool english) {
  if (const PicDeviceInfo* info = PicDeviceWithId(idWord)) return info->displayName;
  const std::string id = "(ID " + ResultHex(idWord) + "H)";
  return english ? "an unknown device " + id : "不明なデバイス " + id;
}

std::string NoDeviceText(const TPicWriteResult& result, bool english) {
  const std::string wanted = DeviceNamed(result.WantedValue, english);
  return english ? "No device answers in the socket.\nPut the " + wanted +
                       " in the socket and check the writer's connection."
                 : "ソケットのデバイスが応答しません。\n" + wanted +
                       " をソケットに入れ、ライターの接続を確かめてください。";
}

std::string OtherDeviceText(const TPicWriteResult& result, bool english) {
  std::string found = DeviceNamed(result.ReadValue, english);
  const std::string wanted = DeviceNamed(result.WantedValue, english);
  if (english) {
    found[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(found[0])));
    return found + " is in the socket, not the " + wanted +
           ".\nSelect the device in the socket, or put the " + wanted + " in.";
  }
  return "ソケットのデバイスは " + found + " です。" + wanted +
         " ではありません。\nソケットのデバイスを選ぶか、" + wanted + " を入れてください。";
}

std::string CancelledText(const TPicWriteResult& result, bool english) {
  const std::string address = ResultHex(result.Address) + "H";
  return english ? "Cancelled at address " + address +
                       "\nThe operation did not finish. The chip has left programming mode."
                 : "アドレス " + address + " で中止しました。\n操作は終わっていません。チップはプログラミングモードを抜けています。";
}

// Indexed by TPicResultCode.
constexpr ResultRendering kRenderings[] = {
    {"Program Error", MessageIcon::Error, "プログラムエラー", false, false},
    {"Completed successfully", MessageIcon::Information, "書き込み終了", false, false},
    {"Failed to write.\n\n", MessageIcon::Error, "書き込みに失敗しました。\n\n", true, false},
    {"Failed to write configration fuse.\n\n", MessageIcon::Error,
     "コンフィグの書き込みに失敗しました。\n\n", true, false},
    {"Failed to write ID.\n\n", MessageIcon::Error, "IDの書き込みに失敗しました。\n\n", true,
     false},
    {"Failed to verify.\n\n", MessageIcon::Error, "ベリファイに失敗しました。\n\n", true, false},
    {"Failed to verify configration fuse.\n\n", MessageIcon::Error,
     "コンフィグのベリファイに失敗しました。\n\n", true, false},
    {"Failed to verify ID.\n\n", MessageIcon::Error, "IDのベリファイに失敗しました。\n\n", true,
     false},
    {"This device is not supported.", MessageIcon::Error, "このデバイスは未対応です。", false,
     false},
    {"Failed to erase.", MessageIcon::Error, "イレースに失敗しました。", false, false},
    {"Failed to erase.\nWe can't erase this device.", MessageIcon::Error,
     "イレースに失敗しました。\nこのデバイスは、イレースできません。", false, false},
    {"Erasing finished successfully", MessageIcon::Information, "イレースに成功しました。", false,
     false},
    {"This device is code-protected already.", MessageIcon::None,
     "すでにコードプロテクトがかけられています。", false, false},
    {"Code-protected successfully", MessageIcon::None, "コードプロテクトをかけました。", false,
     false},
    {"Compare result is the same.", MessageIcon::Information, "コンペア結果\u3000一致しました。",
     false, false},
    {"Different data is found in \n", MessageIcon::Warning, "コンペア結果 不一致でした。\n\n", true,
     true},
    {"Compare result is the same.", MessageIcon::Information,
     "データ領域コンペア結果\u3000一致しました。", false, false},
    {"Different data is found in \n", MessageIcon::Warning,
     "データ領域コンペア結果 不一致でした。\n\n", true, true},
    {"", MessageIcon::Error, "", false, false, &NoDeviceText},
    {"", MessageIcon::Error, "", false, false, &OtherDeviceText},
    {"", MessageIcon::Warning, "", false, false, &CancelledText},
};

constexpr int kRenderingCount = sizeof(kRenderings) / sizeof(kRenderings[0]);

const ResultRendering* RenderingOf(TPicResultCode code) {
  return code < kRenderingCount ? &kRenderings[code] : nullptr;
}

// The verify error's address line has no "H": the text has always been
// shown that way.
std::string DetailBlock(const TPicWriteResult& result, const DetailLabels& labels) {
  const char* addressEnd = result.Code == prVerifyError ? "\n" : "H\n";
  return std::string(labels.address) + ResultHex(result.Address) + addressEnd + labels.wanted +
         ResultHex(result.WantedValue) + "H\n" + labels.read + ResultHex(result.ReadValue) + "H";
}

std::string Render(const TPicWriteResult& result, bool english) {
  const ResultRendering* rendering = RenderingOf(result.Code);
  if (!rendering) return {};
  if (rendering->compose) return rendering->compose(result, english);
  std::string text = english ? rendering->english : rendering->japanese;
  if (rendering->detail) {
    const DetailLabels& labels =
        english ? (rendering->compare ? kEnglishCompareLabels : kEnglishWriteLabels)
                : (rendering->compare ? kJapaneseCompareLabels : kJapaneseWriteLabels);
    text += DetailBlock(result, labels);
  }
  return text;
}

}  // namespace

std::string ResultHex(int32_t value) {
  char digits[16];
  std::snprintf(digits, sizeof digits, "%04X", static_cast<unsigned>(static_cast<uint32_t>(value)));
  return digits;
}

std::string ResultText(const TPicWriteResult& result) { return Render(result, true); }

MessageIcon ResultIcon(TPicResultCode code) {
  const ResultRendering* rendering = RenderingOf(code);
  return rendering ? rendering->icon : MessageIcon::None;
}

std::string ResultMessageText(const TPicWriteResult& result) { return Render(result, false); }

}  // namespace tarvel

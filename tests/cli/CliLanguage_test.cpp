// tarvel-cli speaks the language of the user's locale: Japanese for a
// Japanese one, English for any other; the core's texts follow, the data of
// the JSON object does not.
#include <gtest/gtest.h>

#include "CliRunner.h"

namespace tarvel {
namespace {

using test::CliResult;

const std::string kBlink = std::string(TARVEL_TEST_DATA_DIR) + "/pic16f84_blink_inhx8m.hex";

// Terminal columns of a UTF-8 line, Japanese characters two each.
size_t Columns(const std::string& line) {
  size_t columns = 0;
  for (size_t i = 0; i < line.size(); ++i) {
    const auto byte = static_cast<unsigned char>(line[i]);
    if ((byte & 0xC0) == 0x80) continue;
    columns += byte >= 0xE1 ? 2 : 1;
  }
  return columns;
}

// Every line of the text fits a terminal of 80 columns.
void ExpectFitsTerminal(const std::string& text) {
  for (size_t start = 0, end; start < text.size(); start = end + 1) {
    end = text.find('\n', start);
    const std::string line = text.substr(start, end - start);
    EXPECT_LE(Columns(line), 80u) << line;
  }
}

TEST(CliLanguage, JapaneseResultsMistakesAndHelp) {
  test::CliRunner cli;
  cli.locale = {"LANG=ja_JP.UTF-8"};
  const std::string bad = cli.Folder().Write("bad.hex", ":0100000042BD\n:0100010043FF\n:00000001FF\n");

  CliResult result = cli.Run({"-d", "pic16f84", "-w", "sim", "verify", kBlink});
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.err,
            "tarvel-cli: プログラムメモリー: コンペア結果 不一致でした。\n\n"
            "アドレス        0000H\n比較データ  2805H\n読み込みデータ  3FFFH\n");
  result = cli.Run({"--json", "-d", "pic16f84", "-w", "sim", "verify", kBlink});
  EXPECT_NE(result.out.find("\"result\":\"differs\",\"memory\":\"program\",\"address\":0,\"wanted\":10245,"
                            "\"read\":16383,\"message\":\"コンペア結果 不一致でした。"),
            std::string::npos)
      << result.out;
  EXPECT_EQ(cli.Run({"-d", "pic16f84", "-w", "sim", "write", kBlink}).out,
            "書き込みとベリファイが終わりました: プログラム 10 ワード、データ 4 バイト、コンフィグ 3FF1H、"
            "ID ワード 0001 0002 0003 0004。\n");
  result = cli.Run({"-d", "pic16f84", "-w", "sim", "write", bad});
  EXPECT_EQ(result.status, 4);
  EXPECT_NE(result.err.find("bad.hex:2: HEXファイルの 2 行目: レコードのチェックサムは FFH ですが"),
            std::string::npos)
      << result.err;
  result = cli.Run({"-d", "pic16f84", "frob"});
  EXPECT_EQ(result.status, 2);
  EXPECT_EQ(result.err, "tarvel-cli: 'frob' は不明なコマンドです。\n詳しくは 'tarvel-cli --help' を実行してください。\n");

  result = cli.Run({"--help"});
  EXPECT_EQ(result.status, 0);
  for (const char* part : {"使い方: tarvel-cli [全体のオプション] COMMAND [ARGS]\n",
                           "  -d, --device <NAME>  デバイス: PIC16F84、", "\nコマンド:\n  devices ",
                           "\n終了ステータス: 0 成功、"}) {
    EXPECT_NE(result.out.find(part), std::string::npos) << part << "\n" << result.out;
  }
  // Qt wraps the options by characters; the catalogue breaks the Japanese
  // lines itself so that each fits a terminal of 80 columns.
  ExpectFitsTerminal(result.out);
}

// The first of LC_ALL, LC_MESSAGES and LANG that is set decides; any
// language but Japanese gives English, the core's Japanese texts included.
TEST(CliLanguage, EnglishUnlessTheDecidingVariableIsJapanese) {
  const std::vector<std::string> english[] = {
      {"LANG=de_DE.UTF-8"}, {"LC_ALL=C", "LANG=ja_JP.UTF-8"}, {"LC_MESSAGES=fr_FR", "LANG=ja_JP.UTF-8"}};
  for (const auto& locale : english) {
    test::CliRunner cli;
    cli.locale = locale;
    const std::string foreign = cli.Folder().Write("foreign.hex", ":0100000012ED\nx\n");
    EXPECT_EQ(cli.Run({"-d", "pic16f84", "frob"}).err,
              "tarvel-cli: Unknown command 'frob'.\nTry 'tarvel-cli --help' for more information.\n")
        << locale.front();
    EXPECT_EQ(cli.Run({"-d", "pic16f84", "-w", "sim", "write", foreign}).err,
              "tarvel-cli: " + foreign + ":2: Failed to read the HEX file.\n");
    ExpectFitsTerminal(cli.Run({"--help"}).out);
  }
  test::CliRunner cli;
  cli.locale = {"LC_ALL=", "LC_MESSAGES=ja_JP.eucJP", "LANG=en_US.UTF-8"};
  EXPECT_EQ(cli.Run({"-d", "pic16f84", "frob"}).err.rfind("tarvel-cli: 'frob' は不明なコマンドです。", 0), 0u);
}

}  // namespace
}  // namespace tarvel

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>ChipOperation</name>
    <message>
        <source>Preparing</source>
        <translation>準備中</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>書き込み中</translation>
    </message>
    <message>
        <source>Verifying</source>
        <translation>ベリファイ中</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>読み込み中</translation>
    </message>
    <message>
        <source>Comparing</source>
        <translation>コンペア中</translation>
    </message>
    <message>
        <source>Erasing</source>
        <translation>イレース中</translation>
    </message>
    <message>
        <source>Checking</source>
        <translation>チェック中</translation>
    </message>
    <message>
        <source>%1(partial: cancelled at %2H)</source>
        <translation>%1(途中まで: %2H で中止)</translation>
    </message>
    <message>
        <source>Cancelling at the next address...</source>
        <translation>次のアドレスで中止しています...</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a stage (Writing) and what it works on (program memory)</comment>
        <translation>%2: %1</translation>
    </message>
    <message>
        <source>Address %1H of %2H</source>
        <translation>アドレス %1H / %2H</translation>
    </message>
</context>
<context>
    <name>CliChipCommands</name>
    <message>
        <source>Interrupted before anything reached the chip.</source>
        <translation>チップに何も届かないうちに中止しました。</translation>
    </message>
</context>
<context>
    <name>CliCommandLine</name>
    <message>
        <source>The device: PIC16F84, pic16f877, 24xx256, ... (any case; &apos;devices&apos; lists them). Default: the device selected in the window.</source>
        <translation>デバイス: PIC16F84、pic16f877、24xx256 など (大文字
と小文字は問いません。&apos;devices&apos; で一覧を表示します)。
省略時はウィンドウで選んでいるデバイスです。</translation>
    </message>
    <message>
        <source>The writer: auto (default: as the window reaches it), ppdev:/dev/parportN, parport:TYPE (the port types 0-4 of the write setup: 378H, 3BCH, 278H, 40H, 140H), direct:TYPE, sim (a blank simulated chip) or sim:FILE (simulated chips kept in FILE between runs).</source>
        <translation>ライター: auto (省略時。ウィンドウと同じ方法で使います)、
ppdev:/dev/parportN、parport:TYPE (書き込みの設定のポート
0～4: 378H、3BCH、278H、40H、140H)、direct:TYPE、sim
(空のシミュレーションのチップ) または sim:FILE (実行の
あいだシミュレーションのチップを FILE に保存します)。</translation>
    </message>
    <message>
        <source>The programming wait setting, 1-30000. Default: the window&apos;s, else measured.</source>
        <translation>書き込みの待ち時間の設定 (1～30000)。省略時はウィンドウの
設定、それもなければ測定します。</translation>
    </message>
    <message>
        <source>Print one JSON object per command on stdout instead of text.</source>
        <translation>テキストの代わりに、コマンドごとに JSON オブジェクトを1つ
標準出力に表示します。</translation>
    </message>
    <message>
        <source>No progress and no success messages, only errors and what was asked for.</source>
        <translation>進行状況と成功のメッセージを表示しません。エラーと、
問い合わせた結果だけを表示します。</translation>
    </message>
    <message>
        <source>Run the simulated writer on the real clock, at the chips&apos; own pace. Without it the simulated writer runs on virtual time: a whole-chip write returns as soon as the work is done, with the chip&apos;s timing still checked.</source>
        <translation>シミュレーションのライターを実時間で、チップ本来の速さで
動かします。指定しなければ仮想の時間で動き、チップ全体の
書き込みも作業が済みしだい終わります (チップのタイミング
はそのまま確かめます)。</translation>
    </message>
    <message>
        <source>Display this help.</source>
        <translation>このヘルプを表示します。</translation>
    </message>
    <message>
        <source>Display the program&apos;s name and version.</source>
        <translation>プログラムの名前とバージョンを表示します。</translation>
    </message>
    <message>
        <source>write, read, verify: the part of the chip, program, data, config, id or all (default: all that the file and the device hold).</source>
        <translation>write、read、verify: チップの部分。program、data、
config、id または all (省略時はファイルとデバイスに
あるものすべて)。</translation>
    </message>
    <message>
        <source>The file format: hex (INHX8M), inhx32 or bin. Default: bin for a name ending in .bin, else hex.</source>
        <translation>ファイルの形式: hex (INHX8M)、inhx32 または bin。省略時は
名前が .bin で終われば bin、それ以外は hex です。</translation>
    </message>
    <message>
        <source>write: this configuration word (hexadecimal) instead of the file&apos;s.</source>
        <translation>write: ファイルのものの代わりに、このコンフィグレーション
ワード (16進) を書き込みます。</translation>
    </message>
    <message>
        <source>write: this ID text (up to 7 characters) instead of the file&apos;s.</source>
        <translation>write: ファイルのものの代わりに、この ID のテキスト
(7文字まで) を書き込みます。</translation>
    </message>
    <message>
        <source>write: leave out the pass that reads every cell again after writing.</source>
        <translation>write: 書き込んだあとで全セルを読み直すベリファイを
省きます。</translation>
    </message>
    <message>
        <source>protect: protect the data EEPROM too.</source>
        <translation>protect: データEEPROMにもコードプロテクトをかけます。</translation>
    </message>
    <message>
        <source>Programs, reads and verifies PIC microcontrollers and 24xx serial EEPROMs
through a writer on the parallel port.</source>
        <translation>パラレルポートのライターで、PIC マイコンと 24xx シリアルEEPROM の
書き込み、読み込み、ベリファイをします。</translation>
    </message>
    <message>
        <source>The command (see below) and its arguments.</source>
        <translation>コマンド (下記) とその引数。</translation>
    </message>
    <message>
        <source>Usage: tarvel-cli [GLOBAL OPTIONS] COMMAND [ARGS]</source>
        <translation>使い方: tarvel-cli [全体のオプション] COMMAND [ARGS]</translation>
    </message>
    <message>
        <source>Commands:
  devices                 List every device: name, family, program words,
                          data bytes.
  info FILE               What a HEX or binary file holds for the device.
  write FILE              Write the file to the chip and verify it (--memory,
                          --config, --id, --no-verify).
  read FILE               Read the chip into the file (--memory, --format).
  verify FILE             Compare the chip with the file (--memory).
  erase                   Erase the chip (flash PICs and serial EEPROMs).
  blank-check             Check that the chip is erased.
  config [WORD]           Print the configuration word, or write WORD.
  id [TEXT]               Print the ID text, or write TEXT.
  protect LEVEL [--data]  Apply code protection: LEVEL 0 protects all of
                          program memory; the other levels a device offers are
                          named when it is given a wrong one.

A HEX file stands for the whole chip as assemblers write it; a binary file
holds one memory: program words (two bytes each, low byte first), or data
bytes with --memory data.

Exit status: 0 success, 1 the chip operation failed or the chip differs,
2 usage error, 3 the writer cannot be reached, 4 a file cannot be read, parsed
or written, 5 the command is not possible for this device, 130 interrupted
(Ctrl+C stops at the next cell or page).
</source>
        <translation>コマンド:
  devices                 すべてのデバイスの一覧: 名前、ファミリー、プログラムの
                          ワード数、データのバイト数。
  info FILE               HEX かバイナリのファイルにデバイス用の何があるか。
  write FILE              ファイルをチップに書き込んでベリファイします
                          (--memory、--config、--id、--no-verify)。
  read FILE               チップをファイルに読み込みます (--memory、--format)。
  verify FILE             チップとファイルをコンペアします (--memory)。
  erase                   チップをイレースします (フラッシュの PIC と
                          シリアルEEPROM)。
  blank-check             チップがイレースされているか確かめます。
  config [WORD]           コンフィグレーションワードを表示するか、WORD を
                          書き込みます。
  id [TEXT]               ID のテキストを表示するか、TEXT を書き込みます。
  protect LEVEL [--data]  コードプロテクトをかけます: LEVEL 0 はプログラム
                          メモリー全体。デバイスにあるほかのレベルは、違う
                          レベルを指定すると表示します。

HEX ファイルは、アセンブラーが書くとおりチップ全体を表します。バイナリファイル
は1つのメモリーだけです: プログラムのワード (1ワード2バイト、下位バイトが先)、
または --memory data ならデータのバイト。

終了ステータス: 0 成功、1 チップの操作の失敗かチップの内容の相違、2 使い方の
誤り、3 ライターを使えない、4 ファイルを読めない・解析できない・書き込めない、
5 このデバイスではできないコマンド、130 中断 (Ctrl+C で次のセルかページで止まり
ます)。
</translation>
    </message>
    <message>
        <source>No command given.</source>
        <translation>コマンドが指定されていません。</translation>
    </message>
    <message>
        <source>Unknown command &apos;%1&apos;.</source>
        <translation>&apos;%1&apos; は不明なコマンドです。</translation>
    </message>
    <message>
        <source>%1 needs %2.</source>
        <translation>%1 には %2 が必要です。</translation>
    </message>
    <message>
        <source>Too many arguments for %1: &apos;%2&apos;.</source>
        <translation>%1 の引数が多すぎます: &apos;%2&apos;。</translation>
    </message>
    <message>
        <source>--%1 is not an option of %2.</source>
        <translation>--%1 は %2 のオプションではありません。</translation>
    </message>
    <message>
        <source>--wait takes a number from %1 to %2, not &apos;%3&apos;.</source>
        <translation>--wait には %1～%2 の数を指定してください。&apos;%3&apos; は使えません。</translation>
    </message>
    <message>
        <source>--memory takes program, data, config, id or all, not &apos;%1&apos;.</source>
        <translation>--memory には program、data、config、id または all を指定してください。&apos;%1&apos; は使えません。</translation>
    </message>
    <message>
        <source>--format takes hex, inhx32 or bin, not &apos;%1&apos;.</source>
        <translation>--format には hex、inhx32 または bin を指定してください。&apos;%1&apos; は使えません。</translation>
    </message>
</context>
<context>
    <name>CliDevices</name>
    <message>
        <source>12-bit EPROM</source>
        <translation>12ビット EPROM</translation>
    </message>
    <message>
        <source>14-bit EPROM</source>
        <translation>14ビット EPROM</translation>
    </message>
    <message>
        <source>flash</source>
        <translation>フラッシュ</translation>
    </message>
    <message>
        <source>Unknown device &apos;%1&apos;. &apos;tarvel-cli devices&apos; lists the devices.</source>
        <translation>&apos;%1&apos; は不明なデバイスです。デバイスの一覧は &apos;tarvel-cli devices&apos; で表示します。</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>デバイス</translation>
    </message>
    <message>
        <source>Family</source>
        <translation>ファミリー</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>ワード</translation>
    </message>
    <message>
        <source>Bytes</source>
        <translation>バイト</translation>
    </message>
    <message>
        <source>serial EEPROM</source>
        <translation>シリアルEEPROM</translation>
    </message>
</context>
<context>
    <name>CliFiles</name>
    <message>
        <source>Cannot read %1: it is no regular file.</source>
        <translation>%1 を読めません: 通常のファイルではありません。</translation>
    </message>
    <message>
        <source>Cannot read %1: %2.</source>
        <translation>%1 を読めません: %2。</translation>
    </message>
    <message>
        <source>Cannot write %1: %2.</source>
        <translation>%1 に書き込めません: %2。</translation>
    </message>
    <message>
        <source>%1 is larger than the %2&apos;s data EEPROM of %3 bytes.</source>
        <translation>%1 は %2 のデータEEPROM (%3 バイト) より大きいです。</translation>
    </message>
    <message>
        <source>%1 is larger than the %2&apos;s program memory of %3 words.</source>
        <translation>%1 は %2 のプログラムメモリー (%3 ワード) より大きいです。</translation>
    </message>
    <message>
        <source>%1: program word %2H has its high byte but not its low byte; the file is no sound program image.</source>
        <translation>%1: プログラムのワード %2H は上位バイトだけで、下位バイトがありません。正しいプログラムのイメージではありません。</translation>
    </message>
    <message>
        <source>%1 leaves out %2.</source>
        <translation>%1 のうち次のものは使いません: %2。</translation>
    </message>
    <message>
        <source>%1 does not fit the %2:
%3
If the file was made for another device, name that device with --device.</source>
        <translation>%1 は %2 に合いません:
%3
ほかのデバイス用のファイルなら、そのデバイスを --device で指定してください。</translation>
    </message>
    <message>
        <source>%1 is larger than the %2&apos;s %3 bytes.</source>
        <translation>%1 は %2 の %3 バイトより大きいです。</translation>
    </message>
</context>
<context>
    <name>CliProgram</name>
    <message>
        <source>No device given, and the window has none selected: name one with --device.</source>
        <translation>デバイスが指定されておらず、ウィンドウでも選ばれていません。--device で指定してください。</translation>
    </message>
</context>
<context>
    <name>CliProgress</name>
    <message>
        <source>Preparing %1</source>
        <translation>準備中: %1</translation>
    </message>
    <message>
        <source>Writing %1</source>
        <translation>書き込み中: %1</translation>
    </message>
    <message>
        <source>Verifying %1</source>
        <translation>ベリファイ中: %1</translation>
    </message>
    <message>
        <source>Reading %1</source>
        <translation>読み込み中: %1</translation>
    </message>
    <message>
        <source>Comparing %1</source>
        <translation>コンペア中: %1</translation>
    </message>
    <message>
        <source>Erasing %1</source>
        <translation>イレース中: %1</translation>
    </message>
    <message>
        <source>Checking %1</source>
        <translation>チェック中: %1</translation>
    </message>
    <message>
        <source>%1 [%2] %3H of %4H %5%</source>
        <translation>%1 [%2] %3H / %4H %5%</translation>
    </message>
</context>
<context>
    <name>CliReport</name>
    <message>
        <source>program memory: %1</source>
        <translation>プログラムメモリー: %1</translation>
    </message>
    <message>
        <source>data memory: %1</source>
        <translation>データメモリー: %1</translation>
    </message>
    <message>
        <source>Try &apos;tarvel-cli --help&apos; for more information.</source>
        <translation>詳しくは &apos;tarvel-cli --help&apos; を実行してください。</translation>
    </message>
</context>
<context>
    <name>CliWriter</name>
    <message>
        <source>Unknown writer &apos;%1&apos;: use auto, ppdev:/dev/parportN, parport:TYPE, direct:TYPE (TYPE 0-4), sim or sim:FILE.</source>
        <translation>&apos;%1&apos; は不明なライターです。auto、ppdev:/dev/parportN、parport:TYPE、direct:TYPE (TYPE は 0～4)、sim または sim:FILE を使ってください。</translation>
    </message>
    <message>
        <source>Direct port I/O was refused: it needs root or the CAP_SYS_RAWIO capability on an x86 computer. Use the kernel&apos;s device instead (ppdev:/dev/parportN), which needs only membership in group lp.</source>
        <translation>ポートの直接 I/O は拒否されました。x86 のコンピューターで root か CAP_SYS_RAWIO の権限が必要です。代わりにカーネルのデバイス (ppdev:/dev/parportN) を使ってください。こちらはグループ lp に入っていれば使えます。</translation>
    </message>
    <message>
        <source>Name the writer with --writer, or use --writer sim to try the commands on the simulated writer.</source>
        <translation>--writer でライターを指定してください。シミュレーションのライターでコマンドを試すには --writer sim を使ってください。</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Displays this help.</source>
        <translation>このヘルプを表示します。</translation>
    </message>
    <message>
        <source>Displays the program&apos;s name and version.</source>
        <translation>プログラムの名前とバージョンを表示します。</translation>
    </message>
    <message>
        <source>Open FILE as the data image (PIC data EEPROM or serial EEPROM), as binary when its name ends in .bin and as Intel HEX otherwise.</source>
        <translation>FILE をデータのイメージ (PICのデータEEPROMまたはシリアルEEPROM) として開きます。名前が .bin で終わればバイナリ、それ以外は Intel HEX として読み込みます。</translation>
    </message>
    <message>
        <source>Programs PIC microcontrollers and 24xx serial EEPROMs through a writer on the parallel port.</source>
        <translation>パラレルポートのライターで PIC マイコンと 24xx シリアルEEPROM に書き込みます。</translation>
    </message>
    <message>
        <source>Open this file as the program image: binary when its name ends in .bin, Intel HEX otherwise.</source>
        <translation>このファイルをプログラムのイメージとして開きます。名前が .bin で終わればバイナリ、それ以外は Intel HEX として読み込みます。</translation>
    </message>
    <message>
        <source>Only one program file can be opened; %1 were given. Use --data FILE for the data image.</source>
        <translation>開けるプログラムファイルは1つだけですが、%1 個指定されました。データのイメージには --data FILE を使ってください。</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>詳しくは &apos;%1 --help&apos; を実行してください。</translation>
    </message>
</context>
<context>
    <name>CompareReport</name>
    <message>
        <source>Show all</source>
        <translation>すべて表示</translation>
    </message>
    <message>
        <source>Save the differences</source>
        <translation>相違点の保存</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>CSVファイル (*.csv)</translation>
    </message>
    <message>
        <source>All (*)</source>
        <translation>すべてのファイル (*)</translation>
    </message>
    <message>
        <source>%1
already exists. Overwrite it?</source>
        <translation>%1
は存在します。上書きしますか？</translation>
    </message>
    <message>
        <source>Confirm overwriting</source>
        <translation>上書き確認</translation>
    </message>
    <message>
        <source>The list was not saved to %1:
%2</source>
        <translation>一覧を %1 に保存できませんでした。
%2</translation>
    </message>
    <message>
        <source>Save error</source>
        <translation>保存エラー</translation>
    </message>
</context>
<context>
    <name>CoreTexts</name>
    <message>
        <source>Melfort Result</source>
        <translation>Melfort 結果</translation>
    </message>
    <message>
        <source>Program Error</source>
        <translation>プログラムエラー</translation>
    </message>
    <message>
        <source>Completed successfully</source>
        <translation>書き込み終了</translation>
    </message>
    <message>
        <source>Failed to write.

Address    %1H
Write Data %2H
Read Data  %3H</source>
        <translation>書き込みに失敗しました。

アドレス        %1H
書き込みデータ  %2H
読み込みデータ  %3H</translation>
    </message>
    <message>
        <source>Failed to write configration fuse.

Address    %1H
Write Data %2H
Read Data  %3H</source>
        <translation>コンフィグの書き込みに失敗しました。

アドレス        %1H
書き込みデータ  %2H
読み込みデータ  %3H</translation>
    </message>
    <message>
        <source>Failed to write ID.

Address    %1H
Write Data %2H
Read Data  %3H</source>
        <translation>IDの書き込みに失敗しました。

アドレス        %1H
書き込みデータ  %2H
読み込みデータ  %3H</translation>
    </message>
    <message>
        <source>Failed to verify.

Address    %1
Write Data %2H
Read Data  %3H</source>
        <translation>ベリファイに失敗しました。

アドレス        %1
書き込みデータ  %2H
読み込みデータ  %3H</translation>
    </message>
    <message>
        <source>Failed to verify configration fuse.

Address    %1H
Write Data %2H
Read Data  %3H</source>
        <translation>コンフィグのベリファイに失敗しました。

アドレス        %1H
書き込みデータ  %2H
読み込みデータ  %3H</translation>
    </message>
    <message>
        <source>Failed to verify ID.

Address    %1H
Write Data %2H
Read Data  %3H</source>
        <translation>IDのベリファイに失敗しました。

アドレス        %1H
書き込みデータ  %2H
読み込みデータ  %3H</translation>
    </message>
    <message>
        <source>This device is not supported.</source>
        <translation>このデバイスは未対応です。</translation>
    </message>
    <message>
        <source>Failed to erase.</source>
        <translation>イレースに失敗しました。</translation>
    </message>
    <message>
        <source>Failed to erase.
We can&apos;t erase this device.</source>
        <translation>イレースに失敗しました。
このデバイスは、イレースできません。</translation>
    </message>
    <message>
        <source>Erasing finished successfully</source>
        <translation>イレースに成功しました。</translation>
    </message>
    <message>
        <source>This device is code-protected already.</source>
        <translation>すでにコードプロテクトがかけられています。</translation>
    </message>
    <message>
        <source>Code-protected successfully</source>
        <translation>コードプロテクトをかけました。</translation>
    </message>
    <message>
        <source>Compare result is the same.</source>
        <translation>コンペア結果&#x3000;一致しました。</translation>
    </message>
    <message>
        <source>Different data is found in 
Address    %1H
Expected   %2H
Read Data  %3H</source>
        <translation>コンペア結果 不一致でした。

アドレス        %1H
比較データ  %2H
読み込みデータ  %3H</translation>
    </message>
    <message>
        <source>No device answers in the socket.
Put the %1 in the socket and check the writer&apos;s connection.</source>
        <translation>ソケットのデバイスが応答しません。
%1 をソケットに入れ、ライターの接続を確かめてください。</translation>
    </message>
    <message>
        <source>%1 is in the socket, not the %2.
Select the device in the socket, or put the %2 in.</source>
        <translation>ソケットのデバイスは %1 です。%2 ではありません。
ソケットのデバイスを選ぶか、%2 を入れてください。</translation>
    </message>
    <message>
        <source>an unknown device (ID %1H)</source>
        <translation>不明なデバイス (ID %1H)</translation>
    </message>
    <message>
        <source>An unknown device (ID %1H)</source>
        <translation>不明なデバイス (ID %1H)</translation>
    </message>
    <message>
        <source>Cancelled at address %1H
The operation did not finish. The chip has left programming mode.</source>
        <translation>アドレス %1H で中止しました。
操作は終わっていません。チップはプログラミングモードを抜けています。</translation>
    </message>
    <message>
        <source>このデバイスは、対応していません。</source>
        <translation>このデバイスは、対応していません。</translation>
    </message>
    <message>
        <source>デバイスセットエラー</source>
        <translation>デバイスセットエラー</translation>
    </message>
    <message>
        <source>イレースされています。</source>
        <translation>イレースされています。</translation>
    </message>
    <message>
        <source>イレースされていません。</source>
        <translation>イレースされていません。</translation>
    </message>
    <message>
        <source>イレースチェック</source>
        <translation>イレースチェック</translation>
    </message>
    <message>
        <source>ポートの設定に失敗しました。</source>
        <translation>ポートの設定に失敗しました。</translation>
    </message>
    <message>
        <source>ファイルをオープンできませんでした。</source>
        <translation>ファイルをオープンできませんでした。</translation>
    </message>
    <message>
        <source>HEXファイルの読み込みに失敗しました。</source>
        <translation>HEXファイルの読み込みに失敗しました。</translation>
    </message>
    <message>
        <source>Hex ファイルを正常に読み込めません。</source>
        <translation>Hex ファイルを正常に読み込めません。</translation>
    </message>
    <message>
        <source>Line %1 of the HEX file holds a record of type %2H, which Intel HEX does not have.
The file was not loaded.</source>
        <translation>HEXファイルの %1 行目に、Intel HEX にないタイプ %2H のレコードがあります。
ファイルは読み込みませんでした。</translation>
    </message>
    <message>
        <source>Line %1 of the HEX file: the record&apos;s checksum is %2H, its bytes give %3H.
The file is damaged and was not loaded; build it again or take a good copy.</source>
        <translation>HEXファイルの %1 行目: レコードのチェックサムは %2H ですが、バイトの合計からは %3H になります。
ファイルが壊れているため読み込みませんでした。作り直すか、正しいコピーを使ってください。</translation>
    </message>
    <message>
        <source>Line %1 of the HEX file holds an address record (type %2H) of %3 bytes; it must have 2.
The file was not loaded.</source>
        <translation>HEXファイルの %1 行目のアドレスレコード (タイプ %2H) は %3 バイトです。2 バイトでなければなりません。
ファイルは読み込みませんでした。</translation>
    </message>
    <message>
        <source>Line %1 of the HEX file gives address %2H the value %3H, but line %4 gave it %5H.
The file contradicts itself and was not loaded.</source>
        <translation>HEXファイルの %1 行目はアドレス %2H を %3H としていますが、%4 行目では %5H でした。
ファイルの内容が食い違っているため読み込みませんでした。</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>通常のファイルではありません</translation>
    </message>
    <message>
        <source>INHX8M addresses end at FFFFH; save it as INHX32</source>
        <translation>INHX8M のアドレスは FFFFH までです。INHX32 で保存してください</translation>
    </message>
    <message>
        <source>Unknown port type: choose a port in the write setup.</source>
        <translation>不明なポートです。書き込み設定でポートを選んでください。</translation>
    </message>
    <message>
        <source>%1 is a USB printer adapter. Such an adapter cannot drive single lines and cannot be used as a writer: connect the writer to a real parallel port (on the mainboard or on a PCI or PCIe card).</source>
        <translation>%1 は USB プリンターアダプターです。このようなアダプターは信号線を1本ずつ動かせないため、ライターには使えません。ライターは本物のパラレルポート (マザーボード上、または PCI・PCIe カード) につないでください。</translation>
    </message>
    <message>
        <source>No such port: the kernel has no parallel port behind %1.</source>
        <translation>ポートがありません。%1 の先にカーネルのパラレルポートがありません。</translation>
    </message>
    <message>
        <source>The parallel port %1 is busy: another program or driver is using it. Close that program and try again.</source>
        <translation>パラレルポート %1 は使用中です。ほかのプログラムかドライバーが使っています。そのプログラムを終了してから、もう一度試してください。</translation>
    </message>
    <message>
        <source>The parallel port %1 is busy (held by &quot;%2&quot;): another program or driver is using it. Close that program and try again.</source>
        <translation>パラレルポート %1 は使用中です (&quot;%2&quot; が使用)。ほかのプログラムかドライバーが使っています。そのプログラムを終了してから、もう一度試してください。</translation>
    </message>
    <message>
        <source>No such port: %1 does not exist.</source>
        <translation>ポートがありません。%1 は存在しません。</translation>
    </message>
    <message>
        <source>Permission denied on %1. Add yourself to group lp (&quot;sudo usermod -aG lp $USER&quot;), then log out and in again.</source>
        <translation>%1 を使う権限がありません。グループ lp に加わり (&quot;sudo usermod -aG lp $USER&quot;)、ログインし直してください。</translation>
    </message>
    <message>
        <source>%1 is not a parallel port device: it does not answer the kernel&apos;s parallel port driver (ppdev). Choose a device /dev/parportN.</source>
        <translation>%1 はパラレルポートのデバイスではありません。カーネルのパラレルポートドライバー (ppdev) に応答しません。/dev/parportN のデバイスを選んでください。</translation>
    </message>
    <message>
        <source>Could not open %1: %2.</source>
        <translation>%1 を開けませんでした: %2。</translation>
    </message>
    <message>
        <source>Could not claim %1: %2.</source>
        <translation>%1 を確保できませんでした: %2。</translation>
    </message>
    <message>
        <source>The parallel port at %1 (%2) has no device %3: the ppdev driver is not loaded. Load it with &quot;sudo modprobe ppdev&quot;.</source>
        <translation>%1 のパラレルポート (%2) にデバイス %3 がありません。ppdev ドライバーが読み込まれていません。&quot;sudo modprobe ppdev&quot; で読み込んでください。</translation>
    </message>
    <message>
        <source>No parallel port at %1. The parallel ports of this computer are at %2. Choose the port the writer is connected to in the write setup.</source>
        <translation>%1 にパラレルポートがありません。このコンピューターのパラレルポートは %2 です。書き込み設定で、ライターをつないだポートを選んでください。</translation>
    </message>
    <message>
        <source>No parallel port found, only a USB printer adapter (%1). Such an adapter cannot drive single lines and cannot be used as a writer: connect the writer to a real parallel port (on the mainboard or on a PCI or PCIe card).</source>
        <translation>パラレルポートが見つかりません。あるのは USB プリンターアダプター (%1) だけです。このようなアダプターは信号線を1本ずつ動かせないため、ライターには使えません。ライターは本物のパラレルポート (マザーボード上、または PCI・PCIe カード) につないでください。</translation>
    </message>
    <message>
        <source>No parallel port found: the kernel reports none. Check that the port is enabled in the BIOS setup and that its drivers are loaded (&quot;sudo modprobe parport_pc ppdev&quot;).</source>
        <translation>パラレルポートが見つかりません。カーネルはポートを1つも報告していません。BIOS の設定でポートが有効になっているか、ドライバーが読み込まれているか (&quot;sudo modprobe parport_pc ppdev&quot;) を確かめてください。</translation>
    </message>
    <message>
        <source>Could not claim the parallel port %1 for exclusive use: another driver is registered on it (often the printer driver lp: unload it with &quot;sudo rmmod lp&quot;), or the port is gone.</source>
        <translation>パラレルポート %1 を専用に確保できませんでした。ほかのドライバーが登録されているか (多くはプリンタードライバー lp です。&quot;sudo rmmod lp&quot; で外してください)、ポートがなくなっています。</translation>
    </message>
    <message>
        <source>the configuration word %1H</source>
        <translation>コンフィグレーションワード %1H</translation>
    </message>
    <message>
        <source>the ID %1</source>
        <translation>ID %1</translation>
    </message>
    <message>
        <source>%1 data EEPROM byte</source>
        <translation>データEEPROM %1 バイト</translation>
    </message>
    <message>
        <source>%1 data EEPROM bytes</source>
        <translation>データEEPROM %1 バイト</translation>
    </message>
    <message>
        <source>program %1 word</source>
        <translation>プログラム %1 ワード</translation>
    </message>
    <message>
        <source>program %1 words</source>
        <translation>プログラム %1 ワード</translation>
    </message>
    <message>
        <source>data %1 byte</source>
        <translation>データ %1 バイト</translation>
    </message>
    <message>
        <source>data %1 bytes</source>
        <translation>データ %1 バイト</translation>
    </message>
    <message>
        <source>configuration %1H</source>
        <translation>コンフィグ %1H</translation>
    </message>
    <message>
        <source>ID %1</source>
        <translation>ID %1</translation>
    </message>
    <message>
        <source>words %1 %2 %3 %4</source>
        <translation>ワード %1 %2 %3 %4</translation>
    </message>
    <message>
        <source>program words %1H to %2H (from line %3): the %4&apos;s program memory ends at %5H</source>
        <translation>プログラムのワード %1H～%2H (%3 行目から): %4 のプログラムメモリーは %5H までです</translation>
    </message>
    <message>
        <source>data EEPROM bytes %1H to %2H (from line %3): the %4 has %5 bytes of data EEPROM</source>
        <translation>データEEPROM のバイト %1H～%2H (%3 行目から): %4 のデータEEPROM は %5 バイトです</translation>
    </message>
    <message>
        <source>data EEPROM bytes (from line %1): the %2 has no data EEPROM</source>
        <translation>データEEPROM のバイト (%1 行目から): %2 にはデータEEPROM がありません</translation>
    </message>
    <message>
        <source>ID words (from line %1): tarvel writes no ID to the %2</source>
        <translation>ID のワード (%1 行目から): tarvel は %2 に ID を書き込みません</translation>
    </message>
    <message>
        <source>bytes at HEX addresses %1H to %2H (from line %3), which are no memory of the %4</source>
        <translation>HEX アドレス %1H～%2H のバイト (%3 行目から): %4 のメモリーではありません</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1、%2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1、%2</translation>
    </message>
    <message>
        <source>All (%1H-%2H)</source>
        <translation>全体 (%1H-%2H)</translation>
    </message>
    <message>
        <source>Upper three quarters (%1H-%2H)</source>
        <translation>上位 3/4 (%1H-%2H)</translation>
    </message>
    <message>
        <source>Upper half (%1H-%2H)</source>
        <translation>上位 1/2 (%1H-%2H)</translation>
    </message>
    <message>
        <source>Last 256 words (%1H-%2H)</source>
        <translation>最後の 256 ワード (%1H-%2H)</translation>
    </message>
    <message>
        <source>simulated</source>
        <translation>シミュレーション</translation>
    </message>
    <message>
        <source>direct I/O</source>
        <translation>直接 I/O</translation>
    </message>
    <message>
        <source>Direct port I/O needs permission, which the start did not obtain. Tick the permission option in the write setup and start tarvel as a user with the right to port I/O (root, or CAP_SYS_RAWIO).</source>
        <translation>ポートの直接 I/O には権限が必要ですが、起動時に得られませんでした。書き込み設定で権限のオプションにチェックを入れ、ポート I/O の権限 (root または CAP_SYS_RAWIO) を持つユーザーで tarvel を起動してください。</translation>
    </message>
</context>
<context>
    <name>DataImageFormat</name>
    <message>
        <source>File size is too big.
The head %1 bytes are read.</source>
        <translation>ファイルサイズが大きすぎます。
先頭の%1バイトを読み込みました。</translation>
    </message>
    <message>
        <source>Line %1 of the file holds the first byte beyond.</source>
        <translation>はみ出した最初のバイトはファイルの %1 行目にあります。</translation>
    </message>
    <message>
        <source>ファイルサイズが大きすぎます。
先頭の%1バイトを読み込みました。</source>
        <translation>ファイルサイズが大きすぎます。
先頭の%1バイトを読み込みました。</translation>
    </message>
</context>
<context>
    <name>DialogLook</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>FileFilters</name>
    <message>
        <source>HEX file(*.obj;*.hex)</source>
        <translation>HEXファイル(*.obj;*.hex)</translation>
    </message>
    <message>
        <source>HEX file(*.obj)</source>
        <translation>HEXファイル(*.obj)</translation>
    </message>
    <message>
        <source>HEX file(*.hex)</source>
        <translation>HEXファイル(*.hex)</translation>
    </message>
    <message>
        <source>All(*.*)</source>
        <translation>すべてのファイル(*.*)</translation>
    </message>
    <message>
        <source>Binary file(*.obj;*.bin)</source>
        <translation>バイナリファイル(*.obj;*.bin)</translation>
    </message>
    <message>
        <source>Binary file(*.obj)</source>
        <translation>バイナリファイル(*.obj)</translation>
    </message>
    <message>
        <source>Binary file(*.bin)</source>
        <translation>バイナリファイル(*.bin)</translation>
    </message>
    <message>
        <source>INHX32 %1</source>
        <translation>INHX32 %1</translation>
    </message>
</context>
<context>
    <name>GridEditCommands</name>
    <message>
        <source>%1 is not in the image.</source>
        <translation>%1 は見つかりませんでした。</translation>
    </message>
    <message>
        <source>%1 found at %2.</source>
        <translation>%1 が %2 にありました。</translation>
    </message>
    <message>
        <source>Copied %1 to %2.</source>
        <translation>%1～%2 をコピーしました。</translation>
    </message>
    <message>
        <source>Nothing was pasted: the clipboard does not hold hexadecimal values this grid takes.
%1</source>
        <translation>貼り付けませんでした。クリップボードに、この表に入る16進の値がありません。
%1</translation>
    </message>
    <message>
        <source>Nothing was pasted: the clipboard holds %1 values, but from %2 to the last address %3 there is room for %4.</source>
        <translation>貼り付けませんでした。クリップボードの値は %1 個ですが、%2 から最後のアドレス %3 までには %4 個しか入りません。</translation>
    </message>
</context>
<context>
    <name>GuardedApplication</name>
    <message>
        <source>An unexpected error stopped the last action.</source>
        <translation>予期しないエラーで直前の操作が止まりました。</translation>
    </message>
</context>
<context>
    <name>HexCellText</name>
    <message>
        <source>There are no values in the text.</source>
        <translation>テキストに値がありません。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a value of one to %2 hexadecimal digits, nor %3 for a blank.</source>
        <translation>&quot;%1&quot; は1～%2 桁の16進の値でも、空欄を表す %3 でもありません。</translation>
    </message>
</context>
<context>
    <name>ImageSide</name>
    <message>
        <source>Confirm</source>
        <translation>確認</translation>
    </message>
    <message>
        <source>Save as binary.</source>
        <translation>バイナリで保存してください。</translation>
    </message>
    <message>
        <source>New program</source>
        <translation>新規プログラム</translation>
    </message>
    <message>
        <source>Open HEX file</source>
        <translation>HEXファイルを開く</translation>
    </message>
    <message>
        <source>Open binary file (Program)</source>
        <translation>バイナリファイルを開く (プログラム)</translation>
    </message>
    <message>
        <source> [Overwriting is forbidden]</source>
        <translation> [書き込み禁止]</translation>
    </message>
    <message>
        <source>Can not open %1</source>
        <translation>%1 を開けません</translation>
    </message>
    <message>
        <source>Save binary</source>
        <translation>バイナリ保存</translation>
    </message>
    <message>
        <source>Save HEX</source>
        <translation>HEX保存</translation>
    </message>
    <message>
        <source>is already exist. Overwrite OK?</source>
        <translation>は存在します。上書きしますか？</translation>
    </message>
    <message>
        <source>Confirm overwriting</source>
        <translation>上書き確認</translation>
    </message>
    <message>
        <source>Can not open %1
%2</source>
        <translation>%1 を開けません。
%2</translation>
    </message>
    <message>
        <source>SaveError</source>
        <translation>保存エラー</translation>
    </message>
    <message>
        <source>Save the program image first?</source>
        <translation>先にプログラムのイメージを保存しますか？</translation>
    </message>
    <message>
        <source>New data</source>
        <translation>新規データ</translation>
    </message>
    <message>
        <source>Open HEX file (Data area) </source>
        <translation>HEXファイルを開く (データ領域)</translation>
    </message>
    <message>
        <source>ﾊﾞｲﾅﾘ・ﾌｧｲﾙを開く （データ）</source>
        <translation>ﾊﾞｲﾅﾘ・ﾌｧｲﾙを開く （データ）</translation>
    </message>
    <message>
        <source> [書き込み禁止]</source>
        <translation> [書き込み禁止]</translation>
    </message>
    <message>
        <source>%1&#x3000;を開けません</source>
        <translation>%1&#x3000;を開けません</translation>
    </message>
    <message>
        <source>ﾊﾞｲﾅﾘ保存</source>
        <translation>ﾊﾞｲﾅﾘ保存</translation>
    </message>
    <message>
        <source>HEX保存</source>
        <translation>HEX保存</translation>
    </message>
    <message>
        <source>は存在します。上書きしますか？</source>
        <translation>は存在します。上書きしますか？</translation>
    </message>
    <message>
        <source>上書き確認</source>
        <translation>上書き確認</translation>
    </message>
    <message>
        <source>%1を開けません.
%2</source>
        <translation>%1を開けません.
%2</translation>
    </message>
    <message>
        <source>保存エラー</source>
        <translation>保存エラー</translation>
    </message>
    <message>
        <source>Save the data image first?</source>
        <translation>先にデータのイメージを保存しますか？</translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>As described</source>
        <translation>原文どおり</translation>
    </message>
    <message>
        <source>File(&amp;F)</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>Quit(&amp;X)</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>Quit Melfort</source>
        <translation>Melfortを終了します。</translation>
    </message>
    <message>
        <source>Device(&amp;I)</source>
        <translation>デバイス(&amp;I)</translation>
    </message>
    <message>
        <source>Write ALL(&amp;W)</source>
        <translation>すべて書き込み(&amp;W)</translation>
    </message>
    <message>
        <source>Write program, config and data.</source>
        <translation>プログラム、コンフィグ、データを書き込みます。</translation>
    </message>
    <message>
        <source>Erase(&amp;E)</source>
        <translation>イレース(&amp;E)</translation>
    </message>
    <message>
        <source>Erase PIC</source>
        <translation>PICをイレースします。</translation>
    </message>
    <message>
        <source>Erase Check(&amp;T)</source>
        <translation>イレース・チェック(&amp;T)</translation>
    </message>
    <message>
        <source>Confirm PIC is erased</source>
        <translation>PICがイレースされているか 調べます。</translation>
    </message>
    <message>
        <source>Code Protect</source>
        <translation>コードプロテクト</translation>
    </message>
    <message>
        <source>The PIC code is protected</source>
        <translation>PICにコードプロテクトをかけます。</translation>
    </message>
    <message>
        <source>Reset(&amp;R)</source>
        <translation>リセット(&amp;R)</translation>
    </message>
    <message>
        <source>Reset PIC</source>
        <translation>PICをリセットします。</translation>
    </message>
    <message>
        <source>Write Config(&amp;C)</source>
        <translation>コンフィグの書き込み(&amp;C)</translation>
    </message>
    <message>
        <source>Write configration fulse into PIC</source>
        <translation>コンフィグをPICに書き込みます。</translation>
    </message>
    <message>
        <source>Read Config(&amp;G)</source>
        <translation>コンフィグの読み込み(&amp;G)</translation>
    </message>
    <message>
        <source>Read configration fuse from PIC</source>
        <translation>PICからコンフィグを読み込みます。</translation>
    </message>
    <message>
        <source>Write ID(&amp;S)</source>
        <translation>IDの書き込み(&amp;S)</translation>
    </message>
    <message>
        <source>Write ID into PIC</source>
        <translation>IDをPICに書き込みます。</translation>
    </message>
    <message>
        <source>Read ID(&amp;I)</source>
        <translation>IDの読み込み(&amp;I)</translation>
    </message>
    <message>
        <source>Read ID from PIC</source>
        <translation>PICからIDを読み込みます。</translation>
    </message>
    <message>
        <source>Program(&amp;P)</source>
        <translation>プログラム(&amp;P)</translation>
    </message>
    <message>
        <source>New(&amp;N)</source>
        <translation>新規作成(&amp;N)</translation>
    </message>
    <message>
        <source>Make new program</source>
        <translation>プログラムを新規作成します。</translation>
    </message>
    <message>
        <source>Open HEX(&amp;O)...</source>
        <translation>HEXﾌｧｲﾙを開く(&amp;O)...</translation>
    </message>
    <message>
        <source>Open HEX file of program</source>
        <translation>プログラムのHEXファイルを開きます。</translation>
    </message>
    <message>
        <source>Open Binary(&amp;B)...</source>
        <translation>ﾊﾞｲﾅﾘ・ﾌｧｲﾙを開く(&amp;B)...</translation>
    </message>
    <message>
        <source>Open binary file of program</source>
        <translation>プログラムのバイナリファイルを開きます。</translation>
    </message>
    <message>
        <source>Renew(&amp;R)</source>
        <translation>更新(&amp;R)</translation>
    </message>
    <message>
        <source>Renew program file</source>
        <translation>プログラムファイルを更新します。</translation>
    </message>
    <message>
        <source>Save HEX(&amp;H)...</source>
        <translation>HEX保存(&amp;H)...</translation>
    </message>
    <message>
        <source>Save program as HEX</source>
        <translation>プログラムをHEXで保存します。</translation>
    </message>
    <message>
        <source>Save Binary(&amp;A)...</source>
        <translation>ﾊﾞｲﾅﾘ保存(&amp;A)...</translation>
    </message>
    <message>
        <source>Save program as binary</source>
        <translation>プログラムをバイナリで保存します。</translation>
    </message>
    <message>
        <source>Save(&amp;S)</source>
        <translation>上書き保存(&amp;S)</translation>
    </message>
    <message>
        <source>Save program</source>
        <translation>プログラムを上書き保存します。</translation>
    </message>
    <message>
        <source>Write Program(&amp;W)</source>
        <translation>プログラムの書き込み(&amp;W)</translation>
    </message>
    <message>
        <source>Write program into PIC</source>
        <translation>プログラムをPICに書き込みます。</translation>
    </message>
    <message>
        <source>Read Program(&amp;R)</source>
        <translation>プログラムの読み込み(&amp;R)</translation>
    </message>
    <message>
        <source>Read program form PIC</source>
        <translation>PICからプログラムを読み込みます。</translation>
    </message>
    <message>
        <source>Compare(&amp;C)</source>
        <translation>コンペア(&amp;C)</translation>
    </message>
    <message>
        <source>Compare program displaied and program in PIC</source>
        <translation>表示されているプログラムとPICのプログラムを比較します。</translation>
    </message>
    <message>
        <source>Find(&amp;F)</source>
        <translation>検索(&amp;F)</translation>
    </message>
    <message>
        <source>Find string</source>
        <translation>表示プログラムを検索します。</translation>
    </message>
    <message>
        <source>Find Next(&amp;X)</source>
        <translation>次を検索(&amp;X)</translation>
    </message>
    <message>
        <source>Find the same words further on</source>
        <translation>同じワードを先へ検索します。</translation>
    </message>
    <message>
        <source>Find Previous(&amp;V)</source>
        <translation>前を検索(&amp;V)</translation>
    </message>
    <message>
        <source>Find the same words further back</source>
        <translation>同じワードを前へ検索します。</translation>
    </message>
    <message>
        <source>Go To Address(&amp;G)...</source>
        <translation>アドレスへ移動(&amp;G)...</translation>
    </message>
    <message>
        <source>Go to an address</source>
        <translation>指定したアドレスへ移動します。</translation>
    </message>
    <message>
        <source>Fill(&amp;L)</source>
        <translation>埋める(&amp;L)</translation>
    </message>
    <message>
        <source>Fill with arbitrary data</source>
        <translation>データを特定の数値で埋めます。</translation>
    </message>
    <message>
        <source>Undo(&amp;U)</source>
        <translation>元に戻す(&amp;U)</translation>
    </message>
    <message>
        <source>Undo the last change</source>
        <translation>直前の変更を取り消します。</translation>
    </message>
    <message>
        <source>Redo(&amp;E)</source>
        <translation>やり直し(&amp;E)</translation>
    </message>
    <message>
        <source>Redo the change undone last</source>
        <translation>取り消した変更をやり直します。</translation>
    </message>
    <message>
        <source>Copy(&amp;Y)</source>
        <translation>コピー(&amp;Y)</translation>
    </message>
    <message>
        <source>Copy the selected words as hexadecimal text</source>
        <translation>選択したワードを16進のテキストでコピーします。</translation>
    </message>
    <message>
        <source>Paste(&amp;T)</source>
        <translation>貼り付け(&amp;T)</translation>
    </message>
    <message>
        <source>Paste hexadecimal words at the current cell</source>
        <translation>16進のテキストを現在のセルから貼り付けます。</translation>
    </message>
    <message>
        <source>Data(&amp;D)</source>
        <translation>データ(&amp;D)</translation>
    </message>
    <message>
        <source>Make new data</source>
        <translation>データを新規作成します。</translation>
    </message>
    <message>
        <source>Open HEX file of data.</source>
        <translation>データのHEXファイルを開きます。</translation>
    </message>
    <message>
        <source>Open binary of data.</source>
        <translation>データのバイナリファイルを開きます。</translation>
    </message>
    <message>
        <source>Renew data</source>
        <translation>データファイルを更新します。</translation>
    </message>
    <message>
        <source>Save data as hex.</source>
        <translation>データをHEXで保存します。</translation>
    </message>
    <message>
        <source>Save data as binary.</source>
        <translation>データをバイナリで保存します。</translation>
    </message>
    <message>
        <source>Save data.</source>
        <translation>データを上書き保存します。</translation>
    </message>
    <message>
        <source>Write Data(&amp;W)</source>
        <translation>データの書き込み(&amp;W)</translation>
    </message>
    <message>
        <source>データをPICに書き込みます。</source>
        <translation>データをPICに書き込みます。</translation>
    </message>
    <message>
        <source>Read Data(&amp;R)</source>
        <translation>データの読み込み(&amp;R)</translation>
    </message>
    <message>
        <source>Read data from PIC data memory.</source>
        <translation>PICのデータ領域からデータを読み込みます。</translation>
    </message>
    <message>
        <source>Compare data displaied with data in PIC data memory.</source>
        <translation>表示されているデータとPICのデータ領域を比較します。</translation>
    </message>
    <message>
        <source>Find data</source>
        <translation>表示データを検索します。</translation>
    </message>
    <message>
        <source>Find the same bytes further on</source>
        <translation>同じデータを先へ検索します。</translation>
    </message>
    <message>
        <source>Find the same bytes further back</source>
        <translation>同じデータを前へ検索します。</translation>
    </message>
    <message>
        <source>Copy the selected bytes as hexadecimal text</source>
        <translation>選択したデータを16進のテキストでコピーします。</translation>
    </message>
    <message>
        <source>Paste hexadecimal bytes at the current cell</source>
        <translation>16進のテキストを現在のセルから貼り付けます。</translation>
    </message>
    <message>
        <source>Option(&amp;O)</source>
        <translation>オプション(&amp;O)</translation>
    </message>
    <message>
        <source>Write Setup(&amp;W)...</source>
        <translation>書き込み設定(&amp;W)...</translation>
    </message>
    <message>
        <source>Show [Write Setup] dialog</source>
        <translation>[書き込みの設定]ダイアログを表示します。</translation>
    </message>
    <message>
        <source>File Setup(&amp;F)...</source>
        <translation>ファイルの設定(&amp;F)...</translation>
    </message>
    <message>
        <source>Show [File Setup] dialog</source>
        <translation>[ファイルの設定]ダイアログを表示します。</translation>
    </message>
    <message>
        <source>Test Melfort(&amp;T)...</source>
        <translation>ライターのテスト(&amp;T)...</translation>
    </message>
    <message>
        <source>Show [Writer Test] dialog.</source>
        <translation>[ライターのテスト]ダイアログを表示します。</translation>
    </message>
    <message>
        <source>256 colors</source>
        <translation>256色表示</translation>
    </message>
    <message>
        <source>Language(&amp;L)</source>
        <translation>言語(&amp;L)</translation>
    </message>
    <message>
        <source>View(&amp;V)</source>
        <translation>表示(&amp;V)</translation>
    </message>
    <message>
        <source>Program Window (&amp;P)</source>
        <translation>プログラムウィンドウ(&amp;P)</translation>
    </message>
    <message>
        <source>Data Window (&amp;D)</source>
        <translation>データウィンドウ(&amp;D)</translation>
    </message>
    <message>
        <source>Help (&amp;H)</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>Version Info (&amp;A)...</source>
        <translation>バージョン情報(&amp;A)...</translation>
    </message>
    <message>
        <source>Show version infomation.</source>
        <translation>バージョン情報を表示します。</translation>
    </message>
    <message>
        <source>ファイル(&amp;F)</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>終了(&amp;X)</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>Melfortを終了します。</source>
        <translation>Melfortを終了します。</translation>
    </message>
    <message>
        <source>デバイス(&amp;I)</source>
        <translation>デバイス(&amp;I)</translation>
    </message>
    <message>
        <source>イレース(&amp;E)</source>
        <translation>イレース(&amp;E)</translation>
    </message>
    <message>
        <source>ROMをイレースします。</source>
        <translation>ROMをイレースします。</translation>
    </message>
    <message>
        <source>イレース・チェック(&amp;T)</source>
        <translation>イレース・チェック(&amp;T)</translation>
    </message>
    <message>
        <source>ROMがイレースされているか 調べます。</source>
        <translation>ROMがイレースされているか 調べます。</translation>
    </message>
    <message>
        <source>データ(&amp;D)</source>
        <translation>データ(&amp;D)</translation>
    </message>
    <message>
        <source>新規作成(&amp;N)</source>
        <translation>新規作成(&amp;N)</translation>
    </message>
    <message>
        <source>データを新規作成します。</source>
        <translation>データを新規作成します。</translation>
    </message>
    <message>
        <source>HEXﾌｧｲﾙを開く(&amp;O)...</source>
        <translation>HEXﾌｧｲﾙを開く(&amp;O)...</translation>
    </message>
    <message>
        <source>データのHEXファイルを開きます。</source>
        <translation>データのHEXファイルを開きます。</translation>
    </message>
    <message>
        <source>ﾊﾞｲﾅﾘ・ﾌｧｲﾙを開く(&amp;B)...</source>
        <translation>ﾊﾞｲﾅﾘ・ﾌｧｲﾙを開く(&amp;B)...</translation>
    </message>
    <message>
        <source>データのバイナリファイルを開きます。</source>
        <translation>データのバイナリファイルを開きます。</translation>
    </message>
    <message>
        <source>更新(&amp;R)</source>
        <translation>更新(&amp;R)</translation>
    </message>
    <message>
        <source>データファイルを更新します。</source>
        <translation>データファイルを更新します。</translation>
    </message>
    <message>
        <source>HEX保存(&amp;H)...</source>
        <translation>HEX保存(&amp;H)...</translation>
    </message>
    <message>
        <source>データをHEXで保存します。</source>
        <translation>データをHEXで保存します。</translation>
    </message>
    <message>
        <source>ﾊﾞｲﾅﾘ保存(&amp;A)...</source>
        <translation>ﾊﾞｲﾅﾘ保存(&amp;A)...</translation>
    </message>
    <message>
        <source>データをバイナリで保存します。</source>
        <translation>データをバイナリで保存します。</translation>
    </message>
    <message>
        <source>上書き保存(&amp;S)</source>
        <translation>上書き保存(&amp;S)</translation>
    </message>
    <message>
        <source>データを上書き保存します。</source>
        <translation>データを上書き保存します。</translation>
    </message>
    <message>
        <source>データの書き込み(&amp;W)</source>
        <translation>データの書き込み(&amp;W)</translation>
    </message>
    <message>
        <source>データをROMに書き込みます。</source>
        <translation>データをROMに書き込みます。</translation>
    </message>
    <message>
        <source>データの読み込み(&amp;R)</source>
        <translation>データの読み込み(&amp;R)</translation>
    </message>
    <message>
        <source>ROMからデータを読み込みます。</source>
        <translation>ROMからデータを読み込みます。</translation>
    </message>
    <message>
        <source>コンペア(&amp;C)</source>
        <translation>コンペア(&amp;C)</translation>
    </message>
    <message>
        <source>表示されているデータとPICのデータ領域を比較します。</source>
        <translation>表示されているデータとROMのデータを比較します。</translation>
    </message>
    <message>
        <source>検索(&amp;F)</source>
        <translation>検索(&amp;F)</translation>
    </message>
    <message>
        <source>表示データを検索します。</source>
        <translation>表示データを検索します。</translation>
    </message>
    <message>
        <source>次を検索(&amp;X)</source>
        <translation>次を検索(&amp;X)</translation>
    </message>
    <message>
        <source>同じデータを先へ検索します。</source>
        <translation>同じデータを先へ検索します。</translation>
    </message>
    <message>
        <source>前を検索(&amp;V)</source>
        <translation>前を検索(&amp;V)</translation>
    </message>
    <message>
        <source>同じデータを前へ検索します。</source>
        <translation>同じデータを前へ検索します。</translation>
    </message>
    <message>
        <source>アドレスへ移動(&amp;G)...</source>
        <translation>アドレスへ移動(&amp;G)...</translation>
    </message>
    <message>
        <source>指定したアドレスへ移動します。</source>
        <translation>指定したアドレスへ移動します。</translation>
    </message>
    <message>
        <source>埋める(&amp;L)</source>
        <translation>埋める(&amp;L)</translation>
    </message>
    <message>
        <source>データを特定の数値で埋めます。</source>
        <translation>データを特定の数値で埋めます。</translation>
    </message>
    <message>
        <source>元に戻す(&amp;U)</source>
        <translation>元に戻す(&amp;U)</translation>
    </message>
    <message>
        <source>直前の変更を取り消します。</source>
        <translation>直前の変更を取り消します。</translation>
    </message>
    <message>
        <source>やり直し(&amp;E)</source>
        <translation>やり直し(&amp;E)</translation>
    </message>
    <message>
        <source>取り消した変更をやり直します。</source>
        <translation>取り消した変更をやり直します。</translation>
    </message>
    <message>
        <source>コピー(&amp;Y)</source>
        <translation>コピー(&amp;Y)</translation>
    </message>
    <message>
        <source>選択したデータを16進のテキストでコピーします。</source>
        <translation>選択したデータを16進のテキストでコピーします。</translation>
    </message>
    <message>
        <source>貼り付け(&amp;T)</source>
        <translation>貼り付け(&amp;T)</translation>
    </message>
    <message>
        <source>16進のテキストを現在のセルから貼り付けます。</source>
        <translation>16進のテキストを現在のセルから貼り付けます。</translation>
    </message>
    <message>
        <source>オプション(&amp;O)</source>
        <translation>オプション(&amp;O)</translation>
    </message>
    <message>
        <source>書き込み設定(&amp;W)...</source>
        <translation>書き込み設定(&amp;W)...</translation>
    </message>
    <message>
        <source>[書き込みの設定]ダイアログを表示します。</source>
        <translation>[書き込みの設定]ダイアログを表示します。</translation>
    </message>
    <message>
        <source>ファイルの設定(&amp;F)...</source>
        <translation>ファイルの設定(&amp;F)...</translation>
    </message>
    <message>
        <source>[ファイルの設定]ダイアログを表示します。</source>
        <translation>[ファイルの設定]ダイアログを表示します。</translation>
    </message>
    <message>
        <source>ライターのテスト(&amp;T)...</source>
        <translation>ライターのテスト(&amp;T)...</translation>
    </message>
    <message>
        <source>[ライターのテスト]ダイアログを表示します。</source>
        <translation>[ライターのテスト]ダイアログを表示します。</translation>
    </message>
    <message>
        <source>256色表示</source>
        <translation>256色表示</translation>
    </message>
    <message>
        <source>言語(&amp;L)</source>
        <translation>言語(&amp;L)</translation>
    </message>
    <message>
        <source>ヘルプ(&amp;H)</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>バージョン情報(&amp;A)...</source>
        <translation>バージョン情報(&amp;A)...</translation>
    </message>
    <message>
        <source>バージョン情報を表示します。</source>
        <translation>バージョン情報を表示します。</translation>
    </message>
</context>
<context>
    <name>PicChipCommands</name>
    <message>
        <source>Confirm</source>
        <translation>確認</translation>
    </message>
    <message>
        <source>You are going to write the whole chip. OK?
</source>
        <translation>チップ全体に書き込みます。よろしいですか？
</translation>
    </message>
    <message>
        <source>

The file&apos;s configuration word sets code protection. The configuration is written without it: protect the chip with Device &gt; Code Protect once it is checked.</source>
        <translation>

ファイルのコンフィグレーションワードはコードプロテクトをかけます。コンフィグはコードプロテクトなしで書き込みます。確認が済んだら、[デバイス]-[コードプロテクト]でチップにコードプロテクトをかけてください。</translation>
    </message>
    <message>
        <source>the whole chip</source>
        <translation>チップ全体</translation>
    </message>
    <message>
        <source>You are going to program. OK?
</source>
        <translation>プログラムを書き込みます。よろしいですか？
</translation>
    </message>
    <message>
        <source>There is nothing to write: the program holds no data.</source>
        <translation>書き込むプログラムがありません。</translation>
    </message>
    <message>
        <source>program memory</source>
        <translation>プログラムメモリー</translation>
    </message>
    <message>
        <source>You are going to program in data memory. OK?
</source>
        <translation>データメモリーに書き込みます。よろしいですか？
</translation>
    </message>
    <message>
        <source>There is nothing to write: the data holds no values.</source>
        <translation>書き込むデータがありません。</translation>
    </message>
    <message>
        <source>data memory</source>
        <translation>データメモリー</translation>
    </message>
    <message>
        <source>the configuration word</source>
        <translation>コンフィグレーションワード</translation>
    </message>
    <message>
        <source>Read program </source>
        <translation>読み出しプログラム </translation>
    </message>
    <message>
        <source>Read data </source>
        <translation>読み出しデータ </translation>
    </message>
    <message>
        <source>You are going to erase the chip. OK?</source>
        <translation>チップをイレースします。よろしいですか？</translation>
    </message>
    <message>
        <source>the chip</source>
        <translation>チップ</translation>
    </message>
    <message>
        <source>This device is erased.</source>
        <translation>イレースされています。</translation>
    </message>
    <message>
        <source>Erase Check</source>
        <translation>イレースチェック</translation>
    </message>
    <message>
        <source>This device is not erased.</source>
        <translation>イレースされていません。</translation>
    </message>
    <message>
        <source>the ID words</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Read ID : %1

%2</source>
        <translation>読み込んだID : %1

%2</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>There is nothing to write: the ID text is empty.</source>
        <translation>書き込むIDがありません。IDのテキストが空です。</translation>
    </message>
    <message>
        <source>the code protection</source>
        <translation>コードプロテクト</translation>
    </message>
</context>
<context>
    <name>PicCliCommands</name>
    <message>
        <source>none</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>%1 in %2H-%3H</source>
        <translation>%1 (%2H-%3H)</translation>
    </message>
    <message>
        <source>tarvel reads and writes no ID words of the %1.</source>
        <translation>tarvel は %1 の ID を読み書きしません。</translation>
    </message>
    <message>
        <source>The %1 has no data EEPROM.</source>
        <translation>%1 にはデータEEPROMがありません。</translation>
    </message>
    <message>
        <source>A binary file holds no configuration word and no ID words; use a HEX file.</source>
        <translation>バイナリファイルにはコンフィグレーションワードも ID も入りません。HEX ファイルを使ってください。</translation>
    </message>
    <message>
        <source>%1 holds no program words.</source>
        <translation>%1 にはプログラムのワードがありません。</translation>
    </message>
    <message>
        <source>%1 holds no data EEPROM bytes.</source>
        <translation>%1 にはデータEEPROMのバイトがありません。</translation>
    </message>
    <message>
        <source>%1 holds no configuration word.</source>
        <translation>%1 にはコンフィグレーションワードがありません。</translation>
    </message>
    <message>
        <source>%1 holds no ID words.</source>
        <translation>%1 には ID のワードがありません。</translation>
    </message>
    <message>
        <source>%1 holds nothing for the %2.</source>
        <translation>%1 には %2 用のものが何もありません。</translation>
    </message>
    <message>
        <source>The configuration word of the %1 is a hexadecimal number up to %2, not &apos;%3&apos;.</source>
        <translation>%1 のコンフィグレーションワードは %2 までの16進数です。&apos;%3&apos; は使えません。</translation>
    </message>
    <message>
        <source>An ID text is 1 to %1 printable ASCII characters, not &apos;%2&apos;.</source>
        <translation>ID のテキストは表示できる ASCII 文字で 1～%1 文字です。&apos;%2&apos; は使えません。</translation>
    </message>
    <message>
        <source>The %1 cannot protect its data EEPROM on its own.</source>
        <translation>%1 ではデータEEPROMだけにコードプロテクトをかけることはできません。</translation>
    </message>
    <message>
        <source>The %1 offers the protection levels %2; &apos;%3&apos; is none of them.</source>
        <translation>%1 のコードプロテクトのレベルは %2 です。&apos;%3&apos; はそのどれでもありません。</translation>
    </message>
    <message>
        <source>%1 for the %2:</source>
        <translation>%2 用の %1:</translation>
    </message>
    <message>
        <source>  program words:      %1</source>
        <translation>  プログラムワード: %1</translation>
    </message>
    <message>
        <source>  data EEPROM bytes:  %1</source>
        <translation>  データEEPROM:     %1</translation>
    </message>
    <message>
        <source>  configuration word: %1H</source>
        <translation>  コンフィグ:       %1H</translation>
    </message>
    <message>
        <source>  ID:                 %1</source>
        <translation>  ID:               %1</translation>
    </message>
    <message>
        <source>  checksum:           %1H</source>
        <translation>  チェックサム:     %1H</translation>
    </message>
    <message>
        <source>the chip</source>
        <translation>チップ</translation>
    </message>
    <message>
        <source>The configuration word %1H sets code protection; it was written without it. Protect the chip with &apos;tarvel-cli protect&apos; once it is checked.</source>
        <translation>コンフィグレーションワード %1H はコードプロテクトをかけます。コンフィグはコードプロテクトなしで書き込みました。確認が済んだら &apos;tarvel-cli protect&apos; でチップにコードプロテクトをかけてください。</translation>
    </message>
    <message>
        <source>program memory</source>
        <translation>プログラムメモリー</translation>
    </message>
    <message>
        <source>the configuration word</source>
        <translation>コンフィグレーションワード</translation>
    </message>
    <message>
        <source>the ID words</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>data memory</source>
        <translation>データメモリー</translation>
    </message>
    <message>
        <source>Written without the verifying pass: %1.</source>
        <translation>ベリファイなしで書き込みました: %1。</translation>
    </message>
    <message>
        <source>Written and verified: %1.</source>
        <translation>書き込みとベリファイが終わりました: %1。</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 was left as it was.</source>
        <translation>%1 は元のままです。</translation>
    </message>
    <message>
        <source>Read %1 into %2.</source>
        <translation>%1 を %2 に読み込みました。</translation>
    </message>
    <message>
        <source>The %1 is not blank.</source>
        <translation>%1 はイレースされていません。</translation>
    </message>
    <message>
        <source>The %1 is blank.</source>
        <translation>%1 はイレースされています。</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between protection levels</comment>
        <translation>、</translation>
    </message>
</context>
<context>
    <name>ProgramImageFormat</name>
    <message>
        <source>HEX file load error</source>
        <translation>HEXファイルの読み込みエラー</translation>
    </message>
</context>
<context>
    <name>SerialRomCliCommands</name>
    <message>
        <source>The %1 is a serial EEPROM: it has no configuration word, ID words, code protection or program memory.</source>
        <translation>%1 はシリアルEEPROMです。コンフィグレーションワード、ID、コードプロテクト、プログラムメモリーはありません。</translation>
    </message>
    <message>
        <source>%1 holds no bytes.</source>
        <translation>%1 にはバイトがありません。</translation>
    </message>
    <message>
        <source>%1 for the %2:</source>
        <translation>%2 用の %1:</translation>
    </message>
    <message>
        <source>  bytes:  none</source>
        <translation>  バイト: なし</translation>
    </message>
    <message>
        <source>  bytes:  %1 in %2H-%3H</source>
        <translation>  バイト: %1 (%2H-%3H)</translation>
    </message>
    <message>
        <source>  CRC-32: %1 (the whole %2, bytes the file lacks as FFH)</source>
        <translation>  CRC-32: %1 (%2 全体、ファイルにないバイトは FFH として)</translation>
    </message>
    <message>
        <source>the %1</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>The %1 does not answer at address %2H.
Check that it sits in the socket and that the writer is connected.</source>
        <translation>%1 がアドレス %2H で応答しません。
ソケットに入っているか、ライターがつながっているかを確かめてください。</translation>
    </message>
    <message>
        <source>Cancelled at address %1H
The operation did not finish.</source>
        <translation>アドレス %1H で中止しました。
操作は終わっていません。</translation>
    </message>
    <message>
        <source>The %1 is erased.</source>
        <translation>%1 をイレースしました。</translation>
    </message>
    <message>
        <source>Written and verified: %1 bytes.</source>
        <translation>書き込みとベリファイが終わりました: %1 バイト。</translation>
    </message>
    <message>
        <source>Written without reading back: %1 bytes.</source>
        <translation>読み直しなしで書き込みました: %1 バイト。</translation>
    </message>
    <message>
        <source>%1 was left as it was.</source>
        <translation>%1 は元のままです。</translation>
    </message>
    <message>
        <source>Read %1 bytes into %2.</source>
        <translation>%1 バイトを %2 に読み込みました。</translation>
    </message>
    <message>
        <source>The %1 is blank.</source>
        <translation>%1 はイレースされています。</translation>
    </message>
    <message>
        <source>The %1 is not blank: address %2H holds %3H.</source>
        <translation>%1 はイレースされていません: アドレス %2H は %3H です。</translation>
    </message>
</context>
<context>
    <name>SerialRomCommands</name>
    <message>
        <source>ROMが応答しません。
アドレス %1H</source>
        <translation>ROMが応答しません。
アドレス %1H</translation>
    </message>
    <message>
        <source>Cancelled at address %1H
The operation did not finish.</source>
        <translation>アドレス %1H で中止しました。
操作は終わっていません。</translation>
    </message>
    <message>
        <source>Different data is found in 
Addr = %1H
ROM Data = %2H
COMPARED Data = %3H</source>
        <translation>コンペア結果 不一致でした。

アドレス  = %1H
ROMデータ = %2H
比較データ = %3H</translation>
    </message>
    <message>
        <source>the serial EEPROM</source>
        <translation>シリアルEEPROM</translation>
    </message>
    <message>
        <source>書き込むデータがありません。</source>
        <translation>書き込むデータがありません。</translation>
    </message>
    <message>
        <source>書き込みの確認</source>
        <translation>書き込みの確認</translation>
    </message>
    <message>
        <source>%1 を書き込みます。
よろしいですか？</source>
        <translation>%1 を書き込みます。
よろしいですか？</translation>
    </message>
    <message>
        <source>書き込みエラー</source>
        <translation>書き込みエラー</translation>
    </message>
    <message>
        <source>書き込みました。</source>
        <translation>書き込みました。</translation>
    </message>
    <message>
        <source>書き込み完了</source>
        <translation>書き込み完了</translation>
    </message>
    <message>
        <source>読み込みエラー</source>
        <translation>読み込みエラー</translation>
    </message>
    <message>
        <source>読み出しデータ </source>
        <translation>読み出しデータ </translation>
    </message>
    <message>
        <source>読み出しデータ</source>
        <translation>読み出しデータ</translation>
    </message>
    <message>
        <source>コンペアエラー</source>
        <translation>コンペアエラー</translation>
    </message>
    <message>
        <source>Compare result is the same.</source>
        <translation>コンペア結果&#x3000;一致しました。</translation>
    </message>
    <message>
        <source>ROMをイレースします。
よろしいですか？</source>
        <translation>ROMをイレースします。
よろしいですか？</translation>
    </message>
    <message>
        <source>イレースの確認</source>
        <translation>イレースの確認</translation>
    </message>
    <message>
        <source>イレースエラー</source>
        <translation>イレースエラー</translation>
    </message>
    <message>
        <source>イレースしました。</source>
        <translation>イレースしました。</translation>
    </message>
    <message>
        <source>イレース完了</source>
        <translation>イレース完了</translation>
    </message>
    <message>
        <source>イレースチェック</source>
        <translation>イレースチェック</translation>
    </message>
</context>
<context>
    <name>SimChipFile</name>
    <message>
        <source>Cannot read %1: %2.</source>
        <translation>%1 を読めません: %2。</translation>
    </message>
    <message>
        <source>%1 is no file of simulated chips: %2 at byte %3.</source>
        <translation>%1 はシミュレーションのチップのファイルではありません (%3 バイト目: %2)。</translation>
    </message>
    <message>
        <source>%1 is no file of simulated chips: it does not say &quot;format&quot;: &quot;%2&quot;.</source>
        <translation>%1 はシミュレーションのチップのファイルではありません: &quot;format&quot;: &quot;%2&quot; がありません。</translation>
    </message>
    <message>
        <source>%1 holds simulated chips of version %2; this tarvel-cli reads version %3.</source>
        <translation>%1 のシミュレーションのチップはバージョン %2 です。この tarvel-cli が読めるのはバージョン %3 です。</translation>
    </message>
    <message>
        <source>The %1 in %2 has no &quot;%3&quot; of %4 hexadecimal digits.</source>
        <translation>%2 の %1 には、16進 %4 桁の &quot;%3&quot; がありません。</translation>
    </message>
    <message>
        <source>The %1 in %2 holds no value the chip can hold in &quot;%3&quot; at %4H.</source>
        <translation>%2 の %1 の &quot;%3&quot; の %4H には、チップが持てない値が入っています。</translation>
    </message>
    <message>
        <source>Cannot write %1: %2.</source>
        <translation>%1 に書き込めません: %2。</translation>
    </message>
</context>
<context>
    <name>TPicFileHistry</name>
    <message>
        <source>%1を開く</source>
        <translation>%1を開く</translation>
    </message>
</context>
<context>
    <name>WholeChipFile</name>
    <message>
        <source>Not everything in %1 fits the %2. These parts were not loaded:</source>
        <translation>%1 の内容には %2 に入らないものがあります。次の部分は読み込みませんでした:</translation>
    </message>
    <message>
        <source>If the file was made for another device, choose that device and open the file again.</source>
        <translation>ほかのデバイス用のファイルなら、そのデバイスを選んでからファイルを開き直してください。</translation>
    </message>
    <message>
        <source>This file also holds %1. Take them too?</source>
        <translation>このファイルには %1 も入っています。これらも読み込みますか？</translation>
    </message>
    <message>
        <source>This file also holds %1. Take it too?</source>
        <translation>このファイルには %1 も入っています。これも読み込みますか？</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>確認</translation>
    </message>
    <message>
        <source>Do not ask again</source>
        <translation>次回から確認しない</translation>
    </message>
</context>
<context>
    <name>WindowCommand</name>
    <message>
        <source>The command stopped with an unexpected error.</source>
        <translation>予期しないエラーでコマンドが止まりました。</translation>
    </message>
</context>
<context>
    <name>tarvel::ImageStatus</name>
    <message>
        <source>Checksum: the 16-bit sum of the program words and the configuration word, as PIC tools show it.
Config: the configuration word that goes with the program, from its file or the chip.
CRC-32: of the data image. Blank cells count as erased.</source>
        <translation>チェックサム: プログラムのワードとコンフィグレーションワードの16ビットの合計 (PIC の開発ツールと同じ計算) です。
コンフィグ: プログラムと組になるコンフィグレーションワードで、ファイルかチップから得たものです。
CRC-32: データのイメージのものです。空欄はイレースされた値として数えます。</translation>
    </message>
    <message>
        <source>Checksum %1H</source>
        <translation>チェックサム %1H</translation>
    </message>
    <message>
        <source>Config %1H (file)</source>
        <translation>コンフィグ %1H (ファイル)</translation>
    </message>
    <message>
        <source>Config %1H (chip)</source>
        <translation>コンフィグ %1H (チップ)</translation>
    </message>
    <message>
        <source>CRC-32 %1</source>
        <translation>CRC-32 %1</translation>
    </message>
</context>
<context>
    <name>tarvel::TAboutBox</name>
    <message>
        <source>tarvel - a programmer for PIC microcontrollers and 24xx I2C serial EEPROMs

READ ME

The writer hangs on a PC parallel port. Choose the port and press [Measure] in Option - Write Setup once on every machine: the programming waits are scaled by the measured value.

Port access on Linux: the kernel&apos;s parallel port device /dev/parportN works for a member of the group lp, without root. Direct I/O needs root. &quot;Simulated writer&quot; runs every command against a virtual chip, so the program can be tried without a writer. USB printer adapters cannot drive single lines and cannot be used as a writer.

Write: the grid&apos;s values go to the chip and are read back; a failure names the address, the wanted value and the value read. Empty cells are skipped unless Fill UP is on.

Code protection makes program and data memory unreadable. A protected flash device must be erased before it can be written again; an EPROM device stays protected.

Serial ROM: choose the category and the size (24xx01 to 24xx256); the data grid holds the whole EEPROM.

VERSION HISTORY

2.37  The Linux edition, built with Qt 6: the port through the kernel&apos;s parallel port device or direct I/O, chosen in Write Setup; the simulated writer; a serial EEPROM that does not answer is reported with its address instead of holding the program; settings in ~/.config/Melfort/tarvel.conf.
</source>
        <translation>tarvel - PIC マイコンと 24xx I2C シリアルEEPROM のライター

お読みください

ライターは PC のパラレルポートにつなぎます。マシンごとに一度、[オプション]-[書き込み設定]でポートを選び、[測定]を押してください。書き込みの待ち時間は測定した値に合わせて決まります。

Linux でのポートの使い方: カーネルのパラレルポートデバイス /dev/parportN は、グループ lp のメンバーなら root でなくても使えます。直接 I/O には root が必要です。[シミュレーションのライター]では、すべてのコマンドが仮想のチップに対して動くので、ライターがなくても試せます。USB プリンターアダプターは信号線を1本ずつ動かせないため、ライターには使えません。

書き込み: 表の値をチップに書き込み、読み戻して確かめます。失敗したときは、アドレス、書き込む値、読み込んだ値を表示します。空欄は、[空き領域を埋める]がオフなら書き込みません。

コードプロテクトをかけると、プログラムとデータのメモリーが読めなくなります。コードプロテクトをかけたフラッシュのデバイスに書き込み直すにはイレースが必要です。EPROM のデバイスはコードプロテクトがかかったままになります。

シリアルROM: デバイスの種類とサイズ (24xx01～24xx256) を選んでください。データの表に EEPROM 全体が入ります。

バージョン履歴

2.37  Qt 6 で作った Linux 版。ポートはカーネルのパラレルポートデバイスか直接 I/O で、書き込み設定で選びます。シミュレーションのライター。応答しないシリアルEEPROM はアドレスとともに報告し、プログラムを止めたままにしません。設定は ~/.config/Melfort/tarvel.conf にあります。
</translation>
    </message>
    <message>
        <source>PIC &amp; 24xx EEPROM writer</source>
        <translation>PIC・24xx EEPROM ライター</translation>
    </message>
    <message>
        <source>ﾊﾞｰｼﾞｮﾝ情報</source>
        <translation>ﾊﾞｰｼﾞｮﾝ情報</translation>
    </message>
    <message>
        <source>詳細 &lt;&lt;</source>
        <translation>詳細 &lt;&lt;</translation>
    </message>
    <message>
        <source>詳細 &gt;&gt;</source>
        <translation>詳細 &gt;&gt;</translation>
    </message>
    <message>
        <source>tarvel: PIC and 24xx EEPROM programmer</source>
        <translation>tarvel: PIC・24xx EEPROM ライター</translation>
    </message>
    <message>
        <source>for a writer on the parallel port</source>
        <translation>パラレルポートのライター用</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>tarvel::TConfigDlg</name>
    <message>
        <source>Oscillator</source>
        <translation>オシレータ</translation>
    </message>
    <message>
        <source>オシレータ</source>
        <translation>オシレータ</translation>
    </message>
    <message>
        <source>Watch dog timer</source>
        <translation>ウォッチドッグタイマー</translation>
    </message>
    <message>
        <source>Power up timer</source>
        <translation>パワーアップタイマー</translation>
    </message>
    <message>
        <source>MCLR is connected to VDD</source>
        <translation>MCLRはVDDに内部接続</translation>
    </message>
    <message>
        <source>Enable MCLR</source>
        <translation>MCLRを有効にする</translation>
    </message>
    <message>
        <source>Brown out reset</source>
        <translation>ブラウンアウトリセット</translation>
    </message>
    <message>
        <source>Low voltaege programming</source>
        <translation>低電圧プログラミング許可</translation>
    </message>
    <message>
        <source>Program memory write</source>
        <translation>プログラムメモリーへの書き込み</translation>
    </message>
    <message>
        <source>Debug mode</source>
        <translation>デバッグモード</translation>
    </message>
    <message>
        <source>パワーアップタイマー</source>
        <translation>パワーアップタイマー</translation>
    </message>
    <message>
        <source>ブラウンアウトリセット</source>
        <translation>ブラウンアウトリセット</translation>
    </message>
    <message>
        <source>低電圧プログラミング許可</source>
        <translation>低電圧プログラミング許可</translation>
    </message>
    <message>
        <source>MCLRはVDDに内部接続</source>
        <translation>MCLRはVDDに内部接続</translation>
    </message>
    <message>
        <source>MCLRを有効にする</source>
        <translation>MCLRを有効にする</translation>
    </message>
    <message>
        <source>Broun out voltage</source>
        <translation>ブラウンアウト電圧</translation>
    </message>
    <message>
        <source>Config</source>
        <translation>コンフィグ</translation>
    </message>
    <message>
        <source>Device </source>
        <translation>デバイス </translation>
    </message>
    <message>
        <source>ID&#x3000;（最大７文字）</source>
        <translation>ID&#x3000;（最大７文字）</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>書き込み</translation>
    </message>
    <message>
        <source>Write config with this settings</source>
        <translation>この設定でコンフィグを書き込みます</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Configration settings read from PIC</source>
        <translation>PICから読み込んだコンフィグの設定</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>フューズデータ : %1H    </source>
        <translation>フューズデータ : %1H    </translation>
    </message>
    <message>
        <source>このデバイスには対応していません。</source>
        <translation>このデバイスには対応していません。</translation>
    </message>
</context>
<context>
    <name>tarvel::TDifferenceListDlg</name>
    <message>
        <source>Address</source>
        <translation>アドレス</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>イメージ</translation>
    </message>
    <message>
        <source>Chip</source>
        <translation>チップ</translation>
    </message>
    <message>
        <source>Differences - Program</source>
        <translation>相違点 - プログラム</translation>
    </message>
    <message>
        <source>Differences - Data</source>
        <translation>相違点 - データ</translation>
    </message>
    <message>
        <source>%1 address where the chip differs from the program image. Double-click a row to select its cell.</source>
        <translation>チップがプログラムのイメージと違うアドレスは %1 か所です。行をダブルクリックすると、そのセルを選びます。</translation>
    </message>
    <message>
        <source>%1 addresses where the chip differs from the program image. Double-click a row to select its cell.</source>
        <translation>チップがプログラムのイメージと違うアドレスは %1 か所です。行をダブルクリックすると、そのセルを選びます。</translation>
    </message>
    <message>
        <source>%1 address where the chip differs from the data image. Double-click a row to select its cell.</source>
        <translation>チップがデータのイメージと違うアドレスは %1 か所です。行をダブルクリックすると、そのセルを選びます。</translation>
    </message>
    <message>
        <source>%1 addresses where the chip differs from the data image. Double-click a row to select its cell.</source>
        <translation>チップがデータのイメージと違うアドレスは %1 か所です。行をダブルクリックすると、そのセルを選びます。</translation>
    </message>
    <message>
        <source>Save as CSV...</source>
        <translation>CSVで保存...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>tarvel::TFileSetDlg</name>
    <message>
        <source>File setup</source>
        <translation>ファイルの設定</translation>
    </message>
    <message>
        <source>Object files</source>
        <translation>オブジェクトファイル</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>フォルダー</translation>
    </message>
    <message>
        <source>Ref...</source>
        <translation>参照...</translation>
    </message>
    <message>
        <source>HEX file ext.</source>
        <translation>HEXファイルの拡張子</translation>
    </message>
    <message>
        <source>Binary file ext.</source>
        <translation>バイナリファイルの拡張子</translation>
    </message>
    <message>
        <source>Configuration, ID and EEPROM data in program HEX files</source>
        <translation>プログラムのHEXファイルにあるコンフィグ、ID、EEPROMデータ</translation>
    </message>
    <message>
        <source>When a file is opened</source>
        <translation>ファイルを開いたとき</translation>
    </message>
    <message>
        <source>Ask</source>
        <translation>確認する</translation>
    </message>
    <message>
        <source>Always take</source>
        <translation>常に読み込む</translation>
    </message>
    <message>
        <source>Never take</source>
        <translation>読み込まない</translation>
    </message>
    <message>
        <source>Save them with the program</source>
        <translation>プログラムと一緒に保存する</translation>
    </message>
</context>
<context>
    <name>tarvel::TFillDlg</name>
    <message>
        <source>Fill</source>
        <translation>埋める</translation>
    </message>
    <message>
        <source>From address:</source>
        <translation>開始アドレス:</translation>
    </message>
    <message>
        <source>To address:</source>
        <translation>終了アドレス:</translation>
    </message>
    <message>
        <source>Value (- for blank cells):</source>
        <translation>値 (空欄にするには -):</translation>
    </message>
    <message>
        <source>Enter the first address as hexadecimal digits from %1 to %2.</source>
        <translation>開始アドレスは %1～%2 の16進で入力してください。</translation>
    </message>
    <message>
        <source>Enter the last address as hexadecimal digits from %1 to %2.</source>
        <translation>終了アドレスは %1～%2 の16進で入力してください。</translation>
    </message>
    <message>
        <source>The first address lies after the last one.</source>
        <translation>開始アドレスが終了アドレスより後ろにあります。</translation>
    </message>
    <message>
        <source>ビット数が多すぎます</source>
        <translation>ビット数が多すぎます</translation>
    </message>
    <message>
        <source>Enter the value as one to %1 hexadecimal digits, or - to blank the cells.</source>
        <translation>値は1～%1 桁の16進で入力してください。空欄にするには - を入力します。</translation>
    </message>
</context>
<context>
    <name>tarvel::TFindDlg</name>
    <message>
        <source>Find</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>Values (hexadecimal words, - for a blank):</source>
        <translation>値 (16進のワード、空欄は -):</translation>
    </message>
    <message>
        <source>Values (hexadecimal bytes, - for a blank):</source>
        <translation>値 (16進のバイト、空欄は -):</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>次を検索</translation>
    </message>
    <message>
        <source>Find Previous</source>
        <translation>前を検索</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>tarvel::TGoToDlg</name>
    <message>
        <source>Go To Address</source>
        <translation>アドレスへ移動</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>アドレス:</translation>
    </message>
    <message>
        <source>Enter the address as hexadecimal digits from %1 to %2.</source>
        <translation>アドレスは %1～%2 の16進で入力してください。</translation>
    </message>
</context>
<context>
    <name>tarvel::THexGrid</name>
    <message>
        <source>ビット数が多すぎます</source>
        <translation>ビット数が多すぎます</translation>
    </message>
</context>
<context>
    <name>tarvel::TIDWriteDlg</name>
    <message>
        <source>IDの書き込み</source>
        <translation>IDの書き込み</translation>
    </message>
    <message>
        <source>ID (Max 7 chars)</source>
        <translation>ID（最大７文字）</translation>
    </message>
</context>
<context>
    <name>tarvel::TPWMainForm</name>
    <message>
        <source>New Program</source>
        <translation>新規プログラム</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>プログラム</translation>
    </message>
    <message>
        <source>New Data</source>
        <translation>新規データ</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>データ</translation>
    </message>
    <message>
        <source>GiveIOデバイスにアクセスできませんでした。</source>
        <translation>GiveIOデバイスにアクセスできませんでした。</translation>
    </message>
    <message>
        <source>New file</source>
        <translation>新規ファイル</translation>
    </message>
    <message>
        <source>The settings of this run were not saved: %1 cannot be read (%2).
Make that file readable for this user, or remove it, to keep settings again.</source>
        <translation>今回の設定は保存しませんでした。%1 を読めません (%2)。
設定を保存できるようにするには、このユーザーがそのファイルを読めるようにするか、ファイルを削除してください。</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1.
Make sure that this folder can be written to; the next start keeps the settings of before.</source>
        <translation>設定を %1 に保存できませんでした。
このフォルダーに書き込めるか確かめてください。次の起動では以前の設定のままです。</translation>
    </message>
    <message>
        <source>A chip operation is running.
Cancel it at the next address and close tarvel?</source>
        <translation>チップの操作中です。
次のアドレスで中止して、tarvel を終了しますか？</translation>
    </message>
    <message>
        <source>Open HEX|Open HEX file of Program.</source>
        <translation>HEXﾌｧｲﾙを開く|プログラムのHEXファイルを開きます。</translation>
    </message>
    <message>
        <source>Open Binary|Open Binary file of program.</source>
        <translation>ﾊﾞｲﾅﾘ・ﾌｧｲﾙを開く|プログラムのバイナリファイルを開きます。</translation>
    </message>
    <message>
        <source>Save Binary|Save program as binary.</source>
        <translation>ﾊﾞｲﾅﾘ保存|プログラムをバイナリで保存します。</translation>
    </message>
    <message>
        <source>Reload|Reload Program</source>
        <translation>更新|プログラムファイルを読み込み直します。</translation>
    </message>
    <message>
        <source>Write Program|Write program into PIC</source>
        <translation>プログラムの書き込み|プログラムをPICに書き込みます。</translation>
    </message>
    <message>
        <source>Read Program|Read program from PIC</source>
        <translation>プログラムの読み込み|PICからプログラムを読み込みます。</translation>
    </message>
    <message>
        <source>Read ID|Read ID form PIC</source>
        <translation>IDの読み込み|PICからIDを読み込みます。</translation>
    </message>
    <message>
        <source>Write Program and Config|Write program and configration fuse into PIC</source>
        <translation>プログラムとコンフィグの書き込み|プログラムとコンフィグをPICに書き込みます。</translation>
    </message>
    <message>
        <source>Reset|Reset PIC</source>
        <translation>リセット|PICをリセットします。</translation>
    </message>
    <message>
        <source>Power ON|Power ON PIC writer</source>
        <translation>電源ON|ライターの電源を入れます。</translation>
    </message>
    <message>
        <source>Power OFF|Power OFF PIC writer</source>
        <translation>電源OFF|ライターの電源を切ります。</translation>
    </message>
    <message>
        <source>Open Hex|Open HEX file</source>
        <translation>HEXﾌｧｲﾙを開く|データのHEXファイルを開きます。</translation>
    </message>
    <message>
        <source>Open Binary|Open binary file</source>
        <translation>ﾊﾞｲﾅﾘ・ﾌｧｲﾙを開く|データのバイナリファイルを開きます。</translation>
    </message>
    <message>
        <source>Save Binary|Save as binary</source>
        <translation>ﾊﾞｲﾅﾘ保存|データをバイナリで保存します。</translation>
    </message>
    <message>
        <source>Reload|Reload data</source>
        <translation>更新|データファイルを読み込み直します。</translation>
    </message>
    <message>
        <source>Write Data|Write data into PIC</source>
        <translation>データの書き込み|データをPICに書き込みます。</translation>
    </message>
    <message>
        <source>Read Data|Read data from PIC</source>
        <translation>データの読み込み|PICからデータを読み込みます。</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>書き込み</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>読み込み</translation>
    </message>
    <message>
        <source>Device|Choose PIC device</source>
        <translation>デバイス|PICのデバイスを選びます。</translation>
    </message>
    <message>
        <source>Device Category|Choose category of device</source>
        <translation>デバイスの種類|デバイスの種類を選びます。</translation>
    </message>
    <message>
        <source>Device|Choose device</source>
        <translation>デバイス|デバイスを選びます。</translation>
    </message>
    <message>
        <source>ｼﾘｱﾙROM</source>
        <translation>ｼﾘｱﾙROM</translation>
    </message>
    <message>
        <source>The data file %1 was not opened: %2 has no data EEPROM.
Choose a device with data EEPROM or the serial ROM category, then open the file again.</source>
        <translation>データファイル %1 は開きませんでした。%2 にはデータEEPROMがありません。
データEEPROMのあるデバイスかシリアルROMを選んでから、ファイルを開き直してください。</translation>
    </message>
    <message>
        <source>This device is not supported</source>
        <translation>このデバイスは未対応です</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be read (%2).
tarvel starts with its default settings and leaves that file as it is.</source>
        <translation>設定ファイル %1 を読めません (%2)。
tarvel は初期設定で起動し、そのファイルはそのままにします。</translation>
    </message>
    <message>
        <source>Set write settings with following dialog.
 You should click [Measure]button and select parallel port.</source>
        <translation>次のダイアログで書き込みの設定をしてください。
[測定]ボタンを押して、パラレルポートを選んでください。</translation>
    </message>
    <message>
        <source>Make sure that the PIC writer is not connected to PIC.
</source>
        <translation>ライターがPICにつながっていないことを確かめてください。
</translation>
    </message>
    <message>
        <source>Writer test</source>
        <translation>ライターのテスト</translation>
    </message>
    <message>
        <source>Version %1 (English)</source>
        <translation>バージョン %1 (日本語)</translation>
    </message>
    <message>
        <source>%1

tarvel works with the %2 writer now, as the status bar shows.</source>
        <translation>%1

tarvel は、ステータスバーのとおり、いまは「%2」のライターで動作します。</translation>
    </message>
    <message>
        <source>Writer: %1</source>
        <translation>ライター: %1</translation>
    </message>
    <message>
        <source>Commands work on a virtual chip in a simulated writer, not on real hardware.</source>
        <translation>コマンドは実機ではなく、シミュレーションのライターにある仮想のチップに対して動きます。</translation>
    </message>
    <message>
        <source>Commands drive the writer on the parallel port.</source>
        <translation>コマンドはパラレルポートのライターを動かします。</translation>
    </message>
</context>
<context>
    <name>tarvel::TProtectConfirmDlg</name>
    <message>
        <source>コードプロテクト確認</source>
        <translation>コードプロテクト確認</translation>
    </message>
    <message>
        <source>プログラムメモリー</source>
        <translation>プログラムメモリー</translation>
    </message>
    <message>
        <source>データメモリー</source>
        <translation>データメモリー</translation>
    </message>
    <message>
        <source>コードプロテクトをかけますか？</source>
        <translation>コードプロテクトをかけますか？</translation>
    </message>
    <message>
        <source>はい(&amp;Y)</source>
        <translation>はい(&amp;Y)</translation>
    </message>
    <message>
        <source>いいえ(&amp;N)</source>
        <translation>いいえ(&amp;N)</translation>
    </message>
    <message>
        <source>コードプロテクトをかけると、以後プログラム及びデータの読み込みができなくなります。&#x3000;コードプロテクトをかけられたデバイスに再書き込みするには、イレースする必要があります。</source>
        <translation>コードプロテクトをかけると、以後プログラム及びデータの読み込みができなくなります。&#x3000;コードプロテクトをかけられたデバイスに再書き込みするには、イレースする必要があります。</translation>
    </message>
    <message>
        <source>このデバイスはコードプロテクトに対応していません。</source>
        <translation>このデバイスはコードプロテクトに対応していません。</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>tarvel::TWriteSetDlg</name>
    <message>
        <source>Write Setup</source>
        <translation>書き込みの設定</translation>
    </message>
    <message>
        <source>Don&apos;t overwrite the same data.</source>
        <translation>同じデータは書き込まない</translation>
    </message>
    <message>
        <source>Fill in empty area</source>
        <translation>空き領域を埋める</translation>
    </message>
    <message>
        <source>Fill UP</source>
        <translation>埋める</translation>
    </message>
    <message>
        <source>with</source>
        <translation>値</translation>
    </message>
    <message>
        <source>Ｈ</source>
        <translation>Ｈ</translation>
    </message>
    <message>
        <source>Write Wait</source>
        <translation>書き込みの待ち時間</translation>
    </message>
    <message>
        <source>Measure</source>
        <translation>測定</translation>
    </message>
    <message>
        <source>Power Control</source>
        <translation>電源の制御</translation>
    </message>
    <message>
        <source>Power on at start</source>
        <translation>起動時に電源ON</translation>
    </message>
    <message>
        <source>Power off at end</source>
        <translation>終了時に電源OFF</translation>
    </message>
    <message>
        <source>Auto Start GiveIO.sys</source>
        <translation>起動時に GiveIO.sys を使う</translation>
    </message>
    <message>
        <source>Parallel Port</source>
        <translation>パラレルポート</translation>
    </message>
    <message>
        <source>Port access</source>
        <translation>ポートの使い方</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>自動</translation>
    </message>
    <message>
        <source>Kernel parallel port device</source>
        <translation>カーネルのパラレルポートデバイス</translation>
    </message>
    <message>
        <source>Direct I/O</source>
        <translation>直接 I/O</translation>
    </message>
    <message>
        <source>Simulated writer</source>
        <translation>シミュレーションのライター</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Enter the fill value as one to four hexadecimal digits (0 to FFFF).</source>
        <translation>埋める値は1～4桁の16進 (0～FFFF) で入力してください。</translation>
    </message>
</context>
<context>
    <name>tarvel::TWriterTestDlg</name>
    <message>
        <source>Power</source>
        <translation>電源</translation>
    </message>
    <message>
        <source>Writer Test</source>
        <translation>ライターのテスト</translation>
    </message>
    <message>
        <source>Disconnect the writer from PIC.</source>
        <translation>ライターをPICから外してください。</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>出力</translation>
    </message>
    <message>
        <source>In</source>
        <translation>入力</translation>
    </message>
    <message>
        <source>ParallelPort</source>
        <translation>パラレルポート</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>終了</translation>
    </message>
</context>
</TS>

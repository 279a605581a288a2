<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>ChipOperation</name>
    <message>
        <source>Preparing</source>
        <translation>Preparing</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>Writing</translation>
    </message>
    <message>
        <source>Verifying</source>
        <translation>Verifying</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Reading</translation>
    </message>
    <message>
        <source>Comparing</source>
        <translation>Comparing</translation>
    </message>
    <message>
        <source>Erasing</source>
        <translation>Erasing</translation>
    </message>
    <message>
        <source>Checking</source>
        <translation>Checking</translation>
    </message>
    <message>
        <source>%1(partial: cancelled at %2H)</source>
        <translation>%1(partial: cancelled at %2H)</translation>
    </message>
    <message>
        <source>Cancelling at the next address...</source>
        <translation>Cancelling at the next address...</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a stage (Writing) and what it works on (program memory)</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Address %1H of %2H</source>
        <translation>Address %1H of %2H</translation>
    </message>
</context>
<context>
    <name>CliChipCommands</name>
    <message>
        <source>Interrupted before anything reached the chip.</source>
        <translation>Interrupted before anything reached the chip.</translation>
    </message>
</context>
<context>
    <name>CliCommandLine</name>
    <message>
        <source>The device: PIC16F84, pic16f877, 24xx256, ... (any case; &apos;devices&apos; lists them). Default: the device selected in the window.</source>
        <translation>The device: PIC16F84, pic16f877, 24xx256, ... (any case; &apos;devices&apos; lists them). Default: the device selected in the window.</translation>
    </message>
    <message>
        <source>The writer: auto (default: as the window reaches it), ppdev:/dev/parportN, parport:TYPE (the port types 0-4 of the write setup: 378H, 3BCH, 278H, 40H, 140H), direct:TYPE, sim (a blank simulated chip) or sim:FILE (simulated chips kept in FILE between runs).</source>
        <translation>The writer: auto (default: as the window reaches it), ppdev:/dev/parportN, parport:TYPE (the port types 0-4 of the write setup: 378H, 3BCH, 278H, 40H, 140H), direct:TYPE, sim (a blank simulated chip) or sim:FILE (simulated chips kept in FILE between runs).</translation>
    </message>
    <message>
        <source>The programming wait setting, 1-30000. Default: the window&apos;s, else measured.</source>
        <translation>The programming wait setting, 1-30000. Default: the window&apos;s, else measured.</translation>
    </message>
    <message>
        <source>Print one JSON object per command on stdout instead of text.</source>
        <translation>Print one JSON object per command on stdout instead of text.</translation>
    </message>
    <message>
        <source>No progress and no success messages, only errors and what was asked for.</source>
        <translation>No progress and no success messages, only errors and what was asked for.</translation>
    </message>
    <message>
        <source>Run the simulated writer on the real clock, at the chips&apos; own pace. Without it the simulated writer runs on virtual time: a whole-chip write returns as soon as the work is done, with the chip&apos;s timing still checked.</source>
        <translation>Run the simulated writer on the real clock, at the chips&apos; own pace. Without it the simulated writer runs on virtual time: a whole-chip write returns as soon as the work is done, with the chip&apos;s timing still checked.</translation>
    </message>
    <message>
        <source>Display this help.</source>
        <translation>Display this help.</translation>
    </message>
    <message>
        <source>Display the program&apos;s name and version.</source>
        <translation>Display the program&apos;s name and version.</translation>
    </message>
    <message>
        <source>write, read, verify: the part of the chip, program, data, config, id or all (default: all that the file and the device hold).</source>
        <translation>write, read, verify: the part of the chip, program, data, config, id or all (default: all that the file and the device hold).</translation>
    </message>
    <message>
        <source>The file format: hex (INHX8M), inhx32 or bin. Default: bin for a name ending in .bin, else hex.</source>
        <translation>The file format: hex (INHX8M), inhx32 or bin. Default: bin for a name ending in .bin, else hex.</translation>
    </message>
    <message>
        <source>write: this configuration word (hexadecimal) instead of the file&apos;s.</source>
        <translation>write: this configuration word (hexadecimal) instead of the file&apos;s.</translation>
    </message>
    <message>
        <source>write: this ID text (up to 7 characters) instead of the file&apos;s.</source>
        <translation>write: this ID text (up to 7 characters) instead of the file&apos;s.</translation>
    </message>
    <message>
        <source>write: leave out the pass that reads every cell again after writing.</source>
        <translation>write: leave out the pass that reads every cell again after writing.</translation>
    </message>
    <message>
        <source>protect: protect the data EEPROM too.</source>
        <translation>protect: protect the data EEPROM too.</translation>
    </message>
    <message>
        <source>Programs, reads and verifies PIC microcontrollers and 24xx serial EEPROMs
through a writer on the parallel port.</source>
        <translation>Programs, reads and verifies PIC microcontrollers and 24xx serial EEPROMs
through a writer on the parallel port.</translation>
    </message>
    <message>
        <source>The command (see below) and its arguments.</source>
        <translation>The command (see below) and its arguments.</translation>
    </message>
    <message>
        <source>Usage: tarvel-cli [GLOBAL OPTIONS] COMMAND [ARGS]</source>
        <translation>Usage: tarvel-cli [GLOBAL OPTIONS] COMMAND [ARGS]</translation>
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
        <translation>Commands:
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
</translation>
    </message>
    <message>
        <source>No command given.</source>
        <translation>No command given.</translation>
    </message>
    <message>
        <source>Unknown command &apos;%1&apos;.</source>
        <translation>Unknown command &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>%1 needs %2.</source>
        <translation>%1 needs %2.</translation>
    </message>
    <message>
        <source>Too many arguments for %1: &apos;%2&apos;.</source>
        <translation>Too many arguments for %1: &apos;%2&apos;.</translation>
    </message>
    <message>
        <source>--%1 is not an option of %2.</source>
        <translation>--%1 is not an option of %2.</translation>
    </message>
    <message>
        <source>--wait takes a number from %1 to %2, not &apos;%3&apos;.</source>
        <translation>--wait takes a number from %1 to %2, not &apos;%3&apos;.</translation>
    </message>
    <message>
        <source>--memory takes program, data, config, id or all, not &apos;%1&apos;.</source>
        <translation>--memory takes program, data, config, id or all, not &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>--format takes hex, inhx32 or bin, not &apos;%1&apos;.</source>
        <translation>--format takes hex, inhx32 or bin, not &apos;%1&apos;.</translation>
    </message>
</context>
<context>
    <name>CliDevices</name>
    <message>
        <source>12-bit EPROM</source>
        <translation>12-bit EPROM</translation>
    </message>
    <message>
        <source>14-bit EPROM</source>
        <translation>14-bit EPROM</translation>
    </message>
    <message>
        <source>flash</source>
        <translation>flash</translation>
    </message>
    <message>
        <source>Unknown device &apos;%1&apos;. &apos;tarvel-cli devices&apos; lists the devices.</source>
        <translation>Unknown device &apos;%1&apos;. &apos;tarvel-cli devices&apos; lists the devices.</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Device</translation>
    </message>
    <message>
        <source>Family</source>
        <translation>Family</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Words</translation>
    </message>
    <message>
        <source>Bytes</source>
        <translation>Bytes</translation>
    </message>
    <message>
        <source>serial EEPROM</source>
        <translation>serial EEPROM</translation>
    </message>
</context>
<context>
    <name>CliFiles</name>
    <message>
        <source>Cannot read %1: it is no regular file.</source>
        <translation>Cannot read %1: it is no regular file.</translation>
    </message>
    <message>
        <source>Cannot read %1: %2.</source>
        <translation>Cannot read %1: %2.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2.</source>
        <translation>Cannot write %1: %2.</translation>
    </message>
    <message>
        <source>%1 is larger than the %2&apos;s data EEPROM of %3 bytes.</source>
        <translation>%1 is larger than the %2&apos;s data EEPROM of %3 bytes.</translation>
    </message>
    <message>
        <source>%1 is larger than the %2&apos;s program memory of %3 words.</source>
        <translation>%1 is larger than the %2&apos;s program memory of %3 words.</translation>
    </message>
    <message>
        <source>%1: program word %2H has its high byte but not its low byte; the file is no sound program image.</source>
        <translation>%1: program word %2H has its high byte but not its low byte; the file is no sound program image.</translation>
    </message>
    <message>
        <source>%1 leaves out %2.</source>
        <translation>%1 leaves out %2.</translation>
    </message>
    <message>
        <source>%1 does not fit the %2:
%3
If the file was made for another device, name that device with --device.</source>
        <translation>%1 does not fit the %2:
%3
If the file was made for another device, name that device with --device.</translation>
    </message>
    <message>
        <source>%1 is larger than the %2&apos;s %3 bytes.</source>
        <translation>%1 is larger than the %2&apos;s %3 bytes.</translation>
    </message>
</context>
<context>
    <name>CliProgram</name>
    <message>
        <source>No device given, and the window has none selected: name one with --device.</source>
        <translation>No device given, and the window has none selected: name one with --device.</translation>
    </message>
</context>
<context>
    <name>CliProgress</name>
    <message>
        <source>Preparing %1</source>
        <translation>Preparing %1</translation>
    </message>
    <message>
        <source>Writing %1</source>
        <translation>Writing %1</translation>
    </message>
    <message>
        <source>Verifying %1</source>
        <translation>Verifying %1</translation>
    </message>
    <message>
        <source>Reading %1</source>
        <translation>Reading %1</translation>
    </message>
    <message>
        <source>Comparing %1</source>
        <translation>Comparing %1</translation>
    </message>
    <message>
        <source>Erasing %1</source>
        <translation>Erasing %1</translation>
    </message>
    <message>
        <source>Checking %1</source>
        <translation>Checking %1</translation>
    </message>
    <message>
        <source>%1 [%2] %3H of %4H %5%</source>
        <translation>%1 [%2] %3H of %4H %5%</translation>
    </message>
</context>
<context>
    <name>CliReport</name>
    <message>
        <source>program memory: %1</source>
        <translation>program memory: %1</translation>
    </message>
    <message>
        <source>data memory: %1</source>
        <translation>data memory: %1</translation>
    </message>
    <message>
        <source>Try &apos;tarvel-cli --help&apos; for more information.</source>
        <translation>Try &apos;tarvel-cli --help&apos; for more information.</translation>
    </message>
</context>
<context>
    <name>CliWriter</name>
    <message>
        <source>Unknown writer &apos;%1&apos;: use auto, ppdev:/dev/parportN, parport:TYPE, direct:TYPE (TYPE 0-4), sim or sim:FILE.</source>
        <translation>Unknown writer &apos;%1&apos;: use auto, ppdev:/dev/parportN, parport:TYPE, direct:TYPE (TYPE 0-4), sim or sim:FILE.</translation>
    </message>
    <message>
        <source>Direct port I/O was refused: it needs root or the CAP_SYS_RAWIO capability on an x86 computer. Use the kernel&apos;s device instead (ppdev:/dev/parportN), which needs only membership in group lp.</source>
        <translation>Direct port I/O was refused: it needs root or the CAP_SYS_RAWIO capability on an x86 computer. Use the kernel&apos;s device instead (ppdev:/dev/parportN), which needs only membership in group lp.</translation>
    </message>
    <message>
        <source>Name the writer with --writer, or use --writer sim to try the commands on the simulated writer.</source>
        <translation>Name the writer with --writer, or use --writer sim to try the commands on the simulated writer.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Displays this help.</source>
        <translation>Displays this help.</translation>
    </message>
    <message>
        <source>Displays the program&apos;s name and version.</source>
        <translation>Displays the program&apos;s name and version.</translation>
    </message>
    <message>
        <source>Open FILE as the data image (PIC data EEPROM or serial EEPROM), as binary when its name ends in .bin and as Intel HEX otherwise.</source>
        <translation>Open FILE as the data image (PIC data EEPROM or serial EEPROM), as binary when its name ends in .bin and as Intel HEX otherwise.</translation>
    </message>
    <message>
        <source>Programs PIC microcontrollers and 24xx serial EEPROMs through a writer on the parallel port.</source>
        <translation>Programs PIC microcontrollers and 24xx serial EEPROMs through a writer on the parallel port.</translation>
    </message>
    <message>
        <source>Open this file as the program image: binary when its name ends in .bin, Intel HEX otherwise.</source>
        <translation>Open this file as the program image: binary when its name ends in .bin, Intel HEX otherwise.</translation>
    </message>
    <message>
        <source>Only one program file can be opened; %1 were given. Use --data FILE for the data image.</source>
        <translation>Only one program file can be opened; %1 were given. Use --data FILE for the data image.</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>Try &apos;%1 --help&apos; for more information.</translation>
    </message>
</context>
<context>
    <name>CompareReport</name>
    <message>
        <source>Show all</source>
        <translation>Show all</translation>
    </message>
    <message>
        <source>Save the differences</source>
        <translation>Save the differences</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>CSV file (*.csv)</translation>
    </message>
    <message>
        <source>All (*)</source>
        <translation>All (*)</translation>
    </message>
    <message>
        <source>%1
already exists. Overwrite it?</source>
        <translation>%1
already exists. Overwrite it?</translation>
    </message>
    <message>
        <source>Confirm overwriting</source>
        <translation>Confirm overwriting</translation>
    </message>
    <message>
        <source>The list was not saved to %1:
%2</source>
        <translation>The list was not saved to %1:
%2</translation>
    </message>
    <message>
        <source>Save error</source>
        <translation>Save error</translation>
    </message>
</context>
<context>
    <name>CoreTexts</name>
    <message>
        <source>Melfort Result</source>
        <translation>Melfort Result</translation>
    </message>
    <message>
        <source>Program Error</source>
        <translation>Program Error</translation>
    </message>
    <message>
        <source>Completed successfully</source>
        <translation>Completed successfully</translation>
    </message>
    <message>
        <source>Failed to write.

Address    %1H
Write Data %2H
Read Data  %3H</source>
        <translation>Failed to write.

Address    %1H
Write Data %2H
Read Data  %3H</translation>
    </message>
    <message>
        <source>Failed to write configration fuse.

Address    %1H
Write Data %2H
Read Data  %3H</source>
        <translation>Failed to write configuration fuse.

Address    %1H
Write Data %2H
Read Data  %3H</translation>
    </message>
    <message>
        <source>Failed to write ID.

Address    %1H
Write Data %2H
Read Data  %3H</source>
        <translation>Failed to write ID.

Address    %1H
Write Data %2H
Read Data  %3H</translation>
    </message>
    <message>
        <source>Failed to verify.

Address    %1
Write Data %2H
Read Data  %3H</source>
        <translation>Failed to verify.

Address    %1
Write Data %2H
Read Data  %3H</translation>
    </message>
    <message>
        <source>Failed to verify configration fuse.

Address    %1H
Write Data %2H
Read Data  %3H</source>
        <translation>Failed to verify configuration fuse.

Address    %1H
Write Data %2H
Read Data  %3H</translation>
    </message>
    <message>
        <source>Failed to verify ID.

Address    %1H
Write Data %2H
Read Data  %3H</source>
        <translation>Failed to verify ID.

Address    %1H
Write Data %2H
Read Data  %3H</translation>
    </message>
    <message>
        <source>This device is not supported.</source>
        <translation>This device is not supported.</translation>
    </message>
    <message>
        <source>Failed to erase.</source>
        <translation>Failed to erase.</translation>
    </message>
    <message>
        <source>Failed to erase.
We can&apos;t erase this device.</source>
        <translation>Failed to erase.
We can&apos;t erase this device.</translation>
    </message>
    <message>
        <source>Erasing finished successfully</source>
        <translation>Erasing finished successfully</translation>
    </message>
    <message>
        <source>This device is code-protected already.</source>
        <translation>This device is code-protected already.</translation>
    </message>
    <message>
        <source>Code-protected successfully</source>
        <translation>Code-protected successfully</translation>
    </message>
    <message>
        <source>Compare result is the same.</source>
        <translation>Compare result is the same.</translation>
    </message>
    <message>
        <source>Different data is found in 
Address    %1H
Expected   %2H
Read Data  %3H</source>
        <translation>Different data is found in 
Address    %1H
Expected   %2H
Read Data  %3H</translation>
    </message>
    <message>
        <source>No device answers in the socket.
Put the %1 in the socket and check the writer&apos;s connection.</source>
        <translation>No device answers in the socket.
Put the %1 in the socket and check the writer&apos;s connection.</translation>
    </message>
    <message>
        <source>%1 is in the socket, not the %2.
Select the device in the socket, or put the %2 in.</source>
        <translation>%1 is in the socket, not the %2.
Select the device in the socket, or put the %2 in.</translation>
    </message>
    <message>
        <source>an unknown device (ID %1H)</source>
        <translation>an unknown device (ID %1H)</translation>
    </message>
    <message>
        <source>An unknown device (ID %1H)</source>
        <translation>An unknown device (ID %1H)</translation>
    </message>
    <message>
        <source>Cancelled at address %1H
The operation did not finish. The chip has left programming mode.</source>
        <translation>Cancelled at address %1H
The operation did not finish. The chip has left programming mode.</translation>
    </message>
    <message>
        <source>このデバイスは、対応していません。</source>
        <translation>This device is not supported.</translation>
    </message>
    <message>
        <source>デバイスセットエラー</source>
        <translation>Device set error</translation>
    </message>
    <message>
        <source>イレースされています。</source>
        <translation>This device is erased.</translation>
    </message>
    <message>
        <source>イレースされていません。</source>
        <translation>This device is not erased.</translation>
    </message>
    <message>
        <source>イレースチェック</source>
        <translation>Erase Check</translation>
    </message>
    <message>
        <source>ポートの設定に失敗しました。</source>
        <translation>Failed to set the port.</translation>
    </message>
    <message>
        <source>ファイルをオープンできませんでした。</source>
        <translation>Could not open the file.</translation>
    </message>
    <message>
        <source>HEXファイルの読み込みに失敗しました。</source>
        <translation>Failed to read the HEX file.</translation>
    </message>
    <message>
        <source>Hex ファイルを正常に読み込めません。</source>
        <translation>Cannot read the HEX file correctly.</translation>
    </message>
    <message>
        <source>Line %1 of the HEX file holds a record of type %2H, which Intel HEX does not have.
The file was not loaded.</source>
        <translation>Line %1 of the HEX file holds a record of type %2H, which Intel HEX does not have.
The file was not loaded.</translation>
    </message>
    <message>
        <source>Line %1 of the HEX file: the record&apos;s checksum is %2H, its bytes give %3H.
The file is damaged and was not loaded; build it again or take a good copy.</source>
        <translation>Line %1 of the HEX file: the record&apos;s checksum is %2H, its bytes give %3H.
The file is damaged and was not loaded; build it again or take a good copy.</translation>
    </message>
    <message>
        <source>Line %1 of the HEX file holds an address record (type %2H) of %3 bytes; it must have 2.
The file was not loaded.</source>
        <translation>Line %1 of the HEX file holds an address record (type %2H) of %3 bytes; it must have 2.
The file was not loaded.</translation>
    </message>
    <message>
        <source>Line %1 of the HEX file gives address %2H the value %3H, but line %4 gave it %5H.
The file contradicts itself and was not loaded.</source>
        <translation>Line %1 of the HEX file gives address %2H the value %3H, but line %4 gave it %5H.
The file contradicts itself and was not loaded.</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>not a regular file</translation>
    </message>
    <message>
        <source>INHX8M addresses end at FFFFH; save it as INHX32</source>
        <translation>INHX8M addresses end at FFFFH; save it as INHX32</translation>
    </message>
    <message>
        <source>Unknown port type: choose a port in the write setup.</source>
        <translation>Unknown port type: choose a port in the write setup.</translation>
    </message>
    <message>
        <source>%1 is a USB printer adapter. Such an adapter cannot drive single lines and cannot be used as a writer: connect the writer to a real parallel port (on the mainboard or on a PCI or PCIe card).</source>
        <translation>%1 is a USB printer adapter. Such an adapter cannot drive single lines and cannot be used as a writer: connect the writer to a real parallel port (on the mainboard or on a PCI or PCIe card).</translation>
    </message>
    <message>
        <source>No such port: the kernel has no parallel port behind %1.</source>
        <translation>No such port: the kernel has no parallel port behind %1.</translation>
    </message>
    <message>
        <source>The parallel port %1 is busy: another program or driver is using it. Close that program and try again.</source>
        <translation>The parallel port %1 is busy: another program or driver is using it. Close that program and try again.</translation>
    </message>
    <message>
        <source>The parallel port %1 is busy (held by &quot;%2&quot;): another program or driver is using it. Close that program and try again.</source>
        <translation>The parallel port %1 is busy (held by &quot;%2&quot;): another program or driver is using it. Close that program and try again.</translation>
    </message>
    <message>
        <source>No such port: %1 does not exist.</source>
        <translation>No such port: %1 does not exist.</translation>
    </message>
    <message>
        <source>Permission denied on %1. Add yourself to group lp (&quot;sudo usermod -aG lp $USER&quot;), then log out and in again.</source>
        <translation>Permission denied on %1. Add yourself to group lp (&quot;sudo usermod -aG lp $USER&quot;), then log out and in again.</translation>
    </message>
    <message>
        <source>%1 is not a parallel port device: it does not answer the kernel&apos;s parallel port driver (ppdev). Choose a device /dev/parportN.</source>
        <translation>%1 is not a parallel port device: it does not answer the kernel&apos;s parallel port driver (ppdev). Choose a device /dev/parportN.</translation>
    </message>
    <message>
        <source>Could not open %1: %2.</source>
        <translation>Could not open %1: %2.</translation>
    </message>
    <message>
        <source>Could not claim %1: %2.</source>
        <translation>Could not claim %1: %2.</translation>
    </message>
    <message>
        <source>The parallel port at %1 (%2) has no device %3: the ppdev driver is not loaded. Load it with &quot;sudo modprobe ppdev&quot;.</source>
        <translation>The parallel port at %1 (%2) has no device %3: the ppdev driver is not loaded. Load it with &quot;sudo modprobe ppdev&quot;.</translation>
    </message>
    <message>
        <source>No parallel port at %1. The parallel ports of this computer are at %2. Choose the port the writer is connected to in the write setup.</source>
        <translation>No parallel port at %1. The parallel ports of this computer are at %2. Choose the port the writer is connected to in the write setup.</translation>
    </message>
    <message>
        <source>No parallel port found, only a USB printer adapter (%1). Such an adapter cannot drive single lines and cannot be used as a writer: connect the writer to a real parallel port (on the mainboard or on a PCI or PCIe card).</source>
        <translation>No parallel port found, only a USB printer adapter (%1). Such an adapter cannot drive single lines and cannot be used as a writer: connect the writer to a real parallel port (on the mainboard or on a PCI or PCIe card).</translation>
    </message>
    <message>
        <source>No parallel port found: the kernel reports none. Check that the port is enabled in the BIOS setup and that its drivers are loaded (&quot;sudo modprobe parport_pc ppdev&quot;).</source>
        <translation>No parallel port found: the kernel reports none. Check that the port is enabled in the BIOS setup and that its drivers are loaded (&quot;sudo modprobe parport_pc ppdev&quot;).</translation>
    </message>
    <message>
        <source>Could not claim the parallel port %1 for exclusive use: another driver is registered on it (often the printer driver lp: unload it with &quot;sudo rmmod lp&quot;), or the port is gone.</source>
        <translation>Could not claim the parallel port %1 for exclusive use: another driver is registered on it (often the printer driver lp: unload it with &quot;sudo rmmod lp&quot;), or the port is gone.</translation>
    </message>
    <message>
        <source>the configuration word %1H</source>
        <translation>the configuration word %1H</translation>
    </message>
    <message>
        <source>the ID %1</source>
        <translation>the ID %1</translation>
    </message>
    <message>
        <source>%1 data EEPROM byte</source>
        <translation>%1 data EEPROM byte</translation>
    </message>
    <message>
        <source>%1 data EEPROM bytes</source>
        <translation>%1 data EEPROM bytes</translation>
    </message>
    <message>
        <source>program %1 word</source>
        <translation>program %1 word</translation>
    </message>
    <message>
        <source>program %1 words</source>
        <translation>program %1 words</translation>
    </message>
    <message>
        <source>data %1 byte</source>
        <translation>data %1 byte</translation>
    </message>
    <message>
        <source>data %1 bytes</source>
        <translation>data %1 bytes</translation>
    </message>
    <message>
        <source>configuration %1H</source>
        <translation>configuration %1H</translation>
    </message>
    <message>
        <source>ID %1</source>
        <translation>ID %1</translation>
    </message>
    <message>
        <source>words %1 %2 %3 %4</source>
        <translation>words %1 %2 %3 %4</translation>
    </message>
    <message>
        <source>program words %1H to %2H (from line %3): the %4&apos;s program memory ends at %5H</source>
        <translation>program words %1H to %2H (from line %3): the %4&apos;s program memory ends at %5H</translation>
    </message>
    <message>
        <source>data EEPROM bytes %1H to %2H (from line %3): the %4 has %5 bytes of data EEPROM</source>
        <translation>data EEPROM bytes %1H to %2H (from line %3): the %4 has %5 bytes of data EEPROM</translation>
    </message>
    <message>
        <source>data EEPROM bytes (from line %1): the %2 has no data EEPROM</source>
        <translation>data EEPROM bytes (from line %1): the %2 has no data EEPROM</translation>
    </message>
    <message>
        <source>ID words (from line %1): tarvel writes no ID to the %2</source>
        <translation>ID words (from line %1): tarvel writes no ID to the %2</translation>
    </message>
    <message>
        <source>bytes at HEX addresses %1H to %2H (from line %3), which are no memory of the %4</source>
        <translation>bytes at HEX addresses %1H to %2H (from line %3), which are no memory of the %4</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 and %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>All (%1H-%2H)</source>
        <translation>All (%1H-%2H)</translation>
    </message>
    <message>
        <source>Upper three quarters (%1H-%2H)</source>
        <translation>Upper three quarters (%1H-%2H)</translation>
    </message>
    <message>
        <source>Upper half (%1H-%2H)</source>
        <translation>Upper half (%1H-%2H)</translation>
    </message>
    <message>
        <source>Last 256 words (%1H-%2H)</source>
        <translation>Last 256 words (%1H-%2H)</translation>
    </message>
    <message>
        <source>simulated</source>
        <translation>simulated</translation>
    </message>
    <message>
        <source>direct I/O</source>
        <translation>direct I/O</translation>
    </message>
    <message>
        <source>Direct port I/O needs permission, which the start did not obtain. Tick the permission option in the write setup and start tarvel as a user with the right to port I/O (root, or CAP_SYS_RAWIO).</source>
        <translation>Direct port I/O needs permission, which the start did not obtain. Tick the permission option in the write setup and start tarvel as a user with the right to port I/O (root, or CAP_SYS_RAWIO).</translation>
    </message>
</context>
<context>
    <name>DataImageFormat</name>
    <message>
        <source>File size is too big.
The head %1 bytes are read.</source>
        <translation>File size is too big.
The head %1 bytes are read.</translation>
    </message>
    <message>
        <source>Line %1 of the file holds the first byte beyond.</source>
        <translation>Line %1 of the file holds the first byte beyond.</translation>
    </message>
    <message>
        <source>ファイルサイズが大きすぎます。
先頭の%1バイトを読み込みました。</source>
        <translation>File size is too big.
The head %1 bytes are read.</translation>
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
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>FileFilters</name>
    <message>
        <source>HEX file(*.obj;*.hex)</source>
        <translation>HEX file(*.obj;*.hex)</translation>
    </message>
    <message>
        <source>HEX file(*.obj)</source>
        <translation>HEX file(*.obj)</translation>
    </message>
    <message>
        <source>HEX file(*.hex)</source>
        <translation>HEX file(*.hex)</translation>
    </message>
    <message>
        <source>All(*.*)</source>
        <translation>All(*.*)</translation>
    </message>
    <message>
        <source>Binary file(*.obj;*.bin)</source>
        <translation>Binary file(*.obj;*.bin)</translation>
    </message>
    <message>
        <source>Binary file(*.obj)</source>
        <translation>Binary file(*.obj)</translation>
    </message>
    <message>
        <source>Binary file(*.bin)</source>
        <translation>Binary file(*.bin)</translation>
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
        <translation>%1 is not in the image.</translation>
    </message>
    <message>
        <source>%1 found at %2.</source>
        <translation>%1 found at %2.</translation>
    </message>
    <message>
        <source>Copied %1 to %2.</source>
        <translation>Copied %1 to %2.</translation>
    </message>
    <message>
        <source>Nothing was pasted: the clipboard does not hold hexadecimal values this grid takes.
%1</source>
        <translation>Nothing was pasted: the clipboard does not hold hexadecimal values this grid takes.
%1</translation>
    </message>
    <message>
        <source>Nothing was pasted: the clipboard holds %1 values, but from %2 to the last address %3 there is room for %4.</source>
        <translation>Nothing was pasted: the clipboard holds %1 values, but from %2 to the last address %3 there is room for %4.</translation>
    </message>
</context>
<context>
    <name>GuardedApplication</name>
    <message>
        <source>An unexpected error stopped the last action.</source>
        <translation>An unexpected error stopped the last action.</translation>
    </message>
</context>
<context>
    <name>HexCellText</name>
    <message>
        <source>There are no values in the text.</source>
        <translation>There are no values in the text.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a value of one to %2 hexadecimal digits, nor %3 for a blank.</source>
        <translation>&quot;%1&quot; is not a value of one to %2 hexadecimal digits, nor %3 for a blank.</translation>
    </message>
</context>
<context>
    <name>ImageSide</name>
    <message>
        <source>Confirm</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>Save as binary.</source>
        <translation>Save as binary.</translation>
    </message>
    <message>
        <source>New program</source>
        <translation>New program</translation>
    </message>
    <message>
        <source>Open HEX file</source>
        <translation>Open HEX file</translation>
    </message>
    <message>
        <source>Open binary file (Program)</source>
        <translation>Open binary file (Program)</translation>
    </message>
    <message>
        <source> [Overwriting is forbidden]</source>
        <translation> [Overwriting is forbidden]</translation>
    </message>
    <message>
        <source>Can not open %1</source>
        <translation>Cannot open %1</translation>
    </message>
    <message>
        <source>Save binary</source>
        <translation>Save binary</translation>
    </message>
    <message>
        <source>Save HEX</source>
        <translation>Save HEX</translation>
    </message>
    <message>
        <source>is already exist. Overwrite OK?</source>
        <translation> already exists. Overwrite it?</translation>
    </message>
    <message>
        <source>Confirm overwriting</source>
        <translation>Confirm overwriting</translation>
    </message>
    <message>
        <source>Can not open %1
%2</source>
        <translation>Cannot open %1
%2</translation>
    </message>
    <message>
        <source>SaveError</source>
        <translation>Save error</translation>
    </message>
    <message>
        <source>Save the program image first?</source>
        <translation>Save the program image first?</translation>
    </message>
    <message>
        <source>New data</source>
        <translation>New data</translation>
    </message>
    <message>
        <source>Open HEX file (Data area) </source>
        <translation>Open HEX file (Data area)</translation>
    </message>
    <message>
        <source>ﾊﾞｲﾅﾘ・ﾌｧｲﾙを開く （データ）</source>
        <translation>Open binary file (Data)</translation>
    </message>
    <message>
        <source> [書き込み禁止]</source>
        <translation> [Overwriting is forbidden]</translation>
    </message>
    <message>
        <source>%1&#x3000;を開けません</source>
        <translation>Cannot open %1</translation>
    </message>
    <message>
        <source>ﾊﾞｲﾅﾘ保存</source>
        <translation>Save binary</translation>
    </message>
    <message>
        <source>HEX保存</source>
        <translation>Save HEX</translation>
    </message>
    <message>
        <source>は存在します。上書きしますか？</source>
        <translation> already exists. Overwrite it?</translation>
    </message>
    <message>
        <source>上書き確認</source>
        <translation>Confirm overwriting</translation>
    </message>
    <message>
        <source>%1を開けません.
%2</source>
        <translation>Cannot open %1
%2</translation>
    </message>
    <message>
        <source>保存エラー</source>
        <translation>Save error</translation>
    </message>
    <message>
        <source>Save the data image first?</source>
        <translation>Save the data image first?</translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>As described</source>
        <translation>As described</translation>
    </message>
    <message>
        <source>File(&amp;F)</source>
        <translation>File(&amp;F)</translation>
    </message>
    <message>
        <source>Quit(&amp;X)</source>
        <translation>Quit(&amp;X)</translation>
    </message>
    <message>
        <source>Quit Melfort</source>
        <translation>Quit Melfort</translation>
    </message>
    <message>
        <source>Device(&amp;I)</source>
        <translation>Device(&amp;I)</translation>
    </message>
    <message>
        <source>Write ALL(&amp;W)</source>
        <translation>Write ALL(&amp;W)</translation>
    </message>
    <message>
        <source>Write program, config and data.</source>
        <translation>Write program, config and data.</translation>
    </message>
    <message>
        <source>Erase(&amp;E)</source>
        <translation>Erase(&amp;E)</translation>
    </message>
    <message>
        <source>Erase PIC</source>
        <translation>Erase PIC</translation>
    </message>
    <message>
        <source>Erase Check(&amp;T)</source>
        <translation>Erase Check(&amp;T)</translation>
    </message>
    <message>
        <source>Confirm PIC is erased</source>
        <translation>Confirm PIC is erased</translation>
    </message>
    <message>
        <source>Code Protect</source>
        <translation>Code Protect</translation>
    </message>
    <message>
        <source>The PIC code is protected</source>
        <translation>The PIC code is protected</translation>
    </message>
    <message>
        <source>Reset(&amp;R)</source>
        <translation>Reset(&amp;R)</translation>
    </message>
    <message>
        <source>Reset PIC</source>
        <translation>Reset PIC</translation>
    </message>
    <message>
        <source>Write Config(&amp;C)</source>
        <translation>Write Config(&amp;C)</translation>
    </message>
    <message>
        <source>Write configration fulse into PIC</source>
        <translation>Write configuration fuse into PIC</translation>
    </message>
    <message>
        <source>Read Config(&amp;G)</source>
        <translation>Read Config(&amp;G)</translation>
    </message>
    <message>
        <source>Read configration fuse from PIC</source>
        <translation>Read configuration fuse from PIC</translation>
    </message>
    <message>
        <source>Write ID(&amp;S)</source>
        <translation>Write ID(&amp;S)</translation>
    </message>
    <message>
        <source>Write ID into PIC</source>
        <translation>Write ID into PIC</translation>
    </message>
    <message>
        <source>Read ID(&amp;I)</source>
        <translation>Read ID(&amp;I)</translation>
    </message>
    <message>
        <source>Read ID from PIC</source>
        <translation>Read ID from PIC</translation>
    </message>
    <message>
        <source>Program(&amp;P)</source>
        <translation>Program(&amp;P)</translation>
    </message>
    <message>
        <source>New(&amp;N)</source>
        <translation>New(&amp;N)</translation>
    </message>
    <message>
        <source>Make new program</source>
        <translation>Make new program</translation>
    </message>
    <message>
        <source>Open HEX(&amp;O)...</source>
        <translation>Open HEX(&amp;O)...</translation>
    </message>
    <message>
        <source>Open HEX file of program</source>
        <translation>Open HEX file of program</translation>
    </message>
    <message>
        <source>Open Binary(&amp;B)...</source>
        <translation>Open Binary(&amp;B)...</translation>
    </message>
    <message>
        <source>Open binary file of program</source>
        <translation>Open binary file of program</translation>
    </message>
    <message>
        <source>Renew(&amp;R)</source>
        <translation>Renew(&amp;R)</translation>
    </message>
    <message>
        <source>Renew program file</source>
        <translation>Renew program file</translation>
    </message>
    <message>
        <source>Save HEX(&amp;H)...</source>
        <translation>Save HEX(&amp;H)...</translation>
    </message>
    <message>
        <source>Save program as HEX</source>
        <translation>Save program as HEX</translation>
    </message>
    <message>
        <source>Save Binary(&amp;A)...</source>
        <translation>Save Binary(&amp;A)...</translation>
    </message>
    <message>
        <source>Save program as binary</source>
        <translation>Save program as binary</translation>
    </message>
    <message>
        <source>Save(&amp;S)</source>
        <translation>Save(&amp;S)</translation>
    </message>
    <message>
        <source>Save program</source>
        <translation>Save program</translation>
    </message>
    <message>
        <source>Write Program(&amp;W)</source>
        <translation>Write Program(&amp;W)</translation>
    </message>
    <message>
        <source>Write program into PIC</source>
        <translation>Write program into PIC</translation>
    </message>
    <message>
        <source>Read Program(&amp;R)</source>
        <translation>Read Program(&amp;R)</translation>
    </message>
    <message>
        <source>Read program form PIC</source>
        <translation>Read program from PIC</translation>
    </message>
    <message>
        <source>Compare(&amp;C)</source>
        <translation>Compare(&amp;C)</translation>
    </message>
    <message>
        <source>Compare program displaied and program in PIC</source>
        <translation>Compare program displayed and program in PIC</translation>
    </message>
    <message>
        <source>Find(&amp;F)</source>
        <translation>Find(&amp;F)</translation>
    </message>
    <message>
        <source>Find string</source>
        <translation>Find words</translation>
    </message>
    <message>
        <source>Find Next(&amp;X)</source>
        <translation>Find Next(&amp;X)</translation>
    </message>
    <message>
        <source>Find the same words further on</source>
        <translation>Find the same words further on</translation>
    </message>
    <message>
        <source>Find Previous(&amp;V)</source>
        <translation>Find Previous(&amp;V)</translation>
    </message>
    <message>
        <source>Find the same words further back</source>
        <translation>Find the same words further back</translation>
    </message>
    <message>
        <source>Go To Address(&amp;G)...</source>
        <translation>Go To Address(&amp;G)...</translation>
    </message>
    <message>
        <source>Go to an address</source>
        <translation>Go to an address</translation>
    </message>
    <message>
        <source>Fill(&amp;L)</source>
        <translation>Fill(&amp;L)</translation>
    </message>
    <message>
        <source>Fill with arbitrary data</source>
        <translation>Fill with arbitrary data</translation>
    </message>
    <message>
        <source>Undo(&amp;U)</source>
        <translation>Undo(&amp;U)</translation>
    </message>
    <message>
        <source>Undo the last change</source>
        <translation>Undo the last change</translation>
    </message>
    <message>
        <source>Redo(&amp;E)</source>
        <translation>Redo(&amp;E)</translation>
    </message>
    <message>
        <source>Redo the change undone last</source>
        <translation>Redo the change undone last</translation>
    </message>
    <message>
        <source>Copy(&amp;Y)</source>
        <translation>Copy(&amp;Y)</translation>
    </message>
    <message>
        <source>Copy the selected words as hexadecimal text</source>
        <translation>Copy the selected words as hexadecimal text</translation>
    </message>
    <message>
        <source>Paste(&amp;T)</source>
        <translation>Paste(&amp;T)</translation>
    </message>
    <message>
        <source>Paste hexadecimal words at the current cell</source>
        <translation>Paste hexadecimal words at the current cell</translation>
    </message>
    <message>
        <source>Data(&amp;D)</source>
        <translation>Data(&amp;D)</translation>
    </message>
    <message>
        <source>Make new data</source>
        <translation>Make new data</translation>
    </message>
    <message>
        <source>Open HEX file of data.</source>
        <translation>Open HEX file of data.</translation>
    </message>
    <message>
        <source>Open binary of data.</source>
        <translation>Open binary file of data.</translation>
    </message>
    <message>
        <source>Renew data</source>
        <translation>Renew data</translation>
    </message>
    <message>
        <source>Save data as hex.</source>
        <translation>Save data as HEX.</translation>
    </message>
    <message>
        <source>Save data as binary.</source>
        <translation>Save data as binary.</translation>
    </message>
    <message>
        <source>Save data.</source>
        <translation>Save data.</translation>
    </message>
    <message>
        <source>Write Data(&amp;W)</source>
        <translation>Write Data(&amp;W)</translation>
    </message>
    <message>
        <source>データをPICに書き込みます。</source>
        <translation>Write data into PIC data memory.</translation>
    </message>
    <message>
        <source>Read Data(&amp;R)</source>
        <translation>Read Data(&amp;R)</translation>
    </message>
    <message>
        <source>Read data from PIC data memory.</source>
        <translation>Read data from PIC data memory.</translation>
    </message>
    <message>
        <source>Compare data displaied with data in PIC data memory.</source>
        <translation>Compare data displayed with data in PIC data memory.</translation>
    </message>
    <message>
        <source>Find data</source>
        <translation>Find data</translation>
    </message>
    <message>
        <source>Find the same bytes further on</source>
        <translation>Find the same bytes further on</translation>
    </message>
    <message>
        <source>Find the same bytes further back</source>
        <translation>Find the same bytes further back</translation>
    </message>
    <message>
        <source>Copy the selected bytes as hexadecimal text</source>
        <translation>Copy the selected bytes as hexadecimal text</translation>
    </message>
    <message>
        <source>Paste hexadecimal bytes at the current cell</source>
        <translation>Paste hexadecimal bytes at the current cell</translation>
    </message>
    <message>
        <source>Option(&amp;O)</source>
        <translation>Option(&amp;O)</translation>
    </message>
    <message>
        <source>Write Setup(&amp;W)...</source>
        <translation>Write Setup(&amp;W)...</translation>
    </message>
    <message>
        <source>Show [Write Setup] dialog</source>
        <translation>Show [Write Setup] dialog</translation>
    </message>
    <message>
        <source>File Setup(&amp;F)...</source>
        <translation>File Setup(&amp;F)...</translation>
    </message>
    <message>
        <source>Show [File Setup] dialog</source>
        <translation>Show [File Setup] dialog</translation>
    </message>
    <message>
        <source>Test Melfort(&amp;T)...</source>
        <translation>Test Melfort(&amp;T)...</translation>
    </message>
    <message>
        <source>Show [Writer Test] dialog.</source>
        <translation>Show [Writer Test] dialog.</translation>
    </message>
    <message>
        <source>256 colors</source>
        <translation>256 colors</translation>
    </message>
    <message>
        <source>Language(&amp;L)</source>
        <translation>Language(&amp;L)</translation>
    </message>
    <message>
        <source>View(&amp;V)</source>
        <translation>View(&amp;V)</translation>
    </message>
    <message>
        <source>Program Window (&amp;P)</source>
        <translation>Program Window (&amp;P)</translation>
    </message>
    <message>
        <source>Data Window (&amp;D)</source>
        <translation>Data Window (&amp;D)</translation>
    </message>
    <message>
        <source>Help (&amp;H)</source>
        <translation>Help (&amp;H)</translation>
    </message>
    <message>
        <source>Version Info (&amp;A)...</source>
        <translation>Version Info (&amp;A)...</translation>
    </message>
    <message>
        <source>Show version infomation.</source>
        <translation>Show version information.</translation>
    </message>
    <message>
        <source>ファイル(&amp;F)</source>
        <translation>File(&amp;F)</translation>
    </message>
    <message>
        <source>終了(&amp;X)</source>
        <translation>Quit(&amp;X)</translation>
    </message>
    <message>
        <source>Melfortを終了します。</source>
        <translation>Quit Melfort</translation>
    </message>
    <message>
        <source>デバイス(&amp;I)</source>
        <translation>Device(&amp;I)</translation>
    </message>
    <message>
        <source>イレース(&amp;E)</source>
        <translation>Erase(&amp;E)</translation>
    </message>
    <message>
        <source>ROMをイレースします。</source>
        <translation>Erase ROM</translation>
    </message>
    <message>
        <source>イレース・チェック(&amp;T)</source>
        <translation>Erase Check(&amp;T)</translation>
    </message>
    <message>
        <source>ROMがイレースされているか 調べます。</source>
        <translation>Confirm ROM is erased</translation>
    </message>
    <message>
        <source>データ(&amp;D)</source>
        <translation>Data(&amp;D)</translation>
    </message>
    <message>
        <source>新規作成(&amp;N)</source>
        <translation>New(&amp;N)</translation>
    </message>
    <message>
        <source>データを新規作成します。</source>
        <translation>Make new data</translation>
    </message>
    <message>
        <source>HEXﾌｧｲﾙを開く(&amp;O)...</source>
        <translation>Open HEX(&amp;O)...</translation>
    </message>
    <message>
        <source>データのHEXファイルを開きます。</source>
        <translation>Open HEX file of data.</translation>
    </message>
    <message>
        <source>ﾊﾞｲﾅﾘ・ﾌｧｲﾙを開く(&amp;B)...</source>
        <translation>Open Binary(&amp;B)...</translation>
    </message>
    <message>
        <source>データのバイナリファイルを開きます。</source>
        <translation>Open binary file of data.</translation>
    </message>
    <message>
        <source>更新(&amp;R)</source>
        <translation>Renew(&amp;R)</translation>
    </message>
    <message>
        <source>データファイルを更新します。</source>
        <translation>Renew data file</translation>
    </message>
    <message>
        <source>HEX保存(&amp;H)...</source>
        <translation>Save HEX(&amp;H)...</translation>
    </message>
    <message>
        <source>データをHEXで保存します。</source>
        <translation>Save data as HEX.</translation>
    </message>
    <message>
        <source>ﾊﾞｲﾅﾘ保存(&amp;A)...</source>
        <translation>Save Binary(&amp;A)...</translation>
    </message>
    <message>
        <source>データをバイナリで保存します。</source>
        <translation>Save data as binary.</translation>
    </message>
    <message>
        <source>上書き保存(&amp;S)</source>
        <translation>Save(&amp;S)</translation>
    </message>
    <message>
        <source>データを上書き保存します。</source>
        <translation>Save data.</translation>
    </message>
    <message>
        <source>データの書き込み(&amp;W)</source>
        <translation>Write Data(&amp;W)</translation>
    </message>
    <message>
        <source>データをROMに書き込みます。</source>
        <translation>Write data into ROM</translation>
    </message>
    <message>
        <source>データの読み込み(&amp;R)</source>
        <translation>Read Data(&amp;R)</translation>
    </message>
    <message>
        <source>ROMからデータを読み込みます。</source>
        <translation>Read data from ROM</translation>
    </message>
    <message>
        <source>コンペア(&amp;C)</source>
        <translation>Compare(&amp;C)</translation>
    </message>
    <message>
        <source>表示されているデータとPICのデータ領域を比較します。</source>
        <translation>Compare data displayed with data in ROM.</translation>
    </message>
    <message>
        <source>検索(&amp;F)</source>
        <translation>Find(&amp;F)</translation>
    </message>
    <message>
        <source>表示データを検索します。</source>
        <translation>Find data</translation>
    </message>
    <message>
        <source>次を検索(&amp;X)</source>
        <translation>Find Next(&amp;X)</translation>
    </message>
    <message>
        <source>同じデータを先へ検索します。</source>
        <translation>Find the same bytes further on</translation>
    </message>
    <message>
        <source>前を検索(&amp;V)</source>
        <translation>Find Previous(&amp;V)</translation>
    </message>
    <message>
        <source>同じデータを前へ検索します。</source>
        <translation>Find the same bytes further back</translation>
    </message>
    <message>
        <source>アドレスへ移動(&amp;G)...</source>
        <translation>Go To Address(&amp;G)...</translation>
    </message>
    <message>
        <source>指定したアドレスへ移動します。</source>
        <translation>Go to an address</translation>
    </message>
    <message>
        <source>埋める(&amp;L)</source>
        <translation>Fill(&amp;L)</translation>
    </message>
    <message>
        <source>データを特定の数値で埋めます。</source>
        <translation>Fill with arbitrary data</translation>
    </message>
    <message>
        <source>元に戻す(&amp;U)</source>
        <translation>Undo(&amp;U)</translation>
    </message>
    <message>
        <source>直前の変更を取り消します。</source>
        <translation>Undo the last change</translation>
    </message>
    <message>
        <source>やり直し(&amp;E)</source>
        <translation>Redo(&amp;E)</translation>
    </message>
    <message>
        <source>取り消した変更をやり直します。</source>
        <translation>Redo the change undone last</translation>
    </message>
    <message>
        <source>コピー(&amp;Y)</source>
        <translation>Copy(&amp;Y)</translation>
    </message>
    <message>
        <source>選択したデータを16進のテキストでコピーします。</source>
        <translation>Copy the selected bytes as hexadecimal text</translation>
    </message>
    <message>
        <source>貼り付け(&amp;T)</source>
        <translation>Paste(&amp;T)</translation>
    </message>
    <message>
        <source>16進のテキストを現在のセルから貼り付けます。</source>
        <translation>Paste hexadecimal bytes at the current cell</translation>
    </message>
    <message>
        <source>オプション(&amp;O)</source>
        <translation>Option(&amp;O)</translation>
    </message>
    <message>
        <source>書き込み設定(&amp;W)...</source>
        <translation>Write Setup(&amp;W)...</translation>
    </message>
    <message>
        <source>[書き込みの設定]ダイアログを表示します。</source>
        <translation>Show [Write Setup] dialog</translation>
    </message>
    <message>
        <source>ファイルの設定(&amp;F)...</source>
        <translation>File Setup(&amp;F)...</translation>
    </message>
    <message>
        <source>[ファイルの設定]ダイアログを表示します。</source>
        <translation>Show [File Setup] dialog</translation>
    </message>
    <message>
        <source>ライターのテスト(&amp;T)...</source>
        <translation>Test Writer(&amp;T)...</translation>
    </message>
    <message>
        <source>[ライターのテスト]ダイアログを表示します。</source>
        <translation>Show [Writer Test] dialog.</translation>
    </message>
    <message>
        <source>256色表示</source>
        <translation>256 colors</translation>
    </message>
    <message>
        <source>言語(&amp;L)</source>
        <translation>Language(&amp;L)</translation>
    </message>
    <message>
        <source>ヘルプ(&amp;H)</source>
        <translation>Help (&amp;H)</translation>
    </message>
    <message>
        <source>バージョン情報(&amp;A)...</source>
        <translation>Version Info (&amp;A)...</translation>
    </message>
    <message>
        <source>バージョン情報を表示します。</source>
        <translation>Show version information.</translation>
    </message>
</context>
<context>
    <name>PicChipCommands</name>
    <message>
        <source>Confirm</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>You are going to write the whole chip. OK?
</source>
        <translation>You are going to write the whole chip. OK?
</translation>
    </message>
    <message>
        <source>

The file&apos;s configuration word sets code protection. The configuration is written without it: protect the chip with Device &gt; Code Protect once it is checked.</source>
        <translation>

The file&apos;s configuration word sets code protection. The configuration is written without it: protect the chip with Device &gt; Code Protect once it is checked.</translation>
    </message>
    <message>
        <source>the whole chip</source>
        <translation>the whole chip</translation>
    </message>
    <message>
        <source>You are going to program. OK?
</source>
        <translation>You are going to program. OK?
</translation>
    </message>
    <message>
        <source>There is nothing to write: the program holds no data.</source>
        <translation>There is nothing to write: the program holds no data.</translation>
    </message>
    <message>
        <source>program memory</source>
        <translation>program memory</translation>
    </message>
    <message>
        <source>You are going to program in data memory. OK?
</source>
        <translation>You are going to program in data memory. OK?
</translation>
    </message>
    <message>
        <source>There is nothing to write: the data holds no values.</source>
        <translation>There is nothing to write: the data holds no values.</translation>
    </message>
    <message>
        <source>data memory</source>
        <translation>data memory</translation>
    </message>
    <message>
        <source>the configuration word</source>
        <translation>the configuration word</translation>
    </message>
    <message>
        <source>Read program </source>
        <translation>Read program </translation>
    </message>
    <message>
        <source>Read data </source>
        <translation>Read data </translation>
    </message>
    <message>
        <source>You are going to erase the chip. OK?</source>
        <translation>You are going to erase the chip. OK?</translation>
    </message>
    <message>
        <source>the chip</source>
        <translation>the chip</translation>
    </message>
    <message>
        <source>This device is erased.</source>
        <translation>This device is erased.</translation>
    </message>
    <message>
        <source>Erase Check</source>
        <translation>Erase Check</translation>
    </message>
    <message>
        <source>This device is not erased.</source>
        <translation>This device is not erased.</translation>
    </message>
    <message>
        <source>the ID words</source>
        <translation>the ID words</translation>
    </message>
    <message>
        <source>Read ID : %1

%2</source>
        <translation>Read ID : %1

%2</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>There is nothing to write: the ID text is empty.</source>
        <translation>There is nothing to write: the ID text is empty.</translation>
    </message>
    <message>
        <source>the code protection</source>
        <translation>the code protection</translation>
    </message>
</context>
<context>
    <name>PicCliCommands</name>
    <message>
        <source>none</source>
        <translation>none</translation>
    </message>
    <message>
        <source>%1 in %2H-%3H</source>
        <translation>%1 in %2H-%3H</translation>
    </message>
    <message>
        <source>tarvel reads and writes no ID words of the %1.</source>
        <translation>tarvel reads and writes no ID words of the %1.</translation>
    </message>
    <message>
        <source>The %1 has no data EEPROM.</source>
        <translation>The %1 has no data EEPROM.</translation>
    </message>
    <message>
        <source>A binary file holds no configuration word and no ID words; use a HEX file.</source>
        <translation>A binary file holds no configuration word and no ID words; use a HEX file.</translation>
    </message>
    <message>
        <source>%1 holds no program words.</source>
        <translation>%1 holds no program words.</translation>
    </message>
    <message>
        <source>%1 holds no data EEPROM bytes.</source>
        <translation>%1 holds no data EEPROM bytes.</translation>
    </message>
    <message>
        <source>%1 holds no configuration word.</source>
        <translation>%1 holds no configuration word.</translation>
    </message>
    <message>
        <source>%1 holds no ID words.</source>
        <translation>%1 holds no ID words.</translation>
    </message>
    <message>
        <source>%1 holds nothing for the %2.</source>
        <translation>%1 holds nothing for the %2.</translation>
    </message>
    <message>
        <source>The configuration word of the %1 is a hexadecimal number up to %2, not &apos;%3&apos;.</source>
        <translation>The configuration word of the %1 is a hexadecimal number up to %2, not &apos;%3&apos;.</translation>
    </message>
    <message>
        <source>An ID text is 1 to %1 printable ASCII characters, not &apos;%2&apos;.</source>
        <translation>An ID text is 1 to %1 printable ASCII characters, not &apos;%2&apos;.</translation>
    </message>
    <message>
        <source>The %1 cannot protect its data EEPROM on its own.</source>
        <translation>The %1 cannot protect its data EEPROM on its own.</translation>
    </message>
    <message>
        <source>The %1 offers the protection levels %2; &apos;%3&apos; is none of them.</source>
        <translation>The %1 offers the protection levels %2; &apos;%3&apos; is none of them.</translation>
    </message>
    <message>
        <source>%1 for the %2:</source>
        <translation>%1 for the %2:</translation>
    </message>
    <message>
        <source>  program words:      %1</source>
        <translation>  program words:      %1</translation>
    </message>
    <message>
        <source>  data EEPROM bytes:  %1</source>
        <translation>  data EEPROM bytes:  %1</translation>
    </message>
    <message>
        <source>  configuration word: %1H</source>
        <translation>  configuration word: %1H</translation>
    </message>
    <message>
        <source>  ID:                 %1</source>
        <translation>  ID:                 %1</translation>
    </message>
    <message>
        <source>  checksum:           %1H</source>
        <translation>  checksum:           %1H</translation>
    </message>
    <message>
        <source>the chip</source>
        <translation>the chip</translation>
    </message>
    <message>
        <source>The configuration word %1H sets code protection; it was written without it. Protect the chip with &apos;tarvel-cli protect&apos; once it is checked.</source>
        <translation>The configuration word %1H sets code protection; it was written without it. Protect the chip with &apos;tarvel-cli protect&apos; once it is checked.</translation>
    </message>
    <message>
        <source>program memory</source>
        <translation>program memory</translation>
    </message>
    <message>
        <source>the configuration word</source>
        <translation>the configuration word</translation>
    </message>
    <message>
        <source>the ID words</source>
        <translation>the ID words</translation>
    </message>
    <message>
        <source>data memory</source>
        <translation>data memory</translation>
    </message>
    <message>
        <source>Written without the verifying pass: %1.</source>
        <translation>Written without the verifying pass: %1.</translation>
    </message>
    <message>
        <source>Written and verified: %1.</source>
        <translation>Written and verified: %1.</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 was left as it was.</source>
        <translation>%1 was left as it was.</translation>
    </message>
    <message>
        <source>Read %1 into %2.</source>
        <translation>Read %1 into %2.</translation>
    </message>
    <message>
        <source>The %1 is not blank.</source>
        <translation>The %1 is not blank.</translation>
    </message>
    <message>
        <source>The %1 is blank.</source>
        <translation>The %1 is blank.</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between protection levels</comment>
        <translation>, </translation>
    </message>
</context>
<context>
    <name>ProgramImageFormat</name>
    <message>
        <source>HEX file load error</source>
        <translation>HEX file load error</translation>
    </message>
</context>
<context>
    <name>SerialRomCliCommands</name>
    <message>
        <source>The %1 is a serial EEPROM: it has no configuration word, ID words, code protection or program memory.</source>
        <translation>The %1 is a serial EEPROM: it has no configuration word, ID words, code protection or program memory.</translation>
    </message>
    <message>
        <source>%1 holds no bytes.</source>
        <translation>%1 holds no bytes.</translation>
    </message>
    <message>
        <source>%1 for the %2:</source>
        <translation>%1 for the %2:</translation>
    </message>
    <message>
        <source>  bytes:  none</source>
        <translation>  bytes:  none</translation>
    </message>
    <message>
        <source>  bytes:  %1 in %2H-%3H</source>
        <translation>  bytes:  %1 in %2H-%3H</translation>
    </message>
    <message>
        <source>  CRC-32: %1 (the whole %2, bytes the file lacks as FFH)</source>
        <translation>  CRC-32: %1 (the whole %2, bytes the file lacks as FFH)</translation>
    </message>
    <message>
        <source>the %1</source>
        <translation>the %1</translation>
    </message>
    <message>
        <source>The %1 does not answer at address %2H.
Check that it sits in the socket and that the writer is connected.</source>
        <translation>The %1 does not answer at address %2H.
Check that it sits in the socket and that the writer is connected.</translation>
    </message>
    <message>
        <source>Cancelled at address %1H
The operation did not finish.</source>
        <translation>Cancelled at address %1H
The operation did not finish.</translation>
    </message>
    <message>
        <source>The %1 is erased.</source>
        <translation>The %1 is erased.</translation>
    </message>
    <message>
        <source>Written and verified: %1 bytes.</source>
        <translation>Written and verified: %1 bytes.</translation>
    </message>
    <message>
        <source>Written without reading back: %1 bytes.</source>
        <translation>Written without reading back: %1 bytes.</translation>
    </message>
    <message>
        <source>%1 was left as it was.</source>
        <translation>%1 was left as it was.</translation>
    </message>
    <message>
        <source>Read %1 bytes into %2.</source>
        <translation>Read %1 bytes into %2.</translation>
    </message>
    <message>
        <source>The %1 is blank.</source>
        <translation>The %1 is blank.</translation>
    </message>
    <message>
        <source>The %1 is not blank: address %2H holds %3H.</source>
        <translation>The %1 is not blank: address %2H holds %3H.</translation>
    </message>
</context>
<context>
    <name>SerialRomCommands</name>
    <message>
        <source>ROMが応答しません。
アドレス %1H</source>
        <translation>ROM does not answer.
Address %1H</translation>
    </message>
    <message>
        <source>Cancelled at address %1H
The operation did not finish.</source>
        <translation>Cancelled at address %1H
The operation did not finish.</translation>
    </message>
    <message>
        <source>Different data is found in 
Addr = %1H
ROM Data = %2H
COMPARED Data = %3H</source>
        <translation>Different data is found in 
Addr = %1H
ROM Data = %2H
COMPARED Data = %3H</translation>
    </message>
    <message>
        <source>the serial EEPROM</source>
        <translation>the serial EEPROM</translation>
    </message>
    <message>
        <source>書き込むデータがありません。</source>
        <translation>There is nothing to write: the data holds no values.</translation>
    </message>
    <message>
        <source>書き込みの確認</source>
        <translation>Confirm writing</translation>
    </message>
    <message>
        <source>%1 を書き込みます。
よろしいですか？</source>
        <translation>You are going to write to the ROM. OK?
%1</translation>
    </message>
    <message>
        <source>書き込みエラー</source>
        <translation>Write error</translation>
    </message>
    <message>
        <source>書き込みました。</source>
        <translation>Written successfully.</translation>
    </message>
    <message>
        <source>書き込み完了</source>
        <translation>Writing finished</translation>
    </message>
    <message>
        <source>読み込みエラー</source>
        <translation>Read error</translation>
    </message>
    <message>
        <source>読み出しデータ </source>
        <translation>Read data </translation>
    </message>
    <message>
        <source>読み出しデータ</source>
        <translation>Read data</translation>
    </message>
    <message>
        <source>コンペアエラー</source>
        <translation>Compare error</translation>
    </message>
    <message>
        <source>Compare result is the same.</source>
        <translation>Compare result is the same.</translation>
    </message>
    <message>
        <source>ROMをイレースします。
よろしいですか？</source>
        <translation>You are going to erase the ROM. OK?</translation>
    </message>
    <message>
        <source>イレースの確認</source>
        <translation>Confirm erasing</translation>
    </message>
    <message>
        <source>イレースエラー</source>
        <translation>Erase error</translation>
    </message>
    <message>
        <source>イレースしました。</source>
        <translation>Erased successfully.</translation>
    </message>
    <message>
        <source>イレース完了</source>
        <translation>Erasing finished</translation>
    </message>
    <message>
        <source>イレースチェック</source>
        <translation>Erase Check</translation>
    </message>
</context>
<context>
    <name>SimChipFile</name>
    <message>
        <source>Cannot read %1: %2.</source>
        <translation>Cannot read %1: %2.</translation>
    </message>
    <message>
        <source>%1 is no file of simulated chips: %2 at byte %3.</source>
        <translation>%1 is no file of simulated chips: %2 at byte %3.</translation>
    </message>
    <message>
        <source>%1 is no file of simulated chips: it does not say &quot;format&quot;: &quot;%2&quot;.</source>
        <translation>%1 is no file of simulated chips: it does not say &quot;format&quot;: &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>%1 holds simulated chips of version %2; this tarvel-cli reads version %3.</source>
        <translation>%1 holds simulated chips of version %2; this tarvel-cli reads version %3.</translation>
    </message>
    <message>
        <source>The %1 in %2 has no &quot;%3&quot; of %4 hexadecimal digits.</source>
        <translation>The %1 in %2 has no &quot;%3&quot; of %4 hexadecimal digits.</translation>
    </message>
    <message>
        <source>The %1 in %2 holds no value the chip can hold in &quot;%3&quot; at %4H.</source>
        <translation>The %1 in %2 holds no value the chip can hold in &quot;%3&quot; at %4H.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2.</source>
        <translation>Cannot write %1: %2.</translation>
    </message>
</context>
<context>
    <name>TPicFileHistry</name>
    <message>
        <source>%1を開く</source>
        <translation>Open %1</translation>
    </message>
</context>
<context>
    <name>WholeChipFile</name>
    <message>
        <source>Not everything in %1 fits the %2. These parts were not loaded:</source>
        <translation>Not everything in %1 fits the %2. These parts were not loaded:</translation>
    </message>
    <message>
        <source>If the file was made for another device, choose that device and open the file again.</source>
        <translation>If the file was made for another device, choose that device and open the file again.</translation>
    </message>
    <message>
        <source>This file also holds %1. Take them too?</source>
        <translation>This file also holds %1. Take them too?</translation>
    </message>
    <message>
        <source>This file also holds %1. Take it too?</source>
        <translation>This file also holds %1. Take it too?</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>Do not ask again</source>
        <translation>Do not ask again</translation>
    </message>
</context>
<context>
    <name>WindowCommand</name>
    <message>
        <source>The command stopped with an unexpected error.</source>
        <translation>The command stopped with an unexpected error.</translation>
    </message>
</context>
<context>
    <name>tarvel::ImageStatus</name>
    <message>
        <source>Checksum: the 16-bit sum of the program words and the configuration word, as PIC tools show it.
Config: the configuration word that goes with the program, from its file or the chip.
CRC-32: of the data image. Blank cells count as erased.</source>
        <translation>Checksum: the 16-bit sum of the program words and the configuration word, as PIC tools show it.
Config: the configuration word that goes with the program, from its file or the chip.
CRC-32: of the data image. Blank cells count as erased.</translation>
    </message>
    <message>
        <source>Checksum %1H</source>
        <translation>Checksum %1H</translation>
    </message>
    <message>
        <source>Config %1H (file)</source>
        <translation>Config %1H (file)</translation>
    </message>
    <message>
        <source>Config %1H (chip)</source>
        <translation>Config %1H (chip)</translation>
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
        <translation>tarvel - a programmer for PIC microcontrollers and 24xx I2C serial EEPROMs

READ ME

The writer hangs on a PC parallel port. Choose the port and press [Measure] in Option - Write Setup once on every machine: the programming waits are scaled by the measured value.

Port access on Linux: the kernel&apos;s parallel port device /dev/parportN works for a member of the group lp, without root. Direct I/O needs root. &quot;Simulated writer&quot; runs every command against a virtual chip, so the program can be tried without a writer. USB printer adapters cannot drive single lines and cannot be used as a writer.

Write: the grid&apos;s values go to the chip and are read back; a failure names the address, the wanted value and the value read. Empty cells are skipped unless Fill UP is on.

Code protection makes program and data memory unreadable. A protected flash device must be erased before it can be written again; an EPROM device stays protected.

Serial ROM: choose the category and the size (24xx01 to 24xx256); the data grid holds the whole EEPROM.

VERSION HISTORY

2.37  The Linux edition, built with Qt 6: the port through the kernel&apos;s parallel port device or direct I/O, chosen in Write Setup; the simulated writer; a serial EEPROM that does not answer is reported with its address instead of holding the program; settings in ~/.config/Melfort/tarvel.conf.
</translation>
    </message>
    <message>
        <source>PIC &amp; 24xx EEPROM writer</source>
        <translation>PIC &amp; 24xx EEPROM writer</translation>
    </message>
    <message>
        <source>ﾊﾞｰｼﾞｮﾝ情報</source>
        <translation>Version Info</translation>
    </message>
    <message>
        <source>詳細 &lt;&lt;</source>
        <translation>Details &lt;&lt;</translation>
    </message>
    <message>
        <source>詳細 &gt;&gt;</source>
        <translation>Details &gt;&gt;</translation>
    </message>
    <message>
        <source>tarvel: PIC and 24xx EEPROM programmer</source>
        <translation>tarvel: PIC and 24xx EEPROM programmer</translation>
    </message>
    <message>
        <source>for a writer on the parallel port</source>
        <translation>for a writer on the parallel port</translation>
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
        <translation>Oscillator</translation>
    </message>
    <message>
        <source>オシレータ</source>
        <translation>Oscillator</translation>
    </message>
    <message>
        <source>Watch dog timer</source>
        <translation>Watch dog timer</translation>
    </message>
    <message>
        <source>Power up timer</source>
        <translation>Power up timer</translation>
    </message>
    <message>
        <source>MCLR is connected to VDD</source>
        <translation>MCLR is connected to VDD</translation>
    </message>
    <message>
        <source>Enable MCLR</source>
        <translation>Enable MCLR</translation>
    </message>
    <message>
        <source>Brown out reset</source>
        <translation>Brown out reset</translation>
    </message>
    <message>
        <source>Low voltaege programming</source>
        <translation>Low voltage programming</translation>
    </message>
    <message>
        <source>Program memory write</source>
        <translation>Program memory write</translation>
    </message>
    <message>
        <source>Debug mode</source>
        <translation>Debug mode</translation>
    </message>
    <message>
        <source>パワーアップタイマー</source>
        <translation>Power up timer</translation>
    </message>
    <message>
        <source>ブラウンアウトリセット</source>
        <translation>Brown out reset</translation>
    </message>
    <message>
        <source>低電圧プログラミング許可</source>
        <translation>Low voltage programming</translation>
    </message>
    <message>
        <source>MCLRはVDDに内部接続</source>
        <translation>MCLR is connected to VDD</translation>
    </message>
    <message>
        <source>MCLRを有効にする</source>
        <translation>Enable MCLR</translation>
    </message>
    <message>
        <source>Broun out voltage</source>
        <translation>Brown out voltage</translation>
    </message>
    <message>
        <source>Config</source>
        <translation>Config</translation>
    </message>
    <message>
        <source>Device </source>
        <translation>Device </translation>
    </message>
    <message>
        <source>ID&#x3000;（最大７文字）</source>
        <translation>ID (Max 7 chars)</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Write</translation>
    </message>
    <message>
        <source>Write config with this settings</source>
        <translation>Write config with these settings</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Configration settings read from PIC</source>
        <translation>Configuration settings read from PIC</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>フューズデータ : %1H    </source>
        <translation>Fuse data : %1H    </translation>
    </message>
    <message>
        <source>このデバイスには対応していません。</source>
        <translation>This device is not supported.</translation>
    </message>
</context>
<context>
    <name>tarvel::TDifferenceListDlg</name>
    <message>
        <source>Address</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>Chip</source>
        <translation>Chip</translation>
    </message>
    <message>
        <source>Differences - Program</source>
        <translation>Differences - Program</translation>
    </message>
    <message>
        <source>Differences - Data</source>
        <translation>Differences - Data</translation>
    </message>
    <message>
        <source>%1 address where the chip differs from the program image. Double-click a row to select its cell.</source>
        <translation>%1 address where the chip differs from the program image. Double-click a row to select its cell.</translation>
    </message>
    <message>
        <source>%1 addresses where the chip differs from the program image. Double-click a row to select its cell.</source>
        <translation>%1 addresses where the chip differs from the program image. Double-click a row to select its cell.</translation>
    </message>
    <message>
        <source>%1 address where the chip differs from the data image. Double-click a row to select its cell.</source>
        <translation>%1 address where the chip differs from the data image. Double-click a row to select its cell.</translation>
    </message>
    <message>
        <source>%1 addresses where the chip differs from the data image. Double-click a row to select its cell.</source>
        <translation>%1 addresses where the chip differs from the data image. Double-click a row to select its cell.</translation>
    </message>
    <message>
        <source>Save as CSV...</source>
        <translation>Save as CSV...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>tarvel::TFileSetDlg</name>
    <message>
        <source>File setup</source>
        <translation>File setup</translation>
    </message>
    <message>
        <source>Object files</source>
        <translation>Object files</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Folder</translation>
    </message>
    <message>
        <source>Ref...</source>
        <translation>Ref...</translation>
    </message>
    <message>
        <source>HEX file ext.</source>
        <translation>HEX file ext.</translation>
    </message>
    <message>
        <source>Binary file ext.</source>
        <translation>Binary file ext.</translation>
    </message>
    <message>
        <source>Configuration, ID and EEPROM data in program HEX files</source>
        <translation>Configuration, ID and EEPROM data in program HEX files</translation>
    </message>
    <message>
        <source>When a file is opened</source>
        <translation>When a file is opened</translation>
    </message>
    <message>
        <source>Ask</source>
        <translation>Ask</translation>
    </message>
    <message>
        <source>Always take</source>
        <translation>Always take</translation>
    </message>
    <message>
        <source>Never take</source>
        <translation>Never take</translation>
    </message>
    <message>
        <source>Save them with the program</source>
        <translation>Save them with the program</translation>
    </message>
</context>
<context>
    <name>tarvel::TFillDlg</name>
    <message>
        <source>Fill</source>
        <translation>Fill</translation>
    </message>
    <message>
        <source>From address:</source>
        <translation>From address:</translation>
    </message>
    <message>
        <source>To address:</source>
        <translation>To address:</translation>
    </message>
    <message>
        <source>Value (- for blank cells):</source>
        <translation>Value (- for blank cells):</translation>
    </message>
    <message>
        <source>Enter the first address as hexadecimal digits from %1 to %2.</source>
        <translation>Enter the first address as hexadecimal digits from %1 to %2.</translation>
    </message>
    <message>
        <source>Enter the last address as hexadecimal digits from %1 to %2.</source>
        <translation>Enter the last address as hexadecimal digits from %1 to %2.</translation>
    </message>
    <message>
        <source>The first address lies after the last one.</source>
        <translation>The first address lies after the last one.</translation>
    </message>
    <message>
        <source>ビット数が多すぎます</source>
        <translation>Too many digits</translation>
    </message>
    <message>
        <source>Enter the value as one to %1 hexadecimal digits, or - to blank the cells.</source>
        <translation>Enter the value as one to %1 hexadecimal digits, or - to blank the cells.</translation>
    </message>
</context>
<context>
    <name>tarvel::TFindDlg</name>
    <message>
        <source>Find</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>Values (hexadecimal words, - for a blank):</source>
        <translation>Values (hexadecimal words, - for a blank):</translation>
    </message>
    <message>
        <source>Values (hexadecimal bytes, - for a blank):</source>
        <translation>Values (hexadecimal bytes, - for a blank):</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>Find Next</translation>
    </message>
    <message>
        <source>Find Previous</source>
        <translation>Find Previous</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>tarvel::TGoToDlg</name>
    <message>
        <source>Go To Address</source>
        <translation>Go To Address</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Address:</translation>
    </message>
    <message>
        <source>Enter the address as hexadecimal digits from %1 to %2.</source>
        <translation>Enter the address as hexadecimal digits from %1 to %2.</translation>
    </message>
</context>
<context>
    <name>tarvel::THexGrid</name>
    <message>
        <source>ビット数が多すぎます</source>
        <translation>Too many digits</translation>
    </message>
</context>
<context>
    <name>tarvel::TIDWriteDlg</name>
    <message>
        <source>IDの書き込み</source>
        <translation>Write ID</translation>
    </message>
    <message>
        <source>ID (Max 7 chars)</source>
        <translation>ID (Max 7 chars)</translation>
    </message>
</context>
<context>
    <name>tarvel::TPWMainForm</name>
    <message>
        <source>New Program</source>
        <translation>New Program</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>New Data</source>
        <translation>New Data</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>GiveIOデバイスにアクセスできませんでした。</source>
        <translation>Could not access the GiveIO device.</translation>
    </message>
    <message>
        <source>New file</source>
        <translation>New file</translation>
    </message>
    <message>
        <source>The settings of this run were not saved: %1 cannot be read (%2).
Make that file readable for this user, or remove it, to keep settings again.</source>
        <translation>The settings of this run were not saved: %1 cannot be read (%2).
Make that file readable for this user, or remove it, to keep settings again.</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1.
Make sure that this folder can be written to; the next start keeps the settings of before.</source>
        <translation>The settings could not be saved to %1.
Make sure that this folder can be written to; the next start keeps the settings of before.</translation>
    </message>
    <message>
        <source>A chip operation is running.
Cancel it at the next address and close tarvel?</source>
        <translation>A chip operation is running.
Cancel it at the next address and close tarvel?</translation>
    </message>
    <message>
        <source>Open HEX|Open HEX file of Program.</source>
        <translation>Open HEX|Open HEX file of Program.</translation>
    </message>
    <message>
        <source>Open Binary|Open Binary file of program.</source>
        <translation>Open Binary|Open Binary file of program.</translation>
    </message>
    <message>
        <source>Save Binary|Save program as binary.</source>
        <translation>Save Binary|Save program as binary.</translation>
    </message>
    <message>
        <source>Reload|Reload Program</source>
        <translation>Reload|Reload Program</translation>
    </message>
    <message>
        <source>Write Program|Write program into PIC</source>
        <translation>Write Program|Write program into PIC</translation>
    </message>
    <message>
        <source>Read Program|Read program from PIC</source>
        <translation>Read Program|Read program from PIC</translation>
    </message>
    <message>
        <source>Read ID|Read ID form PIC</source>
        <translation>Read ID|Read ID from PIC</translation>
    </message>
    <message>
        <source>Write Program and Config|Write program and configration fuse into PIC</source>
        <translation>Write Program and Config|Write program and configuration fuse into PIC</translation>
    </message>
    <message>
        <source>Reset|Reset PIC</source>
        <translation>Reset|Reset PIC</translation>
    </message>
    <message>
        <source>Power ON|Power ON PIC writer</source>
        <translation>Power ON|Power ON PIC writer</translation>
    </message>
    <message>
        <source>Power OFF|Power OFF PIC writer</source>
        <translation>Power OFF|Power OFF PIC writer</translation>
    </message>
    <message>
        <source>Open Hex|Open HEX file</source>
        <translation>Open HEX|Open HEX file of data.</translation>
    </message>
    <message>
        <source>Open Binary|Open binary file</source>
        <translation>Open Binary|Open binary file of data.</translation>
    </message>
    <message>
        <source>Save Binary|Save as binary</source>
        <translation>Save Binary|Save data as binary.</translation>
    </message>
    <message>
        <source>Reload|Reload data</source>
        <translation>Reload|Reload data</translation>
    </message>
    <message>
        <source>Write Data|Write data into PIC</source>
        <translation>Write Data|Write data into PIC</translation>
    </message>
    <message>
        <source>Read Data|Read data from PIC</source>
        <translation>Read Data|Read data from PIC</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Write</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>Device|Choose PIC device</source>
        <translation>Device|Choose PIC device</translation>
    </message>
    <message>
        <source>Device Category|Choose category of device</source>
        <translation>Device Category|Choose category of device</translation>
    </message>
    <message>
        <source>Device|Choose device</source>
        <translation>Device|Choose device</translation>
    </message>
    <message>
        <source>ｼﾘｱﾙROM</source>
        <translation>Serial ROM</translation>
    </message>
    <message>
        <source>The data file %1 was not opened: %2 has no data EEPROM.
Choose a device with data EEPROM or the serial ROM category, then open the file again.</source>
        <translation>The data file %1 was not opened: %2 has no data EEPROM.
Choose a device with data EEPROM or the serial ROM category, then open the file again.</translation>
    </message>
    <message>
        <source>This device is not supported</source>
        <translation>This device is not supported</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be read (%2).
tarvel starts with its default settings and leaves that file as it is.</source>
        <translation>The settings file %1 cannot be read (%2).
tarvel starts with its default settings and leaves that file as it is.</translation>
    </message>
    <message>
        <source>Set write settings with following dialog.
 You should click [Measure]button and select parallel port.</source>
        <translation>Make the write settings in the following dialog.
Click the [Measure] button and choose the parallel port.</translation>
    </message>
    <message>
        <source>Make sure that the PIC writer is not connected to PIC.
</source>
        <translation>Make sure that the PIC writer is not connected to PIC.
</translation>
    </message>
    <message>
        <source>Writer test</source>
        <translation>Writer test</translation>
    </message>
    <message>
        <source>Version %1 (English)</source>
        <translation>Version %1 (English)</translation>
    </message>
    <message>
        <source>%1

tarvel works with the %2 writer now, as the status bar shows.</source>
        <translation>%1

tarvel works with the %2 writer now, as the status bar shows.</translation>
    </message>
    <message>
        <source>Writer: %1</source>
        <translation>Writer: %1</translation>
    </message>
    <message>
        <source>Commands work on a virtual chip in a simulated writer, not on real hardware.</source>
        <translation>Commands work on a virtual chip in a simulated writer, not on real hardware.</translation>
    </message>
    <message>
        <source>Commands drive the writer on the parallel port.</source>
        <translation>Commands drive the writer on the parallel port.</translation>
    </message>
</context>
<context>
    <name>tarvel::TProtectConfirmDlg</name>
    <message>
        <source>コードプロテクト確認</source>
        <translation>Confirm code protection</translation>
    </message>
    <message>
        <source>プログラムメモリー</source>
        <translation>Program memory</translation>
    </message>
    <message>
        <source>データメモリー</source>
        <translation>Data memory</translation>
    </message>
    <message>
        <source>コードプロテクトをかけますか？</source>
        <translation>Protect the code?</translation>
    </message>
    <message>
        <source>はい(&amp;Y)</source>
        <translation>Yes(&amp;Y)</translation>
    </message>
    <message>
        <source>いいえ(&amp;N)</source>
        <translation>No(&amp;N)</translation>
    </message>
    <message>
        <source>コードプロテクトをかけると、以後プログラム及びデータの読み込みができなくなります。&#x3000;コードプロテクトをかけられたデバイスに再書き込みするには、イレースする必要があります。</source>
        <translation>Once the code is protected, program and data can no longer be read from the device. A protected device must be erased before it can be written again.</translation>
    </message>
    <message>
        <source>このデバイスはコードプロテクトに対応していません。</source>
        <translation>This device has no code protection.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>tarvel::TWriteSetDlg</name>
    <message>
        <source>Write Setup</source>
        <translation>Write Setup</translation>
    </message>
    <message>
        <source>Don&apos;t overwrite the same data.</source>
        <translation>Don&apos;t overwrite the same data.</translation>
    </message>
    <message>
        <source>Fill in empty area</source>
        <translation>Fill in empty area</translation>
    </message>
    <message>
        <source>Fill UP</source>
        <translation>Fill UP</translation>
    </message>
    <message>
        <source>with</source>
        <translation>with</translation>
    </message>
    <message>
        <source>Ｈ</source>
        <translation>H</translation>
    </message>
    <message>
        <source>Write Wait</source>
        <translation>Write Wait</translation>
    </message>
    <message>
        <source>Measure</source>
        <translation>Measure</translation>
    </message>
    <message>
        <source>Power Control</source>
        <translation>Power Control</translation>
    </message>
    <message>
        <source>Power on at start</source>
        <translation>Power on at start</translation>
    </message>
    <message>
        <source>Power off at end</source>
        <translation>Power off at end</translation>
    </message>
    <message>
        <source>Auto Start GiveIO.sys</source>
        <translation>Auto Start GiveIO.sys</translation>
    </message>
    <message>
        <source>Parallel Port</source>
        <translation>Parallel Port</translation>
    </message>
    <message>
        <source>Port access</source>
        <translation>Port access</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatic</translation>
    </message>
    <message>
        <source>Kernel parallel port device</source>
        <translation>Kernel parallel port device</translation>
    </message>
    <message>
        <source>Direct I/O</source>
        <translation>Direct I/O</translation>
    </message>
    <message>
        <source>Simulated writer</source>
        <translation>Simulated writer</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Enter the fill value as one to four hexadecimal digits (0 to FFFF).</source>
        <translation>Enter the fill value as one to four hexadecimal digits (0 to FFFF).</translation>
    </message>
</context>
<context>
    <name>tarvel::TWriterTestDlg</name>
    <message>
        <source>Power</source>
        <translation>Power</translation>
    </message>
    <message>
        <source>Writer Test</source>
        <translation>Writer Test</translation>
    </message>
    <message>
        <source>Disconnect the writer from PIC.</source>
        <translation>Disconnect the writer from PIC.</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Output</translation>
    </message>
    <message>
        <source>In</source>
        <translation>In</translation>
    </message>
    <message>
        <source>ParallelPort</source>
        <translation>ParallelPort</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Finish</translation>
    </message>
</context>
</TS>

#include "ui/main/MainMenus.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>

namespace tarvel {

QMenu* MainMenus::Menu(QWidget& window, const char* name, const char* caption) {
  auto* menu = new QMenu(&window);
  menu->setObjectName(name);
  menu->menuAction()->setObjectName(name);
  Word({menu->menuAction(), caption, nullptr});
  return menu;
}

QAction* MainMenus::Item(QMenu* menu, const char* name, const char* caption, const char* hint,
                         const QKeySequence& key) {
  QAction* item = menu->addAction(QString());
  item->setObjectName(name);
  if (!key.isEmpty()) item->setShortcut(key);
  Word({item, caption, hint});
  return item;
}

// Items that exist for the user to see but have nothing behind them.
QAction* MainMenus::DeadItem(QMenu* menu, const char* name, const char* caption) {
  QAction* item = Item(menu, name, caption, nullptr);
  item->setEnabled(false);
  return item;
}

void MainMenus::Word(const Wording& wording) {
  wordings_.push_back(wording);
  Apply(wording);
}

void MainMenus::Apply(const Wording& wording) {
  wording.item->setText(wording.caption ? tr(wording.caption) : QString());
  wording.item->setStatusTip(wording.hint ? tr(wording.hint) : QString());
}

void MainMenus::Retranslate() {
  for (const Wording& wording : wordings_) {
    if (wording.item) Apply(wording);
  }
}

namespace {

QAction* Separator(QMenu* menu, const char* name = "") {
  QAction* separator = menu->addSeparator();
  separator->setObjectName(name);
  return separator;
}

}  // namespace

// The menu shows the keys, but they are the grid's: in the menu they act
// only where the focus is in the menu bar itself.
QAction* MainMenus::GridItem(QMenu* menu, const QString& name, const ItemText& text,
                             const QList<QKeySequence>& keys) {
  QAction* item = Item(menu, name.toLatin1().constData(), text.caption, text.hint);
  item->setShortcuts(keys);
  item->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  return item;
}

// `texts`: find, find next, find previous, go to, fill, undo, redo, copy, paste.
MainMenus::GridItems MainMenus::AddGridItems(QMenu* menu, const QString& prefix, const GridItemTexts& texts) {
  GridItems items{};
  items.find = GridItem(menu, prefix + "Find", texts[0], {QKeySequence(Qt::CTRL | Qt::Key_F)});
  items.findNext = GridItem(menu, prefix + "FindNext", texts[1], {QKeySequence(Qt::Key_F3)});
  items.findPrevious = GridItem(menu, prefix + "FindPrevious", texts[2], {QKeySequence(Qt::SHIFT | Qt::Key_F3)});
  items.goTo = GridItem(menu, prefix + "GoTo", texts[3], {QKeySequence(Qt::CTRL | Qt::Key_G)});
  items.fill = GridItem(menu, prefix + "Fill", texts[4], {});
  Separator(menu);
  items.undo = GridItem(menu, prefix + "Undo", texts[5], {QKeySequence(Qt::CTRL | Qt::Key_Z)});
  items.redo = GridItem(menu, prefix + "Redo", texts[6],
                        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
  items.copy = GridItem(menu, prefix + "Copy", texts[7], {QKeySequence(Qt::CTRL | Qt::Key_C)});
  items.paste = GridItem(menu, prefix + "Paste", texts[8], {QKeySequence(Qt::CTRL | Qt::Key_V)});
  return items;
}

// Both bars offer the same three choices. A language's own name is not
// translated, so that a user lost in a language they cannot read still finds
// their own.
QMenu* MainMenus::LanguageMenu(QWidget& window, const char* name, const char* caption) {
  QMenu* menu = Menu(window, name, caption);
  menu->addActions(languages_->actions());
  return menu;
}

QAction* MainMenus::LanguageItem(UiLanguage language) const {
  return languages_->actions().value(static_cast<int>(language));
}

MainMenus::MainMenus(QWidget& window) : languages_(new QActionGroup(&window)) {
  QAction* original = languages_->addAction(QString());
  original->setObjectName("LanguageAsDescribed");
  Word({original, QT_TR_NOOP("As described"), nullptr});
  languages_->addAction("English")->setObjectName("LanguageEnglish");
  languages_->addAction("日本語")->setObjectName("LanguageJapanese");
  for (QAction* choice : languages_->actions()) choice->setCheckable(true);
  original->setChecked(true);

  File = Menu(window, "File", QT_TR_NOOP("File(&F)"));
  Exit1 = Item(File, "Exit1", QT_TR_NOOP("Quit(&X)"), QT_TR_NOOP("Quit Melfort"));

  KI1 = Menu(window, "KI1", QT_TR_NOOP("Device(&I)"));
  DeviceWriteAll = Item(KI1, "DeviceWriteAll", QT_TR_NOOP("Write ALL(&W)"),
                        QT_TR_NOOP("Write program, config and data."), Qt::Key_F5);
  Separator(KI1);
  DevErase = Item(KI1, "DevErase", QT_TR_NOOP("Erase(&E)"), QT_TR_NOOP("Erase PIC"));
  DevECheck = Item(KI1, "DevECheck", QT_TR_NOOP("Erase Check(&T)"), QT_TR_NOOP("Confirm PIC is erased"));
  Separator(KI1);
  DevCodeProtect = Item(KI1, "DevCodeProtect", QT_TR_NOOP("Code Protect"), QT_TR_NOOP("The PIC code is protected"));
  Separator(KI1);
  DevReset = Item(KI1, "DevReset", QT_TR_NOOP("Reset(&R)"), QT_TR_NOOP("Reset PIC"), Qt::Key_F12);
  Separator(KI1);
  ProgWriteC = Item(KI1, "ProgWriteC", QT_TR_NOOP("Write Config(&C)"), QT_TR_NOOP("Write configration fulse into PIC"));
  ProgReadC = Item(KI1, "ProgReadC", QT_TR_NOOP("Read Config(&G)"), QT_TR_NOOP("Read configration fuse from PIC"),
                   Qt::Key_F11);
  Separator(KI1);
  ProgWriteID = Item(KI1, "ProgWriteID", QT_TR_NOOP("Write ID(&S)"), QT_TR_NOOP("Write ID into PIC"));
  ProgReadID = Item(KI1, "ProgReadID", QT_TR_NOOP("Read ID(&I)"), QT_TR_NOOP("Read ID from PIC"));

  MenuProg = Menu(window, "MenuProg", QT_TR_NOOP("Program(&P)"));
  ProgNew = Item(MenuProg, "ProgNew", QT_TR_NOOP("New(&N)"), QT_TR_NOOP("Make new program"));
  ProgHexOpen = Item(MenuProg, "ProgHexOpen", QT_TR_NOOP("Open HEX(&O)..."), QT_TR_NOOP("Open HEX file of program"));
  ProgBinOpen =
      Item(MenuProg, "ProgBinOpen", QT_TR_NOOP("Open Binary(&B)..."), QT_TR_NOOP("Open binary file of program"));
  ProgReload = Item(MenuProg, "ProgReload", QT_TR_NOOP("Renew(&R)"), QT_TR_NOOP("Renew program file"));
  Separator(MenuProg);
  ProgHexSave = Item(MenuProg, "ProgHexSave", QT_TR_NOOP("Save HEX(&H)..."), QT_TR_NOOP("Save program as HEX"));
  ProgBinSave =
      Item(MenuProg, "ProgBinSave", QT_TR_NOOP("Save Binary(&A)..."), QT_TR_NOOP("Save program as binary"));
  ProgSave = Item(MenuProg, "ProgSave", QT_TR_NOOP("Save(&S)"), QT_TR_NOOP("Save program"));
  Separator(MenuProg);
  ProgWriteP = Item(MenuProg, "ProgWriteP", QT_TR_NOOP("Write Program(&W)"), QT_TR_NOOP("Write program into PIC"),
                    Qt::Key_F6);
  ProgReadP = Item(MenuProg, "ProgReadP", QT_TR_NOOP("Read Program(&R)"), QT_TR_NOOP("Read program form PIC"),
                   Qt::Key_F9);
  ProgCompare = Item(MenuProg, "ProgCompare", QT_TR_NOOP("Compare(&C)"),
                     QT_TR_NOOP("Compare program displaied and program in PIC"));
  Separator(MenuProg);
  // The program grid holds words, the data grid bytes.
  ProgGridItems = AddGridItems(
      MenuProg, "Prog",
      {{{QT_TR_NOOP("Find(&F)"), QT_TR_NOOP("Find string")},
        {QT_TR_NOOP("Find Next(&X)"), QT_TR_NOOP("Find the same words further on")},
        {QT_TR_NOOP("Find Previous(&V)"), QT_TR_NOOP("Find the same words further back")},
        {QT_TR_NOOP("Go To Address(&G)..."), QT_TR_NOOP("Go to an address")},
        {QT_TR_NOOP("Fill(&L)"), QT_TR_NOOP("Fill with arbitrary data")},
        {QT_TR_NOOP("Undo(&U)"), QT_TR_NOOP("Undo the last change")},
        {QT_TR_NOOP("Redo(&E)"), QT_TR_NOOP("Redo the change undone last")},
        {QT_TR_NOOP("Copy(&Y)"), QT_TR_NOOP("Copy the selected words as hexadecimal text")},
        {QT_TR_NOOP("Paste(&T)"), QT_TR_NOOP("Paste hexadecimal words at the current cell")}}});
  PicProgSeparator = Separator(MenuProg, "PicProgSeparator");

  MenuData = Menu(window, "MenuData", QT_TR_NOOP("Data(&D)"));
  DataNew = Item(MenuData, "DataNew", QT_TR_NOOP("New(&N)"), QT_TR_NOOP("Make new data"));
  DataHexOpen = Item(MenuData, "DataHexOpen", QT_TR_NOOP("Open HEX(&O)..."), QT_TR_NOOP("Open HEX file of data."));
  DataBinOpen = Item(MenuData, "DataBinOpen", QT_TR_NOOP("Open Binary(&B)..."), QT_TR_NOOP("Open binary of data."));
  DataReload = Item(MenuData, "DataReload", QT_TR_NOOP("Renew(&R)"), QT_TR_NOOP("Renew data"));
  Separator(MenuData);
  DataHexSave = Item(MenuData, "DataHexSave", QT_TR_NOOP("Save HEX(&H)..."), QT_TR_NOOP("Save data as hex."));
  DataBinSave = Item(MenuData, "DataBinSave", QT_TR_NOOP("Save Binary(&A)..."), QT_TR_NOOP("Save data as binary."));
  DataSave = Item(MenuData, "DataSave", QT_TR_NOOP("Save(&S)"), QT_TR_NOOP("Save data."));
  Separator(MenuData);
  DataWrite = Item(MenuData, "DataWrite", QT_TR_NOOP("Write Data(&W)"), QT_TR_NOOP("データをPICに書き込みます。"),
                   Qt::Key_F7);
  DataRead = Item(MenuData, "DataRead", QT_TR_NOOP("Read Data(&R)"), QT_TR_NOOP("Read data from PIC data memory."),
                  Qt::Key_F10);
  DataCompare = Item(MenuData, "DataCompare", QT_TR_NOOP("Compare(&C)"),
                     QT_TR_NOOP("Compare data displaied with data in PIC data memory."));
  Separator(MenuData);
  DataGridItems = AddGridItems(
      MenuData, "Data",
      {{{QT_TR_NOOP("Find(&F)"), QT_TR_NOOP("Find data")},
        {QT_TR_NOOP("Find Next(&X)"), QT_TR_NOOP("Find the same bytes further on")},
        {QT_TR_NOOP("Find Previous(&V)"), QT_TR_NOOP("Find the same bytes further back")},
        {QT_TR_NOOP("Go To Address(&G)..."), QT_TR_NOOP("Go to an address")},
        {QT_TR_NOOP("Fill(&L)"), QT_TR_NOOP("Fill with arbitrary data")},
        {QT_TR_NOOP("Undo(&U)"), QT_TR_NOOP("Undo the last change")},
        {QT_TR_NOOP("Redo(&E)"), QT_TR_NOOP("Redo the change undone last")},
        {QT_TR_NOOP("Copy(&Y)"), QT_TR_NOOP("Copy the selected bytes as hexadecimal text")},
        {QT_TR_NOOP("Paste(&T)"), QT_TR_NOOP("Paste hexadecimal bytes at the current cell")}}});
  PicDataSeparator = Separator(MenuData, "PicDataSeparator");

  Option = Menu(window, "Option", QT_TR_NOOP("Option(&O)"));
  OptionWrite = Item(Option, "OptionWrite", QT_TR_NOOP("Write Setup(&W)..."), QT_TR_NOOP("Show [Write Setup] dialog"));
  OptionFileSet =
      Item(Option, "OptionFileSet", QT_TR_NOOP("File Setup(&F)..."), QT_TR_NOOP("Show [File Setup] dialog"));
  OptionWriterTest =
      Item(Option, "OptionWriterTest", QT_TR_NOOP("Test Melfort(&T)..."), QT_TR_NOOP("Show [Writer Test] dialog."));
  Option256Color = DeadItem(Option, "Option256Color", QT_TR_NOOP("256 colors"));
  Separator(Option);
  Language = LanguageMenu(window, "Language", QT_TR_NOOP("Language(&L)"));
  Option->addMenu(Language);

  Disp = Menu(window, "Disp", QT_TR_NOOP("View(&V)"));
  DispProgWindow = Item(Disp, "DispProgWindow", QT_TR_NOOP("Program Window (&P)"), nullptr);
  DispProgWindow->setCheckable(true);
  DispDataWindow = Item(Disp, "DispDataWindow", QT_TR_NOOP("Data Window (&D)"), nullptr);
  DispDataWindow->setCheckable(true);

  K1 = Menu(window, "K1", QT_TR_NOOP("Help (&H)"));
  HelpVersion = Item(K1, "HelpVersion", QT_TR_NOOP("Version Info (&A)..."), QT_TR_NOOP("Show version infomation."));

  picMenus_ = {File, KI1, MenuProg, MenuData, Option, Disp, K1};

  SRomFile = Menu(window, "SRomFile", QT_TR_NOOP("ファイル(&F)"));
  SRomExit = Item(SRomFile, "SRomExit", QT_TR_NOOP("終了(&X)"), QT_TR_NOOP("Melfortを終了します。"));

  SRomDevice = Menu(window, "SRomDevice", QT_TR_NOOP("デバイス(&I)"));
  SRomDevErase = Item(SRomDevice, "SRomDevErase", QT_TR_NOOP("イレース(&E)"), QT_TR_NOOP("ROMをイレースします。"));
  SRomDevEraseCheck = Item(SRomDevice, "SRomDevEraseCheck", QT_TR_NOOP("イレース・チェック(&T)"),
                           QT_TR_NOOP("ROMがイレースされているか 調べます。"));

  SROMData = Menu(window, "SROMData", QT_TR_NOOP("データ(&D)"));
  SRomDataNew = Item(SROMData, "SRomDataNew", QT_TR_NOOP("新規作成(&N)"), QT_TR_NOOP("データを新規作成します。"));
  SRomDataHexOpen = Item(SROMData, "SRomDataHexOpen", QT_TR_NOOP("HEXﾌｧｲﾙを開く(&O)..."),
                         QT_TR_NOOP("データのHEXファイルを開きます。"));
  SRomDataBinOpen = Item(SROMData, "SRomDataBinOpen", QT_TR_NOOP("ﾊﾞｲﾅﾘ・ﾌｧｲﾙを開く(&B)..."),
                         QT_TR_NOOP("データのバイナリファイルを開きます。"));
  SRomDataReload =
      Item(SROMData, "SRomDataReload", QT_TR_NOOP("更新(&R)"), QT_TR_NOOP("データファイルを更新します。"));
  SRomDataHexSave =
      Item(SROMData, "SRomDataHexSave", QT_TR_NOOP("HEX保存(&H)..."), QT_TR_NOOP("データをHEXで保存します。"));
  SRomDataBinSave = Item(SROMData, "SRomDataBinSave", QT_TR_NOOP("ﾊﾞｲﾅﾘ保存(&A)..."),
                         QT_TR_NOOP("データをバイナリで保存します。"));
  SRomDataSave =
      Item(SROMData, "SRomDataSave", QT_TR_NOOP("上書き保存(&S)"), QT_TR_NOOP("データを上書き保存します。"));
  SRomDataWrite = Item(SROMData, "SRomDataWrite", QT_TR_NOOP("データの書き込み(&W)"),
                       QT_TR_NOOP("データをROMに書き込みます。"), Qt::Key_F7);
  SRomDataRead = Item(SROMData, "SRomDataRead", QT_TR_NOOP("データの読み込み(&R)"),
                      QT_TR_NOOP("ROMからデータを読み込みます。"), Qt::Key_F10);
  SRomDataCompare = Item(SROMData, "SRomDataCompare", QT_TR_NOOP("コンペア(&C)"),
                         QT_TR_NOOP("表示されているデータとPICのデータ領域を比較します。"));
  SRomDataGridItems =
      AddGridItems(SROMData, "SRomData",
                   {{{QT_TR_NOOP("検索(&F)"), QT_TR_NOOP("表示データを検索します。")},
                     {QT_TR_NOOP("次を検索(&X)"), QT_TR_NOOP("同じデータを先へ検索します。")},
                     {QT_TR_NOOP("前を検索(&V)"), QT_TR_NOOP("同じデータを前へ検索します。")},
                     {QT_TR_NOOP("アドレスへ移動(&G)..."), QT_TR_NOOP("指定したアドレスへ移動します。")},
                     {QT_TR_NOOP("埋める(&L)"), QT_TR_NOOP("データを特定の数値で埋めます。")},
                     {QT_TR_NOOP("元に戻す(&U)"), QT_TR_NOOP("直前の変更を取り消します。")},
                     {QT_TR_NOOP("やり直し(&E)"), QT_TR_NOOP("取り消した変更をやり直します。")},
                     {QT_TR_NOOP("コピー(&Y)"), QT_TR_NOOP("選択したデータを16進のテキストでコピーします。")},
                     {QT_TR_NOOP("貼り付け(&T)"), QT_TR_NOOP("16進のテキストを現在のセルから貼り付けます。")}}});
  SROMDataSeparator = Separator(SROMData, "SROMDataSeparator");

  SRomOption = Menu(window, "SRomOption", QT_TR_NOOP("オプション(&O)"));
  SRomOptionWrite = Item(SRomOption, "SRomOptionWrite", QT_TR_NOOP("書き込み設定(&W)..."),
                         QT_TR_NOOP("[書き込みの設定]ダイアログを表示します。"));
  SRomOptionFileSet = Item(SRomOption, "SRomOptionFileSet", QT_TR_NOOP("ファイルの設定(&F)..."),
                           QT_TR_NOOP("[ファイルの設定]ダイアログを表示します。"));
  SRomOptionWriterTest = Item(SRomOption, "SRomOptionWriterTest", QT_TR_NOOP("ライターのテスト(&T)..."),
                              QT_TR_NOOP("[ライターのテスト]ダイアログを表示します。"));
  SRomOption256Color = DeadItem(SRomOption, "SRomOption256Color", QT_TR_NOOP("256色表示"));
  Separator(SRomOption);
  SRomLanguage = LanguageMenu(window, "SRomLanguage", QT_TR_NOOP("言語(&L)"));
  SRomOption->addMenu(SRomLanguage);

  SRomHelp = Menu(window, "SRomHelp", QT_TR_NOOP("ヘルプ(&H)"));
  SRomHelpVersion = Item(SRomHelp, "SRomHelpVersion", QT_TR_NOOP("バージョン情報(&A)..."),
                         QT_TR_NOOP("バージョン情報を表示します。"));

  sromMenus_ = {SRomFile, SRomDevice, SROMData, SRomOption, SRomHelp};
}

void MainMenus::ShowPicMenu(QMenuBar& bar) const {
  bar.clear();
  for (QMenu* menu : picMenus_) bar.addMenu(menu);
}

void MainMenus::ShowSRomMenu(QMenuBar& bar) const {
  bar.clear();
  for (QMenu* menu : sromMenus_) bar.addMenu(menu);
}

bool MainMenus::PicMenuShown(const QMenuBar& bar) const { return bar.actions().contains(File->menuAction()); }

}  // namespace tarvel

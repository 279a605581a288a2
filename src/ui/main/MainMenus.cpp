#include "ui/main/MainMenus.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>

namespace tarvel {
namespace {

QMenu* Menu(QWidget& window, const char* name, const QString& caption) {
  auto* menu = new QMenu(caption, &window);
  menu->setObjectName(name);
  menu->menuAction()->setObjectName(name);
  return menu;
}

QAction* Item(QMenu* menu, const char* name, const QString& caption, const QString& hint,
              QKeySequence key = QKeySequence()) {
  QAction* item = menu->addAction(caption);
  item->setObjectName(name);
  item->setStatusTip(hint);
  if (!key.isEmpty()) item->setShortcut(key);
  return item;
}

// Items that exist for the user to see but have nothing behind them.
QAction* DeadItem(QMenu* menu, const char* name, const QString& caption, const QString& hint) {
  QAction* item = Item(menu, name, caption, hint);
  item->setEnabled(false);
  return item;
}

QAction* Separator(QMenu* menu, const char* name = "") {
  QAction* separator = menu->addSeparator();
  separator->setObjectName(name);
  return separator;
}

struct ItemText {
  QString caption;
  QString hint;
};

struct GridItemTexts {
  ItemText find, findNext, findPrevious, goTo, fill, undo, redo, copy, paste;
};

// The menu shows the keys, but they are the grid's: in the menu they act
// only where the focus is in the menu bar itself.
QAction* GridItem(QMenu* menu, const QString& name, const ItemText& text, const QList<QKeySequence>& keys) {
  QAction* item = Item(menu, name.toLatin1().constData(), text.caption, text.hint);
  item->setShortcuts(keys);
  item->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  return item;
}

MainMenus::GridItems AddGridItems(QMenu* menu, const QString& prefix, const GridItemTexts& texts) {
  MainMenus::GridItems items{};
  items.find = GridItem(menu, prefix + "Find", texts.find, {QKeySequence(Qt::CTRL | Qt::Key_F)});
  items.findNext = GridItem(menu, prefix + "FindNext", texts.findNext, {QKeySequence(Qt::Key_F3)});
  items.findPrevious =
      GridItem(menu, prefix + "FindPrevious", texts.findPrevious, {QKeySequence(Qt::SHIFT | Qt::Key_F3)});
  items.goTo = GridItem(menu, prefix + "GoTo", texts.goTo, {QKeySequence(Qt::CTRL | Qt::Key_G)});
  items.fill = GridItem(menu, prefix + "Fill", texts.fill, {});
  Separator(menu);
  items.undo = GridItem(menu, prefix + "Undo", texts.undo, {QKeySequence(Qt::CTRL | Qt::Key_Z)});
  items.redo = GridItem(menu, prefix + "Redo", texts.redo,
                        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
  items.copy = GridItem(menu, prefix + "Copy", texts.copy, {QKeySequence(Qt::CTRL | Qt::Key_C)});
  items.paste = GridItem(menu, prefix + "Paste", texts.paste, {QKeySequence(Qt::CTRL | Qt::Key_V)});
  return items;
}

// The program grid holds words, the data grid bytes.
GridItemTexts EnglishGridTexts(const QString& findHint, const QString& unit) {
  return {{"Find(&F)", findHint},
          {"Find Next(&X)", "Find the same " + unit + " further on"},
          {"Find Previous(&V)", "Find the same " + unit + " further back"},
          {"Go To Address(&G)...", "Go to an address"},
          {"Fill(&L)", "Fill with arbitrary data"},
          {"Undo(&U)", "Undo the last change"},
          {"Redo(&E)", "Redo the change undone last"},
          {"Copy(&Y)", "Copy the selected " + unit + " as hexadecimal text"},
          {"Paste(&T)", "Paste hexadecimal " + unit + " at the current cell"}};
}

}  // namespace

MainMenus::MainMenus(QWidget& window) {
  File = Menu(window, "File", "File(&F)");
  Exit1 = Item(File, "Exit1", "Quit(&X)", "Quit Melfort");

  KI1 = Menu(window, "KI1", "Device(&I)");
  DeviceWriteAll = Item(KI1, "DeviceWriteAll", "Write ALL(&W)", "Write program, config and data.", Qt::Key_F5);
  Separator(KI1);
  DevErase = Item(KI1, "DevErase", "Erase(&E)", "Erase PIC");
  DevECheck = Item(KI1, "DevECheck", "Erase Check(&T)", "Confirm PIC is erased");
  Separator(KI1);
  DevCodeProtect = Item(KI1, "DevCodeProtect", "Code Protect", "The PIC code is protected");
  Separator(KI1);
  DevReset = Item(KI1, "DevReset", "Reset(&R)", "Reset PIC", Qt::Key_F12);
  Separator(KI1);
  ProgWriteC = Item(KI1, "ProgWriteC", "Write Config(&C)", "Write configration fulse into PIC");
  ProgReadC = Item(KI1, "ProgReadC", "Read Config(&G)", "Read configration fuse from PIC", Qt::Key_F11);
  Separator(KI1);
  ProgWriteID = Item(KI1, "ProgWriteID", "Write ID(&S)", "Write ID into PIC");
  ProgReadID = Item(KI1, "ProgReadID", "Read ID(&I)", "Read ID from PIC");

  MenuProg = Menu(window, "MenuProg", "Program(&P)");
  ProgNew = Item(MenuProg, "ProgNew", "New(&N)", "Make new program");
  ProgHexOpen = Item(MenuProg, "ProgHexOpen", "Open HEX(&O)...", "Open HEX file of program");
  ProgBinOpen = Item(MenuProg, "ProgBinOpen", "Open Binary(&B)...", "Open binary file of program");
  ProgReload = Item(MenuProg, "ProgReload", "Renew(&R)", "Renew program file");
  Separator(MenuProg);
  ProgHexSave = Item(MenuProg, "ProgHexSave", "Save HEX(&H)...", "Save program as HEX");
  ProgBinSave = Item(MenuProg, "ProgBinSave", "Save Binary(&A)...", "Save program as binary");
  ProgSave = Item(MenuProg, "ProgSave", "Save(&S)", "Save program");
  Separator(MenuProg);
  ProgWriteP = Item(MenuProg, "ProgWriteP", "Write Program(&W)", "Write program into PIC", Qt::Key_F6);
  ProgReadP = Item(MenuProg, "ProgReadP", "Read Program(&R)", "Read program form PIC", Qt::Key_F9);
  ProgCompare =
      Item(MenuProg, "ProgCompare", "Compare(&C)", "Compare program displaied and program in PIC");
  Separator(MenuProg);
  ProgGridItems = AddGridItems(MenuProg, "Prog", EnglishGridTexts("Find string", "words"));
  ProgFind = ProgGridItems.find;
  ProgFill = ProgGridItems.fill;
  PicProgSeparator = Separator(MenuProg, "PicProgSeparator");

  MenuData = Menu(window, "MenuData", "Data(&D)");
  DataNew = Item(MenuData, "DataNew", "New(&N)", "Make new data");
  DataHexOpen = Item(MenuData, "DataHexOpen", "Open HEX(&O)...", "Open HEX file of data.");
  DataBinOpen = Item(MenuData, "DataBinOpen", "Open Binary(&B)...", "Open binary of data.");
  DataReload = Item(MenuData, "DataReload", "Renew(&R)", "Renew data");
  Separator(MenuData);
  DataHexSave = Item(MenuData, "DataHexSave", "Save HEX(&H)...", "Save data as hex.");
  DataBinSave = Item(MenuData, "DataBinSave", "Save Binary(&A)...", "Save data as binary.");
  DataSave = Item(MenuData, "DataSave", "Save(&S)", "Save data.");
  Separator(MenuData);
  DataWrite = Item(MenuData, "DataWrite", "Write Data(&W)", "データをPICに書き込みます。", Qt::Key_F7);
  DataRead = Item(MenuData, "DataRead", "Read Data(&R)", "Read data from PIC data memory.", Qt::Key_F10);
  DataCompare = Item(MenuData, "DataCompare", "Compare(&C)", "Compare data displaied with data in PIC data memory.");
  Separator(MenuData);
  DataGridItems = AddGridItems(MenuData, "Data", EnglishGridTexts("Find data", "bytes"));
  DataFind = DataGridItems.find;
  DataFill = DataGridItems.fill;
  PicDataSeparator = Separator(MenuData, "PicDataSeparator");

  Option = Menu(window, "Option", "Option(&O)");
  OptionWrite = Item(Option, "OptionWrite", "Write Setup(&W)...", "Show [Write Setup] dialog");
  OptionFileSet = Item(Option, "OptionFileSet", "File Setup(&F)...", "Show [File Setup] dialog");
  OptionWriterTest = Item(Option, "OptionWriterTest", "Test Melfort(&T)...", "Show [Writer Test] dialog.");
  Option256Color = DeadItem(Option, "Option256Color", "256 colors", QString());

  Disp = Menu(window, "Disp", "View(&V)");
  DispProgWindow = Item(Disp, "DispProgWindow", "Program Window (&P)", QString());
  DispProgWindow->setCheckable(true);
  DispDataWindow = Item(Disp, "DispDataWindow", "Data Window (&D)", QString());
  DispDataWindow->setCheckable(true);

  K1 = Menu(window, "K1", "Help (&H)");
  HelpVersion = Item(K1, "HelpVersion", "Version Info (&A)...", "Show version infomation.");

  picMenus_ = {File, KI1, MenuProg, MenuData, Option, Disp, K1};

  SRomFile = Menu(window, "SRomFile", "ファイル(&F)");
  SRomExit = Item(SRomFile, "SRomExit", "終了(&X)", "Melfortを終了します。");

  SRomDevice = Menu(window, "SRomDevice", "デバイス(&I)");
  SRomDevErase = Item(SRomDevice, "SRomDevErase", "イレース(&E)", "ROMをイレースします。");
  SRomDevEraseCheck =
      Item(SRomDevice, "SRomDevEraseCheck", "イレース・チェック(&T)", "ROMがイレースされているか 調べます。");

  SROMData = Menu(window, "SROMData", "データ(&D)");
  SRomDataNew = Item(SROMData, "SRomDataNew", "新規作成(&N)", "データを新規作成します。");
  SRomDataHexOpen = Item(SROMData, "SRomDataHexOpen", "HEXﾌｧｲﾙを開く(&O)...", "データのHEXファイルを開きます。");
  SRomDataBinOpen =
      Item(SROMData, "SRomDataBinOpen", "ﾊﾞｲﾅﾘ・ﾌｧｲﾙを開く(&B)...", "データのバイナリファイルを開きます。");
  SRomDataReload = Item(SROMData, "SRomDataReload", "更新(&R)", "データファイルを更新します。");
  SRomDataHexSave = Item(SROMData, "SRomDataHexSave", "HEX保存(&H)...", "データをHEXで保存します。");
  SRomDataBinSave = Item(SROMData, "SRomDataBinSave", "ﾊﾞｲﾅﾘ保存(&A)...", "データをバイナリで保存します。");
  SRomDataSave = Item(SROMData, "SRomDataSave", "上書き保存(&S)", "データを上書き保存します。");
  SRomDataWrite = Item(SROMData, "SRomDataWrite", "データの書き込み(&W)", "データをROMに書き込みます。", Qt::Key_F7);
  SRomDataRead = Item(SROMData, "SRomDataRead", "データの読み込み(&R)", "ROMからデータを読み込みます。", Qt::Key_F10);
  SRomDataCompare = Item(SROMData, "SRomDataCompare", "コンペア(&C)",
                         "表示されているデータとPICのデータ領域を比較します。");
  SRomDataGridItems = AddGridItems(SROMData, "SRomData",
                                   {{"検索(&F)", "表示データを検索します。"},
                                    {"次を検索(&X)", "同じデータを先へ検索します。"},
                                    {"前を検索(&V)", "同じデータを前へ検索します。"},
                                    {"アドレスへ移動(&G)...", "指定したアドレスへ移動します。"},
                                    {"埋める(&L)", "データを特定の数値で埋めます。"},
                                    {"元に戻す(&U)", "直前の変更を取り消します。"},
                                    {"やり直し(&E)", "取り消した変更をやり直します。"},
                                    {"コピー(&Y)", "選択したデータを16進のテキストでコピーします。"},
                                    {"貼り付け(&T)", "16進のテキストを現在のセルから貼り付けます。"}});
  SRomDataFind = SRomDataGridItems.find;
  SRomDataFill = SRomDataGridItems.fill;
  SROMDataSeparator = Separator(SROMData, "SROMDataSeparator");

  SRomOption = Menu(window, "SRomOption", "オプション(&O)");
  SRomOptionWrite =
      Item(SRomOption, "SRomOptionWrite", "書き込み設定(&W)...", "[書き込みの設定]ダイアログを表示します。");
  SRomOptionFileSet =
      Item(SRomOption, "SRomOptionFileSet", "ファイルの設定(&F)...", "[ファイルの設定]ダイアログを表示します。");
  SRomOptionWriterTest =
      Item(SRomOption, "SRomOptionWriterTest", "ライターのテスト(&T)...", "[ライターのテスト]ダイアログを表示します。");
  SRomOption256Color = DeadItem(SRomOption, "SRomOption256Color", "256色表示", QString());

  SRomHelp = Menu(window, "SRomHelp", "ヘルプ(&H)");
  SRomHelpVersion = Item(SRomHelp, "SRomHelpVersion", "バージョン情報(&A)...", "バージョン情報を表示します。");

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

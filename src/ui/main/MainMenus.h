#pragma once

#include <QCoreApplication>
#include <QKeySequence>
#include <QList>
#include <QPointer>
#include <QString>
#include <array>
#include <vector>

#include "language/UiLanguage.h"

class QAction;
class QActionGroup;
class QMenu;
class QMenuBar;
class QWidget;

namespace tarvel {

// The window's two menu bars, item by item: PICMenu for the PIC category and
// SRomMenu for the serial ROM category. Only one is on the window's bar at a
// time; the menus of the other stay alive (owned by the window) with every
// item's state, and their shortcuts sleep while they are off the bar. Each
// item keeps its caption and hint as written, to word them again in the
// language the user chooses.
class MainMenus {
  Q_DECLARE_TR_FUNCTIONS(MainMenus)

 public:
  // The editing items of one grid's menu. Their keys are shown in the menu
  // and belong to the grid: they act while the grid has the focus.
  struct GridItems {
    QAction* find;
    QAction* findNext;
    QAction* findPrevious;
    QAction* goTo;
    QAction* fill;
    QAction* undo;
    QAction* redo;
    QAction* copy;
    QAction* paste;
  };

  explicit MainMenus(QWidget& window);

  void ShowPicMenu(QMenuBar& bar) const;
  void ShowSRomMenu(QMenuBar& bar) const;
  bool PicMenuShown(const QMenuBar& bar) const;

  // Every caption and hint in the language now in effect.
  void Retranslate();
  // The language items, shared by both menu bars, in the order of UiLanguage.
  QActionGroup& LanguageItems() const { return *languages_; }
  QAction* LanguageItem(UiLanguage language) const;

  // PICMenu.
  QMenu* File;
  QAction* Exit1;
  QMenu* KI1;
  QAction* DeviceWriteAll;
  QAction* DevErase;
  QAction* DevECheck;
  QAction* DevCodeProtect;
  QAction* DevReset;
  QAction* ProgWriteC;
  QAction* ProgReadC;
  QAction* ProgWriteID;
  QAction* ProgReadID;
  QMenu* MenuProg;
  QAction* ProgNew;
  QAction* ProgHexOpen;
  QAction* ProgBinOpen;
  QAction* ProgReload;
  QAction* ProgHexSave;
  QAction* ProgBinSave;
  QAction* ProgSave;
  QAction* ProgWriteP;
  QAction* ProgReadP;
  QAction* ProgCompare;
  GridItems ProgGridItems;
  QAction* PicProgSeparator;
  QMenu* MenuData;
  QAction* DataNew;
  QAction* DataHexOpen;
  QAction* DataBinOpen;
  QAction* DataReload;
  QAction* DataHexSave;
  QAction* DataBinSave;
  QAction* DataSave;
  QAction* DataWrite;
  QAction* DataRead;
  QAction* DataCompare;
  GridItems DataGridItems;
  QAction* PicDataSeparator;
  QMenu* Option;
  QAction* OptionWrite;
  QAction* OptionFileSet;
  QAction* OptionWriterTest;
  QAction* Option256Color;
  QMenu* Language;
  QMenu* Disp;
  QAction* DispProgWindow;
  QAction* DispDataWindow;
  QMenu* K1;
  QAction* HelpVersion;

  // SRomMenu.
  QMenu* SRomFile;
  QAction* SRomExit;
  QMenu* SRomDevice;
  QAction* SRomDevErase;
  QAction* SRomDevEraseCheck;
  QMenu* SROMData;
  QAction* SRomDataNew;
  QAction* SRomDataHexOpen;
  QAction* SRomDataBinOpen;
  QAction* SRomDataReload;
  QAction* SRomDataHexSave;
  QAction* SRomDataBinSave;
  QAction* SRomDataSave;
  QAction* SRomDataWrite;
  QAction* SRomDataRead;
  QAction* SRomDataCompare;
  GridItems SRomDataGridItems;
  QAction* SROMDataSeparator;
  QMenu* SRomOption;
  QAction* SRomOptionWrite;
  QAction* SRomOptionFileSet;
  QAction* SRomOptionWriterTest;
  QAction* SRomOption256Color;
  QMenu* SRomLanguage;
  QMenu* SRomHelp;
  QAction* SRomHelpVersion;

 private:
  // A caption and hint as written in the sources; null for none.
  struct Wording {
    QPointer<QAction> item;
    const char* caption;
    const char* hint;
  };
  struct ItemText {
    const char* caption;
    const char* hint;
  };
  using GridItemTexts = std::array<ItemText, 9>;

  QMenu* Menu(QWidget& window, const char* name, const char* caption);
  QAction* Item(QMenu* menu, const char* name, const char* caption, const char* hint,
                const QKeySequence& key = QKeySequence());
  QAction* DeadItem(QMenu* menu, const char* name, const char* caption);
  QAction* GridItem(QMenu* menu, const QString& name, const ItemText& text, const QList<QKeySequence>& keys);
  GridItems AddGridItems(QMenu* menu, const QString& prefix, const GridItemTexts& texts);
  QMenu* LanguageMenu(QWidget& window, const char* name, const char* caption);
  void Word(const Wording& wording);
  static void Apply(const Wording& wording);

  std::vector<Wording> wordings_;
  QActionGroup* languages_;
  QList<QMenu*> picMenus_;
  QList<QMenu*> sromMenus_;
};

}  // namespace tarvel

#pragma once

class QComboBox;
class QFrame;
class QLabel;
class QMainWindow;
class QSplitter;
class QStackedWidget;
class QToolButton;
class QWidget;

namespace tarvel {

class THexGrid;
class TitlePanel;

// The controls of the main window and where they stand: the category strip
// on top, the program pane on the left, the data pane filling the rest, and
// the status bar. The window fills in the contents and wires the controls.
class MainFormLayout {
 public:
  explicit MainFormLayout(QMainWindow& window);

  QWidget* Panel2;
  QComboBox* CBCategory;
  QStackedWidget* NBToolBar;
  QWidget* NBToolBarPic;
  QWidget* NBToolBarSerialRom;
  QComboBox* CBPICDevice;
  QToolButton* SBReadID;
  QToolButton* SBWrPC;
  QToolButton* SBReset;
  QToolButton* SBPowerON;
  QToolButton* SBPowerOFF;
  QComboBox* CBSRomDevice;

  QSplitter* Body;
  QWidget* PnlProg;
  QWidget* PnlProgTool;
  QToolButton* SBProgOpen;
  QToolButton* SBBinProgOpen;
  QToolButton* SBBinProgSave;
  QToolButton* SBProgReload;
  QToolButton* SBWriteProg;
  QToolButton* SBReadProg;
  TitlePanel* PnlProgTitle;
  THexGrid* HexGrid;

  QWidget* PnlData;
  QWidget* PnlDataTool;
  QToolButton* SBDataOpen;
  QToolButton* SBBinDataOpen;
  QToolButton* SBBinDataSave;
  QToolButton* SBDataReload;
  QStackedWidget* NBDataToolBar;
  QWidget* NBDataToolBarPic;
  QWidget* NBDataToolBarSerialRom;
  QToolButton* SBWriteData;
  QToolButton* SBReadData;
  QToolButton* SBSRomWrite;
  QToolButton* SBSRomRead;
  TitlePanel* PnlDataTitle;
  THexGrid* DataHexGrid;

  // Panel 0 shows the hints; panel 1 names the writer the window talks to.
  QLabel* StatusPanel0;
  QLabel* StatusPanel1;
};

}  // namespace tarvel

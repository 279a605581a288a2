#include "ui/main/MainFormLayout.h"

#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QMainWindow>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "engine/pic/PicDevice.h"
#include "engine/srom/SRomDevice.h"
#include "ui/components/HexGrid.h"
#include "ui/main/TitlePanel.h"
#include "ui/main/ToolGlyphs.h"

namespace tarvel {
namespace {

constexpr int kButtonSize = 30;
constexpr int kToolHeight = 50;
constexpr int kTitleHeight = 15;
constexpr int kProgPaneWidth = 453;

template <typename T>
T* Named(T* widget, const char* name) {
  widget->setObjectName(name);
  return widget;
}

QToolButton* Button(QWidget* parent, const char* name, int left, int top, ToolGlyphs::Glyph glyph) {
  auto* button = Named(new QToolButton(parent), name);
  button->setGeometry(left, top, kButtonSize, kButtonSize);
  button->setIcon(ToolGlyphs::Icon(glyph));
  button->setIconSize(QSize(24, 24));
  button->setAutoRaise(true);
  return button;
}

// Every choice in the category and device lists empties the grids, so a
// turn of the mouse wheel over a list on the way to a grid must not choose:
// the wheel steps through a list only after the user has picked it.
class WheelNeedsFocus : public QObject {
 public:
  explicit WheelNeedsFocus(QComboBox* list) : QObject(list) {
    // Wheel focus would hand the list the focus just before the turn arrives.
    list->setFocusPolicy(Qt::StrongFocus);
    list->installEventFilter(this);
  }
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::Wheel || static_cast<QWidget*>(watched)->hasFocus()) return false;
    event->ignore();
    return true;
  }
};

QComboBox* DeviceList(QWidget* parent, const char* name, int left, int width, const QColor& color) {
  auto* list = Named(new QComboBox(parent), name);
  new WheelNeedsFocus(list);
  QFont font = list->font();
  font.setPixelSize(16);
  font.setBold(true);
  list->setFont(font);
  // A list held during a chip operation greys like any disabled control.
  QPalette palette = list->palette();
  for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
    palette.setColor(group, QPalette::ButtonText, color);
    palette.setColor(group, QPalette::Text, color);
  }
  list->setPalette(palette);
  list->setGeometry(left, 5, width, 28);
  list->setMaxVisibleItems(20);
  return list;
}

QWidget* Strip(QWidget* parent, const char* name, int height) {
  auto* strip = Named(new QWidget(parent), name);
  strip->setFixedHeight(height);
  return strip;
}

// Keeps a title strip as wide as its tool panel.
class TitleFollower : public QObject {
 public:
  TitleFollower(QWidget* tool, TitlePanel* title) : QObject(tool), title_(title) { tool->installEventFilter(this); }
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Resize) {
      auto* tool = static_cast<QWidget*>(watched);
      title_->setGeometry(0, kToolHeight - kTitleHeight, tool->width(), kTitleHeight);
    }
    return false;
  }

 private:
  TitlePanel* title_;
};

// The title strip along the bottom of a pane's tool panel.
TitlePanel* Title(QWidget* tool, const char* name) {
  auto* title = Named(new TitlePanel(tool), name);
  title->setGeometry(0, kToolHeight - kTitleHeight, tool->width(), kTitleHeight);
  new TitleFollower(tool, title);
  return title;
}

// Widgets stacked without margins or gaps.
QVBoxLayout* Column(QWidget* parent) {
  auto* column = new QVBoxLayout(parent);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  return column;
}

}  // namespace

MainFormLayout::MainFormLayout(QMainWindow& window) {
  using Glyph = ToolGlyphs::Glyph;
  auto* central = new QWidget(&window);
  auto* column = Column(central);

  Panel2 = Strip(central, "Panel2", 38);
  CBCategory = DeviceList(Panel2, "CBCategory", 8, 113, QColor(0, 0, 128));
  CBCategory->addItems({"PIC", "ｼﾘｱﾙROM"});
  NBToolBar = Named(new QStackedWidget(Panel2), "NBToolBar");
  NBToolBar->setGeometry(128, 0, 329, 38);
  NBToolBarPic = Named(new QWidget, "PIC");
  NBToolBarSerialRom = Named(new QWidget, "SerialRom");
  NBToolBar->addWidget(NBToolBarPic);
  NBToolBar->addWidget(NBToolBarSerialRom);
  CBPICDevice = DeviceList(NBToolBarPic, "CBPICDevice", 0, 139, QColor(0, 0, 255));
  for (int device = 0; device < kPicDeviceCount; ++device) CBPICDevice->addItem(kPicDevices[device].displayName);
  SBReadID = Button(NBToolBarPic, "SBReadID", 146, 4, Glyph::ReadId);
  SBWrPC = Button(NBToolBarPic, "SBWrPC", 176, 4, Glyph::WriteProgramConfig);
  SBReset = Button(NBToolBarPic, "SBReset", 214, 4, Glyph::Reset);
  SBPowerON = Button(NBToolBarPic, "SBPowerON", 254, 4, Glyph::PowerOn);
  SBPowerOFF = Button(NBToolBarPic, "SBPowerOFF", 284, 4, Glyph::PowerOff);
  CBSRomDevice = DeviceList(NBToolBarSerialRom, "CBSRomDevice", 0, 130, QColor(0, 0, 128));
  for (int device = 0; device < kSRomDeviceCount; ++device) CBSRomDevice->addItem(kSRomDevices[device].displayName);
  column->addWidget(Panel2);

  Body = Named(new QSplitter(Qt::Horizontal, central), "Body");
  Body->setHandleWidth(3);
  Body->setChildrenCollapsible(false);
  column->addWidget(Body, 1);

  PnlProg = Named(new QWidget, "PnlProg");
  auto* progColumn = Column(PnlProg);
  PnlProgTool = Strip(PnlProg, "PnlProgTool", kToolHeight);
  SBProgOpen = Button(PnlProgTool, "SBProgOpen", 9, 2, Glyph::OpenHex);
  SBBinProgOpen = Button(PnlProgTool, "SBBinProgOpen", 41, 2, Glyph::OpenBinary);
  SBBinProgSave = Button(PnlProgTool, "SBBinProgSave", 73, 2, Glyph::SaveBinary);
  SBProgReload = Button(PnlProgTool, "SBProgReload", 121, 2, Glyph::Reload);
  SBWriteProg = Button(PnlProgTool, "SBWriteProg", 161, 2, Glyph::WriteChip);
  SBReadProg = Button(PnlProgTool, "SBReadProg", 193, 2, Glyph::ReadChip);
  PnlProgTitle = Title(PnlProgTool, "PnlProgTitle");
  progColumn->addWidget(PnlProgTool);
  HexGrid = Named(new THexGrid(PnlProg), "HexGrid");
  progColumn->addWidget(HexGrid, 1);

  PnlData = Named(new QWidget, "PnlData");
  auto* dataColumn = Column(PnlData);
  PnlDataTool = Strip(PnlData, "PnlDataTool", kToolHeight);
  SBDataOpen = Button(PnlDataTool, "SBDataOpen", 1, 2, Glyph::OpenHex);
  SBBinDataOpen = Button(PnlDataTool, "SBBinDataOpen", 33, 2, Glyph::OpenBinary);
  SBBinDataSave = Button(PnlDataTool, "SBBinDataSave", 65, 2, Glyph::SaveBinary);
  SBDataReload = Button(PnlDataTool, "SBDataReload", 113, 2, Glyph::Reload);
  NBDataToolBar = Named(new QStackedWidget(PnlDataTool), "NBDataToolBar");
  NBDataToolBar->setGeometry(144, 0, 2 * kButtonSize + 4, kToolHeight - kTitleHeight);
  NBDataToolBarPic = Named(new QWidget, "PIC");
  NBDataToolBarSerialRom = Named(new QWidget, "SerialRom");
  NBDataToolBar->addWidget(NBDataToolBarPic);
  NBDataToolBar->addWidget(NBDataToolBarSerialRom);
  SBWriteData = Button(NBDataToolBarPic, "SBWriteData", 0, 2, Glyph::WriteDataChip);
  SBReadData = Button(NBDataToolBarPic, "SBReadData", kButtonSize + 2, 2, Glyph::ReadDataChip);
  SBSRomWrite = Button(NBDataToolBarSerialRom, "SBSRomWrite", 0, 2, Glyph::WriteChip);
  SBSRomRead = Button(NBDataToolBarSerialRom, "SBSRomRead", kButtonSize + 2, 2, Glyph::ReadChip);
  PnlDataTitle = Title(PnlDataTool, "PnlDataTitle");
  dataColumn->addWidget(PnlDataTool);
  DataHexGrid = Named(new THexGrid(PnlData), "DataHexGrid");
  dataColumn->addWidget(DataHexGrid, 1);

  Body->addWidget(PnlProg);
  Body->addWidget(PnlData);
  Body->setStretchFactor(0, 0);
  Body->setStretchFactor(1, 1);
  Body->setSizes({kProgPaneWidth, 414});
  window.setCentralWidget(central);

  QStatusBar* statusBar = window.statusBar();
  statusBar->setObjectName("StatusBar");
  statusBar->setSizeGripEnabled(false);
  statusBar->setFixedHeight(19);
  StatusPanel0 = Named(new QLabel(statusBar), "StatusPanel0");
  // 500 wide where there is room; on a narrow window it gives way to the
  // panels beside it, which show what the window works with.
  StatusPanel0->setMinimumWidth(200);
  StatusPanel0->setMaximumWidth(500);
  StatusPanel0->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
  StatusPanel1 = Named(new QLabel(statusBar), "StatusPanel1");
  StatusPanel1->setMinimumWidth(120);
  statusBar->addWidget(StatusPanel0);
  statusBar->addWidget(StatusPanel1);
}

}  // namespace tarvel

#include <QApplication>
#include <QLabel>
#include <QWheelEvent>
#include <QStackedWidget>

#include "MainWindowFixture.h"
#include "sim/Serial24xxChip.h"
#include "ui/components/HexGrid.h"

namespace tarvel::test {
namespace {

class CategoriesTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    WriteCurrentStore("Category=0\nPICDevice=40\nSRomDevice=1");
    StartShown();
    ASSERT_TRUE(messages.boxes.empty());
  }

  const MainFormLayout& Form() { return window->Form(); }
  const MainMenus& Menus() { return window->Menus(); }
  const TPWMainForm::Commands& Commands() { return window->Command(); }

  QStringList BarCaptions() {
    QStringList captions;
    for (QAction* action : window->menuBar()->actions()) captions << action->text();
    return captions;
  }
};

TEST_F(CategoriesTest, TwelveBitDeviceHidesTheDataPaneAndIdCommands) {
  ChooseInList(Form().CBPICDevice, PIC12C509);
  EXPECT_EQ(window->PicWrite().Device(), PIC12C509);
  EXPECT_TRUE(Form().PnlData->isHidden());
  EXPECT_FALSE(Menus().MenuData->menuAction()->isEnabled());
  EXPECT_FALSE(Menus().DispDataWindow->isEnabled());
  EXPECT_FALSE(Commands().ProgReadID->Available());
  EXPECT_FALSE(Commands().ProgWriteID->Available());
  EXPECT_FALSE(Form().SBReadID->isEnabled());
  EXPECT_EQ(Form().HexGrid->MaxAddress(), 0x3FF);

  ChooseInList(Form().CBPICDevice, PIC16F877);
  EXPECT_FALSE(Form().PnlData->isHidden());
  EXPECT_TRUE(Menus().MenuData->menuAction()->isEnabled());
  EXPECT_TRUE(Menus().DispDataWindow->isChecked());
  EXPECT_TRUE(Commands().ProgReadID->Available());
  EXPECT_TRUE(Commands().DataRead->Available());
  EXPECT_TRUE(Commands().DataWrite->Available());
  EXPECT_TRUE(Commands().DevErase->Available());
  EXPECT_EQ(Form().HexGrid->MaxAddress(), 0x1FFF);
  EXPECT_EQ(Form().DataHexGrid->MaxAddress(), 0xFF);
}

TEST_F(CategoriesTest, EpromDeviceWithoutDataMemoryKeepsIdButNotDataCommands) {
  ChooseInList(Form().CBPICDevice, PIC16C71);
  EXPECT_TRUE(Form().PnlData->isHidden());
  EXPECT_TRUE(Commands().ProgReadID->Available());
  EXPECT_FALSE(Commands().DataRead->Available());
  EXPECT_FALSE(Commands().DevErase->Available());
}

TEST_F(CategoriesTest, RevisedEpromDeviceIsOfferedAsItsSibling) {
  ChooseInList(Form().CBPICDevice, PIC16C65A);
  EXPECT_TRUE(messages.Texts().isEmpty()) << messages.Texts().join('|').toStdString();
  EXPECT_TRUE(Form().PnlData->isHidden());
  EXPECT_EQ(Form().CBPICDevice->currentText(), "PIC16C65A,B");
  EXPECT_TRUE(Commands().ProgReadID->Available());
  EXPECT_EQ(Form().HexGrid->MaxAddress(), 0xFFF);
}

TEST_F(CategoriesTest, SerialRomCategoryHasItsOwnBarAndAWideDataGrid) {
  ChooseInList(Form().CBCategory, 1);
  EXPECT_EQ(BarCaptions(), (QStringList{"ファイル(&F)", "デバイス(&I)", "データ(&D)", "オプション(&O)", "ヘルプ(&H)"}));
  EXPECT_TRUE(Form().PnlProg->isHidden());
  EXPECT_FALSE(Menus().MenuProg->menuAction()->isEnabled());
  EXPECT_EQ(Form().NBToolBar->currentWidget(), Form().NBToolBarSerialRom);
  EXPECT_EQ(Form().NBDataToolBar->currentWidget(), Form().NBDataToolBarSerialRom);
  EXPECT_EQ(Form().SBSRomWrite->toolTip(), "Write");
  EXPECT_EQ(Form().SBSRomRead->statusTip(), "Read");
  THexGrid& data = *Form().DataHexGrid;
  EXPECT_EQ(data.DataColCount(), 16);
  EXPECT_EQ(data.AddressDigits(), 5);
  EXPECT_EQ(data.MaxAddress(), 0xFF);
  EXPECT_EQ(data.Cells(0, 2), "00010H");
  EXPECT_EQ(data.Cells(16, 0), "+F");

  ChooseInList(Form().CBCategory, 0);
  EXPECT_EQ(BarCaptions(), (QStringList{"File(&F)", "Device(&I)", "Program(&P)", "Data(&D)", "Option(&O)",
                                        "View(&V)", "Help (&H)"}));
  EXPECT_FALSE(Form().PnlProg->isHidden());
  EXPECT_EQ(data.DataColCount(), 8);
  EXPECT_EQ(data.AddressDigits(), 3);
  EXPECT_EQ(data.MaxAddress(), 0x3F);
  EXPECT_EQ(data.Cells(0, 2), "008H");
}

TEST_F(CategoriesTest, DeviceChangeEmptiesBothGrids) {
  Form().HexGrid->WriteData(3, 0x1234);
  Form().DataHexGrid->WriteData(2, 0x56);
  ChooseInList(Form().CBPICDevice, PIC16F628);
  EXPECT_FALSE(Form().HexGrid->IsO(3));
  EXPECT_FALSE(Form().DataHexGrid->IsO(2));
  EXPECT_EQ(Form().DataHexGrid->MaxAddress(), 0x7F);
}

TEST_F(CategoriesTest, ChoosingTheShownDeviceAgainKeepsTheGrids) {
  Form().HexGrid->WriteData(3, 0x1234);
  ChooseInList(Form().CBPICDevice, PIC16F84);
  ChooseInList(Form().CBCategory, 0);
  EXPECT_EQ(Form().HexGrid->GetIntData(3), 0x1234);
}

TEST_F(CategoriesTest, AWheelTurnOverAListTheUserHasNotPickedKeepsTheDeviceAndTheGrids) {
  Form().HexGrid->WriteData(3, 0x1234);
  Form().HexGrid->setFocus();
  for (QComboBox* list : {Form().CBPICDevice, Form().CBCategory}) {
    const QPointF centre = list->rect().center();
    QWheelEvent wheel(centre, list->mapToGlobal(centre), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(list, &wheel);
  }
  EXPECT_EQ(window->PicWrite().Device(), PIC16F84);
  EXPECT_EQ(Form().CBCategory->currentIndex(), 0);
  EXPECT_EQ(Form().HexGrid->GetIntData(3), 0x1234);
  EXPECT_TRUE(messages.boxes.empty());
}

TEST_F(CategoriesTest, ViewMenuHidesAndRestoresAPaneWithItsContents) {
  Form().HexGrid->WriteData(7, 0x0ABC);
  ClickMenuItem(Menus().Disp, Menus().DispProgWindow);
  EXPECT_TRUE(Form().PnlProg->isHidden());
  EXPECT_FALSE(Menus().DispProgWindow->isChecked());
  ClickMenuItem(Menus().Disp, Menus().DispProgWindow);
  EXPECT_FALSE(Form().PnlProg->isHidden());
  EXPECT_TRUE(Menus().DispProgWindow->isChecked());
  EXPECT_EQ(Form().HexGrid->GetIntData(7), 0x0ABC);

  ClickMenuItem(Menus().Disp, Menus().DispDataWindow);
  EXPECT_TRUE(Form().PnlData->isHidden());
  EXPECT_FALSE(Menus().DispDataWindow->isChecked());
}

TEST_F(CategoriesTest, SwitchingBarsBackAndForthKeepsEveryItemAndItsState) {
  const QList<QAction*> picItems = Menus().MenuProg->actions();
  Commands().ProgReload->SetAvailable(true);
  ChooseInList(Form().CBCategory, 1);
  ChooseInList(Form().CBCategory, 0);
  ChooseInList(Form().CBCategory, 1);
  ChooseInList(Form().CBCategory, 0);
  EXPECT_EQ(Menus().MenuProg->actions(), picItems);
  EXPECT_TRUE(Menus().ProgReload->isEnabled());
  EXPECT_TRUE(Form().SBProgReload->isEnabled());
  ClickMenuItem(Menus().MenuProg, Menus().ProgNew);
  EXPECT_FALSE(Menus().ProgReload->isEnabled());
}

TEST_F(CategoriesTest, FunctionKeysRunTheCommandOfTheShownBar) {
  QStringList ran;
  Commands().DataWrite->SetHandler([&] { ran << "DataWriteClick"; });
  Commands().SRomDataWrite->SetHandler([&] { ran << "SRomDataWriteClick"; });
  Commands().ProgWriteP->SetHandler([&] { ran << "ProgWritePClick"; });
  PressKey(Qt::Key_F6);
  PressKey(Qt::Key_F7);
  ChooseInList(Form().CBCategory, 1);
  PressKey(Qt::Key_F7);
  PressKey(Qt::Key_F6);  // the program commands are not on this bar
  EXPECT_EQ(ran, (QStringList{"ProgWritePClick", "DataWriteClick", "SRomDataWriteClick"}));
}

TEST_F(CategoriesTest, AToolButtonAndItsMenuItemRunOneCommand) {
  int runs = 0;
  Commands().ProgReadP->SetHandler([&] { ++runs; });
  EXPECT_TRUE(Form().SBReadProg->isEnabled());
  ClickButton(Form().SBReadProg);
  ClickMenuItem(Menus().MenuProg, Menus().ProgReadP);
  EXPECT_EQ(runs, 2);
  Commands().ProgReadP->SetAvailable(false);
  EXPECT_FALSE(Form().SBReadProg->isEnabled());
  EXPECT_FALSE(Menus().ProgReadP->isEnabled());
}

TEST_F(CategoriesTest, EveryCommandHasItsHandlerAndDeadItemsStayOff) {
  for (QAction* item : {Menus().Option256Color, Menus().SRomOption256Color}) {
    EXPECT_FALSE(item->isEnabled()) << item->objectName().toStdString();
  }
  // The grids' own items: undo and redo wait for a change.
  for (const MainMenus::GridItems& items :
       {Menus().ProgGridItems, Menus().DataGridItems, Menus().SRomDataGridItems}) {
    for (QAction* item : {items.find, items.findNext, items.findPrevious, items.goTo, items.fill, items.copy,
                          items.paste}) {
      EXPECT_TRUE(item->isEnabled()) << item->objectName().toStdString();
    }
    EXPECT_FALSE(items.undo->isEnabled());
    EXPECT_FALSE(items.redo->isEnabled());
  }
  const TPWMainForm::Commands& c = Commands();
  for (WindowCommand* command :
       {c.DeviceWriteAll, c.DevErase, c.DevECheck, c.DevCodeProtect, c.DevReset, c.ProgWriteC, c.ProgReadC,
        c.ProgWriteID, c.ProgReadID, c.ProgWritePC, c.PowerON, c.PowerOFF, c.ProgWriteP, c.ProgReadP,
        c.ProgCompare, c.ProgHexSave, c.DataHexSave, c.DataWrite, c.DataRead, c.DataCompare, c.SRomDevErase,
        c.SRomDevEraseCheck, c.SRomDataWrite, c.SRomDataRead, c.SRomDataCompare, c.OptionWrite, c.OptionFileSet, c.OptionWriterTest,
        c.HelpVersion}) {
    EXPECT_TRUE(command->Implemented());
  }
  EXPECT_TRUE(Menus().OptionWrite->isEnabled());
  EXPECT_TRUE(Menus().HelpVersion->isEnabled());
}

TEST_F(CategoriesTest, MenuItemsCarryTheirKeysAndHints) {
  EXPECT_EQ(Menus().DeviceWriteAll->shortcut(), QKeySequence(Qt::Key_F5));
  EXPECT_EQ(Menus().ProgWriteP->shortcut(), QKeySequence(Qt::Key_F6));
  EXPECT_EQ(Menus().DataWrite->shortcut(), QKeySequence(Qt::Key_F7));
  EXPECT_EQ(Menus().ProgReadP->shortcut(), QKeySequence(Qt::Key_F9));
  EXPECT_EQ(Menus().DataRead->shortcut(), QKeySequence(Qt::Key_F10));
  EXPECT_EQ(Menus().ProgReadC->shortcut(), QKeySequence(Qt::Key_F11));
  EXPECT_EQ(Menus().DevReset->shortcut(), QKeySequence(Qt::Key_F12));
  EXPECT_EQ(Menus().DataWrite->statusTip(), "データをPICに書き込みます。");
  EXPECT_EQ(Form().SBProgOpen->toolTip(), "Open HEX");
  EXPECT_EQ(Form().SBProgOpen->statusTip(), "Open HEX file of Program.");
  EXPECT_EQ(Form().CBCategory->toolTip(), "Device Category");
}

TEST_F(CategoriesTest, HintsReachTheFirstStatusPanel) {
  QTest::mouseMove(Form().SBBinProgSave);
  EXPECT_TRUE(WaitFor([&] { return Form().StatusPanel0->text() == "Save program as binary."; }))
      << Form().StatusPanel0->text().toStdString();
}

TEST_F(CategoriesTest, SimulatedSocketFollowsTheDeviceAndKeepsEachChip) {
  WriterAccess& writer = window->Writer();
  ASSERT_TRUE(writer.IsSimulated());
  ASSERT_NE(writer.Simulator().FlashPic(), nullptr);

  ChooseInList(Form().CBCategory, 1);
  ASSERT_NE(writer.Simulator().SerialRom(), nullptr);
  EXPECT_EQ(writer.Simulator().SerialRom()->Device(), SROM24xx02);
  writer.Simulator().SerialRom()->SetByte(5, 0x42);

  ChooseInList(Form().CBSRomDevice, SROM24xx04);
  EXPECT_EQ(writer.Simulator().SerialRom()->Device(), SROM24xx04);
  EXPECT_EQ(writer.Simulator().SerialRom()->Byte(5), 0xFF);

  ChooseInList(Form().CBSRomDevice, SROM24xx02);
  EXPECT_EQ(writer.Simulator().SerialRom()->Byte(5), 0x42) << "the chip keeps its contents for the run";
  // The engine reaches that chip through the window's port.
  window->SRomWrite().PowerON();
  EXPECT_EQ(window->SRomWrite().Read(5), 0x42);
}

TEST_F(CategoriesTest, AnExceptionInACommandIsShownAndTheProgramGoesOn) {
  Commands().DevReset->SetHandler([] { throw std::runtime_error("the writer went away"); });
  ClickButton(Form().SBReset);
  ASSERT_EQ(messages.boxes.size(), 1u);
  EXPECT_EQ(messages.boxes[0].text, "the writer went away");
  EXPECT_EQ(messages.boxes[0].icon, MessageIcon::Error);
  ChooseInList(Form().CBPICDevice, PIC16F877);
  EXPECT_EQ(window->PicWrite().Device(), PIC16F877);
}

}  // namespace
}  // namespace tarvel::test

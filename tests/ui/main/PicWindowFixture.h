#pragma once

#include "MainWindowFixture.h"
#include "sim/PicChip.h"
#include "ui/components/HexGrid.h"

namespace tarvel::test {

// A window on the simulated writer in the PIC category, with short ways to
// its chip, its menus and both panes' grids.
class PicWindowTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    StartOnSimulator();
  }

  // Selects the device as the list does; the boxes of the change are forgotten.
  void Use(PIC_DEVICES device) {
    window->ApplyPicDevice(device);
    messages.Forget();
  }

  PicChip& Chip() { return *Simulator().Pic(); }
  const MainMenus& Menus() { return window->Menus(); }
  const MainFormLayout& Form() { return window->Form(); }
  THexGrid& Program() { return *Form().HexGrid; }
  THexGrid& Data() { return *Form().DataHexGrid; }
};

}  // namespace tarvel::test

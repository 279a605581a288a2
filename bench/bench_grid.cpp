// How long the largest image takes to reach the screen: a 24xx256 (32768
// bytes) in the serial EEPROM layout of the data grid, 16 columns.
#include "ui/components/HexCellText.h"
#include "ui/components/HexGrid.h"

#include <QApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

constexpr int kLastAddress = 0x7FFF;

void LayOutAsSerialRomGrid(tarvel::THexGrid& grid) {
  grid.SetDataColCount(16);
  grid.SetAddressCellWidth(60);
  grid.SetAddressDigits(5);
  grid.SetDataCellWidth(30);
  grid.DataDigit = 2;
  grid.resize(620, 480);
}

void Fill(tarvel::THexGrid& grid, int seed) {
  grid.SetMaxAddress(kLastAddress);
  grid.Clear();
  for (int address = 0; address <= kLastAddress; ++address) {
    grid.WriteData(address, (address * 7 + seed) & 0xFF);
  }
}

// Layout requests are posted events; repaint() then paints synchronously.
void ShowNow(tarvel::THexGrid& grid) {
  grid.show();
  QApplication::processEvents();
  grid.repaint();
}

// A new grid filled and shown, as after a file load into a fresh window.
double FillAndShowMs(int seed) {
  QElapsedTimer timer;
  timer.start();
  auto grid = std::make_unique<tarvel::THexGrid>();
  LayOutAsSerialRomGrid(*grid);
  Fill(*grid, seed);
  ShowNow(*grid);
  return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

// The grid already on screen gets a whole new image, as after reading a chip.
double RefillShownMs(tarvel::THexGrid& grid, int seed) {
  QElapsedTimer timer;
  timer.start();
  Fill(grid, seed);
  QApplication::processEvents();
  grid.repaint();
  return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

double MsSince(const QElapsedTimer& timer) { return static_cast<double>(timer.nsecsElapsed()) / 1e6; }

// The whole shown image given one value as one undoable step, and that
// step undone: what a fill of a 24xx256 and its Ctrl+Z cost.
std::pair<double, double> FillAndUndoAllMs(tarvel::THexGrid& grid, int value) {
  const tarvel::THexGrid::CellValues values(kLastAddress + 1, value);
  QElapsedTimer timer;
  timer.start();
  grid.ChangeCells("Fill", 0, values);
  QApplication::processEvents();
  grid.repaint();
  const double fill = MsSince(timer);
  timer.restart();
  grid.UndoStack().undo();
  QApplication::processEvents();
  grid.repaint();
  return {fill, MsSince(timer)};
}

// A search that finds nothing looks at every address.
double FindMissMs(const tarvel::THexGrid& grid) {
  QElapsedTimer timer;
  timer.start();
  const int32_t found = tarvel::FindCells(grid, {0x100, 0x100}, 0, true);
  const double ms = MsSince(timer);
  if (found != -1) std::abort();
  return ms;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);

  const double first = FillAndShowMs(0);
  std::vector<double> fresh;
  for (int run = 1; run <= 7; ++run) fresh.push_back(FillAndShowMs(run));

  tarvel::THexGrid shown;
  LayOutAsSerialRomGrid(shown);
  Fill(shown, 0);
  ShowNow(shown);
  std::vector<double> refills;
  for (int run = 1; run <= 7; ++run) refills.push_back(RefillShownMs(shown, run));

  std::vector<double> fills;
  std::vector<double> undos;
  std::vector<double> misses;
  for (int run = 1; run <= 7; ++run) {
    const auto [fill, undo] = FillAndUndoAllMs(shown, run);
    fills.push_back(fill);
    undos.push_back(undo);
    misses.push_back(FindMissMs(shown));
  }

  std::printf("grid_32k_fill_show_ms %.1f ms\n", Median(fresh));
  std::printf("grid_32k_fill_show_first_ms %.1f ms\n", first);
  std::printf("grid_32k_refill_shown_ms %.1f ms\n", Median(refills));
  std::printf("grid_32k_fill_command_ms %.1f ms\n", Median(fills));
  std::printf("grid_32k_undo_fill_ms %.1f ms\n", Median(undos));
  std::printf("grid_32k_find_miss_ms %.1f ms\n", Median(misses));
  return 0;
}

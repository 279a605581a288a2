#pragma once

#include <QObject>
#include <QTimer>
#include <cstdint>
#include <functional>
#include <optional>

class QLabel;
class QStatusBar;

namespace tarvel {

class THexGrid;

// The status bar's account of the two images, so that a user can tell two
// images apart at a glance: the program checksum as PIC tools show it, the
// data image's CRC-32 and the configuration word that goes with the
// program. It follows every change of either grid.
class ImageStatus : public QObject {
  Q_OBJECT

 public:
  // What the window shows at the moment.
  struct Facts {
    bool program = false;  // a PIC's program pane
    bool data = false;     // a data pane (PIC data EEPROM or serial EEPROM)
    uint16_t wordMask = 0x3FFF;
    std::optional<uint16_t> config;
    bool configFromFile = false;
  };

  ImageStatus(QStatusBar& bar, const THexGrid& program, const THexGrid& data, std::function<Facts()> facts);

  // Recounts once the events of the moment are done; a burst of cell
  // changes (a whole chip read) is counted once.
  void Refresh();
  // The tool tip and the account in the language now in effect.
  void Retranslate();
  const QLabel& Label() const { return *label_; }

 private:
  void Watch(const THexGrid& grid);
  void Show();

  const THexGrid& program_;
  const THexGrid& data_;
  std::function<Facts()> facts_;
  QLabel* label_;
  QTimer pending_;
};

}  // namespace tarvel

#pragma once

#include <QLabel>
#include <QString>

namespace tarvel {

// The strip above a grid that names its image. A long path is shortened in
// the middle to fit, with the whole text in the tool tip, so that the file
// name at its end always shows.
class TitlePanel : public QLabel {
 public:
  explicit TitlePanel(QWidget* parent = nullptr);

  void SetCaption(const QString& caption);
  const QString& Caption() const { return caption_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void UpdateShownText();

  QString caption_;
};

}  // namespace tarvel

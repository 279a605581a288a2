#include "ui/main/WindowMessages.h"

namespace tarvel {

void WindowMessages::Show(const std::string& text) {
  Box(QString::fromStdString(text), QString(), MessageIcon::None, Buttons::Ok);
}

void WindowMessages::ShowBox(const std::string& text, const std::string& caption, MessageIcon icon) {
  Box(QString::fromStdString(text), QString::fromStdString(caption), icon, Buttons::Ok);
}

}  // namespace tarvel

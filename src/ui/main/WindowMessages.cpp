#include "ui/main/WindowMessages.h"

#include <QFileInfo>

#include "language/CoreTexts.h"

namespace tarvel {

void WindowMessages::Show(const std::string& text) {
  Box(CoreTexts::Translated(text), QString(), MessageIcon::None, Buttons::Ok);
}

void WindowMessages::ShowBox(const std::string& text, const std::string& caption, MessageIcon icon) {
  Box(CoreTexts::Translated(text), CoreTexts::Translated(caption), icon, Buttons::Ok);
}

QString WindowMessages::SaveFileNameAndFilter(const FileDialogRequest& request, int& filter) {
  filter = 0;
  return SaveFileName(request);
}

QString WindowMessages::AskSavePath(const FileDialogRequest& request, int& filter,
                                    const std::function<QString(const QString& path)>& overwriteQuestion,
                                    const QString& overwriteCaption) {
  for (;;) {
    const QString path = SaveFileNameAndFilter(request, filter);
    if (path.isEmpty() || !QFileInfo::exists(path)) return path;
    if (Box(overwriteQuestion(path), overwriteCaption, MessageIcon::Warning, Buttons::YesNo)) return path;
  }
}

bool WindowMessages::AskWithCheck(const QString& text, const QString& caption, const QString&, bool& checked) {
  checked = false;
  return Box(text, caption, MessageIcon::None, Buttons::YesNo);
}

}  // namespace tarvel

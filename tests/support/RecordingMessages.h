#pragma once

#include <string>
#include <vector>

#include "platform/UserMessages.h"

namespace tarvel::test {

// Records every message box a core component shows.
class RecordingMessages : public UserMessages {
 public:
  struct Box {
    std::string text;
    std::string caption;  // empty for the simple box
    MessageIcon icon;
  };

  void Show(const std::string& text) override { boxes.push_back({text, "", MessageIcon::None}); }
  void ShowBox(const std::string& text, const std::string& caption, MessageIcon icon) override {
    boxes.push_back({text, caption, icon});
  }

  std::vector<std::string> Texts() const {
    std::vector<std::string> texts;
    for (const Box& box : boxes) texts.push_back(box.text);
    return texts;
  }

  std::vector<Box> boxes;
};

}  // namespace tarvel::test

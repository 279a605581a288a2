#pragma once

#include <string>

namespace tarvel {

enum class MessageIcon { None, Information, Warning, Error };

// How core components show their own message boxes. The window supplies the
// real boxes; tests supply a recorder.
class UserMessages {
 public:
  virtual ~UserMessages() = default;
  // The simple box: application title as caption, OK, no icon.
  virtual void Show(const std::string& text) = 0;
  virtual void ShowBox(const std::string& text, const std::string& caption, MessageIcon icon) = 0;
};

}  // namespace tarvel

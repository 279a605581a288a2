#pragma once

#include <QCoreApplication>
#include <QString>
#include <string>
#include <vector>

namespace tarvel {

// The texts of the core (engine results, the HEX reader's and the port's
// messages, the parts of a HEX file) in the language of the window. The core
// words each once, in UTF-8; here a text is recognised by its wording, its
// fields (addresses, values, names, line numbers) taken out, and worded again
// with the same fields. A field that is itself a core text is translated in
// turn. A text that is no core text stays as it is.
class CoreTexts {
  Q_DECLARE_TR_FUNCTIONS(CoreTexts)

 public:
  static QString Translated(const QString& text);
  static QString Translated(const std::string& text) { return Translated(QString::fromStdString(text)); }
  static QString Translated(const char* text) { return Translated(QString::fromUtf8(text)); }
  // Whether the text is one of the core's, so that the tests can keep this
  // table and the core's wordings together.
  static bool Known(const QString& text);

  // A part of the core's texts on its own, such as the name of a writer.
  static QString Part(const std::string& part);
  // Core parts put together in the window's language: "a, b and c" where
  // the last joint is And, "a, b, c" where it is Comma.
  enum class LastJoint { And, Comma };
  static QString List(const std::vector<std::string>& parts, LastJoint lastJoint);
};

}  // namespace tarvel

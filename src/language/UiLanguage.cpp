#include "language/UiLanguage.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace tarvel {
namespace {

UiLanguage current = UiLanguage::Original;

// Our catalogue and Qt's; both outlive every window.
QTranslator& Catalogue() {
  static QTranslator catalogue;
  return catalogue;
}

QTranslator& QtCatalogue() {
  static QTranslator catalogue;
  return catalogue;
}

}  // namespace

void ApplyUiLanguage(UiLanguage language) {
  current = language;
  QCoreApplication::removeTranslator(&Catalogue());
  QCoreApplication::removeTranslator(&QtCatalogue());
  // The original texts are those of the sources themselves: no catalogue.
  if (language != UiLanguage::Original) {
    const char* name = language == UiLanguage::English ? ":/i18n/tarvel_en.qm" : ":/i18n/tarvel_ja.qm";
    if (Catalogue().load(name)) QCoreApplication::installTranslator(&Catalogue());
  }
  // Qt's buttons and file dialogs speak English unless told otherwise.
  if (language == UiLanguage::Japanese &&
      QtCatalogue().load("qtbase_ja", QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QCoreApplication::installTranslator(&QtCatalogue());
  }
  // The application posts the change to every window; delivered now, every
  // text is worded anew before anything else happens.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
}

UiLanguage CurrentUiLanguage() { return current; }

UiLanguage EnvironmentLanguage() {
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const QString locale = qEnvironmentVariable(name);
    if (locale.isEmpty()) continue;
    // QLocale reads "ja", "ja_JP.UTF-8" and "ja_JP.eucJP@..." alike, and
    // takes no other language for Japanese because it begins with "ja".
    return QLocale(locale).language() == QLocale::Japanese ? UiLanguage::Japanese : UiLanguage::English;
  }
  return UiLanguage::English;
}

}  // namespace tarvel

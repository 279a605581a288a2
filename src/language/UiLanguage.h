#pragma once

namespace tarvel {

// The language of the program's texts: the original texts, as the window has
// always shown them (English with the serial ROM half and a number of
// messages in Japanese), or every text in English, or every text in Japanese.
// The values are those the settings store keeps under Form\Language.
enum class UiLanguage { Original = 0, English = 1, Japanese = 2 };
constexpr int kUiLanguageCount = 3;

// Puts a language into effect for the whole program: its catalogue (and, for
// Japanese, Qt's own texts where the system has them) is installed, and every
// window is told at once, so that menus, hints and dialogs word their texts
// again before this returns.
void ApplyUiLanguage(UiLanguage language);
UiLanguage CurrentUiLanguage();

// The language of a program that has no stored choice, from its environment
// as gettext programs read it: the first of LC_ALL, LC_MESSAGES and LANG that
// is set names the locale. Japanese for a Japanese locale, English for any
// other, C and POSIX included.
UiLanguage EnvironmentLanguage();

}  // namespace tarvel

#pragma once

// The window's language. Captions and messages of the window go through Qt's
// translation files (translations/velmora_<code>.ts, compiled into the
// program); the reading's names and paragraphs come from the core's tables in
// the same language, so that the window and the command line print the same texts.

#include <QString>
#include <optional>
#include <string_view>

#include "texts/language_texts.h"

class QObject;
class QWidget;

namespace velmora {

class Platform;

// The settings key under which the reader's choice is kept ("en" or "ta").
inline const QString kLanguageSetting = QStringLiteral("Language");

// The code a language is stored under, and the language of a stored code.
QString LanguageCode(Language language);
std::optional<Language> LanguageOfCode(const QString& code);

// The saved choice, else Tamil when the system's locale is Tamil, else English.
Language StartingLanguage(Platform& platform);

// Makes `language` the language of every caption translated from now on; the
// widgets that are already shown receive QEvent::LanguageChange.
void InstallTranslation(Language language);

// Whether captions are shown in a translation rather than in English.
bool TranslationInstalled();

// A text of the core in `language`: English texts are single bytes, as in a
// saved reading; Tamil texts are UTF-8, except lines read from a file, which
// stay single bytes.
QString FromCore(std::string_view text, Language language);

// The name of month `index` (0 is January) in the installed translation.
inline constexpr std::size_t kMonthCount = 12;
QString MonthName(std::size_t index);

// A message of the form's checks or of a saved file, in `language`.
QString CheckMessageFor(CheckMessage message, Language language);

// Gives a widget or action the translation of `source` in `context` as its
// caption (text, title, or else accessible name) and remembers the source, so
// that RetranslateCaptions() can follow a change of language.
void SetCaption(QObject* object, const char* context, const char* source);
void SetAccessibleCaption(QWidget* widget, const char* context, const char* source);
template <class W> W* Captioned(W* object, const char* context, const char* source) {
    SetCaption(object, context, source);
    return object;
}

// A source that means two things in English, told apart for the translator:
// QT_TRANSLATE_NOOP3(context, "Min", "minutes of arc").
struct AmbiguousSource {
    const char* source;
    const char* disambiguation;
};
void SetCaption(QObject* object, const char* context, AmbiguousSource source);
template <class W> W* Captioned(W* object, const char* context, AmbiguousSource source) {
    SetCaption(object, context, source);
    return object;
}

// Translates again every caption under `root` that SetCaption() gave.
void RetranslateCaptions(const QObject* root);

} // namespace velmora

#pragma once
// "Translations.txt": numbered messages, tips, the offered languages and the captions and hints of
// each window, for every language. A section starts at a line that is exactly "[name]" and ends
// before the next line starting with "["; within it only the lines whose first two characters are
// the current language code count. In an entry line the key is the text before the first "=" and
// the value the text after it.

#include <QString>
#include <QStringList>

namespace services {

inline const QString kTranslationsFileName = QStringLiteral("Translations.txt");

// The current language's lines of the first section of that name, whole or values only.
// A language code that is not two characters long matches no line.
QStringList ReadTranslationSection(const QStringList& fileLines, const QString& section,
                                   const QString& language, bool valuesOnly);
// The same over a file; a missing or unreadable file gives no line.
QStringList ReadTranslationSection(const QString& path, const QString& section,
                                   const QString& language, bool valuesOnly);

// The value of the first line whose key equals key without regard to case, or an empty text.
QString TranslationValue(const QStringList& lines, const QString& key);

// Message number (from 1) of the current language, or defaultText when there is none. The first
// "%s" takes a1 and the second a2; a third stays. The escapes "\n" (line break), "\039" (') and
// "\\" (\) apply, in that order, to the message's own text; the arguments are inserted as given.
QString GetMessageText(const QStringList& messages, const QString& defaultText, int number,
                       const QString& a1 = {}, const QString& a2 = {});

// Every occurrence of oldText, found from left to right without overlap, becomes newText; the
// inserted text is not searched again. An empty oldText changes nothing.
QString ReplaceAll(const QString& text, const QString& oldText, const QString& newText);
// The same, with the letters a to z matched without regard to case.
QString ReplaceAllNoCase(const QString& text, const QString& oldText, const QString& newText);

// Captions turn "\039" into "'"; hints also turn "\n" into a line break.
QString CaptionText(const QString& value);
QString HintText(const QString& value);

// The language codes of section "Languages" (label=code lines, read as INI entries) in file order,
// the placeholder code "xx" left out.
QStringList LanguageCodes(const QString& path);

} // namespace services

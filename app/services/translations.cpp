#include "app/services/translations.h"

#include "app/services/ini_file.h"
#include "app/services/text_file.h"

#include <algorithm>

namespace services {

namespace {

const QString kApostropheEscape = QStringLiteral("\\039");
const QString kLineBreakEscape = QStringLiteral("\\n");
const QString kPlaceholder = QStringLiteral("%s");

QStringList FileLines(const QString& path) {
    return SplitLines(ReadTextFile(path).text);
}

QString ValueOf(const QString& line) {
    const qsizetype equals = line.indexOf(u'=');
    return equals < 0 ? QString() : line.mid(equals + 1);
}

QString KeyOf(const QString& line) {
    const qsizetype equals = line.indexOf(u'=');
    return equals < 0 ? line : line.left(equals);
}

QString UnescapeMessage(const QString& text) {
    QString result = ReplaceAll(text, kLineBreakEscape, kLineBreak);
    result = ReplaceAll(result, kApostropheEscape, QStringLiteral("'"));
    return ReplaceAll(result, QStringLiteral("\\\\"), QStringLiteral("\\"));
}

char16_t FoldAsciiCase(QChar c) {
    const char16_t u = c.unicode();
    return (u >= u'A' && u <= u'Z') ? char16_t(u - u'A' + u'a') : u;
}

bool MatchesNoCaseAt(const QString& text, qsizetype at, const QString& pattern) {
    for (qsizetype i = 0; i < pattern.size(); ++i)
        if (FoldAsciiCase(text.at(at + i)) != FoldAsciiCase(pattern.at(i)))
            return false;
    return true;
}

} // namespace

QStringList ReadTranslationSection(const QStringList& fileLines, const QString& section,
                                   const QString& language, bool valuesOnly) {
    QStringList target;
    const QString header = u'[' + section + u']';
    auto line = std::find(fileLines.cbegin(), fileLines.cend(), header);
    if (line == fileLines.cend() || language.size() != 2)
        return target;
    for (++line; line != fileLines.cend() && !line->startsWith(u'['); ++line)
        if (line->startsWith(language))
            target.append(valuesOnly ? ValueOf(*line) : *line);
    return target;
}

QStringList ReadTranslationSection(const QString& path, const QString& section,
                                   const QString& language, bool valuesOnly) {
    return ReadTranslationSection(FileLines(path), section, language, valuesOnly);
}

QString TranslationValue(const QStringList& lines, const QString& key) {
    for (const QString& line : lines)
        if (KeyOf(line).compare(key, Qt::CaseInsensitive) == 0)
            return ValueOf(line);
    return {};
}

QString GetMessageText(const QStringList& messages, const QString& defaultText, int number,
                       const QString& a1, const QString& a2) {
    const QString text =
        number > 0 && number <= messages.size() ? messages.at(number - 1) : defaultText;
    // Cut at the first two "%s" so that the escapes never reach the arguments (file paths).
    QString result;
    qsizetype from = 0;
    for (const QString& argument : {a1, a2}) {
        const qsizetype at = text.indexOf(kPlaceholder, from);
        if (at < 0)
            break;
        result += UnescapeMessage(text.mid(from, at - from)) + argument;
        from = at + kPlaceholder.size();
    }
    return result + UnescapeMessage(text.mid(from));
}

QString ReplaceAll(const QString& text, const QString& oldText, const QString& newText) {
    if (oldText.isEmpty())
        return text;
    return QString(text).replace(oldText, newText, Qt::CaseSensitive);
}

QString ReplaceAllNoCase(const QString& text, const QString& oldText, const QString& newText) {
    if (oldText.isEmpty())
        return text;
    QString result;
    qsizetype i = 0;
    while (i < text.size()) {
        if (i + oldText.size() <= text.size() && MatchesNoCaseAt(text, i, oldText)) {
            result += newText;
            i += oldText.size();
        } else {
            result += text.at(i++);
        }
    }
    return result;
}

QString CaptionText(const QString& value) {
    return ReplaceAll(value, kApostropheEscape, QStringLiteral("'"));
}

QString HintText(const QString& value) {
    return ReplaceAll(CaptionText(value), kLineBreakEscape, kLineBreak);
}

QStringList LanguageCodes(const QString& path) {
    QStringList codes;
    const IniFile ini = IniFile::Parse(ReadTextFile(path).text);
    for (const auto& [label, code] : ini.SectionEntries(QStringLiteral("Languages")))
        if (code != QStringLiteral("xx"))
            codes.append(code);
    return codes;
}

} // namespace services

// The translation section reader and GetMessageText, from the bytes of "Translations.txt" as the
// program reads them. Invariants: a section gives only lines of the current language, its values
// are the texts after their first "="; a message takes its arguments as they are, in their order,
// and a message without escape or placeholder is shown as it stands.
#include "fuzz/fuzz_check.h"

#include "app/services/text_file.h"
#include "app/services/translations.h"

#include <algorithm>

namespace {

using fuzz::Require;

const QString kDefaultText = QStringLiteral("défaut %s et %s");
// Arguments that look like escapes and placeholders: they must reach the text unchanged.
const QString kFirstArgument = QStringLiteral("<1 \\n %s \\039>");
const QString kSecondArgument = QStringLiteral("<2 \\\\ %s>");
// Messages tried per input: enough for the shipped file, bounded for speed.
constexpr int kMessagesTried = 64;

QStringList CheckedSection(const QStringList& lines, const QString& section,
                           const QString& language) {
    const QStringList whole = services::ReadTranslationSection(lines, section, language, false);
    const QStringList values = services::ReadTranslationSection(lines, section, language, true);
    Require(whole.size() == values.size(), "a section gives as many values as lines");
    for (qsizetype i = 0; i < whole.size(); ++i) {
        Require(whole[i].startsWith(language), "a section gives only the language's lines");
        const qsizetype equals = whole[i].indexOf(u'=');
        Require(values[i] == (equals < 0 ? QString() : whole[i].sliced(equals + 1)),
                "a value is the text after the first =");
    }
    return values;
}

void CheckMessage(const QStringList& messages, int number) {
    const QString text =
        number >= 1 && number <= messages.size() ? messages[number - 1] : kDefaultText;
    const QString shown =
        services::GetMessageText(messages, kDefaultText, number, kFirstArgument, kSecondArgument);
    const qsizetype placeholders = std::min<qsizetype>(text.count(QStringLiteral("%s")), 2);
    const qsizetype first = shown.indexOf(kFirstArgument);
    if (placeholders >= 1)
        Require(first >= 0, "the first argument is shown as given");
    if (placeholders == 2)
        Require(shown.indexOf(kSecondArgument, first + kFirstArgument.size()) >= 0,
                "the second argument is shown as given, after the first");
    if (!text.contains(u'\\') && placeholders == 0)
        Require(shown == text, "a message without escape or placeholder is shown as it stands");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QStringList lines =
        services::SplitLines(services::DecodeText(fuzz::InputBytes(data, size)));
    for (const QString& language : {QStringLiteral("fr"), QStringLiteral("en")}) {
        const QStringList messages = CheckedSection(lines, QStringLiteral("Messages"), language);
        for (int number = 0; number <= std::min<int>(int(messages.size()) + 1, kMessagesTried);
             ++number)
            CheckMessage(messages, number);
        for (const QString& tip : CheckedSection(lines, QStringLiteral("Tips"), language))
            Require(!services::ReplaceAllNoCase(tip, QStringLiteral("#13#10"), services::kLineBreak)
                         .contains(QStringLiteral("#13#10"), Qt::CaseInsensitive),
                    "a tip keeps no line-break code");
        for (const QString& caption : CheckedSection(lines, QStringLiteral("FormMain"), language))
            Require(!services::HintText(caption).contains(QStringLiteral("\\039")),
                    "a caption or hint keeps no apostrophe escape");
    }
    return 0;
}

// The "version.txt" parser, from the downloaded bytes as the version check reads them.
// Invariants: its values are single lines without blanks at their ends; a file without a number
// tells nothing; otherwise the check says the version is up to date exactly when the numbers
// match, and else shows the three info lines, or nothing when they are all empty; the values
// written back into a new "version.txt" read back the same.
#include "fuzz/fuzz_check.h"

#include "app/core/downloaded_version.h"
#include "app/services/ini_file.h"
#include "app/services/text_file.h"

namespace {

using fuzz::Require;

const QString kProgramVersion = QStringLiteral("1.00");

bool IsSingleTrimmedLine(const QString& value) {
    return value == value.trimmed() && !value.contains(u'\n') && !value.contains(u'\r');
}

QString Rewritten(const app::VersionFile& file) {
    services::IniFile ini;
    const QString info = QStringLiteral("info");
    Require(ini.WriteString(QStringLiteral("version"), QStringLiteral("numero"), file.numero) &&
                ini.WriteString(info, QStringLiteral("info1"), file.info1) &&
                ini.WriteString(info, QStringLiteral("info2"), file.info2) &&
                ini.WriteString(info, QStringLiteral("info3"), file.info3),
            "every value read can be written");
    return ini.ToText();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const app::VersionFile file =
        app::ParseVersionFile(services::DecodeText(fuzz::InputBytes(data, size)));
    for (const QString& value : {file.numero, file.info1, file.info2, file.info3})
        Require(IsSingleTrimmedLine(value), "values are single lines without blanks at the ends");

    const bool hasNumber = !file.numero.isEmpty();
    Require(app::VersionCheckMessage(file, file.numero) == (hasNumber ? app::kUpToDate : QString()),
            "the same number is up to date; no number tells nothing");
    const QString message = app::VersionCheckMessage(file, kProgramVersion);
    const QStringList infoLines{file.info1, file.info2, file.info3};
    if (file.numero != kProgramVersion) {
        const bool tells = hasNumber && !infoLines.join(QString()).isEmpty();
        Require(tells ? message.split(services::kLineBreak) == infoLines : message.isEmpty(),
                "another number shows the three info lines, or nothing when there are none");
    }

    const app::VersionFile again = app::ParseVersionFile(Rewritten(file));
    Require(again.numero == file.numero && again.info1 == file.info1 && again.info2 == file.info2 &&
                again.info3 == file.info3,
            "the values written back read the same");
    return 0;
}

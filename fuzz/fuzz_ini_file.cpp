// The INI reader and writer of "Settings.ini", from the file's bytes as the program reads them.
// Invariants: every key of the text is read (in the first section of each name, the one that
// counts); rewriting keeps each with its value and reads back to the same text; saving the
// settings read from it keeps every key it had, leaves the sections the settings do not own
// untouched, and reads back the same settings.
#include "fuzz/fuzz_check.h"

#include "app/services/ini_file.h"
#include "app/services/settings.h"
#include "app/services/text_file.h"

#include <QList>

#include <algorithm>
#include <utility>

namespace {

using services::IniFile;
using SectionKey = std::pair<QString, QString>;

bool SameName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// The (section, key) of every "key=value" line in the first "[section]" of each name (the one the
// program reads), found without the parser.
QList<SectionKey> KeysOf(const QString& text) {
    QList<SectionKey> keys;
    QStringList sectionsSeen;
    bool firstOfItsName = false;
    for (const QString& rawLine : services::SplitLines(text)) {
        const QString line = rawLine.trimmed();
        if (line.startsWith(u'[') && line.endsWith(u']')) {
            const QString section = line.sliced(1, line.size() - 2).trimmed();
            firstOfItsName =
                std::none_of(sectionsSeen.begin(), sectionsSeen.end(),
                             [&](const QString& seen) { return SameName(seen, section); });
            sectionsSeen.append(section);
        } else if (firstOfItsName && !line.startsWith(u';') && line.contains(u'=')) {
            keys.append({sectionsSeen.last(), line.section(u'=', 0, 0).trimmed()});
        }
    }
    return keys;
}

bool OwnedBySettings(const QString& section) {
    return SameName(section, services::kGeneralSettings) ||
           SameName(section, services::kRecentDirectories);
}

QString SettingsText(const services::Settings& settings) {
    IniFile ini;
    services::WriteSettings(settings, ini);
    return ini.ToText();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using fuzz::Require;
    const QString text = services::DecodeText(fuzz::InputBytes(data, size));
    const IniFile ini = IniFile::Parse(text);
    const QList<SectionKey> keys = KeysOf(text);

    const IniFile rewritten = IniFile::Parse(ini.ToText());
    Require(rewritten.ToText() == ini.ToText(), "a rewritten file reads back to the same text");
    for (const auto& [section, key] : keys) {
        Require(ini.Value(section, key).has_value(), "every key of the text is read");
        Require(rewritten.Value(section, key) == ini.Value(section, key),
                "rewriting keeps every key with its value");
    }

    services::Settings settings;
    services::ReadSettings(ini, settings);
    IniFile saved = ini;
    services::WriteSettings(settings, saved);
    const IniFile savedAndRead = IniFile::Parse(saved.ToText());
    for (const auto& [section, key] : keys) {
        Require(savedAndRead.Value(section, key).has_value(), "saving keeps every key");
        Require(OwnedBySettings(section) ||
                    savedAndRead.Value(section, key) == ini.Value(section, key),
                "saving leaves the entries of other sections as they were");
    }
    services::Settings readBack;
    services::ReadSettings(savedAndRead, readBack);
    Require(SettingsText(readBack) == SettingsText(settings),
            "the saved settings read back as they were");
    return 0;
}

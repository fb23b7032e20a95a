#pragma once
// "version.txt" of the author's web site: an INI text whose section "version" holds "numero", the
// version text of the newest release (as ProgramVersionText writes it, "1.00"), and whose section
// "info" holds three lines "info1" to "info3" to show when that version is not the program's.

#include <QString>

namespace app {

inline const QString kVersionFileName = QStringLiteral("version.txt");
inline const QString kUpToDate = QStringLiteral("Votre version est à jour");

struct VersionFile {
    QString numero;
    QString info1;
    QString info2;
    QString info3;
};

// Every key reads empty when missing; a text that is no INI file (an error page) gives empty
// values.
VersionFile ParseVersionFile(const QString& text);

// kUpToDate when numero equals programVersion character for character; otherwise the three
// info lines, one per line, the empty ones included. Any difference counts as news, an older
// number on the site too. Empty when the file tells nothing: no number (an empty file, an error
// page, any text without "numero" in section "version"), or another number with no info line.
QString VersionCheckMessage(const VersionFile& file, const QString& programVersion);

} // namespace app

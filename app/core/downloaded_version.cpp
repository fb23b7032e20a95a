#include "app/core/downloaded_version.h"

#include "app/services/ini_file.h"
#include "app/services/text_file.h"

#include <QStringList>

namespace app {

VersionFile ParseVersionFile(const QString& text) {
    const services::IniFile ini = services::IniFile::Parse(text);
    const QString version = QStringLiteral("version");
    const QString info = QStringLiteral("info");
    return {ini.ReadString(version, QStringLiteral("numero"), {}),
            ini.ReadString(info, QStringLiteral("info1"), {}),
            ini.ReadString(info, QStringLiteral("info2"), {}),
            ini.ReadString(info, QStringLiteral("info3"), {})};
}

QString VersionCheckMessage(const VersionFile& file, const QString& programVersion) {
    if (file.numero.isEmpty())
        return {};
    if (file.numero == programVersion)
        return kUpToDate;
    if (file.info1.isEmpty() && file.info2.isEmpty() && file.info3.isEmpty())
        return {};
    return QStringList{file.info1, file.info2, file.info3}.join(services::kLineBreak);
}

} // namespace app

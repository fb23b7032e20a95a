#include "app/core/tips.h"

#include "app/services/services_core.h"
#include "app/services/text_file.h"
#include "app/services/translations.h"

#include <QDir>
#include <QFileInfo>

namespace app {

int NextTipIndex(int lastShown, int count) {
    if (lastShown < 0 || lastShown >= count - 1)
        return 0;
    return lastShown + 1;
}

QString DecodeTip(const QString& tip) {
    return services::ReplaceAllNoCase(tip, QStringLiteral("#13#10"), services::kLineBreak);
}

QString NextTip(services::ServicesCore& services) {
    const QStringList tips =
        services.ReadTranslationSection(services.TranslationsPath(), QStringLiteral("Tips"), true);
    if (tips.isEmpty()) {
        services.ShowTipsOnStartup = false;
        return {};
    }
    services.LastTipShown = NextTipIndex(services.LastTipShown, int(tips.size()));
    return DecodeTip(tips.at(services.LastTipShown));
}

QString TipsFileProblem(const services::ServicesCore& services) {
    const QString path = services.TranslationsPath();
    if (QFileInfo(path).isFile())
        return {};
    return QStringLiteral("Impossible d'ouvrir le fichier ") + QDir::toNativeSeparators(path);
}

} // namespace app

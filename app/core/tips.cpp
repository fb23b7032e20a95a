#include "app/core/tips.h"

#include "app/services/settings.h"
#include "app/services/text_file.h"
#include "app/services/translations.h"
#include "app/services/translator.h"

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

QString NextTip(const services::Translator& translator, services::Settings& settings) {
    const QStringList tips = translator.ReadSection(QStringLiteral("Tips"), true);
    if (tips.isEmpty()) {
        settings.ShowTipsOnStartup = false;
        return {};
    }
    settings.LastTipShown = NextTipIndex(settings.LastTipShown, int(tips.size()));
    return DecodeTip(tips.at(settings.LastTipShown));
}

QString TipsFileProblem(const services::Translator& translator) {
    const QString path = translator.TranslationsPath();
    if (QFileInfo(path).isFile())
        return {};
    return QStringLiteral("Impossible d'ouvrir le fichier ") + QDir::toNativeSeparators(path);
}

} // namespace app

#include "app/core/site.h"

#include <QtGlobal>

namespace app {

QString SiteAddress() {
    QString address = qEnvironmentVariable("TESSARINE_SITE_URL");
    if (address.isEmpty())
        address = QStringLiteral("https://tessarine.example.org/");
    if (!address.endsWith(QLatin1Char('/')))
        address += QLatin1Char('/');
    return address;
}

QString AuthorName() {
    return QStringLiteral("L'équipe Tessarine");
}

QString AuthorMail() {
    return QStringLiteral("contact@tessarine.example.org");
}

} // namespace app

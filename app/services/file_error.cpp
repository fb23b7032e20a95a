#include "app/services/file_error.h"

#include "app/services/translations.h"

#include <QFileDevice>

#include <array>
#include <cerrno>

namespace services {

namespace {

struct Reason {
    int error;
    int number;
    const char* french;
};

const std::array<Reason, 7> kReasons = {{
    {ENOENT, 55, "fichier ou dossier introuvable"},
    {EACCES, 56, "accès refusé"},
    {EPERM, 56, "accès refusé"},
    {ENOSPC, 57, "le disque est plein"},
    {EDQUOT, 57, "le disque est plein"},
    {EROFS, 58, "le disque est en lecture seule"},
    {EISDIR, 59, "c'est un dossier"},
}};

QStringList& Messages() {
    static QStringList messages;
    return messages;
}

} // namespace

void SetFileErrorMessages(const QStringList& messages) {
    Messages() = messages;
}

QString FileErrorReason(int error, const QString& systemText) {
    for (const Reason& reason : kReasons)
        if (reason.error == error)
            return GetMessageText(Messages(), QString::fromUtf8(reason.french), reason.number);
    return systemText;
}

QString FileErrorReason(const QFileDevice& file) {
    const QString text = file.errorString();
    for (const Reason& reason : kReasons)
        if (text == qt_error_string(reason.error))
            return FileErrorReason(reason.error, text);
    return text;
}

} // namespace services

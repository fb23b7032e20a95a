#include "game/model/model_messages.h"

#include <QFileDevice>

#include <array>
#include <cerrno>

namespace game {

namespace {

struct Reason {
    int error;
    int number;
    const char* french;
};

const std::array<Reason, 7> kReasons = {{
    {ENOENT, 45, "fichier ou dossier introuvable"},
    {EACCES, 46, "accès refusé"},
    {EPERM, 46, "accès refusé"},
    {ENOSPC, 47, "le disque est plein"},
    {EDQUOT, 47, "le disque est plein"},
    {EROFS, 48, "le disque est en lecture seule"},
    {EISDIR, 49, "c'est un dossier"},
}};

QStringList& Messages() {
    static QStringList messages;
    return messages;
}

} // namespace

void SetMessages(const QStringList& messages) {
    Messages() = messages;
}

QString MessageText(int number, const QString& frenchDefault) {
    return number >= 1 && number <= Messages().size() ? Messages().at(number - 1) : frenchDefault;
}

QString FileErrorReason(int error, const QString& systemText) {
    for (const Reason& reason : kReasons)
        if (reason.error == error)
            return MessageText(reason.number, QString::fromUtf8(reason.french));
    return systemText;
}

QString FileErrorReason(const QFileDevice& file) {
    const QString text = file.errorString();
    for (const Reason& reason : kReasons)
        if (text == qt_error_string(reason.error))
            return FileErrorReason(reason.error, text);
    return text;
}

} // namespace game

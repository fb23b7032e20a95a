#include "game/model/atomic_file.h"

#include "game/model/model_messages.h"

#include <QFileInfo>
#include <QSaveFile>

namespace game {

FileWriteFailure WriteFileAtomically(const QString& path, const QByteArray& bytes) {
    const QFileInfo target(path);
    if (target.exists() && !target.isFile()) {
        const QString notRegular =
            MessageText(64, QStringLiteral("ce n'est pas un fichier ordinaire"));
        return {notRegular, notRegular};
    }
    // commit() does not report a buffered write that fails when it closes the file (a full disk):
    // it would put a truncated file in place of the previous one. flush() does report it.
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush() &&
        file.commit())
        return {};
    return {FileErrorReason(file), file.errorString()};
}

} // namespace game

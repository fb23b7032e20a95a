#include "app/services/folders.h"

#include "app/services/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace services {

namespace {

QString WithSlash(const QString& folder) {
    return folder.endsWith(u'/') ? folder : folder + u'/';
}

QString DataFolderPath() {
    const QString fromEnvironment = qEnvironmentVariable("TESSARINE_DATA_DIR");
    if (!fromEnvironment.isEmpty())
        return WithSlash(QDir(fromEnvironment).absolutePath());
    QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (documents.isEmpty())
        documents = QDir::homePath();
    return WithSlash(documents) + QStringLiteral("Tessarine/");
}

bool CanCreateFileIn(const QString& folder) {
    QTemporaryFile probe(folder + QStringLiteral("probe-XXXXXX"));
    return probe.open();
}

} // namespace

DataFolderResult GetDataFolder() {
    DataFolderResult result{DataFolderPath(), false};
    result.usable = QDir().mkpath(result.path) && CanCreateFileIn(result.path);
    return result;
}

QString ProgramFolderOf(const QString& executableFolder) {
    const QString beside = WithSlash(executableFolder);
    const QString installed =
        WithSlash(QDir::cleanPath(beside + QStringLiteral("../share/tessarine")));
    for (const QString& folder : {beside, installed})
        if (QFileInfo(folder + kTranslationsFileName).isFile())
            return folder;
    return beside;
}

QString GetProgramFolder() {
    return ProgramFolderOf(QCoreApplication::applicationDirPath());
}

QString GetProgramName() {
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

} // namespace services

#include "app/services/folders.h"

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

QString GetProgramFolder() {
    return WithSlash(QCoreApplication::applicationDirPath());
}

QString GetProgramName() {
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

} // namespace services

#pragma once
// The new-version check: "version.txt" of the author's web site is downloaded into the data folder
// and its "numero" compared with the program's version text.
//
// The download runs to completion inside the command, as every command does, but within limits:
// a server that never answers is given up after the time limit, and a file larger than the size
// limit is refused. Either counts as a failed download. The file reaches its local name only whole
// (written beside it, then renamed), so nothing is left there after a failure.

#include <QByteArray>
#include <QString>
#include <QUrl>

#include <chrono>

namespace app {

struct DownloadLimits {
    std::chrono::milliseconds time{15000};
    qint64 maxBytes = 64 * 1024;
};

struct DownloadResult {
    QString error; // empty on success
    QByteArray content;
};

// Downloads url into the file localPath. User input waits while the transfer runs. A failure
// gives "Erreur de téléchargement de l'URL : " followed by the address.
DownloadResult DownloadToFile(const QUrl& url, const QString& localPath,
                              const DownloadLimits& limits);

struct VersionCheckResult {
    QString error;   // the failed download, to show in the error box
    QString message; // otherwise what the check found, to show to the user
};

// Deletes dataFolder + "version.txt", downloads siteAddress + "version.txt" there and compares its
// "numero" with programVersion. siteAddress ends with "/".
VersionCheckResult CheckForNewVersion(const QString& dataFolder, const QString& siteAddress,
                                      const QString& programVersion,
                                      const DownloadLimits& limits = {});

} // namespace app

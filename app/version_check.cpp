#include "app/version_check.h"

#include "app/services/text_file.h"
#include "app/version_file.h"

#include <QEventLoop>
#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSaveFile>
#include <QTimer>

namespace app {

namespace {

QString DownloadErrorText(const QUrl& url) {
    return QStringLiteral("Erreur de téléchargement de l'URL : ") + url.toString();
}

// The body of the reply, or the error text when it did not arrive whole within the limits.
DownloadResult Fetch(const QUrl& url, const DownloadLimits& limits) {
    DownloadResult result;
    bool withinLimits = true;
    QNetworkAccessManager manager;
    QNetworkReply* const reply = manager.get(QNetworkRequest(url));
    auto refuse = [&withinLimits, reply] {
        withinLimits = false;
        reply->abort();
    };
    auto take = [&result, &limits, refuse, reply] {
        result.content += reply->readAll();
        if (result.content.size() > limits.maxBytes)
            refuse();
    };
    QObject::connect(reply, &QNetworkReply::metaDataChanged, reply, [&limits, refuse, reply] {
        const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
        if (length.isValid() && length.toLongLong() > limits.maxBytes)
            refuse();
    });
    QObject::connect(reply, &QNetworkReply::readyRead, reply, take);

    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, &loop, [&] {
        refuse();
        loop.quit();
    });
    deadline.start(limits.time);
    loop.exec(QEventLoop::ExcludeUserInputEvents);

    if (withinLimits)
        take();
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    const bool succeeded = withinLimits && reply->error() == QNetworkReply::NoError &&
                           (!status.isValid() || status.toInt() / 100 == 2);
    if (!succeeded)
        return {DownloadErrorText(url), {}};
    return result;
}

bool WriteWhole(const QString& path, const QByteArray& content) {
    QSaveFile file(path);
    // commit() does not report a buffered write that fails at close (a full disk): flush first.
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size() &&
           file.flush() && file.commit();
}

} // namespace

DownloadResult DownloadToFile(const QUrl& url, const QString& localPath,
                              const DownloadLimits& limits) {
    DownloadResult result = Fetch(url, limits);
    if (result.error.isEmpty() && !WriteWhole(localPath, result.content))
        return {DownloadErrorText(url), {}};
    return result;
}

VersionCheckResult CheckForNewVersion(const QString& dataFolder, const QString& siteAddress,
                                      const QString& programVersion, const DownloadLimits& limits) {
    const QString localPath = dataFolder + kVersionFileName;
    QFile::remove(localPath);
    const QUrl url(siteAddress + kVersionFileName);
    const DownloadResult download = DownloadToFile(url, localPath, limits);
    if (!download.error.isEmpty())
        return {download.error, {}};
    const VersionFile file = ParseVersionFile(services::DecodeText(download.content));
    return {{}, VersionCheckMessage(file, programVersion)};
}

} // namespace app

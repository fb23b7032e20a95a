#include "app/version_check.h"

#include "app/core/downloaded_version.h"
#include "app/services/text_file.h"
#include "app/services/translations.h"
#include "game/model/atomic_file.h"

#include <QDir>
#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

namespace app {

Download::Download(const QUrl& url, const DownloadLimits& limits)
    : limits_(limits), manager_(std::make_unique<QNetworkAccessManager>()),
      reply_(manager_->get(QNetworkRequest(url))) {
    connect(reply_, &QNetworkReply::metaDataChanged, this, [this] {
        const QVariant length = reply_->header(QNetworkRequest::ContentLengthHeader);
        if (length.isValid() && length.toLongLong() > limits_.maxBytes)
            reply_->abort();
    });
    connect(reply_, &QNetworkReply::readyRead, this, &Download::Take);
    connect(reply_, &QNetworkReply::finished, this, &Download::Finish);
    deadline_.setSingleShot(true);
    connect(&deadline_, &QTimer::timeout, reply_, &QNetworkReply::abort);
    deadline_.start(limits.time);
}

Download::~Download() = default;

void Download::Cancel() {
    cancelled_ = true;
    reply_->abort();
}

void Download::Take() {
    body_ += reply_->readAll();
    if (body_.size() > limits_.maxBytes)
        reply_->abort();
}

void Download::Finish() {
    deadline_.stop();
    body_ += reply_->readAll();
    const QVariant status = reply_->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    // An abort (a limit, or a cancel) leaves the reply with an error.
    succeeded_ = reply_->error() == QNetworkReply::NoError && body_.size() <= limits_.maxBytes &&
                 (!status.isValid() || status.toInt() / 100 == 2);
    if (!succeeded_)
        body_.clear();
    finished_ = true;
    emit finished();
}

VersionCheckResult CheckForNewVersion(const QString& dataFolder, const QString& siteAddress,
                                      const QString& programVersion, const QStringList& messages,
                                      const WaitForDownload& waitFor,
                                      const DownloadLimits& limits) {
    const QString localPath = dataFolder + kVersionFileName;
    QFile::remove(localPath);
    const QUrl url(siteAddress + kVersionFileName);
    Download download(url, limits);
    waitFor(download);
    if (download.WasCancelled())
        return {};
    if (!download.Succeeded())
        return {QStringLiteral("Erreur de téléchargement de l'URL : ") + url.toString(), {}};
    const game::FileWriteFailure writeFailure =
        game::WriteFileAtomically(localPath, download.Body());
    if (writeFailure.Failed())
        return {services::GetMessageText(
                    messages, QStringLiteral("Impossible d'écrire le fichier %s : %s"), 51,
                    QDir::toNativeSeparators(localPath), writeFailure.systemText),
                {}};
    const VersionFile file = ParseVersionFile(services::DecodeText(download.Body()));
    const QString message = VersionCheckMessage(file, programVersion);
    if (message.isEmpty())
        return {services::GetMessageText(
                    messages,
                    QStringLiteral("Les informations de version reçues de %s sont illisibles."), 50,
                    url.toString()),
                {}};
    return {{}, message};
}

} // namespace app

#pragma once
// The new-version check: "version.txt" of the author's web site is downloaded into the data folder
// and its "numero" compared with the program's version text.
//
// The download runs in the background of the event loop, within limits: a server that never
// answers is given up after the time limit, and a file larger than the size limit is refused.
// Either counts as a failed download. The caller decides how to wait for it, and may cancel it.
// The file reaches its local name only whole (written beside it, then renamed), so nothing is
// left there after a failure or a cancel.

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QUrl>

#include <chrono>
#include <functional>
#include <memory>

class QNetworkAccessManager;
class QNetworkReply;

namespace app {

struct DownloadLimits {
    std::chrono::milliseconds time{15000};
    qint64 maxBytes = 64 * 1024;
};

// One download, started when it is made. finished() comes once: when the body has arrived, when
// the transfer has failed or broken a limit, or at once on Cancel().
class Download : public QObject {
    Q_OBJECT

public:
    Download(const QUrl& url, const DownloadLimits& limits);
    ~Download() override;

    bool IsFinished() const { return finished_; }
    // Aborts the transfer; what arrived is dropped.
    void Cancel();
    bool WasCancelled() const { return cancelled_; }
    // Once finished: whether the whole body arrived with a 2xx status, within the limits.
    bool Succeeded() const { return succeeded_; }
    const QByteArray& Body() const { return body_; }

signals:
    void finished();

private:
    void Take();
    void Finish();

    DownloadLimits limits_;
    std::unique_ptr<QNetworkAccessManager> manager_;
    QNetworkReply* reply_;
    QTimer deadline_;
    QByteArray body_;
    bool finished_ = false;
    bool cancelled_ = false;
    bool succeeded_ = false;
};

// Returns once the download has finished, or after cancelling it.
using WaitForDownload = std::function<void(Download& download)>;

struct VersionCheckResult {
    QString error;   // a failure, to show in the error box
    QString message; // otherwise what the check found, to show to the user; both empty on cancel
};

// Deletes dataFolder + "version.txt", downloads siteAddress + "version.txt" there and compares its
// "numero" with programVersion. siteAddress ends with "/". The texts of its own failures are
// messages 50 (a file that tells nothing) and 51 (the local file cannot be written) of messages.
VersionCheckResult CheckForNewVersion(const QString& dataFolder, const QString& siteAddress,
                                      const QString& programVersion, const QStringList& messages,
                                      const WaitForDownload& waitFor,
                                      const DownloadLimits& limits = {});

} // namespace app

// The new-version check, the whole menu command against a web site on 127.0.0.1: up to date, news,
// files that tell nothing, a local file that cannot be written, a missing file, a refused
// connection, a server that never answers, a cancel, a file too large, and a stale local copy.

#include "app/version_check.h"
#include "tests/dialogs/dialogs_test_support.h"
#include "tests/dialogs/local_site.h"

#include <QMessageBox>
#include <QNetworkProxy>
#include <QProgressDialog>
#include <QtTest>

#include <cerrno>

using dialogs_test::HttpResponse;
using dialogs_test::LocalSite;

namespace {

constexpr int kNeverAnswers = 0;
constexpr int kRefused = -1;

// What the check ends with.
constexpr int kMessage = 0;
constexpr int kUnreadable = 1;
constexpr int kWriteFailed = 2;
constexpr int kDownloadFailed = 3;
constexpr int kCancelled = 4;

constexpr qint64 kSizeLimit = 64 * 1024;

QByteArray VersionText(const QByteArray& numero, const QByteArray& info1 = "Tessarine 1.01",
                       const QByteArray& info2 = "", const QByteArray& info3 = "Sur le site") {
    return "[version]\nnumero=" + numero + "\ndate=2007-05-01\n[info]\ninfo1=" + info1 +
           "\ninfo2=" + info2 + "\ninfo3=" + info3 + "\n";
}

// A version file padded with a remark line to exactly size bytes.
QByteArray VersionTextOfSize(qint64 size) {
    const QByteArray text = VersionText("1.00");
    return text + QByteArray(size - text.size() - 1, ';') + "\n";
}

} // namespace

class TestVersionCheck : public QObject {
    Q_OBJECT

private slots:
    // The checks talk to 127.0.0.1 straight, whatever proxy the machine names.
    void initTestCase() { QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy); }

    // The whole command, as the menu runs it: the progress window (left to run, or cancelled once
    // the request has arrived), then the message box or the error box.
    void check_data() {
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<bool>("declareLength");
        QTest::addColumn<QByteArray>("staleFile");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<QString>("expectedMessage"); // the box's text, for kMessage

        const QByteArray none;
        const QString noBox;
        QTest::newRow("equal version")
            << 200 << VersionText("1.00") << true << none << kMessage << "Votre version est à jour";
        QTest::newRow("different version, empty middle line")
            << 200 << VersionText("1.01", "Nouvelle version", "", "Voir le site") << true << none
            << kMessage << "Nouvelle version\n\nVoir le site";
        QTest::newRow("names in any case")
            << 200 << QByteArray("[VERSION]\nNumero = 2.00\n[Info]\nINFO1=un\ninfo3=trois\n")
            << true << none << kMessage << "un\n\ntrois";
        QTest::newRow("keys in the wrong section")
            << 200 << QByteArray("[info]\nnumero=1.01\n[version]\ninfo1=x\n") << true << none
            << kUnreadable << noBox;
        QTest::newRow("1.0 against 1.00")
            << 200 << VersionText("1.0", "a", "b", "c") << true << none << kMessage << "a\nb\nc";
        QTest::newRow("an older number is news too, info lines shown as they are")
            << 200 << VersionText("0.99", "<b>a</b>", "", "&amp;") << true << none << kMessage
            << "<b>a</b>\n\n&amp;";
        QTest::newRow("empty file")
            << 200 << QByteArray("") << true << none << kUnreadable << noBox;
        QTest::newRow("garbage") << 200 << QByteArrayLiteral("\x00\xff=\x01[\n;;") << true << none
                                 << kUnreadable << noBox;
        QTest::newRow("another number without any info line")
            << 200 << VersionText("1.01", "", "", "") << true << none << kUnreadable << noBox;
        QTest::newRow("data folder gone, nothing can be written there")
            << 200 << VersionText("1.01") << true << none << kWriteFailed << noBox;
        QTest::newRow("not found (404)")
            << 404 << QByteArray("<h1>Not Found</h1>") << true << none << kDownloadFailed << noBox;
        QTest::newRow("refused connection")
            << kRefused << none << true << none << kDownloadFailed << noBox;
        QTest::newRow("server that never answers")
            << kNeverAnswers << none << true << none << kDownloadFailed << noBox;
        QTest::newRow("cancelled while the server is silent")
            << kNeverAnswers << none << true << VersionText("1.00") << kCancelled << noBox;
        QTest::newRow("largest file accepted, 64 KiB")
            << 200 << VersionTextOfSize(kSizeLimit) << true << none << kMessage
            << "Votre version est à jour";
        QTest::newRow("huge file, declared length")
            << 200 << VersionTextOfSize(1024 * 1024) << true << none << kDownloadFailed << noBox;
        QTest::newRow("one byte too many, no declared length")
            << 200 << VersionTextOfSize(kSizeLimit + 1) << false << none << kDownloadFailed
            << noBox;
        QTest::newRow("stale local file, failed download")
            << 404 << none << true << VersionText("1.00") << kDownloadFailed << noBox;
        QTest::newRow("stale local file, new one downloaded")
            << 200 << VersionText("1.01", "x", "y", "z") << true << VersionText("1.00") << kMessage
            << "x\ny\nz";
    }

    void check() {
        QFETCH(int, status);
        QFETCH(QByteArray, body);
        QFETCH(bool, declareLength);
        QFETCH(QByteArray, staleFile);
        QFETCH(int, outcome);
        QFETCH(QString, expectedMessage);

        LocalSite site;
        QVERIFY(site.IsListening());
        if (status > 0)
            site.Answer(HttpResponse(status, body, declareLength));
        const QString address =
            status == kRefused ? dialogs_test::RefusingAddress() : site.Address();
        qputenv("TESSARINE_SITE_URL", address.toUtf8());
        dialogs_test::MainWindow shell;
        // The data folder has gone: the download cannot be stored.
        if (outcome == kWriteFailed)
            QVERIFY(QDir(shell.data.Path()).removeRecursively());
        const QString localPath =
            shell.services->Store().DataFolder() + QStringLiteral("version.txt");
        if (!staleFile.isEmpty())
            QVERIFY(services_test::WriteBytes(localPath, staleFile));
        app::DownloadLimits limits;
        if (status == kNeverAnswers && outcome != kCancelled)
            limits.time = std::chrono::milliseconds(200);

        QStringList shown;
        ModalAnswers answers;
        answers.Queue([&](QDialog& progress) {
            QVERIFY(qobject_cast<QProgressDialog*>(&progress) != nullptr);
            QCOMPARE(shell.window->cursor().shape(), Qt::WaitCursor);
            if (outcome == kCancelled)
                site.onRequest = [&progress] { ModalAnswers::PressButton(progress, "Annuler"); };
            progress.exec();
        });
        answers.Queue([&shown](QDialog& modal) {
            auto* box = qobject_cast<QMessageBox*>(&modal);
            QVERIFY(box != nullptr);
            QCOMPARE(box->windowTitle(), QStringLiteral("Tessarine"));
            QCOMPARE(box->icon(), QMessageBox::NoIcon);
            QCOMPARE(box->textFormat(), Qt::PlainText);
            shown << box->text();
            box->accept();
        });
        app::CheckNewVersion(*shell.window, *shell.services, limits);
        qunsetenv("TESSARINE_SITE_URL");

        const QString url = address + QStringLiteral("version.txt");
        const QString expectedError =
            outcome == kUnreadable
                ? QStringLiteral("Les informations de version reçues de %1 sont illisibles.")
                      .arg(url)
            : outcome == kWriteFailed ? QStringLiteral("Impossible d'écrire le fichier %1 : %2")
                                            .arg(localPath, qt_error_string(ENOENT))
            : outcome == kDownloadFailed
                ? QStringLiteral("Erreur de téléchargement de l'URL : ") + url
                : QString();
        QCOMPARE(shell.errors, expectedError.isNull() ? QStringList() : QStringList{expectedError});
        QCOMPARE(shown, expectedMessage.isNull() ? QStringList() : QStringList{expectedMessage});
        QCOMPARE(shell.window->cursor().shape(), Qt::ArrowCursor);
        // What arrived whole stays at the local name; after anything else nothing is there.
        if (outcome == kMessage || outcome == kUnreadable)
            QCOMPARE(services_test::ReadBytes(localPath), body);
        else
            QVERIFY(!QFile::exists(localPath));
        if (status != kRefused)
            QCOMPARE(site.requests.value(0), QByteArray("GET /version.txt HTTP/1.1"));
    }
};

QTEST_MAIN(TestVersionCheck)
#include "test_version_check.moc"

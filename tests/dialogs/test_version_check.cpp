// The new-version check: reading "version.txt", the message it leads to, and the whole check
// against a web site on 127.0.0.1 — up to date, news, a missing file, a refused connection, a
// server that never answers, a file too large, and a stale local copy.

#include "app/version_check.h"
#include "app/version_file.h"
#include "tests/dialogs/dialogs_test_support.h"
#include "tests/dialogs/local_site.h"

#include <QDir>
#include <QMessageBox>
#include <QNetworkProxy>
#include <QTemporaryDir>
#include <QtTest>

using dialogs_test::HttpResponse;
using dialogs_test::LocalSite;

namespace {

constexpr int kNeverAnswers = 0;
constexpr int kRefused = -1;
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

QString DownloadError(const QString& siteAddress) {
    return QStringLiteral("Erreur de téléchargement de l'URL : ") + siteAddress +
           QStringLiteral("version.txt");
}

} // namespace

class TestVersionCheck : public QObject {
    Q_OBJECT

private slots:
    // The checks talk to 127.0.0.1 straight, whatever proxy the machine names.
    void initTestCase() { QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy); }

    void parse_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("all keys") << QString::fromUtf8(VersionText("1.01", "a", "b", "c"))
                                  << QStringList{"1.01", "a", "b", "c"};
        QTest::newRow("names in any case")
            << "[VERSION]\nNumero = 2.00\n[Info]\nINFO1=un\ninfo3=trois\n"
            << QStringList{"2.00", "un", "", "trois"};
        QTest::newRow("keys in the wrong section") << "[info]\nnumero=1.00\n[version]\ninfo1=x\n"
                                                   << QStringList{"", "", "", ""};
        QTest::newRow("an error page")
            << "<html><body><h1>404 Not Found</h1></body></html>" << QStringList{"", "", "", ""};
    }

    void parse() {
        QFETCH(QString, text);
        QFETCH(QStringList, expected);
        const app::VersionFile file = app::ParseVersionFile(text);
        QCOMPARE((QStringList{file.numero, file.info1, file.info2, file.info3}), expected);
    }

    void check_data() {
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<bool>("declareLength");
        QTest::addColumn<QByteArray>("staleFile");
        QTest::addColumn<QString>("expectedMessage"); // empty: the download fails

        const QByteArray none;
        QTest::newRow("equal version")
            << 200 << VersionText("1.00") << true << none << "Votre version est à jour";
        QTest::newRow("different version, empty middle line")
            << 200 << VersionText("1.01", "Nouvelle version", "", "Voir le site") << true << none
            << "Nouvelle version\n\nVoir le site";
        QTest::newRow("1.0 against 1.00")
            << 200 << VersionText("1.0", "a", "b", "c") << true << none << "a\nb\nc";
        QTest::newRow("an older number is news too")
            << 200 << VersionText("0.99", "a", "", "c") << true << none << "a\n\nc";
        QTest::newRow("page that is no INI file, no number")
            << 200 << QByteArray("<html>Bienvenue</html>") << true << none << "\n\n";
        QTest::newRow("not found (404)")
            << 404 << QByteArray("<h1>Not Found</h1>") << true << none << QString();
        QTest::newRow("refused connection") << kRefused << none << true << none << QString();
        QTest::newRow("server that never answers")
            << kNeverAnswers << none << true << none << QString();
        QTest::newRow("largest file accepted, 64 KiB")
            << 200 << VersionTextOfSize(kSizeLimit) << true << none << "Votre version est à jour";
        QTest::newRow("huge file, declared length")
            << 200 << VersionTextOfSize(1024 * 1024) << true << none << QString();
        QTest::newRow("one byte too many, no declared length")
            << 200 << VersionTextOfSize(kSizeLimit + 1) << false << none << QString();
        QTest::newRow("stale local file, failed download")
            << 404 << none << true << VersionText("1.00") << QString();
        QTest::newRow("stale local file, new one downloaded")
            << 200 << VersionText("1.01", "x", "y", "z") << true << VersionText("1.00")
            << "x\ny\nz";
    }

    void check() {
        QFETCH(int, status);
        QFETCH(QByteArray, body);
        QFETCH(bool, declareLength);
        QFETCH(QByteArray, staleFile);
        QFETCH(QString, expectedMessage);

        LocalSite site;
        QVERIFY(site.IsListening());
        if (status > 0)
            site.Answer(HttpResponse(status, body, declareLength));
        const QString address =
            status == kRefused ? dialogs_test::RefusingAddress() : site.Address();
        QTemporaryDir dataFolder;
        const QString folder = dataFolder.path() + u'/';
        if (!staleFile.isEmpty())
            QVERIFY(services_test::WriteBytes(folder + QStringLiteral("version.txt"), staleFile));
        app::DownloadLimits limits;
        if (status == kNeverAnswers)
            limits.time = std::chrono::milliseconds(200);

        const app::VersionCheckResult result =
            app::CheckForNewVersion(folder, address, QStringLiteral("1.00"), limits);

        const QStringList leftInFolder =
            QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        if (expectedMessage.isNull()) {
            QCOMPARE(result.error, DownloadError(address));
            QVERIFY(result.message.isEmpty());
            QCOMPARE(leftInFolder, QStringList());
        } else {
            QVERIFY2(result.error.isEmpty(), qPrintable(result.error));
            QCOMPARE(result.message, expectedMessage);
            QCOMPARE(leftInFolder, QStringList{QStringLiteral("version.txt")});
            QCOMPARE(services_test::ReadBytes(folder + QStringLiteral("version.txt")), body);
        }
        if (status != kRefused)
            QCOMPARE(site.requests.value(0), QByteArray("GET /version.txt HTTP/1.1"));
    }

    void menuCommand_data() {
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("expectedMessage"); // empty: the error box shows instead
        QTest::newRow("up to date") << 200 << VersionText("1.00") << "Votre version est à jour";
        QTest::newRow("info lines are shown as they are")
            << 200 << VersionText("1.01", "<b>1.01</b>", "", "&amp;") << "<b>1.01</b>\n\n&amp;";
        QTest::newRow("not found") << 404 << QByteArray() << QString();
    }

    void menuCommand() {
        QFETCH(int, status);
        QFETCH(QByteArray, body);
        QFETCH(QString, expectedMessage);
        LocalSite site;
        site.Answer(HttpResponse(status, body));
        qputenv("TESSARINE_SITE_URL", site.Address().toUtf8());
        dialogs_test::MainWindow shell;
        QStringList shown;
        ModalAnswers answers;
        answers.Queue([&shown](QDialog& modal) {
            auto* box = qobject_cast<QMessageBox*>(&modal);
            QVERIFY(box != nullptr);
            QCOMPARE(box->windowTitle(), QStringLiteral("Tessarine"));
            QCOMPARE(box->icon(), QMessageBox::NoIcon);
            QCOMPARE(box->textFormat(), Qt::PlainText);
            shown << box->text();
            box->accept();
        });
        emit shell.window->newVersionRequested();
        qunsetenv("TESSARINE_SITE_URL");
        if (expectedMessage.isNull()) {
            QCOMPARE(shell.errors, QStringList{DownloadError(site.Address())});
            QVERIFY(shown.isEmpty());
        } else {
            QVERIFY(shell.errors.isEmpty());
            QCOMPARE(shown, QStringList{expectedMessage});
            QVERIFY(QFile::exists(shell.data.Path() + QStringLiteral("version.txt")));
        }
    }
};

QTEST_MAIN(TestVersionCheck)
#include "test_version_check.moc"

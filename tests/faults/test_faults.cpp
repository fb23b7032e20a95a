// A grid saved where it cannot be written loses nothing; every obstacle here stops root too.
#include "tests/app/services_test_support.h"
#include "tests/faults/file_size_limit.h"
#include "tests/game/session_fixture.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <optional>
#include <sys/stat.h>
#include <sys/sysmacros.h>

using game::GameSession;
using namespace fixture;

namespace {

// What a path holds, to show that a failed save left it as it was.
QByteArray StateOf(const QString& path) {
    const QFileInfo info(path);
    return QByteArray::number(info.exists()) + char('0' + info.isFile()) +
           char('0' + info.isDir()) +
           (info.isFile() ? services_test::ReadBytes(path) : QByteArray());
}

} // namespace

class TestFaults : public QObject {
    Q_OBJECT

private slots:
    void failedSaveLosesNothing_data() {
        const QString notRegular = QStringLiteral(" : ce n'est pas un fichier ordinaire");
        QTest::addColumn<QString>("obstacle");
        QTest::addColumn<QString>("reason"); // how the message ends, where it is the program's own
        QTest::newRow("folder path under a regular file") << "under a file" << QString();
        QTest::newRow("/proc takes no new file") << "proc"
                                                 << " : fichier ou dossier introuvable";
        QTest::newRow("a folder in the file's place") << "folder" << notRegular;
        QTest::newRow("full disk device") << "device" << notRegular;
        QTest::newRow("named pipe") << "pipe" << notRegular;
        QTest::newRow("disk full while writing") << "disk full" << QString();
        QTest::newRow("immutable file") << "immutable" << QString();
    }

    void failedSaveLosesNothing() {
        QFETCH(QString, obstacle);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        QString target = dir.filePath(QStringLiteral("partie.xml"));
        QString witness = target; // the path whose content must survive the failed save
        auto session = NewGrid();
        session->ApplyCellChoice(1, 1, game::Operation::Place, 5);
        session->StartPlay();
        if (obstacle == u"disk full" || obstacle == u"immutable") {
            session->SetFileName(target);
            QCOMPARE(session->SaveGrid(), QString());
        }
        session->ApplyCellChoice(5, 5, game::Operation::Place, 3);
        bool immutable = false;
        const auto unlock = qScopeGuard([&] {
            if (immutable) // before the temporary folder goes, even when a check fails
                QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), target});
        });
        if (obstacle == u"under a file") {
            witness = dir.filePath(QStringLiteral("file.txt"));
            QVERIFY(services_test::WriteBytes(witness, "contenu"));
            target = witness + QStringLiteral("/sub/partie.xml");
        } else if (obstacle == u"proc") {
            target = witness = QStringLiteral("/proc/tessarine-partie.xml");
        } else if (obstacle == u"folder") {
            QVERIFY(QDir().mkpath(target));
        } else if (obstacle == u"device") { // a node of its own for /dev/full: the only one harmed
            target = witness = dir.filePath(QStringLiteral("full"));
            if (mknod(QFile::encodeName(target).constData(), S_IFCHR | 0666, makedev(1, 7)) != 0)
                QSKIP("no permission to create a device node here");
        } else if (obstacle == u"pipe") {
            QCOMPARE(mkfifo(QFile::encodeName(target).constData(), 0600), 0);
        } else if (obstacle == u"immutable") {
            immutable = QProcess::execute(QStringLiteral("chattr"), {"+i", target}) == 0;
            if (!immutable)
                QSKIP("chattr +i does not work here; root ignores plain read-only permissions");
        }
        session->SetFileName(target);
        const QByteArray before = StateOf(witness);
        const QString history = HistoryText(session->History());
        const QStringList filesBefore = QDir(dir.path()).entryList(QDir::Files);
        QSignalSpy saved(session.get(), &GameSession::gridSaved);
        QString error;
        {
            std::optional<test_faults::FileSizeLimit> limit;
            if (obstacle == u"disk full")
                limit.emplace(64);
            error = session->SaveGrid();
        }
        QVERIFY2(error.startsWith("Impossible d'enregistrer le fichier " + target) &&
                     error.endsWith(reason),
                 qPrintable(error));
        QCOMPARE(StateOf(witness), before);
        QVERIFY(session->Modified());
        QCOMPARE(HistoryText(session->History()), history);
        QCOMPARE(saved.count(), 0);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), filesBefore); // no temporary file left
    }
};

QTEST_GUILESS_MAIN(TestFaults)
#include "test_faults.moc"

// The grid file on its own: what the game writes reads back, line ends of other systems, and
// files that cannot be read or written.
#include "game/model/grid_file.h"

#include "tests/faults/file_size_limit.h"
#include "tests/game/session_fixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace game;
using fixture::ReadFile;

class TestGridFile : public QObject {
    Q_OBJECT

private slots:
    void everythingWrittenReadsBack_data() {
        QTest::addColumn<int>("rounds");
        QTest::newRow("each operation") << 1;
        // 50 000 entries, some 6 MB: far from the size a file is refused at.
        QTest::newRow("a very long game") << 10000;
    }

    void everythingWrittenReadsBack() {
        QFETCH(int, rounds);
        ActionHistory history = {{0, 0, 0, Operation::InputMode}};
        for (int i = 0; i < rounds; ++i)
            history.insert(history.end(), {{9, 9, 9, Operation::Place},
                                           {1, 2, 3, Operation::RemoveCandidate},
                                           {0, 0, 0, Operation::PlayMode},
                                           {0, 0, 0, Operation::TimeMarker},
                                           {5, 5, 1, static_cast<Operation>('X')}});
        history.push_back({0, 0, 0, Operation::TimeMarker});
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("f.xml"));
        QCOMPARE(WriteGridFile(path, EncodeGridFile(history, 123456)), QString());
        const GridFileContent content = ReadGridFile(path);
        QCOMPARE(content.Error, QString());
        QVERIFY(content.HasTimeMarker);
        QCOMPARE(content.Seconds, 123456);
        history.pop_back();
        QVERIFY(content.Entries == history);
    }

    void otherLineEndsRead_data() {
        QTest::addColumn<QByteArray>("lineEnd");
        QTest::newRow("LF") << QByteArray("\n");
        QTest::newRow("CR") << QByteArray("\r");
    }

    void otherLineEndsRead() {
        QFETCH(QByteArray, lineEnd);
        const ActionHistory history = {{0, 0, 0, Operation::InputMode},
                                       {4, 6, 8, Operation::Place},
                                       {0, 0, 0, Operation::TimeMarker}};
        QByteArray bytes = EncodeGridFile(history, 7);
        bytes.replace("\r\n", lineEnd);
        const GridFileContent content = ParseGridFile(bytes, "f.xml");
        QCOMPARE(content.Error, QString());
        QCOMPARE(content.Entries.size(), std::size_t(2));
        QVERIFY(content.Entries[1] == history[1]);
        QCOMPARE(content.Seconds, 7);
    }

    void missingOrUnreadableFileIsRefused() {
        QTemporaryDir dir;
        const QString missing = dir.filePath(QStringLiteral("absente.xml"));
        const QString missingError = ReadGridFile(missing).Error;
        QVERIFY2(missingError.contains(missing), qPrintable(missingError));
        QVERIFY(missingError.startsWith(QStringLiteral("Fichier non trouvé")));
        const QString folderError = ReadGridFile(dir.path()).Error;
        QVERIFY2(folderError.contains(dir.path()), qPrintable(folderError));
    }

    void writingReplacesTheFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("g.xml"));
        QCOMPARE(WriteGridFile(path, "first"), QString());
        QCOMPARE(WriteGridFile(path, "second"), QString());
        QCOMPARE(ReadFile(path), QByteArray("second"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("g.xml")});
        const QString error = WriteGridFile(dir.path(), "third");
        QVERIFY2(error.contains(dir.path()), qPrintable(error));
    }

    void specialFileIsNeverReplaced() {
        // Saving goes through a temporary file renamed over the target; over a device or a pipe
        // (a grid saved as /dev/full) that rename would put a plain file in its place.
        QTemporaryDir dir;
        const QString pipe = dir.filePath(QStringLiteral("tube.xml"));
        QCOMPARE(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        const QString error = WriteGridFile(pipe, "grid");
        QVERIFY2(error.contains(pipe), qPrintable(error));
        QVERIFY(QFileInfo(pipe).exists());
        QVERIFY(!QFileInfo(pipe).isFile());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{});
    }

    void fullDiskKeepsThePreviousFile_data() { test_faults::AddFullDiskRows(); }

    void fullDiskKeepsThePreviousFile() {
        QFETCH(int, room);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("g.xml"));
        QCOMPARE(WriteGridFile(path, "previous"), QString());
        const QByteArray grid = EncodeGridFile({{0, 0, 0, Operation::InputMode},
                                                {1, 1, 5, Operation::Place},
                                                {0, 0, 0, Operation::TimeMarker}},
                                               9);
        QString error;
        {
            const test_faults::FileSizeLimit diskFull(room);
            error = WriteGridFile(path, grid);
        }
        QVERIFY2(error.contains(path), qPrintable(error));
        QCOMPARE(ReadFile(path), QByteArray("previous"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("g.xml")});
    }
};

QTEST_GUILESS_MAIN(TestGridFile)
#include "test_grid_file.moc"

#include "app/services/text_file.h"

#include "tests/app/services_test_support.h"
#include "tests/faults/file_size_limit.h"

#include <QDir>
#include <QTest>

using namespace services;
using services_test::ReadBytes;
using services_test::WriteBytes;

class TestTextFile : public QObject {
    Q_OBJECT

private slots:
    void decodesUtf8OrWindows1252_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("expected");
        QTest::newRow("UTF-8") << QByteArray("\xC3\xA9t\xC3\xA9") << QStringLiteral("été");
        QTest::newRow("UTF-8 with byte-order mark")
            << QByteArray("\xEF\xBB\xBF[S]") << QStringLiteral("[S]");
        QTest::newRow("Windows-1252 letters") << QByteArray("\xE9t\xE9") << QStringLiteral("été");
        QTest::newRow("Windows-1252 euro and quotes")
            << QByteArray("\x80 \x93x\x94 \x9C") << QStringLiteral("€ “x” œ");
        QTest::newRow("UTF-8 cut off at the end") << QByteArray("a\xC3") << QStringLiteral("aÃ");
        QTest::newRow("undefined Windows-1252 byte kept")
            << QByteArray("\x81\xE9") << QString(QChar(0x81)) + QStringLiteral("é");
        QTest::newRow("empty") << QByteArray() << QString();
    }

    void decodesUtf8OrWindows1252() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, expected);
        QCOMPARE(DecodeText(bytes), expected);
    }

    void splitsLines_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("mixed line ends") << "a\r\nb\rc\nd" << QStringList{"a", "b", "c", "d"};
        QTest::newRow("final line break") << "a\n" << QStringList{"a"};
        QTest::newRow("empty lines kept") << "\n\r\n" << QStringList{"", ""};
        QTest::newRow("LF CR is two breaks") << "a\n\rb" << QStringList{"a", "", "b"};
        QTest::newRow("empty") << "" << QStringList{};
    }

    void splitsLines() {
        QFETCH(QString, text);
        QFETCH(QStringList, expected);
        QCOMPARE(SplitLines(text), expected);
    }

    void readsWhatItCan() {
        const services_test::TemporaryDataFolder folder;
        const QString path = folder.Path() + QStringLiteral("file.txt");

        QCOMPARE(ReadTextFile(path).status, TextFileStatus::Missing);

        QVERIFY(WriteBytes(path, "[S]\n\xE9"));
        const TextFile read = ReadTextFile(path);
        QCOMPARE(read.status, TextFileStatus::Read);
        QCOMPARE(read.text, QStringLiteral("[S]\né"));

        QVERIFY(WriteBytes(path, QByteArray(kMaxTextFileSize, 'a')));
        QCOMPARE(ReadTextFile(path).status, TextFileStatus::Read);
        QVERIFY(WriteBytes(path, QByteArray(kMaxTextFileSize + 1, 'a')));
        QCOMPARE(ReadTextFile(path).status, TextFileStatus::Unreadable);
        QCOMPARE(ReadTextFile(path).text, QString());

        QCOMPARE(ReadTextFile(folder.Path()).status, TextFileStatus::Unreadable);
    }

    void writesUtf8AndLeavesNoTemporaryFile() {
        const services_test::TemporaryDataFolder folder;
        const QString path = folder.Path() + QStringLiteral("Settings.ini");
        QVERIFY(WriteBytes(path, "old"));
        QVERIFY(WriteTextFileAtomically(path, QStringLiteral("Dévoilés €")));
        QCOMPARE(ReadBytes(path), QByteArray("D\xC3\xA9voil\xC3\xA9s \xE2\x82\xAC"));
        QCOMPARE(QDir(folder.Path()).entryList(QDir::Files), QStringList{"Settings.ini"});
    }

    void failedWriteReportsFailure() {
        const services_test::TemporaryDataFolder folder;
        const QString path = folder.Path() + QStringLiteral("no-such-folder/Settings.ini");
        QVERIFY(!WriteTextFileAtomically(path, QStringLiteral("x")));
        QVERIFY(!QFileInfo::exists(path));
        // A folder in the way of the file: the folder stays as it is.
        const QString blocked = folder.Path() + QStringLiteral("blocked");
        QVERIFY(QDir().mkpath(blocked));
        QVERIFY(!WriteTextFileAtomically(blocked, QStringLiteral("x")));
        QVERIFY(QFileInfo(blocked).isDir());
    }

    void fullDiskKeepsThePreviousFile_data() { test_faults::AddFullDiskRows(); }

    void fullDiskKeepsThePreviousFile() {
        QFETCH(int, room);
        const services_test::TemporaryDataFolder folder;
        const QString path = folder.SettingsPath();
        QVERIFY(WriteBytes(path, "[GeneralSettings]\nLanguage=en\n"));
        bool written = true;
        {
            const test_faults::FileSizeLimit diskFull(room);
            written =
                WriteTextFileAtomically(path, QStringLiteral("[GeneralSettings]\nLanguage=fr\n"
                                                             "ShowTipsOnStartup=0\n"));
        }
        QVERIFY(!written);
        QCOMPARE(ReadBytes(path), QByteArray("[GeneralSettings]\nLanguage=en\n"));
        QCOMPARE(QDir(folder.Path()).entryList(QDir::Files), QStringList{"Settings.ini"});
    }
};

QTEST_GUILESS_MAIN(TestTextFile)
#include "test_text_file.moc"

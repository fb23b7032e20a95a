// Tessarine installed into a prefix (see CMakeLists.txt: the prefix is filled by `cmake --install`
// before these tests run): where the program finds its own files, the grid file type a desktop
// recognises, the icons, and the installed companion.

#include "app/services/folders.h"
#include "game/model/grid_file.h"
#include "tests/app/services_test_support.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QMimeDatabase>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

using services_test::WriteBytes;

namespace {

const QString kBuildDir = QStringLiteral(TESSARINE_BUILD_DIR);
const QString kPrefix = QStringLiteral(TESSARINE_TEST_PREFIX);
const QString kProbe = QStringLiteral(TESSARINE_PROGRAM_FOLDER_PROBE);
const QString kGridType = QStringLiteral("application/x-tessarine-grid");

// Runs a program to its end; its standard output, or nothing when it failed.
QByteArray Output(const QString& program, const QStringList& arguments = {}) {
    QProcess process;
    process.start(program, arguments);
    const bool ran = process.waitForFinished() && process.exitStatus() == QProcess::NormalExit &&
                     process.exitCode() == 0;
    return ran ? process.readAllStandardOutput() : QByteArray();
}

} // namespace

class TestInstall : public QObject {
    Q_OBJECT

private slots:
    // The program reads its files beside itself when "Translations.txt" is there (build tree),
    // else from share/tessarine beside its parent folder (installed).
    void programFolderRule_data() {
        QTest::addColumn<QStringList>("files"); // relative to a root; a final "/" makes a folder
        QTest::addColumn<QString>("expected");  // the program is in usr/bin
        const QString beside = "usr/bin/Translations.txt", shared = "usr/share/tessarine/";
        QTest::newRow("build tree") << QStringList{beside, "usr/share/"} << "usr/bin/";
        QTest::newRow("installed") << QStringList{shared + "Translations.txt"} << shared;
        QTest::newRow("both: beside wins")
            << QStringList{beside, shared + "Translations.txt"} << "usr/bin/";
        QTest::newRow("neither") << QStringList{"usr/bin/", shared} << "usr/bin/";
        QTest::newRow("a folder named Translations.txt beside")
            << QStringList{beside + "/", shared + "Translations.txt"} << shared;
    }
    void programFolderRule() {
        QFETCH(QStringList, files);
        QFETCH(QString, expected);
        const QTemporaryDir root;
        const QString base = root.path() + u'/';
        for (const QString& file : files)
            QVERIFY(file.endsWith(u'/') ? QDir().mkpath(base + file)
                                        : QDir().mkpath(QFileInfo(base + file).path()) &&
                                              WriteBytes(base + file, "[Languages]\n"));
        QCOMPARE(services::ProgramFolderOf(base + "usr/bin"), base + expected);
        QCOMPARE(services::ProgramFolderOf(base + "usr/bin/"), base + expected);
    }

    // The real program, in the build tree and copied into the installed prefix.
    void runningProgram_data() {
        QTest::addColumn<QString>("executable");
        QTest::addColumn<QString>("expected");
        QTest::newRow("build tree") << kProbe << QFileInfo(kProbe).absolutePath() + u'/';
        QTest::newRow("install prefix")
            << kPrefix + "/bin/" + QFileInfo(kProbe).fileName() << kPrefix + "/share/tessarine/";
    }
    void runningProgram() {
        QFETCH(QString, executable);
        QFETCH(QString, expected);
        const bool copied = executable != kProbe;
        // The program's own folder in either layout holds the program and its files.
        const QString bin = copied ? kPrefix + "/bin" : kBuildDir + "/bin";
        QVERIFY(QFileInfo(bin + "/tessarine").isExecutable());
        const QString folder = services::ProgramFolderOf(bin);
        QCOMPARE(folder, copied ? expected : bin + u'/');
        QVERIFY(QFileInfo(folder + "SplashTessarine.bmp").isFile());
        if (copied) {
            QFile::remove(executable);
            QVERIFY(QFile::copy(kProbe, executable));
        }
        const auto removeCopy =
            qScopeGuard([copy = copied ? executable : QString()] { QFile::remove(copy); });
        QCOMPARE(QString::fromUtf8(Output(executable)).trimmed(), expected);
    }

    void gridFileType_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("expected");
        const QByteArray grid = game::EncodeGridFile({{1, 1, 5, game::Operation::Place}}, 95);
        QTest::newRow("grid saved by the game") << "Grille du 6 décembre.xml" << grid << kGridType;
        QTest::newRow("without extension") << "partie" << grid << kGridType;
        QTest::newRow("XML with <Actions> as its root")
            << "a.xml" << QByteArray("<?xml version=\"1.0\"?>\n<Actions>\n</Actions>\n")
            << kGridType;
        QTest::newRow("another XML document")
            << "notes.xml" << QByteArray("<?xml version=\"1.0\"?>\n<notes><note/></notes>\n")
            << "application/xml";
        QTest::newRow("grid text") << "grille.txt" << QByteArray(81, '.') << "text/plain";
    }
    void gridFileType() {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, expected);
        const QTemporaryDir folder;
        QVERIFY(WriteBytes(folder.path() + u'/' + name, bytes));
        QCOMPARE(QMimeDatabase().mimeTypeForFile(folder.path() + u'/' + name).name(), expected);
    }

    // Every size: transparent rounded corners; from 32 pixels, the orange centre square.
    void installedIcons() {
        for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
            const QImage icon(kPrefix + QStringLiteral("/share/icons/hicolor/%1x%1/apps/"
                                                       "org.example.tessarine.png")
                                            .arg(size));
            QCOMPARE(icon.size(), QSize(size, size));
            QCOMPARE(icon.pixelColor(0, 0).alpha(), 0);
            const QColor c = icon.pixelColor(size * 104 / 256, size * 104 / 256);
            QVERIFY2(size < 32 || (c.alpha() == 255 && qAbs(c.red() - 0xF2) < 24 &&
                                   qAbs(c.green() - 0xA3) < 24 && qAbs(c.blue() - 0x3A) < 24),
                     qPrintable(c.name()));
        }
    }

    // Three puzzles of 81 characters a line (what they hold is the generator test's).
    void installedCompanionGenerates() {
        const QByteArray out = Output(kPrefix + "/bin/tessarine-cli", {"generate", "3"});
        QVERIFY2(out.size() == 3 * 82 && out.count('\n') == 3, out.constData());
    }
};

QTEST_GUILESS_MAIN(TestInstall)
#include "test_install.moc"

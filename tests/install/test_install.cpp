// Tessarine installed into a prefix (filled first, see CMakeLists.txt), as a desktop sees it.

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
    // Files beside the program when "Translations.txt" is there, else in ../share/tessarine.
    void programFolderRule_data() { // files under a root (a final "/": a folder), the program's
        services_test::AddRowsFrom("install/program_folder.tsv", {"files", "expected"});
    }
    void programFolderRule() {
        QFETCH(QString, files);
        QFETCH(QString, expected);
        const QTemporaryDir root;
        const QString base = root.path() + u'/';
        for (const QString& file : files.split(u' '))
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

    // A grid file is known by its name or, without extension, by its content; other XML is not.
    void gridFileType() {
        const QTemporaryDir folder;
        const QByteArray grid = game::EncodeGridFile({{1, 1, 5, game::Operation::Place}}, 95);
        const QByteArray notes = "<?xml version=\"1.0\"?>\n<notes><note/></notes>\n";
        for (const auto& [name, bytes, type] :
             {std::tuple{"Grille du 6 décembre.xml", grid, kGridType},
              {"partie", grid, kGridType},
              {"notes.xml", notes, QString("application/xml")}}) {
            QVERIFY(WriteBytes(folder.path() + u'/' + name, bytes));
            QCOMPARE(QMimeDatabase().mimeTypeForFile(folder.path() + u'/' + name).name(), type);
        }
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

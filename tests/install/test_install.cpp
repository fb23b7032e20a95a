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
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

using services_test::WriteBytes;

namespace {

const QString kBuildDir = QStringLiteral(TESSARINE_BUILD_DIR);
const QString kPrefix = QStringLiteral(TESSARINE_TEST_PREFIX);
const QString kProbe = QStringLiteral(TESSARINE_PROGRAM_FOLDER_PROBE);
const QString kGridType = QStringLiteral("application/x-tessarine-grid");

// Runs a program to its end; its standard output, or a null array when it failed.
QByteArray Output(const QString& program, const QStringList& arguments = {}) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished() || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        return {};
    return process.readAllStandardOutput();
}

} // namespace

class TestInstall : public QObject {
    Q_OBJECT

private slots:
    void programFolderRule_data();
    void programFolderRule();
    void realLayouts_data();
    void realLayouts();
    void runningProgram_data();
    void runningProgram();
    void gridFileType_data();
    void gridFileType();
    void installedIcons_data();
    void installedIcons();
    void installedCompanionGenerates();
};

void TestInstall::programFolderRule_data() {
    QTest::addColumn<QStringList>("files"); // relative to a root; a final "/" makes a folder
    QTest::addColumn<QString>("executableFolder");
    QTest::addColumn<QString>("expected");

    const QString translations = QStringLiteral("Translations.txt");
    const QString shared = QStringLiteral("share/tessarine/");
    QTest::newRow("build tree: the files beside the program")
        << QStringList{"bin/" + translations, "share/"} << "bin"
        << "bin/";
    QTest::newRow("installed: the files in share/tessarine")
        << QStringList{shared + translations} << "bin" << shared;
    QTest::newRow("both: the copy beside the program wins")
        << QStringList{"bin/" + translations, shared + translations} << "bin"
        << "bin/";
    QTest::newRow("installed, folder given with its final slash")
        << QStringList{shared + translations} << "bin/" << shared;
    QTest::newRow("neither: the program's own folder") << QStringList{"bin/", shared} << "bin"
                                                       << "bin/";
    QTest::newRow("only the splash beside: the translations decide")
        << QStringList{"bin/SplashTessarine.bmp", shared + translations} << "bin" << shared;
    QTest::newRow("a folder named Translations.txt beside does not count")
        << QStringList{"bin/" + translations + "/", shared + translations} << "bin" << shared;
    QTest::newRow("prefix without bin: share beside the program's parent")
        << QStringList{"usr/games/", "usr/share/tessarine/" + translations} << "usr/games"
        << "usr/share/tessarine/";
}

void TestInstall::programFolderRule() {
    QFETCH(QStringList, files);
    QFETCH(QString, executableFolder);
    QFETCH(QString, expected);

    const QTemporaryDir root;
    QVERIFY(root.isValid());
    const QString base = root.path() + u'/';
    for (const QString& file : files) {
        if (file.endsWith(u'/'))
            QVERIFY(QDir().mkpath(base + file));
        else
            QVERIFY(QDir().mkpath(QFileInfo(base + file).path()) &&
                    WriteBytes(base + file, "[Languages]\n"));
    }
    QCOMPARE(services::ProgramFolderOf(base + executableFolder), base + expected);
}

void TestInstall::realLayouts_data() {
    QTest::addColumn<QString>("executableFolder");
    QTest::addColumn<QString>("expected");
    QTest::newRow("build tree") << kBuildDir + "/bin" << kBuildDir + "/bin/";
    QTest::newRow("install prefix") << kPrefix + "/bin" << kPrefix + "/share/tessarine/";
}

void TestInstall::realLayouts() {
    QFETCH(QString, executableFolder);
    QFETCH(QString, expected);
    QVERIFY(QFileInfo(executableFolder + "/tessarine").isExecutable());
    const QString folder = services::ProgramFolderOf(executableFolder);
    QCOMPARE(folder, expected);
    QVERIFY(QFileInfo(folder + "SplashTessarine.bmp").isFile());
}

void TestInstall::runningProgram_data() {
    QTest::addColumn<QString>("executable");
    QTest::addColumn<QString>("expected");
    // The build-tree probe has "Translations.txt" beside it, as the program has.
    QTest::newRow("build tree") << kProbe << QFileInfo(kProbe).absolutePath() + u'/';
    QTest::newRow("install prefix")
        << kPrefix + "/bin/" + QFileInfo(kProbe).fileName() << kPrefix + "/share/tessarine/";
}

void TestInstall::runningProgram() {
    QFETCH(QString, executable);
    QFETCH(QString, expected);
    const bool copied = executable != kProbe;
    if (copied) {
        QFile::remove(executable);
        QVERIFY(QFile::copy(kProbe, executable));
    }
    const auto removeCopy = qScopeGuard([&] {
        if (copied)
            QFile::remove(executable);
    });
    QCOMPARE(QString::fromUtf8(Output(executable)).trimmed(), expected);
}

void TestInstall::gridFileType_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("expected");

    const game::ActionHistory played{{0, 0, 0, game::Operation::InputMode},
                                     {1, 1, 5, game::Operation::Place},
                                     {0, 0, 0, game::Operation::PlayMode},
                                     {2, 3, 7, game::Operation::RemoveCandidate}};
    QTest::newRow("grid saved by the game")
        << "partie.xml" << game::EncodeGridFile(played, 95) << kGridType;
    QTest::newRow("empty grid saved by the game")
        << "vide.xml" << game::EncodeGridFile({}, 0) << kGridType;
    QTest::newRow("grid file with any name")
        << "Grille du 6 décembre.xml" << game::EncodeGridFile(played, 0) << kGridType;
    QTest::newRow("another XML document")
        << "notes.xml"
        << QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<notes><note/></notes>\n")
        << "application/xml";
    QTest::newRow("grid file without extension")
        << "partie" << game::EncodeGridFile(played, 0) << kGridType;
    QTest::newRow("XML document with <Actions> as its root")
        << "actions.xml" << QByteArray("<?xml version=\"1.0\"?>\n<Actions>\n</Actions>\n")
        << kGridType;
    QTest::newRow("grid text, not a grid file")
        << "grille.txt" << QByteArray(81, '.') << "text/plain";
}

void TestInstall::gridFileType() {
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, expected);

    const QTemporaryDir folder;
    const QString path = folder.path() + u'/' + name;
    QVERIFY(WriteBytes(path, bytes));
    const QMimeType type = QMimeDatabase().mimeTypeForFile(path);
    QCOMPARE(type.name(), expected);
}

void TestInstall::installedIcons_data() {
    QTest::addColumn<int>("size");
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        QTest::addRow("%dx%d", size, size) << size;
}

void TestInstall::installedIcons() {
    QFETCH(int, size);
    const QString path =
        QStringLiteral("%1/share/icons/hicolor/%2x%2/apps/org.example.tessarine.png")
            .arg(kPrefix)
            .arg(size);
    const QImage icon(path);
    QCOMPARE(icon.size(), QSize(size, size));
    // The rounded corners stay transparent; the centre square is the orange one of the drawing.
    QCOMPARE(icon.pixelColor(0, 0).alpha(), 0);
    const QColor centre = icon.pixelColor(size * 104 / 256, size * 104 / 256);
    if (size >= 32) {
        QCOMPARE(centre.alpha(), 255);
        QVERIFY2(qAbs(centre.red() - 0xF2) < 24 && qAbs(centre.green() - 0xA3) < 24 &&
                     qAbs(centre.blue() - 0x3A) < 24,
                 qPrintable(centre.name()));
    }
}

void TestInstall::installedCompanionGenerates() {
    const QByteArray output = Output(kPrefix + "/bin/tessarine-cli", {"generate", "3"});
    const QList<QByteArray> lines = output.trimmed().split('\n');
    QCOMPARE(lines.size(), 3);
    static const QRegularExpression puzzle(QStringLiteral("^[1-9.]{81}$"));
    for (const QByteArray& line : lines)
        QVERIFY2(puzzle.match(QString::fromLatin1(line)).hasMatch(), line.constData());
}

QTEST_GUILESS_MAIN(TestInstall)
#include "test_install.moc"

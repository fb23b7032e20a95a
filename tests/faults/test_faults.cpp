// Faults around the program: a grid saved where it cannot be written loses nothing, and a data
// folder or files it cannot use never stop it from starting. Root ignores file permissions, so
// every obstacle here is one that stops root too.
#include "app/services/settings_store.h"
#include "app/services/translator.h"
#include "tests/app/services_test_support.h"
#include "tests/faults/file_size_limit.h"
#include "tests/game/session_fixture.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <optional>
#include <sys/stat.h>
#include <sys/sysmacros.h>

using game::GameSession;
using namespace fixture;
using services_test::ReadBytes;
using services_test::WriteBytes;

namespace {

enum class Obstacle {
    FolderUnderAFile, // "<tmp>/file.txt/sub/": no folder can exist there
    ProcFolder,       // /proc takes no new file, not even from root
    FolderInPlace,    // a folder where the file should be
    FullDevice,       // a device like /dev/full: every write fails with "no space left"
    Pipe,             // a named pipe: a save renamed over it would put a plain file there
    FileSizeLimit,    // the disk fills up while the file is written
    ImmutableFile,    // a read-only file that root cannot replace either (chattr +i)
};

// What a path holds, to show that a failed save left it as it was.
struct PathState {
    bool exists = false;
    bool isFile = false;
    bool isDir = false;
    QByteArray bytes;
    friend bool operator==(const PathState&, const PathState&) = default;
};

PathState StateOf(const QString& path) {
    const QFileInfo info(path);
    return {info.exists(), info.isFile(), info.isDir(),
            info.isFile() ? ReadBytes(path) : QByteArray()};
}

// Makes a file immutable (chattr +i) for as long as it lives, so that even root cannot replace
// it; the flag goes before the temporary folder is removed, even when a check fails.
class ImmutableFile {
public:
    explicit ImmutableFile(const QString& path) : path_(path) {
        set_ = Chattr(QStringLiteral("+i"));
    }
    ~ImmutableFile() {
        if (set_)
            Chattr(QStringLiteral("-i"));
    }
    ImmutableFile(const ImmutableFile&) = delete;
    ImmutableFile& operator=(const ImmutableFile&) = delete;
    bool IsSet() const { return set_; }

private:
    bool Chattr(const QString& flag) const {
        return QProcess::execute(QStringLiteral("chattr"), {flag, path_}) == 0;
    }
    QString path_;
    bool set_ = false;
};

// A grid with a few moves, saved once (to previousFile when given) and changed again since.
std::unique_ptr<GameSession> ModifiedGrid(const QString& previousFile) {
    auto session = NewGrid();
    session->ApplyCellChoice(1, 1, game::Operation::Place, 5);
    session->ApplyCellChoice(2, 2, game::Operation::Place, 7);
    session->StartPlay();
    if (!previousFile.isEmpty()) {
        session->SetFileName(previousFile);
        if (!session->SaveGrid().isEmpty())
            return nullptr;
    }
    session->ApplyCellChoice(5, 5, game::Operation::Place, 3);
    return session;
}

} // namespace

Q_DECLARE_METATYPE(Obstacle)

class TestFaults : public QObject {
    Q_OBJECT

private slots:
    void failedSaveLosesNothing_data();
    void failedSaveLosesNothing();
    void unusableSettingsStorageKeepsSettingsInMemory_data();
    void unusableSettingsStorageKeepsSettingsInMemory();
    void translationFileThatIsAFolderGivesDefaults();
};

void TestFaults::failedSaveLosesNothing_data() {
    const QString notRegular = QStringLiteral(" : ce n'est pas un fichier ordinaire");
    QTest::addColumn<Obstacle>("obstacle");
    QTest::addColumn<QString>("reason"); // how the message ends, where it is the program's own
    QTest::newRow("folder path under a regular file") << Obstacle::FolderUnderAFile << "";
    QTest::newRow("folder under /proc")
        << Obstacle::ProcFolder << " : fichier ou dossier introuvable";
    QTest::newRow("a folder in the file's place") << Obstacle::FolderInPlace << notRegular;
    QTest::newRow("full disk device") << Obstacle::FullDevice << notRegular;
    QTest::newRow("named pipe") << Obstacle::Pipe << notRegular;
    QTest::newRow("disk full while writing, previous file kept") << Obstacle::FileSizeLimit << "";
    QTest::newRow("read-only file, previous file kept") << Obstacle::ImmutableFile << "";
}

void TestFaults::failedSaveLosesNothing() {
    QFETCH(Obstacle, obstacle);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    QString target = dir.filePath(QStringLiteral("partie.xml"));
    QString witness = target; // the path whose content must survive the failed save
    const bool hasPreviousFile =
        obstacle == Obstacle::FileSizeLimit || obstacle == Obstacle::ImmutableFile;
    const auto session = ModifiedGrid(hasPreviousFile ? target : QString());
    QVERIFY(session);
    std::optional<ImmutableFile> immutable;

    switch (obstacle) {
    case Obstacle::FolderUnderAFile:
        witness = dir.filePath(QStringLiteral("file.txt"));
        QVERIFY(WriteBytes(witness, "contenu"));
        target = witness + QStringLiteral("/sub/partie.xml");
        break;
    case Obstacle::ProcFolder:
        target = witness = QStringLiteral("/proc/tessarine-partie.xml");
        break;
    case Obstacle::FolderInPlace:
        QVERIFY(QDir().mkpath(target));
        break;
    case Obstacle::FullDevice:
        // A node of its own, the same device as /dev/full: a save that went wrong could only
        // replace this one.
        target = witness = dir.filePath(QStringLiteral("full"));
        if (mknod(QFile::encodeName(target).constData(), S_IFCHR | 0666, makedev(1, 7)) != 0)
            QSKIP("no permission to create a device node here");
        break;
    case Obstacle::Pipe:
        QCOMPARE(mkfifo(QFile::encodeName(target).constData(), 0600), 0);
        break;
    case Obstacle::FileSizeLimit:
        break;
    case Obstacle::ImmutableFile:
        immutable.emplace(target);
        if (!immutable->IsSet())
            QSKIP("chattr +i does not work here (containers lack that capability); root "
                  "ignores the plain read-only permission");
        break;
    }
    session->SetFileName(target);
    const PathState before = StateOf(witness);
    const QString history = HistoryText(session->History());
    const QStringList filesBefore = QDir(dir.path()).entryList(QDir::Files);
    QSignalSpy saved(session.get(), &GameSession::gridSaved);

    QString error;
    {
        std::optional<test_faults::FileSizeLimit> limit;
        if (obstacle == Obstacle::FileSizeLimit)
            limit.emplace(64);
        error = session->SaveGrid();
    }
    QVERIFY2(error.startsWith(QStringLiteral("Impossible d'enregistrer le fichier ") + target) &&
                 error.endsWith(reason),
             qPrintable(error));
    QVERIFY(StateOf(witness) == before);
    QVERIFY(session->Modified());
    QCOMPARE(HistoryText(session->History()), history);
    QCOMPARE(saved.count(), 0);
    // No temporary file is left behind.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), filesBefore);
}

void TestFaults::unusableSettingsStorageKeepsSettingsInMemory_data() {
    QTest::addColumn<QString>("dataFolder"); // empty: a temporary folder
    QTest::addColumn<bool>("settingsFileIsFolder");
    QTest::newRow("data folder cannot be created") << QStringLiteral("/proc/tessarine") << false;
    QTest::newRow("data folder cannot be written") << QStringLiteral("/proc") << false;
    QTest::newRow("a folder named Settings.ini") << QString() << true;
}

void TestFaults::unusableSettingsStorageKeepsSettingsInMemory() {
    QFETCH(QString, dataFolder);
    QFETCH(bool, settingsFileIsFolder);
    const services_test::TemporaryDataFolder temporary;
    if (!dataFolder.isEmpty())
        qputenv("TESSARINE_DATA_DIR", dataFolder.toUtf8());
    if (settingsFileIsFolder)
        QVERIFY(QDir().mkpath(temporary.SettingsPath()));

    services::SettingsStore module;
    const QString problem = module.StorageProblem();
    QVERIFY2(problem.contains(settingsFileIsFolder ? temporary.SettingsPath() : dataFolder),
             qPrintable(problem));
    QCOMPARE(module.Values().Language, QStringLiteral("fr"));

    module.Values().Language = QStringLiteral("en");
    QVERIFY(!module.Save());
    QVERIFY(!module.WriteEntry(services::kRecentDirectories, QStringLiteral("RecentSaveFileAsDir"),
                               QStringLiteral("/grilles")));
    QCOMPARE(
        module.ReadEntry(services::kRecentDirectories, QStringLiteral("RecentSaveFileAsDir"), {}),
        QStringLiteral("/grilles"));
    module.Load();
    QCOMPARE(module.Values().Language, QStringLiteral("en"));
    // Said once: later reads and writes keep the same sentence.
    QCOMPARE(module.StorageProblem(), problem);
    if (settingsFileIsFolder)
        QVERIFY(QFileInfo(temporary.SettingsPath()).isDir());
}

void TestFaults::translationFileThatIsAFolderGivesDefaults() {
    const services_test::TemporaryDataFolder temporary;
    services::Settings settings;
    services::Translator module(settings);
    module.SetProgramFolder(temporary.Path());
    QVERIFY(QDir().mkpath(module.TranslationsPath()));
    module.LoadMessages();
    QCOMPARE(module.Messages(), QStringList{});
    QCOMPARE(module.GetMessageText(QStringLiteral("&Oui"), 1), QStringLiteral("&Oui"));
    QCOMPARE(module.LanguageCodes(), QStringList{});
}

QTEST_GUILESS_MAIN(TestFaults)
#include "test_faults.moc"

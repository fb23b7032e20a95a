#include "app/services/folders.h"
#include "app/services/program_version.h"
#include "app/services/recent_files.h"
#include "app/services/settings_store.h"
#include "app/services/text_file.h"
#include "game/model/duration.h"

#include "tests/app/services_test_support.h"

#include <QDir>
#include <QTest>

#include <memory>
#include <optional>

using namespace services;
using services_test::ReadBytes;
using services_test::WriteBytes;

class TestSettings : public QObject {
    Q_OBJECT

private slots:
    void init() { folder_.emplace(); }

    void cleanup() { folder_.reset(); }

    void defaultsOnFirstStart() {
        SettingsStore module;
        QCOMPARE(module.DataFolder(), folder_->Path());
        QVERIFY(module.StorageProblem().isEmpty());
        QCOMPARE(module.Values().RecentOpenFileDir, module.DataFolder());
        QCOMPARE(ProgramVersionText(), QStringLiteral("1.00"));
        QCOMPARE(FormatFileVersion(2, 3, 1), QStringLiteral("2.31"));
        QCOMPARE(FormatFileVersion(10, 12, 3), QStringLiteral("10.123"));
        // Colours are 0x00BBGGRR: pure blue, red 128 green 128 blue 255, black, red 128 green 255
        // blue 0, yellow.
        QVERIFY(module.Save());
        const QString expected = QStringLiteral("[GeneralSettings]\n"
                                                "Language=fr\n"
                                                "ShowTipsOnStartup=1\n"
                                                "SavePosWin=1\n"
                                                "ToolBar=1\n"
                                                "QuitConfirm=1\n"
                                                "LastTipShown=0\n"
                                                "TimeSplash=2\n"
                                                "ReopenLastFile=1\n"
                                                "CouleurChiffre=16711680\n"
                                                "CouleurCandidat=16744576\n"
                                                "Couleurdevoile=0\n"
                                                "CouleurJouable=65408\n"
                                                "CouleurReference=65535\n"
                                                "Candidats=0\n"
                                                "Protection=0\n"
                                                "\n"
                                                "[RecentDirectories]\n"
                                                "RecentOpenFileDir=") +
                                 folder_->Path() + QStringLiteral("\n\n");
        QCOMPARE(QString::fromUtf8(ReadBytes(folder_->SettingsPath())), expected);
    }

    void readsValuesAndFallsBackOnMalformedOnes_data() {
        QTest::addColumn<QByteArray>("entry");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QVariant>("expected");
        QTest::newRow("Language") << QByteArray("Language=en") << "Language" << QVariant("en");
        QTest::newRow("tips: yes is no integer, default")
            << QByteArray("ShowTipsOnStartup=yes") << "ShowTipsOnStartup" << QVariant(true);
        QTest::newRow("tips: 2 is true")
            << QByteArray("ShowTipsOnStartup=2") << "ShowTipsOnStartup" << QVariant(true);
        QTest::newRow("tips: 0 is false")
            << QByteArray("ShowTipsOnStartup=0") << "ShowTipsOnStartup" << QVariant(false);
        QTest::newRow("splash in hexadecimal")
            << QByteArray("TimeSplash=0x3") << "TimeSplash" << QVariant(3);
        QTest::newRow("splash malformed")
            << QByteArray("TimeSplash=3s") << "TimeSplash" << QVariant(2);
        QTest::newRow("protection on")
            << QByteArray("Protection=1") << "Protection" << QVariant(true);
        QTest::newRow("colour") << QByteArray("CouleurChiffre=255") << "CouleurChiffre"
                                << QVariant(255u);
        QTest::newRow("colour in hexadecimal")
            << QByteArray("CouleurCandidat=0x00FF00") << "CouleurCandidat" << QVariant(0xFF00u);
        QTest::newRow("colour white")
            << QByteArray("CouleurChiffre=0xFFFFFF") << "CouleurChiffre" << QVariant(0xFFFFFFu);
        QTest::newRow("colour below 0")
            << QByteArray("CouleurChiffre=-1") << "CouleurChiffre" << QVariant(16711680u);
        QTest::newRow("colour above white")
            << QByteArray("CouleurCandidat=0x1000000") << "CouleurCandidat" << QVariant(16744576u);
        QTest::newRow("colour malformed")
            << QByteArray("CouleurCandidat=red") << "CouleurCandidat" << QVariant(16744576u);
        QTest::newRow("key without regard to case")
            << QByteArray("lasttipshown=5") << "LastTipShown" << QVariant(5);
    }

    void readsValuesAndFallsBackOnMalformedOnes() {
        QFETCH(QByteArray, entry);
        QFETCH(QString, field);
        QFETCH(QVariant, expected);
        QVERIFY(WriteBytes(folder_->SettingsPath(), "[GeneralSettings]\n" + entry + "\n"));
        const SettingsStore store;
        const Settings& settings = store.Values();
        const QVariant actual = field == "Language" ? QVariant(settings.Language)
                                : field == "ShowTipsOnStartup"
                                    ? QVariant(settings.ShowTipsOnStartup)
                                : field == "TimeSplash"      ? QVariant(settings.TimeSplash)
                                : field == "Protection"      ? QVariant(settings.Protection)
                                : field == "CouleurChiffre"  ? QVariant(settings.PlayedColour)
                                : field == "CouleurCandidat" ? QVariant(settings.CandidateColour)
                                                             : QVariant(settings.LastTipShown);
        QCOMPARE(actual, expected);
    }

    void saveKeepsWhatTheProgramDoesNotKnow() {
        QVERIFY(WriteBytes(folder_->SettingsPath(), "[Mine]\n"
                                                    "x=1\n"
                                                    "[GeneralSettings]\n"
                                                    "Extra=keep\n"
                                                    "Language=en\n"
                                                    "[WindowPositions]\n"
                                                    "FrmConfigLeft=300\n"));
        SettingsStore module;
        module.Values().ToolBar = false;
        QVERIFY(module.Save());
        const QString text = QString::fromUtf8(ReadBytes(folder_->SettingsPath()));
        QVERIFY2(text.startsWith(QStringLiteral("[Mine]\nx=1\n\n[GeneralSettings]\nExtra=keep\n"
                                                "Language=en\nShowTipsOnStartup=1\nSavePosWin=1\n"
                                                "ToolBar=0\n")),
                 qPrintable(text));
        QVERIFY2(
            text.contains(QStringLiteral("Protection=0\n\n[WindowPositions]\nFrmConfigLeft=300\n"
                                         "\n[RecentDirectories]\n")),
            qPrintable(text));
    }

    void saveRewritesTheRecentFilesSection() {
        QVERIFY(WriteBytes(folder_->SettingsPath(),
                           "[RecentFiles]\nFile1=/stale/a.xml\nFile5=/stale/b.xml\n[Tail]\nk=v\n"));
        SettingsStore module;
        RecentFiles recent;
        const QString older = services_test::CreateFile(folder_->Path(), "new2.xml");
        const QString newer = services_test::CreateFile(folder_->Path(), "new1.xml");
        recent.Add(older);
        recent.Add(newer);
        const auto writeRecent = [&recent](IniFile& ini) { recent.WriteTo(ini); };
        QVERIFY(module.Save(writeRecent));
        const IniFile ini = module.LoadFile();
        const QList<std::pair<QString, QString>> expected = {{"File1", newer}, {"File2", older}};
        QCOMPARE(ini.SectionEntries(kRecentFiles), expected);
        QCOMPARE(ini.ReadString(QStringLiteral("Tail"), QStringLiteral("k"), {}),
                 QStringLiteral("v"));

        recent = RecentFiles();
        QVERIFY(module.Save(writeRecent));
        QVERIFY(!QString::fromUtf8(ReadBytes(folder_->SettingsPath())).contains("[RecentFiles]"));
    }

    void readAndWriteOneSetting() {
        SettingsStore module;
        const QString section = kRecentDirectories;
        const QString key = QStringLiteral("RecentSaveFileAsDir");
        QCOMPARE(module.ReadEntry(section, key, module.DataFolder()), module.DataFolder());
        QVERIFY(module.WriteEntry(section, key, QStringLiteral("/home/joueur/grilles")));
        // Written at once, without SaveSettings.
        QVERIFY(QString::fromUtf8(ReadBytes(folder_->SettingsPath()))
                    .contains(QStringLiteral("RecentSaveFileAsDir=/home/joueur/grilles")));
        QCOMPARE(module.ReadEntry(section, key, {}), QStringLiteral("/home/joueur/grilles"));
        // A folder name with a line break cannot be stored: the file keeps the last good value.
        QVERIFY(!module.WriteEntry(section, key, QStringLiteral("/tmp/a\nb")));
        QCOMPARE(module.ReadEntry(section, key, {}), QStringLiteral("/home/joueur/grilles"));
    }

    void settingsFileInWindows1252() {
        QVERIFY(WriteBytes(folder_->SettingsPath(),
                           "[RecentDirectories]\r\nRecentOpenFileDir=/home/r\xE9mi/grilles\r\n"));
        SettingsStore module;
        QCOMPARE(module.Values().RecentOpenFileDir, QStringLiteral("/home/rémi/grilles"));
        QVERIFY(module.Save());
        QVERIFY(
            ReadBytes(folder_->SettingsPath()).contains("RecentOpenFileDir=/home/r\xC3\xA9mi/"));
    }

    void garbageOrEmptySettingsFileGivesDefaults_data() {
        QTest::addColumn<QByteArray>("content");
        QByteArray binary;
        for (int i = 0; i < 70000; ++i)
            binary.append(char((i * 7919 + i / 13) & 0xFF));
        QTest::newRow("binary") << binary;
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("NUL bytes") << QByteArray(512, '\0');
        QTest::newRow("one long line") << QByteArray(1 << 20, '[');
    }

    void garbageOrEmptySettingsFileGivesDefaults() {
        QFETCH(QByteArray, content);
        QVERIFY(WriteBytes(folder_->SettingsPath(), content));
        SettingsStore module;
        QCOMPARE(module.Values().Language, QStringLiteral("fr"));
        QCOMPARE(module.Values().TimeSplash, 2);
        QVERIFY(module.Save());
        const SettingsStore again;
        QCOMPARE(again.Values().Language, QStringLiteral("fr"));
        QCOMPARE(again.Values().RecentOpenFileDir, again.DataFolder());
    }

    void unreadableSettingsFileIsNeverOverwritten() {
        const QByteArray huge =
            "[GeneralSettings]\nLanguage=en\n" + QByteArray(kMaxTextFileSize, ';');
        QVERIFY(WriteBytes(folder_->SettingsPath(), huge));
        {
            SettingsStore module;
            QCOMPARE(module.Values().Language, QStringLiteral("fr"));
            QVERIFY(!module.StorageProblem().isEmpty());
            QVERIFY(!module.Save());
            QVERIFY(
                !module.WriteEntry(kRecentDirectories, QStringLiteral("k"), QStringLiteral("v")));
            QCOMPARE(module.ReadEntry(kRecentDirectories, QStringLiteral("k"), {}),
                     QStringLiteral("v"));
        }
        QCOMPARE(ReadBytes(folder_->SettingsPath()), huge);
    }

    void unusableDataFolderKeepsSettingsInMemory() {
        // A file where the data folder should be: the folder can be neither created nor written.
        const QString blocker = folder_->Path() + QStringLiteral("blocker");
        QVERIFY(WriteBytes(blocker, "file"));
        qputenv("TESSARINE_DATA_DIR", (blocker + QStringLiteral("/Tessarine")).toUtf8());
        SettingsStore module;
        QVERIFY(module.StorageProblem().contains(blocker));
        QCOMPARE(module.Values().Language, QStringLiteral("fr"));
        module.Values().Language = QStringLiteral("en");
        QVERIFY(!module.Save());
        QVERIFY(!module.WriteEntry(kRecentDirectories, QStringLiteral("RecentSaveFileAsDir"),
                                   QStringLiteral("/x")));
        QCOMPARE(module.ReadEntry(kRecentDirectories, QStringLiteral("RecentSaveFileAsDir"), {}),
                 QStringLiteral("/x"));
        module.Load();
        QCOMPARE(module.Values().Language, QStringLiteral("en"));
        QCOMPARE(ReadBytes(blocker), QByteArray("file"));
    }

    void unwritableDataFolderStillGivesItsSettings() {
        const QByteArray settings = "[GeneralSettings]\nLanguage=en\n";
        QVERIFY(WriteBytes(folder_->SettingsPath(), settings));
        const services_test::ImmutablePath immutable(folder_->Path());
        if (!immutable.IsSet())
            QSKIP("chattr +i does not work here; root ignores plain permissions");
        SettingsStore module;
        QVERIFY(module.StorageProblem().contains(folder_->Path()));
        QCOMPARE(module.Values().Language, QStringLiteral("en"));
        module.Values().Language = QStringLiteral("fr");
        QVERIFY(!module.Save());
        module.Load();
        QCOMPARE(module.Values().Language, QStringLiteral("fr"));
        QCOMPARE(ReadBytes(folder_->SettingsPath()), settings);
    }

    void folderAndProgramNames() {
        const SettingsStore module;
        QCOMPARE(GetProgramName(), QStringLiteral("test_settings"));
        QCOMPARE(GetProgramFolder(), QCoreApplication::applicationDirPath() + u'/');
        QVERIFY(QFileInfo(module.DataFolder()).isDir());

        qputenv("TESSARINE_DATA_DIR", (folder_->Path() + QStringLiteral("a/b/c")).toUtf8());
        const SettingsStore nested;
        QCOMPARE(nested.DataFolder(), folder_->Path() + QStringLiteral("a/b/c/"));
        QVERIFY(QFileInfo(nested.DataFolder()).isDir());
    }

    void formatsDurations_data() {
        QTest::addColumn<qint64>("seconds");
        QTest::addColumn<QString>("expected");
        QTest::newRow("zero") << qint64(0) << "00:00:00";
        QTest::newRow("59 seconds") << qint64(59) << "00:00:59";
        QTest::newRow("one minute") << qint64(60) << "00:01:00";
        QTest::newRow("one hour") << qint64(3600) << "01:00:00";
        QTest::newRow("1 h 2 min 3 s") << qint64(3723) << "01:02:03";
        QTest::newRow("just under 100 hours") << qint64(359999) << "99:59:59";
        QTest::newRow("a hundred hours") << qint64(360000) << "100:00:00";
        QTest::newRow("negative") << qint64(-5) << "00:00:00";
    }

    void formatsDurations() {
        QFETCH(qint64, seconds);
        QFETCH(QString, expected);
        QCOMPARE(game::FormatDuration(seconds), expected);
    }

private:
    std::optional<services_test::TemporaryDataFolder> folder_;
};

QTEST_GUILESS_MAIN(TestSettings)
#include "test_settings.moc"

#include "app/services/program_version.h"
#include "app/services/services_core.h"
#include "app/services/text_file.h"

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
        ServicesCore module;
        QCOMPARE(module.DataFolder, folder_->Path());
        QVERIFY(module.StorageProblem().isEmpty());
        QCOMPARE(module.RecentOpenFileDir, module.DataFolder);
        QCOMPARE(module.RecentFileCount(), 0);
        QCOMPARE(module.RecentMenuCounter, 1);
        QCOMPARE(module.GridCounter, 0);
        for (const QPoint& offset : module.BorderOffsets)
            QCOMPARE(offset, QPoint(0, 0));
        QCOMPARE(module.ProgramVersionText(), QStringLiteral("1.00"));
        QCOMPARE(FormatFileVersion(2, 3, 1), QStringLiteral("2.31"));
        QCOMPARE(FormatFileVersion(10, 12, 3), QStringLiteral("10.123"));
        // Colours are 0x00BBGGRR: pure blue, red 128 green 128 blue 255, black, red 128 green 255
        // blue 0, yellow.
        QVERIFY(module.SaveSettings());
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
        QCOMPARE(module.NextGridNumber(), QStringLiteral("1"));
        QCOMPARE(module.NextGridNumber(), QStringLiteral("2"));
        QCOMPARE(module.GridCounter, 2);
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
        const ServicesCore module;
        const QVariant actual = field == "Language"            ? QVariant(module.Language)
                                : field == "ShowTipsOnStartup" ? QVariant(module.ShowTipsOnStartup)
                                : field == "TimeSplash"        ? QVariant(module.TimeSplash)
                                : field == "Protection"        ? QVariant(module.Protection)
                                : field == "CouleurChiffre"    ? QVariant(module.PlayedColour)
                                : field == "CouleurCandidat"   ? QVariant(module.CandidateColour)
                                                               : QVariant(module.LastTipShown);
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
        ServicesCore module;
        module.ToolBar = false;
        QVERIFY(module.SaveSettings());
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
        ServicesCore module;
        module.RecentFiles = {QStringLiteral("/x/new1.xml"), QStringLiteral("/x/new2.xml")};
        QVERIFY(module.SaveSettings());
        const IniFile ini = module.LoadSettingsFile();
        const QList<std::pair<QString, QString>> expected = {{"File1", "/x/new1.xml"},
                                                             {"File2", "/x/new2.xml"}};
        QCOMPARE(ini.SectionEntries(kRecentFiles), expected);
        QCOMPARE(ini.ReadString(QStringLiteral("Tail"), QStringLiteral("k"), {}),
                 QStringLiteral("v"));

        module.RecentFiles.clear();
        QVERIFY(module.SaveSettings());
        QVERIFY(!QString::fromUtf8(ReadBytes(folder_->SettingsPath())).contains("[RecentFiles]"));
    }

    void destructionSaves() {
        {
            ServicesCore module;
            module.Language = QStringLiteral("en");
            module.LastTipShown = 4;
        }
        const ServicesCore again;
        QCOMPARE(again.Language, QStringLiteral("en"));
        QCOMPARE(again.LastTipShown, 4);
    }

    void readAndWriteOneSetting() {
        ServicesCore module;
        const QString section = kRecentDirectories;
        const QString key = QStringLiteral("RecentSaveFileAsDir");
        QCOMPARE(module.ReadSetting(section, key, module.DataFolder), module.DataFolder);
        QVERIFY(module.WriteSetting(section, key, QStringLiteral("/home/joueur/grilles")));
        // Written at once, without SaveSettings.
        QVERIFY(QString::fromUtf8(ReadBytes(folder_->SettingsPath()))
                    .contains(QStringLiteral("RecentSaveFileAsDir=/home/joueur/grilles")));
        QCOMPARE(module.ReadSetting(section, key, {}), QStringLiteral("/home/joueur/grilles"));
        // A folder name with a line break cannot be stored: the file keeps the last good value.
        QVERIFY(!module.WriteSetting(section, key, QStringLiteral("/tmp/a\nb")));
        QCOMPARE(module.ReadSetting(section, key, {}), QStringLiteral("/home/joueur/grilles"));
    }

    void settingsFileInWindows1252() {
        QVERIFY(WriteBytes(folder_->SettingsPath(),
                           "[RecentDirectories]\r\nRecentOpenFileDir=/home/r\xE9mi/grilles\r\n"));
        ServicesCore module;
        QCOMPARE(module.RecentOpenFileDir, QStringLiteral("/home/rémi/grilles"));
        QVERIFY(module.SaveSettings());
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
        ServicesCore module;
        QCOMPARE(module.Language, QStringLiteral("fr"));
        QCOMPARE(module.TimeSplash, 2);
        QVERIFY(module.SaveSettings());
        const ServicesCore again;
        QCOMPARE(again.Language, QStringLiteral("fr"));
        QCOMPARE(again.RecentOpenFileDir, again.DataFolder);
    }

    void unreadableSettingsFileIsNeverOverwritten() {
        const QByteArray huge =
            "[GeneralSettings]\nLanguage=en\n" + QByteArray(kMaxTextFileSize, ';');
        QVERIFY(WriteBytes(folder_->SettingsPath(), huge));
        {
            ServicesCore module;
            QCOMPARE(module.Language, QStringLiteral("fr"));
            QVERIFY(!module.StorageProblem().isEmpty());
            QVERIFY(!module.SaveSettings());
            QVERIFY(
                !module.WriteSetting(kRecentDirectories, QStringLiteral("k"), QStringLiteral("v")));
            QCOMPARE(module.ReadSetting(kRecentDirectories, QStringLiteral("k"), {}),
                     QStringLiteral("v"));
        }
        QCOMPARE(ReadBytes(folder_->SettingsPath()), huge);
    }

    void unusableDataFolderKeepsSettingsInMemory() {
        // A file where the data folder should be: the folder can be neither created nor written.
        const QString blocker = folder_->Path() + QStringLiteral("blocker");
        QVERIFY(WriteBytes(blocker, "file"));
        qputenv("TESSARINE_DATA_DIR", (blocker + QStringLiteral("/Tessarine")).toUtf8());
        ServicesCore module;
        QVERIFY(module.StorageProblem().contains(blocker));
        QCOMPARE(module.Language, QStringLiteral("fr"));
        module.Language = QStringLiteral("en");
        QVERIFY(!module.SaveSettings());
        QVERIFY(!module.WriteSetting(kRecentDirectories, QStringLiteral("RecentSaveFileAsDir"),
                                     QStringLiteral("/x")));
        QCOMPARE(module.ReadSetting(kRecentDirectories, QStringLiteral("RecentSaveFileAsDir"), {}),
                 QStringLiteral("/x"));
        module.LoadSettings();
        QCOMPARE(module.Language, QStringLiteral("en"));
        QCOMPARE(ReadBytes(blocker), QByteArray("file"));
    }

    void unwritableDataFolderStillGivesItsSettings() {
        const QByteArray settings = "[GeneralSettings]\nLanguage=en\n";
        QVERIFY(WriteBytes(folder_->SettingsPath(), settings));
        const services_test::ImmutablePath immutable(folder_->Path());
        if (!immutable.IsSet())
            QSKIP("chattr +i does not work here; root ignores plain permissions");
        ServicesCore module;
        QVERIFY(module.StorageProblem().contains(folder_->Path()));
        QCOMPARE(module.Language, QStringLiteral("en"));
        module.Language = QStringLiteral("fr");
        QVERIFY(!module.SaveSettings());
        module.LoadSettings();
        QCOMPARE(module.Language, QStringLiteral("fr"));
        QCOMPARE(ReadBytes(folder_->SettingsPath()), settings);
    }

    void folderAndProgramNames() {
        const ServicesCore module;
        QCOMPARE(module.ProgramName, QStringLiteral("test_settings"));
        QCOMPARE(module.ProgramFolder, QCoreApplication::applicationDirPath() + u'/');
        QVERIFY(QFileInfo(module.DataFolder).isDir());

        qputenv("TESSARINE_DATA_DIR", (folder_->Path() + QStringLiteral("a/b/c")).toUtf8());
        const ServicesCore nested;
        QCOMPARE(nested.DataFolder, folder_->Path() + QStringLiteral("a/b/c/"));
        QVERIFY(QFileInfo(nested.DataFolder).isDir());
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
        QCOMPARE(ServicesCore::FormatDuration(seconds), expected);
    }

private:
    std::optional<services_test::TemporaryDataFolder> folder_;
};

QTEST_GUILESS_MAIN(TestSettings)
#include "test_settings.moc"

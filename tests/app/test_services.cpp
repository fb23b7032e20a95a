// The services without windows: INI, text files, the settings file, the translation file.

#include "app/services/folders.h"
#include "app/services/program_version.h"
#include "app/services/recent_files.h"
#include "app/services/settings_file.h"
#include "app/services/settings_store.h"
#include "app/services/text_file.h"
#include "app/services/translations.h"
#include "app/services/translator.h"
#include "game/model/grid_file.h"
#include "game/model/grid_text.h"
#include "game/model/model_messages.h"

#include "tests/app/services_test_support.h"
#include "tests/faults/file_size_limit.h"
#include "tests/golden.h"

#include <QProcess>
#include <QScopeGuard>

#include <cerrno>
#include <optional>

using namespace services;
using services_test::ReadBytes;
using services_test::WriteBytes;

class TestServices : public QObject {
    Q_OBJECT

private slots:
    void init() { folder_.emplace(); }
    void cleanup() { folder_.reset(); }

    // Writes go in place; unknown lines stay; what the syntax cannot hold is refused.
    void iniRewritesInPlace() {
        IniFile ini = IniFile::Parse("; remark\nbefore=dropped\n[Other]\na = 1\nfoo\n[abc\n\n"
                                     "[GeneralSettings]\nLanguage=en\nLanguage=de\nCustom=keep\n"
                                     "[RecentFiles]\nFile1=a\n[Tail]\nz=9\n[recentfiles]\nF=b\n"
                                     "[generalsettings]\nLanguage=it\n");
        QVERIFY(ini.WriteString("generalsettings", "LANGUAGE", "fr"));
        QVERIFY(ini.WriteBool("GeneralSettings", "NewKey", false));
        QVERIFY(ini.WriteInteger("NewSection", "k", -3));
        ini.EraseSection("RecentFiles");
        const QStringList refused = {"S", "k",  "a\nb", "S", "k",  "a\rb", "S",      "a=b", "v",
                                     "S", "",   "v",    "S", " k", "v",    "S",      ";k",  "v",
                                     "S", "[k", "v",    "",  "k",  "v",    "S\n[T]", "k",   "v"};
        for (qsizetype i = 0; i < refused.size(); i += 3)
            QVERIFY(!ini.WriteString(refused[i], refused[i + 1], refused[i + 2]));
        QCOMPARE_GOLDEN(ini.ToText().toUtf8(), "app/ini_rewritten.ini");
        const QList<std::pair<QString, QString>> entries = {{"a", "1"}};
        QCOMPARE(ini.SectionEntries("other"), entries);
    }

    void readsTextFilesUpToTheirLimit() {
        const QString path = folder_->Path() + "file.txt";
        QCOMPARE(ReadTextFile(path).status, TextFileStatus::Missing);
        QVERIFY(WriteBytes(path, "[S]\n\xE9" + QByteArray(kMaxTextFileSize - 5, 'a')));
        QCOMPARE(ReadTextFile(path).status, TextFileStatus::Read);
        QVERIFY(ReadTextFile(path).text.startsWith("[S]\né"));
        QVERIFY(WriteBytes(path, QByteArray(kMaxTextFileSize + 1, 'a')));
        QCOMPARE(ReadTextFile(path).status, TextFileStatus::Unreadable);
        QCOMPARE(ReadTextFile(path).text, QString());
        QCOMPARE(ReadTextFile(folder_->Path()).status, TextFileStatus::Unreadable);
    }

    void fullDiskKeepsThePreviousFile() {
        const QString path = folder_->SettingsPath();
        QVERIFY(WriteBytes(path, "old"));
        QVERIFY(WriteTextFileAtomically(path, "Dévoilés €"));
        QCOMPARE(ReadBytes(path), QByteArray("D\xC3\xA9voil\xC3\xA9s \xE2\x82\xAC"));
        for (const rlim_t room : {0, 16}) { // no room at all, room for part of the file
            const test_faults::FileSizeLimit diskFull(room);
            QVERIFY(!WriteTextFileAtomically(path, QString(4096, u'x')));
        }
        QCOMPARE(ReadBytes(path), QByteArray("D\xC3\xA9voil\xC3\xA9s \xE2\x82\xAC"));
        QCOMPARE(QDir(folder_->Path()).entryList(QDir::Files), QStringList{"Settings.ini"});
        QVERIFY(!WriteTextFileAtomically(folder_->Path() + "absent/Settings.ini", "x"));
        QVERIFY(!WriteTextFileAtomically(folder_->Path(), "x"));
    }

    // Whatever the file holds, a first save writes every setting with its default.
    void defaultsReplaceGarbage_data() {
        QTest::addColumn<QByteArray>("content");
        QByteArray binary;
        for (int i = 0; i < 70000; ++i)
            binary.append(char((i * 7919 + i / 13) & 0xFF));
        QTest::newRow("no file") << QByteArray("-");
        QTest::newRow("binary") << binary;
        QTest::newRow("NUL bytes") << QByteArray(512, '\0');
        QTest::newRow("one long line") << QByteArray(1 << 20, '[');
    }
    void defaultsReplaceGarbage() {
        QFETCH(QByteArray, content);
        if (content != "-")
            QVERIFY(WriteBytes(folder_->SettingsPath(), content));
        SettingsStore store;
        QCOMPARE(store.DataFolder(), folder_->Path());
        QVERIFY(store.StorageProblem().isEmpty());
        QVERIFY(store.Save());
        const QByteArray written = ReadBytes(folder_->SettingsPath());
        QCOMPARE_GOLDEN(QByteArray(written).replace(folder_->Path().toUtf8(), "<data>/"),
                        "app/settings_defaults.ini");
    }

    // Windows-1252, CR LF, malformed values (their defaults) and unknown entries (kept) round trip.
    void settingsRoundTrip() {
        QVERIFY(
            QFile::copy(golden::PathOf("app/settings_round_trip.in.ini"), folder_->SettingsPath()));
        SettingsStore store;
        QCOMPARE(store.Values().TimeSplash, 3);
        RecentFiles recent;
        const QString grid = folder_->Path() + "a.xml";
        QVERIFY(WriteBytes(grid, {}));
        recent.Add(grid);
        QVERIFY(store.Save([&recent](IniFile& ini) { recent.WriteTo(ini); }));
        const QByteArray written = ReadBytes(folder_->SettingsPath());
        QCOMPARE_GOLDEN(QByteArray(written).replace(grid.toUtf8(), "<grid>"),
                        "app/settings_round_trip.ini");
        SettingsStore again;
        QVERIFY(again.Save([](IniFile& ini) { RecentFiles().WriteTo(ini); }));
        QCOMPARE(ReadBytes(folder_->SettingsPath()),
                 QByteArray(written).replace("[RecentFiles]\nFile1=" + grid.toUtf8() + "\n\n", ""));
        QVERIFY(again.WriteEntry(kRecentDirectories, "RecentSaveFileAsDir", "/home/g"));
        QVERIFY(ReadBytes(folder_->SettingsPath()).contains("RecentSaveFileAsDir=/home/g\n"));
        QVERIFY(!again.WriteEntry(kRecentDirectories, "RecentSaveFileAsDir", "/tmp/a\nb"));
        QCOMPARE(again.ReadEntry(kRecentDirectories, "RecentSaveFileAsDir", {}), "/home/g");
    }

    // Settings that cannot be read or written stay in memory; the disk stays as it was.
    void unusableSettingsStayInMemory_data() {
        QTest::addColumn<QString>("obstacle");
        for (const char* obstacle :
             {"too large", "immutable", "folder", "/proc", "/proc/tessarine"})
            QTest::newRow(obstacle) << QString(obstacle);
    }
    void unusableSettingsStayInMemory() {
        QFETCH(QString, obstacle);
        const QByteArray settings = "[GeneralSettings]\nLanguage=en\n" +
                                    QByteArray(obstacle == "too large" ? kMaxTextFileSize : 0, ';');
        QString named = obstacle == "immutable" ? folder_->Path() : folder_->SettingsPath();
        QVERIFY(obstacle == "folder" ? QDir().mkpath(named)
                                     : WriteBytes(folder_->SettingsPath(), settings));
        if (obstacle.startsWith(u'/'))
            qputenv("TESSARINE_DATA_DIR", (named = obstacle).toUtf8());
        const auto chattr = [&named](const char* flag) {
            return QProcess::execute("chattr", {flag, named}) == 0;
        };
        const auto unlock = qScopeGuard([&] {
            if (obstacle == "immutable")
                chattr("-i");
        });
        if (obstacle == "immutable" && !chattr("+i")) // root ignores plain permissions
            QSKIP("chattr +i does not work here");
        {
            SettingsStore store;
            const QString problem = store.StorageProblem();
            QVERIFY2(problem.contains(named), qPrintable(problem));
            QCOMPARE(store.Values().Language, obstacle == "immutable" ? "en" : "fr");
            store.Values().Language = "de";
            QVERIFY(!store.Save());
            QVERIFY(!store.WriteEntry(kRecentDirectories, "k", "/x"));
            QCOMPARE(store.ReadEntry(kRecentDirectories, "k", {}), "/x");
            store.Load();
            QCOMPARE(store.Values().Language, "de");
            QCOMPARE(store.StorageProblem(), problem); // said once, the same later
        }
        QVERIFY(obstacle == "folder" ? QFileInfo(named).isDir()
                                     : ReadBytes(folder_->SettingsPath()) == settings);
    }

    void namesFoldersAndVersions() {
        QCOMPARE(GetProgramName(), "test_services");
        qputenv("TESSARINE_DATA_DIR", (folder_->Path() + "a/b/c").toUtf8());
        QCOMPARE(SettingsStore().DataFolder(), folder_->Path() + "a/b/c/");
        QVERIFY(QFileInfo(folder_->Path() + "a/b/c").isDir());
        QCOMPARE(FormatFileVersion(10, 12, 3), "10.123");
    }

    // The text helpers, a row of text_helpers.tsv each (lists joined by |).
    void textHelpers_data() {
        services_test::AddRowsFrom("app/text_helpers.tsv",
                                   {"helper", "a", "b", "c", "d", "e", "expected"});
    }
    void textHelpers() {
        QFETCH(QString, helper);
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(QString, c);
        QFETCH(QString, d);
        QFETCH(QString, e);
        QFETCH(QString, expected);
        QString actual;
        const IniFile ini = IniFile::Parse(helper == "number" ? "[S]\nk=" + a + u'\n' : a);
        if (helper == "ini")
            actual = ini.ReadString("S", "k", "-");
        else if (helper == "number")
            actual = QString::number(ini.ReadInteger("S", "k", 77)) + u' ' +
                     QString::number(ini.ReadBool("S", "k", false)) +
                     QString::number(ini.ReadBool("S", "k", true));
        else if (helper == "section")
            actual = ReadTranslationSection(WriteTranslations(a.toUtf8()), "Messages", b, true)
                         .join(u'|');
        else if (helper == "message")
            actual = GetMessageText(a.split(u'|'), b, c.toInt(), d, e);
        else if (helper == "lines")
            actual = SplitLines(DecodeText(QByteArray::fromPercentEncoding(a.toUtf8()))).join(u'|');
        else
            actual = helper == "replace" ? ReplaceAll(a, b, c) : ReplaceAllNoCase(a, b, c);
        QCOMPARE(actual, expected);
    }

    void namesFileErrorsInTheInterfacesLanguage() {
        QStringList numbered;
        for (int n = 1; n <= 49; ++n)
            numbered << QString::number(n);
        QByteArray report;
        for (const int error : {ENOENT, EACCES, EPERM, ENOSPC, EDQUOT, EROFS, EISDIR, EFBIG}) {
            game::SetMessages({});
            report += game::FileErrorReason(error, "other").toUtf8() + '\t';
            game::SetMessages(numbered);
            report += game::FileErrorReason(error, "other").toUtf8() + '\n';
        }
        game::SetMessages({});
        QFile folder(folder_->Path()), absent(folder_->Path() + "absent/g.xml");
        QVERIFY(!folder.open(QIODevice::ReadWrite) && !absent.open(QIODevice::ReadWrite));
        report += (game::FileErrorReason(folder) + '\t' + game::FileErrorReason(absent)).toUtf8();
        QCOMPARE_GOLDEN(report, "app/file_errors.txt");
    }

    // With the shipped file: the model's messages, a few of the program's, in either language.
    void shippedFileGivesEveryLanguage() {
        Settings settings;
        Translator translator(settings);
        QCOMPARE(translator.LanguageCodes(), (QStringList{"fr", "en"}));
        const qsizetype count = translator.Messages().size();
        QVERIFY(count >= 44);
        const QString file = QString::fromUtf8(ReadBytes(translator.TranslationsPath()));
        QVERIFY(!file.contains("« ") && !file.contains(" »")); // guillemets hold to their words
        QByteArray report;
        for (const QString language : {"fr", "en"}) {
            settings.Language = language;
            translator.LoadMessages();
            QCOMPARE(translator.Messages().size(), count);
            const QStringList tips = translator.ReadSection("Tips", true);
            QVERIFY(tips.size() >= 12);
            for (const QString& text : {
                     game::ParseGridFile("  x", "g%2.xml").Error,
                     game::ParseGridFile("  " + QByteArray(70, 'x'), "g.xml").Error,
                     game::ReadGridFile("/absent/g.xml").Error,
                     game::ReadGridText("1").Error,
                     game::ReadGridText(QString(80, u'.') + u'-').Error,
                     SettingsFile::InMemory("/absent/").Problem(),
                     translator.GetMessageText("", 2) + translator.GetMessageText("", 18),
                     translator.GetMessageText("", 25, "a.xml"),
                     translator.GetMessageText("", 44),
                     tips.value(1).left(9),
                 })
                report += text.toUtf8() + '\n';
        }
        for (const QString window :
             {"FormMain", "FrmConfig", "TipsForm", "FrmSelecteur", "Langues", "Framefille"})
            QVERIFY2(!translator.ReadSection(window, false).isEmpty(), qPrintable(window));
        QCOMPARE_GOLDEN(report, "app/shipped_messages.txt");
    }

    // A file that cannot be read leaves the messages loaded before; none at first.
    void loadsMessagesOfTheCurrentLanguage_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("readable") << QByteArray(
            "[Messages]\nfr=Oui\nen=Yes\nfr=Non\n"
            "[languages]\nFran\xE7"
            "ais=fr\n; D=de\n"
            " English = en \nMod\xE8le=xx\n[Languages]\nS=de\n");
        QTest::newRow("too large") << "[Messages]\nfr=Oui\n" + QByteArray(kMaxTextFileSize, 'x');
    }
    void loadsMessagesOfTheCurrentLanguage() {
        QFETCH(QByteArray, content);
        const bool readable = content.size() < 1000;
        Settings settings;
        Translator translator(settings);
        translator.SetProgramFolder(folder_->Path());
        const QString path = WriteTranslations(content);
        translator.LoadMessages();
        QCOMPARE(translator.GetMessageText("d", 2), readable ? "Non" : "d");
        QCOMPARE(translator.LanguageCodes(), (readable ? QStringList{"fr", "en"} : QStringList{}));
        settings.Language = "en";
        translator.LoadMessages();
        QCOMPARE(translator.GetMessageText("&Oui", 1), readable ? "Yes" : "&Oui");
        QVERIFY(QFile::remove(path));
        settings.Language = "fr";
        translator.LoadMessages(); // no file any more: the messages stay
        QCOMPARE(translator.Messages(), readable ? QStringList{"Yes"} : QStringList{});
    }

private:
    QString WriteTranslations(const QByteArray& content) {
        const QString path = folder_->Path() + kTranslationsFileName;
        WriteBytes(path, content);
        return path;
    }

    std::optional<services_test::TemporaryDataFolder> folder_;
};

QTEST_GUILESS_MAIN(TestServices)
#include "test_services.moc"

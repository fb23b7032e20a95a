#include "app/services/settings_file.h"
#include "app/services/text_file.h"
#include "app/services/translations.h"
#include "app/services/translator.h"
#include "game/model/grid_file.h"
#include "game/model/grid_text.h"
#include "game/model/model_messages.h"

#include "tests/app/services_test_support.h"

#include <QTest>

#include <cerrno>
#include <optional>

using namespace services;
using game::FileErrorReason;
using game::SetMessages;
using services_test::WriteBytes;

class TestTranslations : public QObject {
    Q_OBJECT

private slots:
    void init() { folder_.emplace(); }

    void cleanup() { folder_.reset(); }

    void readsTheCurrentLanguagesLines_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("language");
        QTest::addColumn<bool>("valuesOnly");
        QTest::addColumn<QStringList>("expected");

        const QString messages = "[Messages]\nfr=Oui\nen=Yes\nfr=Non\n";
        QTest::newRow("French values") << messages << "fr" << true << QStringList{"Oui", "Non"};
        QTest::newRow("English values") << messages << "en" << true << QStringList{"Yes"};
        QTest::newRow("whole lines")
            << messages << "fr" << false << QStringList{"fr=Oui", "fr=Non"};
        QTest::newRow("header followed by a blank") << "[Messages] \nfr=Oui\n"
                                                    << "fr" << true << QStringList{};
        QTest::newRow("header in lower case") << "[messages]\nfr=Oui\n"
                                              << "fr" << true << QStringList{};
        QTest::newRow("section ends at the next [") << "[Messages]\nfr=Oui\n[Tips]\nfr=Astuce\n"
                                                    << "fr" << true << QStringList{"Oui"};
        QTest::newRow("only the first section of a name")
            << "[Messages]\nfr=Oui\n[Messages]\nfr=Non\n"
            << "fr" << true << QStringList{"Oui"};
        QTest::newRow("remarks and blank lines never count")
            << "[Messages]\n\n; fr=remark\nfr=Oui\nFR=Non\n fr=Non\nfr=Annuler\n"
            << "fr" << true << QStringList{"Oui", "Annuler"};
        QTest::newRow("line without = gives an empty value")
            << "[Messages]\nfr\nfr=Oui\n"
            << "fr" << true << QStringList{"", "Oui"};
        QTest::newRow("value keeps its blanks and later =")
            << "[Messages]\nfr= a = b \n"
            << "fr" << true << QStringList{" a = b "};
        QTest::newRow("one-letter language matches nothing") << "[Messages]\nfr=Oui\n"
                                                             << "f" << true << QStringList{};
        QTest::newRow("three-letter language matches nothing") << "[Messages]\nfra=Oui\n"
                                                               << "fra" << true << QStringList{};
        QTest::newRow("CR LF and CR line ends") << "[Messages]\r\nfr=Oui\rfr=Non\r\n"
                                                << "fr" << true << QStringList{"Oui", "Non"};
        QTest::newRow("no section") << "fr=Oui\n"
                                    << "fr" << true << QStringList{};
    }

    void readsTheCurrentLanguagesLines() {
        QFETCH(QString, file);
        QFETCH(QString, language);
        QFETCH(bool, valuesOnly);
        QFETCH(QStringList, expected);
        const QString path = WriteTranslations(file.toUtf8());
        QCOMPARE(ReadTranslationSection(path, QStringLiteral("Messages"), language, valuesOnly),
                 expected);
    }

    void findsValuesByKey() {
        const QStringList lines = {"fr_TLabel_LbChiffre=Chiffres", "fr_TLabel_LbChiffre=second",
                                   "fr_TLabel_LbChiffre_Hint=Aide", "fr_tcheckbox_cbquitconfirm=Q",
                                   "fr_TLabel_Vide="};
        QCOMPARE(TranslationValue(lines, "fr_TLabel_LbChiffre"), QStringLiteral("Chiffres"));
        QCOMPARE(TranslationValue(lines, "fr_TLabel_LbChiffre_Hint"), QStringLiteral("Aide"));
        QCOMPARE(TranslationValue(lines, "fr_TCheckBox_CbQuitConfirm"), QStringLiteral("Q"));
        QCOMPARE(TranslationValue(lines, "fr_TLabel_Vide"), QString());
        QCOMPARE(TranslationValue(lines, "fr_TLabel_Absent"), QString());
        QCOMPARE(TranslationValue(lines, "fr_TLabel"), QString());
    }

    void composesMessages_data() {
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QString>("defaultText");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("a1");
        QTest::addColumn<QString>("a2");
        QTest::addColumn<QString>("expected");
        struct Row {
            const char* name;
            QStringList messages;
            const char* defaultText;
            int number;
            const char *a1, *a2, *expected;
        };
        const QStringList two = {"Le fichier %s est dans %s.", "Oui"};
        const Row rows[] = {
            {"two arguments", two, "défaut", 1, "a.xml", "C:\\", "Le fichier a.xml est dans C:\\."},
            {"empty second argument removes the second %s", two, "défaut", 1, "a.xml", "",
             "Le fichier a.xml est dans ."},
            {"third %s stays", {"%s-%s-%s"}, "", 1, "a", "b", "a-b-%s"},
            {"one %s takes the first argument", {"[%s]"}, "", 1, "x", "y", "[x]"},
            {"no %s ignores the arguments", two, "", 2, "x", "y", "Oui"},
            {"line break escape", {"Ligne 1\\nLigne 2"}, "", 1, "", "", "Ligne 1\nLigne 2"},
            {"apostrophe escape", {"l\\039écraser"}, "", 1, "", "", "l'écraser"},
            {"double backslash", {"C:\\\\Tessarine"}, "", 1, "", "", "C:\\Tessarine"},
            {"escapes in their order", {"\\\\n"}, "", 1, "", "", "\\\n"},
            {"default text is escaped too",
             {},
             "Le fichier [%s] existe déjà.\\nVoulez-vous  l\\039écraser",
             25,
             "a.xml",
             "",
             "Le fichier [a.xml] existe déjà.\nVoulez-vous  l'écraser"},
            {"arguments are shown as given",
             {"%s et %s"},
             "",
             1,
             "/tmp/a\\new%s.xml",
             "b\\039\\\\",
             "/tmp/a\\new%s.xml et b\\039\\\\"},
            {"number beyond the messages", two, "défaut", 3, "", "", "défaut"},
            {"number 0", two, "défaut", 0, "", "", "défaut"},
            {"negative number", two, "défaut", -1, "", "", "défaut"},
            {"empty message line is the message", {""}, "défaut", 1, "", "", ""},
        };
        for (const Row& row : rows)
            QTest::newRow(row.name) << row.messages << QString::fromUtf8(row.defaultText)
                                    << row.number << QString::fromUtf8(row.a1)
                                    << QString::fromUtf8(row.a2) << QString::fromUtf8(row.expected);
    }

    void composesMessages() {
        QFETCH(QStringList, messages);
        QFETCH(QString, defaultText);
        QFETCH(int, number);
        QFETCH(QString, a1);
        QFETCH(QString, a2);
        QFETCH(QString, expected);
        QCOMPARE(GetMessageText(messages, defaultText, number, a1, a2), expected);
    }

    void namesFileErrorsInTheInterfacesLanguage_data() {
        QTest::addColumn<int>("error");
        QTest::addColumn<int>("number"); // 0: the system's text
        QTest::addColumn<QString>("french");
        QTest::addColumn<QString>("file"); // one in the data folder that fails so
        struct Row {
            const char* name;
            int error, number;
            const char *french, *file;
        };
        const Row rows[] = {
            {"not found", ENOENT, 45, "fichier ou dossier introuvable", "absent/grille.xml"},
            {"permission denied", EACCES, 46, "accès refusé", ""},
            {"operation not permitted", EPERM, 46, "accès refusé", ""},
            {"disk full", ENOSPC, 47, "le disque est plein", ""},
            {"quota exceeded", EDQUOT, 47, "le disque est plein", ""},
            {"read-only file system", EROFS, 48, "le disque est en lecture seule", ""},
            {"is a folder", EISDIR, 49, "c'est un dossier", "."},
            {"other", EFBIG, 0, "File too large", ""},
        };
        for (const Row& row : rows)
            QTest::newRow(row.name) << row.error << row.number << QString::fromUtf8(row.french)
                                    << QString::fromUtf8(row.file);
    }

    void namesFileErrorsInTheInterfacesLanguage() {
        QFETCH(int, error);
        QFETCH(int, number);
        QFETCH(QString, french);
        QFETCH(QString, file);
        const QString system = QStringLiteral("File too large");
        SetMessages({});
        QCOMPARE(FileErrorReason(error, system), french);
        if (!file.isEmpty()) {
            QFile failing(folder_->Path() + file);
            QVERIFY(!failing.open(QIODevice::ReadWrite));
            QCOMPARE(FileErrorReason(failing), french);
        }
        QStringList messages;
        for (int n = 1; n <= 49; ++n)
            messages << QStringLiteral("message %1").arg(n);
        SetMessages(messages);
        QCOMPARE(FileErrorReason(error, system),
                 number ? QStringLiteral("message %1").arg(number) : system);
    }

    void showsTheModelsMessagesInTheInterfacesLanguage_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("French: the defaults")
            << "fr"
            << QStringList{
                   "Le fichier g%2.xml n'est pas une grille valide : ligne 1, ligne trop courte.",
                   "Le fichier g.xml n'est pas une grille valide : ligne 1, la valeur de Ligne "
                   "n'est pas un chiffre.",
                   "Fichier non trouvé : /absent/g.xml",
                   "Sudoku non récuparable,81 Caractères attendus",
                   "Sudoku non récupérable : caractère «\u00A0-\u00A0» inattendu en position 81 "
                   "(les cases vides sont marquées par «\u00A0.\u00A0»)",
                   "Le dossier «\u00A0/absent/\u00A0» ne peut pas être créé ou écrit : les "
                   "réglages de cette session ne seront pas enregistrés."};
        QTest::newRow("English")
            << "en"
            << QStringList{"The file g%2.xml is not a valid grid: line 1, line too short.",
                           "The file g.xml is not a valid grid: line 1, the value of Ligne is not "
                           "a digit.",
                           "File not found: /absent/g.xml",
                           "Sudoku cannot be recovered, 81 characters expected",
                           "Sudoku cannot be recovered: unexpected character \"-\" at position 81 "
                           "(empty cells are marked by \".\")",
                           "The folder \"/absent/\" cannot be created or written: the settings of "
                           "this session will not be saved."};
    }

    void showsTheModelsMessagesInTheInterfacesLanguage() {
        QFETCH(QString, language);
        QFETCH(QStringList, expected);
        Settings settings;
        Translator module(settings); // reads the copy beside the test program
        settings.Language = language;
        module.LoadMessages();
        const QStringList shown = {
            game::ParseGridFile("  x", "g%2.xml").Error,
            game::ParseGridFile("  " + QByteArray(70, 'x'), "g.xml").Error,
            game::ReadGridFile("/absent/g.xml").Error,
            game::ReadGridText("1").Error,
            game::ReadGridText(QString(80, u'.') + u'-').Error,
            SettingsFile::InMemory("/absent/").Problem(),
        };
        QCOMPARE(shown, expected);
    }

    void replacesAll_data() {
        QTest::addColumn<QString>("comparison");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("oldText");
        QTest::addColumn<QString>("newText");
        QTest::addColumn<QString>("expected");
        services_test::AddTextRows({
            {"every occurrence", "case", "a-b-a", "a", "x", "x-b-x"},
            {"no overlap, left to right", "case", "aaa", "aa", "b", "ba"},
            {"inserted text is not searched again", "case", "aa", "a", "aa", "aaaa"},
            {"case counts", "case", "Aa", "a", "x", "Ax"},
            {"empty old text changes nothing", "case", "abc", "", "x", "abc"},
            {"removal", "case", "a\\039b", "\\039", "", "ab"},
            {"any case: tip line break", "any", "a#13#10b", "#13#10", "\n", "a\nb"},
            {"any case: letters a to z", "any", "ABCabcAbC", "abc", "-", "---"},
            {"any case: accented letters keep their case", "any", "Été été", "été", "x", "Été x"},
            {"any case: no overlap", "any", "AAA", "aa", "b", "bA"},
            {"any case: inserted text is not searched again", "any", "A", "a", "aA", "aA"},
            {"any case: empty old text changes nothing", "any", "abc", "", "x", "abc"},
        });
    }

    void replacesAll() {
        QFETCH(QString, comparison);
        QFETCH(QString, text);
        QFETCH(QString, oldText);
        QFETCH(QString, newText);
        QFETCH(QString, expected);
        QCOMPARE(comparison == "any" ? ReplaceAllNoCase(text, oldText, newText)
                                     : ReplaceAll(text, oldText, newText),
                 expected);
    }

    void escapesCaptionsAndHints() {
        QCOMPARE(CaptionText("Site web de l\\039auteur\\nsuite"),
                 QStringLiteral("Site web de l'auteur\\nsuite"));
        QCOMPARE(HintText("Ligne l\\039une\\nLigne deux"),
                 QStringLiteral("Ligne l'une\nLigne deux"));
    }

    void loadsMessagesOfTheCurrentLanguage() {
        Settings settings;
        Translator module(settings);
        module.SetProgramFolder(folder_->Path());
        const QString path =
            WriteTranslations("[Messages]\nfr=Oui\nen=Yes\nfr=Non\n[Tips]\nfr=Astuce\n");
        module.LoadMessages();
        QCOMPARE(module.Messages(), (QStringList{"Oui", "Non"}));
        QCOMPARE(module.GetMessageText("défaut", 2), QStringLiteral("Non"));
        settings.Language = QStringLiteral("en");
        module.LoadMessages();
        QCOMPARE(module.GetMessageText("&Oui", 1), QStringLiteral("Yes"));
        QCOMPARE(module.GetMessageText("&Non", 2), QStringLiteral("&Non"));
        QVERIFY(QFile::remove(path)); // no file any more: the messages stay
        settings.Language = QStringLiteral("fr");
        module.LoadMessages();
        QCOMPARE(module.Messages(), QStringList{"Yes"});
    }

    void unreadableTranslationFilesGiveNoLine_data() {
        QTest::addColumn<QByteArray>("content");
        QByteArray binary;
        for (int i = 0; i < 50000; ++i)
            binary.append(char((i * 31 + i / 7) & 0xFF));
        QTest::newRow("binary") << binary;
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("too large") << "[Messages]\nfr=Oui\n" + QByteArray(kMaxTextFileSize, 'x');
    }

    void unreadableTranslationFilesGiveNoLine() {
        QFETCH(QByteArray, content);
        Settings settings;
        Translator module(settings);
        module.SetProgramFolder(folder_->Path());
        WriteTranslations(content);
        module.LoadMessages();
        QCOMPARE(module.Messages(), QStringList{});
        QCOMPARE(module.GetMessageText("&Oui", 1), QStringLiteral("&Oui"));
        QCOMPARE(module.LanguageCodes(), QStringList{});
    }

    void offersLanguages() {
        const QString path = WriteTranslations("[Messages]\nfr=Oui\n"
                                               "[languages]\n"
                                               "Fran\xE7"
                                               "ais=fr\n"
                                               "; Deutsch=de\n"
                                               " English = en \n"
                                               "Mod\xE8le=xx\n"
                                               "[Languages]\n"
                                               "Second=de\n");
        QCOMPARE(LanguageCodes(path), (QStringList{"fr", "en"}));
        QCOMPARE(LanguageCodes(folder_->Path() + QStringLiteral("absent.txt")), QStringList{});
    }

    void shipsACompleteTranslationFile() {
        Settings settings;
        Translator module(settings); // reads the copy beside the test program
        const qsizetype frenchMessages = module.Messages().size();
        QVERIFY(frenchMessages >= 44);
        QCOMPARE(module.GetMessageText("&Oui", 1), QStringLiteral("&Oui"));
        QCOMPARE(module.GetMessageText("Avertissement", 12), QStringLiteral("Avertissement"));
        QCOMPARE(module.GetMessageText("Voulez-vous vraiment quitter ?", 18),
                 QStringLiteral("Voulez-vous vraiment quitter ?"));
        QCOMPARE(module.GetMessageText("", 22, "/g/a.xml"),
                 QStringLiteral("Le fichier /g/a.xml a été enregistré avec succès."));
        QCOMPARE(module.GetMessageText("", 25, "a.xml"),
                 QStringLiteral("Le fichier [a.xml] existe déjà.\nVoulez-vous l'écraser ?"));
        QCOMPARE(module.GetMessageText("", 44), QStringLiteral("Sélecteur"));
        const QStringList frenchTips = module.ReadSection(QStringLiteral("Tips"), true);
        // A first start (LastTipShown 0) shows the second tip: the welcome.
        QVERIFY(frenchTips.value(1).startsWith(QStringLiteral("Bienvenue")));
        // Guillemets hold to their words: a line never ends with « nor begins with ».
        const QString file = QString::fromUtf8(services_test::ReadBytes(module.TranslationsPath()));
        QVERIFY(!file.contains(QStringLiteral("« ")) && !file.contains(QStringLiteral(" »")));

        settings.Language = QStringLiteral("en");
        module.LoadMessages();
        QCOMPARE(module.Messages().size(), frenchMessages);
        QCOMPARE(module.GetMessageText("&Non", 2), QStringLiteral("&No"));
        QCOMPARE(module.GetMessageText("", 25, "a.xml"),
                 QStringLiteral("The file [a.xml] already exists.\nDo you want to overwrite it?"));
        QCOMPARE(module.GetMessageText("", 44), QStringLiteral("Selector"));
        const QStringList englishTips = module.ReadSection(QStringLiteral("Tips"), true);
        QVERIFY(englishTips.value(1).startsWith(QStringLiteral("Welcome")));
        QVERIFY(englishTips.size() >= 12);
        QCOMPARE(englishTips.size(), frenchTips.size());

        QCOMPARE(module.LanguageCodes(), (QStringList{"fr", "en"}));
        for (const QString window :
             {"FormMain", "FrmConfig", "TipsForm", "FrmSelecteur", "Langues", "Framefille"})
            QVERIFY2(!module.ReadSection(window, false).isEmpty(), qPrintable(window));
    }

private:
    QString WriteTranslations(const QByteArray& content) {
        const QString path = folder_->Path() + kTranslationsFileName;
        WriteBytes(path, content);
        return path;
    }

    std::optional<services_test::TemporaryDataFolder> folder_;
};

QTEST_GUILESS_MAIN(TestTranslations)
#include "test_translations.moc"

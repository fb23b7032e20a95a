#include "app/services/ini_file.h"

#include "tests/app/services_test_support.h"

#include <QTest>

#include <climits>

using services::IniFile;

class TestIniFile : public QObject {
    Q_OBJECT

private slots:
    void readsEntries_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("expected"); // "<missing>" when there is no entry

        services_test::AddTextRows({
            {"plain entry", "[S]\nk=v\n", "S", "k", "v"},
            {"first occurrence wins", "[S]\nk=1\nk=2\n", "S", "k", "1"},
            {"names without regard to case", "[general]\nKEY=v\n", "GENERAL", "key", "v"},
            {"lines before the first section ignored", "k=1\n[S]\nj=2\n", "S", "k", "<missing>"},
            {"comment line ignored", "[S]\n;k=1\nk=2\n", "S", "k", "2"},
            {"blanks around = and at the ends", "[S]\n  k  =  v w  \n", "S", "k", "v w"},
            {"tab blanks", "[S]\n\tk\t=\tv\t\n", "S", "k", "v"},
            {"value after the first =", "[S]\nk=a=b\n", "S", "k", "a=b"},
            {"empty value", "[S]\nk=\n", "S", "k", ""},
            {"header with blanks", "  [ S ]  \nk=v\n", "S", "k", "v"},
            {"second section of a name unread", "[S]\nk=1\n[s]\nk=2\nj=3\n", "S", "j", "<missing>"},
            {"CR LF line ends", "[S]\r\nk=v\r\nj=w\r\n", "S", "j", "w"},
            {"CR line ends", "[S]\rk=v\rj=w\r", "S", "j", "w"},
            {"key of another section", "[A]\nk=1\n[B]\nj=2\n", "B", "k", "<missing>"},
            {"missing section", "[A]\nk=1\n", "B", "k", "<missing>"},
            {"empty text", "", "S", "k", "<missing>"},
        });
    }

    void readsEntries() {
        QFETCH(QString, text);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, expected);
        const IniFile ini = IniFile::Parse(text);
        QCOMPARE(ini.ReadString(section, key, QStringLiteral("<missing>")), expected);
    }

    void readsIntegers_data() {
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("expected");
        const int def = 77;
        QTest::newRow("decimal") << "12" << 12;
        QTest::newRow("negative") << "-5" << -5;
        QTest::newRow("plus sign") << "+7" << 7;
        QTest::newRow("hexadecimal") << "0x1F" << 31;
        QTest::newRow("hexadecimal, capital X") << "0X1f" << 31;
        QTest::newRow("0x3") << "0x3" << 3;
        QTest::newRow("eight hex digits wrap") << "0xFFFFFFFF" << -1;
        QTest::newRow("hex beyond 32 bits") << "0x100000000" << def;
        QTest::newRow("0x alone") << "0x" << def;
        QTest::newRow("bad hex digit") << "0x1G" << def;
        QTest::newRow("word") << "yes" << def;
        QTest::newRow("trailing letters") << "12abc" << def;
        QTest::newRow("inner blank") << "1 2" << def;
        QTest::newRow("largest") << "2147483647" << INT_MAX;
        QTest::newRow("smallest") << "-2147483648" << INT_MIN;
        QTest::newRow("too large") << "2147483648" << def;
        QTest::newRow("far too large") << "99999999999999999999" << def;
        QTest::newRow("sign alone") << "-" << def;
        QTest::newRow("empty") << "" << def;
    }

    void readsIntegers() {
        QFETCH(QString, value);
        QFETCH(int, expected);
        const IniFile ini = IniFile::Parse(QStringLiteral("[S]\nk=") + value + u'\n');
        QCOMPARE(ini.ReadInteger(QStringLiteral("S"), QStringLiteral("k"), 77), expected);
    }

    void readsBooleans_data() {
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("def");
        QTest::addColumn<bool>("expected");
        QTest::newRow("1") << "1" << false << true;
        QTest::newRow("0") << "0" << true << false;
        QTest::newRow("2 is true") << "2" << false << true;
        QTest::newRow("negative is true") << "-1" << false << true;
        QTest::newRow("yes gives the default true") << "yes" << true << true;
        QTest::newRow("yes gives the default false") << "yes" << false << false;
        QTest::newRow("hex zero") << "0x0" << true << false;
    }

    void readsBooleans() {
        QFETCH(QString, value);
        QFETCH(bool, def);
        QFETCH(bool, expected);
        const IniFile ini = IniFile::Parse(QStringLiteral("[S]\nk=") + value + u'\n');
        QCOMPARE(ini.ReadBool(QStringLiteral("S"), QStringLiteral("k"), def), expected);
    }

    void rewriteKeepsUnknownEntriesInPlace() {
        IniFile ini = IniFile::Parse(QStringLiteral("; remark\n"
                                                    "before=dropped\n"
                                                    "[Other]\n"
                                                    "a = 1\n"
                                                    "\n"
                                                    "[GeneralSettings]\n"
                                                    "Language=en\n"
                                                    "Custom=keep\n"
                                                    "[Tail]\n"
                                                    "z=9\n"));
        QVERIFY(ini.WriteString(QStringLiteral("generalsettings"), QStringLiteral("LANGUAGE"),
                                QStringLiteral("fr")));
        QVERIFY(ini.WriteString(QStringLiteral("GeneralSettings"), QStringLiteral("NewKey"),
                                QStringLiteral("x")));
        QVERIFY(ini.WriteInteger(QStringLiteral("NewSection"), QStringLiteral("k"), -3));
        QCOMPARE(ini.ToText(), QStringLiteral("[Other]\n"
                                              "a=1\n"
                                              "\n"
                                              "[GeneralSettings]\n"
                                              "Language=fr\n"
                                              "Custom=keep\n"
                                              "NewKey=x\n"
                                              "\n"
                                              "[Tail]\n"
                                              "z=9\n"
                                              "\n"
                                              "[NewSection]\n"
                                              "k=-3\n"
                                              "\n"));
    }

    void writeReplacesFirstOccurrence() {
        IniFile ini = IniFile::Parse(QStringLiteral("[S]\nk=5\nk=2\n[S]\nk=3\n"));
        QVERIFY(ini.WriteBool(QStringLiteral("s"), QStringLiteral("K"), false));
        QCOMPARE(ini.ToText(), QStringLiteral("[S]\nk=0\nk=2\n\n[S]\nk=3\n\n"));
    }

    void linesWithoutEqualsSurvive() {
        IniFile ini = IniFile::Parse(QStringLiteral("[S]\nfoo\n[abc\n"));
        QVERIFY(!ini.Value(QStringLiteral("S"), QStringLiteral("foo")));
        QVERIFY(ini.WriteString(QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("v")));
        QCOMPARE(ini.ToText(), QStringLiteral("[S]\nfoo\n[abc\nk=v\n\n"));
    }

    void eraseSectionRemovesEverySectionOfThatName() {
        IniFile ini = IniFile::Parse(
            QStringLiteral("[RecentFiles]\nFile1=a\n[Keep]\nk=v\n[recentfiles]\nFile5=stale\n"));
        ini.EraseSection(QStringLiteral("RecentFiles"));
        QCOMPARE(ini.ToText(), QStringLiteral("[Keep]\nk=v\n\n"));
    }

    void refusesEntriesTheSyntaxCannotHold_data() {
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        services_test::AddTextRows({
            {"line break in value", "S", "k", "a\nb"},
            {"carriage return in value", "S", "k", "a\rb"},
            {"= in key", "S", "a=b", "v"},
            {"empty key", "S", "", "v"},
            {"key with blanks at its ends", "S", " k", "v"},
            {"key that reads as a remark", "S", ";k", "v"},
            {"key that reads as a section", "S", "[k", "v"},
            {"empty section", "", "k", "v"},
            {"line break in section", "S\n[T]", "k", "v"},
        });
    }

    void refusesEntriesTheSyntaxCannotHold() {
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, value);
        IniFile ini = IniFile::Parse(QStringLiteral("[S]\nk=old\n"));
        QVERIFY(!ini.WriteString(section, key, value));
        QCOMPARE(ini.ToText(), QStringLiteral("[S]\nk=old\n\n"));
    }

    void sectionEntriesInFileOrder() {
        const IniFile ini = IniFile::Parse(
            QStringLiteral("[R]\nFile3=c\nzzz=b\n;x=y\nnoequals\nFile1=a\nFile3=d\n"));
        const QList<std::pair<QString, QString>> expected = {
            {"File3", "c"}, {"zzz", "b"}, {"File1", "a"}, {"File3", "d"}};
        QCOMPARE(ini.SectionEntries(QStringLiteral("r")), expected);
    }
};

QTEST_GUILESS_MAIN(TestIniFile)
#include "test_ini_file.moc"

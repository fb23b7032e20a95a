// tessarine-cli analyse, end to end: the built program run on a few positions, its output compared
// with golden files, and command lines it refuses.
#include "tests/app/services_test_support.h"
#include "tests/game/session_fixture.h"
#include "tests/golden.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace fixture;

namespace {

struct Run {
    int ExitCode = -1;
    QByteArray Out, Err;
};

Run Analyse(const QStringList& args) {
    QProcess process;
    process.start(QStringLiteral(TESSARINE_CLI), QStringList{QStringLiteral("analyse")} + args);
    const bool ended = process.waitForFinished(60000);
    return {ended ? process.exitCode() : -1, process.readAllStandardOutput(),
            process.readAllStandardError()};
}

} // namespace

class TestCliAnalyse : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

private slots:
    void positions_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("golden");
        const QString threeHoles = WithHoles({{1, 1}, {4, 5}, {8, 9}});
        const QString saved = dir_.filePath(QStringLiteral("partie.xml"));
        std::vector<std::pair<int, int>> rowAndColumnOne;
        for (int i = 1; i <= 9; ++i)
            rowAndColumnOne.insert(rowAndColumnOne.end(), {{1, i}, {i, 1}});
        QTest::newRow("no tick only reports") << QStringList{threeHoles} << "only_reports";
        QTest::newRow("ticked family solves the grid")
            << QStringList{"--auto", "0", WithHoles(rowAndColumnOne)} << "naked_singles";
        // The next row reads the file this one saves.
        QTest::newRow("saved") << QStringList{"--save", saved, "--auto", "01", threeHoles}
                               << "saved";
        QTest::newRow("saved file analysed again") << QStringList{saved} << "saved_again";
    }

    void positions() {
        QFETCH(QStringList, args);
        QFETCH(QString, golden);
        const Run run = Analyse(args);
        QCOMPARE(run.Err, QByteArray());
        QCOMPARE(run.ExitCode, 0);
        QCOMPARE_GOLDEN(run.Out, "game/cli_" + golden + ".txt");
        if (args.first() == u"--save")
            QCOMPARE_GOLDEN(services_test::ReadBytes(args[1]), "game/cli_saved.xml");
    }

    void badCommandLines_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("mentions");
        QTest::newRow("short text") << QStringList{"123"} << "81";
        QTest::newRow("missing grid file") << QStringList{"absente.xml"} << "absente.xml";
        QTest::newRow("family 7") << QStringList{"--auto", "7", kSolution} << "0..5";
        QTest::newRow("no input") << QStringList{"--auto", "0"} << "INPUT";
        QTest::newRow("endless device") << QStringList{"/dev/zero"} << "16 Mio";
        const QString empty = dir_.filePath(QStringLiteral("vide"));
        QVERIFY(services_test::WriteBytes(empty, {}));
        QTest::newRow("empty file, whatever its name") << QStringList{empty} << "aucune ligne";
    }

    void badCommandLines() {
        QFETCH(QStringList, args);
        QFETCH(QString, mentions);
        const Run run = Analyse(args);
        QCOMPARE(run.ExitCode, 2);
        QCOMPARE(run.Out, QByteArray());
        QCOMPARE(run.Err.count('\n'), 1);
        QVERIFY2(run.Err.contains(mentions.toUtf8()), run.Err.constData());
    }
};

QTEST_GUILESS_MAIN(TestCliAnalyse)
#include "test_cli_analyse.moc"

// tessarine-cli analyse, end to end: the built program run on a few positions.
#include "tests/game/session_fixture.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace fixture;

namespace {

struct Run {
    int ExitCode = -1;
    QStringList Out; // stdout lines
    QStringList Err; // stderr lines
};

Run Analyse(const QStringList& args) {
    QProcess process;
    process.start(QStringLiteral(TESSARINE_CLI), QStringList{QStringLiteral("analyse")} + args);
    Run run;
    if (!process.waitForFinished(60000))
        return run;
    run.ExitCode = process.exitCode();
    const auto lines = [](const QByteArray& bytes) {
        return QString::fromUtf8(bytes).split(u'\n', Qt::SkipEmptyParts);
    };
    run.Out = lines(process.readAllStandardOutput());
    run.Err = lines(process.readAllStandardError());
    return run;
}

// The records of one kind, without their kind field.
QStringList Records(const Run& run, const QString& kind) {
    QStringList records;
    for (const QString& line : run.Out)
        if (line.startsWith(kind + u'\t'))
            records << line.mid(kind.size() + 1);
    return records;
}

const QStringList kRestingFamilies = {
    QStringLiteral("0\t0 Candidat seul dans leur case"),
    QStringLiteral("1\t0 Candidat seul dans une unité L/C ou région"),
    QStringLiteral("2\t0 jumeaux/triplés decouvert"),
    QStringLiteral("3\t0 Inter action L/C avec région"),
    QStringLiteral("4\t0 configuration franche"),
    QStringLiteral("5\t0 configuration exclusive")};

} // namespace

class TestCliAnalyse : public QObject {
    Q_OBJECT

private slots:
    void textWithoutTicksOnlyReports() {
        const QString puzzle = WithHoles({{1, 1}, {4, 5}, {8, 9}});
        const Run run = Analyse({puzzle});
        QCOMPARE(run.ExitCode, 0);
        QVERIFY(run.Err.isEmpty());
        const QStringList families = Records(run, QStringLiteral("family"));
        QCOMPARE(families.size(), 6);
        QCOMPARE(families[0], QStringLiteral("0\t3 Candidat(s) seul(s) dans leur case"));
        QCOMPARE(families[1], QStringLiteral("1\t9 Candidat(s) seul(s) dans une unité L/C ou R"));
        const QStringList findings = Records(run, QStringLiteral("finding"));
        QCOMPARE(findings.size(), 12);
        QCOMPARE(findings[0], QStringLiteral("1\t1\t5\tP\t0\t0\tO\tLe 5 seul dans la case L1C1"));
        QCOMPARE(findings[11],
                 QStringLiteral("8\t9\t5\tP\t1\t8\tO\tLe 5 seul sur la Region en L8C9"));
        QVERIFY(Records(run, QStringLiteral("trace")).isEmpty());
        QCOMPARE(Records(run, QStringLiteral("grid")), QStringList{puzzle});
        const QStringList cands = Records(run, QStringLiteral("cands")).value(0).split(u',');
        QCOMPARE(cands.size(), 81);
        QCOMPARE(cands[0], QStringLiteral("5"));
        QCOMPARE(cands[1], QString());
        QCOMPARE(cands[3 * 9 + 4], QStringLiteral("6"));
        // Records come in their fixed order.
        QVERIFY(run.Out.front().startsWith(QStringLiteral("family\t0")));
        QVERIFY(run.Out.back().startsWith(QStringLiteral("cands\t")));
    }

    void tickedFamiliesSolveTheGrid() {
        const Run run =
            Analyse({QStringLiteral("--auto"), QStringLiteral("0"), RowAndColumnOneEmpty()});
        QCOMPARE(run.ExitCode, 0);
        QCOMPARE(Records(run, QStringLiteral("grid")), QStringList{kSolution});
        // The full grid reset the panel: resting lines, no finding.
        QCOMPARE(Records(run, QStringLiteral("family")), kRestingFamilies);
        QVERIFY(Records(run, QStringLiteral("finding")).isEmpty());
        const QStringList trace = Records(run, QStringLiteral("trace"));
        QCOMPARE(trace.size(), 2 * 17);
        QCOMPARE(trace.front(), QStringLiteral("Le 6 seul dans la case L2C1"));
        QCOMPARE(trace.back(), QStringLiteral("L1 C1 reçoit le : 5"));
        QCOMPARE(Records(run, QStringLiteral("cands")), QStringList{QString(80, u',')});
    }

    void savedFileAnalysesAgain() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("partie.xml"));
        const Run solved = Analyse({QStringLiteral("--save"), path, QStringLiteral("--auto"),
                                    QStringLiteral("01"), WithHoles({{1, 1}, {4, 5}, {8, 9}})});
        QCOMPARE(solved.ExitCode, 0);
        const QByteArray bytes = ReadFile(path);
        QVERIFY(bytes.endsWith("'T'>0# duree de la partie en secondes</Action>\r\n</Actions>\r\n"));
        // 78 givens, the switch, 3 + 9 placements, the marker: one line each.
        QCOMPARE(bytes.count("  <Action  "), 1 + 78 + 1 + 12 + 1);

        const Run loaded = Analyse({path});
        QCOMPARE(loaded.ExitCode, 0);
        QCOMPARE(Records(loaded, QStringLiteral("grid")), QStringList{kSolution});
        // Replay writes the placements, not the explanations that caused them.
        const QStringList trace = Records(loaded, QStringLiteral("trace"));
        QCOMPARE(trace.size(), 12);
        QCOMPARE(trace.front(), QStringLiteral("L1 C1 reçoit le : 5"));
    }

    void badCommandLines_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("mentions");
        QTest::newRow("short text") << QStringList{QStringLiteral("123")} << QStringLiteral("81");
        QTest::newRow("missing grid file")
            << QStringList{QStringLiteral("absente.xml")} << QStringLiteral("absente.xml");
        QTest::newRow("family 7") << QStringList{QStringLiteral("--auto"), QStringLiteral("7"),
                                                 kSolution}
                                  << QStringLiteral("0..5");
        QTest::newRow("no input") << QStringList{QStringLiteral("--auto"), QStringLiteral("0")}
                                  << QStringLiteral("INPUT");
        // Files that hold no grid, whatever their name: none is read as an empty grid.
        const QString noAction = QStringLiteral("aucune ligne d'action");
        const struct {
            const char* Row;
            QByteArray Bytes;
            qint64 Size; // grown to this size without writing (a sparse file); 0: as written
            QString Mentions;
        } files[] = {
            {"empty file", {}, 0, noAction},
            {"random bytes", QByteArray::fromHex("8f03d2e1c4007a19ff5e0b9c"), 0, noAction},
            {"UTF-16", QByteArray::fromHex("fffe3c003f0078006d006c000d000a00"), 0, noAction},
            {"300 MB", {}, 300'000'000, QStringLiteral("16 Mio")},
        };
        for (const auto& file : files) {
            const QString path = dir_.filePath(QString::fromLatin1(file.Row));
            WriteFile(path, file.Bytes);
            if (file.Size != 0)
                QFile::resize(path, file.Size);
            QTest::newRow(file.Row) << QStringList{path} << file.Mentions;
        }
        QTest::newRow("endless device")
            << QStringList{QStringLiteral("/dev/zero")} << QStringLiteral("16 Mio");
    }

    void badCommandLines() {
        QFETCH(QStringList, args);
        QFETCH(QString, mentions);
        const Run run = Analyse(args);
        QCOMPARE(run.ExitCode, 2);
        QVERIFY(run.Out.isEmpty());
        QCOMPARE(run.Err.size(), 1);
        QVERIFY2(run.Err.front().contains(mentions), qPrintable(run.Err.front()));
    }

private:
    QTemporaryDir dir_;
};

QTEST_GUILESS_MAIN(TestCliAnalyse)
#include "test_cli_analyse.moc"

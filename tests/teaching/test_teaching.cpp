// The teacher's words: explanations of real deductions of every kind, in French and English.

#include "app/services/translations.h"
#include "bench/puzzle_positions.h"
#include "engine/families.h"
#include "game/model/deduction_explanation.h"
#include "game/model/game_session.h"
#include "game/model/model_messages.h"
#include "game/model/move_review.h"
#include "tests/golden.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <map>

using engine::Deduction;

namespace {

// One kind of configuration: its family, the kind of its unit, the size of its pattern, and
// whether its first two cells share a row (a twin along a row or a column).
using Kind = std::tuple<int, int, std::size_t, bool>;

QStringList Messages(const QString& language) {
    return services::ReadTranslationSection(QStringLiteral(TESSARINE_TRANSLATIONS),
                                            QStringLiteral("Messages"), language, true);
}

// tessarine-cli's output for the words, as "$ words", its stdout and stderr, "exit N".
QByteArray Cli(const QStringList& args) {
    QProcess process;
    process.start(QStringLiteral(TESSARINE_CLI), args);
    process.waitForFinished(60000);
    return "$ " + args.join(u' ').toUtf8() + "\n" + process.readAllStandardOutput() +
           process.readAllStandardError() + "exit " + QByteArray::number(process.exitCode()) + "\n";
}

} // namespace

class TeachingTest : public QObject {
    Q_OBJECT

private slots:
    // Every deduction met while the rated puzzles are played names its pattern cells and what it
    // changes; the first of each kind is written out in both languages.
    void explanationsOfRealDeductions() {
        std::map<Kind, QString> firstOfKind;
        for (std::string_view level : puzzles::kLevels) {
            for (const puzzles::Puzzle& puzzle : puzzles::LoadPuzzles(level)) {
                engine::GridState grid = puzzles::GridFromGivens(puzzle.givens);
                engine::FindingList list;
                do {
                    engine::RunFamilies(grid, list);
                    for (const Deduction& deduction : engine::GroupDeductions(list, grid)) {
                        game::SetMessages({});
                        const QString french = game::ExplainDeduction(deduction);
                        for (const auto& cells : {deduction.PatternCells, deduction.Effects})
                            for (const engine::CellDigit& cell : cells)
                                QVERIFY2(french.contains(
                                             QStringLiteral("L%1C%2").arg(cell.Row).arg(cell.Col)),
                                         qPrintable(french));
                        const auto& cells = deduction.PatternCells;
                        const Kind kind{deduction.Family, int(deduction.Unit), cells.size(),
                                        cells.size() > 1 && cells[0].Row == cells[1].Row};
                        if (firstOfKind.count(kind))
                            continue;
                        game::SetMessages(Messages(QStringLiteral("en")));
                        firstOfKind[kind] = QString::fromStdString(list[deduction.Origin].Text) +
                                            "\n" + game::TechniqueName(deduction) + "\n" + french +
                                            "\n" + game::TechniqueName(deduction) + "\n" +
                                            game::ExplainDeduction(deduction) + "\n";
                    }
                } while (puzzles::ApplyFindings(grid, list));
            }
        }
        game::SetMessages({});
        QString report;
        for (const auto& [kind, text] : firstOfKind)
            report += text + "\n";
        QCOMPARE_GOLDEN(report.toUtf8(), "teaching/explanations.txt");
    }

    // A game played as a learner: a guess the techniques did not force, the same guess again,
    // a candidate removed at random, then hints followed to their fifth step. The trace's review
    // lines, the saved game reviewed by tessarine-cli, where the lost candidates of a cell went,
    // and hint, explain and their refusals.
    void coachedGame() {
        const QString puzzle = QStringLiteral(
            "......2..95........8..9...5.....35...7.2..8.....8...3179...2...3.15.8.....5.1...4");
        const QTemporaryDir dir;
        const QString saved = dir.filePath(QStringLiteral("game.xml"));
        const QString empty = dir.filePath(QStringLiteral("empty.xml"));
        QFile(empty).open(QIODevice::WriteOnly);
        game::GameSession session{game::GameSettings{}};
        session.InitBoard();
        session.ImportText(puzzle);
        session.StartPlay();
        QByteArray transcript;
        QObject::connect(&session, &game::GameSession::traceLineAdded,
                         [&](const QString& line) { transcript += line.toUtf8() + "\n"; });
        // Nothing forces the solution's 6 in L1C1 at first, nor the removal of the 7 (not the
        // solution's digit) from L6C5; a twin of 2 in region 6 removes the 2 from L4C1.
        session.ApplyCellChoice(1, 1, game::Operation::Place, 6);
        session.ApplyCellChoice(1, 1, game::Operation::Place, 6);
        session.ApplyCellChoice(6, 5, game::Operation::RemoveCandidate, 7);
        session.ApplyCellChoice(4, 1, game::Operation::RemoveCandidate, 2);
        for (int step = 0; step < 5 * 12; ++step)
            if (const int family = session.Hint(); family >= 0)
                session.RefreshAfterListedFinding(family);
        session.SetFileName(saved);
        QCOMPARE(session.SaveGrid(), QString());
        for (const auto& [row, col] : {std::pair{4, 1}, std::pair{6, 5}})
            transcript += QStringLiteral("-- where the candidates of L%1C%2 went\n%3\n")
                              .arg(row)
                              .arg(col)
                              .arg(game::ProvenanceText(session.History(), row, col))
                              .toUtf8();
        const QByteArray review = Cli({"review", saved});
        QCOMPARE(review.count("unforced"), 2);
        QCOMPARE(review.count("repeat"), 1);
        transcript += review;
        for (const QStringList& args : QList<QStringList>{{"hint", puzzle},
                                                          {"explain", saved},
                                                          {"hint", QString(81, u'.')},
                                                          {"hint", "123"},
                                                          {"explain", dir.filePath("none.xml")},
                                                          {"review", puzzle},
                                                          {"review", empty}})
            transcript += Cli(args);
        QCOMPARE_GOLDEN(transcript.replace(dir.path().toUtf8() + '/', ""),
                        "teaching/coached_game.txt");
    }

    // The help pages the build writes: the handwritten page with, in place of each marker, an
    // example of that family on a real board, in the explanations' words.
    void helpPages_data() {
        QTest::addColumn<QString>("page");
        QTest::newRow("French") << "help_fr.html";
        QTest::newRow("English") << "help_en.html";
    }
    void helpPages() {
        QFETCH(QString, page);
        QFile written(TESSARINE_PROGRAM_DIR + page);
        QFile handwritten(TESSARINE_ROOT "/resources/help/" + page);
        QVERIFY(written.open(QIODevice::ReadOnly) && handwritten.open(QIODevice::ReadOnly));
        QString rest = QString::fromUtf8(written.readAll());
        QString examples;
        for (const QString& piece : QString::fromUtf8(handwritten.readAll())
                                        .split(QRegularExpression("<!--EXAMPLE \\d-->"))) {
            const qsizetype at = rest.indexOf(piece);
            QVERIFY(at >= 0);
            examples += rest.left(at);
            rest = rest.mid(at + piece.size());
        }
        QVERIFY(rest.isEmpty());
        QCOMPARE_GOLDEN(examples.toUtf8(), "teaching/examples_" + page);
    }
};

QTEST_GUILESS_MAIN(TeachingTest)
#include "test_teaching.moc"

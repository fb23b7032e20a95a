// The solver's counts, the ratings and the practice puzzles, on the rated puzzles of tests/data.

#include "bench/puzzle_positions.h"
#include "engine/practice_puzzles.h"
#include "engine/rating.h"
#include "engine/solver.h"
#include "tests/golden.h"

#include <QTest>

#include <algorithm>

namespace {

std::vector<puzzles::Puzzle> AllPuzzles() {
    std::vector<puzzles::Puzzle> all;
    for (std::string_view level : puzzles::kLevels)
        for (puzzles::Puzzle& puzzle : puzzles::LoadPuzzles(level))
            all.push_back(std::move(puzzle));
    return all;
}

// Four cells of two rows and two columns across two regions holding a, b / b, a: emptied, they
// leave exactly two solutions.
engine::Digits WithSwappableRectangle(const engine::Digits& solution) {
    for (int r1 = 0; r1 < 9; ++r1)
        for (int r2 = r1 + 1; r2 < r1 / 3 * 3 + 3; ++r2)
            for (int c1 = 0; c1 < 9; ++c1)
                for (int c2 = c1 + 1; c2 < 9; ++c2) {
                    const auto at = [&](int r, int c) { return solution[std::size_t(r * 9 + c)]; };
                    if (c1 / 3 == c2 / 3 || at(r1, c1) != at(r2, c2) || at(r1, c2) != at(r2, c1))
                        continue;
                    engine::Digits puzzle = solution;
                    for (int p : {r1 * 9 + c1, r1 * 9 + c2, r2 * 9 + c1, r2 * 9 + c2})
                        puzzle[std::size_t(p)] = 0;
                    return puzzle;
                }
    return {};
}

} // namespace

class SolverTest : public QObject {
    Q_OBJECT

private slots:
    void countsAndSolution() {
        const std::vector<puzzles::Puzzle> all = AllPuzzles();
        QCOMPARE(int(all.size()), 800);
        int rectangles = 0;
        for (const puzzles::Puzzle& puzzle : all) {
            const engine::Digits givens = engine::DigitsFromText(puzzle.givens);
            const engine::Digits expected = engine::DigitsFromText(puzzle.solution);
            engine::Digits solution{};
            QCOMPARE(engine::CountSolutions(givens, &solution), 1);
            QCOMPARE(engine::DigitsToText(solution), puzzle.solution);

            // A wrong digit that breaks no rule among the givens leaves no solution.
            engine::Digits wrong = givens;
            const std::size_t empty =
                std::size_t(std::find(wrong.begin(), wrong.end(), 0) - wrong.begin());
            wrong[empty] = std::uint8_t(expected[empty] % 9 + 1);
            QCOMPARE(engine::CountSolutions(wrong), 0);
            QCOMPARE(engine::RatingWord(engine::RatePuzzle(wrong)), "invalid");

            const engine::Digits twoWays = WithSwappableRectangle(expected);
            if (twoWays != engine::Digits{}) {
                ++rectangles;
                QCOMPARE(engine::CountSolutions(twoWays), 2);
            }
        }
        QVERIFY(rectangles > 100);
        QCOMPARE(engine::CountSolutions(engine::Digits{}), 2);
    }

    void ratingsOfTheRatedPuzzles() {
        QByteArray lines;
        for (const puzzles::Puzzle& puzzle : AllPuzzles())
            lines += QByteArray::fromStdString(
                engine::RatingWord(engine::RatePuzzle(engine::DigitsFromText(puzzle.givens))) +
                '\t' + puzzle.givens + '\n');
        QCOMPARE_GOLDEN(lines, "solver/ratings.txt");
    }

    void verdictsPastTheLevels_data() {
        QTest::addColumn<QString>("puzzle");
        QTest::addColumn<QString>("word");
        const QString solved = QStringLiteral(
            "634785219957124683182396745418963527573241896269857431796432158341578962825619374");
        QTest::newRow("full grid") << solved << "0";
        QTest::newRow("longer text, its end left out") << solved + "9"
                                                       << "0";
        QTest::newRow("empty") << QString() << "multiple";
        QTest::newRow("one given") << QString(80, u'.') + u'4' << "multiple";
        QString repeated = QString(81, u'.');
        repeated[80] = u'4';
        repeated[60] = u'4';
        QTest::newRow("4 twice in region 9") << repeated << "invalid";
        QString noSolution = solved;
        noSolution[0] = u'.';
        noSolution[1] = u'.';
        noSolution[2] = u'6';
        QTest::newRow("6 twice in column 3") << noSolution << "invalid";
    }

    void verdictsPastTheLevels() {
        QFETCH(QString, puzzle);
        QFETCH(QString, word);
        const engine::Rating rating =
            engine::RatePuzzle(engine::DigitsFromText(puzzle.toStdString()));
        QCOMPARE(QString::fromStdString(engine::RatingWord(rating)), word);
    }

    void practicePuzzlesHaveTheirLevel() {
        engine::RandomSource random(7);
        for (int level = 0; level < engine::kPracticeLevels; ++level) {
            for (std::string_view seed : engine::PracticeBank(level)) {
                const engine::Rating rating = engine::RatePuzzle(engine::DigitsFromText(seed));
                QCOMPARE(engine::RatingWord(rating), std::to_string(level));
                const engine::Digits solution = [&] {
                    engine::Digits s{};
                    engine::CountSolutions(engine::DigitsFromText(seed), &s);
                    return s;
                }();
                // A symmetry of a full grid is a full grid.
                QVERIFY(!engine::FindRepeatedDigit(engine::Transformed(solution, random)));
            }
            for (int i = 0; i < 4; ++i) {
                const std::string puzzle = engine::GeneratePracticePuzzle(level, random);
                // A symmetry of a seed, not the seed as it is in the bank.
                QVERIFY(std::ranges::find(engine::PracticeBank(level), puzzle) ==
                        engine::PracticeBank(level).end());
                const engine::Rating rating = engine::RatePuzzle(engine::DigitsFromText(puzzle));
                QCOMPARE(engine::RatingWord(rating), std::to_string(level));
            }
        }
    }
};

QTEST_APPLESS_MAIN(SolverTest)
#include "test_solver.moc"

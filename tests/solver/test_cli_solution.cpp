// tessarine-cli solve, rate, check and generate --level, run as a user would: one transcript of
// commands compared with a golden file, and the practice puzzles rated back.

#include "game/model/grid_file.h"
#include "tests/golden.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr char kPuzzle[] =
    "......2..95........8..9...5.....35...7.2..8.....8...3179...2...3.15.8.....5.1...4";
constexpr char kSolution[] =
    "634785219957124683182396745418963527573241896269857431796432158341578962825619374";

struct Run {
    int ExitCode = -1;
    QByteArray Out;
    QByteArray Err;
};

Run Cli(const QStringList& args) {
    QProcess process;
    process.start(QStringLiteral(TESSARINE_CLI), args);
    if (!process.waitForFinished(60000))
        return {};
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

game::HistoryEntry Entry(int row, int col, int digit, game::Operation operation) {
    return {std::uint8_t(row), std::uint8_t(col), std::uint8_t(digit), operation};
}

// A saved game of the givens (kPuzzle; a shorter text is empty after its end) in input mode,
// "Jouer ! ", then the moves.
QByteArray SavedGame(const std::vector<game::HistoryEntry>& moves, std::string givens = kPuzzle) {
    givens.resize(81, '.');
    game::ActionHistory history{Entry(0, 0, 0, game::Operation::InputMode)};
    for (std::size_t p = 0; p < 81; ++p)
        if (givens[p] != '.')
            history.push_back(Entry(p / 9 + 1, p % 9 + 1, givens[p] - '0', game::Operation::Place));
    history.push_back(Entry(0, 0, 0, game::Operation::PlayMode));
    history.insert(history.end(), moves.begin(), moves.end());
    return game::EncodeGridFile(history, 42);
}

} // namespace

class CliSolutionTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

    QString Saved(const QString& name, const QByteArray& bytes) {
        const QString path = dir_.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            return {};
        return path;
    }

private slots:
    void transcript() {
        using game::Operation;
        // L1C1 holds 6, L1C2 3 in the solution; L9C9 is the given 4.
        const QString wrongPlace =
            Saved("wrong_place.xml", SavedGame({Entry(1, 1, 6, Operation::Place),
                                                Entry(1, 2, 4, Operation::RemoveCandidate),
                                                Entry(1, 2, 5, Operation::Place)}));
        const QString wrongRemoval =
            Saved("wrong_removal.xml", SavedGame({Entry(1, 2, 4, Operation::RemoveCandidate),
                                                  Entry(1, 2, 3, Operation::RemoveCandidate)}));
        const QString right = Saved("right.xml", SavedGame({Entry(1, 1, 6, Operation::Place)}));
        const QString several = Saved("several.xml", SavedGame({}, ".........4"));
        std::string repeat(kPuzzle);
        repeat[0] = '2';
        const QString invalid = Saved("invalid.xml", SavedGame({}, repeat));
        const QString empty = Saved("empty.xml", {});
        std::string noSolution(kPuzzle);
        noSolution[0] = '1';

        const QList<QStringList> commands = {
            {"solve", kPuzzle},
            {"solve", QString::fromStdString(noSolution)},
            {"solve", QString(81, u'.')},
            {"solve", right},
            {"solve", empty},
            {"solve", "123"},
            {"rate", kPuzzle, "123", kSolution, QString(81, u'.'), QString::fromStdString(repeat),
             right},
            {"check", wrongPlace},
            {"check", wrongRemoval},
            {"check", right},
            {"check", several},
            {"check", invalid},
            {"check", empty},
            {"check", kPuzzle},
            {"generate", "--level", "6"},
        };
        QByteArray transcript;
        for (const QStringList& args : commands) {
            const Run run = Cli(args);
            QByteArray lines = "$ " + args.join(u' ').toUtf8() + "\n" + run.Out + run.Err +
                               "exit " + QByteArray::number(run.ExitCode) + "\n";
            transcript += lines.replace(dir_.path().toUtf8() + '/', "");
        }
        QCOMPARE_GOLDEN(transcript, "solver/cli_transcript.txt");
    }

    void generatedPracticePuzzlesRateAtTheirLevel() {
        for (int level = 0; level <= 5; ++level) {
            const Run generated = Cli({"generate", "--level", QString::number(level), "3"});
            QCOMPARE(generated.ExitCode, 0);
            const QStringList puzzles =
                QString::fromLatin1(generated.Out).split(u'\n', Qt::SkipEmptyParts);
            QCOMPARE(puzzles.size(), 3);
            const Run rated = Cli(QStringList{"rate"} + puzzles);
            for (const QString& line :
                 QString::fromLatin1(rated.Out).split(u'\n', Qt::SkipEmptyParts))
                QCOMPARE(line.section(u'\t', 0, 0), QString::number(level));
        }
    }
};

QTEST_GUILESS_MAIN(CliSolutionTest)
#include "test_cli_solution.moc"

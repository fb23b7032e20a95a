// solve, rate and check: the commands that read a puzzle against its solution.

#include "engine/rating.h"
#include "engine/solver.h"
#include "game/model/solution_check.h"
#include "tools/cli_commands.h"
#include "tools/cli_input.h"

#include <cstdio>

namespace {

void PrintLine(const QString& line) {
    std::printf("%s\n", qUtf8Printable(line));
}

} // namespace

int RunSolveCommand(const QStringList& args) {
    if (args.size() != 1)
        return Refuse("solve", QStringLiteral("needs exactly one INPUT"));
    const PuzzleInput input = ReadPuzzleInput(args.front());
    if (!input.Error.isEmpty())
        return Refuse("solve", input.Error);
    engine::Digits solution{};
    const int count = engine::CountSolutions(input.Givens, &solution);
    std::printf("%d\n", count);
    if (count == 1)
        std::printf("%s\n", engine::DigitsToText(solution).c_str());
    return 0;
}

int RunRateCommand(const QStringList& args) {
    if (args.isEmpty())
        return Refuse("rate", QStringLiteral("needs at least one INPUT"));
    int exitCode = 0;
    for (const QString& word : args) {
        const PuzzleInput input = ReadPuzzleInput(word);
        if (!input.Error.isEmpty()) {
            exitCode = Refuse("rate", word + QStringLiteral(": ") + input.Error);
            continue;
        }
        const engine::Rating rating = engine::RatePuzzle(input.Givens);
        PrintLine(QString::fromStdString(engine::RatingWord(rating)) + u'\t' + word);
    }
    return exitCode;
}

int RunCheckCommand(const QStringList& args) {
    if (args.size() != 1)
        return Refuse("check", QStringLiteral("needs exactly one FILE"));
    const QString& path = args.front();
    const PuzzleInput input = ReadPuzzleInput(path);
    if (!input.Error.isEmpty())
        return Refuse("check", input.Error);
    if (!IsGridFile(path))
        return Refuse("check", QStringLiteral("not a grid file: ") + path);
    engine::Digits solution{};
    const int count = engine::CountSolutions(input.Givens, &solution);
    if (count != 1) {
        PrintLine(count == 0 ? QStringLiteral("invalid") : QStringLiteral("multiple"));
        return 0;
    }
    const int index = game::FirstMistake(input.Entries, solution);
    if (index < 0) {
        PrintLine(QStringLiteral("no-mistake"));
        return 0;
    }
    const game::HistoryEntry& entry = input.Entries[std::size_t(index)];
    PrintLine(QStringLiteral("first-mistake\t%1\tL%2C%3\t%4%5")
                  .arg(index)
                  .arg(entry.Row)
                  .arg(entry.Col)
                  .arg(QChar::fromLatin1(game::Letter(entry.Operation)))
                  .arg(entry.Digit));
    return 0;
}

// hint, review and explain: the commands that teach from a position or a played game.

#include "game/model/deduction_explanation.h"
#include "game/model/game_session.h"
#include "game/model/move_review.h"
#include "tools/cli_commands.h"
#include "tools/cli_input.h"

#include <cstdio>

namespace {

void PrintLine(const QString& line) {
    std::printf("%s\n", qUtf8Printable(line));
}

QString CellName(int row, int col) {
    return QStringLiteral("L%1C%2").arg(row).arg(col);
}

// The deductions of the position INPUT holds; false (refused on stderr) when it holds none.
bool ReadDeductions(const char* command, const QStringList& args, game::GameSession& session,
                    int& exitCode) {
    if (args.size() != 1) {
        exitCode = Refuse(command, QStringLiteral("needs exactly one INPUT"));
        return false;
    }
    QString error = BuildPosition(session, args.front());
    if (error.isEmpty() && session.PlacedCells() == 0)
        error = QStringLiteral("no game in ") + args.front();
    if (!error.isEmpty()) {
        exitCode = Refuse(command, error);
        return false;
    }
    return true;
}

QString OriginText(const game::GameSession& session, const engine::Deduction& deduction) {
    return QString::fromStdString(session.Findings()[deduction.Origin].Text);
}

} // namespace

int RunHintCommand(const QStringList& args) {
    game::GameSession session{game::GameSettings{}};
    int exitCode = 0;
    if (!ReadDeductions("hint", args, session, exitCode))
        return exitCode;
    const std::vector<engine::Deduction> deductions = session.Deductions();
    if (deductions.empty()) {
        PrintLine(QStringLiteral("none"));
        return 0;
    }
    const engine::Deduction& easiest = deductions.front();
    QStringList cells;
    for (const engine::CellDigit& cell : easiest.PatternCells)
        cells << CellName(cell.Row, cell.Col);
    const engine::CellDigit& move = easiest.Effects.front();
    PrintLine(QStringLiteral("family\t%1").arg(easiest.Family));
    PrintLine(QStringLiteral("unit\t%1%2")
                  .arg(QChar::fromLatin1(char(easiest.Unit)))
                  .arg(easiest.UnitNumber));
    PrintLine(QStringLiteral("cells\t") + cells.join(u' '));
    PrintLine(QStringLiteral("%1\t%2\t%3\t%4")
                  .arg(QChar::fromLatin1(easiest.Action), CellName(move.Row, move.Col))
                  .arg(move.Digit)
                  .arg(OriginText(session, easiest)));
    return 0;
}

int RunExplainCommand(const QStringList& args) {
    game::GameSession session{game::GameSettings{}};
    int exitCode = 0;
    if (!ReadDeductions("explain", args, session, exitCode))
        return exitCode;
    for (const engine::Deduction& deduction : session.Deductions())
        PrintLine(QStringLiteral("%1\t%2\t%3")
                      .arg(deduction.Family)
                      .arg(OriginText(session, deduction), game::ExplainDeduction(deduction)));
    return 0;
}

int RunReviewCommand(const QStringList& args) {
    if (args.size() != 1)
        return Refuse("review", QStringLiteral("needs exactly one FILE"));
    const QString& path = args.front();
    if (!IsGridFile(path))
        return Refuse("review", QStringLiteral("not a grid file: ") + path);
    const PuzzleInput input = ReadPuzzleInput(path);
    if (!input.Error.isEmpty())
        return Refuse("review", input.Error);
    for (const game::ReviewedEntry& reviewed : game::ReviewHistory(input.Entries)) {
        const game::HistoryEntry& entry = reviewed.Entry;
        QString line = QStringLiteral("%1\t%2\t%3%4\t")
                           .arg(reviewed.Index)
                           .arg(CellName(entry.Row, entry.Col),
                                QChar::fromLatin1(game::Letter(entry.Operation)))
                           .arg(entry.Digit);
        switch (reviewed.Review.Verdict) {
        case game::MoveVerdict::Justified:
            line += QStringLiteral("justified\t") + reviewed.Review.Origin;
            break;
        case game::MoveVerdict::Unforced:
            line += QStringLiteral("unforced");
            break;
        case game::MoveVerdict::Repeat:
            line += QStringLiteral("repeat");
            break;
        }
        PrintLine(line);
    }
    return 0;
}

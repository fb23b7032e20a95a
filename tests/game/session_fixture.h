#pragma once
// The grid model tests' set-up: distinct colours, a solved grid, the history and board as text.

#include "game/model/game_session.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <utility>
#include <vector>

namespace fixture {

using game::Mode;
using game::Operation;

inline game::GameSettings DistinctSettings() {
    game::GameSettings settings;
    settings.GivenColour = 0x000001;
    settings.PlayedColour = 0x000002;
    settings.CandidateColour = 0x000003;
    settings.ActingColour = 0x000004;
    settings.ReferenceColour = 0x000005;
    return settings;
}

// A grid as New creates it: input mode, history holding its "S" entry.
inline std::unique_ptr<game::GameSession>
NewGrid(const game::GameSettings& settings = DistinctSettings()) {
    auto session = std::make_unique<game::GameSession>(settings);
    session->InitBoard();
    return session;
}

// A complete valid grid, row by row.
inline const QString kSolution = QStringLiteral("534678912672195348198342567859761423426853791"
                                                "713924856961537284287419635345286179");

// The solution with the given cells emptied (".").
inline QString WithHoles(const std::vector<std::pair<int, int>>& holes) {
    QString text = kSolution;
    for (auto [row, col] : holes)
        text[(row - 1) * 9 + col - 1] = u'.';
    return text;
}

// "S; P 1 1 5; R": a history as one readable line.
inline QString HistoryText(const game::ActionHistory& history) {
    QStringList parts;
    for (const game::HistoryEntry& entry : history) {
        const char letter = game::Letter(entry.Operation);
        parts << (entry.Row == 0 ? QString(QChar::fromLatin1(letter))
                                 : QString::asprintf("%c %d %d %d", letter, entry.Row, entry.Col,
                                                     entry.Digit));
    }
    return parts.join(QStringLiteral("; "));
}

// What a player sees: "5#1" a digit and colour, ".-57" lost candidates, "@4" background, "!" a
// wrong digit, "?3" the solution's candidate removed, "*5" and "~5" a drawn deduction's pattern
// and changed candidates; then colours, mode, clock and counter.
inline QString PositionText(const game::GameSession& session) {
    QString text;
    QStringList candidates;
    for (int row = 1; row <= 9; ++row) {
        for (int col = 1; col <= 9; ++col) {
            const game::BoardCell& cell = session.Cell(row, col);
            QString token = cell.Number();
            if (token.isEmpty()) {
                token = u'.';
                for (int digit = 1; digit <= 9; ++digit)
                    token += cell.HasCandidate(digit) ? QString() : u'-' + QString::number(digit);
            } else
                token += u'#' + QString::number(cell.PlayedColour, 16);
            if (cell.WrongDigit)
                token += u'!';
            if (cell.MissingSolution != 0)
                token += u'?' + QString::fromLatin1(engine::CandidateText(cell.MissingSolution));
            for (const auto& [mark, digits] :
                 {std::pair{u'*', cell.DeductionPattern}, {u'~', cell.DeductionEffect}})
                if (digits != 0)
                    token += mark + QString::fromLatin1(engine::CandidateText(digits));
            if (cell.BackgroundColour != game::kWhite)
                token += u'@' + QString::number(cell.BackgroundColour, 16);
            text += token.leftJustified(7) + u' ';
            candidates << QString::asprintf("%x%s", cell.CandidateColour,
                                            cell.ShowsCandidates ? " shown" : "");
        }
        text = text.trimmed() + u'\n';
    }
    candidates.removeDuplicates();
    return text + QStringLiteral("candidates in ") + candidates.join(QStringLiteral(", ")) +
           (session.CurrentMode() == Mode::Play ? QStringLiteral("; play")
                                                : QStringLiteral("; input")) +
           (session.TimerRunning() ? QStringLiteral(", clock running, ")
                                   : QStringLiteral(", clock stopped, ")) +
           session.CasesLabel() + u'\n';
}

} // namespace fixture

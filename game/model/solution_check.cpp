#include "game/model/solution_check.h"

namespace game {

namespace {

std::size_t CellIndex(const HistoryEntry& entry) {
    return std::size_t((entry.Row - 1) * 9 + entry.Col - 1);
}

bool OnTheBoard(const HistoryEntry& entry) {
    const auto inRange = [](int n) { return n >= 1 && n <= 9; };
    return inRange(entry.Row) && inRange(entry.Col) && inRange(entry.Digit);
}

// Calls visit(index, entry, playing) for each placement or removal of the history.
template <typename Visit> void ForEachMove(const ActionHistory& history, Visit visit) {
    bool playing = false;
    for (std::size_t i = 0; i < history.size(); ++i) {
        const HistoryEntry& entry = history[i];
        if (entry.Operation == Operation::InputMode || entry.Operation == Operation::PlayMode)
            playing = entry.Operation == Operation::PlayMode;
        else if (OnTheBoard(entry) && !visit(i, entry, playing))
            return;
    }
}

} // namespace

engine::Digits GivensOf(const ActionHistory& history) {
    engine::Digits givens{};
    ForEachMove(history, [&](std::size_t, const HistoryEntry& entry, bool playing) {
        if (!playing && entry.Operation == Operation::Place)
            givens[CellIndex(entry)] = entry.Digit;
        return true;
    });
    return givens;
}

int FirstMistake(const ActionHistory& history, const engine::Digits& solution) {
    int mistake = -1;
    ForEachMove(history, [&](std::size_t i, const HistoryEntry& entry, bool playing) {
        const bool isSolution = entry.Digit == solution[CellIndex(entry)];
        const bool wrong = (entry.Operation == Operation::Place && !isSolution) ||
                           (entry.Operation == Operation::RemoveCandidate && isSolution);
        if (playing && wrong)
            mistake = int(i);
        return mistake < 0;
    });
    return mistake;
}

QString MoveTraceLine(const HistoryEntry& entry) {
    const QString where = QStringLiteral("L%1 C%2").arg(entry.Row).arg(entry.Col);
    return where +
           (entry.Operation == Operation::Place ? QStringLiteral(" reçoit le : ")
                                                : QStringLiteral(" suppression du candidat : ")) +
           QString::number(entry.Digit);
}

} // namespace game

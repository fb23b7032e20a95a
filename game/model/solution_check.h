#pragma once
// A game read against its puzzle's solution: the puzzle a history starts from, and the first move
// of play that went wrong.

#include "engine/puzzle.h"
#include "game/model/history_entry.h"

#include <QString>

namespace game {

// The puzzle of a history: the digits placed in input mode, row by row.
engine::Digits GivensOf(const ActionHistory& history);

// The index of the first play-mode entry that places a digit other than the solution's or
// removes the solution's digit from a cell's candidates; -1 when there is none.
int FirstMistake(const ActionHistory& history, const engine::Digits& solution);

// The trace line of a placement or removal in play mode: "L3 C4 reçoit le : 5",
// "L3 C4 suppression du candidat : 5".
QString MoveTraceLine(const HistoryEntry& entry);

} // namespace game

#pragma once
// The player's moves read against the techniques: whether a deduction of the position just before
// a move forced it, and which entry of the history took each candidate out of a cell. Never says
// whether a move is right; that is the solution's job.

#include "engine/grid_state.h"
#include "game/model/history_entry.h"

#include <QString>

#include <vector>

namespace game {

// The position the techniques read, built from a history as the board replays it: a placement
// closes the cell's other candidates and removes its digit from its row, column and region; a
// removal closes one candidate. Cells run column by column, as the board's snapshot does.
class PositionReplay {
public:
    const engine::GridState& Grid() const { return grid_; }
    // Applies a placement or a removal on the board; false when it changed nothing (or is no
    // move on the board).
    bool Apply(const HistoryEntry& entry);

private:
    engine::GridState grid_{engine::GridState::Order::ColumnMajor};
};

enum class MoveVerdict { Justified, Unforced, Repeat };

struct MoveReview {
    MoveVerdict Verdict = MoveVerdict::Unforced;
    QString Origin; // the text of the forcing deduction's 'O' line when justified
};

// A placement or removal judged on the position before it: a repeat when it changes nothing,
// justified when a deduction of that position places that digit there or removes that candidate
// (the first in list order), unforced otherwise.
MoveReview ReviewMove(const engine::GridState& before, const HistoryEntry& move);

// The tracer's line for a move of the player.
QString ReviewTraceLine(const MoveReview& review);

struct ReviewedEntry {
    std::size_t Index = 0; // among the history's entries, from 0
    HistoryEntry Entry;
    MoveReview Review;
};

// Every play-mode placement or removal of a history, each judged on the position just before it.
std::vector<ReviewedEntry> ReviewHistory(const ActionHistory& history);

struct CandidateRemoval {
    int Digit = 0;
    std::size_t Index = 0; // the entry that took the candidate out
    HistoryEntry Entry;
    MoveReview Review; // that entry judged on the position before it (removals only)
};

// For a cell without a digit: each digit no longer a candidate there, ascending, with the entry
// that removed it (a placement in its row, column or region, or a removal from the cell). Empty
// for a cell holding a digit.
std::vector<CandidateRemoval> CandidateProvenance(const ActionHistory& history, int row, int col);

// CandidateProvenance as lines a player reads, one per digit; empty when there is none.
QString ProvenanceText(const ActionHistory& history, int row, int col);

} // namespace game

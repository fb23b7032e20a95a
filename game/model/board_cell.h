#pragma once
// One cell of the board as its control holds it: coordinates, digit, open candidates and the
// colours it is drawn with.

#include "engine/grid_state.h"
#include "game/model/game_settings.h"

#include <QString>

namespace game {

class BoardCell {
public:
    BoardCell() = default;
    BoardCell(int row, int col);

    int Row() const { return row_; }
    int Col() const { return col_; }
    int Region() const { return region_; }

    // 1..9, or 0 while the cell is empty.
    int Digit() const { return digit_; }
    // The digit as text, empty while the cell is empty.
    QString Number() const;
    // Stores the digit; a digit different from the current one closes every candidate.
    void SetNumber(int digit);

    bool HasCandidate(int d) const { return engine::HasDigit(candidates_, d); }
    // True when the candidate was open and is now closed.
    bool RemoveCandidate(int d);
    int CandidateCount() const { return engine::CountDigits(candidates_); }
    // The open candidates, ascending ("259"), empty if none.
    QString CandidateString() const;
    engine::CandidateSet Candidates() const { return candidates_; }
    // Every candidate open, no digit.
    void ResetCell();
    // Empty with every candidate removed: the cell can no longer be filled.
    bool WithoutCandidates() const { return digit_ == 0 && candidates_ == 0; }

    Colour PlayedColour = 0;
    Colour CandidateColour = 0;
    Colour BackgroundColour = kWhite;
    bool ShowsCandidates = false;
    // Marks of a verification, until the next move: the digit differs from the solution's; the
    // solution's digit was removed from the candidates.
    bool WrongDigit = false;
    engine::CandidateSet MissingSolution = 0;
    // The digit repeats in the cell's row, column or region (see MarkConflicts).
    bool Conflict = false;
    // Marks of the deduction selected in the analysis panel: the candidates that make its
    // pattern, and the candidates it removes or the digit it places.
    engine::CandidateSet DeductionPattern = 0;
    engine::CandidateSet DeductionEffect = 0;

private:
    int row_ = 0;
    int col_ = 0;
    int region_ = 0;
    int digit_ = 0;
    engine::CandidateSet candidates_ = engine::kAllCandidates;
};

} // namespace game

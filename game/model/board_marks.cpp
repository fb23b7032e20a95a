#include "game/model/board_marks.h"

#include <algorithm>

namespace game {

namespace {

bool Repeats(const BoardCell& cell, const std::array<BoardCell, 81>& cells) {
    return cell.Digit() != 0 &&
           std::any_of(cells.begin(), cells.end(), [&cell](const BoardCell& peer) {
               return &peer != &cell && peer.Digit() == cell.Digit() &&
                      (peer.Row() == cell.Row() || peer.Col() == cell.Col() ||
                       peer.Region() == cell.Region());
           });
}

} // namespace

std::vector<std::size_t> MarkConflicts(std::array<BoardCell, 81>& cells) {
    std::vector<std::size_t> changed;
    for (std::size_t k = 0; k < cells.size(); ++k) {
        const bool conflict = Repeats(cells[k], cells);
        if (conflict != cells[k].Conflict) {
            cells[k].Conflict = conflict;
            changed.push_back(k);
        }
    }
    return changed;
}

DigitLight LightFor(const BoardCell& cell, int digit) {
    if (digit == 0)
        return DigitLight::None;
    if (cell.Digit() == digit)
        return DigitLight::Holds;
    return cell.Digit() == 0 && cell.HasCandidate(digit) ? DigitLight::Candidate : DigitLight::None;
}

} // namespace game

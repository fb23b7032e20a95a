#include "game/model/board_cell.h"

namespace game {

BoardCell::BoardCell(int row, int col)
    : row_(row), col_(col), region_(engine::RegionOf(row, col)) {}

QString BoardCell::Number() const {
    return digit_ == 0 ? QString() : QString::number(digit_);
}

void BoardCell::SetNumber(int digit) {
    if (digit == digit_)
        return;
    candidates_ = 0;
    digit_ = digit;
}

bool BoardCell::RemoveCandidate(int d) {
    if (!HasCandidate(d))
        return false;
    candidates_ &= engine::CandidateSet(~engine::DigitBit(d));
    return true;
}

QString BoardCell::CandidateString() const {
    return QString::fromLatin1(engine::CandidateText(candidates_));
}

void BoardCell::ResetCell() {
    candidates_ = engine::kAllCandidates;
    digit_ = 0;
}

} // namespace game

#include "game/model/case_state.h"

namespace game {

CaseState::CaseState(int ligne, int colonne)
    : ligne_(ligne), colonne_(colonne), region_(engine::RegionOf(ligne, colonne)) {}

QString CaseState::Number() const {
    return digit_ == 0 ? QString() : QString::number(digit_);
}

void CaseState::SetNumber(int digit) {
    if (digit == digit_)
        return;
    candidates_ = 0;
    digit_ = digit;
}

bool CaseState::RemoveCandidate(int d) {
    if (!HasCandidate(d))
        return false;
    candidates_ &= engine::CandidateSet(~engine::DigitBit(d));
    return true;
}

QString CaseState::CandidateString() const {
    return QString::fromLatin1(engine::CandidateText(candidates_));
}

void CaseState::ResetCell() {
    candidates_ = engine::kAllCandidates;
    digit_ = 0;
}

} // namespace game

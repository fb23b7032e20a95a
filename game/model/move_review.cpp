#include "game/model/move_review.h"

#include "engine/deduction.h"
#include "engine/families.h"
#include "game/model/model_messages.h"

#include <algorithm>

namespace game {

namespace {

bool OnTheBoard(const HistoryEntry& entry) {
    const auto inRange = [](int n) { return n >= 1 && n <= 9; };
    return inRange(entry.Row) && inRange(entry.Col) && inRange(entry.Digit) &&
           (entry.Operation == Operation::Place || entry.Operation == Operation::RemoveCandidate);
}

bool Removes(engine::CellState& cell, int digit) {
    if (!engine::HasDigit(cell.Candidates, digit))
        return false;
    cell.Candidates &= engine::CandidateSet(~engine::DigitBit(digit));
    return true;
}

QString CellName(const HistoryEntry& entry) {
    return QStringLiteral("L%1C%2").arg(entry.Row).arg(entry.Col);
}

} // namespace

bool PositionReplay::Apply(const HistoryEntry& entry) {
    if (!OnTheBoard(entry))
        return false;
    engine::CellState& cell = grid_.At(entry.Row, entry.Col);
    if (entry.Operation == Operation::RemoveCandidate)
        return Removes(cell, entry.Digit);
    bool changed = cell.Digit != entry.Digit;
    if (changed) {
        cell.Digit = entry.Digit;
        cell.Candidates = 0;
    }
    for (engine::CellState& peer : grid_.Cells)
        if (peer.Row == entry.Row || peer.Col == entry.Col || peer.Region == cell.Region)
            changed = Removes(peer, entry.Digit) || changed;
    return changed;
}

MoveReview ReviewMove(const engine::GridState& before, const HistoryEntry& move) {
    const engine::CellState& cell = before.At(move.Row, move.Col);
    const bool place = move.Operation == Operation::Place;
    if (place ? cell.Digit == move.Digit : !engine::HasDigit(cell.Candidates, move.Digit))
        return {MoveVerdict::Repeat, {}};
    engine::FindingList findings;
    engine::RunFamilies(before, findings);
    const std::vector<engine::Deduction> deductions = engine::GroupDeductions(findings, before);
    const engine::Deduction* forcing = engine::ForcingDeduction(deductions, Letter(move.Operation),
                                                                {move.Row, move.Col, move.Digit});
    if (forcing == nullptr)
        return {MoveVerdict::Unforced, {}};
    return {MoveVerdict::Justified, QString::fromStdString(findings[forcing->Origin].Text)};
}

QString ReviewTraceLine(const MoveReview& review) {
    switch (review.Verdict) {
    case MoveVerdict::Justified:
        return MessageText(150, QStringLiteral("justifié : %1")).arg(review.Origin);
    case MoveVerdict::Repeat:
        return MessageText(152, QStringLiteral("sans effet : ce coup ne change rien"));
    case MoveVerdict::Unforced:
        break;
    }
    return MessageText(151, QStringLiteral("non forcé : aucune des six techniques ne l'imposait"));
}

std::vector<ReviewedEntry> ReviewHistory(const ActionHistory& history) {
    std::vector<ReviewedEntry> reviewed;
    PositionReplay replay;
    bool playing = false;
    for (std::size_t i = 0; i < history.size(); ++i) {
        const HistoryEntry& entry = history[i];
        if (entry.Operation == Operation::InputMode || entry.Operation == Operation::PlayMode)
            playing = entry.Operation == Operation::PlayMode;
        else if (playing && OnTheBoard(entry))
            reviewed.push_back({i, entry, ReviewMove(replay.Grid(), entry)});
        replay.Apply(entry);
    }
    return reviewed;
}

std::vector<CandidateRemoval> CandidateProvenance(const ActionHistory& history, int row, int col) {
    std::vector<CandidateRemoval> removals;
    PositionReplay replay;
    for (std::size_t i = 0; i < history.size(); ++i) {
        const HistoryEntry& entry = history[i];
        const engine::CandidateSet open = replay.Grid().At(row, col).Candidates;
        const bool here = entry.Row == row && entry.Col == col;
        const MoveReview review = here && entry.Operation == Operation::RemoveCandidate &&
                                          OnTheBoard(entry) && engine::HasDigit(open, entry.Digit)
                                      ? ReviewMove(replay.Grid(), entry)
                                      : MoveReview{};
        replay.Apply(entry);
        const auto gone = engine::CandidateSet(open & ~replay.Grid().At(row, col).Candidates);
        for (int digit = 1; digit <= 9; ++digit)
            if (engine::HasDigit(gone, digit))
                removals.push_back({digit, i, entry, review});
    }
    if (replay.Grid().At(row, col).Digit != 0)
        return {};
    std::sort(
        removals.begin(), removals.end(),
        [](const CandidateRemoval& a, const CandidateRemoval& b) { return a.Digit < b.Digit; });
    return removals;
}

QString ProvenanceText(const ActionHistory& history, int row, int col) {
    QStringList lines;
    for (const CandidateRemoval& removal : CandidateProvenance(history, row, col)) {
        if (removal.Entry.Operation == Operation::Place)
            lines << MessageText(162, QStringLiteral("le %1 : ôté par le %1 posé en %2 (coup %3)"))
                         .arg(removal.Digit)
                         .arg(CellName(removal.Entry))
                         .arg(removal.Index);
        else if (removal.Review.Verdict == MoveVerdict::Justified)
            lines << MessageText(163, QStringLiteral("le %1 : ôté au coup %2 (%3)"))
                         .arg(removal.Digit)
                         .arg(removal.Index)
                         .arg(removal.Review.Origin);
        else
            lines << MessageText(164, QStringLiteral("le %1 : ôté par le joueur (coup %2)"))
                         .arg(removal.Digit)
                         .arg(removal.Index);
    }
    return lines.join(u'\n');
}

} // namespace game

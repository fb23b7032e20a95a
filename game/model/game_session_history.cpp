// The history side of a grid: replay, undo, restart, and the grid file.
#include "game/model/game_session.h"

#include "game/model/grid_file.h"

#include <algorithm>
#include <numeric>

namespace game {

void GameSession::ReplayEntry(const HistoryEntry& entry, bool withRemovals) {
    if (entry.Operation == Operation::InputMode)
        SetMode(Mode::Input, false);
    else if (entry.Operation == Operation::PlayMode)
        SetMode(Mode::Play, false);
    else if (entry.Operation == Operation::Place ||
             (withRemovals && entry.Operation == Operation::RemoveCandidate))
        ApplyAction(entry.Row, entry.Col, entry.Operation, entry.Digit);
}

void GameSession::ReplayHistory() {
    ClearTrace();
    ResetAllCells();
    for (const HistoryEntry& entry : history_)
        ReplayEntry(entry, true);
}

void GameSession::ReplayKeepingClock() {
    // The replay of the mode switches starts the clock again from zero.
    const int seconds = elapsedSeconds_;
    ReplayHistory();
    RestoreElapsedSeconds(seconds);
}

void GameSession::Record(const HistoryEntry& entry) {
    history_.push_back(entry);
    redo_.clear();
    ResetHintLadder();
    emit historyGrew();
}

std::vector<std::pair<std::size_t, bool>> GameSession::PlacementsOf(int row, int col) const {
    std::vector<std::pair<std::size_t, bool>> placements;
    bool play = false;
    for (std::size_t i = 0; i < history_.size(); ++i) {
        const HistoryEntry& entry = history_[i];
        if (entry.Operation == Operation::InputMode || entry.Operation == Operation::PlayMode)
            play = entry.Operation == Operation::PlayMode;
        else if (entry.Operation == Operation::Place && entry.Row == row && entry.Col == col)
            placements.emplace_back(i, play);
    }
    return placements;
}

void GameSession::TakeOutEntries(const std::vector<std::size_t>& indices) {
    RedoStep step{{}, elapsedSeconds_};
    for (std::size_t index : indices)
        step.Entries.emplace_back(index, history_[index]);
    for (auto index = indices.rbegin(); index != indices.rend(); ++index)
        history_.erase(history_.begin() + std::ptrdiff_t(*index));
    redo_.push_back(std::move(step));
    ReplayKeepingClock();
    if (mode_ == Mode::Play)
        RunAnalysis();
    SetModified(true);
}

void GameSession::TakeOutFrom(std::size_t first) {
    std::vector<std::size_t> indices(history_.size() - first);
    std::iota(indices.begin(), indices.end(), first);
    TakeOutEntries(indices);
}

void GameSession::Undo() {
    if (history_.empty())
        return;
    // Never end on the switch to play mode: undoing the first move after "Jouer ! " goes back to
    // input mode too.
    std::size_t first = history_.size() - 1;
    if (first > 0 && history_[first - 1].Operation == Operation::PlayMode)
        --first;
    TakeOutFrom(first);
}

bool GameSession::Redo() {
    if (redo_.empty())
        return false;
    const RedoStep step = std::move(redo_.back());
    redo_.pop_back();
    // A save since the undo may have appended its marker: the entries go back before it.
    for (const auto& [index, entry] : step.Entries)
        history_.insert(history_.begin() + std::ptrdiff_t(std::min(index, history_.size())), entry);
    ReplayHistory();
    RestoreElapsedSeconds(step.Seconds);
    if (mode_ == Mode::Play)
        RunAnalysis();
    SetModified(true);
    return true;
}

void GameSession::Restart() {
    redo_.clear();
    ClearTrace();
    ResetAllCells();
    // The givens and the mode switches up to the switch to play mode; candidate removals made in
    // input mode are dropped with the play moves. Without such a switch, the whole history is
    // walked the same way and kept.
    for (std::size_t i = 0; i < history_.size(); ++i) {
        ReplayEntry(history_[i], false);
        if (history_[i].Operation == Operation::PlayMode) {
            history_.resize(i + 1);
            break;
        }
    }
    RunAnalysis();
}

QByteArray GameSession::FileBytes() const {
    ActionHistory saved = history_;
    saved.push_back(HistoryEntry{0, 0, 0, Operation::TimeMarker});
    return EncodeGridFile(saved, elapsedSeconds_);
}

QString GameSession::SaveGrid() {
    // A save that did not happen leaves no marker in the history.
    const QString error = WriteGridFile(fileName_, FileBytes());
    if (!error.isEmpty())
        return error;
    history_.push_back(HistoryEntry{0, 0, 0, Operation::TimeMarker});
    emit historyGrew();
    SetModified(false);
    emit gridSaved(fileName_);
    return {};
}

QString GameSession::LoadGrid() {
    GridFileContent content = ReadGridFile(fileName_);
    if (!content.Error.isEmpty())
        return content.Error;
    history_ = std::move(content.Entries);
    redo_.clear();
    if (content.HasTimeMarker)
        SetTimerRunning(true);
    ReplayHistory();
    RestoreElapsedSeconds(content.Seconds);
    RunAnalysis();
    ApplyDefaults();
    SetModified(false);
    return {};
}

} // namespace game

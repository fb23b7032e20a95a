// The history side of a grid: replay, undo, restart, and the grid file.
#include "game/model/game_session.h"

#include "game/model/grid_file.h"

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

void GameSession::Undo() {
    if (history_.empty())
        return;
    history_.pop_back();
    // Never end on the switch to play mode: undoing the first move after "Jouer ! " goes back to
    // input mode too.
    if (!history_.empty() && history_.back().Operation == Operation::PlayMode)
        history_.pop_back();
    ReplayKeepingClock();
    if (mode_ == Mode::Play)
        RunAnalysis();
    SetModified(true);
}

void GameSession::Restart() {
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

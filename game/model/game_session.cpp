#include "game/model/game_session.h"

#include "game/model/board_marks.h"
#include "game/model/duration.h"
#include "game/model/model_messages.h"
#include "game/model/move_review.h"
#include "game/model/solution_check.h"

#include "engine/generator.h"
#include "engine/practice_puzzles.h"

#include <algorithm>
#include <limits>

namespace game {

namespace {

bool InRange(int value) {
    return value >= 1 && value <= 9;
}

const QString kAllDigits = QStringLiteral("123456789");

} // namespace

GameSession::GameSession(const GameSettings& settings, QObject* parent)
    : QObject(parent), settings_(settings), timerLabel_(FormatDuration(0)),
      casesLabel_(QStringLiteral("/81")) {
    for (int col = 1; col <= 9; ++col)
        for (int row = 1; row <= 9; ++row)
            CellAt(row, col) = BoardCell(row, col);
}

void GameSession::InitBoard(PendingHistory* pending) {
    history_.clear();
    SetModified(false);
    for (BoardCell& cell : cells_) {
        cell.CandidateColour = settings_.CandidateColour;
        cell.ShowsCandidates = false;
        cell.BackgroundColour = kWhite;
        NotifyCell(cell);
    }
    SetMode(Mode::Input, true);
    ApplyDefaults();
    if (pending != nullptr && !pending->Entries.empty()) {
        history_ = std::move(pending->Entries);
        const int seconds = pending->Seconds;
        *pending = PendingHistory{};
        ReplayHistory();
        RestoreElapsedSeconds(seconds);
    }
}

void GameSession::StartGeneratedGrid(int level) {
    const bool practice = level >= 0 && level < engine::kPracticeLevels;
    ImportText(QString::fromStdString(practice ? engine::GeneratePracticePuzzle(level)
                                               : engine::GenerateGrid())
                   .left(81));
    StartPlay();
}

void GameSession::RedrawInNewColours(const GameSettings& settings) {
    settings_ = settings;
    for (BoardCell& cell : cells_) {
        cell.CandidateColour = settings_.CandidateColour;
        NotifyCell(cell);
    }
    // Digits take their colour when placed, so the board is rebuilt from its history.
    ReplayKeepingClock();
    if (mode_ == Mode::Play)
        RunAnalysis();
}

void GameSession::ApplyDefaults() {
    SetCandidateDisplay(settings_.ShowCandidates);
    SetProtection(settings_.Protection);
}

int GameSession::PlacedCells() const {
    return int(std::count_if(cells_.begin(), cells_.end(),
                             [](const BoardCell& cell) { return cell.Digit() != 0; }));
}

int GameSession::CountPlacedCells() {
    for (const std::size_t k : MarkConflicts(cells_))
        NotifyCell(cells_[k]);
    const int placed = PlacedCells();
    const QString label =
        QString::number(placed) + QStringLiteral("/81 ") + MessageText(83, QStringLiteral("cases"));
    if (label != casesLabel_) {
        casesLabel_ = label;
        emit casesLabelChanged(casesLabel_);
    }
    return placed;
}

engine::GridState GameSession::TakeSnapshot() const {
    engine::GridState grid(engine::GridState::Order::ColumnMajor);
    for (std::size_t k = 0; k < cells_.size(); ++k) {
        grid.Cells[k].Digit = std::uint8_t(cells_[k].Digit());
        grid.Cells[k].Candidates = cells_[k].Candidates();
    }
    return grid;
}

void GameSession::SetMode(game::Mode mode, bool record) {
    mode_ = mode;
    if (record)
        Record(HistoryEntry{0, 0, 0,
                            mode == Mode::Input ? Operation::InputMode : Operation::PlayMode});
    elapsedSeconds_ = 0;
    if (mode == Mode::Input) {
        ClearTrace();
        SetTimerLabel(FormatDuration(0));
        SetTimerRunning(false);
        ResetAnalysisPanel();
    } else {
        SetTimerRunning(true);
    }
    UpdatePuzzle();
    emit modeChanged(mode_);
}

void GameSession::ApplyAction(int row, int col, Operation operation, int digit) {
    if (marksShown_)
        ClearVerificationMarks();
    ForgetSelectedFinding();
    if (!InRange(row) || !InRange(col) || !InRange(digit)) {
        CountPlacedCells();
        return;
    }
    BoardCell& cell = CellAt(row, col);
    const QString where = QStringLiteral("L%1 C%2").arg(row).arg(col);
    const HistoryEntry move{std::uint8_t(row), std::uint8_t(col), std::uint8_t(digit), operation};
    if (operation == Operation::RemoveCandidate) {
        RemoveCandidateFrom(cell, digit);
        if (mode_ == Mode::Play)
            AddTrace(MoveTraceLine(move));
        return;
    }
    if (operation != Operation::Place)
        return;
    if (!cell.HasCandidate(digit) && cell.Digit() != digit) {
        emit beepRequested();
        AddTrace(QStringLiteral("FAUX - ") + where + QStringLiteral("le ") +
                 QString::number(digit) + QStringLiteral(" déjà posé."));
    }
    cell.PlayedColour = ModeDigitColour();
    cell.SetNumber(digit);
    NotifyCell(cell);
    if (mode_ == Mode::Play)
        AddTrace(MoveTraceLine(move));
    const int region = cell.Region();
    for (BoardCell& peer : cells_)
        if (peer.Region() == region || peer.Row() == row || peer.Col() == col)
            RemoveCandidateFrom(peer, digit);
    CountPlacedCells();
}

void GameSession::StartPlay() {
    SetMode(Mode::Play, true);
    RunAnalysis();
}

void GameSession::EraseAll() {
    ResetAllCells();
    history_.clear();
    SetMode(Mode::Input, true);
    CountPlacedCells(); // the counter must not go on showing the erased digits
}

SelectorSetup GameSession::PrepareSelector(int row, int col, bool leftButton) {
    BoardCell& cell = CellAt(row, col);
    SelectorSetup setup;
    setup.Page = leftButton ? 0 : 1;
    setup.PlaceColour = ModeDigitColour();
    setup.CandidateColour = settings_.CandidateColour;
    if (mode_ == Mode::Play && IsGiven(row, col))
        return setup; // locked, and drawn in its own colour
    if (protection_) {
        setup.PlaceDigits = cell.CandidateString();
        setup.CandidateDigits = mode_ == Mode::Play ? setup.PlaceDigits : QString();
    } else {
        setup.PlaceDigits = kAllDigits;
        setup.CandidateDigits = kAllDigits;
    }
    cell.PlayedColour = setup.PlaceColour;
    NotifyCell(cell);
    return setup;
}

void GameSession::ApplyCellChoice(int row, int col, Operation operation, int digit) {
    // A choice the selector cannot make would write a history line the grid file cannot hold.
    if (!InRange(row) || !InRange(col) || !InRange(digit) ||
        (operation != Operation::Place && operation != Operation::RemoveCandidate) ||
        (mode_ == Mode::Play && IsGiven(row, col)))
        return;
    const HistoryEntry move{std::uint8_t(row), std::uint8_t(col), std::uint8_t(digit), operation};
    // Judged on the position just before it; the line follows the move's own.
    const MoveReview review = mode_ == Mode::Play ? ReviewMove(TakeSnapshot(), move) : MoveReview{};
    ApplyAction(row, col, operation, digit);
    if (mode_ == Mode::Play)
        AddTrace(ReviewTraceLine(review));
    Record(move);
    SetModified(true);
    ReportDeadEnds();
    if (mode_ == Mode::Play) {
        RunAnalysis();
        NoticeFilledBoard();
    }
}

bool GameSession::IsGiven(int row, int col) const {
    if (!InRange(row) || !InRange(col) || Cell(row, col).Digit() == 0)
        return false;
    const auto placements = PlacementsOf(row, col);
    return !placements.empty() && !placements.back().second;
}

bool GameSession::EraseDigit(int row, int col) {
    if (!InRange(row) || !InRange(col) || Cell(row, col).Digit() == 0)
        return false;
    const bool play = mode_ == Mode::Play;
    if (play && IsGiven(row, col))
        return false;
    // Every placement of the cell goes (in play mode those of play only), so no earlier digit
    // comes back in its place.
    std::vector<std::size_t> indices;
    for (const auto& [index, inPlay] : PlacementsOf(row, col))
        if (inPlay || !play)
            indices.push_back(index);
    redo_.clear();
    TakeOutEntries(indices);
    return true;
}

void GameSession::ReportDeadEnds() {
    for (const BoardCell& cell : cells_) {
        if (cell.Digit() != 0 || cell.CandidateCount() != 0)
            continue;
        emit beepRequested();
        AddTrace(
            QStringLiteral("FAUX - L%1  C%2  sans candidats.").arg(cell.Row()).arg(cell.Col()));
    }
}

void GameSession::SetCandidateDisplay(bool on) {
    candidateDisplay_ = on;
    for (BoardCell& cell : cells_) {
        if (cell.ShowsCandidates == on)
            continue;
        cell.ShowsCandidates = on;
        NotifyCell(cell);
    }
    emit candidateDisplayChanged(on);
}

void GameSession::SetProtection(bool on) {
    protection_ = on;
    emit protectionChanged(on);
}

void GameSession::TickSecond() {
    if (!timerRunning_ || paused_ || mode_ == Mode::Input)
        return;
    // A grid file may bring any time up to the largest int: the clock stops there, never wraps.
    if (elapsedSeconds_ < std::numeric_limits<int>::max())
        ++elapsedSeconds_;
    SetTimerLabel(FormatDuration(elapsedSeconds_));
}

void GameSession::SetPaused(bool paused) {
    if (paused == paused_)
        return;
    paused_ = paused;
    emit pausedChanged(paused);
}

void GameSession::RestoreElapsedSeconds(int seconds) {
    elapsedSeconds_ = seconds;
    // Input mode keeps its clock at zero; play mode shows the time at once, not at the next tick.
    if (mode_ == Mode::Play)
        SetTimerLabel(FormatDuration(elapsedSeconds_));
}

void GameSession::SetModified(bool modified) {
    if (modified == modified_)
        return;
    modified_ = modified;
    emit modifiedChanged(modified_);
}

Colour GameSession::ModeDigitColour() const {
    return mode_ == Mode::Input ? settings_.GivenColour : settings_.PlayedColour;
}

void GameSession::RemoveCandidateFrom(BoardCell& cell, int digit) {
    if (cell.RemoveCandidate(digit))
        NotifyCell(cell);
}

void GameSession::ResetAllCells() {
    ResetHintLadder();
    for (BoardCell& cell : cells_) {
        cell.ResetCell();
        NotifyCell(cell);
    }
}

void GameSession::AddTrace(const QString& line) {
    trace_ << line;
    emit traceLineAdded(line);
}

void GameSession::ClearTrace() {
    trace_.clear();
    emit traceCleared();
}

void GameSession::SetTimerRunning(bool running) {
    if (running == timerRunning_)
        return;
    timerRunning_ = running;
    emit timerRunningChanged(running);
}

void GameSession::SetTimerLabel(const QString& text) {
    timerLabel_ = text;
    emit timerLabelChanged(text);
}

} // namespace game

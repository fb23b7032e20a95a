// The solution side of a grid: the puzzle it plays, the check of a typed-in puzzle, verification
// against the solution, the way back to before the first mistake, and the full board's verdict.
#include "game/model/game_session.h"

#include "game/model/model_messages.h"
#include "game/model/solution_check.h"

namespace game {

engine::Digits GameSession::DigitsOnBoard() const {
    engine::Digits digits{};
    for (const BoardCell& cell : cells_)
        digits[std::size_t((cell.Row() - 1) * 9 + cell.Col() - 1)] = std::uint8_t(cell.Digit());
    return digits;
}

void GameSession::UpdatePuzzle() {
    puzzle_.Update(GivensOf(history_));
    emit puzzleChanged();
}

QString GameSession::CheckBoardAsPuzzle() {
    PuzzleSolution board;
    board.Update(DigitsOnBoard());
    return PuzzleProblem(board);
}

void GameSession::ClearVerificationMarks() {
    marksShown_ = false;
    for (BoardCell& cell : cells_) {
        if (!cell.WrongDigit && cell.MissingSolution == 0)
            continue;
        cell.WrongDigit = false;
        cell.MissingSolution = 0;
        NotifyCell(cell);
    }
}

void GameSession::Verify() {
    ClearVerificationMarks();
    if (!puzzle_.Unique()) {
        AddTrace(MessageText(
            101, QStringLiteral("Cette grille n'a pas une solution unique : rien à comparer.")));
        return;
    }
    int wrongDigits = 0;
    int missing = 0;
    for (BoardCell& cell : cells_) {
        const int truth = puzzle_.DigitAt(cell.Row(), cell.Col());
        cell.WrongDigit = cell.Digit() != 0 && cell.Digit() != truth;
        cell.MissingSolution =
            cell.Digit() == 0 && !cell.HasCandidate(truth) ? engine::DigitBit(truth) : 0;
        wrongDigits += cell.WrongDigit;
        missing += cell.MissingSolution != 0;
        if (cell.WrongDigit || cell.MissingSolution != 0) {
            marksShown_ = true;
            NotifyCell(cell);
        }
    }
    if (wrongDigits + missing == 0) {
        AddTrace(MessageText(98, QStringLiteral("Vérification : aucune erreur.")));
        return;
    }
    AddTrace(MessageText(99, QStringLiteral(
                                 "Vérification : %1 chiffre(s) faux, %2 candidat(s) manquant(s)."))
                 .arg(wrongDigits)
                 .arg(missing));
    const int first = FirstMistake(history_, puzzle_.Digits());
    if (first >= 0)
        AddTrace(MessageText(100, QStringLiteral("Première erreur : %1"))
                     .arg(MoveTraceLine(history_[std::size_t(first)])));
}

bool GameSession::BackToFirstMistake() {
    if (!puzzle_.Unique())
        return false;
    const int first = FirstMistake(history_, puzzle_.Digits());
    if (first < 0)
        return false;
    TakeOutFrom(std::size_t(first));
    return true;
}

bool GameSession::BoardSolved() const {
    const engine::Digits board = DigitsOnBoard();
    if (PlacedCells() != 81 || engine::FindRepeatedDigit(board))
        return false;
    return !puzzle_.Unique() || board == puzzle_.Digits();
}

void GameSession::NoticeFilledBoard() {
    const bool full = PlacedCells() == 81;
    if (full && !filledNoticed_)
        emit gridFilled(BoardSolved());
    filledNoticed_ = full;
}

} // namespace game

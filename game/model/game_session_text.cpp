// The text exchange of a grid: grid texts in, the board picture out.
#include "game/model/game_session.h"

#include "game/model/grid_text.h"
#include "game/model/model_messages.h"

namespace game {

QString GameSession::ImportText(const QString& text) {
    const GridTextReading reading = ReadGridText(text);
    if (!reading.Error.isEmpty())
        return reading.Error;
    for (const GridGiven& given : reading.Givens) {
        history_.push_back(HistoryEntry{std::uint8_t(given.Row), std::uint8_t(given.Col),
                                        std::uint8_t(given.Digit), Operation::Place});
        emit historyGrew();
        ApplyAction(given.Row, given.Col, Operation::Place, given.Digit);
    }
    return {};
}

QString GameSession::PasteGrid(const QString& clipboardText) {
    if (CountPlacedCells() != 0)
        return MessageText(67, QStringLiteral("La grille n'est pas vide"));
    const QString error = ImportText(FilterPastedText(clipboardText));
    // Pasted givens are a change to save; a refused or blank text placed nothing.
    if (CountPlacedCells() != 0)
        SetModified(true);
    return error;
}

QString GameSession::CopyGrid() const {
    BoardDigits digits{};
    for (const BoardCell& cell : cells_)
        digits[cell.Row() - 1][cell.Col() - 1] = cell.Digit();
    return GridPicture(digits);
}

} // namespace game

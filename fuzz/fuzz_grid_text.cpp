// The grid text import with the paste filter, through the grid model as the Paste command uses
// it. Invariants: a refused text leaves the grid empty and unmodified; an accepted one places
// exactly its givens, marks the grid modified when there were any, and the board picture that
// Copy makes of it pastes back into a new grid as the same board.
#include "fuzz/board_view.h"
#include "fuzz/fuzz_check.h"

#include "game/model/game_session.h"
#include "game/model/grid_text.h"

#include <memory>

namespace {

std::unique_ptr<game::GameSession> NewGrid() {
    auto session = std::make_unique<game::GameSession>(game::GameSettings{});
    session->InitBoard();
    return session;
}

const game::ActionHistory kNewGridHistory = {{0, 0, 0, game::Operation::InputMode}};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using fuzz::Require;
    const QString clipboard = QString::fromUtf8(fuzz::InputBytes(data, size));
    const auto grid = NewGrid();
    const QString error = grid->PasteGrid(clipboard);
    const game::GridTextReading reading = game::ReadGridText(game::FilterPastedText(clipboard));
    Require(error == reading.Error, "Paste refuses what the grid text reader refuses");
    if (!error.isEmpty()) {
        Require(grid->History() == kNewGridHistory, "a refused text leaves the history as it was");
        Require(grid->PlacedCells() == 0, "a refused text leaves the board empty");
        Require(!grid->Modified(), "a refused text leaves the grid unmodified");
        return 0;
    }

    QString expected(81, u'0');
    for (const game::GridGiven& given : reading.Givens) {
        Require(given.Row >= 1 && given.Row <= 9 && given.Col >= 1 && given.Col <= 9 &&
                    given.Digit >= 1 && given.Digit <= 9,
                "givens are on the board");
        expected[(given.Col - 1) * 9 + given.Row - 1] = QChar(u'0' + given.Digit);
    }
    const fuzz::BoardView board = fuzz::ViewOf(*grid);
    Require(board.Digits == expected, "the board holds exactly the givens");
    Require(grid->History().size() == reading.Givens.size() + 1,
            "every given is recorded in the history");
    Require(grid->Modified() == !reading.Givens.empty(), "pasted givens mark the grid modified");

    const QString picture = grid->CopyGrid();
    Require(picture.count(QStringLiteral("\r\n")) == 10, "the board picture has 11 lines");
    const auto copy = NewGrid();
    Require(copy->PasteGrid(picture).isEmpty(), "the board picture pastes");
    Require(fuzz::ViewOf(*copy) == board, "the pasted picture is the same board");
    return 0;
}

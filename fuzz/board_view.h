#pragma once
// What a player sees of a grid, to compare two grids in the fuzz targets of the game model.

#include "game/model/game_session.h"

#include <QString>
#include <QStringList>

namespace fuzz {

struct BoardView {
    QString Digits; // 81 characters in creation order, "0" for an empty cell
    QStringList Candidates;
    game::Mode Mode = game::Mode::Input;
    friend bool operator==(const BoardView&, const BoardView&) = default;
};

inline BoardView ViewOf(const game::GameSession& session) {
    BoardView view{{}, {}, session.CurrentMode()};
    for (const game::BoardCell& cell : session.Cells()) {
        view.Digits += QString::number(cell.Digit());
        view.Candidates << cell.CandidateString();
    }
    return view;
}

} // namespace fuzz

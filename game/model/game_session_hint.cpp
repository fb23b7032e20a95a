// The hint ladder: each call tells one more step of the easiest deduction of the position (the
// first of the last run, so the lowest family first), then carries it out as a double-click on it
// in the panel would. Any change of the history starts the ladder again.
#include "game/model/game_session.h"

#include "engine/grid_layout.h"
#include "engine/solver.h"
#include "game/model/deduction_explanation.h"
#include "game/model/model_messages.h"

namespace game {

namespace {

std::vector<engine::CellDigit> UnitCells(engine::UnitKind kind, int number) {
    std::vector<engine::CellDigit> cells;
    for (std::uint8_t p : engine::kGridLayout.units[engine::UnitIndex(kind, number)])
        cells.push_back({p / 9 + 1, p % 9 + 1, 0});
    return cells;
}

} // namespace

void GameSession::LightCells(const std::vector<engine::CellDigit>& cells, Colour colour) {
    for (const engine::CellDigit& lit : cells) {
        BoardCell& cell = CellAt(lit.Row, lit.Col);
        cell.BackgroundColour = colour;
        NotifyCell(cell);
    }
}

void GameSession::ResetHintLadder() {
    if (hintStep_ == 0)
        return;
    hintStep_ = 0;
    ClearLighting();
}

QString GameSession::NothingToHint() const {
    switch (engine::CountSolutions(DigitsOnBoard())) {
    case 0:
        return MessageText(159, QStringLiteral("Indice : les six techniques ne trouvent rien ici, "
                                               "et la grille n'a plus de solution."));
    case 1:
        return MessageText(157, QStringLiteral("Indice : les six techniques ne trouvent rien ici ; "
                                               "la grille a encore sa solution."));
    default:
        break;
    }
    return MessageText(158, QStringLiteral("Indice : les six techniques ne trouvent rien ici ; "
                                           "la grille a plusieurs solutions."));
}

void GameSession::TellHint(const QString& text) {
    AddTrace(text);
    emit hintGiven(text);
}

int GameSession::Hint() {
    if (mode_ != Mode::Play) {
        // The techniques read a position being played; a grid still being typed in has none.
        TellHint(
            MessageText(160, QStringLiteral("Indice : les indices viennent pendant la partie ; "
                                            "cliquez d'abord sur « Jouer ! ».")));
        return -1;
    }
    const std::vector<engine::Deduction> deductions = Deductions();
    if (deductions.empty()) {
        TellHint(NothingToHint());
        return -1;
    }
    const engine::Deduction& easiest = deductions.front();
    ClearLighting();
    // The panel lists the deduction's family from the fourth step on: the fourth selects its
    // row (explained and drawn on the board), the fifth applies it.
    auto listedRow = [&] {
        SelectFamily(easiest.Family);
        const std::vector<ListedFinding>& rows = panel_.Rows();
        for (std::size_t row = 0; row < rows.size(); ++row)
            if (rows[row].Family == easiest.Family && rows[row].Seq == easiest.Seq)
                return int(row);
        return -1;
    };
    switch (++hintStep_) {
    case 1:
        TellHint(MessageText(153, QStringLiteral("Indice 1 : cherchez %1."))
                     .arg(TechniqueName(easiest)));
        return -1;
    case 2:
        TellHint(MessageText(154, QStringLiteral("Indice 2 : regardez %1."))
                     .arg(UnitName(easiest.Unit, easiest.UnitNumber)));
        LightCells(UnitCells(easiest.Unit, easiest.UnitNumber), settings_.ReferenceColour);
        return -1;
    case 3:
        TellHint(MessageText(155, QStringLiteral("Indice 3 : les cases %1."))
                     .arg(CellList(easiest.PatternCells)));
        LightCells(easiest.PatternCells, settings_.ReferenceColour);
        return -1;
    case 4: {
        AddTrace(MessageText(156, QStringLiteral("Indice 4 : %1. %2"))
                     .arg(QString::fromStdString(findings_[easiest.Origin].Text),
                          ExplainDeduction(easiest)));
        const int row = listedRow();
        SelectListedFinding(row);
        emit findingChosen(row);
        return -1;
    }
    default:
        break;
    }
    const int row = listedRow();
    return row >= 0 ? ApplyListedFinding(row) : -1;
}

} // namespace game

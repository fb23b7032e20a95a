#include "game/model/puzzle_solution.h"

#include "engine/solver.h"
#include "game/model/model_messages.h"

namespace game {

void PuzzleSolution::Update(const engine::Digits& givens) {
    if (known_ && givens == givens_)
        return;
    known_ = true;
    givens_ = givens;
    repeat_ = engine::FindRepeatedDigit(givens);
    solution_ = {};
    count_ = repeat_ ? 0 : engine::CountSolutions(givens, &solution_);
    rating_ = engine::RatePuzzle(givens);
}

namespace {

QString UnitName(engine::UnitKind kind, int unit) {
    switch (kind) {
    case engine::UnitKind::Row:
        return MessageText(86, QStringLiteral("la ligne %1")).arg(unit);
    case engine::UnitKind::Column:
        return MessageText(87, QStringLiteral("la colonne %1")).arg(unit);
    case engine::UnitKind::Region:
        break;
    }
    return MessageText(88, QStringLiteral("la région %1")).arg(unit);
}

} // namespace

QString PuzzleProblem(const PuzzleSolution& puzzle) {
    if (const auto& repeat = puzzle.Repeat())
        return MessageText(85, QStringLiteral("Le %1 est deux fois dans %2."))
            .arg(repeat->Digit)
            .arg(UnitName(repeat->Kind, repeat->Unit));
    if (puzzle.Count() == 0)
        return MessageText(89, QStringLiteral("Cette grille n'a pas de solution."));
    if (puzzle.Count() > 1)
        return MessageText(90, QStringLiteral("Cette grille a plusieurs solutions."));
    return {};
}

QString LevelName(const engine::Rating& rating) {
    if (rating.Kind == engine::Verdict::Beyond)
        return MessageText(95, QStringLiteral("expert"));
    if (rating.Level <= 1)
        return MessageText(92, QStringLiteral("facile"));
    if (rating.Level <= 3)
        return MessageText(93, QStringLiteral("moyen"));
    return MessageText(94, QStringLiteral("difficile"));
}

QString LevelLine(const engine::Rating& rating) {
    switch (rating.Kind) {
    case engine::Verdict::Rated:
        return MessageText(96, QStringLiteral("Niveau : %1 (%2)"))
            .arg(LevelName(rating))
            .arg(rating.Level);
    case engine::Verdict::Beyond:
        return MessageText(97, QStringLiteral("Niveau : %1")).arg(LevelName(rating));
    case engine::Verdict::Invalid:
    case engine::Verdict::Multiple:
        break;
    }
    return {};
}

} // namespace game

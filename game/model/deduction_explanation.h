#pragma once
// Why a deduction holds, in the interface's language: generated from the deduction's own unit,
// cells and digits, one template per kind of configuration. The words of the hint ladder (the
// technique, the unit, the cells) come from here too, so that hints, explanations and help speak
// alike.

#include "engine/deduction.h"

#include <QString>

#include <vector>

namespace game {

// "la ligne 3", "la colonne 5", "la région 1" (English: "row 3", "column 5", "region 1").
QString UnitName(engine::UnitKind kind, int number);
// "L3C2, L3C3 et L3C7" (English "and"): cells in the given order, their digits ignored.
QString CellList(const std::vector<engine::CellDigit>& cells);
// The technique to look for, as a hint names it: "un candidat seul dans sa case", "des jumeaux
// ou triplés", ... (one name per kind of configuration).
QString TechniqueName(const engine::Deduction& deduction);
// The whole reason: where the pattern lies, why it forces the conclusion, and what it places or
// removes. One sentence or two, ending with a full stop.
QString ExplainDeduction(const engine::Deduction& deduction);

} // namespace game

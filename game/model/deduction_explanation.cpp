#include "game/model/deduction_explanation.h"

#include "game/model/model_messages.h"

#include <algorithm>

namespace game {

namespace {

using engine::CellDigit;
using engine::Deduction;
using engine::UnitKind;

QString CellName(const CellDigit& cell) {
    return QStringLiteral("L%1C%2").arg(cell.Row).arg(cell.Col);
}

// "a, b et c": the last two joined by the language's "and".
QString JoinWithAnd(const QStringList& items) {
    if (items.size() < 2)
        return items.value(0);
    return QStringList(items.mid(0, items.size() - 1)).join(QStringLiteral(", ")) +
           MessageText(127, QStringLiteral(" et ")) + items.last();
}

QString DigitList(engine::CandidateSet digits) {
    QStringList items;
    for (int d = 1; d <= 9; ++d)
        if (engine::HasDigit(digits, d))
            items << QString::number(d);
    return JoinWithAnd(items);
}

// The removals grouped by digit, ascending: "le 2 en L3C1 et L3C4, le 7 en L3C8".
QString RemovalList(const std::vector<CellDigit>& effects) {
    QStringList items;
    for (int digit = 1; digit <= 9; ++digit) {
        std::vector<CellDigit> cells;
        for (const CellDigit& effect : effects)
            if (effect.Digit == digit)
                cells.push_back(effect);
        if (!cells.empty())
            items
                << MessageText(139, QStringLiteral("le %1 en %2")).arg(digit).arg(CellList(cells));
    }
    return items.join(QStringLiteral(", "));
}

// The unit every pattern cell shares besides the deduction's own: the line of a twin (the row
// when the cells share one, else the column), the region of an interaction.
QString CrossedUnit(const Deduction& deduction) {
    const CellDigit& first = deduction.PatternCells.front();
    if (deduction.Unit != UnitKind::Region)
        return UnitName(UnitKind::Region, engine::RegionOf(first.Row, first.Col));
    const bool sameRow = std::all_of(deduction.PatternCells.begin(), deduction.PatternCells.end(),
                                     [&](const CellDigit& cell) { return cell.Row == first.Row; });
    return sameRow ? UnitName(UnitKind::Row, first.Row) : UnitName(UnitKind::Column, first.Col);
}

} // namespace

QString UnitName(UnitKind kind, int number) {
    switch (kind) {
    case UnitKind::Row:
        return MessageText(124, QStringLiteral("la ligne %1")).arg(number);
    case UnitKind::Column:
        return MessageText(125, QStringLiteral("la colonne %1")).arg(number);
    case UnitKind::Region:
        break;
    }
    return MessageText(126, QStringLiteral("la région %1")).arg(number);
}

QString CellList(const std::vector<CellDigit>& cells) {
    QStringList names;
    for (const CellDigit& cell : cells)
        names << CellName(cell);
    return JoinWithAnd(names);
}

QString TechniqueName(const Deduction& deduction) {
    static const char* const kNames[] = {
        "un candidat seul dans sa case",
        "un chiffre qui n'a plus qu'une place dans une ligne, une colonne ou une région",
        "des jumeaux ou triplés : un chiffre d'une région enfermé dans une ligne ou une colonne",
        "une interaction : un chiffre d'une ligne ou d'une colonne enfermé dans une région",
        "une configuration franche : des cases qui ont ensemble autant de candidats que de cases",
        "une configuration exclusive : des chiffres qui n'ont pour place que les mêmes cases",
    };
    const int family = std::clamp(deduction.Family, 0, 5);
    return MessageText(128 + family, QString::fromUtf8(kNames[family]));
}

QString ExplainDeduction(const Deduction& deduction) {
    const QString unit = UnitName(deduction.Unit, deduction.UnitNumber);
    const QString pattern = CellList(deduction.PatternCells);
    const QString digits = DigitList(deduction.PatternDigits);
    const QString effects = CellList(deduction.Effects);
    switch (deduction.Family) {
    case 0:
        return MessageText(134,
                           QStringLiteral("%1 n'a plus qu'un candidat, le %2 : tous les autres "
                                          "chiffres en sont exclus. Le %2 y est posé."))
            .arg(pattern, digits);
    case 1:
        return MessageText(135,
                           QStringLiteral("Dans %1, le %2 ne peut aller qu'en %3 : aucune autre "
                                          "case de %1 ne l'a pour candidat. Le %2 est posé en "
                                          "%3."))
            .arg(unit, digits, pattern);
    case 2:
    case 3:
        return MessageText(136, QStringLiteral("Dans %1, le %2 ne peut aller que dans %3 (%4) : le "
                                               "%2 ne peut donc pas être ailleurs dans %3, il est "
                                               "supprimé en %5."))
            .arg(unit, digits, CrossedUnit(deduction), pattern, effects);
    case 4:
        return MessageText(137,
                           QStringLiteral("Dans %1, les cases %2 n'ont pour candidats que %3 : "
                                          "ces %4 chiffres doivent occuper ces %4 cases, ils "
                                          "ne peuvent donc pas être ailleurs dans %1. "
                                          "Supprimés : %5."))
            .arg(unit, pattern, digits, QString::number(deduction.PatternCells.size()),
                 RemovalList(deduction.Effects));
    default:
        break;
    }
    return MessageText(138, QStringLiteral("Dans %1, les chiffres %2 ne peuvent aller que dans les "
                                           "cases %3 : ces %4 cases leur sont réservées, leurs "
                                           "autres candidats en sont donc supprimés. Supprimés : "
                                           "%5."))
        .arg(unit, digits, pattern, QString::number(deduction.PatternCells.size()),
             RemovalList(deduction.Effects));
}

} // namespace game

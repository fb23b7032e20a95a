#include "engine/open_configurations.h"

#include "engine/unit_bits.h"

// A group's digits leave the rest of its unit. Each configuration gives one view line per cell of
// the group (digit "0"), then, for every other cell of the unit in unit order, one removal line per
// candidate among the group's digits; a removal line's text is the candidate's position (1-based)
// in that cell's candidate text.

namespace engine {

namespace {

// Adds the configuration: view lines for the unit positions of group, in unit order, with the
// view text (each cell's text names its unit, the same for all); then the removal of `digits` from
// every other cell.
void AddConfiguration(FindingList& list, int& familyCount, const UnitSets& unit, unsigned group,
                      CandidateSet digits, const FindingText& viewText) {
    const std::size_t firstLine = list.size();
    char trace = 'O';
    ForEachBit(group, [&](int m) {
        const CellState& cell = unit.Cell(m);
        AddFinding(list, cell.Row, cell.Col, '0', 'V', 4, familyCount, trace, viewText);
        trace = 'N';
    });
    ForEachBit(0x1FFu & ~group, [&](int m) {
        const CellState& cell = unit.Cell(m);
        ForEachBit(unit.sets[m] & digits, [&](int d) {
            AddFinding(list, cell.Row, cell.Col, char('0' + d), 'C', 4, familyCount, 'N',
                       FindingText::CandidatePosition(PositionInText(unit.sets[m], d)));
        });
    });
    SetUnit(list, firstLine, unit.kind, unit.number);
    ++familyCount;
}

} // namespace

void FindOpenConfigurations(FindingList& list, int& familyCount, const UnitTable& units, int size,
                            UnitKind kind) {
    for (int u = 1; u <= 9; ++u) {
        const UnitSets& unit = units.Unit(kind, u);
        const unsigned sameSize = unit.cellsWithCount[size];
        if (DigitCount(sameSize) < size)
            continue;
        // The last cell never opens a group: no cell after it can share its text.
        ForEachBit(sameSize & 0xFFu, [&](int i) {
            const CandidateSet group = unit.sets[i];
            // The cells of the same size holding every digit of the group hold the same text;
            // the cells holding any of them are touched by the group.
            unsigned members = sameSize;
            unsigned touched = 0;
            ForEachBit(group, [&](int d) {
                members &= unit.digits.Of(d);
                touched |= unit.digits.Of(d);
            });
            // Only the cells after i count towards the size; every cell of the unit with the same
            // text takes part in the view lines, including any before i.
            if (1 + DigitCount(members & PositionsAfter(i)) != size)
                return;
            if ((touched & ~members) == 0)
                return;
            AddConfiguration(list, familyCount, unit, members, group,
                             FindingText::OpenGroup(group, kind, u));
        });
    }
}

void FindIncompleteOpenTrios(FindingList& list, int& familyCount, const UnitTable& units,
                             UnitKind kind) {
    for (int u = 1; u <= 9; ++u) {
        const UnitSets& unit = units.Unit(kind, u);
        // Only cells with one to three candidates can be part of a trio of three digits.
        const unsigned members =
            unit.cellsWithCount[1] | unit.cellsWithCount[2] | unit.cellsWithCount[3];
        ForEachBit(members, [&](int i) {
            const CandidateSet a = unit.sets[i];
            ForEachBit(members & PositionsAfter(i), [&](int j) {
                const CandidateSet b = unit.sets[j];
                if (DigitCount(a | b) > 3)
                    return;
                ForEachBit(members & PositionsAfter(j), [&](int k) {
                    const CandidateSet c = unit.sets[k];
                    const CandidateSet digits = a | b | c;
                    const int total = DigitCount(a) + DigitCount(b) + DigitCount(c);
                    if (DigitCount(digits) != 3 || total < 6 || total > 8)
                        return;
                    int inUnit = 0;
                    for (CandidateSet set : unit.sets)
                        inUnit += DigitCount(set & digits);
                    if (inUnit <= total)
                        return;
                    AddConfiguration(list, familyCount, unit, (1u << i) | (1u << j) | (1u << k),
                                     digits, FindingText::IncompleteOpenTrio(kind, u));
                });
            });
        });
    }
}

} // namespace engine

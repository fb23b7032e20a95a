#include "engine/deduction.h"

#include <algorithm>

namespace engine {

namespace {

void AddPatternCell(Deduction& deduction, int row, int col) {
    const CellDigit cell{row, col, 0};
    if (std::find(deduction.PatternCells.begin(), deduction.PatternCells.end(), cell) ==
        deduction.PatternCells.end())
        deduction.PatternCells.push_back(cell);
}

Deduction ReadDeduction(const FindingList& list, std::size_t begin, std::size_t end,
                        const GridState& grid) {
    const Finding& head = list[begin];
    Deduction deduction;
    deduction.Family = head.Family;
    deduction.Seq = head.Seq;
    deduction.Begin = begin;
    deduction.End = end;
    deduction.Origin = begin;
    deduction.Unit = head.Unit;
    deduction.UnitNumber = head.UnitNumber;
    for (std::size_t i = begin; i < end; ++i) {
        const Finding& line = list[i];
        if (line.Trace == 'O')
            deduction.Origin = i;
        const int digit = line.Digit - '0';
        if (line.Action == 'V') {
            AddPatternCell(deduction, line.Row, line.Col);
            if (digit > 0)
                deduction.PatternDigits |= DigitBit(digit);
            else
                deduction.PatternDigits |= grid.At(line.Row, line.Col).Candidates;
            continue;
        }
        deduction.Action = line.Action;
        deduction.Effects.push_back({line.Row, line.Col, digit});
    }
    // A single is its own pattern: the cell it fills and the digit it places.
    if (deduction.PatternCells.empty() && !deduction.Effects.empty()) {
        AddPatternCell(deduction, deduction.Effects.front().Row, deduction.Effects.front().Col);
        deduction.PatternDigits = DigitBit(deduction.Effects.front().Digit);
    }
    return deduction;
}

} // namespace

std::vector<Deduction> GroupDeductions(const FindingList& list, const GridState& grid) {
    std::vector<Deduction> deductions;
    std::size_t begin = 0;
    for (std::size_t i = 1; i <= list.size(); ++i) {
        if (i < list.size() && list[i].Family == list[begin].Family &&
            list[i].Seq == list[begin].Seq)
            continue;
        if (begin < list.size())
            deductions.push_back(ReadDeduction(list, begin, i, grid));
        begin = i;
    }
    return deductions;
}

const Deduction* ForcingDeduction(const std::vector<Deduction>& deductions, char action,
                                  const CellDigit& move) {
    for (const Deduction& deduction : deductions)
        if (deduction.Action == action &&
            std::find(deduction.Effects.begin(), deduction.Effects.end(), move) !=
                deduction.Effects.end())
            return &deduction;
    return nullptr;
}

} // namespace engine

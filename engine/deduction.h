#pragma once
// A deduction: the lines of one configuration of a run (one family, one sequence number), read
// back as a teacher tells it: where it lies, which cells and digits make the pattern, what it
// places or removes.

#include "engine/grid_state.h"

#include <vector>

namespace engine {

struct CellDigit {
    int Row = 0;
    int Col = 0;
    int Digit = 0;

    bool operator==(const CellDigit&) const = default;
};

struct Deduction {
    int Family = 0;
    int Seq = 0;
    std::size_t Begin = 0; // its lines in the finding list, Begin..End-1
    std::size_t End = 0;
    std::size_t Origin = 0; // its line whose trace is 'O'
    UnitKind Unit = UnitKind::Row;
    int UnitNumber = 0;
    // The cells that make the pattern, each once, in line order; the digits of the pattern (for
    // a group of cells, every candidate they hold among the group's digits).
    std::vector<CellDigit> PatternCells; // Digit 0
    CandidateSet PatternDigits = 0;
    // Its placements ('P') or removals ('C'), in line order.
    char Action = 'C';
    std::vector<CellDigit> Effects;
};

// The deductions of a run's list, in list order. The grid is the position the run read: the
// view lines of an open group name no digit, the group's candidates give them.
std::vector<Deduction> GroupDeductions(const FindingList& list, const GridState& grid);

// The first deduction, in list order, that places (action 'P') or removes ('C') digit at the
// cell; nullptr when none does.
const Deduction* ForcingDeduction(const std::vector<Deduction>& deductions, char action,
                                  const CellDigit& move);

} // namespace engine

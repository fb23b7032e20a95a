#pragma once
// Bit-set helpers shared by the unit searches of the analysis families.

#include "engine/finding_text.h"
#include "engine/grid_state.h"

#include <array>
#include <bit>
#include <string>
#include <string_view>

namespace engine {

// The number of set bits of a candidate set or a 9-bit mask of unit positions.
constexpr int DigitCount(unsigned set) {
    return kBitCountTable[set & 0x3FFu];
}

// A text that ends with the unit: head, middle, the label of the unit's kind, then the unit's
// number (the cell's row, its column, or its region).
struct UnitLabels {
    std::string_view row;
    std::string_view column;
    std::string_view region;
};

inline std::string UnitText(const CellState& cell, UnitKind kind, std::string_view head,
                            std::string_view middle, const UnitLabels& labels) {
    switch (kind) {
    case UnitKind::Row:
        return JoinText(head, middle, labels.row, int(cell.Row));
    case UnitKind::Column:
        return JoinText(head, middle, labels.column, int(cell.Col));
    case UnitKind::Region:
        break;
    }
    return JoinText(head, middle, labels.region, RegionOf(cell.Row, cell.Col));
}

// For every digit at once, the 9-bit mask of the positions (0..8) whose candidate set holds it.
// The masks are 9-bit fields of two words (digits 1..5, then 6..9); a candidate set is spread into
// the fields by table and shifted to its position, so the transposition has no branch and no loop
// over digits.
namespace spread {

inline constexpr int kFieldWidth = 9;
inline constexpr int kLowDigits = 5;

struct Words {
    std::uint64_t low = 0;
    std::uint64_t high = 0;
};

inline constexpr std::array<Words, 512> kTable = [] {
    std::array<Words, 512> table{};
    for (unsigned bits = 0; bits < table.size(); ++bits) {
        for (int d = 1; d <= 9; ++d) {
            if ((bits >> (d - 1) & 1u) == 0)
                continue;
            if (d <= kLowDigits)
                table[bits].low |= std::uint64_t(1) << ((d - 1) * kFieldWidth);
            else
                table[bits].high |= std::uint64_t(1) << ((d - 1 - kLowDigits) * kFieldWidth);
        }
    }
    return table;
}();

} // namespace spread

class DigitPositions {
public:
    void Add(CandidateSet set, int position) {
        const spread::Words& words = spread::kTable[(set >> 1) & 0x1FFu];
        words_.low |= words.low << position;
        words_.high |= words.high << position;
    }

    unsigned Of(int d) const {
        using namespace spread;
        const std::uint64_t word = d <= kLowDigits ? words_.low : words_.high;
        const int field = d <= kLowDigits ? d - 1 : d - 1 - kLowDigits;
        return unsigned(word >> (field * kFieldWidth)) & 0x1FFu;
    }

private:
    spread::Words words_;
};

// One unit in grid order (row, column or region, cells ascending): the candidate sets, and the
// cells for the finding lines; bits other than 1..9 are dropped. The loops over its nine cells are
// unrolled: a run walks hundreds of units, and each loop's exit branch would mispredict.
struct UnitSets {
    const GridState& grid;
    const UnitPositions& positions;
    UnitKind kind;
    int number;
    std::array<CandidateSet, 9> sets;

    UnitSets(const GridState& state, UnitKind unitKind, int u)
        : grid(state), positions(state.Unit(unitKind, u)), kind(unitKind), number(u) {
#pragma GCC unroll 9
        for (int m = 0; m < 9; ++m)
            sets[m] = grid.Cells[positions[m]].Candidates & kAllCandidates;
    }

    const CellState& Cell(int m) const {
        return grid.Cells[positions[m]];
    }

    DigitPositions PositionsOfDigits() const {
        DigitPositions digits;
#pragma GCC unroll 9
        for (int m = 0; m < 9; ++m)
            digits.Add(sets[m], m);
        return digits;
    }

    // Bit m set for each unit position m whose candidate set satisfies keep.
    template <typename Keep> unsigned Positions(Keep&& keep) const {
        unsigned mask = 0;
#pragma GCC unroll 9
        for (int m = 0; m < 9; ++m)
            mask |= unsigned(keep(sets[m])) << m;
        return mask;
    }
};

// The unit positions after position i, as a mask.
constexpr unsigned PositionsAfter(int i) {
    return 0x1FFu & ~((2u << i) - 1u);
}

// Calls visit(i) for each set bit i of mask, ascending.
template <typename Visit> void ForEachBit(unsigned mask, Visit&& visit) {
    for (; mask != 0; mask &= mask - 1)
        visit(std::countr_zero(mask));
}

} // namespace engine

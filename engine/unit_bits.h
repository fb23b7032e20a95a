#pragma once
// Bit-set helpers shared by the unit searches of the analysis families.

#include "engine/grid_state.h"

#include <array>
#include <bit>

namespace engine {

// The number of set bits of a candidate set or a 9-bit mask of unit positions.
constexpr int DigitCount(unsigned set) {
    return kBitCountTable[set & 0x3FFu];
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

    const spread::Words& words() const { return words_; }

    unsigned Of(int d) const {
        using namespace spread;
        const std::uint64_t word = d <= kLowDigits ? words_.low : words_.high;
        const int field = d <= kLowDigits ? d - 1 : d - 1 - kLowDigits;
        return unsigned(word >> (field * kFieldWidth)) & 0x1FFu;
    }

private:
    spread::Words words_;
};

// One unit in grid order (row, column or region, cells ascending): the candidate sets, where each
// digit stands, how many cells hold each digit, and the cells for the finding lines; bits other
// than 1..9 are dropped. The loops over its nine cells are unrolled: a run walks hundreds of
// units, and each loop's exit branch would mispredict.
struct UnitSets {
    const GridState* grid = nullptr;
    const UnitPositions* positions = nullptr;
    UnitKind kind = UnitKind::Row;
    int number = 0;
    std::array<CandidateSet, 9> sets{};
    DigitPositions digits;
    // Bit m set when position m holds exactly n candidates, for n = 0..9.
    std::array<std::uint16_t, 10> cellsWithCount{};
    // The digits held by exactly two, and by exactly three, cells of the unit.
    CandidateSet inTwoCells = 0;
    CandidateSet inThreeCells = 0;

    // Reads unit u of the given kind; called once on a default-constructed UnitSets.
    void Read(const GridState& state, UnitKind unitKind, int u) {
        grid = &state;
        positions = &state.Unit(unitKind, u);
        kind = unitKind;
        number = u;
        // Bit d of (b3 b2 b1 b0) counts the cells holding d; b3 sticks once reached.
        unsigned b0 = 0, b1 = 0, b2 = 0, b3 = 0;
#pragma GCC unroll 9
        for (int m = 0; m < 9; ++m) {
            const CandidateSet set = grid->Cells[(*positions)[m]].Candidates & kAllCandidates;
            sets[m] = set;
            digits.Add(set, m);
            cellsWithCount[DigitCount(set)] |= std::uint16_t(1u << m);
            const unsigned carry0 = b0 & set;
            b0 ^= set;
            const unsigned carry1 = b1 & carry0;
            b1 ^= carry0;
            b3 |= b2 & carry1;
            b2 ^= carry1;
        }
        const unsigned twoOrThree = b1 & ~b2 & ~b3;
        inTwoCells = CandidateSet(twoOrThree & ~b0);
        inThreeCells = CandidateSet(twoOrThree & b0);
    }

    const CellState& Cell(int m) const {
        return grid->Cells[(*positions)[m]];
    }
};

// The 27 units of a position, read once for all the searches of a run.
class UnitTable {
public:
    explicit UnitTable(const GridState& grid) {
        for (UnitKind kind : {UnitKind::Row, UnitKind::Column, UnitKind::Region})
            for (int u = 1; u <= 9; ++u)
                units_[UnitIndex(kind, u)].Read(grid, kind, u);
    }

    const UnitSets& Unit(UnitKind kind, int u) const { return units_[UnitIndex(kind, u)]; }

private:
    std::array<UnitSets, 27> units_;
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

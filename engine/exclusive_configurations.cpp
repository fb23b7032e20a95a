#include "engine/exclusive_configurations.h"

#include "engine/unit_bits.h"

// A digit belongs to the group of cells M when the unit holds it in two or more cells (at most the
// group's size) and every one of those cells is in M. Rather than test all 36 pairs or 84 triples
// of a unit, each such digit marks the groups that contain its cells (one pair; one triple, or
// seven for a digit of two cells); only marked groups are then examined, in the order of the
// nested walk i < j (< k) over unit positions.

namespace engine {

namespace {

// The groups of one size in walk order, and each group's rank in that order.
struct GroupOrder {
    std::array<std::uint16_t, 84> masks{};
    std::array<std::uint8_t, 512> rank{};
    int count = 0;

    constexpr void Add(unsigned mask) {
        masks[count] = std::uint16_t(mask);
        rank[mask] = std::uint8_t(count++);
    }
};

constexpr GroupOrder MakeGroupOrder(int size) {
    GroupOrder order;
    for (int i = 0; i < 9; ++i) {
        for (int j = i + 1; j < 9; ++j) {
            if (size == 2)
                order.Add((1u << i) | (1u << j));
            else
                for (int k = j + 1; k < 9; ++k)
                    order.Add((1u << i) | (1u << j) | (1u << k));
        }
    }
    return order;
}

constexpr GroupOrder kPairOrder = MakeGroupOrder(2);
constexpr GroupOrder kTrioOrder = MakeGroupOrder(3);

// Digits held by exactly two and by exactly three cells of the unit, by a bit-sliced counter.
struct UnitDigitCounts {
    CandidateSet twice = 0;
    CandidateSet thrice = 0;
};

UnitDigitCounts CountUnitDigits(const UnitSets& unit) {
    // Bit d of (b3 b2 b1 b0) counts the cells holding d; b3 sticks once reached.
    unsigned b0 = 0, b1 = 0, b2 = 0, b3 = 0;
#pragma GCC unroll 9
    for (CandidateSet set : unit.sets) {
        const unsigned carry0 = b0 & set;
        b0 ^= set;
        const unsigned carry1 = b1 & carry0;
        b1 ^= carry0;
        b3 |= b2 & carry1;
        b2 ^= carry1;
    }
    const unsigned twoOrThree = b1 & ~b2 & ~b3;
    return {CandidateSet(twoOrThree & ~b0), CandidateSet(twoOrThree & b0)};
}

std::string GroupText(CandidateSet digits, std::string_view name, const CellState& cell,
                      UnitKind kind) {
    return UnitText(
        cell, kind, CandidateText(digits), name,
        {" exclusif sur la ligne : ", " exclusif sur la colonne : ", " exclusif sur la région : "});
}

// View lines for the group's digits in its cells (every line of the first cell carries the text,
// the first line of all carries the trace), then removal lines for their other candidates.
void AddConfiguration(FindingList& list, int& familyCount, const UnitSets& unit, unsigned group,
                      CandidateSet digits, const std::string& text) {
    const int first = std::countr_zero(group);
    const std::size_t firstLine = list.size();
    char trace = 'O';
    ForEachBit(group, [&](int m) {
        const CellState& cell = unit.Cell(m);
        ForEachBit(unit.sets[m] & digits, [&](int d) {
            AddFinding(list, cell.Row, cell.Col, char('0' + d), 'V', 5, familyCount,
                       m == first ? trace : 'N', m == first ? text : std::string());
            trace = 'N';
        });
    });
    ForEachBit(group, [&](int m) {
        const CellState& cell = unit.Cell(m);
        ForEachBit(unit.sets[m] & ~digits, [&](int d) {
            AddFinding(list, cell.Row, cell.Col, char('0' + d), 'C', 5, familyCount, 'N',
                       std::string());
        });
    });
    SetUnit(list, firstLine, unit.kind, unit.number);
    ++familyCount;
}

void FindExclusiveGroups(FindingList& list, int& familyCount, const GridState& grid, UnitKind kind,
                         int size) {
    const GroupOrder& order = size == 2 ? kPairOrder : kTrioOrder;
    const std::string_view name = size == 2 ? " En doublet" : " En Trio";
    for (int u = 1; u <= 9; ++u) {
        const UnitSets unit(grid, kind, u);
        const UnitDigitCounts counts = CountUnitDigits(unit);
        const CandidateSet eligible = size == 2 ? counts.twice : counts.twice | counts.thrice;
        if (DigitCount(eligible) < size)
            continue;
        // Each eligible digit adds one to every group that holds all its cells; a group whose
        // count reaches its size may be a configuration.
        const DigitPositions cellsOf = unit.PositionsOfDigits();
        std::array<std::uint8_t, 84> confined{};
        std::array<std::uint64_t, 2> full{};
        auto count = [&](unsigned group) {
            const int rank = order.rank[group];
            if (++confined[rank] == size)
                full[rank / 64] |= std::uint64_t(1) << (rank % 64);
        };
        ForEachBit(eligible, [&](int d) {
            const unsigned cells = cellsOf.Of(d);
            if (DigitCount(cells) == size)
                count(cells);
            else
                ForEachBit(0x1FFu & ~cells, [&](int k) { count(cells | (1u << k)); });
        });
        for (int word = 0; word < 2; ++word) {
            for (std::uint64_t bits = full[word]; bits != 0; bits &= bits - 1) {
                const int rank = word * 64 + std::countr_zero(bits);
                if (confined[rank] != size)
                    continue;
                const unsigned group = order.masks[rank];
                CandidateSet digits = 0;
                CandidateSet held = 0;
                ForEachBit(eligible, [&](int d) {
                    if ((cellsOf.Of(d) & ~group) == 0)
                        digits |= DigitBit(d);
                });
                ForEachBit(group, [&](int m) { held |= unit.sets[m]; });
                // Nothing to remove when the group's cells hold nothing but its digits.
                if ((held & ~digits) == 0)
                    continue;
                const CellState& first = unit.Cell(std::countr_zero(group));
                AddConfiguration(list, familyCount, unit, group, digits,
                                 GroupText(digits, name, first, kind));
            }
        }
    }
}

} // namespace

void FindExclusivePairs(FindingList& list, int& familyCount, const GridState& grid, UnitKind kind) {
    FindExclusiveGroups(list, familyCount, grid, kind, 2);
}

void FindExclusiveTrios(FindingList& list, int& familyCount, const GridState& grid, UnitKind kind) {
    FindExclusiveGroups(list, familyCount, grid, kind, 3);
}

} // namespace engine

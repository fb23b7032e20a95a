#include "engine/exclusive_configurations.h"

#include "engine/unit_bits.h"

// A digit belongs to the group of cells M when the unit holds it in two or more cells (at most the
// group's size) and every one of those cells is in M. Rather than test all 36 pairs or 84 triples
// of a unit, each such digit adds one to every group that contains its cells (one pair; one
// triple, or seven for a digit of two cells), all groups at once: the groups are bits of a
// 128-bit set in the order of the nested walk i < j (< k) over unit positions, and the counts are
// kept bit-sliced across those sets.

namespace engine {

namespace {

// A set of groups of one size, bit = rank in walk order.
using GroupSet = std::array<std::uint64_t, 2>;

// The groups of one size in walk order, and for each mask of cells the groups that contain it.
struct GroupOrder {
    std::array<std::uint16_t, 84> masks{};
    std::array<GroupSet, 512> containing{};
    int count = 0;

    constexpr void Add(unsigned mask) {
        masks[count] = std::uint16_t(mask);
        for (unsigned cells = 0; cells < containing.size(); ++cells)
            if ((cells & ~mask) == 0)
                containing[cells][count / 64] |= std::uint64_t(1) << (count % 64);
        ++count;
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

// How many of the added sets hold each group, bit-sliced: 0..3, then "four or more".
class GroupCounts {
public:
    void Add(const GroupSet& groups) {
        for (int w = 0; w < 2; ++w) {
            const std::uint64_t carry0 = ones_[w] & groups[w];
            ones_[w] ^= groups[w];
            const std::uint64_t carry1 = twos_[w] & carry0;
            twos_[w] ^= carry0;
            more_[w] |= carry1;
        }
    }

    // The groups held exactly n times (n = 2 or 3).
    GroupSet Exactly(int n) const {
        GroupSet groups{};
        for (int w = 0; w < 2; ++w)
            groups[w] = twos_[w] & (n == 3 ? ones_[w] : ~ones_[w]) & ~more_[w];
        return groups;
    }

private:
    GroupSet ones_{};
    GroupSet twos_{};
    GroupSet more_{};
};

// View lines for the group's digits in its cells (every line of the first cell carries the text,
// the first line of all carries the trace), then removal lines for their other candidates.
void AddConfiguration(FindingList& list, int& familyCount, const UnitSets& unit, unsigned group,
                      CandidateSet digits, const FindingText& text) {
    const int first = std::countr_zero(group);
    const std::size_t firstLine = list.size();
    char trace = 'O';
    ForEachBit(group, [&](int m) {
        const CellState& cell = unit.Cell(m);
        ForEachBit(unit.sets[m] & digits, [&](int d) {
            AddFinding(list, cell.Row, cell.Col, char('0' + d), 'V', 5, familyCount,
                       m == first ? trace : 'N', m == first ? text : FindingText());
            trace = 'N';
        });
    });
    ForEachBit(group, [&](int m) {
        const CellState& cell = unit.Cell(m);
        ForEachBit(unit.sets[m] & ~digits, [&](int d) {
            AddFinding(list, cell.Row, cell.Col, char('0' + d), 'C', 5, familyCount, 'N',
                       FindingText());
        });
    });
    SetUnit(list, firstLine, unit.kind, unit.number);
    ++familyCount;
}

void FindExclusiveGroups(FindingList& list, int& familyCount, const UnitTable& units, UnitKind kind,
                         int size) {
    const GroupOrder& order = size == 2 ? kPairOrder : kTrioOrder;
    for (int u = 1; u <= 9; ++u) {
        const UnitSets& unit = units.Unit(kind, u);
        const CandidateSet eligible =
            size == 2 ? unit.inTwoCells : unit.inTwoCells | unit.inThreeCells;
        if (DigitCount(eligible) < size)
            continue;
        const DigitPositions& cellsOf = unit.digits;
        GroupCounts counts;
        ForEachBit(eligible, [&](int d) { counts.Add(order.containing[cellsOf.Of(d)]); });
        const GroupSet full = counts.Exactly(size);
        for (int word = 0; word < 2; ++word) {
            for (std::uint64_t bits = full[word]; bits != 0; bits &= bits - 1) {
                const int rank = word * 64 + std::countr_zero(bits);
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
                AddConfiguration(list, familyCount, unit, group, digits,
                                 FindingText::ExclusiveGroup(digits, size, kind, u));
            }
        }
    }
}

} // namespace

void FindExclusivePairs(FindingList& list, int& familyCount, const UnitTable& units,
                        UnitKind kind) {
    FindExclusiveGroups(list, familyCount, units, kind, 2);
}

void FindExclusiveTrios(FindingList& list, int& familyCount, const UnitTable& units,
                        UnitKind kind) {
    FindExclusiveGroups(list, familyCount, units, kind, 3);
}

} // namespace engine

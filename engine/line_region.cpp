#include "engine/line_region.h"

#include "engine/unit_bits.h"

// The row and column versions are one search over "lines" (rows or columns) and "cross positions"
// (the columns along a row, the rows along a column). For each digit, a line's cells that hold it
// are a 9-bit mask over cross positions.

namespace engine {

namespace {

struct LineKind {
    bool byRow;

    int FirstLine(int r) const { return byRow ? FirstRowOfRegion(r) : FirstColOfRegion(r); }
    int FirstCross(int r) const { return byRow ? FirstColOfRegion(r) : FirstRowOfRegion(r); }
    int RowAt(int line, int cross) const { return byRow ? line : cross; }
    int ColAt(int line, int cross) const { return byRow ? cross : line; }
    UnitKind Unit() const { return byRow ? UnitKind::Row : UnitKind::Column; }
};

// For every digit at once, the digit fields of the three lines of a band of lines (rows 1..3,
// 4..6, 7..9 or the same columns), read as three groups of three cross positions: one group per
// region the line crosses. All the counts a configuration needs are found by shifts and masks
// over the whole word (five digits in the low word, four in the high one), group by group.
namespace groups {

constexpr std::uint64_t Repeat(std::uint64_t bits, int step, int times) {
    std::uint64_t word = 0;
    for (int i = 0; i < times; ++i)
        word |= bits << (i * step);
    return word;
}

// Bit 0 of each field, and of each group.
constexpr std::uint64_t kFirstGroup = Repeat(1, spread::kFieldWidth, spread::kLowDigits);
constexpr std::uint64_t kEachGroup = Repeat(kFirstGroup, 3, 3);

// Bit 0 of each group set when the group holds at least one cell, and when at least two.
constexpr std::uint64_t AnyCell(std::uint64_t word) {
    return (word | word >> 1 | word >> 2) & kEachGroup;
}
constexpr std::uint64_t TwoCells(std::uint64_t word) {
    const std::uint64_t count =
        (word & kEachGroup) + (word >> 1 & kEachGroup) + (word >> 2 & kEachGroup);
    return count >> 1 & kEachGroup;
}

// Bit 0 of each group set when another group of the same field (digit) has its bit set.
constexpr std::uint64_t InOtherGroups(std::uint64_t any) {
    const std::uint64_t second = kFirstGroup << 3;
    const std::uint64_t third = kFirstGroup << 6;
    const std::uint64_t next =
        (any >> 3 & (kFirstGroup | second)) | (any << 6 & third); // from the group after
    const std::uint64_t previous =
        (any >> 6 & kFirstGroup) | (any << 3 & (second | third)); // from the group before
    return next | previous;
}

// The hits of one word of digit fields for the three lines of a band: twins (the region's cells
// holding the digit, two or three, all in the line, and the line holding it outside the region)
// or interactions (the line's cells holding it, two or three, all in the region, and the region
// holding it on another line).
std::array<std::uint64_t, 3> BandHits(const std::array<std::uint64_t, 3>& lines, bool twins) {
    std::array<std::uint64_t, 3> any{};
    for (int k = 0; k < 3; ++k)
        any[k] = AnyCell(lines[k]);
    std::array<std::uint64_t, 3> hits{};
    for (int k = 0; k < 3; ++k) {
        const std::uint64_t otherLines = any[(k + 1) % 3] | any[(k + 2) % 3];
        const std::uint64_t outside = InOtherGroups(any[k]);
        hits[k] = TwoCells(lines[k]) & (twins ? ~otherLines & outside : otherLines & ~outside);
    }
    return hits;
}

} // namespace groups

// Line k of region r, for digit d.
struct Crossing {
    int region;
    int digit;
    int line;
    unsigned lineMask;   // cells of the line holding d
    unsigned regionBits; // cross positions inside the region
};

// Calls report(crossing) for every twin (else interaction) configuration, by region r, digit d
// and line k of the region, in that nesting.
template <typename Report>
void ForEachCrossing(const UnitTable& units, LineKind kind, bool twins, Report&& report) {
    // hits[band][k]: the low and high words of line k of the band.
    std::array<std::array<spread::Words, 3>, 3> hits;
    for (int band = 0; band < 3; ++band) {
        std::array<std::uint64_t, 3> low{};
        std::array<std::uint64_t, 3> high{};
        for (int k = 0; k < 3; ++k) {
            const spread::Words& words = units.Unit(kind.Unit(), band * 3 + k + 1).digits.words();
            low[k] = words.low;
            high[k] = words.high;
        }
        const std::array<std::uint64_t, 3> lowHits = groups::BandHits(low, twins);
        const std::array<std::uint64_t, 3> highHits = groups::BandHits(high, twins);
        for (int k = 0; k < 3; ++k)
            hits[band][k] = {lowHits[k], highHits[k]};
    }
    for (int r = 1; r <= 9; ++r) {
        const int firstLine = kind.FirstLine(r);
        const int cross = kind.FirstCross(r) - 1;
        const auto& band = hits[(firstLine - 1) / 3];
        const std::uint64_t inRegion = groups::kFirstGroup << cross;
        if (((band[0].low | band[1].low | band[2].low | band[0].high | band[1].high |
              band[2].high) &
             inRegion) == 0)
            continue;
        for (int d = 1; d <= 9; ++d) {
            const bool low = d <= spread::kLowDigits;
            const int shift =
                (low ? d - 1 : d - 1 - spread::kLowDigits) * spread::kFieldWidth + cross;
            for (int k = 0; k < 3; ++k) {
                if (((low ? band[k].low : band[k].high) >> shift & 1u) == 0)
                    continue;
                const int line = firstLine + k;
                report(
                    Crossing{r, d, line, units.Unit(kind.Unit(), line).digits.Of(d), 7u << cross});
            }
        }
    }
}

void FindTwins(FindingList& list, int& familyCount, const UnitTable& units, LineKind kind) {
    ForEachCrossing(units, kind, true, [&](const Crossing& x) {
        const char digit = char('0' + x.digit);
        const std::size_t first = list.size();
        char trace = 'O';
        ForEachBit(x.lineMask & x.regionBits, [&](int bit) {
            const int row = kind.RowAt(x.line, bit + 1);
            const int col = kind.ColAt(x.line, bit + 1);
            AddFinding(list, row, col, digit, 'V', 2, familyCount, trace,
                       FindingText::Twins(x.digit, row, col, kind.Unit()));
            trace = 'N';
        });
        ForEachBit(x.lineMask & ~x.regionBits, [&](int bit) {
            const int row = kind.RowAt(x.line, bit + 1);
            const int col = kind.ColAt(x.line, bit + 1);
            AddFinding(list, row, col, digit, 'C', 2, familyCount, 'N',
                       FindingText::Removal(x.digit, row, col));
        });
        SetUnit(list, first, UnitKind::Region, x.region);
        ++familyCount;
    });
}

void FindInteractions(FindingList& list, int& familyCount, const UnitTable& units, LineKind kind) {
    ForEachCrossing(units, kind, false, [&](const Crossing& x) {
        const char digit = char('0' + x.digit);
        const std::size_t first = list.size();
        char trace = 'O';
        const int firstLine = kind.FirstLine(x.region);
        for (int line = firstLine; line < firstLine + 3; ++line) {
            const unsigned mask = units.Unit(kind.Unit(), line).digits.Of(x.digit) & x.regionBits;
            const bool view = line == x.line;
            ForEachBit(mask, [&](int bit) {
                const int row = kind.RowAt(line, bit + 1);
                const int col = kind.ColAt(line, bit + 1);
                AddFinding(list, row, col, digit, view ? 'V' : 'C', 3, familyCount,
                           view ? trace : 'N',
                           view ? FindingText::Interaction(x.digit, row, col, kind.Unit())
                                : FindingText());
                if (view)
                    trace = 'N';
            });
        }
        SetUnit(list, first, kind.Unit(), x.line);
        ++familyCount;
    });
}

} // namespace

void FindRowTwins(FindingList& list, int& familyCount, const UnitTable& units) {
    FindTwins(list, familyCount, units, LineKind{true});
}

void FindColumnTwins(FindingList& list, int& familyCount, const UnitTable& units) {
    FindTwins(list, familyCount, units, LineKind{false});
}

void FindRowInteractions(FindingList& list, int& familyCount, const UnitTable& units) {
    FindInteractions(list, familyCount, units, LineKind{true});
}

void FindColumnInteractions(FindingList& list, int& familyCount, const UnitTable& units) {
    FindInteractions(list, familyCount, units, LineKind{false});
}

} // namespace engine

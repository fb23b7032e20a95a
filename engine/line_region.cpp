#include "engine/line_region.h"

#include "engine/finding_text.h"
#include "engine/unit_bits.h"

// The row and column versions are one search over "lines" (rows or columns) and "cross positions"
// (the columns along a row, the rows along a column). For each digit, a line's cells that hold it
// are a 9-bit mask over cross positions, so every count below is a popcount.

namespace engine {

namespace {

struct LineKind {
    bool byRow;

    int LineOf(const CellState& cell) const { return byRow ? cell.Row : cell.Col; }
    int CrossOf(const CellState& cell) const { return byRow ? cell.Col : cell.Row; }
    int FirstLine(int r) const { return byRow ? FirstRowOfRegion(r) : FirstColOfRegion(r); }
    int FirstCross(int r) const { return byRow ? FirstColOfRegion(r) : FirstRowOfRegion(r); }
    int RowAt(int line, int cross) const { return byRow ? line : cross; }
    int ColAt(int line, int cross) const { return byRow ? cross : line; }
};

// places[d][line - 1]: bit (cross - 1) set when that cell holds candidate d.
using DigitPlaces = std::array<std::array<unsigned, 9>, 10>;

DigitPlaces GatherPlaces(const GridState& grid, LineKind kind) {
    std::array<DigitPositions, 9> lines;
    for (const CellState& cell : grid.Cells)
        lines[kind.LineOf(cell) - 1].Add(cell.Candidates, kind.CrossOf(cell) - 1);
    DigitPlaces places{};
    for (int line = 0; line < 9; ++line) {
#pragma GCC unroll 9
        for (int d = 1; d <= 9; ++d)
            places[d][line] = lines[line].Of(d);
    }
    return places;
}

// Line k of region r, for digit d.
struct Crossing {
    int region;
    int digit;
    int line;
    unsigned lineMask;   // cells of the line holding d
    unsigned regionBits; // cross positions inside the region
    int inLine;          // cells of the line holding d inside the region
    int total;           // cells of the region holding d
};

// Calls report(crossing) for every region r, digit d and line k of the region, in that nesting,
// where found(crossing) holds. found is evaluated for all three lines without branching: nearly
// every (region, digit) has no configuration, and a branch per line would mispredict often.
template <typename Found, typename Report>
void ForEachCrossing(const DigitPlaces& places, LineKind kind, Found&& found, Report&& report) {
    for (int r = 1; r <= 9; ++r) {
        const int firstLine = kind.FirstLine(r);
        const unsigned regionBits = 7u << (kind.FirstCross(r) - 1);
        for (int d = 1; d <= 9; ++d) {
            const unsigned* lineMasks = &places[d][firstLine - 1];
            std::array<int, 3> inLine;
#pragma GCC unroll 3
            for (int k = 0; k < 3; ++k)
                inLine[k] = DigitCount(lineMasks[k] & regionBits);
            const int total = inLine[0] + inLine[1] + inLine[2];
            unsigned hits = 0;
#pragma GCC unroll 3
            for (int k = 0; k < 3; ++k)
                hits |= unsigned(found(Crossing{r, d, firstLine + k, lineMasks[k], regionBits,
                                                inLine[k], total}))
                        << k;
            ForEachBit(hits, [&](int k) {
                report(Crossing{r, d, firstLine + k, lineMasks[k], regionBits, inLine[k], total});
            });
        }
    }
}

std::string RemovalText(int d, int row, int col) {
    return JoinText("Le ", d, " supprimé en L", row, 'C', col);
}

void FindTwins(FindingList& list, int& familyCount, const GridState& grid, LineKind kind) {
    const DigitPlaces places = GatherPlaces(grid, kind);
    // Every candidate d of the region in two or three cells of the line, and d elsewhere in the
    // line (bitwise operators: no branch).
    auto found = [](const Crossing& x) {
        return (x.inLine >= 2) & (x.inLine == x.total) & ((x.lineMask & ~x.regionBits) != 0);
    };
    ForEachCrossing(places, kind, found, [&](const Crossing& x) {
        const char digit = char('0' + x.digit);
        const std::string viewText = JoinText(
            "Jumeaux/triplés de ", digit, kind.byRow ? " en L" : " en C", x.line, 'R', x.region);
        const std::size_t first = list.size();
        char trace = 'O';
        ForEachBit(x.lineMask & x.regionBits, [&](int bit) {
            AddFinding(list, kind.RowAt(x.line, bit + 1), kind.ColAt(x.line, bit + 1), digit, 'V',
                       2, familyCount, trace, viewText);
            trace = 'N';
        });
        ForEachBit(x.lineMask & ~x.regionBits, [&](int bit) {
            const int row = kind.RowAt(x.line, bit + 1);
            const int col = kind.ColAt(x.line, bit + 1);
            AddFinding(list, row, col, digit, 'C', 2, familyCount, 'N',
                       RemovalText(x.digit, row, col));
        });
        SetUnit(list, first, UnitKind::Region, x.region);
        ++familyCount;
    });
}

void FindInteractions(FindingList& list, int& familyCount, const GridState& grid, LineKind kind) {
    const DigitPlaces places = GatherPlaces(grid, kind);
    // Every candidate d of the line, two at least, inside the region, and d elsewhere in the
    // region (bitwise operators: no branch).
    auto found = [](const Crossing& x) {
        return (x.inLine >= 2) & ((x.lineMask & ~x.regionBits) == 0) & (x.inLine < x.total);
    };
    ForEachCrossing(places, kind, found, [&](const Crossing& x) {
        const char digit = char('0' + x.digit);
        const std::string viewText =
            JoinText("Interaction du ", digit,
                     kind.byRow ? " entre la ligne: " : " entre la colonne : ", x.line,
                     kind.byRow ? " et la Region: " : " et la région: ", x.region);
        const std::size_t first = list.size();
        char trace = 'O';
        const int firstLine = kind.FirstLine(x.region);
        for (int line = firstLine; line < firstLine + 3; ++line) {
            const unsigned mask = places[x.digit][line - 1] & x.regionBits;
            const bool view = line == x.line;
            ForEachBit(mask, [&](int bit) {
                AddFinding(list, kind.RowAt(line, bit + 1), kind.ColAt(line, bit + 1), digit,
                           view ? 'V' : 'C', 3, familyCount, view ? trace : 'N',
                           view ? viewText : std::string());
                if (view)
                    trace = 'N';
            });
        }
        SetUnit(list, first, kind.byRow ? UnitKind::Row : UnitKind::Column, x.line);
        ++familyCount;
    });
}

} // namespace

void FindRowTwins(FindingList& list, int& familyCount, const GridState& grid) {
    FindTwins(list, familyCount, grid, LineKind{true});
}

void FindColumnTwins(FindingList& list, int& familyCount, const GridState& grid) {
    FindTwins(list, familyCount, grid, LineKind{false});
}

void FindRowInteractions(FindingList& list, int& familyCount, const GridState& grid) {
    FindInteractions(list, familyCount, grid, LineKind{true});
}

void FindColumnInteractions(FindingList& list, int& familyCount, const GridState& grid) {
    FindInteractions(list, familyCount, grid, LineKind{false});
}

} // namespace engine

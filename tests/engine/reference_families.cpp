#include "tests/engine/reference_families.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace reference {

using engine::AddFinding;
using engine::CountCandidateCells;

namespace {

struct TextCell {
    int row;
    int col;
    std::string candidates;
};

// The unit's cells met while walking the 81 cells in grid order.
std::vector<TextCell> Gather(const GridState& grid, int u, UnitKind kind) {
    std::vector<TextCell> cells;
    for (const engine::CellState& cell : grid.Cells) {
        const int key = kind == UnitKind::Row      ? cell.Row
                        : kind == UnitKind::Column ? cell.Col
                                                   : cell.Region;
        if (key == u)
            cells.push_back({cell.Row, cell.Col, engine::CandidateText(cell.Candidates)});
    }
    return cells;
}

std::array<int, 10> DigitCounts(const std::string& text) {
    std::array<int, 10> counts{};
    for (char c : text)
        ++counts[c - '0'];
    return counts;
}

std::string Str(int n) {
    return std::to_string(n);
}

bool Has(const std::string& text, char c) {
    return text.find(c) != std::string::npos;
}

// Every group of size (2 or 3) positions of a unit, i < j (< k), in the searches' nesting order.
const std::vector<std::vector<int>>& Groups(int size) {
    static const std::array<std::vector<std::vector<int>>, 2> groups = [] {
        std::array<std::vector<std::vector<int>>, 2> all;
        for (int i = 0; i < 9; ++i)
            for (int j = i + 1; j < 9; ++j) {
                all[0].push_back({i, j});
                for (int k = j + 1; k < 9; ++k)
                    all[1].push_back({i, j, k});
            }
        return all;
    }();
    return groups[size - 2];
}

bool Holds(const GridState& grid, int row, int col, int d) {
    return Has(engine::CandidateText(grid.At(row, col).Candidates), char('0' + d));
}

// The row searches and the column searches differ only in which line they walk: a row (cells
// (line, n)) or a column (cells (n, line)).
struct Lines {
    bool byRow;

    int InLine(const GridState& grid, int d, int k, int r) const {
        return byRow ? CountCandidateCells(grid, d, k, 0, r)
                     : CountCandidateCells(grid, d, 0, k, r);
    }
    int First(int r) const {
        return byRow ? engine::FirstRowOfRegion(r) : engine::FirstColOfRegion(r);
    }
    int FirstAcross(int r) const {
        return byRow ? engine::FirstColOfRegion(r) : engine::FirstRowOfRegion(r);
    }
    int LineTotal(const GridState& grid, int d, int line) const {
        return byRow ? CountCandidateCells(grid, d, line, 0, 0)
                     : CountCandidateCells(grid, d, 0, line, 0);
    }
    bool Crosses(int n, int r) const {
        return byRow ? engine::ColumnCrossesRegion(n, r) : engine::RowCrossesRegion(n, r);
    }
    int Row(int line, int n) const { return byRow ? line : n; }
    int Col(int line, int n) const { return byRow ? n : line; }
};

void FindTwins(FindingList& list, int& familyCount, const GridState& grid, Lines lines) {
    for (int r = 1; r <= 9; ++r) {
        for (int d = 1; d <= 9; ++d) {
            const int total = CountCandidateCells(grid, d, 0, 0, r);
            for (int k = 1; k <= 3; ++k) {
                const int inLine = lines.InLine(grid, d, k, r);
                if (!(inLine >= 2 && inLine == total))
                    continue;
                const int line = lines.First(r) + k - 1;
                if (!(lines.LineTotal(grid, d, line) > inLine))
                    continue;
                char trace = 'O';
                for (int n = 1; n <= 9; ++n) {
                    const int row = lines.Row(line, n), col = lines.Col(line, n);
                    if (Holds(grid, row, col, d) && lines.Crosses(n, r)) {
                        AddFinding(list, row, col, char('0' + d), 'V', 2, familyCount, trace,
                                   "Jumeaux/triplés de " + Str(d) +
                                       (lines.byRow ? " en L" : " en C") + Str(line) + "R" +
                                       Str(r));
                        trace = 'N';
                    }
                }
                for (int n = 1; n <= 9; ++n) {
                    const int row = lines.Row(line, n), col = lines.Col(line, n);
                    if (Holds(grid, row, col, d) && !lines.Crosses(n, r))
                        AddFinding(list, row, col, char('0' + d), 'C', 2, familyCount, 'N',
                                   "Le " + Str(d) + " supprimé en L" + Str(row) + "C" + Str(col));
                }
                ++familyCount;
            }
        }
    }
}

void FindInteractions(FindingList& list, int& familyCount, const GridState& grid, Lines lines) {
    for (int r = 1; r <= 9; ++r) {
        for (int d = 1; d <= 9; ++d) {
            const int total = CountCandidateCells(grid, d, 0, 0, r);
            for (int k = 1; k <= 3; ++k) {
                const int inLine = lines.InLine(grid, d, k, r);
                const int line = lines.First(r) + k - 1;
                const int lineTotal = lines.LineTotal(grid, d, line);
                if (!(lineTotal >= 2 && lineTotal == inLine && inLine < total))
                    continue;
                const std::string text =
                    lines.byRow ? "Interaction du " + Str(d) + " entre la ligne: " + Str(line) +
                                      " et la Region: " + Str(r)
                                : "Interaction du " + Str(d) + " entre la colonne : " + Str(line) +
                                      " et la région: " + Str(r);
                for (int m = lines.First(r); m <= lines.First(r) + 2; ++m) {
                    char trace = 'O';
                    for (int n = lines.FirstAcross(r); n <= lines.FirstAcross(r) + 2; ++n) {
                        const int row = lines.Row(m, n), col = lines.Col(m, n);
                        if (!Holds(grid, row, col, d))
                            continue;
                        if (m == line) {
                            AddFinding(list, row, col, char('0' + d), 'V', 3, familyCount, trace,
                                       text);
                            trace = 'N';
                        } else {
                            AddFinding(list, row, col, char('0' + d), 'C', 3, familyCount, 'N', "");
                        }
                    }
                }
                ++familyCount;
            }
        }
    }
}

} // namespace

void FindRowTwins(FindingList& list, int& familyCount, const GridState& grid) {
    FindTwins(list, familyCount, grid, Lines{true});
}

void FindColumnTwins(FindingList& list, int& familyCount, const GridState& grid) {
    FindTwins(list, familyCount, grid, Lines{false});
}

void FindRowInteractions(FindingList& list, int& familyCount, const GridState& grid) {
    FindInteractions(list, familyCount, grid, Lines{true});
}

void FindColumnInteractions(FindingList& list, int& familyCount, const GridState& grid) {
    FindInteractions(list, familyCount, grid, Lines{false});
}

namespace {

std::string OpenUnitPart(const TextCell& cell, UnitKind kind) {
    if (kind == UnitKind::Row)
        return " la ligne   :" + Str(cell.row);
    if (kind == UnitKind::Column)
        return " la colonne :" + Str(cell.col);
    return " la région  :" + Str(engine::RegionOf(cell.row, cell.col));
}

std::string TrioUnitPart(const TextCell& cell, UnitKind kind) {
    if (kind == UnitKind::Row)
        return " Trio franc incomplet sur la ligne   : " + Str(cell.row);
    if (kind == UnitKind::Column)
        return " Trio franc incomplet sur la colonne : " + Str(cell.col);
    return " Trio franc incomplet région  : " + Str(engine::RegionOf(cell.row, cell.col));
}

// Removal lines for every candidate of cell that occurs in digits; the text is its position.
void AddRemovals(FindingList& list, int familyCount, const TextCell& cell,
                 const std::string& digits) {
    for (std::size_t q = 0; q < cell.candidates.size(); ++q)
        if (Has(digits, cell.candidates[q]))
            AddFinding(list, cell.row, cell.col, cell.candidates[q], 'C', 4, familyCount, 'N',
                       Str(int(q) + 1));
}

} // namespace

void FindOpenConfigurations(FindingList& list, int& familyCount, const GridState& grid, int size,
                            UnitKind kind, std::string_view familyText) {
    for (int u = 1; u <= 9; ++u) {
        const std::vector<TextCell> cells = Gather(grid, u, kind);
        for (int i = 0; i < 8; ++i) {
            const std::string& p = cells[i].candidates;
            if (int(p.size()) != size)
                continue;
            int same = 1;
            for (int j = i + 1; j < 9; ++j)
                same += cells[j].candidates == p;
            if (same != size)
                continue;
            bool somethingToRemove = false;
            for (const TextCell& cell : cells)
                if (!cell.candidates.empty() && cell.candidates != p)
                    for (char c : cell.candidates)
                        somethingToRemove |= Has(p, c);
            if (!somethingToRemove)
                continue;
            char trace = 'O';
            for (const TextCell& cell : cells) {
                if (cell.candidates == p) {
                    AddFinding(list, cell.row, cell.col, '0', 'V', 4, familyCount, trace,
                               p + std::string(familyText) + OpenUnitPart(cell, kind));
                    trace = 'N';
                }
            }
            for (const TextCell& cell : cells)
                if (!cell.candidates.empty() && cell.candidates != p)
                    AddRemovals(list, familyCount, cell, p);
            ++familyCount;
        }
    }
}

void FindIncompleteOpenTrios(FindingList& list, int& familyCount, const GridState& grid,
                             UnitKind kind) {
    for (int u = 1; u <= 9; ++u) {
        const std::vector<TextCell> cells = Gather(grid, u, kind);
        for (const std::vector<int>& trio : Groups(3)) {
            std::string s;
            bool someEmpty = false;
            for (int m : trio) {
                s += cells[m].candidates;
                someEmpty |= cells[m].candidates.empty();
            }
            if (someEmpty)
                s.clear();
            const std::array<int, 10> counts = DigitCounts(s);
            int distinct = 0;
            int total = 0;
            for (int d = 1; d <= 9; ++d) {
                distinct += counts[d] > 0;
                total += counts[d];
            }
            if (!(distinct == 3 && total >= 6 && total <= 8))
                continue;
            int inUnit = 0;
            for (const TextCell& cell : cells)
                for (char c : cell.candidates)
                    inUnit += Has(s, c);
            if (!(inUnit > total))
                continue;
            char trace = 'O';
            for (int m : trio) {
                AddFinding(list, cells[m].row, cells[m].col, '0', 'V', 4, familyCount, trace,
                           TrioUnitPart(cells[m], kind));
                trace = 'N';
            }
            for (int m = 0; m < 9; ++m)
                if (std::ranges::count(trio, m) == 0 && !cells[m].candidates.empty())
                    AddRemovals(list, familyCount, cells[m], s);
            ++familyCount;
        }
    }
}

namespace {

std::string ExclusiveText(const std::string& digits, const std::string& name, const TextCell& cell,
                          UnitKind kind) {
    if (kind == UnitKind::Row)
        return digits + " En " + name + " exclusif sur la ligne : " + Str(cell.row);
    if (kind == UnitKind::Column)
        return digits + " En " + name + " exclusif sur la colonne : " + Str(cell.col);
    return digits + " En " + name +
           " exclusif sur la région : " + Str(engine::RegionOf(cell.row, cell.col));
}

// Both searches: for every group of size cells of a unit, the digits that two or more (pairs:
// two) of its cells hold and no other cell of the unit. A pair whose two cells hold nothing else
// has nothing to remove, as a trio whose cells hold nothing else.
void FindExclusive(FindingList& list, int& familyCount, const GridState& grid, UnitKind kind,
                   int size, const std::string& name) {
    for (int u = 1; u <= 9; ++u) {
        const std::vector<TextCell> cells = Gather(grid, u, kind);
        std::string all;
        for (const TextCell& cell : cells)
            all += cell.candidates;
        const std::array<int, 10> unitCounts = DigitCounts(all);
        for (const std::vector<int>& positions : Groups(size)) {
            std::vector<TextCell> group;
            std::string s;
            for (int p : positions) {
                group.push_back(cells[p]);
                s += cells[p].candidates;
            }
            const std::array<int, 10> groupCounts = DigitCounts(s);
            std::string t;
            for (int x = 1; x <= 9; ++x)
                if (groupCounts[x] >= 2 && groupCounts[x] <= size &&
                    groupCounts[x] == unitCounts[x])
                    t += char('0' + x);
            bool somethingToRemove = false;
            for (char c : s)
                somethingToRemove |= !Has(t, c);
            if (int(t.size()) != size || !somethingToRemove)
                continue;
            // View lines (the first cell's with the text), then removals, cell by cell.
            const std::string text = ExclusiveText(t, name, group[0], kind);
            char trace = 'O';
            for (std::size_t g = 0; g < group.size(); ++g) {
                for (char c : group[g].candidates) {
                    if (!Has(t, c))
                        continue;
                    AddFinding(list, group[g].row, group[g].col, c, 'V', 5, familyCount,
                               g == 0 ? trace : 'N', g == 0 ? text : "");
                    if (g == 0)
                        trace = 'N';
                }
            }
            for (const TextCell& cell : group)
                for (char c : cell.candidates)
                    if (!Has(t, c))
                        AddFinding(list, cell.row, cell.col, c, 'C', 5, familyCount, 'N', "");
            ++familyCount;
        }
    }
}

} // namespace

void FindExclusivePairs(FindingList& list, int& familyCount, const GridState& grid, UnitKind kind) {
    FindExclusive(list, familyCount, grid, kind, 2, "doublet");
}

void FindExclusiveTrios(FindingList& list, int& familyCount, const GridState& grid, UnitKind kind) {
    FindExclusive(list, familyCount, grid, kind, 3, "Trio");
}

} // namespace reference

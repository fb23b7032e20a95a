#include "engine/families.h"

#include "engine/exclusive_configurations.h"
#include "engine/line_region.h"
#include "engine/open_configurations.h"
#include "engine/single_candidates.h"

namespace engine {

namespace {

constexpr UnitKind kUnitKinds[] = {UnitKind::Row, UnitKind::Column, UnitKind::Region};

void RunOpenConfigurations(FindingList& list, int& familyCount, const UnitTable& units, int size) {
    for (UnitKind kind : kUnitKinds)
        FindOpenConfigurations(list, familyCount, units, size, kind);
}

// Each pass runs one technique over rows, columns, then regions, of the grid or of its units.
template <typename Source, typename Technique>
void ForEachUnitKind(FindingList& list, int& familyCount, const Source& source,
                     Technique technique) {
    for (UnitKind kind : kUnitKinds)
        technique(list, familyCount, source, kind);
}

} // namespace

FamilyCounts RunFamilies(const GridState& grid, FindingList& list) {
    return RunFamiliesUpTo(grid, list, kFamilyCount - 1);
}

FamilyCounts RunFamiliesUpTo(const GridState& grid, FindingList& list, int lastFamily) {
    ClearFindings(list);
    list.reserve(128); // a mid-game run gives about a hundred lines
    FamilyCounts counts{};
    int familyCount = 0;
    // Records the family's count; true when it was the last one asked for.
    auto close = [&](int family) {
        counts[family] = familyCount;
        familyCount = 0;
        return family >= lastFamily;
    };

    FindNakedSingles(list, familyCount, grid);
    if (close(0))
        return counts;

    ForEachUnitKind(list, familyCount, grid, FindHiddenSingles);
    if (close(1))
        return counts;

    const UnitTable units(grid);
    FindRowTwins(list, familyCount, units);
    FindColumnTwins(list, familyCount, units);
    if (close(2))
        return counts;

    FindRowInteractions(list, familyCount, units);
    FindColumnInteractions(list, familyCount, units);
    if (close(3))
        return counts;

    RunOpenConfigurations(list, familyCount, units, 2);
    RunOpenConfigurations(list, familyCount, units, 3);
    ForEachUnitKind(list, familyCount, units, FindIncompleteOpenTrios);
    RunOpenConfigurations(list, familyCount, units, 4);
    if (close(4))
        return counts;

    ForEachUnitKind(list, familyCount, units, FindExclusivePairs);
    ForEachUnitKind(list, familyCount, units, FindExclusiveTrios);
    close(5);

    return counts;
}

std::string FamilyLine(int family, int count) {
    static constexpr const char* kFamilyTexts[kFamilyCount] = {
        " Candidat(s) seul(s) dans leur case",
        " Candidat(s) seul(s) dans une unité L/C ou R",
        " Jumeaux/Triplés découvert(s)",
        " interaction L/C et regions découvert(s)",
        " Configuration(s) franche(s)découverte(s)",
        " configuration exclusive(s) découverte(s)",
    };
    std::string line = std::to_string(count);
    if (family >= 0 && family < kFamilyCount)
        line += kFamilyTexts[family];
    return line;
}

} // namespace engine

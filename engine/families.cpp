#include "engine/families.h"

#include "engine/exclusive_configurations.h"
#include "engine/line_region.h"
#include "engine/open_configurations.h"
#include "engine/single_candidates.h"

namespace engine {

namespace {

constexpr UnitKind kUnitKinds[] = {UnitKind::Row, UnitKind::Column, UnitKind::Region};

void RunOpenConfigurations(FindingList& list, int& familyCount, const GridState& grid, int size,
                           std::string_view familyText) {
    for (UnitKind kind : kUnitKinds)
        FindOpenConfigurations(list, familyCount, grid, size, kind, familyText);
}

// Each pass runs one technique over rows, columns, then regions.
template <typename Technique>
void ForEachUnitKind(FindingList& list, int& familyCount, const GridState& grid,
                     Technique technique) {
    for (UnitKind kind : kUnitKinds)
        technique(list, familyCount, grid, kind);
}

} // namespace

FamilyCounts RunFamilies(const GridState& grid, FindingList& list) {
    ClearFindings(list);
    list.reserve(128); // a mid-game run gives about a hundred lines
    FamilyCounts counts{};
    int familyCount = 0;
    auto close = [&](int family) {
        counts[family] = familyCount;
        familyCount = 0;
    };

    FindNakedSingles(list, familyCount, grid);
    close(0);

    ForEachUnitKind(list, familyCount, grid, FindHiddenSingles);
    close(1);

    FindRowTwins(list, familyCount, grid);
    FindColumnTwins(list, familyCount, grid);
    close(2);

    FindRowInteractions(list, familyCount, grid);
    FindColumnInteractions(list, familyCount, grid);
    close(3);

    RunOpenConfigurations(list, familyCount, grid, 2, " en doublet franc sur ");
    RunOpenConfigurations(list, familyCount, grid, 3, " en triplet franc sur ");
    ForEachUnitKind(list, familyCount, grid, FindIncompleteOpenTrios);
    RunOpenConfigurations(list, familyCount, grid, 4, " en quadruplet franc sur ");
    close(4);

    ForEachUnitKind(list, familyCount, grid, FindExclusivePairs);
    ForEachUnitKind(list, familyCount, grid, FindExclusiveTrios);
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

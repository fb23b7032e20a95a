#pragma once
// Positions 0..80 of a grid read row by row: the nine cells of each unit and the twenty peers of
// each cell, as tables built at compile time for the searches that work on plain bit sets.

#include <array>
#include <cstdint>

namespace engine {

struct GridLayout {
    // Rows 0..8, columns 9..17, regions 18..26; each unit's cells ascending.
    std::array<std::array<std::uint8_t, 9>, 27> units{};
    // Every other cell of the cell's row, column and region, ascending.
    std::array<std::array<std::uint8_t, 20>, 81> peers{};
};

constexpr GridLayout MakeGridLayout() {
    auto row = [](int p) { return p / 9; };
    auto col = [](int p) { return p % 9; };
    auto region = [](int p) { return p / 27 * 3 + p % 9 / 3; };
    GridLayout layout;
    std::array<int, 27> filled{};
    for (int p = 0; p < 81; ++p) {
        for (int unit : {row(p), 9 + col(p), 18 + region(p)})
            layout.units[unit][filled[unit]++] = std::uint8_t(p);
        int n = 0;
        for (int q = 0; q < 81; ++q)
            if (q != p && (row(q) == row(p) || col(q) == col(p) || region(q) == region(p)))
                layout.peers[p][n++] = std::uint8_t(q);
    }
    return layout;
}

inline constexpr GridLayout kGridLayout = MakeGridLayout();

} // namespace engine

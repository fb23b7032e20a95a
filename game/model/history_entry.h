#pragma once
// The action history: every placement, candidate removal, mode switch and save marker of a grid,
// in the order they happened. Undo, restart, duplication and the grid file all work from it.

#include <cstdint>
#include <vector>

namespace game {

// Operation codes of a history entry.
namespace operation {
constexpr char Place = 'P';
constexpr char RemoveCandidate = 'C';
constexpr char InputMode = 'S';
constexpr char PlayMode = 'R';
constexpr char TimeMarker = 'T';
} // namespace operation

struct HistoryEntry {
    std::uint8_t Row = 0;   // row 1..9; 0 for mode switches and time markers
    std::uint8_t Col = 0;   // column 1..9; 0 likewise
    std::uint8_t Digit = 0; // digit 1..9; 0 likewise
    char Operation = 0;     // one of the codes above; other codes are kept but never replayed

    friend bool operator==(const HistoryEntry&, const HistoryEntry&) = default;
};

using ActionHistory = std::vector<HistoryEntry>;

// What Duplicate hands to the grid it creates: a copy of the source's history and its clock.
struct PendingHistory {
    ActionHistory Entries;
    int Seconds = 0;
};

} // namespace game

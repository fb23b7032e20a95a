#pragma once
// The action history: every placement, candidate removal, mode switch and save marker of a grid,
// in the order they happened. Undo, restart, duplication and the grid file all work from it.

#include <cstdint>
#include <vector>

namespace game {

// What a history entry records. The underlying letter is the code the grid file writes in its
// Operation field; a file may hold other letters, which an entry keeps (and writes back) as they
// are but which no replay acts on.
enum class Operation : char {
    Place = 'P',
    RemoveCandidate = 'C',
    InputMode = 'S',
    PlayMode = 'R',
    TimeMarker = 'T',
};

// The letter of an operation in a grid file.
constexpr char Letter(Operation operation) {
    return static_cast<char>(operation);
}

struct HistoryEntry {
    std::uint8_t Row = 0;        // row 1..9; 0 for mode switches and time markers
    std::uint8_t Col = 0;        // column 1..9; 0 likewise
    std::uint8_t Digit = 0;      // digit 1..9; 0 likewise
    game::Operation Operation{}; // a code read from a file may be none of the named ones

    friend bool operator==(const HistoryEntry&, const HistoryEntry&) = default;
};

using ActionHistory = std::vector<HistoryEntry>;

// What Duplicate hands to the grid it creates: a copy of the source's history and its clock.
struct PendingHistory {
    ActionHistory Entries;
    int Seconds = 0;
};

} // namespace game

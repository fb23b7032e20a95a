#pragma once
// The settings one grid reads: the colours of its digits, candidates and highlighted cells, and
// the initial state of its two switches. Handed in by the shell, so a grid needs no settings file.

#include <cstdint>

namespace game {

// A colour laid out 0x00BBGGRR (red in the lowest byte).
using Colour = std::uint32_t;

constexpr Colour kWhite = 0x00FFFFFF;

struct GameSettings {
    Colour GivenColour = 0;            // digits placed in input mode (the givens; black)
    Colour PlayedColour = 16711680;    // digits placed in play mode (pure blue)
    Colour CandidateColour = 16744576; // candidate digits
    Colour ActingColour = 65408;       // cells a finding acts on
    Colour ReferenceColour = 65535;    // cells that justify a finding ("V"; yellow)
    bool ShowCandidates = false;       // new grids show their candidates
    bool Protection = false;           // new grids start protected
};

} // namespace game

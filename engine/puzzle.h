#pragma once
// A puzzle as plain digits, and the checks every other reader of a puzzle starts with.

#include "engine/grid_state.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace engine {

// 81 digits row by row, 0 for an empty cell.
using Digits = std::array<std::uint8_t, 81>;

// An 81-character text row by row, "1".."9" for a digit, anything else empty.
Digits DigitsFromText(std::string_view text);
// The 81-character text row by row, "." for an empty cell.
std::string DigitsToText(const Digits& digits);

// The first unit (rows, then columns, then regions; 1..9 within a kind) where a digit repeats.
struct RepeatedDigit {
    UnitKind Kind = UnitKind::Row;
    int Unit = 0;
    int Digit = 0;
};
std::optional<RepeatedDigit> FindRepeatedDigit(const Digits& digits);

} // namespace engine

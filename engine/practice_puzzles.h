#pragma once
// Practice puzzles: a puzzle with one solution and a chosen rating. Each comes from a bank of seed
// puzzles per level (engine/practice_bank.cpp, made by tools/make_practice_bank) through a random
// symmetry of the grid, which keeps the rating.

#include "engine/generator.h"
#include "engine/puzzle.h"

#include <span>
#include <string>
#include <string_view>

namespace engine {

constexpr int kPracticeLevels = 6;

// The seed puzzles of one level (0..5), 81 characters each.
std::span<const std::string_view> PracticeBank(int level);

// A random symmetry: digits relabelled, bands, stacks, rows within a band and columns within a
// stack shuffled, and the grid transposed or not.
Digits Transformed(const Digits& puzzle, RandomSource& random);

// A puzzle of rating `level` (0..5), 81 characters row by row, "." for an empty cell.
std::string GeneratePracticePuzzle(int level, RandomSource& random);
// The same from the program's source, seeded from the clock first.
std::string GeneratePracticePuzzle(int level);

} // namespace engine

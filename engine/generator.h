#pragma once
// Makes a new puzzle: random digits in random empty cells, each followed by everything that naked
// and hidden singles force. The random picks are the givens; every other cell of the completed
// grid follows from them by singles. A contradiction throws the attempt away.

#include <cstdint>
#include <string>

namespace engine {

// The program's pseudo-random source: a 32-bit linear congruential generator.
class RandomSource {
public:
    explicit RandomSource(std::uint32_t seed = 0) : seed_(seed) {}
    void Seed(std::uint32_t seed) { seed_ = seed; }
    // A uniform integer in lo..hi (lo <= hi).
    int Range(int lo, int hi);

private:
    std::uint32_t seed_;
};

// The one source shared by the generators and the tab names; unseeded until the first generation.
RandomSource& ProgramRandom();
// Seeds the program's source from the high-resolution clock.
void SeedProgramRandom();

// 81 characters, row by row: a digit for each given, "." for each empty cell. Seeds the program's
// source from the high-resolution clock first.
std::string GenerateGrid();
// The same from a source the caller seeded (tests, benchmarks).
std::string GenerateGrid(RandomSource& random);

} // namespace engine

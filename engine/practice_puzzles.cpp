#include "engine/practice_puzzles.h"

#include "engine/rating.h"

#include <numeric>

namespace engine {

namespace {

template <std::size_t N> void Shuffle(std::array<int, N>& items, RandomSource& random) {
    for (int i = int(N) - 1; i > 0; --i)
        std::swap(items[std::size_t(i)], items[std::size_t(random.Range(0, i))]);
}

// A random order of 0..8 that keeps groups of three together: the groups shuffled, then the
// three lines inside each.
std::array<int, 9> LineOrder(RandomSource& random) {
    std::array<int, 3> groups{0, 1, 2};
    Shuffle(groups, random);
    std::array<int, 9> order{};
    for (int g = 0; g < 3; ++g) {
        std::array<int, 3> lines{0, 1, 2};
        Shuffle(lines, random);
        for (int i = 0; i < 3; ++i)
            order[std::size_t(g * 3 + i)] = groups[std::size_t(g)] * 3 + lines[std::size_t(i)];
    }
    return order;
}

} // namespace

Digits Transformed(const Digits& puzzle, RandomSource& random) {
    std::array<int, 9> labels{};
    std::iota(labels.begin(), labels.end(), 1);
    Shuffle(labels, random);
    const std::array<int, 9> rows = LineOrder(random);
    const std::array<int, 9> cols = LineOrder(random);
    const bool transpose = random.Range(0, 1) == 1;
    Digits result{};
    for (int r = 0; r < 9; ++r) {
        for (int c = 0; c < 9; ++c) {
            const int from = rows[std::size_t(r)] * 9 + cols[std::size_t(c)];
            const int to = transpose ? c * 9 + r : r * 9 + c;
            const int d = puzzle[std::size_t(from)];
            result[std::size_t(to)] = std::uint8_t(d == 0 ? 0 : labels[std::size_t(d - 1)]);
        }
    }
    return result;
}

std::string GeneratePracticePuzzle(int level, RandomSource& random) {
    const std::span<const std::string_view> bank = PracticeBank(level);
    const Digits seed = DigitsFromText(bank[std::size_t(random.Range(0, int(bank.size()) - 1))]);
    // The families read units alike whatever their place, so a symmetry keeps the rating; the
    // check stays so that a puzzle of the wrong level can never be handed out.
    for (int attempt = 0; attempt < 8; ++attempt) {
        const Digits puzzle = Transformed(seed, random);
        const Rating rating = RatePuzzle(puzzle);
        if (rating.Kind == Verdict::Rated && rating.Level == level)
            return DigitsToText(puzzle);
    }
    return DigitsToText(seed);
}

std::string GeneratePracticePuzzle(int level) {
    SeedProgramRandom();
    return GeneratePracticePuzzle(level, ProgramRandom());
}

} // namespace engine

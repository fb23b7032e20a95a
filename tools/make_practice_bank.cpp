// make_practice_bank: writes engine/practice_bank.cpp, the seed puzzles of each practice level.
//
// Random puzzles are thinned from full grids, one given at a time while the solution stays the
// only one; each puzzle at 32 givens and each minimal one is rated, and kept while its level still
// wants seeds. A fixed seed makes the file reproducible:
//   build/bin/make_practice_bank > engine/practice_bank.cpp

#include "engine/generator.h"
#include "engine/practice_puzzles.h"
#include "engine/rating.h"
#include "engine/solver.h"

#include <cstdio>
#include <vector>

namespace {

constexpr std::size_t kSeedsPerLevel = 24;
constexpr int kRatedOnTheWay = 32; // givens

struct Bank {
    std::vector<std::string> Levels[engine::kPracticeLevels];

    bool Full() const {
        for (const auto& level : Levels)
            if (level.size() < kSeedsPerLevel)
                return false;
        return true;
    }

    void Offer(const engine::Digits& puzzle) {
        const engine::Rating rating = engine::RatePuzzle(puzzle);
        if (rating.Kind != engine::Verdict::Rated)
            return;
        auto& level = Levels[rating.Level];
        if (level.size() < kSeedsPerLevel)
            level.push_back(engine::DigitsToText(puzzle));
    }
};

void ThinOnePuzzle(Bank& bank, engine::RandomSource& random) {
    engine::Digits puzzle{};
    engine::CountSolutions(engine::DigitsFromText(engine::GenerateGrid(random)), &puzzle);
    std::array<int, 81> order{};
    for (int p = 0; p < 81; ++p)
        order[std::size_t(p)] = p;
    for (int i = 80; i > 0; --i)
        std::swap(order[std::size_t(i)], order[std::size_t(random.Range(0, i))]);
    int givens = 81;
    for (int p : order) {
        const std::uint8_t digit = puzzle[std::size_t(p)];
        puzzle[std::size_t(p)] = 0;
        if (engine::CountSolutions(puzzle) != 1) {
            puzzle[std::size_t(p)] = digit;
            continue;
        }
        if (--givens == kRatedOnTheWay)
            bank.Offer(puzzle);
    }
    bank.Offer(puzzle);
}

} // namespace

int main() {
    engine::RandomSource random(20261207);
    Bank bank;
    while (!bank.Full())
        ThinOnePuzzle(bank, random);
    std::puts("// Seed puzzles of the practice levels, written by tools/make_practice_bank.cpp.\n"
              "#include \"engine/practice_puzzles.h\"\n\n"
              "namespace engine {\n\n"
              "namespace {\n");
    for (int level = 0; level < engine::kPracticeLevels; ++level) {
        std::printf("constexpr std::string_view kLevel%d[] = {\n", level);
        for (const std::string& puzzle : bank.Levels[level])
            std::printf("    \"%s\",\n", puzzle.c_str());
        std::puts("};\n");
    }
    std::puts("} // namespace\n\n"
              "std::span<const std::string_view> PracticeBank(int level) {\n"
              "    static constexpr std::span<const std::string_view> kBank[] = {\n"
              "        kLevel0, kLevel1, kLevel2, kLevel3, kLevel4, kLevel5};\n"
              "    return kBank[level];\n"
              "}\n\n"
              "} // namespace engine");
    return 0;
}

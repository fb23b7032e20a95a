#include "engine/generator.h"

#include "engine/grid_layout.h"
#include "engine/grid_state.h"

#include <array>
#include <bit>
#include <chrono>

namespace engine {

int RandomSource::Range(int lo, int hi) {
    seed_ = seed_ * 134775813u + 1u;
    const std::uint64_t span = std::uint64_t(hi - lo + 1);
    return lo + int((std::uint64_t(seed_) * span) >> 32);
}

RandomSource& ProgramRandom() {
    static RandomSource source;
    return source;
}

void SeedProgramRandom() {
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
    ProgramRandom().Seed(std::uint32_t(ticks));
}

std::string GenerateGrid() {
    SeedProgramRandom();
    return GenerateGrid(ProgramRandom());
}

namespace {

// One attempt's grid, row by row, as bit sets. A cell whose candidates drop to one is queued and
// placed by the next propagation: the cells that naked singles fill do not depend on the order in
// which they are placed, unless two of them clash, and then the attempt is a dead end whatever
// the order. Empty cells without candidates are counted as they appear; only a hidden single of
// the same batch can fill one, so outside a batch a dead end stops the propagation at once.
class GeneratorGrid {
public:
    explicit GeneratorGrid(RandomSource& random) : random_(random) {}

    void Reset() {
        candidates_.fill(kAllCandidates);
        digits_.fill(0);
        given_.fill(false);
        placed_ = 0;
        pending_ = 0;
        deadCells_ = 0;
    }

    // A random empty cell gets a random one of its candidates, as a given.
    void PlaceRandomDigit() {
        int p = 0;
        do {
            p = random_.Range(1, 81) - 1;
        } while (digits_[p] != 0);
        CandidateSet candidates = candidates_[p];
        const int count = CountDigits(candidates);
        if (count == 0)
            return; // a dead end, already noted
        for (int q = random_.Range(1, count); q > 1; --q)
            candidates &= CandidateSet(candidates - 1);
        Place(p, std::countr_zero(unsigned(candidates)), true);
    }

    // Naked singles, then rounds of hidden singles each followed by naked singles, until none is
    // left or the attempt is a dead end.
    void PropagateSingles() {
        PlaceNakedSingles();
        while (deadCells_ == 0 && PlaceHiddenSingles())
            PlaceNakedSingles();
    }

    bool IsComplete() const { return placed_ == 81; }

    // An empty cell without candidates. A completed grid holding a digit twice in a unit is one
    // too: hidden singles placed together are not checked against each other, and such a grid
    // would give a puzzle without solution.
    bool IsDeadEnd() const { return deadCells_ > 0 || (IsComplete() && HasRepeatedDigit()); }

    std::string GridToText() const {
        std::string text(81, '.');
        for (int p = 0; p < 81; ++p)
            if (given_[p])
                text[p] = char('0' + digits_[p]);
        return text;
    }

private:
    void Place(int p, int d, bool given) {
        // A hidden single placed in a batch may fill a cell an earlier one of the batch emptied.
        deadCells_ -= digits_[p] == 0 && candidates_[p] == 0;
        placed_ += digits_[p] == 0;
        digits_[p] = std::uint8_t(d);
        candidates_[p] = 0;
        given_[p] = given;
        const CandidateSet bit = DigitBit(d);
        for (std::uint8_t peer : kGridLayout.peers[p]) {
            CandidateSet& candidates = candidates_[peer];
            if ((candidates & bit) == 0)
                continue;
            candidates &= CandidateSet(~bit);
            // Only an empty cell holds candidates.
            if (candidates == 0)
                ++deadCells_;
            else if ((candidates & (candidates - 1)) == 0)
                queue_[pending_++] = peer;
        }
    }

    void PlaceNakedSingles() {
        while (pending_ > 0 && deadCells_ == 0) {
            const int p = queue_[--pending_];
            // A queued cell keeps its one candidate until it is placed.
            if (candidates_[p] != 0)
                Place(p, std::countr_zero(unsigned(candidates_[p])), false);
        }
    }

    // Every hidden single of one search (rows, then columns, then regions; digits ascending in
    // a unit) is placed, in the order found. Returns whether there was any.
    bool PlaceHiddenSingles() {
        int found = 0;
        for (const auto& unit : kGridLayout.units) {
            CandidateSet once = 0;
            CandidateSet more = 0;
            for (std::uint8_t p : unit) {
                more |= once & candidates_[p];
                once |= candidates_[p];
            }
            for (CandidateSet single = once & CandidateSet(~more); single != 0;
                 single &= CandidateSet(single - 1)) {
                const int d = std::countr_zero(unsigned(single));
                for (std::uint8_t p : unit)
                    if (HasDigit(candidates_[p], d))
                        hidden_[found++] = {p, std::uint8_t(d)};
            }
        }
        for (int i = 0; i < found; ++i)
            Place(hidden_[i].cell, hidden_[i].digit, false);
        return found > 0;
    }

    bool HasRepeatedDigit() const {
        for (const auto& unit : kGridLayout.units) {
            CandidateSet seen = 0;
            for (std::uint8_t p : unit) {
                const CandidateSet bit = DigitBit(digits_[p]);
                if (seen & bit)
                    return true;
                seen |= bit;
            }
        }
        return false;
    }

    struct HiddenSingle {
        std::uint8_t cell;
        std::uint8_t digit;
    };

    RandomSource& random_;
    std::array<CandidateSet, 81> candidates_{};
    std::array<std::uint8_t, 81> digits_{};
    std::array<bool, 81> given_{};
    int placed_ = 0;
    int deadCells_ = 0; // empty cells without candidates
    // A cell is queued once at most per attempt: when its candidates drop to one.
    std::array<std::uint8_t, 81> queue_{};
    int pending_ = 0;
    // At most one per unit and digit.
    std::array<HiddenSingle, 27 * 9> hidden_{};
};

} // namespace

std::string GenerateGrid(RandomSource& random) {
    GeneratorGrid grid(random);
    for (;;) {
        grid.Reset();
        for (int i = 0; i < 17; ++i)
            grid.PlaceRandomDigit();
        for (;;) {
            grid.PlaceRandomDigit();
            grid.PropagateSingles();
            if (grid.IsDeadEnd())
                break;
            if (grid.IsComplete())
                return grid.GridToText();
        }
    }
}

} // namespace engine

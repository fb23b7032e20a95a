#include "engine/generator.h"

#include "engine/grid_state.h"
#include "engine/single_candidates.h"

#include <bit>
#include <chrono>
#include <utility>
#include <vector>

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

// One attempt's grid, row by row.
class GeneratorGrid {
public:
    explicit GeneratorGrid(RandomSource& random) : random_(random) {}

    void Place(CellState& cell, int d, bool given) {
        cell.Digit = std::uint8_t(d);
        cell.Candidates = 0;
        cell.Given = given ? 1 : 0;
        EliminateFromPeers(cell.Row, cell.Col, d);
    }

    void PlaceRandomDigit() {
        CellState* cell = nullptr;
        do {
            cell = &grid_.Cells[random_.Range(1, 81) - 1];
        } while (cell->Digit != 0);
        const int count = CountDigits(cell->Candidates);
        if (count == 0)
            return; // a dead end, found by the next test
        const int q = random_.Range(1, count);
        Place(*cell, CandidateText(cell->Candidates)[q - 1] - '0', true);
    }

    void PropagateNakedSingles() {
        bool placed = true;
        while (placed) {
            placed = false;
            for (CellState& cell : grid_.Cells) {
                if (CountDigits(cell.Candidates) == 1) {
                    Place(cell, std::countr_zero(unsigned(cell.Candidates)), false);
                    placed = true;
                }
            }
        }
    }

    // Every hidden single of one search is placed, in the order found, before the next search.
    void PropagateHiddenSingles() {
        for (;;) {
            found_.clear();
            for (UnitKind kind : {UnitKind::Row, UnitKind::Column, UnitKind::Region})
                VisitHiddenSingles(grid_, kind, [this](int row, int col, int d) {
                    found_.push_back({row, col, d});
                });
            if (found_.empty())
                return;
            for (const HiddenSingle& single : found_)
                Place(grid_.At(single.row, single.col), single.digit, false);
            PropagateNakedSingles();
        }
    }

    bool IsComplete() const {
        for (const CellState& cell : grid_.Cells)
            if (cell.Digit == 0)
                return false;
        return true;
    }

    // An empty cell without candidates. A completed grid holding a digit twice in a unit is one
    // too: hidden singles placed together are not checked against each other, and such a grid
    // would give a puzzle without solution.
    bool IsDeadEnd() const {
        for (const CellState& cell : grid_.Cells)
            if (cell.Digit == 0 && cell.Candidates == 0)
                return true;
        return IsComplete() && HasRepeatedDigit();
    }

    std::string GridToText() const {
        std::string text;
        for (const CellState& cell : grid_.Cells)
            text += cell.Given ? char('0' + cell.Digit) : '.';
        return text;
    }

    void Reset() { grid_ = GridState(GridState::Order::RowMajor); }

private:
    void EliminateFromPeers(int row, int col, int d) {
        const CandidateSet keep = CandidateSet(~DigitBit(d));
        for (auto [kind, u] : {std::pair{UnitKind::Row, row}, std::pair{UnitKind::Column, col},
                               std::pair{UnitKind::Region, RegionOf(row, col)}})
            for (std::uint8_t p : grid_.Unit(kind, u))
                grid_.Cells[p].Candidates &= keep;
    }

    bool HasRepeatedDigit() const {
        for (UnitKind kind : {UnitKind::Row, UnitKind::Column, UnitKind::Region}) {
            for (int u = 1; u <= 9; ++u) {
                CandidateSet seen = 0;
                for (std::uint8_t p : grid_.Unit(kind, u)) {
                    const CandidateSet bit = DigitBit(grid_.Cells[p].Digit);
                    if (seen & bit)
                        return true;
                    seen |= bit;
                }
            }
        }
        return false;
    }

    struct HiddenSingle {
        int row, col, digit;
    };

    RandomSource& random_;
    GridState grid_{GridState::Order::RowMajor};
    std::vector<HiddenSingle> found_;
};

} // namespace

std::string GenerateGrid(RandomSource& random) {
    GeneratorGrid grid(random);
    for (;;) {
        grid.Reset();
        for (int i = 0; i < 17; ++i)
            grid.PlaceRandomDigit();
        bool complete = false;
        bool dead = false;
        while (!complete && !dead) {
            grid.PlaceRandomDigit();
            grid.PropagateNakedSingles();
            grid.PropagateHiddenSingles();
            complete = grid.IsComplete();
            dead = grid.IsDeadEnd();
        }
        if (complete && !dead)
            return grid.GridToText();
    }
}

} // namespace engine

#include "engine/solver.h"

#include "engine/grid_layout.h"

#include <bit>

namespace engine {

namespace {

constexpr std::uint16_t kAllDigits = 0x1FF; // bit d-1 for digit d

using Tables = GridLayout;

// A position of the search: candidates of every cell, the placed digits.
struct Board {
    std::array<std::uint16_t, 81> Candidates;
    std::array<std::uint8_t, 81> Digit;
    int Placed;
};

// Places digit bit `bit` in cell p and every naked single that follows. False on a contradiction.
bool Assign(Board& board, int p, std::uint16_t bit, const Tables& tables) {
    std::array<std::uint8_t, 81> pending;
    std::array<std::uint16_t, 81> pendingBit;
    int count = 0;
    pending[0] = std::uint8_t(p);
    pendingBit[0] = bit;
    count = 1;
    while (count > 0) {
        --count;
        const int cell = pending[std::size_t(count)];
        const std::uint16_t digit = pendingBit[std::size_t(count)];
        if (board.Digit[std::size_t(cell)] != 0) {
            if ((1u << (board.Digit[std::size_t(cell)] - 1)) != digit)
                return false;
            continue;
        }
        if ((board.Candidates[std::size_t(cell)] & digit) == 0)
            return false;
        board.Digit[std::size_t(cell)] = std::uint8_t(std::countr_zero(unsigned(digit)) + 1);
        board.Candidates[std::size_t(cell)] = digit;
        ++board.Placed;
        for (std::uint8_t peer : tables.peers[std::size_t(cell)]) {
            std::uint16_t& candidates = board.Candidates[peer];
            if ((candidates & digit) == 0 || board.Digit[peer] != 0)
                continue;
            candidates &= std::uint16_t(~digit);
            if (candidates == 0)
                return false;
            if ((candidates & (candidates - 1)) == 0) {
                pending[std::size_t(count)] = peer;
                pendingBit[std::size_t(count)] = candidates;
                ++count;
            }
        }
    }
    return true;
}

// Hidden singles until none is left. False on a contradiction (a digit with no place in a unit).
bool PlaceHiddenSingles(Board& board, const Tables& tables) {
    bool progress = true;
    while (progress) {
        progress = false;
        for (const auto& unit : tables.units) {
            std::uint16_t once = 0, twice = 0, placed = 0;
            for (std::uint8_t p : unit) {
                const std::uint16_t candidates = board.Candidates[p];
                if (board.Digit[p] != 0) {
                    placed |= candidates;
                    continue;
                }
                twice |= once & candidates;
                once |= candidates;
            }
            if ((once | placed) != kAllDigits)
                return false;
            std::uint16_t singles = once & std::uint16_t(~twice) & std::uint16_t(~placed);
            while (singles != 0) {
                const std::uint16_t digit = singles & std::uint16_t(-singles);
                singles &= std::uint16_t(singles - 1);
                for (std::uint8_t p : unit) {
                    if (board.Digit[p] == 0 && (board.Candidates[p] & digit) != 0) {
                        if (!Assign(board, p, digit, tables))
                            return false;
                        progress = true;
                        break;
                    }
                }
            }
        }
    }
    return true;
}

// The empty cell with the fewest candidates.
int BranchCell(const Board& board) {
    int best = -1, bestCount = 10;
    for (int p = 0; p < 81; ++p) {
        if (board.Digit[std::size_t(p)] != 0)
            continue;
        const int count = CountDigits(board.Candidates[std::size_t(p)]);
        if (count < bestCount) {
            best = p;
            bestCount = count;
            if (count == 2)
                break;
        }
    }
    return best;
}

struct Branch {
    Board Before;
    int Cell;
    std::uint16_t Untried;
};

} // namespace

int CountSolutions(const Digits& puzzle, Digits* solution) {
    const Tables& tables = kGridLayout;
    Board board{};
    board.Candidates.fill(kAllDigits);
    for (int p = 0; p < 81; ++p)
        if (puzzle[std::size_t(p)] != 0 &&
            !Assign(board, p, std::uint16_t(1u << (puzzle[std::size_t(p)] - 1)), tables))
            return 0;

    // Each level of the stack places at least one more cell, so 81 levels are enough.
    std::array<Branch, 81> stack;
    int depth = 0;
    int found = 0;
    bool consistent = PlaceHiddenSingles(board, tables);
    for (;;) {
        if (consistent && board.Placed == 81) {
            if (++found == 1 && solution != nullptr)
                *solution = board.Digit;
            if (found == 2)
                return 2;
            consistent = false;
        }
        if (consistent) {
            const int cell = BranchCell(board);
            stack[std::size_t(depth++)] = Branch{board, cell, board.Candidates[std::size_t(cell)]};
        }
        // The next untried digit of the deepest branch that has one.
        while (depth > 0 && stack[std::size_t(depth - 1)].Untried == 0)
            --depth;
        if (depth == 0)
            return found;
        Branch& branch = stack[std::size_t(depth - 1)];
        const std::uint16_t digit = branch.Untried & std::uint16_t(-branch.Untried);
        branch.Untried &= std::uint16_t(branch.Untried - 1);
        board = branch.Before;
        consistent = Assign(board, branch.Cell, digit, tables) && PlaceHiddenSingles(board, tables);
    }
}

} // namespace engine

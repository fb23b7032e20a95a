#include "engine/grid_state.h"

namespace engine {

std::string CandidateText(CandidateSet set) {
    std::string text;
    for (int d = 1; d <= 9; ++d)
        if (HasDigit(set, d))
            text += char('0' + d);
    return text;
}

int PositionInText(CandidateSet set, int d) {
    return CountDigits(CandidateSet(set & ((1u << d) - 1u))) + 1;
}

GridState::GridState(Order order) {
    for (int k = 0; k < 81; ++k) {
        CellState& cell = Cells[k];
        cell.Row = std::uint8_t(order == Order::ColumnMajor ? k % 9 + 1 : k / 9 + 1);
        cell.Col = std::uint8_t(order == Order::ColumnMajor ? k / 9 + 1 : k % 9 + 1);
        cell.Region = std::uint8_t(RegionOf(cell.Row, cell.Col));
        cell.Candidates = kAllCandidates;
    }
    Reindex();
}

const UnitPositions& GridState::Unit(UnitKind kind, int u) const {
    return units_[UnitIndex(kind, u)];
}

void GridState::Reindex() {
    std::array<int, 27> filled{};
    for (int k = 0; k < 81; ++k) {
        const CellState& cell = Cells[k];
        position_[cell.Row - 1][cell.Col - 1] = std::uint8_t(k);
        for (int unit : {cell.Row - 1, 9 + cell.Col - 1, 18 + cell.Region - 1})
            units_[unit][filled[unit]++] = std::uint8_t(k);
    }
}

void AddFinding(FindingList& list, int row, int col, char digit, char action, int family, int seq,
                char trace, std::string text) {
    // Texts are cut to 80 characters (not bytes: they hold accented letters).
    constexpr int kCapacity = 80;
    int characters = 0;
    // A text of at most 80 bytes has at most 80 characters: only longer ones need the walk.
    for (std::size_t i = 0; text.size() > kCapacity && i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80 && ++characters > kCapacity) {
            text.resize(i);
            break;
        }
    }
    AddFinding(list, row, col, digit, action, family, seq, trace, FindingText(std::move(text)));
}

void SetUnit(FindingList& list, std::size_t first, UnitKind kind, int number) {
    for (std::size_t i = first; i < list.size(); ++i) {
        list[i].Unit = kind;
        list[i].UnitNumber = std::uint8_t(number);
    }
}

} // namespace engine

#include "engine/puzzle.h"

namespace engine {

Digits DigitsFromText(std::string_view text) {
    Digits digits{};
    for (std::size_t k = 0; k < digits.size() && k < text.size(); ++k)
        if (text[k] >= '1' && text[k] <= '9')
            digits[k] = std::uint8_t(text[k] - '0');
    return digits;
}

std::string DigitsToText(const Digits& digits) {
    std::string text;
    for (std::uint8_t d : digits)
        text += d == 0 ? '.' : char('0' + d);
    return text;
}

std::optional<RepeatedDigit> FindRepeatedDigit(const Digits& digits) {
    const GridState grid(GridState::Order::RowMajor);
    for (UnitKind kind : {UnitKind::Row, UnitKind::Column, UnitKind::Region}) {
        for (int u = 1; u <= 9; ++u) {
            CandidateSet seen = 0;
            for (std::uint8_t p : grid.Unit(kind, u)) {
                const int d = digits[p];
                if (d == 0)
                    continue;
                if (HasDigit(seen, d))
                    return RepeatedDigit{kind, u, d};
                seen |= DigitBit(d);
            }
        }
    }
    return std::nullopt;
}

} // namespace engine

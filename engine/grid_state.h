#pragma once
// The position the techniques read, and the result lines they write.
//
// A GridState is a flat snapshot of the 81 cells. Its cell order matters: it is the order in which
// every technique meets cells, and so the order of the findings. The game frame's snapshot runs
// column by column; the generator's grid runs row by row. No operation finds a cell by its index:
// cells are found by row, column and region through lookup tables built once per grid (Reindex),
// so both orders work with the same code.

#include <array>
#include <bit>
#include <cstdint>
#include <string>
#include <vector>

namespace engine {

// Candidates as a bit set: bit d (1..9) set when digit d is still possible.
using CandidateSet = std::uint16_t;

constexpr CandidateSet kAllCandidates = 0x3FE;

constexpr bool HasDigit(CandidateSet set, int d) {
    return (set >> d) & 1u;
}
constexpr CandidateSet DigitBit(int d) {
    return CandidateSet(1u << d);
}
// The number of set bits of a set of bits 0..9 (candidate sets, 9-bit masks of unit positions), by
// table: the searches count tens of thousands of times per run, and the portable x86-64 target has
// no population-count instruction (std::popcount becomes a library call there).
inline constexpr std::array<std::uint8_t, 1024> kBitCountTable = [] {
    std::array<std::uint8_t, 1024> table{};
    for (unsigned set = 0; set < table.size(); ++set)
        table[set] = std::uint8_t(std::popcount(set));
    return table;
}();

constexpr int CountDigits(CandidateSet set) {
    return kBitCountTable[set & 0x3FFu];
}
// The digits of the set as characters "1".."9", ascending ("259").
std::string CandidateText(CandidateSet set);
// 1-based position of digit d inside CandidateText(set); d must be in the set.
int PositionInText(CandidateSet set, int d);

enum class UnitKind : char { Row = 'L', Column = 'C', Region = 'R' };

struct CellState {
    std::uint8_t Row = 0;
    std::uint8_t Col = 0;
    std::uint8_t Region = 0;
    std::uint8_t Digit = 0;      // 1..9, 0 while the cell is empty
    CandidateSet Candidates = 0; // empty for a cell that holds a digit
    std::uint8_t Given = 0;      // generator only: 1 when placed by a random pick
};

// 0..26: rows 1..9, then columns, then regions.
constexpr int UnitIndex(UnitKind kind, int u) {
    return (kind == UnitKind::Row ? 0 : kind == UnitKind::Column ? 9 : 18) + u - 1;
}

// Positions (0..80) of the nine cells of one unit, in grid order.
using UnitPositions = std::array<std::uint8_t, 9>;

class GridState {
public:
    enum class Order { ColumnMajor, RowMajor };

    // An empty grid in the given order: no digit, every candidate open.
    explicit GridState(Order order = Order::ColumnMajor);

    std::array<CellState, 81> Cells;

    const CellState& At(int row, int col) const { return Cells[position_[row - 1][col - 1]]; }
    CellState& At(int row, int col) { return Cells[position_[row - 1][col - 1]]; }
    const UnitPositions& Unit(UnitKind kind, int u) const;

    // Rebuilds the lookup tables from the cells' Row and Col; call after changing them.
    void Reindex();

private:
    std::array<std::array<std::uint8_t, 9>, 9> position_{};
    std::array<UnitPositions, 27> units_{};
};

// The text of a finding, kept as the facts it states and written out when read: a run lists about
// a hundred findings, and a player reads the texts of a few. A text given whole is kept as given.
class FindingText {
public:
    FindingText() = default; // no text
    // A text given whole; converts from a string as the former string member did.
    FindingText(std::string given);

    // "Le 5 seul dans la case L2C3"
    static FindingText NakedSingle(int d, int row, int col);
    // "Le 5 seul sur la Ligne : 2 Colonne : 3", worded by the unit the digit is alone in.
    static FindingText HiddenSingle(int d, int row, int col, UnitKind unit);
    // "Jumeaux/triplés de 5 en L2R1": the cell's row (column) and region.
    static FindingText Twins(int d, int row, int col, UnitKind line);
    // "Le 5 supprimé en L2C3"
    static FindingText Removal(int d, int row, int col);
    // "Interaction du 5 entre la ligne: 2 et la Region: 1": the cell's row (column) and region.
    static FindingText Interaction(int d, int row, int col, UnitKind line);
    // "25 en doublet franc sur  la ligne   :2", named by the number of digits.
    static FindingText OpenGroup(CandidateSet digits, UnitKind unit, int number);
    // " Trio franc incomplet sur la ligne   : 2"
    static FindingText IncompleteOpenTrio(UnitKind unit, int number);
    // "2": where a digit stands among a cell's candidates, 1-based.
    static FindingText CandidatePosition(int position);
    // "25 En doublet exclusif sur la ligne : 2" (size 2), "257 En Trio exclusif ..." (size 3).
    static FindingText ExclusiveGroup(CandidateSet digits, int size, UnitKind unit, int number);

    // Writes the text at the end of text.
    void AppendTo(std::string& text) const;
    // Read like a string: QString::fromStdString(finding.Text), finding.Text.empty().
    operator std::string() const;
    bool empty() const {
        return phrase_ == Phrase::None || (phrase_ == Phrase::Given && given_.empty());
    }

private:
    enum class Phrase : std::uint8_t {
        None,
        Given,
        NakedSingle,
        HiddenSingle,
        Twins,
        Removal,
        Interaction,
        OpenGroup,
        IncompleteOpenTrio,
        CandidatePosition,
        ExclusiveGroup,
    };

    FindingText(Phrase phrase, int d, int row, int col, UnitKind unit);
    FindingText(Phrase phrase, CandidateSet digits, int size, UnitKind unit, int number);

    Phrase phrase_ = Phrase::None;
    std::uint8_t digit_ = 0; // the digit, or the size of a group
    std::uint8_t row_ = 0;
    std::uint8_t col_ = 0;
    UnitKind unit_ = UnitKind::Row;
    std::uint8_t number_ = 0; // the unit of a group, or a position
    CandidateSet digits_ = 0;
    std::string given_;
};

struct Finding {
    std::uint8_t Row = 0;
    std::uint8_t Col = 0;
    char Digit = '0';  // '1'..'9'; '0' on the view lines of open configurations
    char Action = 'V'; // 'P' place, 'C' remove candidate, 'V' view only
    std::uint8_t Family = 0;
    // The unit the configuration lies in, the same on all its lines (for a single in its cell,
    // the cell's row): a region holding a twin, the line of an interaction, the unit of a group.
    UnitKind Unit = UnitKind::Row;
    std::uint8_t UnitNumber = 0;
    int Seq = 0;
    char Trace = 'N'; // 'O' stands for its configuration, 'N' follow-up line
    FindingText Text; // UTF-8, at most 80 characters
};

// Unbounded: a run never drops a finding.
using FindingList = std::vector<Finding>;

inline void ClearFindings(FindingList& list) {
    list.clear();
}
// Inline: a run adds about a hundred lines.
inline void AddFinding(FindingList& list, int row, int col, char digit, char action, int family,
                       int seq, char trace, FindingText text) {
    Finding& finding = list.emplace_back();
    finding.Row = std::uint8_t(row);
    finding.Col = std::uint8_t(col);
    finding.Digit = digit;
    finding.Action = action;
    finding.Family = std::uint8_t(family);
    finding.Seq = seq;
    finding.Trace = trace;
    finding.Text = std::move(text);
}
// A text given whole, cut to 80 characters.
void AddFinding(FindingList& list, int row, int col, char digit, char action, int family, int seq,
                char trace, std::string text);
// Names the unit of the configuration whose lines start at index first and end the list.
void SetUnit(FindingList& list, std::size_t first, UnitKind kind, int number);

constexpr int RegionOf(int row, int col) {
    return (col + 2) / 3 + ((row + 2) / 3 - 1) * 3;
}
constexpr int FirstRowOfRegion(int r) {
    return (r - 1) / 3 * 3 + 1;
}
constexpr int FirstColOfRegion(int r) {
    return (r - 1) % 3 * 3 + 1;
}

} // namespace engine

#include "engine/grid_state.h"

#include <charconv>
#include <cstring>
#include <iterator>
#include <string_view>

// The texts of the findings, written out from their facts.

namespace engine {

namespace {

// A text built in a buffer on the stack, then appended whole. Every part is short: literals,
// digits, labels and numbers below 100, about sixty bytes at most in all.
class TextBuilder {
public:
    template <std::size_t N> void Add(const char (&part)[N]) { Add(std::string_view(part, N - 1)); }
    void Add(std::string_view part) {
        std::memcpy(end_, part.data(), part.size());
        end_ += part.size();
    }
    void Add(char c) { *end_++ = c; }
    void Add(int number) { end_ = std::to_chars(end_, std::end(buffer_), number).ptr; }
    void Add(CandidateSet digits) {
        for (int d = 1; d <= 9; ++d)
            if (HasDigit(digits, d))
                Add(char('0' + d));
    }

    // Texts, characters, numbers and digit sets, in order: ("Le ", '5', " supprimé en L", 2).
    template <typename... Parts> void operator()(const Parts&... parts) { (Add(parts), ...); }

    void AppendTo(std::string& text) const { text.append(buffer_, std::size_t(end_ - buffer_)); }

private:
    char buffer_[128];
    char* end_ = buffer_;
};

// The label of the unit's kind among the three given for rows, columns and regions.
std::string_view UnitLabel(UnitKind unit, std::string_view row, std::string_view column,
                           std::string_view region) {
    switch (unit) {
    case UnitKind::Row:
        return row;
    case UnitKind::Column:
        return column;
    case UnitKind::Region:
        break;
    }
    return region;
}

} // namespace

FindingText::FindingText(std::string given) : phrase_(Phrase::Given), given_(std::move(given)) {}

FindingText::FindingText(Phrase phrase, int d, int row, int col, UnitKind unit)
    : phrase_(phrase), digit_(std::uint8_t(d)), row_(std::uint8_t(row)), col_(std::uint8_t(col)),
      unit_(unit) {}

FindingText::FindingText(Phrase phrase, CandidateSet digits, int size, UnitKind unit, int number)
    : phrase_(phrase), digit_(std::uint8_t(size)), unit_(unit), number_(std::uint8_t(number)),
      digits_(digits) {}

FindingText FindingText::NakedSingle(int d, int row, int col) {
    return {Phrase::NakedSingle, d, row, col, UnitKind::Row};
}

FindingText FindingText::HiddenSingle(int d, int row, int col, UnitKind unit) {
    return {Phrase::HiddenSingle, d, row, col, unit};
}

FindingText FindingText::Twins(int d, int row, int col, UnitKind line) {
    return {Phrase::Twins, d, row, col, line};
}

FindingText FindingText::Removal(int d, int row, int col) {
    return {Phrase::Removal, d, row, col, UnitKind::Row};
}

FindingText FindingText::Interaction(int d, int row, int col, UnitKind line) {
    return {Phrase::Interaction, d, row, col, line};
}

FindingText FindingText::OpenGroup(CandidateSet digits, UnitKind unit, int number) {
    return {Phrase::OpenGroup, digits, CountDigits(digits), unit, number};
}

FindingText FindingText::IncompleteOpenTrio(UnitKind unit, int number) {
    return {Phrase::IncompleteOpenTrio, 0, 3, unit, number};
}

FindingText FindingText::CandidatePosition(int position) {
    return {Phrase::CandidatePosition, 0, 0, UnitKind::Row, position};
}

FindingText FindingText::ExclusiveGroup(CandidateSet digits, int size, UnitKind unit, int number) {
    return {Phrase::ExclusiveGroup, digits, size, unit, number};
}

void FindingText::AppendTo(std::string& text) const {
    const char digit = char('0' + digit_);
    const int row = row_;
    const int col = col_;
    const int number = number_;
    const bool alongRow = unit_ == UnitKind::Row;
    TextBuilder write;
    switch (phrase_) {
    case Phrase::None:
        return;
    case Phrase::Given:
        text += given_;
        return;
    case Phrase::NakedSingle:
        write("Le ", digit, " seul dans la case L", row, 'C', col);
        break;
    case Phrase::HiddenSingle:
        write("Le ", digit, " seul sur la ");
        if (unit_ == UnitKind::Row)
            write("Ligne : ", row, " Colonne : ", col);
        else if (unit_ == UnitKind::Column)
            write("Colonne : ", col, " Ligne : ", row);
        else
            write("Region en L", row, 'C', col);
        break;
    case Phrase::Twins:
        write("Jumeaux/triplés de ", digit, alongRow ? " en L" : " en C", alongRow ? row : col, 'R',
              RegionOf(row, col));
        break;
    case Phrase::Removal:
        write("Le ", digit, " supprimé en L", row, 'C', col);
        break;
    case Phrase::Interaction:
        write("Interaction du ", digit,
              alongRow ? " entre la ligne: " : " entre la colonne : ", alongRow ? row : col,
              alongRow ? " et la Region: " : " et la région: ", RegionOf(row, col));
        break;
    case Phrase::OpenGroup: {
        static constexpr std::string_view kSizes[] = {
            " en doublet franc sur ", " en triplet franc sur ", " en quadruplet franc sur "};
        write(digits_, kSizes[digit_ - 2],
              UnitLabel(unit_, " la ligne   :", " la colonne :", " la région  :"), number);
        break;
    }
    case Phrase::IncompleteOpenTrio:
        write(UnitLabel(
                  unit_, " Trio franc incomplet sur la ligne   : ",
                  " Trio franc incomplet sur la colonne : ", " Trio franc incomplet région  : "),
              number);
        break;
    case Phrase::CandidatePosition:
        write(number);
        break;
    case Phrase::ExclusiveGroup:
        write(digits_, digit_ == 2 ? " En doublet" : " En Trio",
              UnitLabel(unit_, " exclusif sur la ligne : ", " exclusif sur la colonne : ",
                        " exclusif sur la région : "),
              number);
        break;
    }
    write.AppendTo(text);
}

FindingText::operator std::string() const {
    std::string text;
    AppendTo(text);
    return text;
}

} // namespace engine

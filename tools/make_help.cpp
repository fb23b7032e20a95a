// make_help: writes a help page at build time, the handwritten page of a language with, in place
// of each marker "<!--EXAMPLE n-->", an example of family n drawn from a real position: the first
// deduction of that family met while puzzles are played, one listed finding at a time, as a
// double-click in the analysis panel plays them. Its words are the explanations' own.
//   make_help TRANSLATIONS LANGUAGE TEMPLATE OUTPUT PUZZLE_FILE...
// A puzzle file holds one puzzle a line, its first 81 characters the givens row by row.

#include "app/services/translations.h"
#include "engine/families.h"
#include "game/model/deduction_explanation.h"
#include "game/model/game_session.h"
#include "game/model/model_messages.h"

#include <QCoreApplication>
#include <QFile>

#include <algorithm>
#include <array>
#include <cstdio>
#include <optional>

namespace {

// The colours of the board: cells of the pattern, cells that lose a candidate, the cell that
// takes a digit, and the candidates and digits drawn on them.
constexpr const char* kPatternCell = "#fff0a8";
constexpr const char* kRemovalCell = "#ffd6d6";
constexpr const char* kPlacementCell = "#c8f0c8";
constexpr const char* kPatternDigit = "#1c4fc4";
constexpr const char* kRemovedDigit = "#d01818";
constexpr const char* kPlacedDigit = "#107a10";
constexpr const char* kOtherCandidate = "#8a8a8a";
constexpr const char* kPlayedDigit = "#1c4fc4";

struct Example {
    std::array<game::BoardCell, 81> Cells; // row by row
    std::array<bool, 81> Givens{};
    engine::Deduction Deduction;
    QString FindingText;
};
using Examples = std::array<std::optional<Example>, engine::kFamilyCount>;

Example TakeExample(const game::GameSession& session, const engine::Deduction& deduction) {
    Example example{
        {}, {}, deduction, QString::fromStdString(session.Findings()[deduction.Origin].Text)};
    for (int row = 1; row <= 9; ++row)
        for (int col = 1; col <= 9; ++col) {
            example.Cells[std::size_t((row - 1) * 9 + col - 1)] = session.Cell(row, col);
            example.Givens[std::size_t((row - 1) * 9 + col - 1)] = session.IsGiven(row, col);
        }
    return example;
}

// Plays the puzzles of the file until every family has its example.
void FindExamples(const QString& path, Examples& examples) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return;
    const auto complete = [&examples] {
        return std::all_of(examples.begin(), examples.end(), [](const auto& e) { return bool(e); });
    };
    while (!file.atEnd() && !complete()) {
        game::GameSession session{game::GameSettings{}};
        session.InitBoard();
        if (!session.ImportText(QString::fromUtf8(file.readLine().left(81))).isEmpty())
            continue;
        session.StartPlay();
        for (std::vector<engine::Deduction> deductions = session.Deductions();
             !deductions.empty() && !complete(); deductions = session.Deductions()) {
            for (const engine::Deduction& deduction : deductions)
                if (!examples[std::size_t(deduction.Family)])
                    examples[std::size_t(deduction.Family)] = TakeExample(session, deduction);
            session.SelectFamily(deductions.front().Family);
            const int family = session.ApplyListedFinding(0);
            if (family < 0)
                break;
            session.RefreshAfterListedFinding(family);
        }
    }
}

bool Holds(const std::vector<engine::CellDigit>& cells, int row, int col) {
    return std::any_of(cells.begin(), cells.end(), [row, col](const engine::CellDigit& cell) {
        return cell.Row == row && cell.Col == col;
    });
}

QString Coloured(const QString& text, const char* colour) {
    return QStringLiteral("<span style=\"color:%1\">%2</span>").arg(QLatin1String(colour), text);
}

// A candidate as drawn: in the pattern, removed, placed, or an ordinary one.
QString Candidate(int digit, bool inPattern, bool removed, bool placed) {
    const QString text = QString::number(digit);
    if (placed)
        return QStringLiteral("<b>%1</b>").arg(Coloured(text, kPlacedDigit));
    if (removed)
        return QStringLiteral("<b><s>%1</s></b>").arg(Coloured(text, kRemovedDigit));
    if (inPattern)
        return QStringLiteral("<b>%1</b>").arg(Coloured(text, kPatternDigit));
    return Coloured(text, kOtherCandidate);
}

bool InUnit(const engine::Deduction& deduction, const game::BoardCell& cell) {
    switch (deduction.Unit) {
    case engine::UnitKind::Row:
        return cell.Row() == deduction.UnitNumber;
    case engine::UnitKind::Column:
        return cell.Col() == deduction.UnitNumber;
    case engine::UnitKind::Region:
        break;
    }
    return cell.Region() == deduction.UnitNumber;
}

// Whether the cell shares a row, a column or a region with every cell of a pattern that removes
// candidates: the line a twin clears, the region an interaction clears.
bool InPatternUnit(const engine::Deduction& deduction, const game::BoardCell& cell) {
    const auto all = [&deduction](auto same) {
        return std::all_of(deduction.PatternCells.begin(), deduction.PatternCells.end(), same);
    };
    return deduction.Action == 'C' &&
           (all([&cell](const engine::CellDigit& c) { return c.Row == cell.Row(); }) ||
            all([&cell](const engine::CellDigit& c) { return c.Col == cell.Col(); }) ||
            all([&cell](const engine::CellDigit& c) {
                return engine::RegionOf(c.Row, c.Col) == cell.Region();
            }));
}

// The candidates of an empty cell, three lines of three, each in the colour of its part.
QString CandidatesHtml(const engine::Deduction& deduction, const game::BoardCell& cell) {
    const bool pattern = Holds(deduction.PatternCells, cell.Row(), cell.Col());
    QStringList lines;
    for (int first = 1; first <= 7; first += 3) {
        QStringList line;
        for (int digit = first; digit < first + 3; ++digit) {
            const bool acted = std::count(deduction.Effects.begin(), deduction.Effects.end(),
                                          engine::CellDigit{cell.Row(), cell.Col(), digit}) > 0;
            line << (cell.HasCandidate(digit)
                         ? Candidate(digit,
                                     pattern && engine::HasDigit(deduction.PatternDigits, digit),
                                     acted && deduction.Action == 'C',
                                     acted && deduction.Action == 'P')
                         : QStringLiteral("&#8199;")); // a blank as wide as a digit
        }
        lines << line.join(QStringLiteral("&nbsp;"));
    }
    return QStringLiteral("<p style=\"margin:0;line-height:15px;font-size:9pt\">%1</p>")
        .arg(lines.join(QStringLiteral("<br>")));
}

// The line on one side of a cell: thick between regions and around the board, thin elsewhere.
QString Side(const char* side, int line, int board) {
    return QStringLiteral("border-%1:%2;")
        .arg(QLatin1String(side), line % 3 == board ? QStringLiteral("2px solid #202020")
                                                    : QStringLiteral("1px solid #b0b0b0"));
}

// One cell: its digit, the candidates of a cell the deduction looks at, or nothing. Every cell
// is 50 pixels wide and 45 high: one line of that height, or three of candidates.
QString CellHtml(const Example& example, int row, int col) {
    const std::size_t index = std::size_t((row - 1) * 9 + col - 1);
    const game::BoardCell& cell = example.Cells[index];
    const engine::Deduction& deduction = example.Deduction;
    const bool pattern = Holds(deduction.PatternCells, row, col);
    const bool effect = Holds(deduction.Effects, row, col);
    // A cell of the pattern that loses candidates stays in the pattern's colour; the struck-out
    // candidates show the removals.
    const char* background = effect && deduction.Action == 'P' ? kPlacementCell
                             : pattern                         ? kPatternCell
                             : effect                          ? kRemovalCell
                                                               : "#ffffff";
    QString content = QStringLiteral("<p style=\"margin:0;line-height:45px\">&nbsp;</p>");
    if (cell.Digit() != 0)
        content =
            QStringLiteral("<p style=\"margin:0 0 9px 0;line-height:36px;font-size:16pt\">"
                           "<b>%1</b></p>")
                .arg(Coloured(cell.Number(), example.Givens[index] ? "#000000" : kPlayedDigit));
    else if (pattern || effect || InUnit(deduction, cell) || InPatternUnit(deduction, cell))
        content = CandidatesHtml(deduction, cell);
    return QStringLiteral("<td width=\"50\" align=\"center\" valign=\"middle\" "
                          "bgcolor=\"%1\" style=\"%2\">%3</td>")
        .arg(QLatin1String(background),
             Side("left", col, 1) + Side("top", row, 1) +
                 (col == 9 ? Side("right", 0, 0) : QString()) +
                 (row == 9 ? Side("bottom", 0, 0) : QString()),
             content);
}

// The board on one line.
QString BoardHtml(const Example& example) {
    QString html = QStringLiteral("<table style=\"border-collapse:collapse\" cellspacing=\"0\" "
                                  "cellpadding=\"2\">");
    for (int row = 1; row <= 9; ++row) {
        html += QStringLiteral("<tr>");
        for (int col = 1; col <= 9; ++col)
            html += CellHtml(example, row, col);
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table>\n");
}

// The colours the board uses, named.
QString LegendHtml(const engine::Deduction& deduction) {
    const int digit = deduction.Effects.front().Digit;
    int patternDigit = 1;
    while (!engine::HasDigit(deduction.PatternDigits, patternDigit))
        ++patternDigit;
    const bool placement = deduction.Action == 'P';
    const auto sample = [](const char* background, const QString& candidate) {
        return QStringLiteral("<span style=\"background-color:%1\">&nbsp;%2&nbsp;</span>")
            .arg(QLatin1String(background), candidate);
    };
    QString legend;
    if (!placement)
        legend = sample(kPatternCell, Candidate(patternDigit, true, false, false)) +
                 QStringLiteral(" ") + game::MessageText(173, QStringLiteral("le motif")) +
                 QStringLiteral(" &nbsp; &nbsp; ");
    return legend +
           sample(placement ? kPlacementCell : kRemovalCell,
                  Candidate(digit, false, !placement, placement)) +
           QStringLiteral(" ") +
           (placement ? game::MessageText(175, QStringLiteral("posé"))
                      : game::MessageText(174, QStringLiteral("supprimé")));
}

QString ExampleHtml(const Example& example) {
    const engine::Deduction& deduction = example.Deduction;
    return QStringLiteral("<h3>%1</h3>\n")
               .arg(game::MessageText(172, QStringLiteral("Exemple tiré d'une vraie partie"))
                        .toHtmlEscaped()) +
           BoardHtml(example) + QStringLiteral("<p>%1</p>\n").arg(LegendHtml(deduction)) +
           QStringLiteral("<p>%1</p>\n")
               .arg(
                   game::MessageText(177, QStringLiteral("Ligne du panneau d'analyse : %1"))
                       .toHtmlEscaped()
                       .arg(QStringLiteral("<b>%1</b>").arg(example.FindingText.toHtmlEscaped()))) +
           QStringLiteral("<p>%1</p>\n")
               .arg(game::MessageText(176, QStringLiteral("À chercher : %1"))
                        .arg(game::TechniqueName(deduction))
                        .toHtmlEscaped()) +
           QStringLiteral("<p>%1</p>\n").arg(game::ExplainDeduction(deduction).toHtmlEscaped());
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() < 5) {
        std::fputs("usage: make_help TRANSLATIONS LANGUAGE TEMPLATE OUTPUT PUZZLE_FILE...\n",
                   stderr);
        return 2;
    }
    game::SetMessages(
        services::ReadTranslationSection(args[0], QStringLiteral("Messages"), args[1], true));
    Examples examples;
    for (const QString& puzzles : args.mid(4))
        FindExamples(puzzles, examples);

    QFile page(args[2]);
    if (!page.open(QIODevice::ReadOnly | QIODevice::Text)) {
        std::fprintf(stderr, "make_help: cannot read %s\n", qUtf8Printable(args[2]));
        return 1;
    }
    QString text = QString::fromUtf8(page.readAll());
    for (int family = 0; family < engine::kFamilyCount; ++family) {
        const QString marker = QStringLiteral("<!--EXAMPLE %1-->").arg(family);
        if (!examples[std::size_t(family)] || !text.contains(marker)) {
            std::fprintf(stderr, "make_help: no example of family %d or no place for it\n", family);
            return 1;
        }
        text.replace(marker, ExampleHtml(*examples[std::size_t(family)]));
    }
    QFile out(args[3]);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Text) || out.write(text.toUtf8()) < 0) {
        std::fprintf(stderr, "make_help: cannot write %s\n", qUtf8Printable(args[3]));
        return 1;
    }
    return 0;
}

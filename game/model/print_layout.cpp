#include "game/model/print_layout.h"

#include "game/model/game_session.h"

#include <cmath>

namespace game::print {

namespace {

// Offsets of a digit in its cell, and of the first candidate of the telephone pad.
constexpr int DigitLeft = 40;
constexpr int DigitTop = 15;
constexpr int CandidateLeft = 10;
constexpr int CandidateTop = 3;
constexpr int CandidateStep = 40;

void AddGridLines(PageLayout& page) {
    for (int i = 0; i <= 9; ++i) {
        const int width = i % 3 == 0 ? ThickLineWidth : ThinLineWidth;
        page.Lines.append({OriginX, OriginY + i * CellSize, Across, width, GridSize});
        page.Lines.append({OriginX + i * CellSize, OriginY, Down, width, GridSize});
    }
}

void AddCellTexts(PageLayout& page, const BoardCell& cell, bool showCandidates) {
    const int left = (cell.Col() - 1) * CellSize + OriginX;
    const int top = (cell.Row() - 1) * CellSize + OriginY;
    if (cell.Digit() != 0) {
        page.Texts.append({left + DigitLeft, top + DigitTop, cell.Number(), DigitFont});
        return;
    }
    if (!showCandidates)
        return;
    for (const QChar candidate : cell.CandidateString()) {
        const int index = candidate.digitValue() - 1;
        page.Texts.append({left + CandidateLeft + CandidateStep * (index % 3),
                           top + CandidateTop + CandidateStep * (index / 3), QString(candidate),
                           CandidateFont});
    }
}

} // namespace

PageLayout LayOutGrid(const GameSession& session) {
    PageLayout page;
    AddGridLines(page);
    for (const BoardCell& cell : session.Cells())
        AddCellTexts(page, cell, session.CandidateDisplayOn());
    return page;
}

// The offset is a length in printer pixels, so it is taken off after scaling: the grid then
// lands at its page position from the sheet's corner whatever the printer's unprintable margin.
QPoint PageScale::ToPrinter(int x, int y) const {
    return QPoint(int(std::lround(x * ScaleX - PhysOffsetX)),
                  int(std::lround(y * ScaleY - PhysOffsetY)));
}

int PageScale::PrinterLength(char direction, int length) const {
    return int(std::lround(length * (direction == Down ? ScaleY : ScaleX)));
}

} // namespace game::print

#include "tests/engine/position_builder.h"

#include <QRegularExpression>

namespace testing {

void SetCandidates(engine::GridState& grid, const QStringList& cells) {
    static const QRegularExpression entry(QStringLiteral("^L([1-9])C([1-9]):([1-9]*)$"));
    for (const QString& cell : cells) {
        const QRegularExpressionMatch match = entry.match(cell);
        if (!match.hasMatch())
            qFatal("malformed cell entry: %s", qPrintable(cell));
        engine::CandidateSet set = 0;
        for (QChar digit : match.captured(3))
            set |= engine::DigitBit(digit.digitValue());
        grid.At(match.captured(1).toInt(), match.captured(2).toInt()).Candidates = set;
    }
}

engine::GridState CandidateGrid(const QStringList& cells, engine::GridState::Order order) {
    engine::GridState grid(order);
    for (engine::CellState& cell : grid.Cells)
        cell.Candidates = 0;
    SetCandidates(grid, cells);
    return grid;
}

QStringList Describe(const engine::FindingList& list) {
    QStringList lines;
    for (const engine::Finding& f : list) {
        QString line = QStringLiteral("L%1C%2 %3 %4 F%5 S%6 %7")
                           .arg(f.Row)
                           .arg(f.Col)
                           .arg(QChar(f.Digit))
                           .arg(QChar(f.Action))
                           .arg(f.Family)
                           .arg(f.Seq)
                           .arg(QChar(f.Trace));
        if (!f.Text.empty())
            line += QLatin1Char(' ') + QString::fromStdString(f.Text);
        lines << line;
    }
    return lines;
}

} // namespace testing

#pragma once
// Shared set-up of the grid model tests: settings whose colours tell each other apart, a solved
// grid to cut puzzles from, and readers of the board.

#include "game/model/game_session.h"

#include <QFile>

#include <QString>
#include <QStringList>
#include <QTest>

#include <memory>
#include <utility>
#include <vector>

namespace fixture {

using game::Mode;
using game::Operation;

inline game::GameSettings DistinctSettings() {
    game::GameSettings settings;
    settings.GivenColour = 0x000001;
    settings.PlayedColour = 0x000002;
    settings.CandidateColour = 0x000003;
    settings.ActingColour = 0x000004;
    settings.ReferenceColour = 0x000005;
    return settings;
}

// A grid as New creates it: InitBoard done, input mode, history holding its "S" entry.
inline std::unique_ptr<game::GameSession>
NewGrid(const game::GameSettings& settings = DistinctSettings()) {
    auto session = std::make_unique<game::GameSession>(settings);
    session->InitBoard();
    return session;
}

// A complete valid grid, row by row.
inline const QString kSolution = QStringLiteral("534678912"
                                                "672195348"
                                                "198342567"
                                                "859761423"
                                                "426853791"
                                                "713924856"
                                                "961537284"
                                                "287419635"
                                                "345286179");

inline int SolutionDigit(int row, int col) {
    return kSolution[(row - 1) * 9 + col - 1].digitValue();
}

// The solution with the given cells emptied (".").
inline QString WithHoles(const std::vector<std::pair<int, int>>& holes) {
    QString text = kSolution;
    for (auto [row, col] : holes)
        text[(row - 1) * 9 + col - 1] = u'.';
    return text;
}

// The solution with row 1 and column 1 emptied: 16 naked singles, then (1,1) in a second run.
inline QString RowAndColumnOneEmpty() {
    std::vector<std::pair<int, int>> holes;
    for (int i = 1; i <= 9; ++i) {
        holes.emplace_back(1, i);
        holes.emplace_back(i, 1);
    }
    return WithHoles(holes);
}

// The board's digits row by row, "." for empty cells.
inline QString BoardText(const game::GameSession& session) {
    QString text;
    for (int row = 1; row <= 9; ++row)
        for (int col = 1; col <= 9; ++col) {
            const int digit = session.Cell(row, col).Digit();
            text += digit == 0 ? QChar(u'.') : QChar(u'0' + digit);
        }
    return text;
}

inline game::HistoryEntry Entry(int row, int col, int chiffre, Operation operation) {
    return game::HistoryEntry{std::uint8_t(row), std::uint8_t(col), std::uint8_t(chiffre),
                              operation};
}

inline game::HistoryEntry ModeEntry(Operation operation) {
    return game::HistoryEntry{0, 0, 0, operation};
}

// "S; P 1 1 5; R": a history as one readable line, for comparisons that show what differs.
inline QString HistoryText(const game::ActionHistory& history) {
    QStringList parts;
    for (const game::HistoryEntry& entry : history) {
        const QChar operation = QChar::fromLatin1(game::Letter(entry.Operation));
        parts << (entry.Row == 0 && entry.Col == 0 ? QString(operation)
                                                   : QStringLiteral("%1 %2 %3 %4")
                                                         .arg(operation)
                                                         .arg(entry.Row)
                                                         .arg(entry.Col)
                                                         .arg(entry.Digit));
    }
    return parts.join(QStringLiteral("; "));
}

inline QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace fixture

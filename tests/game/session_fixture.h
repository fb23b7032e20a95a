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

inline game::GameSettings DistinctSettings() {
    game::GameSettings settings;
    settings.Couleurdevoile = 0x000001;
    settings.CouleurChiffre = 0x000002;
    settings.CouleurCandidat = 0x000003;
    settings.CouleurJouable = 0x000004;
    settings.CouleurReference = 0x000005;
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

inline int SolutionDigit(int ligne, int colonne) {
    return kSolution[(ligne - 1) * 9 + colonne - 1].digitValue();
}

// The solution with the given cells emptied (".").
inline QString WithHoles(const std::vector<std::pair<int, int>>& holes) {
    QString text = kSolution;
    for (auto [ligne, colonne] : holes)
        text[(ligne - 1) * 9 + colonne - 1] = u'.';
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
    for (int ligne = 1; ligne <= 9; ++ligne)
        for (int colonne = 1; colonne <= 9; ++colonne) {
            const int digit = session.Cell(ligne, colonne).Digit();
            text += digit == 0 ? QChar(u'.') : QChar(u'0' + digit);
        }
    return text;
}

inline game::HistoryEntry Entry(int ligne, int colonne, int chiffre, char operation) {
    return game::HistoryEntry{std::uint8_t(ligne), std::uint8_t(colonne), std::uint8_t(chiffre),
                              operation};
}

inline game::HistoryEntry ModeEntry(char mode) {
    return game::HistoryEntry{0, 0, 0, mode};
}

// "S; P 1 1 5; R": a history as one readable line, for comparisons that show what differs.
inline QString HistoryText(const game::ActionHistory& history) {
    QStringList parts;
    for (const game::HistoryEntry& entry : history) {
        const QChar operation = QChar::fromLatin1(entry.Operation);
        parts << (entry.Ligne == 0 && entry.Colonne == 0 ? QString(operation)
                                                         : QStringLiteral("%1 %2 %3 %4")
                                                               .arg(operation)
                                                               .arg(entry.Ligne)
                                                               .arg(entry.Colonne)
                                                               .arg(entry.Chiffre));
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

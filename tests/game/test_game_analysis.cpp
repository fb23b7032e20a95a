// The analysis run after a move, the automatic application of ticked families, and the panel
// that lists, lights up and applies one configuration.
#include "tests/game/session_fixture.h"

#include <QSignalSpy>
#include <QTest>

#include <algorithm>
#include <tuple>

using game::GameSession;
using namespace fixture;

namespace {

const QStringList kRestingLines = {QStringLiteral("0 Candidat seul dans leur case"),
                                   QStringLiteral("0 Candidat seul dans une unité L/C ou région"),
                                   QStringLiteral("0 jumeaux/triplés decouvert"),
                                   QStringLiteral("0 Inter action L/C avec région"),
                                   QStringLiteral("0 configuration franche"),
                                   QStringLiteral("0 configuration exclusive")};

QStringList FamilyLines(const GameSession& session) {
    QStringList lines;
    for (int family = 0; family < engine::kFamilyCount; ++family)
        lines << session.Panel().FamilyLine(family);
    return lines;
}

bool AnyChecked(const GameSession& session) {
    for (int family = 0; family < engine::kFamilyCount; ++family)
        if (session.Panel().IsChecked(family))
            return true;
    return false;
}

// The entries after the switch to play mode.
game::ActionHistory PlayMoves(const GameSession& session) {
    const game::ActionHistory& history = session.History();
    auto play = std::find(history.begin(), history.end(), ModeEntry(Operation::PlayMode));
    return play == history.end() ? game::ActionHistory{}
                                 : game::ActionHistory(play + 1, history.end());
}

// The solution minus the three cells (1,1)=5, (4,5)=6 and (8,9)=5, in play mode: each is a naked
// single and alone in its row, column and region.
std::unique_ptr<GameSession> ThreeHolesInPlay() {
    auto session = NewGrid();
    session->ImportText(WithHoles({{1, 1}, {4, 5}, {8, 9}}));
    session->StartPlay();
    return session;
}

// An empty board in play mode where 5 has left region 1 but for (1,1) and (1,2): one twin
// configuration, whose removals are 5 from (1,4)..(1,9).
std::unique_ptr<GameSession> TwinsOfFiveInRow1() {
    auto session = NewGrid();
    session->StartPlay();
    for (auto [row, col] : {std::pair{1, 3}, {2, 1}, {2, 2}, {2, 3}, {3, 1}, {3, 2}, {3, 3}})
        session->ApplyCellChoice(row, col, Operation::RemoveCandidate, 5);
    return session;
}

} // namespace

class TestGameAnalysis : public QObject {
    Q_OBJECT

private slots:
    void noFamilyCheckedOnlyReports() {
        auto session = ThreeHolesInPlay();
        QCOMPARE(BoardText(*session), WithHoles({{1, 1}, {4, 5}, {8, 9}}));
        QVERIFY(session->TraceLines().isEmpty());
        QVERIFY(PlayMoves(*session).empty());
        const engine::Finding& first = session->Findings().front();
        QCOMPARE(first.Row, 1);
        QCOMPARE(first.Col, 1);
        QCOMPARE(first.Digit, '5');
        QCOMPARE(first.Action, 'P');
        QCOMPARE(first.Family, 0);
        QCOMPARE(first.Trace, 'O');
        QCOMPARE(QString::fromStdString(first.Text), QStringLiteral("Le 5 seul dans la case L1C1"));
        QVERIFY(session->TimerRunning());
    }

    void nakedSinglesSolveTheGridRunAfterRun() {
        auto session = NewGrid();
        session->ImportText(RowAndColumnOneEmpty());
        session->StartPlay();
        session->CheckFamilies({0}, true);
        // First run: the 16 cells with one candidate, column 1 then row 1 (cells come column by
        // column). Second run: (1,1), whose five candidates are down to 5. Third run: full grid.
        const std::vector<std::pair<int, int>> order = {
            {2, 1}, {3, 1}, {4, 1}, {5, 1}, {6, 1}, {7, 1}, {8, 1}, {9, 1}, {1, 2},
            {1, 3}, {1, 4}, {1, 5}, {1, 6}, {1, 7}, {1, 8}, {1, 9}, {1, 1}};
        game::ActionHistory moves;
        QStringList trace;
        for (auto [row, col] : order) {
            const int digit = SolutionDigit(row, col);
            moves.push_back(Entry(row, col, digit, Operation::Place));
            trace << QStringLiteral("Le %1 seul dans la case L%2C%3").arg(digit).arg(row).arg(col)
                  << QStringLiteral("L%1 C%2 reçoit le : %3").arg(row).arg(col).arg(digit);
        }
        QCOMPARE(HistoryText(PlayMoves(*session)), HistoryText(moves));
        QCOMPARE(session->TraceLines(), trace);
        QCOMPARE(BoardText(*session), kSolution);
        QVERIFY(!session->TimerRunning());
        QCOMPARE(FamilyLines(*session), kRestingLines);
        QVERIFY(!AnyChecked(*session));
        QVERIFY(session->Findings().empty());
        QVERIFY(session->Modified());
    }

    void sameCellFromTwoFamiliesIsPlacedTwice() {
        auto session = ThreeHolesInPlay();
        QSignalSpy beeps(session.get(), &GameSession::beepRequested);
        session->CheckFamilies({0, 1}, true);
        // Family 0, then family 1 row by row, column by column, region by region.
        const QStringList texts = {
            QStringLiteral("Le 5 seul dans la case L1C1"),
            QStringLiteral("Le 6 seul dans la case L4C5"),
            QStringLiteral("Le 5 seul dans la case L8C9"),
            QStringLiteral("Le 5 seul sur la Ligne : 1 Colonne : 1"),
            QStringLiteral("Le 6 seul sur la Ligne : 4 Colonne : 5"),
            QStringLiteral("Le 5 seul sur la Ligne : 8 Colonne : 9"),
            QStringLiteral("Le 5 seul sur la Colonne : 1 Ligne : 1"),
            QStringLiteral("Le 6 seul sur la Colonne : 5 Ligne : 4"),
            QStringLiteral("Le 5 seul sur la Colonne : 9 Ligne : 8"),
            QStringLiteral("Le 5 seul sur la Region en L1C1"),
            QStringLiteral("Le 6 seul sur la Region en L4C5"),
            QStringLiteral("Le 5 seul sur la Region en L8C9"),
        };
        const std::vector<std::tuple<int, int, int>> cells = {{1, 1, 5}, {4, 5, 6}, {8, 9, 5}};
        game::ActionHistory moves;
        QStringList trace;
        for (qsizetype i = 0; i < texts.size(); ++i) {
            auto [row, col, digit] = cells[std::size_t(i % 3)];
            moves.push_back(Entry(row, col, digit, Operation::Place));
            trace << texts[i]
                  << QStringLiteral("L%1 C%2 reçoit le : %3").arg(row).arg(col).arg(digit);
        }
        QCOMPARE(HistoryText(PlayMoves(*session)), HistoryText(moves));
        QCOMPARE(session->TraceLines(), trace);
        QCOMPARE(beeps.count(), 0);
        QCOMPARE(BoardText(*session), kSolution);
    }

    void twinRemovalsAreAppliedViewLinesAreNot() {
        auto session = TwinsOfFiveInRow1();
        QCOMPARE(session->Panel().FamilyLine(2), QStringLiteral("1 Jumeaux/Triplés découvert(s)"));
        QCOMPARE(session->Panel().FamilyLine(3),
                 QStringLiteral("0 interaction L/C et regions découvert(s)"));
        const std::size_t before = session->History().size();
        const qsizetype traced = session->TraceLines().size();
        session->CheckFamilies({2}, true);
        QStringList trace{QStringLiteral("Jumeaux/triplés de 5 en L1R1")};
        game::ActionHistory removals;
        for (int col = 4; col <= 9; ++col) {
            trace << QStringLiteral("L1 C%1 suppression du candidat : 5").arg(col);
            removals.push_back(Entry(1, col, 5, Operation::RemoveCandidate));
        }
        QCOMPARE(session->TraceLines().mid(traced), trace);
        QCOMPARE(HistoryText(game::ActionHistory(session->History().begin() + qsizetype(before),
                                                 session->History().end())),
                 HistoryText(removals));
        QVERIFY(session->Cell(1, 1).HasCandidate(5));
        QVERIFY(session->Cell(1, 2).HasCandidate(5));
        QVERIFY(!session->Cell(1, 9).HasCandidate(5));
        // The next run finds nothing more to remove; the tick stays.
        QCOMPARE(session->Panel().FamilyLine(2), QStringLiteral("0 Jumeaux/Triplés découvert(s)"));
        QVERIFY(session->Panel().IsChecked(2));
    }

    void runOnAFullGridStopsTheClockAndResetsThePanel() {
        auto session = NewGrid();
        session->ImportText(kSolution);
        session->CheckFamilies({4}, true);
        session->StartPlay();
        QVERIFY(!session->TimerRunning());
        session->TickSecond();
        QCOMPARE(session->ElapsedSeconds(), 0);
        QCOMPARE(session->CasesLabel(), QStringLiteral("81/81 cases"));
        QVERIFY(session->Findings().empty());
        QCOMPARE(FamilyLines(*session), kRestingLines);
        QVERIFY(!AnyChecked(*session));
        QVERIFY(session->TraceLines().isEmpty());
    }

    void tickInInputModeRunsNothing() {
        auto session = NewGrid();
        session->ImportText(WithHoles({{1, 1}, {4, 5}, {8, 9}}));
        session->CheckFamilies({0}, true);
        QVERIFY(session->Panel().IsChecked(0));
        QCOMPARE(session->Panel().FamilyLine(0), kRestingLines[0]);
        QCOMPARE(session->Cell(1, 1).Digit(), 0);
        QVERIFY(session->Findings().empty());
    }

    void familyLineListsItsConfigurations() {
        auto session = ThreeHolesInPlay();
        QSignalSpy results(session.get(), &GameSession::resultsChanged);
        session->SelectFamily(0);
        QCOMPARE(results.count(), 1);
        QCOMPARE(session->Panel().SelectedFamily(), 0);
        const std::vector<game::ListedFinding>& rows = session->Panel().Rows();
        QCOMPARE(rows.size(), std::size_t(3));
        QCOMPARE(rows[1].Text, QStringLiteral("Le 6 seul dans la case L4C5"));
        QCOMPARE(rows[1].Row, 4);
        QCOMPARE(rows[1].Col, 5);
        QCOMPARE(rows[1].Family, 0);
        QCOMPARE(rows[1].Seq, 1);
        QCOMPARE(rows[1].Action, 'P');
        // Only the line that stands for a configuration is listed, not its follow-up lines.
        auto twins = TwinsOfFiveInRow1();
        twins->SelectFamily(2);
        QCOMPARE(twins->Panel().Rows().size(), std::size_t(1));
        QCOMPARE(twins->Panel().Rows()[0].Text, QStringLiteral("Jumeaux/triplés de 5 en L1R1"));
        QCOMPARE(twins->Panel().Rows()[0].Action, 'V');
        // The next run (a tick removed starts one) empties the results grid.
        twins->CheckFamilies({5}, false);
        QVERIFY(twins->Panel().Rows().empty());
    }

    void familyLineWithoutFindingsListsNothing() {
        auto session = TwinsOfFiveInRow1();
        session->SelectFamily(3);
        QVERIFY(session->Panel().Rows().empty());
        const QString history = HistoryText(session->History());
        const QStringList trace = session->TraceLines();
        session->LightFinding(0);
        for (const game::BoardCell& cell : session->Cells())
            QCOMPARE(cell.BackgroundColour, game::kWhite);
        QCOMPARE(session->ApplyListedFinding(0), -1);
        QCOMPARE(HistoryText(session->History()), history);
        QCOMPARE(session->TraceLines(), trace);
    }

    void mouseDownLightsUpTheConfiguration() {
        auto session = TwinsOfFiveInRow1();
        session->SelectFamily(2);
        session->LightFinding(0);
        for (const game::BoardCell& cell : session->Cells()) {
            game::Colour expected = game::kWhite;
            if (cell.Row() == 1 && cell.Col() <= 2)
                expected = 0x000005; // the twins justify the removals
            else if (cell.Row() == 1 && cell.Col() >= 4)
                expected = 0x000004; // the cells that lose the candidate
            QCOMPARE(cell.BackgroundColour, expected);
        }
        session->LightFinding(1); // past the last row: nothing more
        session->ClearLighting();
        for (const game::BoardCell& cell : session->Cells())
            QCOMPARE(cell.BackgroundColour, game::kWhite);
    }

    void doubleClickAppliesTheConfiguration() {
        auto session = TwinsOfFiveInRow1();
        session->SetModified(false);
        session->CheckFamilies({0}, true);
        session->SelectFamily(2);
        const std::size_t before = session->History().size();
        const qsizetype traced = session->TraceLines().size();
        const int family = session->ApplyListedFinding(0);
        QCOMPARE(family, 2);
        QCOMPARE(session->TraceLines().size(), traced + 1 + 6);
        QCOMPARE(session->TraceLines().at(traced), QStringLiteral("Jumeaux/triplés de 5 en L1R1"));
        QCOMPARE(session->History().size(), before + 6);
        QVERIFY(session->Modified());
        session->RefreshAfterListedFinding(family);
        QVERIFY(!AnyChecked(*session));
        QCOMPARE(session->Panel().SelectedFamily(), 2);
        QVERIFY(session->Panel().Rows().empty());
        QCOMPARE(session->Panel().FamilyLine(2), QStringLiteral("0 Jumeaux/Triplés découvert(s)"));
        QCOMPARE(session->History().size(), before + 6);
    }
};

QTEST_GUILESS_MAIN(TestGameAnalysis)
#include "test_game_analysis.moc"

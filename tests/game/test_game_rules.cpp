// The rules of one grid: placements and removals with their trace lines, modes, the selector's
// set-up, the cell click, the clock, the switches and the modified state.
#include "tests/game/session_fixture.h"

#include <QSignalSpy>
#include <QTest>

using game::GameSession;
using namespace fixture;

namespace {

// A grid in play mode on an empty board.
std::unique_ptr<GameSession> EmptyGridInPlay() {
    auto session = NewGrid();
    session->StartPlay();
    return session;
}

} // namespace

class TestGameRules : public QObject {
    Q_OBJECT

private slots:
    void newGridStartsInInputMode() {
        auto session = NewGrid();
        QCOMPARE(session->CurrentMode(), Mode::Input);
        QCOMPARE(HistoryText(session->History()), QStringLiteral("S"));
        QVERIFY(!session->Modified());
        QVERIFY(!session->TimerRunning());
        QCOMPARE(session->TimerLabel(), QStringLiteral("00:00:00"));
        QCOMPARE(session->CasesLabel(), QStringLiteral("/81"));
        // Cells come column by column, each named by its row, column and region.
        const game::BoardCell& cell = session->Cells()[67];
        QCOMPARE(cell.Row(), 5);
        QCOMPARE(cell.Col(), 8);
        QCOMPARE(cell.Region(), 6);
        QCOMPARE(cell.CandidateString(), QStringLiteral("123456789"));
        QCOMPARE(cell.CandidateColour, game::Colour(0x000003));
        QCOMPARE(cell.BackgroundColour, game::kWhite);
        QCOMPARE(session->Cell(4, 7).Region(), 6);
    }

    void placingInPlayModeWritesTraceAndClearsPeers() {
        auto session = EmptyGridInPlay();
        QSignalSpy beeps(session.get(), &GameSession::beepRequested);
        session->ApplyCellChoice(1, 1, Operation::Place, 5);
        QCOMPARE(session->TraceLines(), QStringList{QStringLiteral("L1 C1 reçoit le : 5")});
        QCOMPARE(beeps.count(), 0);
        const game::BoardCell& cell = session->Cell(1, 1);
        QCOMPARE(cell.Number(), QStringLiteral("5"));
        QCOMPARE(cell.CandidateString(), QString());
        QCOMPARE(cell.PlayedColour, game::Colour(0x000002));
        for (auto [row, col] : {std::pair{1, 9}, {9, 1}, {3, 3}})
            QVERIFY2(!session->Cell(row, col).HasCandidate(5), "peer keeps the digit");
        for (auto [row, col] : {std::pair{2, 4}, {4, 4}, {9, 9}})
            QVERIFY2(session->Cell(row, col).HasCandidate(5), "non-peer lost the digit");
        QCOMPARE(session->CasesLabel(), QStringLiteral("1/81 cases"));
    }

    void placingTwice_data() {
        QTest::addColumn<bool>("play");
        QTest::addColumn<int>("row"); // of the second placing, always in row 1 or 2, column <= 3
        QTest::addColumn<int>("col");
        QTest::addColumn<int>("digit");
        QTest::addColumn<QStringList>("trace");
        QTest::addColumn<int>("beeps");
        QTest::addColumn<QString>("lostAtRowOneColumnNine");
        QTest::addColumn<game::Colour>("colour");
        const QString first = QStringLiteral("L1 C1 reçoit le : 5");
        QTest::newRow("the digit the cell shows")
            << true << 1 << 1 << 5 << QStringList{first, first} << 0 << "5" << game::Colour(2);
        QTest::newRow("a digit a peer holds")
            << true << 1 << 2 << 5
            << QStringList{first, "FAUX - L1 C2le 5 déjà posé.", "L1 C2 reçoit le : 5"} << 1 << "5"
            << game::Colour(2);
        // The old digit does not come back as a candidate.
        QTest::newRow("overwriting a digit")
            << true << 1 << 1 << 6
            << QStringList{first, "FAUX - L1 C1le 6 déjà posé.", "L1 C1 reçoit le : 6"} << 1 << "56"
            << game::Colour(2);
        QTest::newRow("input mode writes only the FAUX line")
            << false << 1 << 2 << 5 << QStringList{"FAUX - L1 C2le 5 déjà posé."} << 1 << "5"
            << game::Colour(1);
    }

    void placingTwice() {
        QFETCH(bool, play);
        QFETCH(int, row);
        QFETCH(int, col);
        QFETCH(int, digit);
        QFETCH(QStringList, trace);
        QFETCH(int, beeps);
        QFETCH(QString, lostAtRowOneColumnNine);
        QFETCH(game::Colour, colour);
        auto session = play ? EmptyGridInPlay() : NewGrid();
        QSignalSpy beepSpy(session.get(), &GameSession::beepRequested);
        session->ApplyCellChoice(1, 1, Operation::Place, 5);
        session->ApplyCellChoice(row, col, Operation::Place, digit);
        QCOMPARE(beepSpy.count(), beeps);
        QCOMPARE(session->TraceLines(), trace);
        QCOMPARE(session->Cell(row, col).Digit(), digit);
        QCOMPARE(session->Cell(row, col).PlayedColour, colour);
        for (QChar lost : lostAtRowOneColumnNine)
            QVERIFY(!session->Cell(1, 9).HasCandidate(lost.digitValue()));
        QCOMPARE(session->CasesLabel(), QStringLiteral("%1/81 cases").arg(col == 1 ? 1 : 2));
    }

    void removingACandidate_data() {
        QTest::addColumn<bool>("play");
        QTest::addColumn<QStringList>("trace");
        QTest::newRow("input mode: no trace line") << false << QStringList{};
        QTest::newRow("play mode: its trace line")
            << true << QStringList{QStringLiteral("L3 C4 suppression du candidat : 7")};
    }

    void removingACandidate() {
        QFETCH(bool, play);
        QFETCH(QStringList, trace);
        auto session = play ? EmptyGridInPlay() : NewGrid();
        const QString counter = session->CasesLabel();
        QSignalSpy counterChanges(session.get(), &GameSession::casesLabelChanged);
        session->ApplyCellChoice(3, 4, Operation::RemoveCandidate, 7);
        session->ApplyCellChoice(3, 4, Operation::RemoveCandidate, 7); // already gone: nothing more
        QCOMPARE(session->Cell(3, 4).CandidateString(), QStringLiteral("12345689"));
        QCOMPARE(session->TraceLines(), play ? trace + trace : trace);
        QCOMPARE(session->CasesLabel(), counter);
        QCOMPARE(counterChanges.count(), 0);
        QVERIFY(session->Cell(3, 5).HasCandidate(7));
    }

    void switchingModes() {
        auto session = EmptyGridInPlay();
        QCOMPARE(HistoryText(session->History()), QStringLiteral("S; R"));
        QVERIFY(session->TimerRunning());
        session->TickSecond();
        session->TickSecond();
        QCOMPARE(session->ElapsedSeconds(), 2);
        session->ApplyCellChoice(1, 1, Operation::Place, 5);
        session->CheckFamilies({3}, true);
        session->EraseAll();
        QCOMPARE(session->CurrentMode(), Mode::Input);
        QCOMPARE(HistoryText(session->History()), QStringLiteral("S"));
        QVERIFY(session->TraceLines().isEmpty());
        QCOMPARE(session->ElapsedSeconds(), 0);
        QCOMPARE(session->TimerLabel(), QStringLiteral("00:00:00"));
        QVERIFY(!session->TimerRunning());
        QVERIFY(!session->Panel().IsChecked(3));
        QCOMPARE(session->Panel().FamilyLine(3), QStringLiteral("0 Inter action L/C avec région"));
    }

    void jouerSwitchesToPlayAndRunsTheAnalysis() {
        auto session = NewGrid();
        QVERIFY(session->ImportText(WithHoles({{1, 1}, {4, 5}, {8, 9}})).isEmpty());
        session->StartPlay();
        QCOMPARE(session->CurrentMode(), Mode::Play);
        QCOMPARE(session->History().back(), ModeEntry(Operation::PlayMode));
        QVERIFY(!session->Modified());
        QVERIFY(session->TimerRunning());
        QCOMPARE(session->CasesLabel(), QStringLiteral("78/81 cases"));
        // One naked single per empty cell; each is also alone in its row, column and region.
        QCOMPARE(session->Panel().FamilyLine(0),
                 QStringLiteral("3 Candidat(s) seul(s) dans leur case"));
        QCOMPARE(session->Panel().FamilyLine(1),
                 QStringLiteral("9 Candidat(s) seul(s) dans une unité L/C ou R"));
        QCOMPARE(session->Panel().FamilyLine(2), QStringLiteral("0 Jumeaux/Triplés découvert(s)"));
        QVERIFY(session->TraceLines().isEmpty());
    }

    void eraseAllLeavesOneInputEntry() {
        auto session = NewGrid();
        session->ApplyCellChoice(1, 1, Operation::Place, 5);
        session->ApplyCellChoice(2, 2, Operation::RemoveCandidate, 3);
        session->EraseAll();
        QCOMPARE(HistoryText(session->History()), QStringLiteral("S"));
        QCOMPARE(session->CurrentMode(), Mode::Input);
        for (const game::BoardCell& cell : session->Cells()) {
            QCOMPARE(cell.Digit(), 0);
            QCOMPARE(cell.CandidateCount(), 9);
        }
        QVERIFY(session->Modified()); // erasing neither marks nor clears it

        auto untouched = NewGrid();
        untouched->EraseAll();
        QVERIFY(!untouched->Modified());
    }

    void selectorSetup_data() {
        QTest::addColumn<bool>("protection");
        QTest::addColumn<bool>("play");
        QTest::addColumn<bool>("leftButton");
        QTest::addColumn<int>("col");
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("placeDigits");
        QTest::addColumn<QString>("candidateDigits");
        QTest::addColumn<game::Colour>("colour");
        const QString all = QStringLiteral("123456789");
        const QString open = QStringLiteral("1345678");
        // Cell (1,1) has lost 2 (row) and 9 (column); cell (1,2) holds the given 2.
        QTest::newRow("unprotected, input, left")
            << false << false << true << 1 << 0 << all << all << game::Colour(1);
        QTest::newRow("unprotected, play, right")
            << false << true << false << 1 << 1 << all << all << game::Colour(2);
        QTest::newRow("protected, input, right: no candidate button")
            << true << false << false << 1 << 1 << open << QString() << game::Colour(1);
        QTest::newRow("protected, play, left")
            << true << true << true << 1 << 0 << open << open << game::Colour(2);
        QTest::newRow("protected given in play: nothing enabled")
            << true << true << true << 2 << 0 << QString() << QString() << game::Colour(2);
        QTest::newRow("unprotected given: may be overwritten")
            << false << true << true << 2 << 0 << all << all << game::Colour(2);
    }

    void selectorSetup() {
        QFETCH(bool, protection);
        QFETCH(bool, play);
        QFETCH(bool, leftButton);
        QFETCH(int, col);
        QFETCH(int, page);
        QFETCH(QString, placeDigits);
        QFETCH(QString, candidateDigits);
        QFETCH(game::Colour, colour);
        auto session = NewGrid();
        session->ApplyCellChoice(1, 2, Operation::Place, 2);
        session->ApplyCellChoice(2, 1, Operation::Place, 9);
        if (play)
            session->StartPlay();
        session->SetProtection(protection);
        const game::SelectorSetup setup = session->PrepareSelector(1, col, leftButton);
        QCOMPARE(setup.Page, page);
        QCOMPARE(setup.PlaceDigits, placeDigits);
        QCOMPARE(setup.CandidateDigits, candidateDigits);
        QCOMPARE(setup.PlaceColour, colour);
        QCOMPARE(setup.CandidateColour, game::Colour(3));
        // The cell takes the mode's digit colour before the selector opens, even if it is
        // cancelled.
        QCOMPARE(session->Cell(1, col).PlayedColour, colour);
    }

    void cellChoiceRecordsAndReportsDeadEnds() {
        auto session = NewGrid();
        QSignalSpy beeps(session.get(), &GameSession::beepRequested);
        for (int d = 1; d <= 9; ++d)
            session->ApplyCellChoice(5, 5, Operation::RemoveCandidate, d);
        QVERIFY(session->Modified());
        QCOMPARE(HistoryText(session->History()),
                 QStringLiteral("S; C 5 5 1; C 5 5 2; C 5 5 3; C 5 5 4; C 5 5 5; C 5 5 6; C 5 5 7; "
                                "C 5 5 8; C 5 5 9"));
        QCOMPARE(session->TraceLines(),
                 QStringList{QStringLiteral("FAUX - L5  C5  sans candidats.")});
        QCOMPARE(beeps.count(), 1);
        for (int d = 1; d <= 9; ++d)
            session->ApplyCellChoice(3, 2, Operation::RemoveCandidate, d);
        // Every later cell action reports every dead end again, in cell order (column by column).
        session->ApplyCellChoice(9, 9, Operation::Place, 1);
        const QStringList trace = session->TraceLines();
        QCOMPARE(trace.mid(trace.size() - 2),
                 (QStringList{QStringLiteral("FAUX - L3  C2  sans candidats."),
                              QStringLiteral("FAUX - L5  C5  sans candidats.")}));
        // (5,5) once, then with each choice on (3,2), both after its last one, both at the end.
        QCOMPARE(beeps.count(), 1 + 8 + 2 + 2);
    }

    void cellChoiceInPlayModeRunsTheAnalysis() {
        auto session = NewGrid();
        session->ImportText(WithHoles({{1, 1}, {4, 5}, {8, 9}}));
        session->StartPlay();
        session->ApplyCellChoice(1, 1, Operation::Place, 5);
        QCOMPARE(session->TraceLines(), QStringList{QStringLiteral("L1 C1 reçoit le : 5")});
        QCOMPARE(session->History().back(), Entry(1, 1, 5, Operation::Place));
        QVERIFY(session->Modified());
        QCOMPARE(session->Panel().FamilyLine(0),
                 QStringLiteral("2 Candidat(s) seul(s) dans leur case"));
        QCOMPARE(session->Panel().FamilyLine(1),
                 QStringLiteral("6 Candidat(s) seul(s) dans une unité L/C ou R"));
    }

    void cellChoiceOffTheBoardIsIgnored() {
        auto session = NewGrid();
        session->ApplyCellChoice(10, 1, Operation::Place, 5);
        session->ApplyCellChoice(1, 1, Operation::Place, 0);
        session->ApplyCellChoice(1, 1, static_cast<Operation>('V'), 5);
        session->ApplyCellChoice(1, 1, Operation::PlayMode, 5);
        QCOMPARE(session->CasesLabel(), QStringLiteral("/81"));
        QCOMPARE(HistoryText(session->History()), QStringLiteral("S"));
        QVERIFY(!session->Modified());
    }

    void clockCountsOnlyInPlayMode() {
        auto session = NewGrid();
        session->TickSecond();
        QCOMPARE(session->ElapsedSeconds(), 0);
        session->StartPlay();
        QSignalSpy labels(session.get(), &GameSession::timerLabelChanged);
        for (int i = 0; i < 3661; ++i)
            session->TickSecond();
        QCOMPARE(session->ElapsedSeconds(), 3661);
        QCOMPARE(session->TimerLabel(), QStringLiteral("01:01:01"));
        QCOMPARE(labels.count(), 3661);
    }

    void modifiedStateAndCloseQuestion() {
        auto session = NewGrid();
        QSignalSpy changes(session.get(), &GameSession::modifiedChanged);
        session->StartPlay();
        QVERIFY(!session->CloseNeedsQuestion());
        session->ApplyCellChoice(1, 1, Operation::Place, 5);
        QVERIFY(session->CloseNeedsQuestion());
        session->SetModified(true);
        QCOMPARE(changes.count(), 1);
        session->SetModified(false);
        QCOMPARE(changes.count(), 2);
        QCOMPARE(changes.at(1).at(0).toBool(), false);
        QVERIFY(!session->CloseNeedsQuestion());
    }

    void settingsPressTheSwitchesAndColourCandidates() {
        game::GameSettings settings = DistinctSettings();
        settings.ShowCandidates = true;
        settings.Protection = true;
        auto session = NewGrid(settings);
        QVERIFY(session->CandidateDisplayOn());
        QVERIFY(session->ProtectionOn());
        for (const game::BoardCell& cell : session->Cells())
            QVERIFY(cell.ShowsCandidates);
        session->SetCandidateDisplay(false);
        for (const game::BoardCell& cell : session->Cells())
            QVERIFY(!cell.ShowsCandidates);
        QVERIFY(!NewGrid()->ProtectionOn());
        settings.CandidateColour = 0x00ABCDEF;
        session->RedrawInNewColours(settings);
        for (const game::BoardCell& cell : session->Cells())
            QCOMPARE(cell.CandidateColour, game::Colour(0x00ABCDEF));
    }
};

QTEST_GUILESS_MAIN(TestGameRules)
#include "test_game_rules.moc"

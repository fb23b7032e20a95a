// The rules of one grid, played as scripts whose journal (every event and the position after each
// command) is compared with a golden file: placements and removals with their trace lines, modes,
// the selector's set-up, the clock, undo and restart, the analysis run and its panel. Then the
// grid texts: import, paste and copy.
#include "tests/game/session_fixture.h"
#include "tests/golden.h"

#include <QTest>

using game::GameSession;
using namespace fixture;

namespace {

// Runs the commands, separated by "; ", on a new grid and writes down what each one does.
//   P|C|<any letter> ROW COL DIGITS   a cell choice for each digit in turn
//   holes RC...   imports the solution without the cells RC ("11 45" for (1,1) and (4,5))
//   play, undo, restart, erase, unlight, copy, redraw (a new candidate colour)
//   tick N, modified 0|1, protect 0|1, candidates 0|1, check FAMILIES 0|1, select FAMILY,
//   light ROW, apply ROW (the double-click: both halves), selector ROW COL L|R
QString Journal(const QString& script, const game::GameSettings& settings) {
    auto session = NewGrid(settings);
    QString journal;
    GameSession* s = session.get();
    QObject::connect(s, &GameSession::traceLineAdded, [&](const QString& line) {
        journal += QStringLiteral("trace: ") + line + u'\n';
    });
    QObject::connect(s, &GameSession::traceCleared,
                     [&] { journal += QStringLiteral("trace cleared\n"); });
    QObject::connect(s, &GameSession::beepRequested, [&] { journal += QStringLiteral("beep\n"); });
    QObject::connect(s, &GameSession::modifiedChanged, [&](bool modified) {
        journal += QStringLiteral("modified: %1\n").arg(modified);
    });
    for (const QString& command : script.split(QStringLiteral("; "))) {
        journal += QStringLiteral("\n> ") + command + u'\n';
        const QStringList w = command.split(u' ');
        const auto n = [&w](int i) { return w.value(i).toInt(); };
        if (w[0] == u"holes") {
            std::vector<std::pair<int, int>> holes;
            for (const QString& cell : w.mid(1))
                holes.emplace_back(cell[0].digitValue(), cell[1].digitValue());
            journal += s->ImportText(WithHoles(holes));
        } else if (w[0] == u"play") {
            s->StartPlay();
        } else if (w[0] == u"undo") {
            s->Undo();
        } else if (w[0] == u"restart") {
            s->Restart();
        } else if (w[0] == u"erase") {
            s->EraseAll();
        } else if (w[0] == u"unlight") {
            s->ClearLighting();
        } else if (w[0] == u"copy") {
            journal += s->CopyGrid() + u'\n';
        } else if (w[0] == u"redraw") {
            game::GameSettings redrawn = settings;
            redrawn.CandidateColour = 0xABCDEF;
            s->RedrawInNewColours(redrawn);
        } else if (w[0] == u"tick") {
            for (int i = 0; i < n(1); ++i)
                s->TickSecond();
        } else if (w[0] == u"modified") {
            s->SetModified(n(1) != 0);
        } else if (w[0] == u"protect") {
            s->SetProtection(n(1) != 0);
        } else if (w[0] == u"candidates") {
            s->SetCandidateDisplay(n(1) != 0);
        } else if (w[0] == u"check") {
            QList<int> families;
            for (QChar family : w[1])
                families << family.digitValue();
            s->CheckFamilies(families, n(2) != 0);
        } else if (w[0] == u"select") {
            s->SelectFamily(n(1));
        } else if (w[0] == u"light") {
            s->LightFinding(n(1));
        } else if (w[0] == u"apply") {
            const int family = s->ApplyListedFinding(n(1));
            journal += QStringLiteral("applied family %1\n").arg(family);
            if (family >= 0)
                s->RefreshAfterListedFinding(family);
        } else if (w[0] == u"selector") {
            const game::SelectorSetup setup = s->PrepareSelector(n(1), n(2), w[3] == u"L");
            journal += QStringLiteral("page %1, place %2 in %3, candidates %4 in %5\n")
                           .arg(setup.Page)
                           .arg(setup.PlaceDigits)
                           .arg(setup.PlaceColour)
                           .arg(setup.CandidateDigits)
                           .arg(setup.CandidateColour);
        } else {
            for (QChar digit : w[3])
                s->ApplyCellChoice(n(1), n(2), static_cast<game::Operation>(w[0][0].toLatin1()),
                                   digit.digitValue());
        }
        journal += PositionText(*s) + QStringLiteral("history: ") + HistoryText(s->History()) +
                   QStringLiteral("\nmodified %1, clock %2, protection %3, candidates %4\n")
                       .arg(s->Modified())
                       .arg(s->TimerLabel())
                       .arg(s->ProtectionOn())
                       .arg(s->CandidateDisplayOn());
        for (int family = 0; family < engine::kFamilyCount; ++family)
            journal +=
                (s->Panel().IsChecked(family) ? QStringLiteral("[x] ") : QStringLiteral("[ ] ")) +
                s->Panel().FamilyLine(family) + u'\n';
        for (const game::ListedFinding& row : s->Panel().Rows())
            journal += QStringLiteral("row of family %1: %2 (L%3 C%4, configuration %5, %6)\n")
                           .arg(s->Panel().SelectedFamily())
                           .arg(row.Text)
                           .arg(row.Row)
                           .arg(row.Col)
                           .arg(row.Seq)
                           .arg(QChar::fromLatin1(row.Action));
        journal += QStringLiteral("findings: %1\n").arg(s->Findings().size());
    }
    return journal;
}

// 5 has left region 1 but for (1,1) and (1,2): twins whose removals are 5 from (1,4)..(1,9).
const QString kTwinsOfFive =
    QStringLiteral("play; C 1 3 5; C 2 1 5; C 2 2 5; C 2 3 5; C 3 1 5; C 3 2 5; C 3 3 5");
const QString kShortGame = QStringLiteral("P 1 1 5; P 2 2 7; C 9 9 4; play; P 5 5 3; C 6 6 8");

} // namespace

class TestGameRules : public QObject {
    Q_OBJECT

private slots:
    void scripts_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<bool>("switchesOn"); // candidates shown and protection on from the start
        QTest::newRow("placing") << "P 1 1 5; P 1 2 5; C 3 4 77; play; P 5 5 3; P 5 5 3; "
                                    "P 5 6 3; P 5 5 4; C 6 6 88; tick 3661; modified 0; erase"
                                 << false;
        QTest::newRow("choices off the board")
            << "P 10 1 5; P 1 1 0; V 1 1 5; R 1 1 5; S 1 1 5; T 1 1 5; erase" << false;
        QTest::newRow("dead ends") << "C 5 5 123456789; C 3 2 123456789; P 9 9 1" << false;
        QTest::newRow("selector") << "P 1 2 2; P 2 1 9; selector 1 1 L; selector 1 2 R; "
                                     "protect 1; selector 1 1 R; selector 1 2 L; play; "
                                     "selector 1 1 L; selector 1 2 L; protect 0; selector 1 2 R"
                                  << false;
        QTest::newRow("switches") << "redraw; candidates 0" << true;
        QTest::newRow("undo") << kShortGame + "; undo; undo; undo; undo; undo; undo; undo" << false;
        QTest::newRow("undo keeps the clock")
            << "holes 11 45 89; play; P 1 1 5; P 4 5 6; tick 7; undo; redraw" << false;
        QTest::newRow("restart") << kShortGame + "; tick 1; modified 0; restart; copy" << false;
        QTest::newRow("restart without a switch")
            << "undo; play; undo; P 1 1 5; C 2 2 3; restart" << false;
        QTest::newRow("three holes") << "holes 11 45 89; check 0 1; tick 1; check 0 0; play; "
                                        "select 0; light 1; light 3; unlight; check 01 1; tick 1"
                                     << false;
        QTest::newRow("naked singles run after run")
            << "holes 11 12 13 14 15 16 17 18 19 21 31 41 51 61 71 81 91; play; check 0 1" << false;
        QTest::newRow("full grid") << "holes; check 4 1; play; tick 1" << false;
        QTest::newRow("twins applied by their tick")
            << kTwinsOfFive + "; select 2; light 0; light 1; unlight; check 2 1" << false;
        QTest::newRow("twins applied by a double-click")
            << kTwinsOfFive + "; modified 0; check 05 1; select 3; light 0; apply 0; select 2; "
                              "apply 0; apply 0"
            << false;
        QTest::newRow("listing emptied by the next run")
            << kTwinsOfFive + "; select 2; check 5 0" << false;
    }

    void scripts() {
        QFETCH(QString, script);
        QFETCH(bool, switchesOn);
        game::GameSettings settings = DistinctSettings();
        settings.ShowCandidates = settings.Protection = switchesOn;
        QCOMPARE_GOLDEN(
            Journal(script, settings).toUtf8(),
            QStringLiteral("game/%1.txt").arg(QTest::currentDataTag()).replace(u' ', u'_'));
    }

    void gridTexts_data() {
        QTest::addColumn<QString>("script"); // played first, in input mode
        QTest::addColumn<bool>("paste");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("error"); // a part of it; empty when the text is taken
        QTest::addColumn<QString>("board"); // "." for empty cells
        const QString twoHoles = WithHoles({{1, 2}, {5, 5}});
        const QString none(81, u'.');
        const QString wrongLength = QStringLiteral("Sudoku non récuparable,81 Caractères attendus");
        const auto with = [&twoHoles](QChar marker) {
            return QString(twoHoles).replace(u'.', marker);
        };
        QStringList zeroRows, dotRows;
        for (int row = 0; row < 9; ++row) {
            zeroRows << with(u'0').mid(row * 9, 9);
            dotRows << twoHoles.mid(row * 9, 9);
        }
        const QString picture =
            QStringLiteral("5..¦...¦...\r\n...¦.3.¦...\r\n...¦...¦...\r\n---+---+---\r\n"
                           "...¦1..¦...\r\n...¦...¦...\r\n...¦...¦...\r\n---+---+---\r\n"
                           "...¦...¦...\r\n...¦...¦...\r\n...¦...¦..9");
        QString pictureBoard = none;
        for (auto [k, digit] : {std::pair{0, u'5'}, {13, u'3'}, {30, u'1'}, {80, u'9'}})
            pictureBoard[k] = digit;
        for (bool paste : {false, true}) {
            const char* how = paste ? "paste, " : "import, ";
            const auto row = [how](const char* name) { return (how + QString(name)).toUtf8(); };
            QTest::newRow(row("full stops").constData())
                << "" << paste << twoHoles << "" << twoHoles;
            QTest::newRow(row("zeros").constData()) << "" << paste << with(u'0') << "" << twoHoles;
            QTest::newRow(row("around: blanks and line end").constData())
                << "" << paste << "  \t" + twoHoles + "\r\n"
                << "" << twoHoles;
            QTest::newRow(row("81 digits").constData())
                << "" << paste << kSolution << "" << kSolution;
            QTest::newRow(row("no given").constData()) << "" << paste << none << "" << none;
            QTest::newRow(row("80 characters").constData())
                << "" << paste << kSolution.left(80) << wrongLength << none;
            QTest::newRow(row("82 characters").constData())
                << "" << paste << kSolution + "1" << wrongLength << none;
            QString secondFiller = twoHoles;
            secondFiller[40] = u'x';
            QTest::newRow(row("a second kind of filler").constData())
                << "" << paste << secondFiller
                << QStringLiteral("caractère «\u00A0x\u00A0» inattendu en position 41 (les cases "
                                  "vides sont marquées par «\u00A0.\u00A0»)")
                << none;
        }
        QTest::newRow("import, blanks inside") << "" << false << with(u' ') << "" << twoHoles;
        QTest::newRow("import, leading blank cells")
            << "" << false << "  " + kSolution.mid(2).replace(u'9', u' ') << wrongLength << none;
        QTest::newRow("import, the picture") << "" << false << picture << wrongLength << none;
        QTest::newRow("paste, nine lines with zeros: they drop out")
            << "" << true << zeroRows.join(u'\n') << wrongLength << none;
        QTest::newRow("paste, nine lines with blanks")
            << "" << true << zeroRows.join(u'\n').replace(u'0', u' ') << "" << twoHoles;
        QTest::newRow("paste, nine lines with bars and tabs")
            << "" << true << dotRows.join(QStringLiteral("|\t\r\n")) << "" << twoHoles;
        QTest::newRow("paste, the copied picture") << "" << true << picture << "" << pictureBoard;
        QTest::newRow("paste in play mode") << "play" << true << picture << "" << pictureBoard;
        QTest::newRow("paste, a board that is not empty")
            << "P 2 2 4" << true << kSolution << "La grille n'est pas vide"
            << QStringLiteral("..........4") + QString(70, u'.');
        QTest::newRow("import, a board that is not empty")
            << "P 1 1 5" << false << QString(80, u'.') + "1"
            << ""
            << "5" + QString(79, u'.') + "1";
    }

    void gridTexts() {
        QFETCH(QString, script);
        QFETCH(bool, paste);
        QFETCH(QString, text);
        QFETCH(QString, error);
        QFETCH(QString, board);
        auto session = NewGrid();
        if (script == u"play")
            session->StartPlay();
        else if (!script.isEmpty())
            session->ApplyCellChoice(script[2].digitValue(), script[4].digitValue(),
                                     Operation::Place, script[6].digitValue());
        const QString before = HistoryText(session->History());
        const QString message = paste ? session->PasteGrid(text) : session->ImportText(text);
        QVERIFY2(error.isEmpty() ? message.isEmpty() : message.contains(error),
                 qPrintable(message));
        // The board as the copied picture shows it, without its separators.
        QString digits = session->CopyGrid();
        digits.remove(u'¦').remove(u'-').remove(u'+').remove(QStringLiteral("\r\n"));
        QCOMPARE(digits, board);
        // Each given is recorded as a placement; a refused text records nothing.
        if (script.isEmpty() || script == u"play") {
            QString expected = before;
            for (int k = 0; k < 81 && error.isEmpty(); ++k)
                if (board[k] != u'.')
                    expected +=
                        QStringLiteral("; P %1 %2 %3").arg(k / 9 + 1).arg(k % 9 + 1).arg(board[k]);
            QCOMPARE(HistoryText(session->History()), expected);
        }
        // Only a paste that placed givens leaves something to save (a placing marks it anyway).
        QCOMPARE(session->Modified(), (!script.isEmpty() && script != u"play") ||
                                          (paste && error.isEmpty() && board != QString(81, u'.')));
    }
};

QTEST_GUILESS_MAIN(TestGameRules)
#include "test_game_rules.moc"

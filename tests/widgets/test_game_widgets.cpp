// The frame on the offscreen platform: clicks, the board and the questions (rules: the model's).

#include "game/model/model_messages.h"
#include "game/widgets/analysis_page.h"
#include "game/widgets/board_geometry.h"
#include "game/widgets/cell_widget.h"
#include "game/widgets/colour.h"
#include "game/widgets/grid_frame.h"
#include "tests/golden.h"
#include "tests/widgets/modal_answers.h"
#include "tests/widgets/stub_frame_services.h"

#include <QDialogButtonBox>
#include <QKeySequence>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QtTest>

#include <memory>
#include <ranges>

using namespace game;

namespace {

// The enabled digits of one page of the selector ('P' or 'C').
QString EnabledDigits(QWidget& selector, char page) {
    QString digits;
    for (int d = 1; d <= 9; ++d)
        if (selector.findChild<QPushButton*>(QStringLiteral("%1%2").arg(page).arg(d))->isEnabled())
            digits += QString::number(d);
    return digits;
}

} // namespace

class TestGameWidgets : public QObject {
    Q_OBJECT

    StubFrameServices services_;
    std::unique_ptr<GridFrame> frame_;

    GridFrame& NewFrame() {
        frame_ = std::make_unique<GridFrame>(services_);
        frame_->InitBoard();
        return *frame_;
    }

private slots:
    void init() {
        frame_.reset();
        services_ = StubFrameServices();
    }

    void clickThroughTheSelector_data() {
        QTest::addColumn<int>("mode"); // 0 input, 1 play, 2 play with protection
        QTest::addColumn<int>("col");  // in row 1, whose (1,1) holds 1 and (1,2) holds 2
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<QString>("answer"); // the button pressed; empty: Escape
        QTest::addColumn<QString>("seen");   // page, enabled digits to place, to remove; then the
                                             // cell's digit, candidates, colour; history size
        QTest::newRow("left click places") << 0 << 9 << Qt::LeftButton << "P7"
                                           << "0 123456789 123456789|7  1 4";
        QTest::newRow("right click removes") << 1 << 9 << Qt::RightButton << "C4"
                                             << "1 123456789 123456789|0 356789 2 5";
        QTest::newRow("protected") << 2 << 9 << Qt::LeftButton << ""
                                   << "0 3456789 3456789|0 3456789 2 4";
        QTest::newRow("a given is locked, in its colour, protection off")
            << 1 << 1 << Qt::LeftButton << "BtCancel"
            << "0  |1  1 4";
    }

    void clickThroughTheSelector() {
        QFETCH(int, mode);
        QFETCH(int, col);
        QFETCH(Qt::MouseButton, button);
        QFETCH(QString, answer);
        QFETCH(QString, seen);
        services_.settings.Protection = mode == 2;
        services_.settings.GivenColour = 1;
        services_.settings.PlayedColour = 2;
        GridFrame& frame = NewFrame();
        frame.Session().ApplyCellChoice(1, 1, Operation::Place, 1);
        frame.Session().ApplyCellChoice(1, 2, Operation::Place, 2);
        if (mode > 0)
            frame.Session().StartPlay();
        QString shown;
        ModalAnswers answers;
        answers.Queue([&](QDialog& selector) {
            shown = QStringLiteral("%1 %2 %3|")
                        .arg(selector.findChild<QTabWidget*>("PageControl1")->currentIndex())
                        .arg(EnabledDigits(selector, 'P'), EnabledDigits(selector, 'C'));
            if (answer.isEmpty())
                QTest::keyClick(&selector, Qt::Key_Escape);
            else
                selector.findChild<QPushButton*>(answer)->click();
        });
        QTest::mouseClick(frame.Case(1, col), button);
        QVERIFY(answers.AllAnswered());
        const BoardCell& cell = frame.Case(1, col)->State();
        QCOMPARE(shown + QStringLiteral("%1 %2 %3 %4")
                             .arg(cell.Digit())
                             .arg(cell.CandidateString())
                             .arg(cell.PlayedColour)
                             .arg(frame.Session().History().size()),
                 seen);
        QCOMPARE(frame.findChild<QLabel*>("LabelCases")->text(), frame.Session().CasesLabel());
    }

    // A cell without, then with candidates (3 and 5 removed), then with a digit, as text.
    void casePaintsDigitCandidatesAndBackground() {
        const QList<QColor> inks{Qt::white, Qt::yellow, Qt::blue, QColor(0, 160, 0), Qt::red};
        BoardCell state(1, 1);
        state.BackgroundColour = FromQColor(inks[1]);
        state.CandidateColour = FromQColor(inks[3]);
        state.PlayedColour = FromQColor(inks[4]);
        state.RemoveCandidate(5);
        state.RemoveCandidate(3);
        QByteArray text;
        for (int step = 0; step < 3; ++step) {
            state.ShowsCandidates = step > 0;
            if (step == 2)
                state.SetNumber(4);
            QImage image(CellWidget::kSize, CellWidget::kSize, QImage::Format_RGB32);
            image.fill(Qt::white);
            QPainter painter(&image);
            PaintCell(painter, state);
            for (int y = 0; y < image.height(); ++y, text += '\n')
                for (int x = 0; x < image.width(); ++x) {
                    const auto far = [c = image.pixelColor(x, y)](const QColor& ink) {
                        return std::abs(c.red() - ink.red()) + std::abs(c.green() - ink.green()) +
                               std::abs(c.blue() - ink.blue());
                    };
                    text += " .bgr"[std::ranges::min_element(inks, {}, far) - inks.begin()];
                }
        }
        QCOMPARE_GOLDEN(text, "widgets/cell.txt");
    }

    void modeShowsItsControlsAndEraseAllAsks() {
        GridFrame& frame = NewFrame();
        frame.show();
        const auto visible = [&frame] {
            QList<bool> shown;
            for (const char* name : {"GBMode", "BT_EFF_TOUT", "BT_REFAIRE"})
                shown << frame.findChild<QWidget*>(name)->isVisible();
            return shown;
        };
        frame.Session().ApplyCellChoice(3, 3, Operation::Place, 3);
        auto* eraseAll = frame.findChild<QPushButton*>("BT_EFF_TOUT");
        services_.confirmAnswer = false;
        eraseAll->click();
        QCOMPARE(frame.Case(3, 3)->State().Digit(), 3);
        QCOMPARE(services_.asked, QStringList{"Confirmez l'effacement total de la grille ?"});
        QCOMPARE(visible(), QList<bool>({true, true, false}));
        // One given is no puzzle: the question's default goes back to the grid.
        ModalAnswers answers;
        auto* play = frame.findChild<QPushButton*>("BtJouer");
        play->click();
        QCOMPARE(frame.Session().CurrentMode(), Mode::Input);
        answers.Press("Jouer quand même");
        play->click();
        QCOMPARE(answers.Shown(), 2);
        QCOMPARE(frame.Session().CurrentMode(), Mode::Play);
        QCOMPARE(visible(), QList<bool>({false, false, true}));
        frame.Session().TickSecond();
        QCOMPARE(frame.findChild<QLabel*>("LabelTimer")->text(), "00:00:01");
        services_.confirmAnswer = true;
        eraseAll->click();
        QCOMPARE(frame.Case(3, 3)->State().Digit(), 0);
    }

    // The close question in either language (its outcomes: the shell's); nothing to save, none.
    void closeQuestion() {
        for (const bool english : {false, true}) {
            if (english)
                services_.messages = {
                    {4, "&Cancel"},
                    {78, "Close"},
                    {75, "The grid '%1' has changed since it was created or opened"}};
            GridFrame& frame = NewFrame();
            ModalAnswers answers;
            QCOMPARE(frame.CanClose(), GridFrame::CloseChoice::Discard);
            QCOMPARE(answers.Shown(), 0);
            frame.Session().ApplyCellChoice(1, 1, Operation::Place, 5);
            QString text;
            answers.Queue([&](QDialog& question) {
                text = question.findChild<QLabel*>("TaskText")->text() + u'|' +
                       question.findChild<QDialogButtonBox*>()->buttons().constFirst()->text();
                ModalAnswers::PressButton(question, english ? "Close" : "Enregistrer");
            });
            QCOMPARE(frame.CanClose(),
                     english ? GridFrame::CloseChoice::Discard : GridFrame::CloseChoice::Save);
            QVERIFY(answers.AllAnswered() && frame.Session().Modified()); // saving is the caller's
            QCOMPARE(text, english
                               ? "The grid '' has changed since it was created or opened|&Cancel"
                               : "La grille '' a été modifiée depuis sa création ou son "
                                 "chargement|&Annuler");
        }
    }

    void panelListsLightsAndApplies() {
        GridFrame& frame = NewFrame();
        for (int c = 1; c <= 8; ++c) // row 1 complete but for (1,9): a naked single of 9
            frame.Session().ApplyCellChoice(1, c, Operation::Place, c);
        frame.Session().StartPlay();
        auto* page = frame.findChild<AnalysisPage*>();
        QListWidget* families = page->CheckListFamille;
        QCOMPARE(families->item(0)->text(), "1 Candidat(s) seul(s) dans leur case");
        QCOMPARE(page->StringGrid->rowHeight(0), 15);
        frame.Session().CheckFamilies({5}, true);
        QCOMPARE(families->item(5)->checkState(), Qt::Checked);
        families->setCurrentRow(0);
        emit families->itemClicked(families->item(0));
        QCOMPARE(page->StringGrid->item(0, 0)->text(), "Le 9 seul dans la case L1C9");
        QWidget* grid = page->StringGrid->viewport();
        QTest::mousePress(grid, Qt::LeftButton, {}, QPoint(10, 5));
        QCOMPARE(frame.Case(1, 9)->State().BackgroundColour, services_.settings.ActingColour);
        QTest::mouseRelease(grid, Qt::LeftButton, {}, QPoint(10, 5));
        QCOMPARE(frame.Case(1, 9)->State().BackgroundColour, kWhite);
        QTest::mouseDClick(grid, Qt::LeftButton, {}, QPoint(10, 5));
        QCOMPARE(frame.Case(1, 9)->State().Digit(), 9);
        QCOMPARE(families->item(5)->checkState(), Qt::Unchecked); // the double-click unticks all
        QCOMPARE(families->currentRow(), 0);
        // The tracer gets the deduction's text and the placement's line, in that order.
        auto* memo = frame.findChild<QPlainTextEdit*>("MemoTrace");
        QTRY_COMPARE(memo->toPlainText(), "Le 9 seul dans la case L1C9\nL1 C9 reçoit le : 9");
        families->item(2)->setCheckState(Qt::Checked); // a tick selects its line
        QCOMPARE(families->currentRow(), 2);
        QCOMPARE(frame.Session().Panel().SelectedFamily(), 2);
    }

    // Keys on a board whose L1C1 holds a 5; the cursor, the cells lit (holding / candidate), the
    // digits in conflict and the history after the 5. "@N" is a key with the key code N of X11.
    void keyboardPlays_data() {
        QTest::addColumn<bool>("protection");
        QTest::addColumn<bool>("play");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("seen");
        QTest::newRow("arrows stop at the edges")
            << false << false << "Left Up Down Down Right Right"
            << "L3C3 1/60 0|";
        QTest::newRow("End") << false << false << "End Down"
                             << "L2C9 0/0 0|";
        QTest::newRow("Home") << false << false << "Ctrl+End Home"
                              << "L9C1 0/0 0|";
        QTest::newRow("Ctrl+End") << false << false << "Ctrl+End Right Down"
                                  << "L9C9 0/0 0|";
        QTest::newRow("landing on a digit chooses it") << false << false << "Ctrl+End Ctrl+Home"
                                                       << "L1C1 1/60 0|";
        QTest::newRow("Escape") << false << false << "Right Left Escape"
                                << "L1C1 0/0 0|";
        QTest::newRow("digit") << false << false << "Right 7"
                               << "L1C2 1/60 0|P 1 2 7";
        QTest::newRow("Shift+digit") << false << false << "Right Shift+7"
                                     << "L1C2 1/60 0|P 1 2 7";
        QTest::newRow("French") << false << false << "Down è Right ("
                                << "L2C2 2/48 2|P 2 1 7; P 2 2 5";
        QTest::newRow("keypad") << false << false << "Right Num+- Num+7"
                                << "L1C2 1/60 0|P 1 2 7";
        QTest::newRow("key code") << false << false << "Right @20 @16"
                                  << "L1C2 1/60 0|P 1 2 7";
        QTest::newRow("Ctrl+digit") << false << false << "Down Ctrl+4"
                                    << "L2C1 0/0 0|C 2 1 4";
        QTest::newRow("refused") << true << false << "Right 5 Ctrl+3"
                                 << "L1C2 0/0 0|";
        QTest::newRow("candidates in play") << true << true << "Right Ctrl+3 Ctrl+5 3 4"
                                            << "L1C2 1/60 0|C 1 2 3; P 1 2 4";
        QTest::newRow("a digit key on a digit") << true << false << "9"
                                                << "L1C1 0/80 0|";
        QTest::newRow("Delete keeps a given") << false << true << "Delete Backspace"
                                              << "L1C1 0/0 0|";
        QTest::newRow("Delete erases a played digit") << false << true << "Right 7 Delete"
                                                      << "L1C2 0/80 0|";
    }

    void keyboardPlays() {
        QFETCH(bool, protection);
        QFETCH(bool, play);
        QFETCH(QString, keys);
        QFETCH(QString, seen);
        services_.settings.Protection = protection;
        GridFrame& frame = NewFrame();
        frame.Session().ApplyCellChoice(1, 1, Operation::Place, 5);
        if (play)
            frame.Session().StartPlay();
        const std::size_t before = frame.Session().History().size();
        for (const QString& key : keys.split(u' ')) {
            if (key.startsWith(u'@')) {
                QKeyEvent press(QEvent::KeyPress, Qt::Key_Minus, Qt::NoModifier,
                                key.mid(1).toUInt(), 0, 0, QStringLiteral("-"));
                QApplication::sendEvent(&frame, &press);
                continue;
            }
            const QKeyCombination combination = QKeySequence::fromString(key)[0];
            QTest::keyClick(&frame, combination.key(), combination.keyboardModifiers());
        }
        QString cursor;
        int lit[3] = {};
        int conflicts = 0;
        for (int row = 1; row <= 9; ++row) {
            for (int col = 1; col <= 9; ++col) {
                const CellWidget* cell = frame.Case(row, col);
                if (cell->Overlay().Cursor)
                    cursor += QStringLiteral("L%1C%2").arg(row).arg(col);
                ++lit[int(cell->Overlay().Light)];
                conflicts += cell->State().Conflict;
            }
        }
        QStringList moves;
        for (const HistoryEntry& entry : frame.Session().History() | std::views::drop(before))
            moves << QStringLiteral("%1 %2 %3 %4")
                         .arg(QChar::fromLatin1(Letter(entry.Operation)))
                         .arg(entry.Row)
                         .arg(entry.Col)
                         .arg(entry.Digit);
        QCOMPARE(QStringLiteral("%1 %2/%3 %4|%5")
                     .arg(cursor)
                     .arg(lit[1])
                     .arg(lit[2])
                     .arg(conflicts)
                     .arg(moves.join(QStringLiteral("; "))),
                 seen);
    }

    // The board takes the keyboard when shown, keeps it when a button is clicked and gets it back
    // from the selector.
    void boardKeepsTheKeyboard() {
        GridFrame& frame = NewFrame();
        frame.show();
        QCOMPARE(frame.focusWidget(), &frame);
        QTest::mouseClick(frame.findChild<QPushButton*>("SB_CandidatOn"), Qt::LeftButton);
        QCOMPARE(frame.focusWidget(), &frame);
        frame.findChild<QPlainTextEdit*>("MemoTrace")->setFocus();
        ModalAnswers answers;
        answers.Queue([](QDialog& selector) { selector.findChild<QPushButton*>("P4")->click(); });
        QTest::mouseClick(frame.Case(3, 2), Qt::LeftButton);
        QCOMPARE(frame.focusWidget(), &frame);
        QCOMPARE(frame.Case(3, 2)->Overlay(), (CellOverlay{true, DigitLight::Holds}));
    }

    // A verification's mark reaches the cell drawn, also where only a candidate went.
    void verificationMarkReachesTheBoard() {
        GridFrame& frame = NewFrame();
        QCOMPARE(frame.Session().ImportText(QStringLiteral(
                     "..467891267219534819834256785976142342685379171392485696153728428741963534"
                     "5286179")),
                 QString());
        frame.Session().StartPlay();
        frame.Session().ApplyCellChoice(1, 1, Operation::RemoveCandidate, 5);
        frame.Verify();
        QCOMPARE(frame.Case(1, 1)->State().MissingSolution, engine::DigitBit(5));
    }

    // A repeated digit in red, a cell without candidates outlined in red, the cursor's ring and the
    // chosen digit's tints.
    void caseMarksAndOverlay() {
        QImage image(CellWidget::kSize, CellWidget::kSize, QImage::Format_RGB32);
        BoardCell conflict(1, 1), deadEnd(1, 1), empty(1, 1), orange(1, 1);
        orange.BackgroundColour = FromQColor(QColor(255, 150, 0));
        conflict.SetNumber(4);
        conflict.Conflict = true;
        deadEnd.SetNumber(4);
        deadEnd.SetNumber(0);
        QList<QColor> seen;
        for (const auto& [state, overlay] : {std::pair{conflict, CellOverlay{}},
                                             {deadEnd, {}},
                                             {empty, {true, DigitLight::None}},
                                             {conflict, {false, DigitLight::Holds}},
                                             {empty, {false, DigitLight::Candidate}},
                                             {orange, {true, DigitLight::Holds}}}) {
            image.fill(Qt::white);
            QPainter painter(&image);
            PaintCell(painter, state, overlay);
            seen << image.pixelColor(1, 19) << image.pixelColor(19, 19);
            int red = 0; // the digit's pixels where red clearly wins
            for (int y = 7; y < 33; ++y)
                for (int x = 12; x < 30; ++x) {
                    const QColor c = image.pixelColor(x, y);
                    red += c.red() > c.green() + 60 && c.red() > c.blue() + 60;
                }
            QVERIFY(!state.Conflict || red > 10);
        }
        QCOMPARE(seen[2], QColor(220, 0, 0));   // the red outline
        QCOMPARE(seen[4], QColor(255, 140, 0)); // the cursor
        QCOMPARE(seen[7], QColor(190, 218, 255));
        QCOMPARE(seen[9], QColor(228, 238, 255));
        QCOMPARE(seen[10], QColor(0, 105, 255)); // the cursor on a background close to its colour
        QCOMPARE(seen[11], QColor(255, 150, 0)); // the panel's lighting stays
    }

    // Twice its designed size, the frame shows its pieces twice as large, and a click at the grown
    // centre of a cell lands on that cell.
    void frameGrows() {
        GridFrame& frame = NewFrame();
        frame.resize(GridFrame::kDesignSize * 2);
        frame.show();
        const QRect last = CellRect(9, 9);
        QCOMPARE(frame.Case(9, 9)->geometry(), QRect(last.topLeft() * 2, last.size() * 2));
        QCOMPARE(frame.findChild<QWidget*>("PageControl1")->geometry(), QRect(890, 38, 680, 846));
        QCOMPARE(frame.findChild<QWidget*>("BtJouer")->geometry(), QRect(36, 392, 242, 96));
        QWidget* hit = frame.childAt(CellRect(4, 7).center() * 2);
        QCOMPARE(hit, frame.Case(4, 7));
        ModalAnswers answers;
        answers.Queue([](QDialog& selector) { selector.reject(); });
        QTest::mouseClick(hit, Qt::LeftButton);
        QVERIFY(frame.Case(4, 7)->Overlay().Cursor);
    }

    // The twin of 1 in L2R1 selected: explained, its pattern and removals drawn; a press lights its
    // cells instead and the release draws it again; a move takes it away.
    void selectedFindingExplainedAndDrawn() {
        GridFrame& frame = NewFrame();
        QCOMPARE(frame.Session().ImportText(QStringLiteral(
                     "..75.1...3...49...954..2..8.8.9........8...21..3.17..........4.7..4..5...9."
                     "2....7")),
                 QString());
        frame.Session().StartPlay();
        auto* page = frame.findChild<AnalysisPage*>();
        emit page->CheckListFamille->itemClicked(page->CheckListFamille->item(2));
        page->StringGrid->selectRow(0);
        QVERIFY(page->LabelExplication->text().startsWith(
            "Dans la région 1, le 1 ne peut aller que dans la ligne 2 (L2C2 et L2C3)"));
        auto marks = [&frame] {
            QList<engine::CandidateSet> seen;
            for (auto [row, col] : {std::pair{2, 2}, {2, 3}, {2, 7}, {2, 8}, {2, 9}})
                seen << frame.Case(row, col)->State().DeductionPattern
                     << frame.Case(row, col)->State().DeductionEffect;
            return seen;
        };
        const engine::CandidateSet one = engine::DigitBit(1);
        const QList<engine::CandidateSet> drawn{one, 0, one, 0, 0, one, 0, one, 0, 0};
        QCOMPARE(marks(), drawn);
        QImage painted(CellWidget::kSize, CellWidget::kSize, QImage::Format_RGB32);
        QPainter painter(&painted);
        PaintCell(painter, frame.Case(2, 7)->State(), {});
        painter.end();
        QVERIFY(painted.pixelColor(5, 7) == kDeductionEffectColour);
        // A picture of the board shows the grid, not the lesson.
        const QPoint disc = CellRect(2, 7).topLeft() + QPoint(5, 7);
        QVERIFY(frame.BoardImage().pixelColor(disc) != kDeductionEffectColour);
        QWidget* grid = page->StringGrid->viewport();
        QTest::mousePress(grid, Qt::LeftButton, {}, QPoint(10, 5));
        QCOMPARE(frame.Case(2, 7)->State().BackgroundColour, services_.settings.ActingColour);
        QCOMPARE(marks(), QList<engine::CandidateSet>(10, 0));
        QTest::mouseRelease(grid, Qt::LeftButton, {}, QPoint(10, 5));
        QCOMPARE(frame.Case(2, 7)->State().BackgroundColour, kWhite);
        QCOMPARE(marks(), drawn);
        QStringList messages(139); // another language: units, and the twins' template
        messages[123] = QStringLiteral("row %1");
        messages[125] = QStringLiteral("region %1");
        messages[135] = QStringLiteral("%1, %2, %3");
        game::SetMessages(messages);
        QEvent languageChange(QEvent::LanguageChange);
        QCoreApplication::sendEvent(page, &languageChange);
        game::SetMessages({});
        QCOMPARE(page->LabelExplication->text(), QStringLiteral("region 1, 1, row 2"));
        frame.Session().ApplyCellChoice(9, 1, Operation::RemoveCandidate, 1);
        QCOMPARE(marks(), QList<engine::CandidateSet>(10, 0));
        QCOMPARE(page->LabelExplication->text(), QString());
    }
};

QTEST_MAIN(TestGameWidgets)
#include "test_game_widgets.moc"

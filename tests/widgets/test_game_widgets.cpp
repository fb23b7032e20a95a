// The frame on the offscreen platform: what a click opens, what the board shows, what the
// questions do. The rules themselves are the model's and are tested there.

#include "game/widgets/analysis_page.h"
#include "game/widgets/cell_widget.h"
#include "game/widgets/colour.h"
#include "game/widgets/digit_selector.h"
#include "game/widgets/grid_frame.h"
#include "tests/widgets/modal_answers.h"
#include "tests/widgets/stub_frame_services.h"

#include <QCommandLinkButton>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QtTest>

#include <memory>

using namespace game;

namespace {

QStringList EnabledDigits(QWidget& selector, char operation) {
    QStringList digits;
    for (int d = 1; d <= 9; ++d)
        if (selector.findChild<QPushButton*>(QStringLiteral("%1%2").arg(operation).arg(d))
                ->isEnabled())
            digits << QString::number(d);
    return digits;
}

void Click(QWidget& window, const QString& name) {
    window.findChild<QPushButton*>(name)->click();
}

QImage Render(const BoardCell& state) {
    QImage image(CellWidget::kSize, CellWidget::kSize, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    PaintCell(painter, state);
    return image;
}

// Pixels inside the rectangle whose strongest channel is that of the colour by a clear margin
// (text is antialiased, so few pixels carry the exact colour).
int CountColour(const QImage& image, const QRect& area, const QColor& colour) {
    auto dominant = [](const QColor& c) {
        const int channels[3] = {c.red(), c.green(), c.blue()};
        for (int i = 0; i < 3; ++i)
            if (channels[i] > channels[(i + 1) % 3] + 60 &&
                channels[i] > channels[(i + 2) % 3] + 60)
                return i;
        return -1;
    };
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += dominant(image.pixelColor(x, y)) == dominant(colour);
    return count;
}

} // namespace

class TestGameWidgets : public QObject {
    Q_OBJECT

    StubFrameServices services_;
    std::unique_ptr<GridFrame> frame_;

    // A started frame over the services as the test has set them.
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

    void cellClickOpensSelectorOnItsPage_data() {
        QTest::addColumn<bool>("protection");
        QTest::addColumn<bool>("play");
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<int>("page");
        QTest::addColumn<QStringList>("placeDigits");
        QTest::addColumn<QStringList>("candidateDigits");
        const QStringList all = {"1", "2", "3", "4", "5", "6", "7", "8", "9"};
        // Row 1 holds 1 and 2 elsewhere, so cell (1,9) keeps 3..9.
        const QStringList open = {"3", "4", "5", "6", "7", "8", "9"};
        QTest::newRow("left click, unprotected")
            << false << false << Qt::LeftButton << 0 << all << all;
        QTest::newRow("right click, unprotected")
            << false << true << Qt::RightButton << 1 << all << all;
        QTest::newRow("protected, input mode")
            << true << false << Qt::RightButton << 1 << open << QStringList();
        QTest::newRow("protected, play mode")
            << true << true << Qt::LeftButton << 0 << open << open;
    }

    void cellClickOpensSelectorOnItsPage() {
        QFETCH(bool, protection);
        QFETCH(bool, play);
        QFETCH(Qt::MouseButton, button);
        QFETCH(int, page);
        QFETCH(QStringList, placeDigits);
        QFETCH(QStringList, candidateDigits);
        services_.settings.Protection = protection;
        GridFrame& frame = NewFrame();
        frame.Session().ApplyCellChoice(1, 1, game::Operation::Place, 1);
        frame.Session().ApplyCellChoice(1, 2, game::Operation::Place, 2);
        if (play)
            frame.Session().StartPlay();
        int shownPage = -1;
        QStringList shownPlace, shownCandidates;
        ModalAnswers answers;
        answers.Queue([&](QDialog& selector) {
            shownPage =
                selector.findChild<QTabWidget*>(QStringLiteral("PageControl1"))->currentIndex();
            shownPlace = EnabledDigits(selector, 'P');
            shownCandidates = EnabledDigits(selector, 'C');
            QTest::keyClick(&selector, Qt::Key_Escape);
        });
        QTest::mouseClick(frame.Case(1, 9), button);
        QVERIFY(answers.AllAnswered());
        QCOMPARE(shownPage, page);
        QCOMPARE(shownPlace, placeDigits);
        QCOMPARE(shownCandidates, candidateDigits);
    }

    void chosenDigitReachesBoardAndHistory() {
        GridFrame& frame = NewFrame();
        ModalAnswers answers;
        answers.Queue([](QDialog& selector) { Click(selector, "P7"); });
        QTest::mouseClick(frame.Case(5, 3), Qt::LeftButton);
        QCOMPARE(frame.Case(5, 3)->State().Digit(), 7);
        QCOMPARE(frame.Session().History().back(), (HistoryEntry{5, 3, 7, game::Operation::Place}));
        QVERIFY(frame.Session().Modified());
        QCOMPARE(frame.findChild<QLabel*>(QStringLiteral("LabelCases"))->text(), "1/81 cases");

        answers.Queue([](QDialog& selector) { Click(selector, "C4"); });
        QTest::mouseClick(frame.Case(5, 4), Qt::RightButton);
        QVERIFY(answers.AllAnswered());
        QVERIFY(!frame.Case(5, 4)->State().HasCandidate(4));
        QVERIFY(!frame.Case(5, 4)->State().HasCandidate(7)); // removed by the placement in row 5
    }

    void cancelledSelectorOnlyRecoloursTheGiven() {
        GridFrame& frame = NewFrame();
        frame.Session().ApplyCellChoice(2, 2, game::Operation::Place, 8);
        frame.Session().StartPlay();
        const std::size_t entries = frame.Session().History().size();
        ModalAnswers answers;
        answers.Queue([](QDialog& selector) { Click(selector, "BtCancel"); });
        QTest::mouseClick(frame.Case(2, 2), Qt::LeftButton);
        QVERIFY(answers.AllAnswered());
        QCOMPARE(frame.Case(2, 2)->State().PlayedColour, services_.settings.PlayedColour);
        QCOMPARE(frame.Session().History().size(), entries);
    }

    void selectorWheelTransparency() {
        DigitSelector selector;
        selector.show();
        auto wheel = [&selector](int delta) {
            QWheelEvent event(QPointF(10, 10), QPointF(10, 10), QPoint(), QPoint(0, delta),
                              Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(&selector, &event);
            return qRound(selector.windowOpacity() * 255);
        };
        QCOMPARE(qRound(selector.windowOpacity() * 255), 255);
        QCOMPARE(wheel(120), 255);
        QList<int> seen;
        for (int i = 0; i < 11; ++i)
            seen << wheel(-120);
        QCOMPARE(seen, (QList<int>{235, 215, 195, 175, 155, 135, 115, 95, 75, 60, 60}));
        QCOMPARE(wheel(120), 80);
    }

    void casePaintsDigitCandidatesAndBackground() {
        const QColor digitColour(255, 0, 0), candidateColour(0, 160, 0), background(255, 255, 0);
        BoardCell state(1, 1);
        state.PlayedColour = FromQColor(digitColour);
        state.CandidateColour = FromQColor(candidateColour);
        state.BackgroundColour = FromQColor(background);

        // Candidates hidden: background only.
        QImage image = Render(state);
        QCOMPARE(image.pixelColor(19, 19), background);
        QCOMPARE(CountColour(image, image.rect(), candidateColour), 0);

        // Candidates shown in the telephone-pad layout: 1 top left, 9 bottom right, 5 removed.
        state.ShowsCandidates = true;
        state.RemoveCandidate(5);
        image = Render(state);
        QVERIFY(CountColour(image, QRect(5, 1, 10, 12), candidateColour) > 0);   // 1
        QVERIFY(CountColour(image, QRect(28, 23, 10, 12), candidateColour) > 0); // 9
        QCOMPARE(CountColour(image, QRect(16, 15, 9, 7), candidateColour), 0);   // 5

        // A digit hides the candidates whatever the switch says.
        state.SetNumber(4);
        image = Render(state);
        QVERIFY(CountColour(image, QRect(12, 7, 18, 26), digitColour) > 10);
        QCOMPARE(CountColour(image, image.rect(), candidateColour), 0);
        QCOMPARE(image.pixelColor(0, 19), QColor(0, 0, 255)); // the blue outline
    }

    void modeShowsItsControls() {
        GridFrame& frame = NewFrame();
        frame.show();
        auto visible = [&frame](const char* name) {
            return frame.findChild<QWidget*>(QLatin1String(name))->isVisible();
        };
        QCOMPARE(QList<bool>({visible("GBMode"), visible("BT_EFF_TOUT"), visible("BT_REFAIRE")}),
                 QList<bool>({true, true, false}));
        Click(frame, "BtJouer");
        QCOMPARE(frame.Session().CurrentMode(), Mode::Play);
        QCOMPARE(QList<bool>({visible("GBMode"), visible("BT_EFF_TOUT"), visible("BT_REFAIRE")}),
                 QList<bool>({false, false, true}));
        frame.Session().TickSecond();
        QCOMPARE(frame.findChild<QLabel*>(QStringLiteral("LabelTimer"))->text(), "00:00:01");
    }

    void eraseAllAsksFirst() {
        GridFrame& frame = NewFrame();
        frame.Session().ApplyCellChoice(3, 3, game::Operation::Place, 3);
        auto* eraseAll = frame.findChild<QPushButton*>(QStringLiteral("BT_EFF_TOUT"));
        services_.confirmAnswer = false;
        eraseAll->click();
        QCOMPARE(frame.Case(3, 3)->State().Digit(), 3);
        services_.confirmAnswer = true;
        eraseAll->click();
        QCOMPARE(frame.Case(3, 3)->State().Digit(), 0);
        QCOMPARE(services_.asked.last(), "Confirmez l'effacement total de la grille ?");
    }

    void closeQuestionOutcomes_data() {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<GridFrame::CloseChoice>("choice");
        QTest::addColumn<bool>("english");
        QTest::newRow("Enregistrer") << "Enregistrer" << GridFrame::CloseChoice::Save << false;
        QTest::newRow("Fermer") << "Fermer" << GridFrame::CloseChoice::Discard << false;
        QTest::newRow("Escape") << "" << GridFrame::CloseChoice::Keep << false;
        QTest::newRow("Close, in English") << "Close" << GridFrame::CloseChoice::Discard << true;
    }

    void closeQuestionOutcomes() {
        QFETCH(QString, answer);
        QFETCH(GridFrame::CloseChoice, choice);
        QFETCH(bool, english);
        if (english)
            services_.messages = {{4, "&Cancel"},
                                  {74, "Action required"},
                                  {75, "The grid '%1' has changed since it was created or opened"},
                                  {76, "Save"},
                                  {78, "Close"}};
        GridFrame& frame = NewFrame();
        ModalAnswers answers;
        QCOMPARE(frame.CanClose(), GridFrame::CloseChoice::Discard);
        QCOMPARE(answers.Shown(), 0); // nothing to save, no question
        frame.Session().ApplyCellChoice(1, 1, game::Operation::Place, 5);
        QString text;
        QString cancel;
        answers.Queue([&](QDialog& question) {
            text = question.findChild<QLabel*>(QStringLiteral("TaskText"))->text();
            cancel = question.findChild<QDialogButtonBox*>()->buttons().constFirst()->text();
            if (answer.isEmpty())
                QTest::keyClick(&question, Qt::Key_Escape);
            for (auto* link : question.findChildren<QCommandLinkButton*>())
                if (link->text() == answer)
                    link->click();
        });
        QCOMPARE(frame.CanClose(), choice);
        QVERIFY(answers.AllAnswered());
        QVERIFY(frame.Session().Modified()); // saving is the caller's
        QCOMPARE(text, english
                           ? "The grid '' has changed since it was created or opened"
                           : "La grille '' a été modifiée depuis sa création ou son chargement");
        QCOMPARE(cancel, english ? "&Cancel" : "&Annuler");
    }

    void panelListsLightsAndApplies() {
        GridFrame& frame = NewFrame();
        // Row 1 complete but for (1,9): a naked single of 9.
        for (int c = 1; c <= 8; ++c)
            frame.Session().ApplyCellChoice(1, c, game::Operation::Place, c);
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
        const QPoint firstRow(10, 5);
        QTest::mousePress(grid, Qt::LeftButton, {}, firstRow);
        QCOMPARE(frame.Case(1, 9)->State().BackgroundColour, services_.settings.ActingColour);
        QTest::mouseRelease(grid, Qt::LeftButton, {}, firstRow);
        QCOMPARE(frame.Case(1, 9)->State().BackgroundColour, kWhite);

        QTest::mouseDClick(grid, Qt::LeftButton, {}, firstRow);
        QCOMPARE(frame.Case(1, 9)->State().Digit(), 9);
        QVERIFY(!frame.Session().Panel().IsChecked(5)); // the double-click removes every tick
        QCOMPARE(families->item(5)->checkState(), Qt::Unchecked);
        QCOMPARE(families->currentRow(), 0);
        // The tracer gets the deduction's text and the placement's line, in that order.
        auto* memo = frame.findChild<QPlainTextEdit*>(QStringLiteral("MemoTrace"));
        QTRY_COMPARE(memo->toPlainText(), "Le 9 seul dans la case L1C9\nL1 C9 reçoit le : 9");

        // A tick selects its line, whose findings the grid then lists.
        families->item(2)->setCheckState(Qt::Checked);
        QCOMPARE(families->currentRow(), 2);
        QCOMPARE(frame.Session().Panel().SelectedFamily(), 2);
    }
};

QTEST_MAIN(TestGameWidgets)
#include "test_game_widgets.moc"

// The frame on the offscreen platform: what a click opens, what the board shows, what the
// questions do. The rules themselves are the model's and are tested there.

#include "game/widgets/analysis_page.h"
#include "game/widgets/colour.h"
#include "game/widgets/framefille.h"
#include "game/widgets/frm_selecteur.h"
#include "game/widgets/sudo_case.h"
#include "tests/widgets/modal_answers.h"
#include "tests/widgets/stub_frame_services.h"

#include <QCommandLinkButton>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QtTest>

using namespace game;

namespace {

QPushButton* Button(QWidget* root, const char* name) {
    return root->findChild<QPushButton*>(QLatin1String(name));
}

QStringList EnabledDigits(QWidget* selector, char operation) {
    QStringList digits;
    for (int d = 1; d <= 9; ++d) {
        const QString name = QStringLiteral("%1%2").arg(QLatin1Char(operation)).arg(d);
        if (selector->findChild<QPushButton*>(name)->isEnabled())
            digits << QString::number(d);
    }
    return digits;
}

QImage Render(const CaseState& state) {
    QImage image(TSudoCase::kSize, TSudoCase::kSize, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    PaintCase(painter, state);
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
private slots:
    void cellClickOpensSelectorOnItsPage_data();
    void cellClickOpensSelectorOnItsPage();
    void chosenDigitReachesBoardAndHistory();
    void cancelledSelectorOnlyRecoloursTheGiven();
    void selectorWheelTransparency();
    void casePaintsDigitCandidatesAndBackground();
    void modeShowsItsControls();
    void eraseAllAsksFirst();
    void closeQuestionOutcomes_data();
    void closeQuestionOutcomes();
    void panelListsLightsAndApplies();
};

void TestGameWidgets::cellClickOpensSelectorOnItsPage_data() {
    QTest::addColumn<bool>("protection");
    QTest::addColumn<bool>("play");
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<int>("page");
    QTest::addColumn<QStringList>("placeDigits");
    QTest::addColumn<QStringList>("candidateDigits");
    const QStringList all = {"1", "2", "3", "4", "5", "6", "7", "8", "9"};
    // Row 1 holds 1 and 2 elsewhere, so cell (1,9) keeps 3..9.
    const QStringList open = {"3", "4", "5", "6", "7", "8", "9"};
    QTest::newRow("left click, unprotected") << false << false << Qt::LeftButton << 0 << all << all;
    QTest::newRow("right click, unprotected")
        << false << true << Qt::RightButton << 1 << all << all;
    QTest::newRow("protected, input mode")
        << true << false << Qt::RightButton << 1 << open << QStringList();
    QTest::newRow("protected, play mode") << true << true << Qt::LeftButton << 0 << open << open;
}

void TestGameWidgets::cellClickOpensSelectorOnItsPage() {
    QFETCH(bool, protection);
    QFETCH(bool, play);
    QFETCH(Qt::MouseButton, button);
    QFETCH(int, page);
    QFETCH(QStringList, placeDigits);
    QFETCH(QStringList, candidateDigits);

    StubFrameServices services;
    services.settings.Protection = protection;
    TFramefille frame(services);
    frame.InitBoard();
    frame.Session().ApplyAction(1, 1, 'P', 1);
    frame.Session().ApplyAction(1, 2, 'P', 2);
    if (play)
        frame.Session().BtJouerClick();

    ModalAnswers answers;
    int shownPage = -1;
    QStringList shownPlace, shownCandidates;
    answers.Queue([&](QDialog& modal) {
        shownPage = modal.findChild<QTabWidget*>(QStringLiteral("PageControl1"))->currentIndex();
        shownPlace = EnabledDigits(&modal, 'P');
        shownCandidates = EnabledDigits(&modal, 'C');
        QTest::keyClick(&modal, Qt::Key_Escape);
    });
    QTest::mouseClick(frame.Case(1, 9), button);
    QVERIFY(answers.AllAnswered());
    QCOMPARE(shownPage, page);
    QCOMPARE(shownPlace, placeDigits);
    QCOMPARE(shownCandidates, candidateDigits);
}

void TestGameWidgets::chosenDigitReachesBoardAndHistory() {
    StubFrameServices services;
    TFramefille frame(services);
    frame.InitBoard();
    ModalAnswers answers;
    answers.Queue([](QDialog& modal) { Button(&modal, "P7")->click(); });
    QTest::mouseClick(frame.Case(5, 3), Qt::LeftButton);
    QCOMPARE(frame.Case(5, 3)->State().Digit(), 7);
    QCOMPARE(frame.Session().History().back(), (HistoryEntry{5, 3, 7, 'P'}));
    QVERIFY(frame.Session().Modified());
    QCOMPARE(frame.findChild<QLabel*>(QStringLiteral("LabelCases"))->text(),
             QStringLiteral("1/81 cases"));

    answers.Queue([](QDialog& modal) { Button(&modal, "C4")->click(); });
    QTest::mouseClick(frame.Case(5, 4), Qt::RightButton);
    QVERIFY(answers.AllAnswered());
    QVERIFY(!frame.Case(5, 4)->State().HasCandidate(4));
    QVERIFY(!frame.Case(5, 4)->State().HasCandidate(7)); // removed by the placement in row 5
}

void TestGameWidgets::cancelledSelectorOnlyRecoloursTheGiven() {
    StubFrameServices services;
    TFramefille frame(services);
    frame.InitBoard();
    frame.Session().ApplyAction(2, 2, 'P', 8);
    frame.Session().BtJouerClick();
    const std::size_t entries = frame.Session().History().size();
    ModalAnswers answers;
    answers.Press(QStringLiteral("Annuler"));
    QTest::mouseClick(frame.Case(2, 2), Qt::LeftButton);
    QVERIFY(answers.AllAnswered());
    QCOMPARE(frame.Case(2, 2)->State().CouleurChiffre, services.settings.CouleurChiffre);
    QCOMPARE(frame.Session().History().size(), entries);
}

void TestGameWidgets::selectorWheelTransparency() {
    TFrmSelecteur selector;
    selector.show();
    QCOMPARE(selector.Transparency(), 255);
    auto wheel = [&selector](int delta) {
        QWheelEvent event(QPointF(10, 10), QPointF(10, 10), QPoint(), QPoint(0, delta),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&selector, &event);
    };
    wheel(120);
    QCOMPARE(selector.Transparency(), 255);
    QList<int> seen;
    for (int i = 0; i < 10; ++i) {
        wheel(-120);
        seen << selector.Transparency();
    }
    QCOMPARE(seen, (QList<int>{235, 215, 195, 175, 155, 135, 115, 95, 75, 60}));
    wheel(-120);
    QCOMPARE(selector.Transparency(), 60);
    wheel(120);
    QCOMPARE(selector.Transparency(), 80);
}

void TestGameWidgets::casePaintsDigitCandidatesAndBackground() {
    const QColor digitColour(255, 0, 0), candidateColour(0, 160, 0), background(255, 255, 0);
    CaseState state(1, 1);
    state.CouleurChiffre = FromQColor(digitColour);
    state.CouleurCandidat = FromQColor(candidateColour);
    state.CouleurFond = FromQColor(background);

    // Candidates hidden: background only.
    QImage image = Render(state);
    QCOMPARE(image.pixelColor(19, 19), background);
    QCOMPARE(CountColour(image, image.rect(), candidateColour), 0);

    // Candidates shown in the telephone-pad layout: 1 top left, 9 bottom right, 5 removed.
    state.ViewCandidat = true;
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

void TestGameWidgets::modeShowsItsControls() {
    StubFrameServices services;
    TFramefille frame(services);
    frame.InitBoard();
    frame.show();
    auto visible = [&frame](const char* name) {
        return frame.findChild<QWidget*>(QLatin1String(name))->isVisible();
    };
    QVERIFY(visible("GBMode"));
    QVERIFY(visible("BT_EFF_TOUT"));
    QVERIFY(!visible("BT_REFAIRE"));
    Button(&frame, "BtJouer")->click();
    QCOMPARE(frame.Session().Mode(), mode::Play);
    QVERIFY(!visible("GBMode"));
    QVERIFY(!visible("BT_EFF_TOUT"));
    QVERIFY(visible("BT_REFAIRE"));
    frame.Session().TimerPartieTimer();
    QCOMPARE(frame.findChild<QLabel*>(QStringLiteral("LabelTimer"))->text(),
             QStringLiteral("00:00:01"));
}

void TestGameWidgets::eraseAllAsksFirst() {
    StubFrameServices services;
    TFramefille frame(services);
    frame.InitBoard();
    frame.Session().ApplyAction(3, 3, 'P', 3);
    services.confirmAnswer = false;
    Button(&frame, "BT_EFF_TOUT")->click();
    QCOMPARE(frame.Case(3, 3)->State().Digit(), 3);
    services.confirmAnswer = true;
    Button(&frame, "BT_EFF_TOUT")->click();
    QCOMPARE(frame.Case(3, 3)->State().Digit(), 0);
    QCOMPARE(services.asked.last(), QStringLiteral("Confirmez l'effacement total de la grille ?"));
}

void TestGameWidgets::closeQuestionOutcomes_data() {
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("canClose");
    QTest::addColumn<bool>("saveRequested");
    QTest::newRow("Enregistrer") << "Enregistrer" << true << true;
    QTest::newRow("Fermer") << "Fermer" << true << false;
    QTest::newRow("Escape") << "" << false << false;
}

void TestGameWidgets::closeQuestionOutcomes() {
    QFETCH(QString, answer);
    QFETCH(bool, canClose);
    QFETCH(bool, saveRequested);
    StubFrameServices services;
    TFramefille frame(services);
    frame.InitBoard();
    QVERIFY(frame.CanClose()); // nothing to save, no question
    frame.Session().ApplyCellChoice(1, 1, 'P', 5);
    QSignalSpy saves(&frame, &TFramefille::saveRequested);
    ModalAnswers answers;
    QString text;
    answers.Queue([&](QDialog& modal) {
        text = modal.findChild<QLabel*>(QStringLiteral("TaskText"))->text();
        if (answer.isEmpty())
            QTest::keyClick(&modal, Qt::Key_Escape);
        for (auto* link : modal.findChildren<QCommandLinkButton*>())
            if (link->text() == answer)
                link->click();
    });
    QCOMPARE(frame.CanClose(), canClose);
    QCOMPARE(saves.count(), saveRequested ? 1 : 0);
    QCOMPARE(text,
             QStringLiteral("La grille '' à été modifiée depuis sa création ou son chargement"));
}

void TestGameWidgets::panelListsLightsAndApplies() {
    StubFrameServices services;
    TFramefille frame(services);
    frame.InitBoard();
    // Row 1 complete but for (1,9): a naked single of 9.
    for (int c = 1; c <= 8; ++c)
        frame.Session().ApplyAction(1, c, 'P', c);
    frame.Session().BtJouerClick();
    auto* page = frame.findChild<AnalysisPage*>();
    QListWidget* families = page->CheckListFamille;
    QCOMPARE(families->item(0)->text(), QStringLiteral("1 Candidat(s) seul(s) dans leur case"));

    families->setCurrentRow(0);
    emit families->itemClicked(families->item(0));
    QCOMPARE(page->StringGrid->item(0, 0)->text(), QStringLiteral("Le 9 seul dans la case L1C9"));

    QWidget* grid = page->StringGrid->viewport();
    const QPoint firstRow(10, 5);
    QTest::mousePress(grid, Qt::LeftButton, {}, firstRow);
    QCOMPARE(frame.Case(1, 9)->State().CouleurFond, services.settings.CouleurJouable);
    QTest::mouseRelease(grid, Qt::LeftButton, {}, firstRow);
    QCOMPARE(frame.Case(1, 9)->State().CouleurFond, kWhite);

    frame.Session().SetFamilyChecked(5, true);
    QCOMPARE(families->item(5)->checkState(), Qt::Checked);
    QTest::mouseDClick(grid, Qt::LeftButton, {}, firstRow);
    QCOMPARE(frame.Case(1, 9)->State().Digit(), 9);
    QVERIFY(!frame.Session().Panel().IsChecked(5)); // the double-click removes every tick
    QCOMPARE(families->item(5)->checkState(), Qt::Unchecked);
    QCOMPARE(families->currentRow(), 0);
    // The tracer gets the deduction's text and the placement's line, in that order.
    auto* memo = frame.findChild<QPlainTextEdit*>(QStringLiteral("MemoTrace"));
    QTRY_COMPARE(memo->toPlainText(),
                 QStringLiteral("Le 9 seul dans la case L1C9\nL1 C9 reçoit le : 9"));
}

QTEST_MAIN(TestGameWidgets)
#include "test_game_widgets.moc"

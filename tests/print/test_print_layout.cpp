// The printed page without a printer: where the lines and texts go in tenths of a millimetre, and
// how page units become printer pixels.

#include "game/model/game_session.h"
#include "game/model/print_layout.h"

#include <QTest>

#include <algorithm>
#include <memory>

using namespace game;
using namespace game::print;

Q_DECLARE_METATYPE(game::print::PageScale)

namespace {

std::unique_ptr<GameSession> NewGrid() {
    auto session = std::make_unique<GameSession>(GameSettings{});
    session->InitBoard();
    return session;
}

QList<PrintedText> TextsOfCell(const PageLayout& page, int row, int col) {
    const QRect cell((col - 1) * 120 + 510, (row - 1) * 120 + 300, 120, 120);
    QList<PrintedText> texts;
    for (const PrintedText& text : page.Texts)
        if (cell.contains(text.X, text.Y))
            texts << text;
    return texts;
}

} // namespace

class TestPrintLayout : public QObject {
    Q_OBJECT

private slots:
    void gridLinesFrameTheBoxesThickly() {
        const PageLayout page = LayOutGrid(*NewGrid());
        QCOMPARE(page.Lines.size(), 20);
        QCOMPARE(std::count_if(page.Lines.begin(), page.Lines.end(),
                               [](const PrintedLine& l) { return l.Width == 6; }),
                 8);
        QVERIFY(page.Texts.isEmpty());
        for (const PrintedLine& line : {
                 PrintedLine{510, 300, 'H', 6, 1080},  // top frame
                 PrintedLine{510, 420, 'H', 1, 1080},  // between rows 1 and 2
                 PrintedLine{510, 660, 'H', 6, 1080},  // under box row 1
                 PrintedLine{510, 1260, 'H', 1, 1080}, // between rows 8 and 9
                 PrintedLine{510, 1380, 'H', 6, 1080}, // bottom frame
                 PrintedLine{510, 300, 'V', 6, 1080},  // left frame
                 PrintedLine{1230, 300, 'V', 6, 1080}, // right of box column 2
                 PrintedLine{1470, 300, 'V', 1, 1080}, // between columns 8 and 9
                 PrintedLine{1590, 300, 'V', 6, 1080}, // right frame
             })
            QVERIFY2(
                page.Lines.contains(line),
                qPrintable(QStringLiteral("%1 %2 %3").arg(line.X).arg(line.Y).arg(line.Direction)));
    }

    void digitsStandInTheirCellsInLargeType() {
        auto session = NewGrid();
        session->ApplyCellChoice(1, 2, game::Operation::Place, 7);
        session->ApplyCellChoice(9, 1, game::Operation::Place, 3);
        // Cells are walked column by column: row 9 of column 1 comes before row 1 of column 2.
        const QList<PrintedText> expected = {{40 + 510, 8 * 120 + 300 + 15, "3", DigitFont},
                                             {120 + 510 + 40, 300 + 15, "7", DigitFont}};
        QCOMPARE(LayOutGrid(*session).Texts, expected);
        QCOMPARE(DigitFont.Points, 22);
    }

    void candidatesFollowTheTelephonePadWhenShown() {
        auto session = NewGrid();
        session->ApplyCellChoice(1, 2, game::Operation::Place,
                                 5); // removes 5 from the candidates of L1C1
        session->ApplyCellChoice(1, 1, game::Operation::RemoveCandidate, 9);
        for (int d = 1; d <= 9; ++d)
            session->ApplyCellChoice(4, 4, game::Operation::RemoveCandidate,
                                     d); // a cell without candidates stays blank
        session->SetCandidateDisplay(true);
        const PageLayout page = LayOutGrid(*session);
        const QList<PrintedText> expected = {
            {520, 303, "1", CandidateFont}, {560, 303, "2", CandidateFont},
            {600, 303, "3", CandidateFont}, {520, 343, "4", CandidateFont},
            {600, 343, "6", CandidateFont}, {520, 383, "7", CandidateFont},
            {560, 383, "8", CandidateFont}};
        QCOMPARE(TextsOfCell(page, 1, 1), expected);
        QCOMPARE(CandidateFont.Points, 8);
        QVERIFY(TextsOfCell(page, 4, 4).isEmpty());
        QCOMPARE(TextsOfCell(page, 4, 5).size(), 9);
        // 79 cells with candidates; the 20 in the row, column and region of L1C2 lost the 5,
        // L1C1 the 9 too; and the digit.
        QCOMPARE(page.Texts.size(), 79 * 9 - 20 - 1 + 1);

        session->SetCandidateDisplay(false);
        const PageLayout hidden = LayOutGrid(*session);
        QCOMPARE(hidden.Texts.size(), 1);
        QCOMPARE(hidden.Texts.first().Text, "5");
    }

    void pageUnitsBecomePrinterPixelsFromTheSheetCorner_data() {
        QTest::addColumn<PageScale>("scale");
        QTest::addColumn<QPoint>("gridCorner");
        QTest::addColumn<int>("across");
        QTest::addColumn<int>("down");
        const double dpi600 = 600 / 254.0;
        // 51 mm = 1204.72 px and 30 mm = 708.66 px at 600 dpi; 108 mm = 2551.18 px.
        QTest::newRow("600 dpi, no margin")
            << PageScale{dpi600, dpi600, 0, 0} << QPoint(1205, 709) << 2551 << 2551;
        // A printable area 94 px (4 mm) in from the sheet's corner.
        QTest::newRow("600 dpi, 4 mm margin")
            << PageScale{dpi600, dpi600, 94, 94} << QPoint(1111, 615) << 2551 << 2551;
        QTest::newRow("uneven scales and offsets")
            << PageScale{0.5, 0.25, 10, 20} << QPoint(245, 55) << 540 << 270;
    }

    void pageUnitsBecomePrinterPixelsFromTheSheetCorner() {
        QFETCH(PageScale, scale);
        QFETCH(QPoint, gridCorner);
        QFETCH(int, across);
        QFETCH(int, down);
        QCOMPARE(scale.ToPrinter(OriginX, OriginY), gridCorner);
        QCOMPARE(scale.PrinterLength(Across, GridSize), across);
        QCOMPARE(scale.PrinterLength(Down, GridSize), down);
    }
};

QTEST_GUILESS_MAIN(TestPrintLayout)
#include "test_print_layout.moc"

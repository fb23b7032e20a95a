// Grid texts in, the board picture out: import, paste and copy.
#include "tests/game/session_fixture.h"

#include <QTest>

using game::GameSession;
using namespace fixture;

namespace {

const QString kWrongLength = QStringLiteral("Sudoku non récuparable,81 Caractères attendus");

// The solution with holes at (1,2) and (5,5) written with the given marker.
QString TwoHoles(QChar marker) {
    QString text = WithHoles({{1, 2}, {5, 5}});
    return text.replace(u'.', marker);
}

// The board picture of (1,1)=5, (2,5)=3, (4,4)=1 and (9,9)=9.
const QStringList kPicture = {
    QStringLiteral("5..¦...¦..."), QStringLiteral("...¦.3.¦..."), QStringLiteral("...¦...¦..."),
    QStringLiteral("---+---+---"), QStringLiteral("...¦1..¦..."), QStringLiteral("...¦...¦..."),
    QStringLiteral("...¦...¦..."), QStringLiteral("---+---+---"), QStringLiteral("...¦...¦..."),
    QStringLiteral("...¦...¦..."), QStringLiteral("...¦...¦..9")};

std::unique_ptr<GameSession> FourDigits() {
    auto session = NewGrid();
    for (auto [row, col, digit] : {std::tuple{1, 1, 5}, {2, 5, 3}, {4, 4, 1}, {9, 9, 9}})
        session->ApplyCellChoice(row, col, Operation::Place, digit);
    return session;
}

} // namespace

class TestTextExchange : public QObject {
    Q_OBJECT

private slots:
    void importPlacesTheGivensOrRefusesTheWholeText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("error"); // parts of the message; none when imported
        QTest::addColumn<QString>("board");
        const QString twoHoles = WithHoles({{1, 2}, {5, 5}});
        const QString empty(81, u'.');
        QTest::newRow("full stops") << TwoHoles(u'.') << QStringList{} << twoHoles;
        QTest::newRow("zeros") << TwoHoles(u'0') << QStringList{} << twoHoles;
        QTest::newRow("blanks inside") << TwoHoles(u' ') << QStringList{} << twoHoles;
        QTest::newRow("around: blanks and line ends")
            << QStringLiteral("  \t") + TwoHoles(u'.') + QStringLiteral("\r\n") << QStringList{}
            << twoHoles;
        QTest::newRow("81 digits, no marker") << kSolution << QStringList{} << kSolution;
        QTest::newRow("80 characters") << kSolution.left(80) << QStringList{kWrongLength} << empty;
        QTest::newRow("82 characters")
            << kSolution + QStringLiteral("1") << QStringList{kWrongLength} << empty;
        // The blanks of the first row's empty cells fall to the trimming.
        QTest::newRow("leading blank cells")
            << QStringLiteral("  ") + kSolution.mid(2).replace(u'9', u' ')
            << QStringList{kWrongLength} << empty;
        QString secondFiller = TwoHoles(u'.');
        secondFiller[40] = u'x';
        QTest::newRow("a second kind of filler")
            << secondFiller
            << QStringList{QStringLiteral("«\u00A0x\u00A0»"), QStringLiteral("position 41"),
                           QStringLiteral("«\u00A0.\u00A0»")}
            << empty;
    }

    void importPlacesTheGivensOrRefusesTheWholeText() {
        QFETCH(QString, text);
        QFETCH(QStringList, error);
        QFETCH(QString, board);
        auto session = NewGrid();
        const QString message = session->ImportText(text);
        QCOMPARE(message.isEmpty(), error.isEmpty());
        for (const QString& part : error)
            QVERIFY2(message.contains(part), qPrintable(message));
        QCOMPARE(BoardText(*session), board);
        if (!error.isEmpty())
            QCOMPARE(HistoryText(session->History()), QStringLiteral("S"));
    }

    void importRecordsEachGivenInInputMode() {
        auto session = NewGrid();
        session->ImportText(QStringLiteral("..3") + QString(75, u'.') + QStringLiteral("7.1"));
        QCOMPARE(HistoryText(session->History()), QStringLiteral("S; P 1 3 3; P 9 7 7; P 9 9 1"));
        QCOMPARE(session->CurrentMode(), Mode::Input);
        QVERIFY(session->TraceLines().isEmpty());
        QVERIFY(!session->Modified());
        QCOMPARE(session->Cell(9, 7).PlayedColour, game::Colour(1));
        QCOMPARE(session->CasesLabel(), QStringLiteral("3/81 cases"));
    }

    void pasteNeedsAnEmptyBoard() {
        auto session = NewGrid();
        session->ImportText(QStringLiteral("5") + QString(80, u'.'));
        session->EraseAll();
        session->ImportText(QString(10, u'.') + QStringLiteral("4") + QString(70, u'.'));
        QCOMPARE(session->PasteGrid(kSolution), QStringLiteral("La grille n'est pas vide"));
        QCOMPARE(BoardText(*session).count(u'.'), 80);
        QVERIFY(!session->Modified());
    }

    void pasteFiltersSeveralLines_data() {
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<QString>("error");
        QTest::addColumn<QString>("board");
        const QString twoHoles = WithHoles({{1, 2}, {5, 5}});
        QStringList rowsWithZeros;
        QStringList rowsWithDots;
        for (int row = 0; row < 9; ++row) {
            rowsWithZeros << TwoHoles(u'0').mid(row * 9, 9);
            rowsWithDots << TwoHoles(u'.').mid(row * 9, 9);
        }
        QTest::newRow("one line with zeros") << TwoHoles(u'0') << QString() << twoHoles;
        QTest::newRow("one line and its line end")
            << TwoHoles(u'0') + QStringLiteral("\r\n") << QString() << twoHoles;
        QTest::newRow("nine lines with zeros: the zeros drop out")
            << rowsWithZeros.join(u'\n') << kWrongLength << QString(81, u'.');
        QTest::newRow("nine lines with bars and tabs")
            << rowsWithDots.join(QStringLiteral("|\t\r\n")) << QString() << twoHoles;
        QTest::newRow("no given") << QString(81, u'.') << QString() << QString(81, u'.');
        QTest::newRow("the copied picture")
            << kPicture.join(QStringLiteral("\r\n")) << QString()
            << QStringLiteral("5........") + QStringLiteral("....3....") + QString(9, u'.') +
                   QStringLiteral("...1.....") + QString(44, u'.') + QStringLiteral("9");
    }

    void pasteFiltersSeveralLines() {
        QFETCH(QString, clipboard);
        QFETCH(QString, error);
        QFETCH(QString, board);
        auto session = NewGrid();
        QCOMPARE(session->PasteGrid(clipboard), error);
        QCOMPARE(BoardText(*session), board);
        // Only a paste that placed givens leaves something to save.
        QCOMPARE(session->Modified(), board != QString(81, u'.'));
    }

    void pasteInPlayModePlacesPlayDigits() {
        auto session = NewGrid();
        session->StartPlay();
        QCOMPARE(session->PasteGrid(FourDigits()->CopyGrid()), QString());
        QCOMPARE(session->TraceLines(), (QStringList{QStringLiteral("L1 C1 reçoit le : 5"),
                                                     QStringLiteral("L2 C5 reçoit le : 3"),
                                                     QStringLiteral("L4 C4 reçoit le : 1"),
                                                     QStringLiteral("L9 C9 reçoit le : 9")}));
        QCOMPARE(session->Cell(4, 4).PlayedColour, game::Colour(2));
    }

    void copyDrawsTheBoardPicture() {
        const QString picture = FourDigits()->CopyGrid();
        QCOMPARE(picture, kPicture.join(QStringLiteral("\r\n")));
        QCOMPARE(picture.at(3), QChar(0x00A6));
    }
};

QTEST_GUILESS_MAIN(TestTextExchange)
#include "test_text_exchange.moc"

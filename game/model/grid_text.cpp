#include "game/model/grid_text.h"

#include "game/model/model_messages.h"

#include <QStringList>

namespace game {

namespace {

bool IsGivenDigit(QChar c) {
    return c >= u'1' && c <= u'9';
}

// Blanks and control characters: everything up to the space character.
QString TrimBlanksAndControls(const QString& text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] <= u' ')
        ++first;
    while (last > first && text[last - 1] <= u' ')
        --last;
    return text.mid(first, last - first);
}

// Lines as a text box holds them: a final line break opens no extra line.
QStringList TextLines(const QString& text) {
    QString normalised = text;
    normalised.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    QStringList lines = normalised.split(u'\n');
    if (lines.size() > 1 && lines.back().isEmpty())
        lines.removeLast();
    return lines;
}

} // namespace

GridTextReading ReadGridText(const QString& text) {
    GridTextReading reading;
    const QString s = TrimBlanksAndControls(text);
    if (s.size() != 81) {
        reading.Error =
            MessageText(65, QStringLiteral("Sudoku non récuparable,81 Caractères attendus"));
        return reading;
    }
    QChar emptyMarker;
    for (qsizetype i = 0; i < s.size(); ++i) {
        const QChar c = s[i];
        if (IsGivenDigit(c)) {
            reading.Givens.push_back(GridGiven{int(i / 9) + 1, int(i % 9) + 1, c.unicode() - u'0'});
            continue;
        }
        if (emptyMarker.isNull())
            emptyMarker = c;
        if (c != emptyMarker) {
            reading.Givens.clear();
            // Looked up in the interface's language, then %1, %2, %3 filled in one .arg() call.
            reading.Error =
                MessageText(66,
                            QStringLiteral("Sudoku non récupérable : caractère «\u00A0%1\u00A0» "
                                           "inattendu en position %2 (les cases vides sont "
                                           "marquées par «\u00A0%3\u00A0»)"))
                    .arg(QString(c), QString::number(i + 1), QString(emptyMarker));
            return reading;
        }
    }
    return reading;
}

QString FilterPastedText(const QString& clipboardText) {
    const QStringList lines = TextLines(clipboardText);
    if (lines.size() == 1)
        return lines.front();
    QString kept;
    for (const QString& line : lines)
        for (QChar c : line)
            if (IsGivenDigit(c) || c == u' ' || c == u'.')
                kept += c;
    return kept;
}

QString GridPicture(const BoardDigits& digits) {
    QStringList lines;
    for (int row = 1; row <= 9; ++row) {
        QString line = QStringLiteral("...\u00A6...\u00A6...");
        for (int col = 1; col <= 9; ++col)
            if (const int digit = digits[row - 1][col - 1]; digit != 0)
                line[col - 1 + (col - 1) / 3] = QChar(u'0' + digit);
        lines << line;
        if (row == 3 || row == 6)
            lines << QStringLiteral("---+---+---");
    }
    return lines.join(QStringLiteral("\r\n"));
}

} // namespace game

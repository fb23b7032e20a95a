#include "game/model/grid_file.h"

#include "game/model/atomic_file.h"
#include "game/model/model_messages.h"

#include <QFile>
#include <QStringList>

#include <algorithm>

namespace game {

namespace {

// About 120 bytes an action: a game of 10 000 actions (a grid takes 81 placements and at most 729
// removals) is about a megabyte. A larger file is refused before it is read.
constexpr qint64 kMaxFileSize = 16 * 1024 * 1024;

// 0-based positions of the fields inside an action line.
constexpr int kLignePos = 20;
constexpr int kColonnePos = 33;
constexpr int kChiffrePos = 47;
constexpr int kOperationPos = 63;
constexpr int kTextPos = 66;
constexpr int kTextLength = 20;

QString EntryText(const HistoryEntry& entry, int elapsedSeconds, const QString& previousText) {
    const QString place = QStringLiteral("Ligne: %1 Colonne: %2").arg(entry.Row).arg(entry.Col);
    switch (entry.Operation) {
    case Operation::Place:
        return place + QStringLiteral(" Mise en place du : ") + QString::number(entry.Digit);
    case Operation::RemoveCandidate:
        return place + QStringLiteral(" suppression du candidat : ") + QString::number(entry.Digit);
    case Operation::PlayMode:
        return place + QStringLiteral(" Passage en mode résolution : ") +
               QString::number(entry.Digit);
    case Operation::InputMode:
        return place + QStringLiteral(" Passage en mode Saisie : ") + QString::number(entry.Digit);
    case Operation::TimeMarker:
        return QString::number(elapsedSeconds) + QStringLiteral("# duree de la partie en secondes");
    default:
        return previousText;
    }
}

QString ActionLine(const HistoryEntry& entry, const QString& text) {
    return QStringLiteral("  <Action  Ligne = '%1' Colonne ='%2' Chiffre = '%3' Operation = "
                          "'%4'>%5</Action>")
        .arg(entry.Row)
        .arg(entry.Col)
        .arg(entry.Digit)
        .arg(QChar::fromLatin1(Letter(entry.Operation)))
        .arg(text);
}

QStringList SplitLines(const QString& text) {
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != u'\r' && c != u'\n')
            continue;
        lines << text.mid(start, i - start);
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines << text.mid(start);
    return lines;
}

// The messages below are looked up in the interface's language (MessageText), their %1, %2, %3
// filled afterwards; one .arg() call for all of them, so that a % in a file name stays as it is.
QString Refusal(const QString& fileName, qsizetype lineNumber, const QString& reason) {
    return MessageText(55,
                       QStringLiteral("Le fichier %1 n'est pas une grille valide : ligne %2, %3."))
        .arg(fileName, QString::number(lineNumber), reason);
}

// The digit at pos, or -1 when that character is not a decimal digit.
int DigitAt(const QString& line, int pos) {
    const QChar c = line[pos];
    return c >= u'0' && c <= u'9' ? c.unicode() - u'0' : -1;
}

// Fills entry from one action line; returns the reason it is malformed, empty when it is sound.
QString ReadActionLine(const QString& line, HistoryEntry& entry) {
    if (line.size() <= kOperationPos)
        return MessageText(56, QStringLiteral("ligne trop courte"));
    const struct {
        int Pos;
        QLatin1String Name;
        std::uint8_t* Field;
    } fields[] = {{kLignePos, QLatin1String("Ligne"), &entry.Row},
                  {kColonnePos, QLatin1String("Colonne"), &entry.Col},
                  {kChiffrePos, QLatin1String("Chiffre"), &entry.Digit}};
    for (const auto& field : fields) {
        const int value = DigitAt(line, field.Pos);
        if (value < 0)
            return MessageText(57, QStringLiteral("la valeur de %1 n'est pas un chiffre"))
                .arg(field.Name);
        *field.Field = std::uint8_t(value);
    }
    entry.Operation = static_cast<Operation>(line[kOperationPos].toLatin1());
    if (entry.Operation == Operation::Place || entry.Operation == Operation::RemoveCandidate) {
        for (const auto& field : fields)
            if (*field.Field < 1)
                return MessageText(
                           58, QStringLiteral("la valeur de %1 doit être comprise entre 1 et 9"))
                    .arg(field.Name);
    }
    return {};
}

// The seconds of a "T" line's text, up to its "#"; -1 when they cannot be read.
int ReadSeconds(const QString& text) {
    const qsizetype hash = text.indexOf(u'#');
    const QString number = text.left(hash);
    if (hash <= 0 ||
        !std::all_of(number.begin(), number.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
        return -1;
    bool ok = false;
    const int seconds = number.toInt(&ok);
    return ok ? seconds : -1;
}

} // namespace

QByteArray EncodeGridFile(const ActionHistory& history, int elapsedSeconds) {
    QStringList lines{QStringLiteral("<?xml version=\"1.0\" encoding=\"ISO-8859-1\" ?>"),
                      QStringLiteral("<Actions>")};
    QString text;
    for (const HistoryEntry& entry : history) {
        text = EntryText(entry, elapsedSeconds, text);
        lines << ActionLine(entry, text);
    }
    lines << QStringLiteral("</Actions>");
    return (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toLatin1();
}

GridFileContent ParseGridFile(const QByteArray& bytes, const QString& fileName) {
    GridFileContent content;
    const QStringList lines = SplitLines(QString::fromLatin1(bytes));
    qsizetype lastActionLine = -1;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (!lines[i].startsWith(QStringLiteral("  ")))
            continue;
        HistoryEntry entry;
        const QString reason = ReadActionLine(lines[i], entry);
        if (!reason.isEmpty()) {
            content.Error = Refusal(fileName, i + 1, reason);
            return content;
        }
        content.Entries.push_back(entry);
        lastActionLine = i;
    }
    // Empty, binary or UTF-16 bytes read as no action at all: nothing of a grid to open.
    if (content.Entries.empty()) {
        content.Error = Refusal(fileName, std::max<qsizetype>(lines.size(), 1),
                                MessageText(59, QStringLiteral("aucune ligne d'action")));
        return content;
    }
    // Only the last marker's time is read; earlier markers stay in the history, skipped by replay.
    if (content.Entries.back().Operation == Operation::TimeMarker) {
        const int seconds = ReadSeconds(lines[lastActionLine].mid(kTextPos, kTextLength));
        if (seconds < 0) {
            content.Error =
                Refusal(fileName, lastActionLine + 1,
                        MessageText(60, QStringLiteral("la durée de la partie est illisible")));
            return content;
        }
        content.HasTimeMarker = true;
        content.Seconds = seconds;
        content.Entries.pop_back();
    }
    return content;
}

GridFileContent ReadGridFile(const QString& path) {
    QFile file(path);
    if (!file.exists()) {
        GridFileContent missing;
        missing.Error = MessageText(27, QStringLiteral("Fichier non trouvé :")) + u' ' + path;
        return missing;
    }
    const auto unreadable = [&path](const QString& reason) {
        GridFileContent refused;
        refused.Error = MessageText(61, QStringLiteral("Impossible de lire le fichier %1 : %2"))
                            .arg(path, reason);
        return refused;
    };
    if (!file.open(QIODevice::ReadOnly))
        return unreadable(FileErrorReason(file));
    // The size is checked before reading; a pipe or a device tells none, so the reading stops
    // just past the limit.
    const bool tooLarge = file.size() > kMaxFileSize;
    const QByteArray bytes = tooLarge ? QByteArray() : file.read(kMaxFileSize + 1);
    if (tooLarge || bytes.size() > kMaxFileSize)
        return unreadable(
            MessageText(62, QStringLiteral("plus de 16 Mio, trop grand pour une grille")));
    return ParseGridFile(bytes, path);
}

QString WriteGridFile(const QString& path, const QByteArray& bytes) {
    const FileWriteFailure failure = WriteFileAtomically(path, bytes);
    if (!failure.Failed())
        return {};
    return MessageText(63, QStringLiteral("Impossible d'enregistrer le fichier %1 : %2"))
        .arg(path, failure.reason);
}

} // namespace game

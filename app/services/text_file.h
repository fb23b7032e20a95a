#pragma once
// Reading and writing the program's own text files ("Settings.ini", "Translations.txt").
// They are read as UTF-8, or as Windows-1252 when the bytes are not valid UTF-8 (files written by
// older tools), and always written as UTF-8. Reading is capped so that a huge or binary file
// cannot exhaust memory.

#include <QString>
#include <QStringList>

namespace services {

// Files above this size are not read at all: no settings or translation file comes near it.
constexpr qint64 kMaxTextFileSize = 4 * 1024 * 1024;

// Line break put in place of the "\n" escapes and of "#13#10" in tips.
inline const QString kLineBreak = QStringLiteral("\n");

enum class TextFileStatus {
    Read,       // the text was read
    Missing,    // no such file: the same as an empty one
    Unreadable, // it exists but could not be read, or is larger than kMaxTextFileSize
};

struct TextFile {
    TextFileStatus status = TextFileStatus::Missing;
    QString text;
};

// Decodes bytes as UTF-8 (a leading byte-order mark is dropped) or, when they are not valid
// UTF-8, as Windows-1252.
QString DecodeText(const QByteArray& bytes);

TextFile ReadTextFile(const QString& path);

// Splits at CR LF, LF or CR. A final line break does not start an extra empty line.
QStringList SplitLines(const QString& text);

// Writes UTF-8 into a temporary file beside the target, then renames it over the target: a failed
// write leaves the previous file as it was. Returns false on failure.
bool WriteTextFileAtomically(const QString& path, const QString& text);

} // namespace services
